#include "app/GameRegistration.h"

#include "platform/GameLocation.h"
#include "ui/QtPaths.h"

#include <QCoreApplication>

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

QString MissingGameQuestion()
{
#ifdef _WIN32
    return QCoreApplication::translate("tarnix::CTarnixApp",
                                       "Cannot locate FIFA99 directory in the Registry. Do you "
                                       "want to select it yourself?");
#else
    return QCoreApplication::translate("tarnix::CTarnixApp",
                                       "Cannot locate FIFA99 directory in the registry of the "
                                       "Wine prefix %1. Do you want to select it yourself?")
        .arg(FromPath(DefaultWinePrefix()));
#endif
}

QString InitialGameSearchFolder()
{
    return FromPath(GameSearchStartFolder());
}

} // namespace tarnix
