#include "app/StartupMark.h"
#include "app/TarnixApp.h"
#include "ui/AppIcon.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tarnix::InstallStartupMark();
    // Every window without an icon of its own (the wizard, its dialogs) shows this one, and so does the
    // taskbar; on Wayland the desktop entry's name finds the icon of the installed program.
    QApplication::setWindowIcon(tarnix::TarnixIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.olvenar.Tarnix"));
    tarnix::CTarnixApp tarnix;
    return tarnix.Run(QApplication::arguments().mid(1));
}
