#include "archive/FileIO.h"

#include "archive/FileIOInternal.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Atomic replacement of a user's file: a temporary file beside it, written, given the target's mode,
// flushed and renamed over it.

namespace tarnix
{

namespace fs = std::filesystem;
using namespace file_detail;

namespace
{

// A temporary file that will replace an existing one is created readable by its owner alone: until the
// target's own mode is set on it, a jersey kept private must not be readable by others through it. A new
// file is created with the mode any new file of the user gets. A test's fault fails the open once the file
// exists, as a stream that cannot be made (memory running out) would: the file is then seen to go again.
std::FILE* OpenTemporary(const fs::path& temp, bool replacing)
{
#ifdef _WIN32
    (void)replacing;
    if (Injected(FileOp::Open, temp))
    {
        errno = EACCES;
        return nullptr;
    }
    return OpenFile(temp, "wbx");
#else
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
    if (fd < 0)
    {
        return nullptr;
    }
    std::FILE* file = nullptr;
    if (Injected(FileOp::Open, temp))
    {
        errno = EACCES;
    }
    else
    {
        file = ::fdopen(fd, "wb");
    }
    if (file == nullptr)
    {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        errno = err;
    }
    return file;
#endif
}

// 0 or the error of flushing the file's data to the disk.
int SyncFile(std::FILE* file, const fs::path& path)
{
    if (Injected(FileOp::Sync, path))
    {
        return EIO;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0 ? 0 : errno;
#else
    return ::fsync(fileno(file)) == 0 ? 0 : errno;
#endif
}

// Gives the new file that replaces `target` the target's owner, group and permission bits; 0 or the error
// that kept the mode from being set. The owner and group can only be kept where the system lets us (an
// ordinary user cannot give a file away), and the group is tried on its own when the pair is refused. The
// mode is set after the data is written, as a write (and a change of owner) clears the set-user-id bits.
// Windows keeps its one permission, read-only, once the file is in place (see WriteFileAtomic).
int KeepOwnerAndMode(std::FILE* file, const fs::path& temp, const fs::path& target)
{
    if (Injected(FileOp::Mode, temp))
    {
        return EIO;
    }
#ifdef _WIN32
    (void)file;
    (void)target;
    return 0;
#else
    struct stat info
    {
    };
    if (::stat(target.c_str(), &info) != 0)
    {
        return errno;
    }
    const int fd = fileno(file);
    if (::fchown(fd, info.st_uid, info.st_gid) != 0)
    {
        (void)::fchown(fd, static_cast<uid_t>(-1), info.st_gid);
    }
    return ::fchmod(fd, info.st_mode & 07777) == 0 ? 0 : errno;
#endif
}

// Makes a rename in `folder` durable; 0 or the error. File systems that cannot flush a folder say so with
// EINVAL, and a folder we may not open for reading cannot be flushed by us: neither is a failure to report.
int SyncFolder(const fs::path& folder)
{
#ifdef _WIN32
    (void)folder; // NTFS journals the rename itself
    return 0;
#else
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
    {
        return 0;
    }
    int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err == EINVAL || err == ENOTSUP || err == EROFS ? 0 : err;
#endif
}

} // namespace

Status WriteFileAtomic(const fs::path& path, ByteView bytes, Flush flush)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const fs::path temp = folder / (".~Tar" + UniquePart() + ".tmp");
    auto fail = [&](const std::string& what, int err)
    {
        RemoveFileQuietly(temp);
        return Status::Fail("cannot " + what + " \"" + PathText(path) + "\": " + Cause(err));
    };

    std::error_code ec;
    const fs::file_status existing = fs::status(path, ec);
    const bool replacing = !ec && fs::exists(existing);
    if (replacing && !fs::is_regular_file(existing))
    {
        return Status::Fail("cannot write \"" + PathText(path) + "\": it exists and is not a file");
    }

    std::FILE* file = OpenTemporary(temp, replacing);
    if (file == nullptr)
    {
        int err = errno;
        return Status::Fail("cannot write \"" + PathText(path) + "\": " + Cause(err));
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    int err = errno;
    if (written && Injected(FileOp::Write, temp))
    {
        written = false;
        err = EIO;
    }
    if (!written)
    {
        std::fclose(file);
        return fail("write", err);
    }
    if (replacing)
    {
        if (err = KeepOwnerAndMode(file, temp, path); err != 0)
        {
            std::fclose(file);
            return fail("set the permissions of", err);
        }
    }
    bool flushed = !Injected(FileOp::Flush, temp);
    err = EIO;
    if (flushed && flush == Flush::Yes)
    {
        err = SyncFile(file, temp);
        flushed = err == 0;
    }
    if (std::fclose(file) != 0 && flushed)
    {
        flushed = false;
        err = errno;
    }
    if (!flushed)
    {
        return fail("write", err);
    }
    if (Injected(FileOp::Rename, temp))
    {
        return fail("replace", EIO);
    }
#ifdef _WIN32
    // Windows refuses to rename over a read-only file: the target is writable for the rename only, and the
    // new file takes the old one's attributes once it is in place. Until then the temporary file stays
    // writable, or a failed rename could not remove it.
    const bool readOnly = replacing && (existing.permissions() & fs::perms::owner_write) == fs::perms::none;
    if (readOnly)
    {
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
    }
#endif
    fs::rename(temp, path, ec);
    if (ec)
    {
        RemoveFileQuietly(temp);
        std::string cause = ec.message();
#ifdef _WIN32
        std::error_code ignored;
        if (readOnly)
        {
            fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove, ignored);
        }
        // Windows refuses to replace a file another program holds open without letting others delete it
        // (MoveFileExW fails with access denied), which "Permission denied" alone does not tell the user.
        if (ec == std::errc::permission_denied)
        {
            cause += " (is it open in another program?)";
        }
#endif
        return Status::Fail("cannot replace \"" + PathText(path) + "\": " + cause);
    }
#ifdef _WIN32
    if (replacing)
    {
        std::error_code ignored;
        fs::permissions(path, existing.permissions(), ignored);
    }
#endif
    if (flush == Flush::Yes)
    {
        if (int dirErr = SyncFolder(folder); dirErr != 0)
        {
            return Status::Fail("\"" + PathText(path) + "\" was written, but its folder could not be flushed to " +
                                "the disk, so the change may not survive a crash: " + Cause(dirErr));
        }
    }
    return {};
}

} // namespace tarnix
