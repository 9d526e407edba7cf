#include "ui/UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifndef TARNIX_BUILD_DIR
#define TARNIX_BUILD_DIR ""
#endif
#ifndef TARNIX_SOURCE_DIR
#define TARNIX_SOURCE_DIR ""
#endif

namespace tarnix
{

namespace
{

bool IsInside(const QString& path, const QString& folder)
{
    if (folder.isEmpty())
    {
        return false;
    }
    const QString inner = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString outer = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return inner == outer || inner.startsWith(outer + u'/');
}

} // namespace

QString FindUserGuide(const QString& programDir, const QString& buildDir, const QString& sourceDir)
{
    // Lexically, so that <prefix>/bin/.. needs no bin folder to exist and symbolic links play no part.
    QStringList candidates{QDir::cleanPath(programDir + QStringLiteral("/../share/doc/tarnix/guide.html"))};
    if (IsInside(programDir, buildDir))
    {
        candidates << QDir(buildDir).filePath(QStringLiteral("guide/guide.html"));
        if (!sourceDir.isEmpty())
        {
            candidates << QDir(sourceDir).filePath(QStringLiteral("README.md"));
        }
    }
    for (const QString& candidate : candidates)
    {
        const QFileInfo file(candidate);
        if (file.isFile())
        {
            return QUrl::fromLocalFile(QDir::cleanPath(file.absoluteFilePath())).toString();
        }
    }
    return {};
}

QString UserGuideUrl()
{
    return FindUserGuide(QCoreApplication::applicationDirPath(), QStringLiteral(TARNIX_BUILD_DIR),
                         QStringLiteral(TARNIX_SOURCE_DIR));
}

} // namespace tarnix
