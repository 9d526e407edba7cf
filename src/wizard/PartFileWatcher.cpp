#include "wizard/PartFileWatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace tarnix
{

namespace
{

// Editors save by writing a new file and renaming it over the old one; give them a moment to finish.
constexpr int kSettleDelayMs = 150;
constexpr int kMissingRetries = 20;

} // namespace

CPartFileWatcher::CPartFileWatcher(QObject* parent) : QObject(parent)
{
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CPartFileWatcher::OnFileChanged);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kSettleDelayMs);
    connect(m_timer, &QTimer::timeout, this, &CPartFileWatcher::OnSettled);
}

void CPartFileWatcher::Watch(const QStringList& files)
{
    const QStringList watched = m_watcher->files();
    if (!watched.isEmpty())
    {
        m_watcher->removePaths(watched);
    }
    m_files.clear();
    for (const QString& file : files)
    {
        if (!file.isEmpty())
        {
            m_files.append(file);
        }
    }
    QStringList existing;
    for (const QString& file : m_files)
    {
        if (QFileInfo::exists(file))
        {
            existing.append(file);
        }
    }
    if (!existing.isEmpty())
    {
        m_watcher->addPaths(existing);
    }
}

void CPartFileWatcher::OnFileChanged(const QString& path)
{
    m_changed.insert(path);
    m_timer->start();
}

void CPartFileWatcher::OnSettled()
{
    const QSet<QString> changed = std::exchange(m_changed, {});
    const QStringList watched = m_watcher->files();
    QSet<QString> saved;
    for (const QString& file : changed)
    {
        if (!m_files.contains(file))
        {
            continue;
        }
        if (!QFileInfo::exists(file))
        {
            // Between the editor's delete and its rename: look again shortly, for a while.
            if (m_missingRetries++ < kMissingRetries)
            {
                m_changed.insert(file);
            }
            continue;
        }
        // A file replaced by a rename is no longer watched: watch its successor.
        if (!watched.contains(file))
        {
            m_watcher->addPath(file);
        }
        saved.insert(file);
    }
    if (m_changed.isEmpty())
    {
        m_missingRetries = 0;
    }
    else
    {
        m_timer->start();
    }
    if (!saved.isEmpty())
    {
        emit Saved(saved);
    }
}

} // namespace tarnix
