#include "archive/FileIO.h"

#include "archive/FileIOInternal.h"

#include <algorithm>
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
#include <fcntl.h>
#include <sys/stat.h>
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

} // namespace

namespace file_detail
{

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

} // namespace file_detail

using namespace file_detail;

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
    auto tooLarge = [&](std::uint64_t size)
    {
        return Result<Bytes>::Fail("\"" + PathText(path) + "\" is too large to be a game file (" +
                                   std::to_string(size) + " bytes; files of at most " +
                                   std::to_string(kMaxInputFileSize / (1024 * 1024)) + " MiB are read)");
    };
    // Asked before the bytes are read, so that a test may also change the file then, as a writer would.
    auto readFault = [&] { return Result<Bytes>::Fail("cannot read \"" + PathText(path) + "\": " + Cause(EIO)); };
    Bytes bytes;
    int err = 0;
    bool failed = false;
#ifdef _WIN32
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!ec && fs::is_directory(status))
    {
        return Result<Bytes>::Fail("\"" + PathText(path) + "\" is a folder, not a file");
    }
    if (!ec && !fs::is_regular_file(status))
    {
        return Result<Bytes>::Fail("\"" + PathText(path) + "\" is a device or pipe, not a file");
    }
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr)
    {
        return Result<Bytes>::Fail("cannot open \"" + PathText(path) + "\": " + Cause(errno));
    }
    const std::uint64_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxInputFileSize)
    {
        std::fclose(file);
        return tooLarge(size);
    }
    if (Injected(FileOp::Read, path))
    {
        std::fclose(file);
        return readFault();
    }
    std::uint8_t buffer[65536];
    for (;;)
    {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        if (bytes.size() + got > kMaxInputFileSize)
        {
            std::fclose(file);
            return tooLarge(bytes.size() + got);
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < sizeof buffer)
        {
            break;
        }
    }
    err = errno;
    failed = std::ferror(file) != 0;
    std::fclose(file);
#else
    // Not blocking: opening a pipe for reading would otherwise wait for a writer before we could look at it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
    {
        return Result<Bytes>::Fail("cannot open \"" + PathText(path) + "\": " + Cause(errno));
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
    {
        err = errno;
        ::close(fd);
        return Result<Bytes>::Fail("cannot read \"" + PathText(path) + "\": " + Cause(err));
    }
    if (!S_ISREG(info.st_mode))
    {
        ::close(fd);
        const char* what = S_ISDIR(info.st_mode)    ? "a folder"
                           : S_ISFIFO(info.st_mode) ? "a pipe"
                           : S_ISSOCK(info.st_mode) ? "a socket"
                                                    : "a device";
        return Result<Bytes>::Fail("\"" + PathText(path) + "\" is " + what + ", not a file");
    }
    if (static_cast<std::uint64_t>(info.st_size) > kMaxInputFileSize)
    {
        ::close(fd);
        return tooLarge(static_cast<std::uint64_t>(info.st_size));
    }
    if (Injected(FileOp::Read, path))
    {
        ::close(fd);
        return readFault();
    }
    // The size is a hint: a file that grows while we read is read on, up to the limit.
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    for (;;)
    {
        if (filled == bytes.size())
        {
            if (bytes.size() > kMaxInputFileSize)
            {
                ::close(fd);
                return tooLarge(bytes.size());
            }
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMaxInputFileSize + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
        {
            continue;
        }
        if (got < 0)
        {
            err = errno;
            failed = true;
            break;
        }
        if (got == 0)
        {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    ::close(fd);
#endif
    if (failed)
    {
        return Result<Bytes>::Fail("cannot read \"" + PathText(path) + "\": " + Cause(err));
    }
    return bytes;
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

int ClaimNewFile(const fs::path& path)
{
    if (Injected(FileOp::Open, path))
    {
        return EIO;
    }
    std::FILE* file = OpenFile(path, "wbx");
    if (file == nullptr)
    {
        return errno != 0 ? errno : EIO;
    }
    std::fclose(file);
    return 0;
}

std::string ErrorText(int err)
{
    return Cause(err);
}

void RemoveFileQuietly(const fs::path& path)
{
    if (path.empty())
    {
        return;
    }
    std::error_code ec;
    fs::remove(path, ec);
#ifdef _WIN32
    // Windows does not delete a read-only file.
    if (ec && fs::exists(path, ec))
    {
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove(path, ec);
    }
#endif
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
