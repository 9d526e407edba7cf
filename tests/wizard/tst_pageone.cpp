// The jersey selection page driven as a user drives it: typing, browsing, the team list, the game folder.

#include "../app/AppTestSupport.h"
#include "app/TarnixApp.h"
#include "teams/TeamDatabase.h"
#include "ui/DialogTemplate.h"
#include "ui/Platform.h"
#include "wizard/PageOne.h"
#include "wizard/WizardSheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

using namespace tarnix;
using namespace tarnix::test;

namespace
{

// The page after page one, recording what it finds when it is shown.
class CNextPage : public CWizardPage
{
  public:
    void OnSetActive() override
    {
        ++m_shown;
        if (m_onShow)
        {
            m_onShow();
        }
    }
    int m_shown = 0;
    std::function<void()> m_onShow;
};

struct Wizard
{
    explicit Wizard(bool withGame = true)
    {
        if (withGame)
        {
            app.m_model.SetGameFolder(Q(SampleGameFolder()));
            (void)ReadTeamDatabase(SampleGameFolder(), app.m_model.m_teams);
            ReadLeagueNames(SampleGameFolder(), app.m_model.m_teams);
        }
        app.m_model.m_versionText = QString::fromUtf8(kVersionText);
        app.m_sheet = std::make_unique<CWizardSheet>();
        page = new CPageOne(app.m_model);
        next = new CNextPage;
        app.m_sheet->AddPage(page);
        app.m_sheet->AddPage(next);
        app.m_sheet->show();
        QApplication::setActiveWindow(app.m_sheet.get());
    }
    ~Wizard() { app.ExitInstance(); }

    QLineEdit* PathEdit() const { return Control<QLineEdit>(page, CPageOne::PathEdit); }
    QListWidget* TeamList() const { return Control<QListWidget>(page, CPageOne::TeamList); }
    QString Label() const { return Control<QLineEdit>(page, CPageOne::LabelEdit)->text(); }
    QImage Shown() const { return Control<QLabel>(page, CPageOne::PreviewPicture)->pixmap().toImage(); }
    QAbstractButton* Next() const { return app.m_sheet->button(QWizard::NextButton); }

    void TypePath(const QString& path) const
    {
        QTest::mouseClick(PathEdit(), Qt::LeftButton);
        QVERIFY(PathEdit()->hasFocus());
        PathEdit()->selectAll();
        QTest::keyClicks(PathEdit(), path);
    }

    void Browse(const QString& path) const
    {
        PlatformScript::QueueFile(path);
        QTest::mouseClick(Control<QPushButton>(page, CPageOne::BrowseButton), Qt::LeftButton);
    }

    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < TeamList()->count(); ++i)
        {
            lines << TeamList()->item(i)->text();
        }
        return lines;
    }

    QStringList ExpectedLines(int n) const
    {
        QStringList lines;
        for (const TeamLine& line : FillTeamList(app.m_model.m_teams, n))
        {
            lines << QString::fromStdString(line.text);
        }
        return lines;
    }

    CTarnixApp app;
    CPageOne* page = nullptr;
    CNextPage* next = nullptr;
};

QStringList MessageTexts()
{
    QStringList texts;
    for (const ShownMessage& message : PlatformScript::Messages())
    {
        texts << message.text;
    }
    return texts;
}

QString MakePartFile()
{
    Result<std::filesystem::path> file = CreateTempFile(".bmp");
    return file ? Q(*file) : QString();
}

} // namespace

