#pragma once

// The command line of tarnix: an optional archive path and the switch j with the thumbnail jersey number
// (/j12 or -j12), plus the options a Linux user expects (--help, --version) and two for running on a
// private setup (--settings, --game-folder), and --lang.

#include <QString>
#include <QStringList>
#include <optional>

namespace tarnix
{

class CTarnixCommandLineInfo
{
  public:
    // Parses `arguments` without the program name. Never fails: unknown switches are ignored, as the
    // Windows framework does; a missing value of --settings or --game-folder is reported in m_error.
    static CTarnixCommandLineInfo Parse(const QStringList& arguments);

    // One parameter with its leading slash or minus already stripped when `isFlag` is true.
    void ParseParam(const QString& param, bool isFlag, bool isLast);

    // The usage text printed by --help.
    static QString HelpText();

    // Prints what the command line asks to be told on the terminal (its error with the usage, the usage,
    // the version) and returns the exit code; nullopt when the wizard is to run. Needs no display.
    std::optional<int> AnswerOnTerminal() const;

    QString m_fileName;
    int m_thumbnailNumber = -1;
    bool m_showHelp = false;
    bool m_showVersion = false;
    QString m_settingsFile; // empty: the user's own settings
    QString m_gameFolder;   // empty: from the settings or the game's registration
    QString m_language;     // empty: from the settings or the desktop
    QString m_error;
};

// The C library's atoi: leading white space, an optional sign, digits up to the first non-digit, 0 when
// there are none. Saturates instead of overflowing.
int AtoiLike(const QString& text);

} // namespace tarnix
