// The wizard as a user walks through it when changing their mind: another jersey after the colours page,
// cancelling or switching with painted part files, a jersey without colours after one with colours,
// another game folder, Enter on a focused button, and orphaned part files of earlier runs.

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/TarnixApp.h"
#include "archive/Fsh.h"
#include "archive/Jersey.h"
#include "ui/OrphanFiles.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/JerseyModel.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QtTest>
#include <functional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

// The real program on a private copy of the sample game, its settings in a file of its own.
struct Run
{
    Run()
    {
        fs::copy(SampleGameFolder(), game, fs::copy_options::recursive);
        QSettings ini(FromPath(work / "settings.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Path"), FromPath(game));
        ini.sync();
        app.m_settingsFile = FromPath(work / "settings.ini");
        QVERIFY(app.StartUp({}));
        app.m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.m_sheet.get()));
    }
    ~Run()
    {
        app.m_sheet->hide();
        app.ExitInstance();
    }
    fs::path Jersey(int n) const
    {
        return FindCaseInsensitive(game, "Data/Player/Textures") / ("PK00" + std::to_string(n) + ".FSH");
    }
    void Choose(const fs::path& jersey)
    {
        PlatformScript::QueueFile(FromPath(jersey));
        Click(app.m_pageOne, CPageOne::BrowseButton);
    }
    void Press(QWizard::WizardButton which) { QTest::mouseClick(app.m_sheet->button(which), Qt::LeftButton); }
    QWidget* Current() const { return app.m_sheet->currentPage(); }
    // Paints over one pixel of the exported front design, as an editor would.
    void PaintFront()
    {
        const fs::path front = ToPath(app.m_model.m_partFiles[FrontDesign]);
        Bitmap8 bitmap = *ReadBmp8File(front);
        bitmap.At(10, 10) = 63;
        ReplaceBitmap(front, bitmap);
    }

    TempDir work;
    fs::path game = work / "game";
    CTarnixApp app;
};

} // namespace

class TestWizardFlows : public QObject
{
    Q_OBJECT

