#pragma once

// Helpers shared by the tests: a private temporary folder, the sample game folder, running tarnix-cli.

#include "archive/ByteReader.h"

#include <filesystem>
#include <string>
#include <vector>

// Skips a GoogleTest case on Windows, for behaviour only POSIX systems have (permissions, FIFOs, shells).
#ifdef _WIN32
#define TARNIX_POSIX_ONLY(reason) GTEST_SKIP() << "POSIX only: " << (reason)
#else
#define TARNIX_POSIX_ONLY(reason) static_cast<void>(0)
#endif

namespace tarnix::test
{

// Whether a file still has the permissions `before`: every bit on POSIX; Windows has only the read-only
// attribute (a read-only file reads as 0444, any other as 0666).
inline bool SamePermissions(std::filesystem::perms now, std::filesystem::perms before)
{
#ifdef _WIN32
    using P = std::filesystem::perms;
    return ((now & P::owner_write) == P::none) == ((before & P::owner_write) == P::none);
#else
    return now == before;
#endif
}

// A fresh folder under the system's temporary folder, removed with everything in it on destruction.
class TempDir
{
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

std::filesystem::path SampleGameFolder();
std::filesystem::path SampleTexturesFolder();
std::filesystem::path SampleJerseyPath(int number);

Bytes ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);

struct CommandResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs tarnix-cli with the given arguments (each passed as one argument, whatever it holds).
CommandResult RunCli(const std::vector<std::string>& args);

} // namespace tarnix::test
