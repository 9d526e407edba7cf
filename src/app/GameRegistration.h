#pragma once

// Where the game says it is installed: the "Path" value of its App Paths registration. On Windows that is
// the registry itself; on Linux the game runs under Wine, whose registry is the text file system.reg in
// the Wine prefix, and whose drive letters are links in the prefix's dosdevices folder.

#include <QString>
#include <optional>

namespace tarnix
{

// The key the game's installer writes, relative to HKEY_LOCAL_MACHINE.
inline constexpr const char* kGameRegistrationKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\fifa99.exe";

// A string value of a Wine registry file (the text of system.reg or user.reg). Key and value names are
// compared without regard to letter case, as the registry does.
struct RegistryLookup
{
    bool keyFound = false;
    std::optional<QString> value; // a string value (REG_SZ or REG_EXPAND_SZ), unescaped
};
RegistryLookup ReadWineRegistryValue(const QString& registryText, const QString& key, const QString& valueName);

// Maps a Windows path ("C:\Program Files\FIFA 99") to the Linux folder it names inside `prefix`, through
// the prefix's dosdevices drive links, finding each component whatever its letter case. Empty when the
// drive or the folder does not exist.
QString WindowsPathInPrefix(const QString& prefix, const QString& windowsPath);

// The game's registration inside a Wine prefix: nullopt when the prefix has no registration for the game
// or its path leads to no existing folder; an empty string when the game is registered without a "Path".
std::optional<QString> FindGameInWinePrefix(const QString& prefix);

// The Wine prefix the user's programs run in: $WINEPREFIX, else ~/.wine.
QString DefaultWinePrefix();

// The game's registration on this system (the registry on Windows, the default Wine prefix elsewhere).
std::optional<QString> FindRegisteredGameFolder();

// Where the folder chooser starts when the user looks for the game: "C:\" on Windows, the Wine prefix's
// drive C when there is one, else the home folder.
QString InitialGameSearchFolder();

} // namespace tarnix
