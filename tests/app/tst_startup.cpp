// The program from start to exit: command line, settings, finding the game, the modal wizard.

#include "AppTestSupport.h"
#include "FakeWinePrefix.h"
#include "app/TarnixApp.h"
#include "teams/TeamDatabase.h"
#include "ui/Platform.h"
#include "wizard/PageOne.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

using namespace tarnix;
using namespace tarnix::test;

namespace
{

// Where the question says Tarnix looked: the registry on Windows, the Wine prefix of the test elsewhere.
QString Question(const std::filesystem::path& prefix)
{
#ifdef _WIN32
    Q_UNUSED(prefix);
    return QStringLiteral("Cannot locate FIFA99 directory in the Registry. Do you want to select it yourself?");
#else
    return QStringLiteral("Cannot locate FIFA99 directory in the registry of the Wine prefix %1/no prefix. Do "
                          "you want to select it yourself?")
        .arg(QString::fromStdString(prefix.string()));
#endif
}

QStringList MessageTexts()
{
    QStringList texts;
    for (const ShownMessage& message : PlatformScript::Messages())
    {
        texts << message.text;
    }
    return texts;
}

// The game folder as a Wine prefix holds it: a copy of the sample game under drive C.
std::filesystem::path InstallSampleGame(const FakeWinePrefix& prefix, const std::string& folder)
{
    const std::filesystem::path target = prefix.DriveC() / "Games" / folder;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy(SampleGameFolder(), target, std::filesystem::copy_options::recursive);
    return target;
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateTempFolder> m_temp;
    std::unique_ptr<TempDir> m_work;
    QString m_settingsFile;
    QByteArray m_winePrefix;

    QVariant Stored(const QString& name) const
    {
        return QSettings(m_settingsFile, QSettings::IniFormat).value(name);
    }
    bool HasStored(const QString& name) const
    {
        return QSettings(m_settingsFile, QSettings::IniFormat).contains(name);
    }
    void Store(const QString& name, const QString& value) const
    {
        QSettings settings(m_settingsFile, QSettings::IniFormat);
        settings.setValue(name, value);
    }
    void UseWinePrefix(const std::filesystem::path& prefix) { qputenv("WINEPREFIX", prefix.string().c_str()); }

  private slots:
    void initTestCase()
    {
        m_temp = std::make_unique<PrivateTempFolder>();
        m_winePrefix = qgetenv("WINEPREFIX");
    }

    void cleanupTestCase()
    {
        qputenv("WINEPREFIX", m_winePrefix);
        if (m_winePrefix.isEmpty())
        {
            qunsetenv("WINEPREFIX");
        }
    }

    void init()
    {
        m_work = std::make_unique<TempDir>();
        m_settingsFile = Q(*m_work / "settings dir" / "Tarnix.ini");
        // No Wine prefix unless a test makes one: the user's own must not be read.
        UseWinePrefix(*m_work / "no prefix");
        PlatformScript::Begin();
    }

    void cleanup()
    {
        PlatformScript::End();
        m_work.reset();
        QCOMPARE(VisibleTopLevels(), QStringList());
        QCOMPARE(m_temp->OurFiles(), QStringList());
    }

    void startUpWithAnArchiveAndTheThumbnailSwitch()
    {
        Store(QStringLiteral("Path"), Q(SampleGameFolder()));
        Store(QStringLiteral("MardekPath"), Q(m_work->path()));
        const QString jersey = Q(SampleJerseyPath(1));
        CTarnixApp app;
        app.m_settingsFile = m_settingsFile;
        QVERIFY(app.StartUp({jersey, QStringLiteral("/j12")}));
        QCOMPARE(app.m_model.m_jerseyPath, jersey);
        QCOMPARE(app.m_model.m_thumbnailNumber, 12);
        QCOMPARE(app.m_model.m_versionText, QString::fromUtf8(kVersionText));
        QVERIFY(!app.m_model.m_teams.empty());
        QCOMPARE(app.m_sheet->pageIds().size(), 3);
        QCOMPARE(app.m_sheet->Page(0), app.m_pageOne);

        app.m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.m_sheet.get()));
        QCOMPARE(app.m_sheet->CurrentPage(), app.m_pageOne);
        QWidget* page = app.m_pageOne;
        QCOMPARE(Control<QLineEdit>(page, CPageOne::LabelEdit)->text(), QStringLiteral(u"München Stripes"));
        QCOMPARE(Control<QLineEdit>(page, CPageOne::PathEdit)->text(), jersey);
        QCOMPARE(Control<QLineEdit>(page, CPageOne::GameFolderEdit)->text(), Q(SampleGameFolder()));
        const QImage shown = Control<QLabel>(page, CPageOne::PreviewPicture)->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(128, 128));
        const Bitmap8 front = FrontOf(SampleJerseyPath(1));
        const QPoint at = FirstPixelOfGroup(front, 2);
        QCOMPARE(shown.pixel(at), ExpectedColour(front, at, KitColour(app.m_model.m_jerseyColours, 0)));
        QStringList lines;
        for (const TeamLine& line : FillTeamList(app.m_model.m_teams, 1))
        {
            lines << QString::fromStdString(line.text);
        }
        QVERIFY(!lines.isEmpty());
        auto* list = Control<QListWidget>(page, CPageOne::TeamList);
        QCOMPARE(list->count(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
        {
            QCOMPARE(list->item(i)->text(), lines[i]);
        }
        QVERIFY(app.m_sheet->button(QWizard::NextButton)->isEnabled());
        QVERIFY(!app.m_sheet->button(QWizard::BackButton)->isEnabled());
        QCOMPARE(MessageTexts(), QStringList());

        QTest::mouseClick(app.m_sheet->button(QWizard::CancelButton), Qt::LeftButton);
        QVERIFY(!app.m_sheet->isVisible());
        QCOMPARE(app.ExitInstance(), 0);
    }

    void theWizardRunsModallyFromStartToEnd()
    {
        Store(QStringLiteral("Path"), Q(SampleGameFolder()));
        CTarnixApp app;
        app.m_settingsFile = m_settingsFile;
        QStringList visited;
        bool partFilesWritten = false;
        QTimer::singleShot(0,
                           [&]
                           {
                               CWizardSheet* sheet = app.m_sheet.get();
                               QVERIFY(sheet->isModal());
                               QVERIFY(QTest::qWaitForWindowExposed(sheet));
                               auto click = [&](QWizard::WizardButton which)
                               {
                                   QTest::mouseClick(sheet->button(which), Qt::LeftButton);
                                   visited << QString::fromLatin1(sheet->CurrentPage()->metaObject()->className());
                               };
                               visited << QString::fromLatin1(sheet->CurrentPage()->metaObject()->className());
                               click(QWizard::NextButton);
                               partFilesWritten = !app.m_model.m_partFiles[FrontDesign].isEmpty() &&
                                                  QFileInfo::exists(app.m_model.m_partFiles[FrontDesign]);
                               click(QWizard::BackButton);
                               click(QWizard::NextButton);
                               click(QWizard::NextButton);
                               // Nothing was changed: leaving asks nothing.
                               QTest::mouseClick(sheet->button(QWizard::CancelButton), Qt::LeftButton);
                           });
        QCOMPARE(app.Run({Q(SampleJerseyPath(2))}), 0);
        QCOMPARE(visited, (QStringList{"tarnix::CPageOne", "tarnix::CPageTwo", "tarnix::CPageOne",
                                       "tarnix::CPageTwo", "tarnix::CPageThree"}));
        QVERIFY(partFilesWritten);
        QCOMPARE(MessageTexts(), QStringList());
        // Exit deleted the part files and released the sheet and the teams.
        for (const QString& file : app.m_model.m_partFiles)
        {
            QVERIFY(file.isEmpty());
        }
        QVERIFY(!app.m_sheet);
        QVERIFY(app.m_model.m_teams.empty());
        QCOMPARE(Stored(QStringLiteral("Path")).toString(), Q(SampleGameFolder()));
    }

    void firstRunFindsTheGameInTheWinePrefix()
    {
#ifdef Q_OS_WIN
        QSKIP("a Linux user's game lives in a Wine prefix; on Windows the registry says where "
              "(windows_game_from_registry)");
#endif
        FakeWinePrefix prefix;
        const std::filesystem::path game = InstallSampleGame(prefix, "FIFA 99");
        prefix.WriteSystemReg(FakeWinePrefix::GameRegistration("C:\\GAMES\\fifa 99"));
        UseWinePrefix(prefix.path());

        CTarnixApp app;
        app.m_settingsFile = m_settingsFile;
        QVERIFY(app.StartUp({}));
        QCOMPARE(MessageTexts(), QStringList());
        const QString expected = QFileInfo(Q(game)).canonicalFilePath();
        QCOMPARE(app.m_model.m_gameFolder, expected);
        QCOMPARE(app.m_model.m_texturesFolder,
                 QFileInfo(Q(game / "Data" / "Player" / "Textures")).canonicalFilePath());
        QVERIFY(!app.m_model.m_teams.empty());
        // Stored at once, not only at exit.
        QCOMPARE(Stored(QStringLiteral("Path")).toString(), expected);
        app.ExitInstance();
        QCOMPARE(Stored(QStringLiteral("Path")).toString(), expected);
    }

    void aRegistrationWithoutPathIsStoredEmpty()
    {
#ifdef Q_OS_WIN
        QSKIP("the registration is read from a Wine prefix here; on Windows from the registry "
              "(windows_locate_game covers a registration without a Path)");
#endif
        FakeWinePrefix prefix;
        prefix.WriteSystemReg(
            "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe] 1\n");
        UseWinePrefix(prefix.path());
        CTarnixApp app;
        app.m_settingsFile = m_settingsFile;
        QVERIFY(app.LoadSettings());
        QCOMPARE(MessageTexts(), QStringList());
        QVERIFY(app.m_model.m_gameFolder.isEmpty());
        QVERIFY(HasStored(QStringLiteral("Path")));
        // From now on the stored (empty) folder is used and nobody is asked.
        CTarnixApp again;
        again.m_settingsFile = m_settingsFile;
        QVERIFY(again.LoadSettings());
        QCOMPARE(MessageTexts(), QStringList());
    }

    void withoutTheGameTheUserIsAsked_data()
    {
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("chooseFolder");
        QTest::newRow("No") << false << false;
        QTest::newRow("Yes, chooser cancelled") << true << false;
        QTest::newRow("Yes, folder chosen") << true << true;
    }

    void withoutTheGameTheUserIsAsked()
    {
        QFETCH(bool, answerYes);
        QFETCH(bool, chooseFolder);
        PlatformScript::QueueAnswer(answerYes ? MsgAnswer::Yes : MsgAnswer::No);
        PlatformScript::QueueFolder(chooseFolder ? std::optional<QString>(Q(SampleGameFolder())) : std::nullopt);

        CTarnixApp app;
        app.m_settingsFile = m_settingsFile;
        QVERIFY(app.StartUp({}));
        QCOMPARE(PlatformScript::Messages().size(), 1);
        const ShownMessage question = PlatformScript::Messages().first();
        QCOMPARE(question.text, Question(m_work->path()));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.icon, MsgIcon::Question);

        if (chooseFolder)
        {
            // Kept as the system writes paths: backslashes on Windows.
            const QString chosen = QDir::toNativeSeparators(Q(SampleGameFolder()));
            QCOMPARE(app.m_model.m_gameFolder, chosen);
            QVERIFY(!app.m_model.m_teams.empty());
            QCOMPARE(Stored(QStringLiteral("Path")).toString(), chosen);
        }
        else
        {
            QVERIFY(app.m_model.m_gameFolder.isEmpty());
            QVERIFY(app.m_model.m_teams.empty());
            QVERIFY(!HasStored(QStringLiteral("Path")));
        }
        // The editor chosen during the run survives the exit either way.
        app.m_model.m_editorPath = QStringLiteral("/opt/My Editor/paint");
        app.ExitInstance();
        QCOMPARE(Stored(QStringLiteral("EditorPath")).toString(), QStringLiteral("/opt/My Editor/paint"));
        QCOMPARE(HasStored(QStringLiteral("Path")), chooseFolder);

        // The next start asks again only while no folder is known.
        PlatformScript::Begin();
        CTarnixApp next;
        next.m_settingsFile = m_settingsFile;
        next.LoadSettings();
        QCOMPARE(MessageTexts(), chooseFolder ? QStringList() : QStringList{Question(m_work->path())});
        QCOMPARE(next.m_model.m_editorPath, QStringLiteral("/opt/My Editor/paint"));
    }

    void settingsAreSavedAtExitAndReadAtTheNextStart()
    {
        Store(QStringLiteral("Path"), Q(SampleGameFolder()));
        Store(QStringLiteral("MardekPath"), QStringLiteral(u"/home/modder/Mardek Été"));
        TempDir otherGame;
        {
            CTarnixApp app;
            app.m_settingsFile = m_settingsFile;
            QVERIFY(app.StartUp({Q(SampleJerseyPath(3))}));
            app.m_sheet->show();
            QVERIFY(QTest::qWaitForWindowExposed(app.m_sheet.get()));
            QCOMPARE(app.m_model.m_mardekFolder, QStringLiteral(u"/home/modder/Mardek Été"));

            PlatformScript::QueueFolder(Q(otherGame.path()));
            QTest::mouseClick(Control<QPushButton>(app.m_pageOne, CPageOne::GameFolderButton), Qt::LeftButton);
            QTest::mouseClick(app.m_sheet->button(QWizard::NextButton), Qt::LeftButton);
            // A path typed on the design page and never confirmed, then Cancel.
            auto* editor = Control<QLineEdit>(app.m_pageTwo, CPageTwo::EditorEdit);
            QVERIFY(editor != nullptr);
            editor->clear();
            QTest::keyClicks(editor, QStringLiteral("/usr/bin/my paint"));
            QTest::mouseClick(Control<QRadioButton>(app.m_pageTwo, CPageTwo::PicturesRadio), Qt::LeftButton);
            QTest::mouseClick(app.m_sheet->button(QWizard::CancelButton), Qt::LeftButton);
            QVERIFY(!app.m_sheet->isVisible());
            app.ExitInstance();
        }
        QCOMPARE(Stored(QStringLiteral("Path")).toString(), Q(otherGame.path()));
        QCOMPARE(Stored(QStringLiteral("EditorPath")).toString(), QStringLiteral("/usr/bin/my paint"));
        QCOMPARE(Stored(QStringLiteral("PaintWholeShirt")).toBool(), true);

        CTarnixApp next;
        next.m_settingsFile = m_settingsFile;
        QVERIFY(next.LoadSettings());
        QCOMPARE(next.m_model.m_gameFolder, Q(otherGame.path()));
        QCOMPARE(next.m_model.m_editorPath, QStringLiteral("/usr/bin/my paint"));
        QCOMPARE(next.m_model.m_mardekFolder, QStringLiteral(u"/home/modder/Mardek Été"));
        QCOMPARE(next.m_model.m_paintMode, PaintMode::Pictures);
        // The folder chosen holds no team database: the user is told why the list of clubs stays empty.
        QCOMPARE(MessageTexts().size(), 1);
        QVERIFY(MessageTexts()[0].contains(QStringLiteral("cannot be listed")));
    }

    void helpAndVersionDoNotStartTheWizard()
    {
        Store(QStringLiteral("Path"), Q(SampleGameFolder()));
        Store(QStringLiteral("EditorPath"), QStringLiteral("/usr/bin/paint"));
        CTarnixApp app;
        app.m_settingsFile = m_settingsFile;
        QVERIFY(!app.StartUp({QStringLiteral("--help")}));
        QVERIFY(!app.m_sheet);
        QCOMPARE(app.Run({QStringLiteral("--version")}), 0);
        QCOMPARE(app.Run({QStringLiteral("--settings")}), 2);
        // The stored settings are left as they were.
        QCOMPARE(Stored(QStringLiteral("Path")).toString(), Q(SampleGameFolder()));
        QCOMPARE(Stored(QStringLiteral("EditorPath")).toString(), QStringLiteral("/usr/bin/paint"));
        QCOMPARE(MessageTexts(), QStringList());
    }

    void helpAndVersionNeedNoDisplay()
    {
        const QString program =
            QDir(qEnvironmentVariable("TARNIX_TEST_BINARY_DIR")).filePath(QStringLiteral("src/tarnix"));
        if (!QFileInfo(program).isExecutable())
        {
            QSKIP("the program is not beside the tests");
        }
        for (const auto& [option, answer] : {std::pair{"--help", "Usage: tarnix"}, {"--version", "tarnix "}})
        {
            QProcess tarnix;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            tarnix.setProcessEnvironment(environment);
            tarnix.start(program, {QString::fromLatin1(option)});
            QVERIFY(tarnix.waitForFinished(30000));
            QCOMPARE(tarnix.exitCode(), 0);
            QVERIFY2(tarnix.readAllStandardOutput().startsWith(answer), option);
            QCOMPARE(tarnix.readAllStandardError(), QByteArray());
        }
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
