// Finding the game's registration in a Wine prefix, and the command line of tarnix.

#include "FakeWinePrefix.h"
#include "app/GameRegistration.h"
#include "app/TarnixCommandLineInfo.h"

#include <QDir>
#include <QTest>

using namespace tarnix;
using tarnix::test::FakeWinePrefix;

namespace
{

QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

class TestGameRegistration : public QObject
{
    Q_OBJECT

  private slots:
    void registryTextIsReadAsWineWritesIt()
    {
        const QString text =
            QStringLiteral("WINE REGISTRY Version 2\n"
                           "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\other.exe] 1\n"
                           "\"Path\"=\"C:\\\\Other\"\n"
                           "\n"
                           "[SOFTWARE\\\\microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\FIFA99.EXE] 2\r\n"
                           "#time=1d6a\r\n"
                           "@=\"C:\\\\J\\x00fcrgen\\\\fifa99.exe\"\r\n"
                           "\"Installed\"=dword:00000001\r\n"
                           "\"PATH\"=\"C:\\\\J\\x00fcrgen\\\\\\\"Q\\\" \\x4e2d\\101\"\r\n"
                           "\"Expanded\"=str(2):\"%ProgramFiles%\\\\EA\"\r\n");
        const QString key = QString::fromLatin1(kGameRegistrationKey);

        RegistryLookup path = ReadWineRegistryValue(text, key, QStringLiteral("Path"));
        QVERIFY(path.keyFound);
        QVERIFY(path.value.has_value());
        QCOMPARE(*path.value, QStringLiteral(u"C:\\Jürgen\\\"Q\" \u4e2dA"));

        RegistryLookup expanded = ReadWineRegistryValue(text, key, QStringLiteral("expanded"));
        QCOMPARE(expanded.value.value_or(QString()), QStringLiteral("%ProgramFiles%\\EA"));

        RegistryLookup dword = ReadWineRegistryValue(text, key, QStringLiteral("Installed"));
        QVERIFY(dword.keyFound);
        QVERIFY(!dword.value.has_value());

        RegistryLookup absent = ReadWineRegistryValue(text, key + QStringLiteral("x"), QStringLiteral("Path"));
        QVERIFY(!absent.keyFound);
        QVERIFY(!absent.value.has_value());
    }

    void windowsPathsMapThroughTheDriveLinks()
    {
        FakeWinePrefix prefix;
        const std::filesystem::path game = prefix.DriveC() / "Program Files" / "EA SPORTS" / "FIFA 99";
        std::filesystem::create_directories(game);
        tarnix::test::TempDir elsewhere;
        std::filesystem::create_directories(elsewhere.path() / "Games" / "Fifa99");
        std::filesystem::create_directory_symlink(elsewhere.path(), prefix.path() / "dosdevices" / "d:");
        const QString root = Q(prefix.path());
        const QString expected = QFileInfo(Q(game)).canonicalFilePath();

        QCOMPARE(WindowsPathInPrefix(root, QStringLiteral("C:\\Program Files\\EA SPORTS\\FIFA 99")), expected);
        // Windows paths ignore letter case and tolerate doubled or trailing separators.
        QCOMPARE(WindowsPathInPrefix(root, QStringLiteral("c:\\PROGRAM FILES\\\\ea sports\\fifa 99\\")), expected);
        QCOMPARE(WindowsPathInPrefix(root, QStringLiteral("D:\\GAMES\\FIFA99")),
                 QFileInfo(Q(elsewhere.path() / "Games" / "Fifa99")).canonicalFilePath());
        QCOMPARE(WindowsPathInPrefix(root, QStringLiteral("C:\\")),
                 QFileInfo(Q(prefix.DriveC())).canonicalFilePath());

        QVERIFY(WindowsPathInPrefix(root, QStringLiteral("C:\\Program Files\\Missing")).isEmpty());
        QVERIFY(WindowsPathInPrefix(root, QStringLiteral("E:\\FIFA99")).isEmpty());
        QVERIFY(WindowsPathInPrefix(root, QStringLiteral("\\\\server\\share\\FIFA99")).isEmpty());
        QVERIFY(WindowsPathInPrefix(root, QString()).isEmpty());
    }

    void theGameIsFoundInAPrefix()
    {
        FakeWinePrefix prefix;
        std::filesystem::create_directories(prefix.DriveC() / "Games" / "FIFA 99");
        prefix.WriteSystemReg(FakeWinePrefix::GameRegistration("C:\\GAMES\\fifa 99"));
        QCOMPARE(FindGameInWinePrefix(Q(prefix.path())).value_or(QStringLiteral("none")),
                 QFileInfo(Q(prefix.DriveC() / "Games" / "FIFA 99")).canonicalFilePath());
    }