class TestPageOne : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateTempFolder> m_temp;

  private slots:
    void initTestCase() { m_temp = std::make_unique<PrivateTempFolder>(); }

    void init() { PlatformScript::Begin(); }

    void cleanup()
    {
        PlatformScript::End();
        QCOMPARE(VisibleTopLevels(), QStringList());
        QCOMPARE(m_temp->OurFiles(), QStringList());
    }

    void typedPathIsReadBeforeNextTakesEffect()
    {
        Wizard wizard;
        const QString jersey = Q(SampleJerseyPath(4));
        wizard.app.m_model.m_partFiles[FrontDesign] = MakePartFile();
        wizard.app.m_model.MarkPartFilesClean(); // as the export leaves them
        const QString partFile = wizard.app.m_model.m_partFiles[FrontDesign];
        wizard.app.m_model.m_saved = 1;

        QStringList linesWhenLeft;
        bool partFileWhenLeft = true;
        wizard.next->m_onShow = [&]
        {
            linesWhenLeft = wizard.Lines();
            partFileWhenLeft = QFileInfo::exists(partFile);
        };
        wizard.TypePath(jersey);
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);

        QCOMPARE(wizard.next->m_shown, 1);
        QCOMPARE(wizard.app.m_model.m_jerseyPath, jersey);
        // The archive had been read, and the old jersey's part files dropped, before page two came up.
        QVERIFY(!linesWhenLeft.isEmpty());
        QCOMPARE(linesWhenLeft, wizard.ExpectedLines(4));
        QVERIFY(!partFileWhenLeft);
        QVERIFY(wizard.app.m_model.m_partFiles[FrontDesign].isEmpty());
        QCOMPARE(wizard.app.m_model.m_saved, 0);
        QCOMPARE(MessageTexts(), QStringList());
        QCOMPARE(wizard.Shown().size(), QSize(128, 128));
    }

    void enterInThePathFieldReadsTheArchiveToo()
    {
        Wizard wizard;
        wizard.TypePath(Q(SampleJerseyPath(1)));
        QTest::keyClick(wizard.PathEdit(), Qt::Key_Return);
        QCOMPARE(wizard.next->m_shown, 1);
        QCOMPARE(wizard.app.m_model.m_jerseyPath, Q(SampleJerseyPath(1)));
        QCOMPARE(wizard.Label(), QStringLiteral(u"München Stripes"));
    }

    void aMissingArchiveIsNamedInTheMessage()
    {
        Wizard wizard;
        wizard.Browse(Q(SampleJerseyPath(1)));
        QCOMPARE(wizard.Label(), QStringLiteral(u"München Stripes"));
        const QImage before = wizard.Shown();

        const QString missing = Q(SampleTexturesFolder() / "PK007.FSH");
        wizard.TypePath(missing);
        QTest::keyClick(wizard.PathEdit(), Qt::Key_Tab);

        QCOMPARE(MessageTexts().size(), 1);
        QVERIFY(MessageTexts()[0].startsWith(missing +
                                             QStringLiteral(" does not exist or is not a jersey file.\n\n")));
        QCOMPARE(PlatformScript::Messages().first().buttons, MsgButtons::Ok);
        QCOMPARE(PlatformScript::Messages().first().icon, MsgIcon::None);
        // The label, the list and the picture follow the new name: no picture of the jersey before.
        QCOMPARE(wizard.Label(), QString());
        QCOMPARE(wizard.Lines(), wizard.ExpectedLines(7));
        QVERIFY(!before.isNull());
        QVERIFY(wizard.Shown().isNull());

        // Next does not check the archive again.
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);
        QCOMPARE(wizard.next->m_shown, 1);
        QCOMPARE(wizard.app.m_model.m_jerseyPath, missing);
        QCOMPARE(PlatformScript::Messages().size(), 1);
    }

    void clickingNextRightAfterABadPathStaysForTheMessage()
    {
        Wizard wizard;
        const QString bad = Q(SampleGameFolder() / "DATA" / "CMN" / "FE" / "FCDB.DBI");
        wizard.TypePath(bad);
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);
        QCOMPARE(MessageTexts().size(), 1);
        QVERIFY(
            MessageTexts()[0].startsWith(bad + QStringLiteral(" does not exist or is not a jersey file.\n\n")));
        QCOMPARE(wizard.next->m_shown, 0);
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);
        QCOMPARE(wizard.next->m_shown, 1);
    }

    void nextWithoutAPathAsksForOne()
    {
        Wizard wizard;
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);
        QCOMPARE(MessageTexts(), QStringList{QStringLiteral("Please select a jersey FSH file to edit.")});
        QCOMPARE(wizard.next->m_shown, 0);
        QVERIFY(wizard.app.m_model.m_jerseyPath.isEmpty());
    }

    void browseOpensInTheTexturesFolderAndCancelLeavesNoPattern()
    {
        Wizard wizard;
        PlatformScript::QueueFile(std::nullopt);
        QTest::mouseClick(Control<QPushButton>(wizard.page, CPageOne::BrowseButton), Qt::LeftButton);
        QCOMPARE(PlatformScript::FileRequests().size(), 1);
        const FileDialogRequest request = PlatformScript::FileRequests().first();
        QCOMPARE(request.initialPath,
                 QDir::toNativeSeparators(QDir(wizard.app.m_model.m_texturesFolder).filePath("*.FSH")));
        QVERIFY(request.filter.startsWith(QStringLiteral("Jersey Files (*.FSH)")));
        QVERIFY(!request.save);
        QCOMPARE(wizard.PathEdit()->text(), QString());
        // The pattern was only the dialog's starting point: Next still asks for a jersey.
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);
        QCOMPARE(MessageTexts(), QStringList{QStringLiteral("Please select a jersey FSH file to edit.")});
        QCOMPARE(wizard.next->m_shown, 0);
    }

    void partFilesSurviveAnUnchangedReturnButNotAFreshChoice()
    {
        Wizard wizard;
        const QString jersey = Q(SampleJerseyPath(2));
        wizard.Browse(jersey);
        QTest::mouseClick(wizard.Next(), Qt::LeftButton);
        QCOMPARE(wizard.next->m_shown, 1);
        wizard.app.m_model.m_partFiles[BackShade] = MakePartFile();
        wizard.app.m_model.m_partFiles[FrontDesign] = MakePartFile();
        wizard.app.m_model.MarkPartFilesClean(); // as the export leaves them
        const QString partFile = wizard.app.m_model.m_partFiles[BackShade];

        QTest::mouseClick(wizard.app.m_sheet->button(QWizard::BackButton), Qt::LeftButton);
        QCOMPARE(wizard.app.m_sheet->CurrentPage(), wizard.page);
        // The page shows the path as the system writes it.
        QCOMPARE(wizard.PathEdit()->text(), QDir::toNativeSeparators(jersey));
        wizard.TypePath(QString());
        QTest::keyClicks(wizard.PathEdit(), jersey);
        QTest::keyClick(wizard.PathEdit(), Qt::Key_Tab);
        QVERIFY(QFileInfo::exists(partFile));

        // A part file deleted rather than painted holds nothing to lose: no question.
        QVERIFY(QFile::remove(wizard.app.m_model.m_partFiles[FrontDesign]));
        wizard.Browse(jersey);
        QVERIFY(!QFileInfo::exists(partFile));
        QVERIFY(wizard.app.m_model.m_partFiles[BackShade].isEmpty());
        QCOMPARE(MessageTexts(), QStringList());
    }

    void teamLinesPreviewTheStripTheyStandFor()
    {
        Wizard wizard;
        const std::filesystem::path archive = SampleJerseyPath(4);
        wizard.Browse(Q(archive));
        const JerseyColours own = wizard.app.m_model.m_jerseyColours;
        const Bitmap8 front = FrontOf(archive);
        const QPoint first = FirstPixelOfGroup(front, 2);
        const QPoint second = FirstPixelOfGroup(front, 3);
        QVERIFY(first.x() >= 0 && second.x() >= 0);

        // An away line previews the away strip, though the club's name holds "Home".
        QListWidgetItem* homeFarm = LineNamed(wizard.TeamList(), QStringLiteral("Home Farm - Away"));
        QVERIFY(homeFarm != nullptr);
        ClickLine(wizard.TeamList(), homeFarm);
        QCOMPARE(wizard.Shown().pixel(first), ExpectedColour(front, first, 19));
        QCOMPARE(wizard.Shown().pixel(second), ExpectedColour(front, second, 13));
        QVERIFY(wizard.app.m_model.m_jerseyColours == own);

        QListWidgetItem* galatasaray = LineNamed(wizard.TeamList(), QStringLiteral("Galatasaray - Home"));
        QVERIFY(galatasaray != nullptr);
        ClickLine(wizard.TeamList(), galatasaray);
        QCOMPARE(wizard.Shown().pixel(first), ExpectedColour(front, first, 2));
        QCOMPARE(wizard.Shown().pixel(second), ExpectedColour(front, second, 6));

        // A colour of the game's beyond the 24 ramps keeps the archive's own colour.
        QListWidgetItem* westHam = LineNamed(wizard.TeamList(), QStringLiteral("West Ham United - Home"));
        QVERIFY(westHam != nullptr);
        ClickLine(wizard.TeamList(), westHam);
        QCOMPARE(wizard.Shown().pixel(first), ExpectedColour(front, first, 26));
        QCOMPARE(wizard.Shown().pixel(second), ExpectedColour(front, second, 12));
        QVERIFY(wizard.app.m_model.m_jerseyColours == own);

        // The hidden Preview button redraws the jersey in its own colours.
        Control<QPushButton>(wizard.page, CPageOne::PreviewButton)->click();
        QCOMPARE(wizard.Shown().pixel(first), ExpectedColour(front, first, KitColour(own, 0)));
        QCOMPARE(MessageTexts(), QStringList());
    }

    void anArchiveOutsideTheTexturesFolderListsNoTeams()
    {
        Wizard wizard;
        TempDir elsewhere;
        std::filesystem::copy_file(SampleJerseyPath(1), elsewhere / "PK001.FSH");
        wizard.Browse(Q(elsewhere / "PK001.FSH"));
        QCOMPARE(wizard.Lines(), QStringList());
        QCOMPARE(wizard.Label(), QStringLiteral(u"München Stripes"));
        QCOMPARE(wizard.Shown().size(), QSize(128, 128));
    }

    void aDamagedFrontIsReportedNotShownEmptySilently()
    {
        Wizard wizard;
        TempDir elsewhere;
        Bytes bytes = ReadBytes(SampleJerseyPath(1));
        bytes.resize(4096); // the directory survives, the front's pixels do not
        WriteBytes(elsewhere / "PK001.FSH", bytes);
        const QString damaged = Q(elsewhere / "PK001.FSH");
        wizard.Browse(damaged);
        QCOMPARE(PlatformScript::Messages().size(), 1);
        QVERIFY(PlatformScript::Messages().first().text.startsWith(
            QStringLiteral("The preview of %1 cannot be shown: ").arg(damaged)));
        QVERIFY(Control<QLabel>(wizard.page, CPageOne::PreviewPicture)->pixmap().isNull());
        QCOMPARE(wizard.PathEdit()->text(), damaged);
    }

    void theGameFolderButtonChangesTheFolder()
    {
        Wizard wizard(false);
        TempDir game;
        std::filesystem::create_directories(game / "data" / "PLAYER" / "textures");
        PlatformScript::QueueFolder(std::nullopt);
        QTest::mouseClick(Control<QPushButton>(wizard.page, CPageOne::GameFolderButton), Qt::LeftButton);
        QVERIFY(wizard.app.m_model.m_gameFolder.isEmpty());

        PlatformScript::QueueFolder(Q(game.path()));
        QTest::mouseClick(Control<QPushButton>(wizard.page, CPageOne::GameFolderButton), Qt::LeftButton);
        QCOMPARE(wizard.app.m_model.m_gameFolder, QDir::toNativeSeparators(Q(game.path())));
        QCOMPARE(wizard.app.m_model.m_texturesFolder,
                 QDir::toNativeSeparators(Q(game / "data" / "PLAYER" / "textures")));
        QCOMPARE(Control<QLineEdit>(wizard.page, CPageOne::GameFolderEdit)->text(),
                 wizard.app.m_model.m_gameFolder);
        QVERIFY(Control<QLineEdit>(wizard.page, CPageOne::GameFolderEdit)->isReadOnly());
    }

    void controlsStandWhereTheTemplatePutsThem()
    {
        Wizard wizard;
        const DialogBase base = TemplateBaseOf(wizard.page);
        for (const ControlSpec& spec : CPageOne::Template())
        {
            if (spec.id < 0 || spec.kind == ControlKind::Picture)
            {
                continue;
            }
            QWidget* control = Control(wizard.page, spec.id);
            QVERIFY2(control != nullptr, qPrintable(QString::number(spec.id)));
            const QRect expected = DialogToPixels(base, spec.x, spec.y, spec.w, spec.h);
            QCOMPARE(control->geometry(), expected);
        }
        QVERIFY(Control(wizard.page, CPageOne::PreviewButton)->isHidden());
        QCOMPARE(Control<QLabel>(wizard.page, CPageOne::LogoPicture)->pixmap().size(), QSize(241, 56));
        QCOMPARE(Control<QLabel>(wizard.page, CPageOne::VersionText)->text(), QString::fromUtf8(kVersionText));
    }
};

QTEST_MAIN(TestPageOne)
#include "tst_pageone.moc"
