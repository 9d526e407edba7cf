#include "ui/OrphanFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

namespace tarnix
{

namespace
{

const QString kRunPattern = QStringLiteral("tarnix-run-*.lock");

QString HeldListOf(const QString& lockPath)
{
    return lockPath.chopped(5) + QStringLiteral(".held");
}

// The part files held by runs that are still alive; locks of runs that are gone are removed.
QSet<QString> HeldByLiveRuns(const QDir& dir)
{
    QSet<QString> held;
    for (const QString& name : dir.entryList({kRunPattern}, QDir::Files | QDir::Hidden))
    {
        const QString lockPath = dir.filePath(name);
        QLockFile lock(lockPath);
        // Age alone never makes a lock stale: a run may go on for days. Only a lock whose process is gone
        // is taken over.
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
        {
            lock.unlock();
            QFile::remove(HeldListOf(lockPath));
            continue;
        }
        QFile list(HeldListOf(lockPath));
        if (list.open(QIODevice::ReadOnly | QIODevice::Text))
        {
            for (const QByteArray& line : list.readAll().split('\n'))
            {
                if (!line.isEmpty())
                {
                    held.insert(QFileInfo(QString::fromUtf8(line)).fileName());
                }
            }
        }
    }
    return held;
}

} // namespace

CRunRegistration::CRunRegistration(const QString& folder)
{
    const QString base = QDir(folder).filePath(
        QStringLiteral("tarnix-run-%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(12)));
    auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
    {
        m_lock = std::move(lock);
        m_heldFile = base + QStringLiteral(".held");
    }
}

CRunRegistration::~CRunRegistration()
{
    if (!m_heldFile.isEmpty())
    {
        QFile::remove(m_heldFile);
    }
}

void CRunRegistration::SetHeldFiles(const QStringList& files)
{
    if (m_heldFile.isEmpty())
    {
        return;
    }
    QSaveFile out(m_heldFile);
    if (out.open(QIODevice::WriteOnly | QIODevice::Text))
    {
        for (const QString& file : files)
        {
            if (!file.isEmpty())
            {
                out.write(file.toUtf8() + '\n');
            }
        }
        out.commit();
    }
}

int RemoveOrphanPartFiles(const QString& folder, const QDateTime& now)
{
    const QDir dir(folder);
    const QSet<QString> held = HeldByLiveRuns(dir);
    int removed = 0;
    for (const QFileInfo& file :
         dir.entryInfoList({QStringLiteral("Tar*.bmp")}, QDir::Files | QDir::CaseSensitive))
    {
        if (file.lastModified().secsTo(now) > 24 * 60 * 60 && !held.contains(file.fileName()) &&
            QFile::remove(file.filePath()))
        {
            ++removed;
        }
    }
    return removed;
}

} // namespace tarnix
