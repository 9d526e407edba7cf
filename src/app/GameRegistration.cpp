#include "app/GameRegistration.h"

#include "app/TarnixApp.h"
#include "archive/FileIO.h"
#include "ui/QtPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

namespace tarnix
{

namespace
{

bool IsHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Reads an escaped text of a Wine registry file from `at` up to the unescaped `delimiter`, as Wine's
// dump_strW writes it: \\ and \<delimiter>, C escapes, \ooo octal, \xhhhh for everything above 127.
// Returns false when the delimiter never comes.
bool ReadEscaped(const QString& line, qsizetype& at, QChar delimiter, QString& out)
{
    out.clear();
    while (at < line.size())
    {
        QChar c = line[at++];
        if (c == delimiter)
        {
            return true;
        }
        if (c != u'\\' || at >= line.size())
        {
            out += c;
            continue;
        }
        QChar e = line[at++];
        if (e == u'x')
        {
            uint code = 0;
            int digits = 0;
            while (digits < 4 && at < line.size() && IsHex(line[at]))
            {
                code = code * 16 + QString(line[at++]).toUInt(nullptr, 16);
                ++digits;
            }
            out += QChar(char16_t(code));
        }
        else if (e >= u'0' && e <= u'7')
        {
            uint code = e.unicode() - u'0';
            for (int digits = 1; digits < 3 && at < line.size() && line[at] >= u'0' && line[at] <= u'7'; ++digits)
            {
                code = code * 8 + (line[at++].unicode() - u'0');
            }
            out += QChar(char16_t(code));
        }
        else
        {
            switch (e.unicode())
            {
            case u'a':
                out += QChar(7);
                break;
            case u'b':
                out += QChar(8);
                break;
            case u't':
                out += QChar(9);
                break;
            case u'n':
                out += QChar(10);
                break;
            case u'v':
                out += QChar(11);
                break;
            case u'f':
                out += QChar(12);
                break;
            case u'r':
                out += QChar(13);
                break;
            case u'e':
                out += QChar(27);
                break;
            default:
                out += e;
                break;
            }
        }
    }
    return false;
}

} // namespace

RegistryLookup ReadWineRegistryValue(const QString& registryText, const QString& key, const QString& valueName)
{
    RegistryLookup lookup;
    bool inKey = false;
    const QStringList lines = registryText.split(u'\n');
    for (QString line : lines)
    {
        if (line.endsWith(u'\r'))
        {
            line.chop(1);
        }
        if (line.startsWith(u'['))
        {
            qsizetype at = 1;
            QString name;
            inKey = ReadEscaped(line, at, u']', name) && name.compare(key, Qt::CaseInsensitive) == 0;
            lookup.keyFound = lookup.keyFound || inKey;
            continue;
        }
        if (!inKey || lookup.value)
        {
            continue;
        }
        qsizetype at = 0;
        QString name;
        if (line.startsWith(u'@'))
        {
            at = 1;
        }
        else if (!line.startsWith(u'"') || !ReadEscaped(line, ++at, u'"', name))
        {
            continue;
        }
        if (name.compare(valueName, Qt::CaseInsensitive) != 0 || at >= line.size() || line[at] != u'=')
        {
            continue;
        }
        ++at;
        // A plain string, or an expandable one written as str(2):"...".
        if (line.mid(at).startsWith(u"str(2):"))
        {
            at += 7;
        }
        QString value;
        if (at < line.size() && line[at] == u'"' && ReadEscaped(line, ++at, u'"', value))
        {
            lookup.value = value;
        }
    }
    return lookup;
}

QString WindowsPathInPrefix(const QString& prefix, const QString& windowsPath)
{
    if (windowsPath.size() < 2 || windowsPath[1] != u':' || !windowsPath[0].isLetter())
    {
        return {};
    }
    const QString drive = windowsPath.left(2).toLower();
    QDir devices(QDir(prefix).filePath(QStringLiteral("dosdevices")));
    QString base;
    for (const QFileInfo& entry : devices.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
    {
        if (entry.fileName().compare(drive, Qt::CaseInsensitive) == 0)
        {
            base = entry.canonicalFilePath(); // follows the drive link
            break;
        }
    }
    if (base.isEmpty() && drive == u"c:" && QFileInfo(QDir(prefix).filePath(QStringLiteral("drive_c"))).isDir())
    {
        base = QFileInfo(QDir(prefix).filePath(QStringLiteral("drive_c"))).canonicalFilePath();
    }
    if (base.isEmpty())
    {
        return {};
    }
    QStringList components =
        windowsPath.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    components.removeAll(QStringLiteral("."));
    const std::filesystem::path found =
        components.isEmpty() ? ToPath(base) : FindCaseInsensitive(ToPath(base), ToPath(components.join(u'/')));
    std::error_code ec;
    if (!std::filesystem::is_directory(found, ec))
    {
        return {};
    }
    return QDir::cleanPath(FromPath(found));
}

std::optional<QString> FindGameInWinePrefix(const QString& prefix)
{
    QFile file(QDir(prefix).filePath(QStringLiteral("system.reg")));
    if (!file.open(QIODevice::ReadOnly))
    {
        return std::nullopt;
    }
    // Wine writes the file in ASCII with escapes; Latin-1 keeps any stray byte readable.
    const QString text = QString::fromLatin1(file.readAll());
    const QString key = QString::fromLatin1(kGameRegistrationKey);
    RegistryLookup lookup = ReadWineRegistryValue(text, key, QStringLiteral("Path"));
    if (!lookup.keyFound)
    {
        // A 32-bit installer in a 64-bit prefix writes under Wow6432Node.
        QString wowKey = key;
        wowKey.replace(QStringLiteral("Software\\"), QStringLiteral("Software\\Wow6432Node\\"));
        lookup = ReadWineRegistryValue(text, wowKey, QStringLiteral("Path"));
    }
    if (!lookup.keyFound)
    {
        return std::nullopt;
    }
    if (!lookup.value || lookup.value->isEmpty())
    {
        return QString();
    }
    QString folder = WindowsPathInPrefix(prefix, *lookup.value);
    if (folder.isEmpty())
    {
        return std::nullopt; // a Windows path that leads nowhere here is no use to the user
    }
    return folder;
}

QString DefaultWinePrefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (!prefix.isEmpty())
    {
        return prefix;
    }
    return QDir::home().filePath(QStringLiteral(".wine"));
}

std::optional<QString> FindRegisteredGameFolder()
{
#ifdef Q_OS_WIN
    const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromLatin1(kGameRegistrationKey);
    // The game is a 32-bit program: on 64-bit Windows its installer wrote to the 32-bit view.
    for (QSettings::Format format : {QSettings::Registry32Format, QSettings::Registry64Format})
    {
        QSettings registration(key, format);
        if (!registration.childKeys().isEmpty())
        {
            return registration.value(QStringLiteral("Path")).toString();
        }
    }
    return std::nullopt;
#else
    return FindGameInWinePrefix(DefaultWinePrefix());
#endif
}

QString InitialGameSearchFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    const QString driveC = WindowsPathInPrefix(DefaultWinePrefix(), QStringLiteral("C:\\"));
    return driveC.isEmpty() ? QDir::homePath() : driveC;
#endif
}

} // namespace tarnix
