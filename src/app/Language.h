#pragma once

// The language the windows speak: English as the sources write it, or one of the translations built into
// the program. Chosen from the command line (--lang), the setting "Language" or the desktop's languages,
// in that order.

#include <QString>
#include <QStringList>

namespace tarnix
{

// The languages the program speaks, English first.
QStringList AvailableLanguages();

// True when `code` ("de", "fr", ...) is one of AvailableLanguages().
bool IsAvailableLanguage(const QString& code);

// The language to use: `forced` (from --lang) when set, else `setting` when it names an available
// language, else the first of the desktop's `uiLanguages` ("de-CH", "fr_FR", ...) that the program
// speaks; English when none does.
QString ChooseLanguage(const QString& forced, const QString& setting, const QStringList& uiLanguages);

// The desktop's languages, most preferred first: on Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG as
// gettext reads them, so that "LANGUAGE=de tarnix" speaks German; on Windows the user's display languages.
QStringList DesktopLanguages();

// Makes every text from now on speak `code`: this program's translation and Qt's own (the standard buttons,
// the file chooser). English removes both. May be called again to change the language.
void UseLanguage(const QString& code);

// The language set by UseLanguage(), "en" until then.
QString CurrentLanguage();

} // namespace tarnix
