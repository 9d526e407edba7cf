#include "app/TarnixCommandLineInfo.h"

#include "app/Language.h"

#include <QFileInfo>
#include <cstdio>
#include <limits>

#ifndef TARNIX_VERSION
#define TARNIX_VERSION "0"
#endif

namespace tarnix
{

int AtoiLike(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r' ||
                               text[i] == u'\v' || text[i] == u'\f'))
    {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
    {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
        {
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        }
    }
    return static_cast<int>(negative ? -value : value);
}

void CTarnixCommandLineInfo::ParseParam(const QString& param, bool isFlag, bool /*isLast*/)
{
    if (isFlag)
    {
        // Only the lower-case j: /J12 is the framework's (and ignored by it).
        if (param.startsWith(u'j'))
        {
            m_thumbnailNumber = AtoiLike(param.mid(1));
        }
        return;
    }
    // The framework keeps the first plain parameter as the file to open.
    if (m_fileName.isEmpty())
    {
        m_fileName = param;
    }
}

namespace
{

// On Windows a slash always introduces a switch. Elsewhere an absolute path starts with one, so "/j12"
// counts as a switch only when it is a single component that names no existing file.
bool IsSlashSwitch(const QString& argument)
{
#ifdef Q_OS_WIN
    Q_UNUSED(argument);
    return true;
#else
    return argument.indexOf(u'/', 1) < 0 && !QFileInfo::exists(argument);
#endif
}

} // namespace

CTarnixCommandLineInfo CTarnixCommandLineInfo::Parse(const QStringList& arguments)
{
    CTarnixCommandLineInfo info;
    for (qsizetype i = 0; i < arguments.size(); ++i)
    {
        const QString& argument = arguments[i];
        const bool isLast = i + 1 == arguments.size();
        auto valueOf = [&](const QString& option, QString& target)
        {
            if (argument.startsWith(option + u'='))
            {
                target = argument.mid(option.size() + 1);
                return true;
            }
            if (argument == option)
            {
                if (isLast)
                {
                    info.m_error = QStringLiteral("%1 needs a value").arg(option);
                }
                else
                {
                    target = arguments[++i];
                }
                return true;
            }
            return false;
        };
        if (argument == u"--help" || argument == u"-h" || argument == u"/?")
        {
            info.m_showHelp = true;
        }
        else if (argument == u"--version")
        {
            info.m_showVersion = true;
        }
        else if (valueOf(QStringLiteral("--settings"), info.m_settingsFile) ||
                 valueOf(QStringLiteral("--game-folder"), info.m_gameFolder))
        {
        }
        else if (valueOf(QStringLiteral("--lang"), info.m_language))
        {
            if (!info.m_language.isEmpty() && !IsAvailableLanguage(info.m_language))
            {
                info.m_error = QStringLiteral("--lang %1: the languages are %2")
                                   .arg(info.m_language, AvailableLanguages().join(QStringLiteral(", ")));
            }
        }
        else if (argument.size() > 1 && (argument[0] == u'-' || (argument[0] == u'/' && IsSlashSwitch(argument))))
        {
            info.ParseParam(argument.mid(1), true, isLast);
        }
        else
        {
            info.ParseParam(argument, false, isLast);
        }
    }
    return info;
}

QString CTarnixCommandLineInfo::HelpText()
{
    return QStringLiteral(
        "Usage: tarnix [options] [ARCHIVE]\n"
        "Edits the jersey textures (FSH archives) of FIFA99.\n"
        "\n"
        "  ARCHIVE              the jersey archive to open on the first page\n"
        "  /jN, -jN             after saving, also write the thumbnail of jersey N into Mardek's folder\n"
        "  --settings FILE      keep the settings in FILE (an INI file) instead of the user's own settings\n"
        "  --game-folder DIR    use DIR as the FIFA99 folder instead of the stored or registered one\n"
        "                       (it is stored at exit like a folder chosen with \"FIFA99 Folder...\")\n"
        "  --lang CODE          speak CODE (en, de, fr, es or it) instead of the desktop's language\n"
        "  --help               show this text\n"
        "  --version            show the version\n");
}

std::optional<int> CTarnixCommandLineInfo::AnswerOnTerminal() const
{
    if (!m_error.isEmpty())
    {
        std::fprintf(stderr, "tarnix: %s\n%s", qPrintable(m_error), qPrintable(HelpText()));
        return 2;
    }
    if (m_showHelp)
    {
        std::fputs(qPrintable(HelpText()), stdout);
        return 0;
    }
    if (m_showVersion)
    {
        std::printf("tarnix %s\n", TARNIX_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace tarnix
