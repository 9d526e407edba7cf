#pragma once

// What the wizard's pages share: the jersey being edited (its archive, colours, label, save target,
// thumbnail number, the part files handed to the editor and what they were exported as), and the
// settings and game data the pages show and change. The application owns one and hands it to every
// page; pages never reach each other or the application.

#include "archive/JerseyTypes.h"
#include "archive/PartExport.h"
#include "archive/Result.h"
#include "archive/ShirtPictures.h"
#include "teams/TeamRecord.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tarnix
{

class CWorkFolder;

// The two ways to paint: each part as one picture that looks as the game shows it, or a design bitmap of
// colour groups and a shade bitmap per part.
enum class PaintMode
{
    Pictures,
    Designs,
};

// The files handed to the editor: the eight part bitmaps in slot order, then the four pictures by Part.
constexpr int kEditorFileCount = PartSlotCount + 4;
constexpr int kFirstPictureFile = PartSlotCount;

class JerseyModel
{
  public:
    // Sets the game folder and, in the same step, the textures folder under it.
    void SetGameFolder(const QString& folder);

    // Reads the game's team database under the game folder afresh. An empty folder empties the teams.
    // Returns what the user should be told when the teams could not be read (empty otherwise).
    QString ReadTeams();

    // The jersey number of `archive` within the game's textures folder (0 outside it).
    int JerseyNumberOf(const QString& archive) const;

    // Another archive becomes the one being edited: the part files of the old one are deleted, the saved
    // flag is cleared, the colours and the label are read from the new archive's trailer (the default
    // kit colours when it has none), and the save target and the label to save follow the new archive.
    // `m_jerseyPath` is set by the caller when it commits to the archive (page one's Next). Returns the
    // jersey number.
    int ChooseJersey(const QString& archive);

    // After a save, for another jersey: the colours and label of the jersey in `m_jerseyPath` are read as
    // it is stored now (a save may have replaced them, or gone to another file), and target and label
    // follow it again. The part files stay until another archive is chosen. Nothing counts as unsaved.
    void StartOver();

    // Deletes the part files and the pictures and empties their slots.
    void DeletePartFiles();

    // The part files and the pictures, in the order of kEditorFileCount.
    std::array<QString, kEditorFileCount> EditorFiles() const;

    // Where editor file `file` (in the order of kEditorFileCount) of `m_jerseyPath` is written: in the run's
    // work folder, or a new temporary file without one.
    Result<QString> NewEditorFile(int file) const;

    // The files were just written (by the export) or their contents were saved: what they hold now is
    // what PartFilesChanged compares with.
    void MarkPartFilesClean();
    // The files of `mode` were just written from the archive or from the other way's painting: what they
    // hold now is no painting of their own.
    void MarkWritten(PaintMode mode);
    // Whether the files of `mode` exist and hold painting done since they were written.
    bool PaintedSinceWritten(PaintMode mode) const;

    // True when a part file holds something other than what was exported or last saved, so deleting it
    // would lose the user's painting.
    bool PartFilesChanged() const;

    // What was saved (or read from the jersey) is what the work is now: colours, label, target and part
    // files.
    void MarkWorkSaved();
    // Any change since the jersey was chosen or last saved: painted parts, colours, label or target.
    bool HasUnsavedWork() const;

    // The question asked before the part files and the other changes of a jersey are let go for another
    // jersey.
    QString DiscardQuestion() const;
    // The question asked before the wizard ends with unsaved changes.
    static QString QuitQuestion();

    // Tells the work folder what this run holds now, so that a later run can read it back after a crash.
    void WriteWorkRecord();
    // Takes up the work a run that ended without cleaning up left in `run` (which becomes this run's
    // folder): the jersey, its part files as painted, the colours, label and target being edited. False
    // when the record does not name the part files or the pictures it says it holds.
    bool ContinueWork(CWorkFolder& run);

    QString m_gameFolder;
    QString m_previewFile;
    QString m_jerseyLabel;
    JerseyColours m_jerseyColours{};
    // Why the chosen jersey's colours and label could not be read (empty when they were): a save on the
    // defaults shown instead is refused.
    QString m_jerseyReadError;
    QString m_mardekFolder;
    int m_thumbnailNumber = -1;
    int m_saved = 0;
    QString m_versionText;
    QString m_editorPath;
    QString m_texturesFolder;
    QString m_jerseyPath;
    std::array<QString, PartSlotCount> m_partFiles;
    // The colour tables the part files were exported with: what they are read back against.
    ExportedTables m_exportedTables{};
    TeamCollection m_teams;
    // Map colours an editor brought in to the nearest jersey colour instead of refusing them (a setting).
    bool m_nearestColours = false;
    // How the user paints (a setting); the files of the other way may exist too.
    PaintMode m_paintMode = PaintMode::Designs;
    // The four pictures by Part, and what they are traced back against: the kit colours they were
    // written in and the parts they showed then. Kit colours chosen later change no index.
    std::array<QString, 4> m_pictureFiles;
    PictureReference m_pictureReference;

    // The colours page's target and label; they follow the archive chosen on page one.
    QString m_saveTo;
    QString m_label;

    // The run's work folder, where the part files live (none in tests that do not set it: the temporary
    // folder then).
    CWorkFolder* m_work = nullptr;

  private:
    // Reads the archive's colours (the default kit when it has none) and label; the target and the label to
    // save follow it.
    int ReadJersey(const QString& archive);
    // Writes the files of a taken-over run that were removed as never painted again, as handed out.
    void RestoreUnpaintedFiles();

    std::array<std::uint64_t, kEditorFileCount> m_partPrints{};
    std::array<std::uint64_t, kEditorFileCount> m_writtenPrints{};
    KitColours m_savedColours{};
    QString m_savedLabel;
    QString m_savedTarget;
};

} // namespace tarnix
