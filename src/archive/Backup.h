#pragma once

// Copies of the jerseys a save replaced, so that a save can be undone: kept in the program's data folder,
// named after the jersey and the time of the save, the newest few per jersey name.

#include "archive/ByteReader.h"
#include "archive/Result.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace tarnix
{

// How many copies of one jersey name are kept; older ones are removed after a successful save.
inline constexpr std::size_t kBackupsKept = 20;

// $XDG_DATA_HOME/tarnix/backups (by default ~/.local/share/tarnix/backups); %LOCALAPPDATA%\Tarnix\backups
// on Windows. Fails when the environment names no such folder.
Result<std::filesystem::path> DefaultBackupFolder();

// "PK012-20261207-095144-123.FSH": the jersey's name with the local time of `when` to the millisecond.
std::string BackupName(const std::filesystem::path& jersey, std::chrono::system_clock::time_point when);

// Writes `bytes` (the contents of `jersey`, about to be replaced) as a new file in `folder`, created when
// missing, and flushes it to the disk. Returns the copy's path; on failure nothing is left in `folder`.
Result<std::filesystem::path> WriteBackup(const std::filesystem::path& jersey, ByteView bytes,
                                          const std::filesystem::path& folder,
                                          std::chrono::system_clock::time_point when);

// Removes all but the newest `keep` copies of `jersey`'s name from `folder`. Copies of other jerseys,
// and files not named by BackupName, are left alone.
void PruneBackups(const std::filesystem::path& folder, const std::filesystem::path& jersey,
                  std::size_t keep = kBackupsKept);

} // namespace tarnix
