#include "ui/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tarnix
{

namespace
{

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
constexpr qint64 kHelperVerdictMs = 10000;
constexpr int kNoAssociationCode = 31; // the shell's "no application associated"

// xdg-open's exit codes in the shell's terms: 2 is a missing file; 3 (no tool) and 4 (the action failed)
// mean that no program took the address.
int XdgOpenFailureCode(int exitCode)
{
    switch (exitCode)
    {
    case 2:
        return 2;
    case 3:
    case 4:
        return kNoAssociationCode;
    default:
        return exitCode;
    }
}
#endif

struct Script
{
    bool active = false;
    QList<MsgAnswer> answers;
    QList<std::optional<QString>> files;
    QList<std::optional<QString>> folders;
    QList<ShownMessage> messages;
    QList<FileDialogRequest> fileRequests;
    QList<std::optional<int>> menuChoices;
    QList<QStringList> menus;
    QList<InstalledEditor> editors;
    int beeps = 0;
    std::function<bool(const QString&, const QStringList&)> startHook;
    std::function<bool(const QString&)> openUrlHook;
    std::function<MsgAnswer(const ShownMessage&)> answerHook;
    std::function<std::optional<QString>(const FileDialogRequest&)> fileHook;
};

Script& TheScript()
{
    static Script script;
    return script;
}

} // namespace

MsgAnswer ShowMessage(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon)
{
    Script& script = TheScript();
    if (script.active)
    {
        script.messages.append({text, buttons, icon});
        if (script.answerHook)
        {
            return script.answerHook(script.messages.last());
        }
        if (!script.answers.isEmpty())
        {
            return script.answers.takeFirst();
        }
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Tarnix"));
    box.setText(text);
    switch (icon)
    {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (buttons == MsgButtons::YesNoDiscard)
    {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        const int answer = box.exec();
        return answer == QMessageBox::Yes ? MsgAnswer::Yes
                                          : (answer == QMessageBox::Discard ? MsgAnswer::Discard : MsgAnswer::No);
    }
    if (buttons != MsgButtons::Ok)
    {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

void Beep()
{
    Script& script = TheScript();
    if (script.active)
    {
        ++script.beeps;
        return;
    }
    QApplication::beep();
}

std::optional<QString> ChooseFile(QWidget* parent, const FileDialogRequest& request)
{
    Script& script = TheScript();
    if (script.active)
    {
        script.fileRequests.append(request);
        if (script.fileHook)
        {
            return script.fileHook(request);
        }
        return script.files.isEmpty() ? std::nullopt : script.files.takeFirst();
    }
    QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The save page asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultSuffix.isEmpty())
    {
        dialog.setDefaultSuffix(request.defaultSuffix);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    {
        return std::nullopt;
    }
#ifdef Q_OS_WIN
    // Qt answers with forward slashes everywhere; Windows users type and read backslashes.
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
#else
    return dialog.selectedFiles().first();
#endif
}

std::optional<QString> BrowseForFolder(QWidget* parent, const QString& title, const QString& initialFolder)
{
    Script& script = TheScript();
    if (script.active)
    {
        return script.folders.isEmpty() ? std::nullopt : script.folders.takeFirst();
    }
    QString folder = QFileDialog::getExistingDirectory(parent, title, initialFolder);
    if (folder.isEmpty())
    {
        return std::nullopt;
    }
#ifdef Q_OS_WIN
    folder = QDir::toNativeSeparators(folder);
#endif
    return folder;
}

std::optional<int> ChooseFromMenu(QWidget* anchor, const QStringList& items)
{
    Script& script = TheScript();
    if (script.active)
    {
        script.menus.append(items);
        return script.menuChoices.isEmpty() ? std::nullopt : script.menuChoices.takeFirst();
    }
    QMenu menu(anchor);
    for (int i = 0; i < items.size(); ++i)
    {
        menu.addAction(items[i])->setData(i);
    }
    const QAction* chosen =
        menu.exec(anchor != nullptr ? anchor->mapToGlobal(QPoint(0, anchor->height())) : QCursor::pos());
    if (chosen == nullptr)
    {
        return std::nullopt;
    }
    return chosen->data().toInt();
}

QList<InstalledEditor> InstalledEditors()
{
    Script& script = TheScript();
    if (script.active)
    {
        return script.editors;
    }
    return FindInstalledEditors(ApplicationFolders());
}

bool StartDetached(const QString& program, const QStringList& arguments)
{
    Script& script = TheScript();
    if (script.active && script.startHook)
    {
        return script.startHook(program, arguments);
    }
    return QProcess::startDetached(program, arguments);
}

bool OpenUrl(const QString& url, const std::function<void(int code)>& refusedLater)
{
    Script& script = TheScript();
    if (script.active && script.openUrlHook)
    {
        return script.openUrlHook(url);
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices reports success as soon as xdg-open has started, even when it then finds no browser;
    // running it here lets its exit code reach the user.
    if (const QString helper = QStandardPaths::findExecutable(QStringLiteral("xdg-open")); !helper.isEmpty())
    {
        auto* process = new QProcess(qApp);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        QElapsedTimer started;
        started.start();
        QObject::connect(process, &QProcess::finished, process,
                         [process, refusedLater, started](int exitCode, QProcess::ExitStatus status)
                         {
                             process->deleteLater();
                             // A browser that xdg-open runs in the foreground ends whenever the user
                             // closes it; only an early end tells whether the address was taken.
                             if (!refusedLater || started.elapsed() > kHelperVerdictMs)
                             {
                                 return;
                             }
                             if (status != QProcess::NormalExit)
                             {
                                 refusedLater(kNoAssociationCode);
                             }
                             else if (exitCode != 0)
                             {
                                 refusedLater(XdgOpenFailureCode(exitCode));
                             }
                         });
        process->start(helper, {url});
        if (!process->waitForStarted())
        {
            delete process;
            return false;
        }
        return true;
    }
#endif
    return QDesktopServices::openUrl(QUrl(url));
}

namespace PlatformScript
{

void Begin()
{
    TheScript() = Script{};
    TheScript().active = true;
}

void End()
{
    TheScript() = Script{};
}

bool Active()
{
    return TheScript().active;
}

void QueueAnswer(MsgAnswer answer)
{
    TheScript().answers.append(answer);
}

void QueueFile(std::optional<QString> path)
{
    TheScript().files.append(std::move(path));
}

void QueueFolder(std::optional<QString> path)
{
    TheScript().folders.append(std::move(path));
}

void QueueMenuChoice(std::optional<int> index)
{
    TheScript().menuChoices.append(index);
}

void SetInstalledEditors(QList<InstalledEditor> editors)
{
    TheScript().editors = std::move(editors);
}

QList<QStringList> MenusShown()
{
    return TheScript().menus;
}

QList<ShownMessage> Messages()
{
    return TheScript().messages;
}

QList<FileDialogRequest> FileRequests()
{
    return TheScript().fileRequests;
}

int BeepCount()
{
    return TheScript().beeps;
}

void SetStartHook(std::function<bool(const QString&, const QStringList&)> hook)
{
    TheScript().startHook = std::move(hook);
}

void SetOpenUrlHook(std::function<bool(const QString&)> hook)
{
    TheScript().openUrlHook = std::move(hook);
}

void SetAnswerHook(std::function<MsgAnswer(const ShownMessage&)> hook)
{
    TheScript().answerHook = std::move(hook);
}

void SetFileHook(std::function<std::optional<QString>(const FileDialogRequest&)> hook)
{
    TheScript().fileHook = std::move(hook);
}

} // namespace PlatformScript

} // namespace tarnix
