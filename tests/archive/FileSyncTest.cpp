#include "archive/Backup.h"
#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/PartExport.h"
#include "archive/SaveJersey.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

// What the system does under a save, seen from below: which files reach the disk and when, a flush the
// disk refuses, a descriptor numbered 0, another user's file. Linux alone: the calls watched are its own.
#ifdef __linux__

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <regex>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// The flushes a test watches: what was flushed ("temp 3" for a temporary file of three bytes, or the
// folder's path) and the errors the disk answers with.
struct Flushes
{
    std::vector<std::string> seen;
    int fileError = 0;
    int folderError = 0;
    std::string failingFolder; // the one folder that fails, or any
};
Flushes* g_flushes = nullptr;

struct WatchFlushes
{
    Flushes flushes;
    WatchFlushes() { g_flushes = &flushes; }
    ~WatchFlushes() { g_flushes = nullptr; }
};

// Runs `body` in a child process as user and group `id` (also a member of `group`), in `folder`; returns
// what `body` returned, or how the child ended when it did not.
std::string AsUser(uid_t id, gid_t group, const fs::path& folder, const std::function<std::string()>& body)
{
    int out[2];
    if (::pipe(out) != 0)
    {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::close(out[0]);
        const bool became =
            ::chdir(folder.c_str()) == 0 && ::setgroups(1, &group) == 0 && ::setgid(id) == 0 && ::setuid(id) == 0;
        const std::string said = became ? body() : "cannot become user " + std::to_string(id);
        (void)!::write(out[1], said.data(), said.size());
        ::_exit(0);
    }
    ::close(out[1]);
    std::string said;
    char buffer[256];
    for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;)
    {
        said.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? said : "the child ended with status " + std::to_string(status);
}

// From here on this process gets EPERM for every file it would create (a child's alone: nothing outlives it).
void RefuseNewFiles()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_CREAT, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program);
}

} // namespace

