// The language the windows speak: chosen from --lang, the setting or the desktop; German throughout with
// --lang de (the pages, a question, Qt's own buttons), and exactly the English texts otherwise.

#include "AppTestSupport.h"
#include "app/Language.h"
#include "app/TarnixApp.h"
#include "app/TarnixCommandLineInfo.h"
#include "ui/CoreMessages.h"
#include "ui/Platform.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSettings>

using namespace tarnix;
using namespace tarnix::test;

namespace
{

// What the user reads first on each page, the first-run question and Qt's Yes button.
QStringList TextsOfAStart(const QStringList& arguments, const QString& languageSetting = {})
{
    TempDir work;
    const QString settings = Q(work / "Tarnix.ini");
    if (!languageSetting.isEmpty())
    {
        QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("Language"), languageSetting);
    }
    // No game registered anywhere: the first start asks where it is (the script answers No).
    const QByteArray prefix = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", QByteArray(PathText(work / "no prefix").c_str()));
    PlatformScript::Begin();
    CTarnixApp app;
    app.m_settingsFile = settings;
    app.StartUp(arguments);
    QStringList texts{Control<QLabel>(app.m_pageOne, CPageOne::PathPrompt)->text(),
                      Control<QAbstractButton>(app.m_pageTwo, CPageTwo::PicturesRadio)->text(),
                      Control<QAbstractButton>(app.m_pageThree, CPageThree::MardekFolderButton)->text(),
                      PlatformScript::Messages().value(0).text.section(QLatin1Char(' '), 0, 3),
                      QCoreApplication::translate("QPlatformTheme", "&Yes")};
    app.ExitInstance();
    PlatformScript::End();
    qputenv("WINEPREFIX", prefix);
    UseLanguage(QStringLiteral("en"));
    return texts;
}

const QStringList kEnglish{QStringLiteral("&Select a Jersey (FSH) file to edit:"),
                           QStringLiteral("Paint the whole shirt as it looks"), QStringLiteral("Mardek Folder..."),
                           QStringLiteral("Cannot locate FIFA99 directory"), QStringLiteral("&Yes")};

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

  private slots:
    void choiceFollowsOptionThenSettingThenDesktop_data()
    {
        QTest::addColumn<QString>("forced");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("chosen");
        const QStringList swiss{QStringLiteral("de-CH"), QStringLiteral("fr-CH")};
        QTest::newRow("option") << "it"
                                << "fr" << swiss << "it";
        QTest::newRow("option English") << "en"
                                        << "" << swiss << "en";
        QTest::newRow("setting") << ""
                                 << "es" << swiss << "es";
        QTest::newRow("unknown setting") << ""
                                         << "pt" << swiss << "de";
        QTest::newRow("desktop") << ""
                                 << "" << swiss << "de";
        QTest::newRow("first spoken") << ""
                                      << "" << QStringList{QStringLiteral("pt-BR"), QStringLiteral("fr_FR.UTF-8")}
                                      << "fr";
        QTest::newRow("C locale") << ""
                                  << "" << QStringList{QStringLiteral("C")} << "en";
        QTest::newRow("nothing spoken") << ""
                                        << "" << QStringList{QStringLiteral("nl-NL")} << "en";
    }
    void choiceFollowsOptionThenSettingThenDesktop()
    {
        QFETCH(QString, forced);
        QFETCH(QString, setting);
        QFETCH(QStringList, desktop);
        QFETCH(QString, chosen);
        QCOMPARE(ChooseLanguage(forced, setting, desktop), chosen);
    }

    void unknownLanguageOnTheCommandLineIsRefused()
    {
        const CTarnixCommandLineInfo info = CTarnixCommandLineInfo::Parse({QStringLiteral("--lang"), "xx"});
        QCOMPARE(info.m_error, QStringLiteral("--lang xx: the languages are en, de, fr, es, it"));
        QCOMPARE(CTarnixCommandLineInfo::Parse({QStringLiteral("--lang=de")}).m_language, QStringLiteral("de"));
    }

    // The core's English messages by their templates: names and numbers kept as they are, one part of
    // "head: cause" at a time, anything without a template left as the core wrote it.
    void coreMessagesByTheirTemplates_data()
    {
        QTest::addColumn<QString>("core");
        QTest::addColumn<QString>("german");
        QTest::newRow("name and cause")
            << "cannot open \"/a b/PK001.FSH\": Permission denied"
            << QStringLiteral("\"/a b/PK001.FSH\" kann nicht geöffnet werden: Keine Berechtigung");
        QTest::newRow("nested")
            << "cannot read the team database: cannot read \"C:\\x: y\\FCDB.DBI\": Is a directory"
            << QStringLiteral("die Mannschaftsdatenbank kann nicht gelesen werden: \"C:\\x: "
                              "y\\FCDB.DBI\" kann nicht gelesen werden: Ist ein Verzeichnis");
        QTest::newRow("numbers") << "\"F%2.bmp\" has transparent pixels (the first at (3, 40)); paint them with a "
                                    "jersey colour and save without transparency"
                                 << QStringLiteral(
                                        "\"F%2.bmp\" hat transparente Pixel (der erste bei (3, 40)); malen "
                                        "Sie sie mit einer Trikotfarbe aus und speichern Sie ohne "
                                        "Transparenz");
        QTest::newRow("no template") << "the front design is 3 x 4 pixels"
                                     << QStringLiteral("the front design is 3 x 4 pixels");
    }
    void coreMessagesByTheirTemplates()
    {
        QFETCH(QString, core);
        QFETCH(QString, german);
        QCOMPARE(CoreMessage(core.toStdString()), core);
        UseLanguage(QStringLiteral("de"));
        const QString shown = CoreMessage(core.toStdString());
        UseLanguage(QStringLiteral("en"));
        QCOMPARE(shown, german);
    }

    void germanWithTheOptionEnglishOtherwise()
    {
        PrivateTempFolder temp;
        QCOMPARE(TextsOfAStart({}), kEnglish);
        QCOMPARE(TextsOfAStart({QStringLiteral("--lang"), QStringLiteral("de")}),
                 (QStringList{QStringLiteral("&Trikotdatei (FSH) zum Bearbeiten wählen:"),
                              QStringLiteral("Das ganze Trikot malen, wie es aussieht"),
                              QStringLiteral("Mardek-Ordner..."),
                              QStringLiteral("Das FIFA99-Verzeichnis wurde in"), QStringLiteral("&Ja")}));
        // The setting speaks when the command line does not, and --lang en overrides it.
        QCOMPARE(TextsOfAStart({}, QStringLiteral("de")).value(1),
                 QStringLiteral("Das ganze Trikot malen, wie es aussieht"));
        QCOMPARE(TextsOfAStart({QStringLiteral("--lang=en")}, QStringLiteral("de")), kEnglish);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
