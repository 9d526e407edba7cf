#pragma once

// The program's icon, a football jersey, at every size the build embeds (16 to 256 px), for the windows,
// the dialogs and the taskbar.

#include <QIcon>

namespace tarnix
{

QIcon TarnixIcon();

} // namespace tarnix
