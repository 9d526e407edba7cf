#pragma once

// Tells when files an outside editor works on have been saved. Editors save by writing a new file and
// renaming it over the old one: the watcher gives them a moment to finish, waits a while for a file that
// is briefly missing between the delete and the rename, and follows the new file.

#include <QObject>
#include <QSet>
#include <QStringList>

class QFileSystemWatcher;
class QTimer;

namespace tarnix
{

class CPartFileWatcher : public QObject
{
    Q_OBJECT

  public:
    explicit CPartFileWatcher(QObject* parent = nullptr);

    // Watches exactly the files of `files` that exist now.
    void Watch(const QStringList& files);

  signals:
    // The files saved since the last report, each once.
    void Saved(const QSet<QString>& files);

  private:
    void OnFileChanged(const QString& path);
    void OnSettled();

    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_timer = nullptr;
    QStringList m_files;
    QSet<QString> m_changed;
    int m_missingRetries = 0;
};

} // namespace tarnix
