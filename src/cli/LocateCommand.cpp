// locate-game: where the game's installer registered it, as the editor finds it on its first run.

#include "cli/LocateCommand.h"

#include "archive/FileIO.h"
#include "platform/GameLocation.h"

namespace tarnix::cli
{

int RunLocateGame(const CliArgs&, std::ostream& out, std::ostream& err)
{
    const std::optional<std::filesystem::path> folder = FindGameFolder();
    if (!folder)
    {
#ifdef _WIN32
        return Fail(err,
                    "FIFA99 is not registered (no HKEY_LOCAL_MACHINE\\" + std::string(kGameRegistrationKey) + ")");
#else
        return Fail(err, "FIFA99 is not registered in the Wine prefix \"" + PathText(DefaultWinePrefix()) +
                             "\" (or its folder does not exist)");
#endif
    }
    if (folder->empty())
    {
        return Fail(err, "FIFA99 is registered without a \"Path\" value");
    }
    out << PathText(*folder) << "\n";
    return kExitOk;
}

} // namespace tarnix::cli
