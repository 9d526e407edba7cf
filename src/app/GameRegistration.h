#pragma once

// The game's registration for the program's start-up, in Qt's strings. Finding it (the Windows registry,
// or the Wine prefix's registry file on Linux) is the core's: platform/GameLocation.h.

#include <QString>
#include <optional>

namespace tarnix
{

// The game folder its installer registered: nullopt when it is not registered; an empty string when it
// is registered without a "Path".
std::optional<QString> FindRegisteredGameFolder();

// The first run's question when the game is not registered: it names where Tarnix looked (on Linux the
// Wine prefix whose registry was read).
QString MissingGameQuestion();

// Where the folder chooser starts when the user looks for the game.
QString InitialGameSearchFolder();

} // namespace tarnix
