#include "archive/FileIO.h"
#include "archive/Backup.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <regex>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

#ifdef __linux__
std::ptrdiff_t OpenDescriptors()
{
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}
#endif

} // namespace

// A file of exactly the limit is read whole; one byte more is refused. Whatever is refused leaves no
// descriptor open behind it: a long session refuses many files.
TEST(ReadWholeFile, ReadsUpToTheLimitAndLeavesNothingOpen)
{
    test::TempDir dir;
    const fs::path file = dir / "big.fsh";
    test::WriteBytes(file, Bytes{'S', 'H', 'P', 'I'});
    fs::resize_file(file, kMaxInputFileSize); // sparse: no disk space taken
    auto whole = ReadWholeFile(file);
    ASSERT_TRUE(whole.ok()) << whole.error();
    EXPECT_EQ(whole->size(), kMaxInputFileSize);
    EXPECT_EQ((*whole)[3], 'I');
    fs::resize_file(file, kMaxInputFileSize + 1);

#ifdef __linux__
    // A file that says it is empty and holds more, as a file still being written can: read to its end.
    std::ifstream stream("/proc/self/environ", std::ios::binary);
    const Bytes environment{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    ASSERT_EQ(fs::file_size("/proc/self/environ"), 0u);
    auto read = ReadWholeFile("/proc/self/environ");
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(*read, environment);

    const fs::path fifo = dir / "pipe.fsh";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::ptrdiff_t before = OpenDescriptors();
    for (const fs::path& refused : {file, dir.path(), fifo, fs::path("/dev/null"), dir / "missing.fsh"})
    {
        EXPECT_FALSE(ReadWholeFile(refused).ok()) << PathText(refused);
        EXPECT_EQ(OpenDescriptors(), before) << PathText(refused);
    }
    // Nor does a new file made or claimed; a name that is taken stays the other file's.
    auto temp = CreateTempFile(".bmp");
    ASSERT_TRUE(temp.ok()) << temp.error();
    EXPECT_TRUE(std::regex_match(PathText(temp->filename()), std::regex("Tar[0-9A-F]{8}\\.bmp")));
    EXPECT_EQ(ClaimNewFile(dir / "claimed.bmp"), 0);
    EXPECT_EQ(ClaimNewFile(dir / "claimed.bmp"), EEXIST);
    EXPECT_EQ(OpenDescriptors(), before);
    fs::remove(*temp);
    // Nor a write that fails at any step, replacing a file or not.
    for (FileOp failing : {FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Sync, FileOp::Mode, FileOp::Rename})
    {
        for (const char* name : {"new.bin", "claimed.bmp"})
        {
            ScopedFileFaults faults([&](FileOp op, const fs::path&) { return op == failing; });
            (void)WriteFileAtomic(dir / name, Bytes{1});
            EXPECT_EQ(OpenDescriptors(), before) << name << " " << static_cast<int>(failing);
        }
    }
#else
    EXPECT_FALSE(ReadWholeFile(file).ok());
#endif
}

#ifndef _WIN32
// Backups go to $XDG_DATA_HOME/tarnix/backups when that is an absolute path, else under $HOME.
TEST(SaveBackup, DefaultFolderFollowsXdgDataHome)
{
    const std::string data = std::getenv("XDG_DATA_HOME");
    auto folder = DefaultBackupFolder();
    ASSERT_TRUE(folder.ok()) << folder.error();
    EXPECT_EQ(*folder, fs::path(data) / "tarnix" / "backups");
    setenv("XDG_DATA_HOME", "relative", 1);
    auto relative = DefaultBackupFolder();
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    if (const char* home = std::getenv("HOME"))
    {
        ASSERT_TRUE(relative.ok()) << relative.error();
        EXPECT_EQ(*relative, fs::path(home) / ".local" / "share" / "tarnix" / "backups");
    }
}
#endif

// The game's files are found whatever the case of each letter, A and Z included.
TEST(FindCaseInsensitive, FindsAnySpellingOfEveryLetter)
{
    test::TempDir dir;
    fs::create_directories(dir / "az" / "Zaq");
    test::WriteBytes(dir / "az" / "Zaq" / "mz.fsh", Bytes{1});
    EXPECT_EQ(FindCaseInsensitive(dir.path(), "AZ/zAQ/MZ.FSH"), dir / "az" / "Zaq" / "mz.fsh");
}
