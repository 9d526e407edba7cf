// The language the windows speak: chosen from --lang, the setting or the desktop; German throughout with
// --lang de (the pages, a question, Qt's own buttons), and exactly the English texts otherwise.

#include "AppTestSupport.h"
#include "app/Language.h"
#include "app/TarnixApp.h"
#include "app/TarnixCommandLineInfo.h"
#include "archive/Bmp.h"
#include "archive/EditedImage.h"
#include "archive/PngEncoder.h"
#include "archive/SaveJersey.h"
#include "archive/ShirtPictures.h"
#include "teams/TeamDatabase.h"
#include "ui/CoreMessages.h"
#include "ui/Platform.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

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

    // Messages the core really builds on bad input, each shown wholly in German: nothing of its English
    // left, its names and numbers kept; and exactly as the core wrote it in English.
    void coreMessagesFromTheCoreInGerman_data()
    {
        QTest::addColumn<QString>("core");
        QTest::addColumn<QStringList>("kept");
        const TempDir work;
        TeamCollection teams;
        const fs::path missing = work / "Trikots für PK" / "PK001.FSH";
        const auto row = [](const char* name, const std::string& message, QStringList kept = {})
        { QTest::newRow(name) << QString::fromStdString(message) << kept; };
        row("missing file", ReadWholeFile(missing).error(), {Q(missing)});
        row("folder", ReadWholeFile(work.path()).error(), {Q(work.path())});
        row("nested team database", LoadTeamDatabase(work / "Spiel", teams).error(), {Q(work / "Spiel")});
        row("short team database", ParseTeamRecords(Bytes(4), {}, teams).error(), {"FCDB.DBI"});
        std::string note;
        const Bytes fcdb = ReadBytes(SampleGameFolder() / kTeamDatabasePath);
        const Bytes names = ReadBytes(SampleGameFolder() / kTeamNamesPath);
        static_cast<void>(ParseTeamRecords(ByteView(fcdb).first(fcdb.size() / 2), names, teams, &note));
        row("team database cut short", note, {"FCDB.DBI"});
        row("neither picture", DecodeEditedImage(Bytes{'G', 'I', 'F'}, "F 1.bmp").error(), {"F 1.bmp"});
        Bitmap8 bitmap{2, 2, {}, 256, {0, 1, 2, 3}};
        Bytes bmp = EncodeBmp8(bitmap);
        row("header cut short", DecodeEditedImage(ByteView(bmp).first(20), "F1.bmp").error(), {"F1.bmp"});
        Bytes bare = bmp;
        bare[bmp::kPixelOffset] = 54; // the pixels right behind the header
        bare[bmp::kPixelOffset + 1] = 0;
        row("no colour table", DecodeEditedImage(bare, "F1.bmp").error(), {"F1.bmp"});
        bmp[bmp::kCompression] = 4;
        row("wrapped JPEG", DecodeEditedImage(bmp, "F1.bmp").error(), {"F1.bmp"});
        bmp[bmp::kBitCount] = 2;
        row("two bits", DecodeEditedImage(bmp, "F1.bmp").error(), {"F1.bmp"});
        Bytes png = EncodePng(RgbPicture{2, 2, {1, 2, 3, 4}});
        std::fill_n(png.begin() + 16, 4, 0); // a width of 0 in the header
        row("damaged PNG", DecodeEditedImage(png, "F1.png").error(), {"F1.png"});
        const Bytes jersey = ReadBytes(SampleJerseyPath(1));
        const ByteView cut = ByteView(jersey).first(40);
        row("archive cut short",
            LocateFront(cut, ReadDirectory(cut), EntryNeeds::TypedPalette, "PK 1.FSH").error(), {"PK 1.FSH"});
        row("picture record", ParsePictureReference("tarnix").error(), {"\"tarnix picture reference 1\""});
        PictureReference reference;
        QVERIFY(BuildPicturePngs(jersey, "x", {10, 19, 15, 1, 6, 1, 6}, &reference).ok());
        row("picture size", ComposePicture(Part::LongSleeve, RgbPicture{1, 1, {0}}, reference).error());
        RgbPicture front = RenderPart(reference.parts[0], reference.kit);
        front.pixels[50 * 128 + 20] = 0x1E3CC8;
        row("far colours and the colours near them", ComposePicture(Part::Front, front, reference).error(),
            {"#1E3CC8"});
        PictureReport report;
        QVERIFY(ComposePicture(Part::Front, front, reference, {.nearest = true}, &report).ok());
        row("report of the nearest colours", report.Describe());
        SaveRequest request;
        request.target = work / "PK001.";
        row("name ending in a dot", CheckSaveRequest(request).error(), {Q(request.target.filename())});
        request.target = work / "PK001.FSH";
        request.colours[2] = 30;
        row("colour out of range", CheckSaveRequest(request).error());
    }
    void coreMessagesFromTheCoreInGerman()
    {
        QFETCH(QString, core);
        QFETCH(QStringList, kept);
        QVERIFY(!core.isEmpty());
        QCOMPARE(CoreMessage(core), core);
        UseLanguage(QStringLiteral("de"));
        QString shown = CoreMessage(core);
        UseLanguage(QStringLiteral("en"));
        for (const QString& value : kept)
        {
            QVERIFY2(shown.contains(value), qPrintable(shown));
            shown.remove(value);
        }
        static const QRegularExpression english(
            QStringLiteral("\\b(the|is|of|has|have|its|and|or|not|no|to|at|with|was|be|cannot|colours?|"
                           "pixels?|picture|record|file|entry|front|sleeve|jersey|Dark|Light)\\b|%\\d"));
        QVERIFY2(!english.match(shown).hasMatch(), qPrintable(shown));
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
