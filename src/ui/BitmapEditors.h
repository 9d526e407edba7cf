#pragma once

// The user's bitmap editor: its setting is a command line ("flatpak run org.gimp.GIMP", "krita --nosplash",
// wine "C:\Program Files\Paint.NET\PaintDotNet.exe"), in which %f stands for the part file, and the
// editors this machine has installed, found through their desktop entries.

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnix
{

struct EditorCommand
{
    QString program;
    QStringList arguments;
};

// The command that opens `file` with the editor `setting`. The setting is split as a shell would (quotes
// group, nothing else is interpreted); every %f becomes the file, which is appended when the setting has
// no %f. A setting that names an existing program as a whole is that program, spaces and all, so paths
// chosen with the file chooser keep working unquoted.
EditorCommand EditorCommandFor(const QString& setting, const QString& file);

// The command as a user would type it, for messages.
QString CommandText(const EditorCommand& command);

struct InstalledEditor
{
    QString name;    // "GNU Image Manipulation Program"
    QString command; // an editor setting, with %f where the file goes
};

// The folders whose desktop entries name the installed programs: the XDG data folders' "applications"
// and those Flatpak exports into.
QStringList ApplicationFolders();

// The programs of `folders` whose desktop entries open BMP files, painting programs first, each once.
QList<InstalledEditor> FindInstalledEditors(const QStringList& folders);

} // namespace tarnix
