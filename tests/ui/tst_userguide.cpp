// Finding the user guide, installed or in the build, and the program's icon.

#include "ui/AppIcon.h"
#include "ui/UserGuide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace tarnix;

namespace
{

void Touch(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QString FileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

class TestUserGuide : public QObject
{
    Q_OBJECT

  private slots:
    void installedGuideIsFoundBesideTheProgram()
    {
        QTemporaryDir prefix;
        const QString guide = prefix.filePath(QStringLiteral("share/doc/tarnix/guide.html"));
        Touch(guide);
        QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
        QCOMPARE(FindUserGuide(prefix.filePath(QStringLiteral("bin")), QString(), QString()), FileUrl(guide));
    }

    void installedGuideWinsOverTheBuild()
    {
        QTemporaryDir root;
        const QString build = root.filePath(QStringLiteral("build"));
        const QString installed = root.filePath(QStringLiteral("build/share/doc/tarnix/guide.html"));
        Touch(installed);
        Touch(root.filePath(QStringLiteral("build/guide/guide.html")));
        QCOMPARE(FindUserGuide(root.filePath(QStringLiteral("build/bin")), build, root.path()),
                 FileUrl(installed));
    }

    void programInItsBuildFolderFindsTheBuiltGuideThenTheReadme()
    {
        QTemporaryDir root;
        const QString build = root.filePath(QStringLiteral("build/default"));
        const QString program = root.filePath(QStringLiteral("build/default/src"));
        const QString readme = root.filePath(QStringLiteral("README.md"));
        Touch(readme);
        QCOMPARE(FindUserGuide(program, build, root.path()), FileUrl(readme));
        const QString built = root.filePath(QStringLiteral("build/default/guide/guide.html"));
        Touch(built);
        QCOMPARE(FindUserGuide(program, build, root.path()), FileUrl(built));
    }

    void programOutsideTheBuildNeverPointsIntoIt()
    {
        QTemporaryDir root;
        Touch(root.filePath(QStringLiteral("build/guide/guide.html")));
        Touch(root.filePath(QStringLiteral("README.md")));
        // A sibling whose name starts like the build folder is not inside it.
        const QString program = root.filePath(QStringLiteral("build-other/bin"));
        QCOMPARE(FindUserGuide(program, root.filePath(QStringLiteral("build")), root.path()), QString());
    }

    void thisBuildHasItsGuide()
    {
        const QString url = UserGuideUrl();
        QVERIFY2(url.endsWith(QStringLiteral("/guide/guide.html")), qPrintable(url));
        QVERIFY(QFileInfo::exists(QUrl(url).toLocalFile()));
    }

    void iconHasEverySizeFrom16To256()
    {
        const QIcon icon = TarnixIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 256})
        {
            QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
            QCOMPARE(icon.availableSizes().contains(QSize(size, size)), true);
        }
    }
};

QTEST_MAIN(TestUserGuide)
#include "tst_userguide.moc"
