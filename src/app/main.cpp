#include "app/StartupMark.h"
#include "app/TarnixApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tarnix::InstallStartupMark();
    tarnix::CTarnixApp tarnix;
    return tarnix.Run(QApplication::arguments().mid(1));
}
