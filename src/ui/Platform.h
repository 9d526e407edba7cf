#pragma once

// The program's seams to the desktop: message boxes, file and folder choosers, starting programs and
// opening web addresses. Everything the GUI shows or starts outside its own windows goes through here, so
// that tests can answer and read it instead of a user.

#include "ui/BitmapEditors.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tarnix
{

enum class MsgButtons
{
    Ok,
    YesNo,
    YesNoDefaultNo, // for questions whose Yes loses work
    YesNoDiscard,   // Yes by default; No and Escape keep things as they are; Discard lets them go
};

enum class MsgIcon
{
    None,
    Question,
    Exclamation,
    Information,
};

enum class MsgAnswer
{
    Ok,
    Yes,
    No,
    Discard,
};

struct ShownMessage
{
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

// A modal message box. Under a test script it is recorded and answered from the script instead.
MsgAnswer ShowMessage(QWidget* parent, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None);

// The exclamation beep.
void Beep();

struct FileDialogRequest
{
    bool save = false;
    QString title;
    QString initialPath;   // folder or file
    QString filter;        // Qt filter text: "Jersey Files (*.FSH *.fsh);;All Files (*)"
    QString defaultSuffix; // "FSH"
};

// A file chooser; the chosen path, or nullopt on Cancel.
std::optional<QString> ChooseFile(QWidget* parent, const FileDialogRequest& request);

// The folder chooser with `title` as its instruction and `initialFolder` preselected.
std::optional<QString> BrowseForFolder(QWidget* parent, const QString& title, const QString& initialFolder);

// A choice among `items` in a menu below `anchor`; the index chosen, or nullopt when the menu was closed.
std::optional<int> ChooseFromMenu(QWidget* anchor, const QStringList& items);

// The bitmap editors installed on this machine (see FindInstalledEditors).
QList<InstalledEditor> InstalledEditors();

// Starts `program` with `arguments` (each one argument, spaces and all) without waiting for it.
bool StartDetached(const QString& program, const QStringList& arguments);

// Opens a web address in the desktop's browser; true when the desktop accepted it. Where the desktop hands
// the address to its helper (xdg-open), the helper's verdict comes later: when it says that no program
// took the address, `refusedLater` is called with the code of the failure (see OpenLink's codes).
bool OpenUrl(const QString& url, const std::function<void(int code)>& refusedLater = {});

// Test scripting. While a script is active nothing modal is shown: messages are recorded and answered
// with the queued answers (Ok / No when the queue is empty), choosers return the queued results, and
// program starts and address opens are recorded and answered by the hooks.
namespace PlatformScript
{
void Begin();
void End();
bool Active();
void QueueAnswer(MsgAnswer answer);
void QueueFile(std::optional<QString> path);              // nullopt = Cancel
void QueueFolder(std::optional<QString> path);            // nullopt = Cancel
void QueueMenuChoice(std::optional<int> index);           // nullopt = the menu closed without a choice
void SetInstalledEditors(QList<InstalledEditor> editors); // none unless set
QList<QStringList> MenusShown();
QList<ShownMessage> Messages(); // shown since Begin()
QList<FileDialogRequest> FileRequests();
int BeepCount();
void SetStartHook(std::function<bool(const QString& program, const QStringList& arguments)> hook);
void SetOpenUrlHook(std::function<bool(const QString& url)> hook);
// Answers every question and file chooser as it comes, instead of the queues.
void SetAnswerHook(std::function<MsgAnswer(const ShownMessage& message)> hook);
void SetFileHook(std::function<std::optional<QString>(const FileDialogRequest& request)> hook);
} // namespace PlatformScript

} // namespace tarnix
