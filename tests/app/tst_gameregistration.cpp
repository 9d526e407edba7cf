// The command line of tarnix. Finding the game's registration is the core's (tests/platform); start-up's
// use of it is in tst_startup.

#include "app/TarnixCommandLineInfo.h"

#include <QTest>

using namespace tarnix;

class TestGameRegistration : public QObject
{
    Q_OBJECT

  private slots:
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
