#pragma once

// The start-up benchmark's hook: with the environment variable TARNIX_STARTUP_MARK naming a file, the
// moment the wizard's first page has been painted for the first time is written there (milliseconds since
// the epoch, one line) and the wizard is closed at once, as if the user had left it. Without the variable
// nothing happens.

namespace tarnix
{

void InstallStartupMark();

} // namespace tarnix
