#include "app/GameRegistration.h"

#include "platform/GameLocation.h"
#include "ui/QtPaths.h"

namespace tarnix
{

std::optional<QString> FindRegisteredGameFolder()
{
    const std::optional<std::filesystem::path> folder = FindGameFolder();
    if (!folder)
    {
        return std::nullopt;
    }
    return folder->empty() ? QString() : FromPath(*folder);
}

QString InitialGameSearchFolder()
{
    return FromPath(GameSearchStartFolder());
}

} // namespace tarnix
