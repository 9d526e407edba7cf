#include "ui/OrphanFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarnix
{

int RemoveOrphanPartFiles(const QString& folder, const QDateTime& now)
{
    int removed = 0;
    // Older than what a running Tarnix is likely to hold; and the colours page makes its files afresh each
    // time it is shown.
    for (const QFileInfo& file :
         QDir(folder).entryInfoList({QStringLiteral("Tar*.bmp")}, QDir::Files | QDir::CaseSensitive))
    {
        if (file.lastModified().secsTo(now) > 24 * 60 * 60 && QFile::remove(file.filePath()))
        {
            ++removed;
        }
    }
    return removed;
}

} // namespace tarnix
