#include "sample/SampleGame.h"

#include "sample/SampleJerseys.h"
#include "sample/SampleTeams.h"

namespace tarnix::sample
{

Status WriteSampleGame(const std::filesystem::path& gameFolder)
{
    Status jerseys = WriteSampleJerseys(gameFolder);
    if (!jerseys)
    {
        return jerseys;
    }
    return WriteSampleTeams(gameFolder);
}

} // namespace tarnix::sample
