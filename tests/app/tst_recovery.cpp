// A run killed while the user paints loses nothing. Real runs of the program (this test started again as
// a child process) export a jersey's parts into their work folders, some paint the front, and are killed
// (or stay alive); the next start offers back exactly the painted work of the dead runs, newest first, and
// each answer does what it says.

#include "AppTestSupport.h"
#include "app/TarnixApp.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"
#include "archive/ShirtPictures.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"
#include "wizard/PageTwo.h"
#include "wizard/PaintedParts.h"
#include "wizard/WizardSheet.h"

#include <QAbstractButton>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTimer>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

#ifdef Q_OS_WIN
const char* const kStateVariable = "LOCALAPPDATA";
#else
const char* const kStateVariable = "XDG_STATE_HOME";
#endif

fs::path JerseyIn(const fs::path& game, int n)
{
    return FindCaseInsensitive(game, "Data/Player/Textures") / ("PK00" + std::to_string(n) + ".FSH");
}

// The child: the program on `jersey`, moved on to the design page (which exports the parts), the front
// painted as an editor would when asked; it tells the parent its work folder and waits to be killed.
int RunChild(const QStringList& args)
{
    const QString settings = args[2], jersey = args[3], ready = args[5];
    // Test binaries point the state folder into the build folder when they start: the parent's is an
    // argument.
    qputenv(kStateVariable, args[6].toLocal8Bit());
    PlatformScript::Begin();
    CTarnixApp app;
    app.m_settingsFile = settings;
    if (!app.StartUp({jersey}))
    {
        return 3;
    }
    app.m_sheet->show();
    app.m_sheet->next();
    const fs::path front = ToPath(app.m_model.m_partFiles[FrontDesign]);
    if (args[4] == QStringLiteral("paint"))
    {
        Bitmap8 bitmap = *ReadBmp8File(front);
        bitmap.At(10, 10) = 63;
        WriteBytes(front, EncodeBmp8(bitmap));
    }
    QFile out(ready);
    if (!out.open(QIODevice::WriteOnly) || out.write(QFileInfo(FromPath(front)).absolutePath().toUtf8()) <= 0)
    {
        return 4;
    }
    out.close();
    return QApplication::exec();
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

    PrivateTempFolder m_temp;
    TempDir m_work;
    fs::path m_game = m_work / "game";
    QString m_settings = FromPath(m_work / "settings.ini");
    int m_children = 0;

    // Starts a child on jersey `n`; returns its work folder once its parts are exported (and painted).
    QString StartChild(QProcess& child, int n, bool paint)
    {
        const QString ready = FromPath(m_work / ("ready" + std::to_string(++m_children)));
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("child"), m_settings, FromPath(JerseyIn(m_game, n)),
                     paint ? QStringLiteral("paint") : QStringLiteral("clean"), ready, FromPath(m_work / "state"),
                     QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QFile file(ready);
        if (!QTest::qWaitFor([&] { return file.size() > 0; }, 60000) || !file.open(QIODevice::ReadOnly))
        {
            return {};
        }
        return QString::fromUtf8(file.readAll());
    }

  private slots:
    void initTestCase()
    {
        qputenv(kStateVariable, QByteArray::fromStdString(PathText(m_work / "state")));
        fs::copy(SampleGameFolder(), m_game, fs::copy_options::recursive);
        QSettings ini(m_settings, QSettings::IniFormat);
        ini.setValue(QStringLiteral("Path"), FromPath(m_game));
    }
    void init() { PlatformScript::Begin(); }
    void cleanup() { PlatformScript::End(); }

    void KilledRunsAreOfferedBackAndLiveOnesLeftAlone()
    {
        QProcess painted, clean, newer, live;
        const QString paintedFolder = StartChild(painted, 1, true);
        const QString cleanFolder = StartChild(clean, 2, false);
        const QString newerFolder = StartChild(newer, 3, true);
        const QString liveFolder = StartChild(live, 4, true);
        QVERIFY(!paintedFolder.isEmpty() && !cleanFolder.isEmpty() && !newerFolder.isEmpty() &&
                !liveFolder.isEmpty());
        painted.kill();
#ifdef Q_OS_WIN
        clean.kill();
#else
        clean.terminate(); // SIGTERM
#endif
        newer.kill();
        for (QProcess* child : {&painted, &clean, &newer})
        {
            QVERIFY(child->waitForFinished(30000));
        }
        const QString newerFront = QDir(newerFolder).filePath(QStringLiteral("PK003 front design.bmp"));
        const auto offer = [](const QString& jersey, const QString& front)
        {
            return QStringLiteral("Tarnix found unsaved designs of %1 from %2. Continue editing them?")
                .arg(jersey, QFileInfo(front).lastModified().toString(QStringLiteral("d MMMM, HH:mm")));
        };

        // No keeps the newest, Discard lets the other go; the unpainted one went quietly, the live one is
        // not touched.
        {
            CTarnixApp app;
            app.m_settingsFile = m_settings;
            PlatformScript::QueueAnswer(MsgAnswer::No);
            PlatformScript::QueueAnswer(MsgAnswer::Discard);
            QVERIFY(app.StartUp({}));
            const QList<ShownMessage> shown = PlatformScript::Messages();
            QCOMPARE(shown.size(), 2);
            QCOMPARE(shown[0].text, offer(QStringLiteral("PK003.FSH"), newerFront));
            QCOMPARE(shown[0].buttons, MsgButtons::YesNoDiscard);
            QVERIFY(shown[1].text.startsWith(QStringLiteral("Tarnix found unsaved designs of PK001.FSH from ")));
            QVERIFY(QFileInfo::exists(newerFront));
            QVERIFY(!QFileInfo::exists(paintedFolder));
            QVERIFY(!QFileInfo::exists(cleanFolder));
            QVERIFY(QFileInfo::exists(QDir(liveFolder).filePath(QStringLiteral("PK004 front design.bmp"))));
            app.ExitInstance();
        }

        // Yes opens the design page with the painted files, and quitting them asks.
        CTarnixApp app;
        app.m_settingsFile = m_settings;
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        QVERIFY(app.StartUp({}));
        app.m_sheet->show();
        QCOMPARE(app.m_sheet->currentPage(), app.m_pageTwo);
        QCOMPARE(app.m_model.m_jerseyPath, FromPath(JerseyIn(m_game, 3)));
        QCOMPARE(app.m_model.m_partFiles[FrontDesign], QDir::toNativeSeparators(newerFront));
        QCOMPARE(ReadBmp8File(ToPath(newerFront))->At(10, 10), 63);
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        QTest::mouseClick(app.m_sheet->button(QWizard::CancelButton), Qt::LeftButton);
        QCOMPARE(PlatformScript::Messages().last().text, JerseyModel::QuitQuestion());
        app.ExitInstance();
        QVERIFY(!QFileInfo::exists(newerFolder));

        live.kill();
        QVERIFY(live.waitForFinished(30000));
    }

    // The real message boxes behind the seam: Enter takes the default, Escape the safe answer.
    void QuestionsDefaultToKeepingWork_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("loses work, Enter")
            << int(MsgButtons::YesNoDefaultNo) << int(Qt::Key_Return) << int(MsgAnswer::No);
        QTest::newRow("offer, Enter") << int(MsgButtons::YesNoDiscard) << int(Qt::Key_Return)
                                      << int(MsgAnswer::Yes);
        QTest::newRow("offer, Escape") << int(MsgButtons::YesNoDiscard) << int(Qt::Key_Escape)
                                       << int(MsgAnswer::No);
    }
    void QuestionsDefaultToKeepingWork()
    {
        QFETCH(int, buttons);
        QFETCH(int, key);
        QFETCH(int, answer);
        PlatformScript::End();
        QTimer::singleShot(0,
                           [key]
                           {
                               QWidget* box = QApplication::activeModalWidget();
                               QVERIFY(box != nullptr);
                               QTest::keyClick(box, Qt::Key(key));
                           });
        QCOMPARE(int(ShowMessage(nullptr, QStringLiteral("?"), MsgButtons(buttons), MsgIcon::Question)), answer);
    }

    void PaintedPicturesAreTakenUpWithWhatTheyAreReadBackAgainst()
    {
        const QString root = FromPath(m_work / "pictures");
        const KitColours kit = {9, 13, 6, 19, 22, 3, 16};
        const std::uint32_t second = ShadeRamps[13][15];
        {
            std::unique_ptr<CWorkFolder> run = CWorkFolder::Create(root);
            QVERIFY(run != nullptr);
            JerseyModel model;
            model.m_work = run.get();
            model.m_jerseyPath = FromPath(JerseyIn(m_game, 2));
            SetKitColours(model.m_jerseyColours, kit);
            model.m_paintMode = PaintMode::Pictures;
            QVERIFY(PreparePaintFiles(model).ok());
            QCOMPARE(QFileInfo(model.m_pictureFiles[0]).fileName(), QStringLiteral("PK002 front.png"));
            WriteBytes(ToPath(model.m_pictureFiles[0]),
                       EncodePng({128, 128, std::vector<std::uint32_t>(128 * 128, second)}));
            model.m_work = nullptr; // the run is killed: its folder stays as it is
        }
        auto runs = CWorkFolder::TakeOverEndedRuns(root);
        QCOMPARE(runs.size(), std::size_t(1));
        QVERIFY(!QFileInfo::exists(runs[0]->FilePath(QStringLiteral("PK002 back.png")))); // never painted

        JerseyModel model;
        model.m_paintMode = PaintMode::Pictures;
        QVERIFY(model.ContinueWork(*runs[0]));
        QVERIFY(model.m_partFiles[FrontDesign].isEmpty());
        QCOMPARE(model.m_pictureReference.kit, kit);
        const auto painted = ComposePaintedParts(model);
        QVERIFY2(painted.ok(), painted.ok() ? "" : painted.error().c_str());
        QCOMPARE(int(painted->parts[0].At(70, 3)), 63);
        const Bytes archive = ReadBytes(JerseyIn(m_game, 2));
        QVERIFY(painted->parts[1].pixels == ReadPartImage(archive, Part::Back, "PK002.FSH")->pixels);
        model.DeletePartFiles();
        model.m_work = nullptr;
        runs[0]->Discard();
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 7 && args[1] == QStringLiteral("child"))
    {
        return RunChild(args);
    }
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
