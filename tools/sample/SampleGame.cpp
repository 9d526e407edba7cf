#include "sample/SampleGame.h"

#include "sample/SampleJerseys.h"

namespace tarnix::sample
{

Status WriteSampleGame(const std::filesystem::path& gameFolder)
{
    return WriteSampleJerseys(gameFolder);
}

} // namespace tarnix::sample
