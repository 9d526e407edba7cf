#pragma once

// The files a run hands to the user's editor are the user's work until it is saved into a jersey, so they
// live where a crash, a kill or a reboot does not take them: one folder per run under the user's state
// folder, locked while the run lives (two runs at once never touch each other's files), with a small
// record beside the files that says what is needed to read them back. A run that ends normally removes
// its folder; the next start finds the folders of runs that did not, and offers back what was painted.

#include "archive/JerseyTypes.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class QLockFile;

namespace tarnix
{

// $XDG_STATE_HOME/tarnix/work (by default ~/.local/state/tarnix/work); %LOCALAPPDATA%\Tarnix\work on
// Windows.
QString WorkFolderRoot();

// The name of a jersey's working file, which is also what an editor's title bar shows: "PK001 front
// design.bmp" for a role, "PK001 front.png" without one. `jersey` is the archive's path or name.
QString WorkFileName(const QString& jersey, Part part, const QString& role, const QString& extension);

// The name of a part-bitmap slot's file: "PK001 back shade.bmp".
QString PartSlotFileName(const QString& jersey, int slot);

// A fingerprint of a file's bytes, never 0; 0 when the file cannot be read (it holds nothing to lose).
std::uint64_t FilePrint(const QString& path);

// What a run keeps beside its files.
struct WorkRecord
{
    struct File
    {
        QString name;            // in the run's folder
        std::uint64_t print = 0; // of the contents as exported or last saved: any other print is painting
    };

    QString jersey; // the archive the files were made from
    QList<File> files;
    // Everything else a reader needs, under keys of its own: the exported colour tables, the colours and
    // label being edited, a picture reference.
    QJsonObject values;
};

class CWorkFolder
{
  public:
    // A new folder for this run under `root`, locked for as long as the object lives; null when it cannot
    // be made (the run then works without one).
    static std::unique_ptr<CWorkFolder> Create(const QString& root);

    // The folders under `root` of runs that ended without cleaning up (their process is gone), locked for
    // the caller, newest painting first. Files that were never painted are removed on the way, and
    // folders left with nothing painted go entirely; painted files are never removed here.
    static std::vector<std::unique_ptr<CWorkFolder>> TakeOverEndedRuns(const QString& root);

    ~CWorkFolder(); // releases the lock; the files and the record stay (see Finish and Discard)
    CWorkFolder(const CWorkFolder&) = delete;
    CWorkFolder& operator=(const CWorkFolder&) = delete;

    const QString& Path() const { return m_path; }
    QString FilePath(const QString& name) const;

    const WorkRecord& Record() const { return m_record; }
    // Replaces the record on disk in one step. False when it could not be written.
    bool WriteRecord(const WorkRecord& record);

    // The recorded files that hold painting, and when the newest of them was last changed.
    QStringList PaintedFiles() const;
    QDateTime LastPainted() const;

    // The run ends normally: the record and the lock go, and the folder when nothing else is left in it.
    void Finish();
    // The user let the work go: the folder goes with everything in it.
    void Discard();

  private:
    CWorkFolder(QString path, std::unique_ptr<QLockFile> lock);
    bool ReadRecord();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    WorkRecord m_record;
};

} // namespace tarnix
