#include "ui/AppIcon.h"

#include <QString>

// The icon's resources live in the GUI library, a static library: their registration has to be named,
// and Q_INIT_RESOURCE must be used outside a namespace.
static void InitIconResource()
{
    Q_INIT_RESOURCE(icon);
}

namespace tarnix
{

QIcon TarnixIcon()
{
    InitIconResource();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    {
        icon.addFile(QStringLiteral(":/icons/tarnix-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace tarnix
