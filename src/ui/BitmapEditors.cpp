#include "ui/BitmapEditors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>

namespace tarnix
{

namespace
{

struct DesktopEntry
{
    QString name;
    QString exec;
    QStringList mimeTypes;
    QStringList categories;
    bool hidden = false;
};

DesktopEntry ReadDesktopEntry(const QString& path)
{
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    {
        return entry;
    }
    QTextStream in(&file);
    bool inMain = false;
    while (!in.atEnd())
    {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
        {
            inMain = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inMain || eq <= 0)
        {
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Name"))
        {
            entry.name = value;
        }
        else if (key == QLatin1String("Exec"))
        {
            entry.exec = value;
        }
        else if (key == QLatin1String("MimeType"))
        {
            entry.mimeTypes = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        }
        else if (key == QLatin1String("Categories"))
        {
            entry.categories = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        }
        else if ((key == QLatin1String("Hidden") || key == QLatin1String("NoDisplay")) &&
                 value == QLatin1String("true"))
        {
            entry.hidden = true;
        }
    }
    return entry;
}

// An Exec line as an editor setting: the file field codes become %f; the codes for icons, names and
// Flatpak's file-forwarding markers go.
QString SettingFromExec(const QString& exec)
{
    QStringList words;
    bool hasFile = false;
    for (const QString& word : QProcess::splitCommand(exec))
    {
        if (word == QLatin1String("%f") || word == QLatin1String("%F") || word == QLatin1String("%u") ||
            word == QLatin1String("%U"))
        {
            if (!hasFile)
            {
                words << QStringLiteral("%f");
                hasFile = true;
            }
            continue;
        }
        if (word.startsWith(QLatin1String("@@")) || word == QLatin1String("%i") || word == QLatin1String("%c") ||
            word == QLatin1String("%k"))
        {
            continue;
        }
        words << word;
    }
    if (!hasFile)
    {
        words << QStringLiteral("%f");
    }
    return CommandText({words.value(0), words.mid(1)});
}

QString Quoted(const QString& word)
{
    if (!word.isEmpty() && !word.contains(QLatin1Char(' ')) && !word.contains(QLatin1Char('"')))
    {
        return word;
    }
    QString escaped = word;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

EditorCommand EditorCommandFor(const QString& setting, const QString& file)
{
    const QString trimmed = setting.trimmed();
    const QFileInfo whole(trimmed);
    if (whole.isFile() && whole.isExecutable())
    {
        return {trimmed, {file}};
    }
    QStringList words = QProcess::splitCommand(trimmed);
    if (words.isEmpty())
    {
        return {};
    }
    EditorCommand command{words.takeFirst(), {}};
    bool placed = false;
    for (QString word : words)
    {
        if (word.contains(QLatin1String("%f")))
        {
            word.replace(QLatin1String("%f"), file);
            placed = true;
        }
        command.arguments << word;
    }
    if (!placed)
    {
        command.arguments << file;
    }
    return command;
}

QString CommandText(const EditorCommand& command)
{
    QStringList words{Quoted(command.program)};
    for (const QString& argument : command.arguments)
    {
        words << Quoted(argument);
    }
    return words.join(QLatin1Char(' '));
}

QStringList ApplicationFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    folders << QDir::homePath() + QStringLiteral("/.local/share/flatpak/exports/share/applications")
            << QStringLiteral("/var/lib/flatpak/exports/share/applications");
    folders.removeDuplicates();
    return folders;
}

QList<InstalledEditor> FindInstalledEditors(const QStringList& folders)
{
    struct Found
    {
        InstalledEditor editor;
        bool painter = false;
    };
    QList<Found> found;
    QSet<QString> seenIds;
    for (const QString& folder : folders)
    {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name))
        {
            // The first folder that has an entry decides, as the desktop itself does.
            if (seenIds.contains(name))
            {
                continue;
            }
            seenIds.insert(name);
            const DesktopEntry entry = ReadDesktopEntry(dir.filePath(name));
            if (entry.hidden || entry.exec.isEmpty() || !entry.mimeTypes.contains(QLatin1String("image/bmp")) ||
                name.startsWith(QLatin1String("org.olvenar.Tarnix")))
            {
                continue;
            }
            const bool painter = entry.categories.contains(QLatin1String("RasterGraphics")) &&
                                 !entry.categories.contains(QLatin1String("Viewer"));
            found.append({{entry.name.isEmpty() ? name : entry.name, SettingFromExec(entry.exec)}, painter});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.painter > b.painter; });
    QList<InstalledEditor> editors;
    for (const Found& f : found)
    {
        editors.append(f.editor);
    }
    return editors;
}

} // namespace tarnix
