#pragma once

// Saving: the source archive patched with twelve entries derived from the four composed parts and with
// our trailer, written to the target in one atomic replacement.

#include "archive/Compose.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"
#include "archive/Sampling.h"

#include <filesystem>
#include <string>

namespace tarnix
{

struct SaveRequest
{
    std::filesystem::path source; // the archive being edited
    std::filesystem::path target; // may be the same file
    ComposedFiles composed;       // front, back, long sleeve, short sleeve
    KitColours colours{};         // 0-23 (the colours page stores 23 as 22)
    std::string label;            // UTF-8; must be representable in Windows-1252

    // A jersey the save replaces is first copied to `backupFolder` (see Backup.h), so that the save can be
    // undone; the default folder is DefaultBackupFolder().
    bool keepBackup = true;
    std::filesystem::path backupFolder;
};

// What must hold before anything is read or written: a target, seven named colours, a label that
// Windows-1252 can store. The messages are the ones the user sees, in the program and the command line.
Status CheckSaveRequest(const SaveRequest& request);

// The 24-byte record saving writes: byte 0 = 1, bytes 1-7 the low bytes of the colours, the rest zero.
JerseyColours SavedRecord(const KitColours& colours);

// The saved archive in memory: `source` with the twelve entries rewritten from `parts` by the sampling
// table and the trailer written at the header's total size. Every entry is checked to exist and to lie
// inside the archive data before anything is changed; `source` is the caller's copy to patch.
Status PatchArchive(Bytes& source, const PartPictures& parts, const JerseyColours& record,
                    std::string_view labelBytes, const std::string& archiveName);

// Saves pictures already composed in memory (the command line's way); `request.composed` is not read.
Status SaveJerseyPictures(const SaveRequest& request, const PartPictures& parts, JerseyColours& record,
                          std::filesystem::path* backup = nullptr);

// Reads the source and the four composed bitmaps once each and replaces the target once. The result is
// the source's bytes patched, whether the target is the source itself, a new file or another existing
// file. A replaced file keeps its permissions (see WriteFileAtomic). When the target existed and backups
// are on, its old contents are copied to the backup folder first, and `backup` (when given) receives the
// copy's path; it is left empty when nothing was replaced or backups are off. A copy that cannot be made
// stops the save. On success `record` holds the 24 bytes written; on failure the target is exactly as it
// was, no temporary file or copy is left and `record` is unchanged.
Status SaveJersey(const SaveRequest& request, JerseyColours& record, std::filesystem::path* backup = nullptr);

} // namespace tarnix