  private slots:
    void init() { PlatformScript::Begin(); }
    void cleanup()
    {
        PlatformScript::End();
        QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void TargetLabelAndColoursFollowTheJersey()
    {
        Run run;
        run.Choose(run.Jersey(1)); // label "München Stripes", colours stored
        run.Press(QWizard::NextButton);
        run.Press(QWizard::NextButton);
        QCOMPARE(Control<QLineEdit>(run.Current(), CPageThree::SaveToEdit)->text(), FromPath(run.Jersey(1)));
        QCOMPARE(Control<QLineEdit>(run.Current(), CPageThree::LabelEdit)->text(),
                 QStringLiteral(u"München Stripes"));
        run.Press(QWizard::BackButton);
        run.Press(QWizard::BackButton);

        // PK004 has no trailer: its target, its (empty) label and the default kit, on both pages.
        run.Choose(run.Jersey(4));
        const Bitmap8 front = *ReadPartImage(ReadBytes(run.Jersey(4)), Part::Front, "PK004");
        JerseyColours defaults{};
        SetKitColours(defaults, kDefaultKitColours);
        ColourTable table = front.colours;
        RecolourColourTable(table, defaults);
        const QImage shown = Control<QLabel>(run.app.m_pageOne, CPageOne::PreviewPicture)->pixmap().toImage();
        const std::uint8_t* c = &table[4 * front.At(64, 64)];
        QCOMPARE(shown.pixelColor(64, 64), QColor(c[2], c[1], c[0]));
        run.Press(QWizard::NextButton);
        run.Press(QWizard::NextButton);
        QCOMPARE(Control<QLineEdit>(run.Current(), CPageThree::SaveToEdit)->text(), FromPath(run.Jersey(4)));
        QCOMPARE(Control<QLineEdit>(run.Current(), CPageThree::LabelEdit)->text(), QString());
        QCOMPARE(run.app.m_pageThree->Colours(), kDefaultKitColours);

        const Bytes pk001 = ReadBytes(run.Jersey(1));
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // overwrite PK004
        PlatformScript::QueueAnswer(MsgAnswer::No);  // no other jersey
        run.Press(QWizard::FinishButton);
        QVERIFY(ReadBytes(run.Jersey(1)) == pk001);
        JerseyColours saved{};
        ReadTrailer(ReadBytes(run.Jersey(4)), saved);
        QCOMPARE(KitColoursOf(saved), kDefaultKitColours);
    }

    void PaintedPartsAreNotDiscardedWithoutAsking()
    {
        Run run;
        run.Choose(run.Jersey(2));
        run.Press(QWizard::NextButton);
        run.PaintFront();
        const QString front = run.app.m_model.m_partFiles[FrontDesign];
        // Named so that a user and an editor's title bar can tell them apart.
        QCOMPARE(QFileInfo(front).fileName(), QStringLiteral("PK002 front design.bmp"));
        QCOMPARE(QFileInfo(run.app.m_model.m_partFiles[BackShade]).fileName(),
                 QStringLiteral("PK002 back shade.bmp"));
        const QString question = QStringLiteral("The changes to PK002.FSH are not saved. Discard them?");

        // Cancel on the design page: No keeps the wizard and the files.
        PlatformScript::QueueAnswer(MsgAnswer::No);
        run.Press(QWizard::CancelButton);
        QCOMPARE(PlatformScript::Messages().last().text, JerseyModel::QuitQuestion());
        QCOMPARE(PlatformScript::Messages().last().buttons, MsgButtons::YesNoDefaultNo);
        QVERIFY(run.app.m_sheet->isVisible());
        QVERIFY(QFileInfo::exists(front));

        // Choosing a jersey again (even the same one): No keeps the files and the jersey.
        run.Press(QWizard::BackButton);
        PlatformScript::QueueAnswer(MsgAnswer::No);
        run.Choose(run.Jersey(3));
        QCOMPARE(PlatformScript::Messages().last().text, question);
        QVERIFY(QFileInfo::exists(front));
        QCOMPARE(Control<QLineEdit>(run.Current(), CPageOne::PathEdit)->text(), FromPath(run.Jersey(2)));
        // Yes lets them go.
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        run.Choose(run.Jersey(2));
        QVERIFY(!QFileInfo::exists(front));

        // Unpainted part files go without a question; Cancel on page one then ends the wizard.
        const int asked = PlatformScript::Messages().size();
        run.Press(QWizard::NextButton);
        run.Press(QWizard::BackButton);
        run.Press(QWizard::CancelButton);
        QCOMPARE(PlatformScript::Messages().size(), asked);
        QVERIFY(!run.app.m_sheet->isVisible());
    }

    // Each kind of change, made on the colours page (the design page for painting), makes every way out of
    // every page ask the one question, No by default; without a change nothing asks.
    void EveryWayOutAsksWhileChangesAreUnsaved_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"colour", "label", "target", "painting", "nothing"})
        {
            QTest::newRow(change) << QString::fromLatin1(change);
        }
    }
    void EveryWayOutAsksWhileChangesAreUnsaved()
    {
        QFETCH(QString, change);
        Run run;
        run.Choose(run.Jersey(1));
        run.Press(QWizard::NextButton);
        if (change == QStringLiteral("painting"))
        {
            run.PaintFront();
        }
        run.Press(QWizard::NextButton);
        QWidget* three = run.Current();
        if (change == QStringLiteral("colour"))
        {
            const int now = KitColour(run.app.m_model.m_jerseyColours, 1);
            PickThroughGrid(Control<CColourPicker>(three, CPageThree::Jersey2Picker), (now + 1) % kBlackColour);
        }
        else if (change == QStringLiteral("label"))
        {
            QTest::keyClicks(Control<QLineEdit>(three, CPageThree::LabelEdit), QStringLiteral(" away"));
        }
        else if (change == QStringLiteral("target"))
        {
            Control<QLineEdit>(three, CPageThree::SaveToEdit)->setText(FromPath(run.work / "copy.FSH"));
        }
        const std::function<void()> waysOut[] = {
            [&] { run.Press(QWizard::CancelButton); },
            [&] { QTest::keyClick(run.app.m_sheet.get(), Qt::Key_Escape); },
            [&] { run.app.m_sheet->close(); },
        };
        const bool asks = change != QStringLiteral("nothing");
        for (int page = 2; asks && page >= 0; --page)
        {
            for (const auto& wayOut : waysOut)
            {
                PlatformScript::QueueAnswer(MsgAnswer::No);
                const int before = PlatformScript::Messages().size();
                wayOut();
                QCOMPARE(PlatformScript::Messages().size(), before + 1);
                QCOMPARE(PlatformScript::Messages().last().text, JerseyModel::QuitQuestion());
                QCOMPARE(PlatformScript::Messages().last().buttons, MsgButtons::YesNoDefaultNo);
                QVERIFY(run.app.m_sheet->isVisible());
            }
            if (page > 0)
            {
                run.Press(QWizard::BackButton);
            }
        }
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        QTest::keyClick(run.app.m_sheet.get(), Qt::Key_Escape);
        QVERIFY(!run.app.m_sheet->isVisible());
        QCOMPARE(PlatformScript::Messages().size(), asks ? 10 : 0);
    }

    // The editor saves while the colours page is shown: Save takes the painting, not the parts as they
    // were when the page came up.
    void PaintingWhileOnTheColoursPageIsSaved()
    {
        Run run;
        run.Choose(run.Jersey(2));
        run.Press(QWizard::NextButton);
        run.Press(QWizard::NextButton);
        run.PaintFront();
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // overwrite
        PlatformScript::QueueAnswer(MsgAnswer::No);  // no other jersey
        run.Press(QWizard::FinishButton);
        QCOMPARE(ReadPartImage(ReadBytes(run.Jersey(2)), Part::Front, "PK002")->At(10, 10) & 0xF0, 0x30);
    }

    void PageOneShowsTheJerseyInItsFieldOrNothing()
    {
        Run run;
        QWidget* one = run.app.m_pageOne;
        const auto label = [](QWidget* page, int id) { return Control<QLineEdit>(page, id)->text(); };
        run.Choose(run.Jersey(1));
        auto* preview = Control<QLabel>(one, CPageOne::PreviewPicture);
        QVERIFY(!preview->pixmap().isNull());
        // A path that names no jersey: its message, and neither the picture nor the label of the one before.
        Control<QLineEdit>(one, CPageOne::PathEdit)->setFocus();
        Control<QLineEdit>(one, CPageOne::PathEdit)->setText(FromPath(run.work / "none.FSH"));
        run.Press(QWizard::NextButton);
        QCOMPARE(PlatformScript::Messages().size(), 1);
        QVERIFY(preview->pixmap().isNull());
        QCOMPARE(label(one, CPageOne::LabelEdit), QString());

        // Saved as another file in other colours, then another jersey: page one shows PK001 as it is stored.
        run.Choose(run.Jersey(1));
        const JerseyColours stored = run.app.m_model.m_jerseyColours;
        run.Press(QWizard::NextButton);
        run.Press(QWizard::NextButton);
        QWidget* three = run.Current();
        PickThroughGrid(Control<CColourPicker>(three, CPageThree::Jersey2Picker),
                        (KitColour(stored, 1) + 1) % kBlackColour);
        Control<QLineEdit>(three, CPageThree::LabelEdit)->setText(QStringLiteral("Copy"));
        Control<QLineEdit>(three, CPageThree::SaveToEdit)->setText(FromPath(run.work / "copy.FSH"));
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // another jersey
        run.Press(QWizard::FinishButton);
        QCOMPARE(run.Current(), one);
        QVERIFY(run.app.m_model.m_jerseyColours == stored);
        QCOMPARE(label(one, CPageOne::LabelEdit), QStringLiteral(u"München Stripes"));

        // Saved onto itself with a new label: both pages show the label now stored.
        run.Press(QWizard::NextButton);
        run.Press(QWizard::NextButton);
        Control<QLineEdit>(three, CPageThree::LabelEdit)->setText(QStringLiteral("Home 1999"));
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // overwrite
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // another jersey
        run.Press(QWizard::FinishButton);
        QCOMPARE(run.Current(), one);
        QCOMPARE(label(one, CPageOne::LabelEdit), QStringLiteral("Home 1999"));
        run.Press(QWizard::NextButton);
        run.Press(QWizard::NextButton);
        QCOMPARE(label(three, CPageThree::LabelEdit), QStringLiteral("Home 1999"));
    }

    void AnotherGameFolderListsItsClubs()
    {
        Run run;
        TempDir empty;
        run.Choose(run.Jersey(1));
        QVERIFY(Control<QListWidget>(run.Current(), CPageOne::TeamList)->count() > 0);
        PlatformScript::QueueFolder(FromPath(empty.path()));
        Click(run.app.m_pageOne, CPageOne::GameFolderButton);
        QCOMPARE(Control<QListWidget>(run.Current(), CPageOne::TeamList)->count(), 0);
        QVERIFY(run.app.m_model.m_teams.empty());
        PlatformScript::QueueFolder(FromPath(run.game));
        Click(run.app.m_pageOne, CPageOne::GameFolderButton);
        QVERIFY(!run.app.m_model.m_teams.empty());
        // The jersey lies in the textures folder of the folder chosen again: its clubs are back.
        QVERIFY(Control<QListWidget>(run.Current(), CPageOne::TeamList)->count() > 0);
    }

    // Refused before anything is read: /dev/zero and a FIFO would never end, the sparse file is 3 GB.
    void DevicesPipesAndHugeFilesAreToldAtOnce()
    {
#ifdef Q_OS_WIN
        QSKIP("devices and FIFOs are POSIX files");
#else
        Run run;
        const fs::path fifo = run.work / "fifo.FSH";
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        const fs::path huge = run.work / "huge.FSH";
        fs::copy_file(run.Jersey(1), huge);
        fs::resize_file(huge, 3ull << 30); // sparse: no disk is used
        const std::pair<fs::path, QString> cases[] = {{"/dev/zero", QStringLiteral("device")},
                                                      {fifo, QStringLiteral("pipe")},
                                                      {huge, QStringLiteral("too large")}};
        for (const auto& [file, reason] : cases)
        {
            run.Choose(file);
            QVERIFY2(PlatformScript::Messages().last().text.contains(reason),
                     qPrintable(PlatformScript::Messages().last().text));
        }
#endif
    }

    void EnterPressesTheFocusedButton()
    {
        Run run;
        run.Choose(run.Jersey(5));
        run.Press(QWizard::NextButton);
        QCOMPARE(run.Current(), run.app.m_pageTwo);
        Control<QLineEdit>(run.Current(), CPageTwo::EditorEdit)->setText(QStringLiteral("paint"));
        QStringList started;
        PlatformScript::SetStartHook(
            [&](const QString&, const QStringList& arguments)
            {
                started << arguments;
                return true;
            });
        auto* back = Control<QPushButton>(run.Current(), CPageTwo::BackButton);
        back->setFocus();
        QTest::keyClick(back, Qt::Key_Return);
        QCOMPARE(started, QStringList{run.app.m_model.m_partFiles[BackDesign]});
        QCOMPARE(run.Current(), run.app.m_pageTwo); // not the next page
    }

    void RewrittenTablesMapBackAndStrayColoursOnRequest()
    {
        Run run;
        run.Choose(run.Jersey(1));
        run.Press(QWizard::NextButton);
        const Bytes before = ReadBytes(run.Jersey(1));
        // An editor that writes the front design's table in its own order, and one stray colour.
        const fs::path front = ToPath(run.app.m_model.m_partFiles[FrontDesign]);
        const Bitmap8 exported = *ReadBmp8File(front);
        Bitmap8 reordered = exported;
        for (int i = 0; i < 256; ++i)
        {
            std::copy_n(&exported.colours[4 * (255 - i)], 4, &reordered.colours[4 * i]);
        }
        for (std::uint8_t& p : reordered.pixels)
        {
            p = static_cast<std::uint8_t>(255 - p);
        }
        // One pixel in an index the picture does not use, holding its old colour a few levels off.
        std::array<bool, 256> used{};
        for (std::uint8_t p : reordered.pixels)
        {
            used[p] = true;
        }
        const int spare = int(std::find(used.begin(), used.end(), false) - used.begin());
        std::copy_n(&reordered.colours[4 * reordered.At(0, 0)], 4, &reordered.colours[4 * spare]);
        reordered.colours[4 * spare] ^= 3; // in no exported table
        reordered.At(0, 0) = static_cast<std::uint8_t>(spare);
        ReplaceBitmap(front, reordered);

        // Next stays where the designs can be fixed, and says which check box would take them.
        run.Press(QWizard::NextButton);
        QCOMPARE(run.Current(), run.app.m_pageTwo);
        QVERIFY(PlatformScript::Messages().last().text.contains(QStringLiteral("not exported with")));
        QVERIFY(PlatformScript::Messages().last().text.contains(
            QStringLiteral("\"Map other colours to the nearest jersey colour\"")));
        QTest::mouseClick(Control<QCheckBox>(run.Current(), CPageTwo::NearestCheck), Qt::LeftButton);
        // The palette to paint with, from the same page.
        PlatformScript::QueueFile(FromPath(run.work / "PK001.gpl"));
        Click(run.Current(), CPageTwo::SavePaletteButton);
        QVERIFY(ReadBytes(run.work / "PK001.gpl").size() > 100);
        run.Press(QWizard::NextButton);
        QCOMPARE(PlatformScript::Messages().last().text,
                 QStringLiteral("1 pixel in a colour the jersey does not have was mapped to the nearest jersey "
                                "colour."));
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // overwrite
        PlatformScript::QueueAnswer(MsgAnswer::No);  // no other jersey
        run.Press(QWizard::FinishButton);
        // Every pixel reads back as exported: the stray one's nearest colour is its own.
        const Bitmap8 saved = *ReadPartImage(ReadBytes(run.Jersey(1)), Part::Front, "PK001");
        QVERIFY(saved.pixels == ReadPartImage(before, Part::Front, "PK001")->pixels);
        QVERIFY(run.app.m_model.m_nearestColours); // remembered in the settings at exit
    }

    void OldTemporaryFilesGo()
    {
        TempDir folder;
        const QDateTime now = QDateTime::currentDateTime();
        for (const auto& [name, hoursOld] : {std::pair{"TarOLD.bmp", 30}, {"TarNEW.bmp", 2}, {"Other.bmp", 30}})
        {
            WriteBytes(folder / name, Bytes{'B', 'M'});
            QFile file(FromPath(folder / name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(now.addSecs(-3600 * hoursOld), QFileDevice::FileModificationTime));
        }
        QCOMPARE(RemoveOrphanPartFiles(FromPath(folder.path()), now), 1);
        QCOMPARE(QDir(FromPath(folder.path())).entryList(QDir::Files),
                 (QStringList{QStringLiteral("Other.bmp"), QStringLiteral("TarNEW.bmp")}));
    }
};

int main(int argc, char** argv)
{
    PrivateTempFolder temp(QStringLiteral("tarnix-flows"));
    QApplication app(argc, argv);
    TestWizardFlows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wizardflows.moc"
