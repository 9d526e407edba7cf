#pragma once

// The one file layer of the core: whole-file reads, atomic replacement of a user's file, temporary files.
// Files here are small, so every file is read into memory once and written once.

#include "archive/ByteReader.h"
#include "archive/Result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace tarnix
{

// A path as UTF-8 text for messages.
std::string PathText(const std::filesystem::path& path);

// A path from UTF-8 text (command line, settings, JSON).
std::filesystem::path PathFromText(const std::string& utf8);

// Every file the program reads (jerseys, bitmaps, the team database) is a few hundred kilobytes at most;
// anything far larger is not one of them, and reading it whole could exhaust memory.
inline constexpr std::uint64_t kMaxInputFileSize = 64ull * 1024 * 1024;

// Reads a regular file of at most kMaxInputFileSize bytes. Devices, pipes, sockets and folders are refused
// without being read (a pipe is not even waited on), and so is a larger file, with its size in the message.
Result<Bytes> ReadWholeFile(const std::filesystem::path& path);

// Whether a file is flushed to the disk before it is renamed into place. The user's own files (a saved
// jersey, a thumbnail) are; files that only feed an editor or the next step are staged and renamed all the
// same, so that they are never seen half-written, but a crash may lose them as it would any temporary file.
enum class Flush
{
    Yes,
    No,
};

// Replaces (or creates) `path` with `bytes`: a temporary file in the same folder is written, flushed and
// renamed over the target, and then the folder itself is flushed so that the rename survives a crash. The
// target is either wholly old or wholly new. A replaced file keeps its permission bits exactly (a read-only
// file stays read-only) and, where the system allows it, its owner and group. Being a new file, it no
// longer shares its contents with other hard links to the old one. A target that exists but is not a
// regular file (a device, a pipe) is refused. Until it takes the replaced file's mode the temporary file is
// readable by its owner alone, and a mode that cannot be set fails the write. On failure nothing is left
// behind and the target is untouched.
Status WriteFileAtomic(const std::filesystem::path& path, ByteView bytes, Flush flush = Flush::Yes);

// Creates a new empty file with a unique name in the system's temporary folder, named "Tar" followed by
// a unique part and `extension` (for example ".bmp"), and returns its path.
Result<std::filesystem::path> CreateTempFile(const std::string& extension);

// Renames `from` over `to`, replacing any file there. Goes through the fault hook (FileOp::Rename, asked
// with `from`) like every other file operation, so that callers that move several files can be tested.
std::error_code RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes a file; an empty path or a missing file is harmless.
void RemoveFileQuietly(const std::filesystem::path& path);

// Creates `path` as a new empty file: 0, EEXIST when the name is taken, or the error that stopped it. Two
// processes can never both claim one name.
int ClaimNewFile(const std::filesystem::path& path);

// The text of an error number, for messages.
std::string ErrorText(int err);

// Finds `relative` (for example "Data/Player/Textures") under `base` whatever the letter case of each
// component on disk. Returns the path as found, or base / relative when some component does not exist.
std::filesystem::path FindCaseInsensitive(const std::filesystem::path& base,
                                          const std::filesystem::path& relative);

// Fault injection for tests: when a hook is set, every file operation asks it and fails when it answers
// true: before the call, except that a new file is opened first, so that its removal is seen, and a file
// is read after its size is known, so that the hook may grow it as another writer would. Production code
// never sets it.
enum class FileOp
{
    Open,
    Read,
    Write,
    Flush,
    Sync, // the file's data flushed to the disk, for files written with Flush::Yes
    Mode, // a replacing file given the replaced one's permission bits
    Rename,
};
using FileFaultHook = std::function<bool(FileOp op, const std::filesystem::path& path)>;

class ScopedFileFaults
{
  public:
    explicit ScopedFileFaults(FileFaultHook hook);
    ~ScopedFileFaults();
    ScopedFileFaults(const ScopedFileFaults&) = delete;
    ScopedFileFaults& operator=(const ScopedFileFaults&) = delete;

  private:
    FileFaultHook m_previous;
};

} // namespace tarnix
