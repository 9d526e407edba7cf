#pragma once

// The part files handed to a bitmap editor live in the temporary folder under our "Tar" prefix. An editor
// that saves after Tarnix has deleted its file (the jersey changed, the program closed) writes it anew,
// and nobody deletes it then. Each run therefore registers itself with a lock file and the list of the
// part files it holds, and start-up removes the part files that are more than a day old and that no
// running Tarnix holds.

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace tarnix
{

class CRunRegistration
{
  public:
    // Registers this run in `folder` (the temporary folder). Without a lock the run still works; it only
    // cannot tell later runs which files it holds.
    explicit CRunRegistration(const QString& folder);
    ~CRunRegistration();
    CRunRegistration(const CRunRegistration&) = delete;
    CRunRegistration& operator=(const CRunRegistration&) = delete;

    // The part files this run holds now.
    void SetHeldFiles(const QStringList& files);

  private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_heldFile;
};

// Removes the "Tar*.bmp" files of `folder` last changed more than a day before `now` that no running
// Tarnix holds, and the registrations of runs that ended without removing theirs. Returns how many part
// files were removed.
int RemoveOrphanPartFiles(const QString& folder, const QDateTime& now);

} // namespace tarnix
