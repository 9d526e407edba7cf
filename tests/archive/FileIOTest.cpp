#include "archive/FileIO.h"
#include "archive/Backup.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
    // A temporary folder where no file can be made fails at once, with the cause.
    const char* tmpdir = std::getenv("TMPDIR");
    const std::string savedTmpdir = tmpdir != nullptr ? tmpdir : "";
    setenv("TMPDIR", "/proc", 1);
    temp = CreateTempFile(".bmp");
    tmpdir != nullptr ? setenv("TMPDIR", savedTmpdir.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_EQ(temp.error(), std::string("cannot create a temporary file in \"/proc\": ") + std::strerror(ENOENT));
    // Nor a write that fails at any step, replacing a file or not.
    for (FileOp failing :
         {FileOp::Open, FileOp::Read, FileOp::Write, FileOp::Flush, FileOp::Sync, FileOp::Mode, FileOp::Rename})
    {
        for (const char* name : {"new.bin", "claimed.bmp"})
        {
            ScopedFileFaults faults([&](FileOp op, const fs::path&) { return op == failing; });
            (void)WriteFileAtomic(dir / name, Bytes{1});
            (void)ReadWholeFile(dir / "claimed.bmp");
            EXPECT_EQ(OpenDescriptors(), before) << name << " " << static_cast<int>(failing);
        }
    }
#else
    EXPECT_FALSE(ReadWholeFile(file).ok());
#endif
}

// The size the system gives is a hint: a file that grows while it is read is read on, to the limit.
TEST(ReadWholeFile, AFileGrowingWhileReadIsReadToTheLimitAndNoFurther)
{
    test::TempDir dir;
    const fs::path file = dir / "growing.fsh";
#ifdef __linux__
    const std::ptrdiff_t before = OpenDescriptors();
#endif
    for (const std::uint64_t grown : {kMaxInputFileSize, kMaxInputFileSize + 1})
    {
        test::WriteBytes(file, Bytes{'S'});
        fs::resize_file(file, kMaxInputFileSize - 1);
        ScopedFileFaults writer(
            [&](FileOp op, const fs::path&)
            {
                if (op == FileOp::Read)
                {
                    fs::resize_file(file, grown);
                }
                return false;
            });
        auto read = ReadWholeFile(file);
        EXPECT_EQ(read.ok() ? read->size() : 0, grown == kMaxInputFileSize ? grown : 0) << read.error();
        EXPECT_EQ(read.error(), grown == kMaxInputFileSize
                                    ? ""
                                    : "\"" + PathText(file) +
                                          "\" is too large to be a game file "
                                          "(67108865 bytes; files of at most 64 MiB are read)");
    }
#ifdef __linux__
    EXPECT_EQ(OpenDescriptors(), before);
#endif
}

#ifdef __linux__
// Only the read's own failure counts: errno as an earlier interrupted call left it (EINTR) is none. A read
// the system refuses fails with its cause (the kernel reads page maps eight bytes at a time, never one).
TEST(ReadWholeFile, OnlyTheReadsOwnErrorFailsIt)
{
    test::TempDir dir;
    test::WriteBytes(dir / "kit.fsh", Bytes{1, 2, 3});
    ScopedFileFaults interrupted(
        [](FileOp, const fs::path&)
        {
            errno = EINTR;
            return false;
        });
    auto read = ReadWholeFile(dir / "kit.fsh");
    EXPECT_EQ(read.ok() ? *read : Bytes{}, (Bytes{1, 2, 3})) << read.error();
    EXPECT_EQ(ReadWholeFile("/proc/self/pagemap").error(),
              std::string("cannot read \"/proc/self/pagemap\": ") + std::strerror(EINVAL));
}
#endif

#ifndef _WIN32
// Backups go to $XDG_DATA_HOME/tarnix/backups when that is an absolute path, else under $HOME.
TEST(SaveBackup, DefaultFolderFollowsXdgDataHome)
{
    const std::string data = std::getenv("XDG_DATA_HOME");
    auto folder = DefaultBackupFolder();
    ASSERT_TRUE(folder.ok()) << folder.error();
    EXPECT_EQ(*folder, fs::path(data) / "tarnix" / "backups");
    setenv("XDG_DATA_HOME", "relative", 1);
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "/home/tester";
    setenv("HOME", savedHome.c_str(), 1);
    auto relative = DefaultBackupFolder();
    // Never a folder relative to wherever the program runs: an empty HOME is none.
    setenv("HOME", "", 1);
    auto empty = DefaultBackupFolder();
    unsetenv("HOME");
    auto unset = DefaultBackupFolder();
    home != nullptr ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    EXPECT_EQ(relative.ok() ? *relative : fs::path(),
              fs::path(savedHome) / ".local" / "share" / "tarnix" / "backups");
    for (const auto& none : {empty, unset})
    {
        EXPECT_EQ(none.error(), "cannot find the folder for backups: neither XDG_DATA_HOME nor HOME is set");
    }
}
#endif

// "PK012-20261207-095144-123.FSH": the jersey's name and the local time to the millisecond.
TEST(SaveBackup, NamesHoldTheLocalTimeToTheMillisecondAndACounter)
{
    const std::time_t seconds = 1796637104;
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&seconds));
    const auto when = std::chrono::system_clock::from_time_t(seconds) + std::chrono::milliseconds(7);
    const std::string name = std::string("PK012-") + stamp + "-007";
    EXPECT_EQ(BackupName(fs::path("games") / "PK012.FSH", when), name + ".FSH");

    // Saves within one millisecond get a counter, "-02" to "-99"; then the name is taken.
    test::TempDir dir;
    auto backup = [&]
    {
        auto copy = WriteBackup("PK012.FSH", Bytes{1}, dir.path(), when);
        return copy.ok() ? PathText(copy->filename()) : copy.error();
    };
    EXPECT_EQ(backup(), name + ".FSH");
    EXPECT_EQ(backup(), name + "-02.FSH");
    for (int n = 3; n <= 98; ++n)
    {
        test::WriteBytes(dir / (name + (n < 10 ? "-0" : "-") + std::to_string(n) + ".FSH"), Bytes{});
    }
    EXPECT_EQ(backup(), name + "-99.FSH");
    EXPECT_EQ(WriteBackup("PK012.FSH", Bytes{1}, dir.path(), when).error(),
              "cannot write \"" + PathText(dir / (name + "-99.FSH")) + "\": " + std::strerror(EEXIST));
}

// The game's files are found whatever the case of each letter, A and Z included.
TEST(FindCaseInsensitive, FindsAnySpellingOfEveryLetter)
{
    test::TempDir dir;
    fs::create_directories(dir / "az" / "Zaq");
    test::WriteBytes(dir / "az" / "Zaq" / "mz.fsh", Bytes{1});
    EXPECT_EQ(FindCaseInsensitive(dir.path(), "AZ/zAQ/MZ.FSH"), dir / "az" / "Zaq" / "mz.fsh");
    EXPECT_EQ(FindCaseInsensitive(dir.path(), "AZ/zAQ/"), dir / "az" / "Zaq"); // a folder typed with its slash
}
