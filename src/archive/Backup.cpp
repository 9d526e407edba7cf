#include "archive/Backup.h"

#include "archive/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace tarnix
{

namespace fs = std::filesystem;

namespace
{

// "20261207-095144-123": fixed width, so that names sort by time.
constexpr std::size_t kStampLength = 19;

bool IsStamp(std::string_view text)
{
    if (text.size() < kStampLength)
    {
        return false;
    }
    for (std::size_t i = 0; i < kStampLength; ++i)
    {
        const bool dash = i == 8 || i == 15;
        if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9'))
        {
            return false;
        }
    }
    // Two saves within one millisecond get a counter behind the stamp: "-02".
    std::string_view rest = text.substr(kStampLength);
    return rest.empty() || (rest.size() == 3 && rest[0] == '-' && rest[1] >= '0' && rest[1] <= '9' &&
                            rest[2] >= '0' && rest[2] <= '9');
}

} // namespace

Result<fs::path> DefaultBackupFolder()
{
#ifdef _WIN32
    if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local != nullptr && *local != 0)
    {
        return fs::path(local) / "Tarnix" / "backups";
    }
    return Result<fs::path>::Fail("cannot find the folder for backups: LOCALAPPDATA is not set");
#else
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
    {
        return fs::path(data) / "tarnix" / "backups";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0)
    {
        return fs::path(home) / ".local" / "share" / "tarnix" / "backups";
    }
    return Result<fs::path>::Fail("cannot find the folder for backups: neither XDG_DATA_HOME nor HOME is set");
#endif
}

std::string BackupName(const fs::path& jersey, std::chrono::system_clock::time_point when)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() % 1000;
    std::tm local{};
    if (const std::tm* converted = std::localtime(&seconds); converted != nullptr)
    {
        local = *converted;
    }
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-%03d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
    return PathText(jersey.stem()) + "-" + stamp + PathText(jersey.extension());
}

Result<fs::path> WriteBackup(const fs::path& jersey, ByteView bytes, const fs::path& folder,
                             std::chrono::system_clock::time_point when)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
    {
        return Result<fs::path>::Fail("cannot create the folder \"" + PathText(folder) + "\": " + ec.message());
    }
    const std::string name = BackupName(jersey, when);
    const std::string extension = PathText(jersey.extension());
    const std::string stem = name.substr(0, name.size() - extension.size());
    // The name is claimed before it is written: two saves of one jersey in the same millisecond (two
    // programs, or tests running side by side) each get a name of their own.
    fs::path copy = folder / name;
    for (int n = 2;; ++n)
    {
        const int claimed = ClaimNewFile(copy);
        if (claimed == 0)
        {
            break;
        }
        if (claimed != EEXIST || n == 100)
        {
            return Result<fs::path>::Fail("cannot write \"" + PathText(copy) + "\": " + ErrorText(claimed));
        }
        copy = folder / (stem + (n < 10 ? "-0" : "-") + std::to_string(n) + extension);
    }
    if (Status written = WriteFileAtomic(copy, bytes, Flush::Yes); !written)
    {
        RemoveFileQuietly(copy);
        return written;
    }
    return copy;
}

void PruneBackups(const fs::path& folder, const fs::path& jersey, std::size_t keep)
{
    const std::string prefix = PathText(jersey.stem()) + "-";
    const std::string extension = PathText(jersey.extension());
    std::vector<std::string> stamps;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    {
        const std::string name = PathText(it->path().filename());
        if (name.size() <= prefix.size() + extension.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        {
            continue;
        }
        std::string stamp = name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
        if (IsStamp(stamp))
        {
            stamps.push_back(std::move(stamp));
        }
    }
    if (stamps.size() <= keep)
    {
        return;
    }
    std::sort(stamps.begin(), stamps.end());
    for (std::size_t i = 0; i + keep < stamps.size(); ++i)
    {
        RemoveFileQuietly(folder / PathFromText(prefix + stamps[i] + extension));
    }
}

} // namespace tarnix
