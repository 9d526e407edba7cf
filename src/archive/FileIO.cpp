#include "archive/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace tarnix
{

namespace fs = std::filesystem;

namespace
{

FileFaultHook& FaultHook()
{
    static FileFaultHook hook;
    return hook;
}

bool Injected(FileOp op, const fs::path& path)
{
    const FileFaultHook& hook = FaultHook();
    return hook && hook(op, path);
}

std::string Cause(int err)
{
    return std::strerror(err != 0 ? err : EIO);
}

std::FILE* OpenFile(const fs::path& path, const char* mode)
{
#ifdef _WIN32
    // The C runtime mingw links (msvcrt.dll) rejects fopen's "x" with EINVAL, so a file that must be new is
    // created with _O_EXCL instead: _wopen then fails with EEXIST when the name is taken (documented for
    // _wopen; Wine's msvcrt would silently ignore the "x").
    if (std::strchr(mode, 'x') != nullptr)
    {
        const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0)
        {
            return nullptr;
        }
        std::FILE* file = _fdopen(fd, "wb");
        if (file == nullptr)
        {
            const int err = errno;
            _close(fd);
            _wremove(path.c_str());
            errno = err;
        }
        return file;
    }
    std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

std::string UniquePart()
{
    static std::mt19937_64 generator{std::random_device{}()};
    static const char digits[] = "0123456789ABCDEF";
    std::uint64_t v = generator();
    std::string s;
    for (int i = 0; i < 8; ++i)
    {
        s += digits[(v >> (4 * i)) & 0xF];
    }
    return s;
}

bool SyncFile(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

} // namespace

std::string PathText(const fs::path& path)
{
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path PathFromText(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

Result<Bytes> ReadWholeFile(const fs::path& path)
{
    if (Injected(FileOp::Open, path))
    {
        return Result<Bytes>::Fail("cannot open \"" + PathText(path) + "\": " + Cause(EIO));
    }
    std::error_code ec;
    if (fs::is_directory(path, ec))
    {
        return Result<Bytes>::Fail("\"" + PathText(path) + "\" is a folder, not a file");
    }
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr)
    {
        return Result<Bytes>::Fail("cannot open \"" + PathText(path) + "\": " + Cause(errno));
    }
    Bytes bytes;
    std::uint8_t buffer[65536];
    for (;;)
    {
        std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < sizeof buffer)
        {
            break;
        }
    }
    // Take the cause before anything else can overwrite errno; an injected fault has none of its own.
    int err = errno;
    bool failed = std::ferror(file) != 0;
    if (!failed && Injected(FileOp::Read, path))
    {
        failed = true;
        err = EIO;
    }
    std::fclose(file);
    if (failed)
    {
        return Result<Bytes>::Fail("cannot read \"" + PathText(path) + "\": " + Cause(err));
    }
    return bytes;
}

Status WriteFileAtomic(const fs::path& path, ByteView bytes)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const fs::path temp = folder / (".~Tar" + UniquePart() + ".tmp");
    auto fail = [&](const std::string& what, int err)
    {
        RemoveFileQuietly(temp);
        return Status::Fail("cannot " + what + " \"" + PathText(path) + "\": " + Cause(err));
    };

    if (Injected(FileOp::Open, temp))
    {
        return fail("write", EACCES);
    }
    std::FILE* file = OpenFile(temp, "wbx");
    if (file == nullptr)
    {
        int err = errno;
        return Status::Fail("cannot write \"" + PathText(path) + "\": " + Cause(err));
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
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
    bool flushed = std::fflush(file) == 0 && SyncFile(file);
    err = errno;
    if (flushed && Injected(FileOp::Flush, temp))
    {
        flushed = false;
        err = EIO;
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

    std::error_code ec;
    auto status = fs::status(path, ec);
    if (!ec && fs::exists(status))
    {
        // Keep the target's permissions, but a read-only target becomes writable, as saving over it does.
        fs::permissions(temp, status.permissions() | fs::perms::owner_write, ec);
#ifdef _WIN32
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    }
    if (Injected(FileOp::Rename, temp))
    {
        return fail("replace", EIO);
    }
    fs::rename(temp, path, ec);
    if (ec)
    {
        RemoveFileQuietly(temp);
        std::string cause = ec.message();
#ifdef _WIN32
        // Windows refuses to replace a file another program holds open without letting others delete it
        // (MoveFileExW fails with access denied), which "Permission denied" alone does not tell the user.
        if (ec == std::errc::permission_denied)
        {
            cause += " (is it open in another program?)";
        }
#endif
        return Status::Fail("cannot replace \"" + PathText(path) + "\": " + cause);
    }
    return {};
}

Result<fs::path> CreateTempFile(const std::string& extension)
{
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec)
    {
        return Result<fs::path>::Fail("cannot find the temporary folder: " + ec.message());
    }
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        fs::path candidate = folder / ("Tar" + UniquePart() + extension);
        if (Injected(FileOp::Open, candidate))
        {
            return Result<fs::path>::Fail("cannot create a temporary file in \"" + PathText(folder) +
                                          "\": " + Cause(EACCES));
        }
        std::FILE* file = OpenFile(candidate, "wbx");
        if (file != nullptr)
        {
            std::fclose(file);
            return candidate;
        }
        if (errno != EEXIST)
        {
            int err = errno;
            return Result<fs::path>::Fail("cannot create a temporary file in \"" + PathText(folder) +
                                          "\": " + Cause(err));
        }
    }
    return Result<fs::path>::Fail("cannot create a temporary file in \"" + PathText(folder) + "\"");
}

std::error_code RenameFile(const fs::path& from, const fs::path& to)
{
    if (Injected(FileOp::Rename, from))
    {
        return std::make_error_code(std::errc::io_error);
    }
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
}

void RemoveFileQuietly(const fs::path& path)
{
    if (path.empty())
    {
        return;
    }
    std::error_code ec;
    fs::remove(path, ec);
}

fs::path FindCaseInsensitive(const fs::path& base, const fs::path& relative)
{
    fs::path current = base;
    auto lower = [](std::string s)
    {
        for (char& c : s)
        {
            if (c >= 'A' && c <= 'Z')
            {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return s;
    };
    for (const fs::path& component : relative)
    {
        if (component.empty() || component == "/")
        {
            continue;
        }
        fs::path exact = current / component;
        std::error_code ec;
#ifndef _WIN32
        // Where names are case-sensitive an exact match is the name on disk. On Windows exists() is true
        // for any spelling, so the folder is searched for the one on disk instead.
        if (fs::exists(exact, ec))
        {
            current = exact;
            continue;
        }
#endif
        fs::path found;
        const std::string wanted = lower(PathText(component));
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec))
        {
            if (lower(PathText(it->path().filename())) == wanted)
            {
                found = it->path();
                break;
            }
        }
        current = found.empty() ? exact : found;
    }
    return current;
}

ScopedFileFaults::ScopedFileFaults(FileFaultHook hook) : m_previous(std::move(FaultHook()))
{
    FaultHook() = std::move(hook);
}

ScopedFileFaults::~ScopedFileFaults()
{
    FaultHook() = std::move(m_previous);
}

} // namespace tarnix