    void aThirtyTwoBitInstallerInASixtyFourBitPrefixIsFound()
    {
        FakeWinePrefix prefix;
        std::filesystem::create_directories(prefix.DriveC() / "FIFA99");
        prefix.WriteSystemReg(FakeWinePrefix::GameRegistration(
            "C:\\FIFA99",
            "Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe"));
        QCOMPARE(FindGameInWinePrefix(Q(prefix.path())).value_or(QString()),
                 QFileInfo(Q(prefix.DriveC() / "FIFA99")).canonicalFilePath());
    }

    void registrationsThatLeadNowhere()
    {
        FakeWinePrefix prefix;
        // No system.reg at all, then one without the game.
        QVERIFY(!FindGameInWinePrefix(Q(prefix.path())).has_value());
        prefix.WriteSystemReg("");
        QVERIFY(!FindGameInWinePrefix(Q(prefix.path())).has_value());
        // A path to a folder the prefix does not have is of no use.
        prefix.WriteSystemReg(FakeWinePrefix::GameRegistration("C:\\Uninstalled\\FIFA99"));
        QVERIFY(!FindGameInWinePrefix(Q(prefix.path())).has_value());
        // Registered without a "Path": found, and empty.
        prefix.WriteSystemReg("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe] 1\n"
                              "@=\"C:\\\\FIFA99\\\\fifa99.exe\"\n");
        std::optional<QString> empty = FindGameInWinePrefix(Q(prefix.path()));
        QVERIFY(empty.has_value());
        QVERIFY(empty->isEmpty());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("thumbnail");

        QTest::newRow("nothing") << QStringList{} << QString() << -1;
        QTest::newRow("archive and /j12") << QStringList{"PK012.FSH", "/j12"} << "PK012.FSH" << 12;
        QTest::newRow("-j12 first") << QStringList{"-j12", "PK012.FSH"} << "PK012.FSH" << 12;
        QTest::newRow("upper-case J is not ours") << QStringList{"/J12", "a.fsh"} << "a.fsh" << -1;
        QTest::newRow("j without number") << QStringList{"/j"} << QString() << 0;
        QTest::newRow("j with text") << QStringList{"/jx"} << QString() << 0;
        QTest::newRow("j stops at a non-digit") << QStringList{"-j7a9"} << QString() << 7;
        QTest::newRow("j negative") << QStringList{"-j-3"} << QString() << -3;
        QTest::newRow("last j wins") << QStringList{"/j1", "/j2"} << QString() << 2;
        QTest::newRow("first file wins") << QStringList{"a.fsh", "b.fsh"} << "a.fsh" << -1;
        QTest::newRow("spaces and accents")
            << QStringList{"/j5", "Mes maillots/Réal été.FSH"} << "Mes maillots/Réal été.FSH" << 5;
        QTest::newRow("unknown switches are ignored") << QStringList{"/p", "-dde", "x.fsh"} << "x.fsh" << -1;
#ifndef Q_OS_WIN
        // An absolute path begins with a slash but is no switch.
        QTest::newRow("absolute path") << QStringList{"/srv/kits/PK012.FSH", "/j3"} << "/srv/kits/PK012.FSH" << 3;
#endif
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fileName);
        QFETCH(int, thumbnail);
        const CTarnixCommandLineInfo info = CTarnixCommandLineInfo::Parse(arguments);
        QCOMPARE(info.m_fileName, fileName);
        QCOMPARE(info.m_thumbnailNumber, thumbnail);
        QVERIFY(info.m_error.isEmpty());
    }

    void commandLineOptionsOfOurOwn()
    {
        CTarnixCommandLineInfo info = CTarnixCommandLineInfo::Parse(
            {"--settings", "/tmp/my settings.ini", "--game-folder=/games/FIFA 99", "PK001.FSH"});
        QCOMPARE(info.m_settingsFile, QStringLiteral("/tmp/my settings.ini"));
        QCOMPARE(info.m_gameFolder, QStringLiteral("/games/FIFA 99"));
        QCOMPARE(info.m_fileName, QStringLiteral("PK001.FSH"));

        QVERIFY(CTarnixCommandLineInfo::Parse({"--help"}).m_showHelp);
        QVERIFY(CTarnixCommandLineInfo::Parse({"--version"}).m_showVersion);
        QVERIFY(!CTarnixCommandLineInfo::Parse({"--settings"}).m_error.isEmpty());
        QVERIFY(CTarnixCommandLineInfo::HelpText().contains(QStringLiteral("--game-folder")));

        QCOMPARE(AtoiLike(QStringLiteral("  +42x")), 42);
        QCOMPARE(AtoiLike(QStringLiteral("99999999999")), std::numeric_limits<int>::max());
        QCOMPARE(AtoiLike(QStringLiteral("-99999999999")), std::numeric_limits<int>::min());
        QCOMPARE(AtoiLike(QStringLiteral("")), 0);
    }
};

QTEST_GUILESS_MAIN(TestGameRegistration)
#include "tst_gameregistration.moc"
