#pragma once

// Where the game says it is installed: the "Path" value of its App Paths registration. On Windows that is
// the registry itself; on Linux the game runs under Wine, whose registry is the text file system.reg in
// the Wine prefix, and whose drive letters are links in the prefix's dosdevices folder.

#include <filesystem>
#include <optional>
#include <string>

namespace tarnix
{

// The key the game's installer writes, relative to HKEY_LOCAL_MACHINE.
inline constexpr const char* kGameRegistrationKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\fifa99.exe";

// Maps a Windows path ("C:\Program Files\FIFA 99", UTF-8) to the folder it names inside `prefix`, through
// the prefix's dosdevices drive links, finding each component whatever its letter case. Nullopt when the
// drive or the folder does not exist.
std::optional<std::filesystem::path> WindowsPathInPrefix(const std::filesystem::path& prefix,
                                                         const std::string& windowsPath);

// The game's registration inside a Wine prefix: nullopt when the prefix has no registration for the game
// or its path leads to no existing folder; an empty path when the game is registered without a "Path".
std::optional<std::filesystem::path> FindGameInWinePrefix(const std::filesystem::path& prefix);

// The Wine prefix the user's programs run in: $WINEPREFIX, else ~/.wine.
std::filesystem::path DefaultWinePrefix();

// The game's registration on this system: the registry on Windows (the 32-bit view the game's installer
// writes to first, then the native one), the default Wine prefix elsewhere. Nullopt when the game is not
// registered; an empty path when it is registered without a "Path" value.
std::optional<std::filesystem::path> FindGameFolder();

// Where a folder chooser looking for the game starts: "C:\" on Windows, the Wine prefix's drive C when
// there is one, else the home folder.
std::filesystem::path GameSearchStartFolder();

} // namespace tarnix