// The test program's own fsync comes before the C library's, for the core's calls too.
extern "C" int fsync(int fd)
{
    if (g_flushes != nullptr)
    {
        struct stat info
        {
        };
        ::fstat(fd, &info);
        const bool folder = S_ISDIR(info.st_mode);
        std::error_code ec; // never a throw out of a C function
        const std::string path = PathText(fs::read_symlink("/proc/self/fd/" + std::to_string(fd), ec));
        g_flushes->seen.push_back(folder ? path : "temp " + std::to_string(info.st_size));
        const bool failing = g_flushes->failingFolder.empty() || g_flushes->failingFolder == path;
        if (const int err = folder ? (failing ? g_flushes->folderError : 0) : g_flushes->fileError; err != 0)
        {
            errno = err;
            return -1;
        }
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

// The file reaches the disk whole, before it takes the target's name, and then the rename does; a file
// that only feeds the next step is not flushed.
TEST(SaveFaults, TheWholeFileIsFlushedAndThenItsFolder)
{
    test::TempDir dir;
    const std::string folder = PathText(fs::canonical(dir.path()));
    WatchFlushes watch;
    ASSERT_TRUE(WriteFileAtomic(dir / "kit.FSH", Bytes{1, 2, 3}).ok());
    ASSERT_TRUE(WriteFileAtomic(dir / "kit.FSH", Bytes{4, 5}).ok());
    ASSERT_TRUE(WriteFileAtomic(dir / "staged.bmp", Bytes{6}, Flush::No).ok());
    EXPECT_EQ(watch.flushes.seen, (std::vector<std::string>{"temp 3", folder, "temp 2", folder}));
}

// A flush the disk refuses fails the write with its cause and leaves the target as it was. A folder the
// file system cannot flush (EINVAL, ENOTSUP, EROFS) is no failure; one it fails to is reported, the file
// being in place.
TEST(SaveFaults, AFlushTheDiskRefusesIsReportedWithItsCause)
{
    const struct
    {
        int fileError;
        int folderError;
        Bytes after;
        std::string message; // after the path
    } rows[] = {
        {ENOSPC, 0, {1}, std::string("cannot write \"%\": ") + std::strerror(ENOSPC)},
        {0,
         EIO,
         {2},
         "\"%\" was written, but its folder could not be flushed to the disk, so the change may not "
         "survive a crash: " +
             std::string(std::strerror(EIO))},
        {0, EINVAL, {2}, ""},
        {0, ENOTSUP, {2}, ""},
        {0, EROFS, {2}, ""},
    };
    for (const auto& row : rows)
    {
        test::TempDir dir;
        const fs::path kit = dir / "kit.FSH";
        test::WriteBytes(kit, Bytes{1});
        WatchFlushes watch;
        watch.flushes.fileError = row.fileError;
        watch.flushes.folderError = row.folderError;
        const std::string expected = std::regex_replace(row.message, std::regex("%"), PathText(kit));
        EXPECT_EQ(WriteFileAtomic(kit, Bytes{2}).error(), expected);
        EXPECT_EQ(test::ReadBytes(kit), row.after) << expected;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << expected;
    }
}

// A jersey saved in place whose folder could not be flushed was replaced all the same: the copy of its old
// bytes stays.
TEST(SaveFaults, AFolderNotFlushedKeepsTheBackupOfTheJerseyItReplaced)
{
    test::TempDir dir;
    test::TempDir backups;
    SaveRequest request;
    request.source = request.target = dir / "PK001.FSH";
    fs::copy_file(test::SampleJerseyPath(1), request.source);
    PartFiles parts;
    for (int i = 0; i < PartSlotCount; ++i)
    {
        parts[i] = dir / ("part" + std::to_string(i) + ".bmp");
        request.composed[i % 4] = dir / ("composed" + std::to_string(i % 4) + ".bmp");
    }
    ASSERT_TRUE(ExportParts(request.source, parts).ok());
    ASSERT_TRUE(ComposeParts(parts, request.composed, request.source).ok());
    request.backupFolder = backups.path();
    request.label = "Flushed";
    WatchFlushes watch;
    watch.flushes.folderError = EIO;
    watch.flushes.failingFolder = PathText(fs::canonical(dir.path()));
    JerseyColours record{};
    EXPECT_NE(SaveJersey(request, record).error().find("was written, but its folder"), std::string::npos);
    ASSERT_EQ(std::distance(fs::directory_iterator(backups.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(test::ReadBytes(fs::directory_iterator(backups.path())->path()),
              test::ReadBytes(test::SampleJerseyPath(1)));
}

// A program started with its standard input closed gets descriptor 0 for the next file it opens.
TEST(SaveFaults, WritesAndReadsWithDescriptorZero)
{
    test::TempDir dir;
    const int input = ::dup(0);
    ::close(0);
    WatchFlushes watch;
    const Status created = WriteFileAtomic(dir / "kit.FSH", Bytes{1});
    const Status replaced = WriteFileAtomic(dir / "kit.FSH", Bytes{2});
    const auto read = ReadWholeFile(dir / "kit.FSH");
    const bool leftOpen = ::fcntl(0, F_GETFD) != -1;
    ::dup2(input, 0);
    ::close(input);
    EXPECT_EQ(created.error() + replaced.error() + read.error(), "");
    EXPECT_EQ(read.ok() ? *read : Bytes{}, Bytes{2});
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(watch.flushes.seen.size(), 4u);
}

// A shared folder of another user's jerseys, as a user who may write there but not list it: the new file
// keeps the group it shares with the old one and every mode bit (the owner only root may give away). In a
// folder with the sticky bit another user's file cannot be replaced; nothing is left of the attempt. Root
// alone can set up other users' files, so the test needs it.
TEST(SaveFaults, AnotherUsersFileKeepsItsGroupAndModeOrStaysAsItWas)
{
    if (::geteuid() != 0)
    {
        GTEST_SKIP() << "only root can act as two other users";
    }
    const uid_t user = 4242;
    const uid_t other = 4343;
    const gid_t shared = 4444;
    test::TempDir dir;
    const fs::path own = dir / "own";
    const fs::path sticky = dir / "sticky";
    for (const auto& [folder, owner, mode] : {std::tuple{own, user, 0300}, std::tuple{sticky, uid_t{0}, 01777}})
    {
        fs::create_directory(folder);
        test::WriteBytes(folder / "kit.FSH", Bytes{1});
        ASSERT_EQ(::chown((folder / "kit.FSH").c_str(), other, shared), 0);
        ASSERT_EQ(::chmod((folder / "kit.FSH").c_str(), 02664), 0);
        ASSERT_EQ(::chown(folder.c_str(), owner, owner), 0);
        ASSERT_EQ(::chmod(folder.c_str(), static_cast<mode_t>(mode)), 0);
    }
    auto save = [] { return WriteFileAtomic("kit.FSH", Bytes{2}).error(); };
    EXPECT_EQ(AsUser(user, shared, own, save), "");
    struct stat info
    {
    };
    ASSERT_EQ(::stat((own / "kit.FSH").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, user);
    EXPECT_EQ(info.st_gid, shared);
    EXPECT_EQ(info.st_mode & 07777, 02664u);
    EXPECT_EQ(test::ReadBytes(own / "kit.FSH"), Bytes{2});

    EXPECT_EQ(AsUser(user, shared, sticky, save),
              std::string("cannot replace \"kit.FSH\": ") + std::strerror(EPERM));
    EXPECT_EQ(test::ReadBytes(sticky / "kit.FSH"), Bytes{1});
    EXPECT_EQ(std::distance(fs::directory_iterator(sticky), fs::directory_iterator()), 1);

    // The system refusing to create a file (EPERM: an immutable folder; here a filter of the child's system
    // calls, which goes with it): the claim of a backup's name says so.
    const std::string refused = AsUser(0, 0, dir.path(),
                                       []
                                       {
                                           RefuseNewFiles();
                                           return WriteBackup("kit.FSH", Bytes{1}, ".", {}).error();
                                       });
    EXPECT_TRUE(refused.ends_with(std::string("\": ") + std::strerror(EPERM))) << refused;
}

#endif
