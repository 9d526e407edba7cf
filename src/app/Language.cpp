#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

// The resource of the compiled translations is in the same static library; referencing it keeps the linker
// from dropping it. Q_INIT_RESOURCE must be used outside a namespace.
static void InitTranslationsResource()
{
    Q_INIT_RESOURCE(translations);
}

namespace tarnix
{

namespace
{

const QString kEnglish = QStringLiteral("en");

struct Installed
{
    QString language = kEnglish;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& TheInstalled()
{
    static Installed installed;
    return installed;
}

// Qt's catalogue from the system's Qt (Debian's qt6-translations-l10n), else the copy built into the
// program (the Windows build carries one).
std::unique_ptr<QTranslator> LoadQtCatalogue(const QString& code)
{
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + code;
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator->load(name, QStringLiteral(":/i18n")))
    {
        return translator;
    }
    return nullptr;
}

} // namespace

QStringList AvailableLanguages()
{
    return {kEnglish, QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it")};
}

bool IsAvailableLanguage(const QString& code)
{
    return AvailableLanguages().contains(code);
}

QString ChooseLanguage(const QString& forced, const QString& setting, const QStringList& uiLanguages)
{
    if (IsAvailableLanguage(forced))
    {
        return forced;
    }
    if (IsAvailableLanguage(setting))
    {
        return setting;
    }
    for (const QString& entry : uiLanguages)
    {
        // "de-CH", "fr_FR.UTF-8", "it": the language is what comes before the territory.
        const QString code = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (IsAvailableLanguage(code))
        {
            return code;
        }
    }
    return kEnglish;
}

QStringList DesktopLanguages()
{
    // Qt reads LANGUAGE before the locale variables on Linux, and the user's display languages on Windows.
    return QLocale::system().uiLanguages();
}

void UseLanguage(const QString& code)
{
    InitTranslationsResource();
    Installed& installed = TheInstalled();
    for (std::unique_ptr<QTranslator>* translator : {&installed.program, &installed.qt})
    {
        if (*translator)
        {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    installed.language = kEnglish;
    if (code == kEnglish || !IsAvailableLanguage(code))
    {
        return;
    }
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral("tarnix_") + code, QStringLiteral(":/i18n")))
    {
        QCoreApplication::installTranslator(program.get());
        installed.program = std::move(program);
    }
    if ((installed.qt = LoadQtCatalogue(code)))
    {
        QCoreApplication::installTranslator(installed.qt.get());
    }
    installed.language = code;
}

QString CurrentLanguage()
{
    return TheInstalled().language;
}

} // namespace tarnix
