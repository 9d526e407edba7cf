#include "app/RuntimeFolder.h"
#include "app/StartupMark.h"
#include "app/TarnixApp.h"
#include "app/TarnixCommandLineInfo.h"
#include "ui/AppIcon.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <new>

namespace
{

constexpr const char* kOutOfMemory =
    QT_TRANSLATE_NOOP("tarnix::CTarnixApp", "Tarnix ran out of memory, so the last step was not finished "
                                            "and nothing was written. Close other programs and try again.");

void ReportOutOfMemory()
{
    std::fprintf(stderr, "tarnix: %s\n", kOutOfMemory);
    // The message box may itself fail for want of memory; the line on stderr is then all the user gets.
    try
    {
        QMessageBox::critical(nullptr, QStringLiteral("Tarnix"),
                              QCoreApplication::translate("tarnix::CTarnixApp", kOutOfMemory));
    }
    catch (const std::bad_alloc&)
    {
    }
}

// Every step of the program works on values and writes files in one replacement, so a step that runs out
// of memory has changed nothing: the user is told and the wizard carries on where it was.
class TarnixApplication : public QApplication
{
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try
        {
            return QApplication::notify(receiver, event);
        }
        catch (const std::bad_alloc&)
        {
            ReportOutOfMemory();
            return false;
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    try
    {
        // Asked on a terminal, perhaps one without a display: answered before the window system is opened.
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
        {
            arguments << QString::fromLocal8Bit(argv[i]);
        }
        if (const std::optional<int> code = tarnix::CTarnixCommandLineInfo::Parse(arguments).AnswerOnTerminal())
        {
            return *code;
        }
        tarnix::PrepareRuntimeFolder();
        TarnixApplication application(argc, argv);
        tarnix::InstallStartupMark();
        // Every window without an icon of its own (the wizard, its dialogs) shows this one, and so does the
        // taskbar; on Wayland the desktop entry's name finds the icon of the installed program.
        QApplication::setWindowIcon(tarnix::TarnixIcon());
        QGuiApplication::setDesktopFileName(QStringLiteral("org.olvenar.Tarnix"));
        tarnix::CTarnixApp tarnix;
        return tarnix.Run(QApplication::arguments().mid(1));
    }
    catch (const std::bad_alloc&)
    {
        std::fprintf(stderr, "tarnix: %s\n", kOutOfMemory);
        return 1;
    }
}
