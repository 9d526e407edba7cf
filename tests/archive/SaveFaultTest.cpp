#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/PartExport.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

const char* OpName(FileOp op)
{
    switch (op)
    {
    case FileOp::Open:
        return "open";
    case FileOp::Read:
        return "read";
    case FileOp::Write:
        return "write";
    case FileOp::Flush:
        return "flush";
    case FileOp::Sync:
        return "sync";
    case FileOp::Mode:
        return "mode";
    case FileOp::Rename:
        return "rename";
    }
    return "?";
}

std::map<std::string, Bytes> Snapshot(const fs::path& folder)
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::directory_iterator(folder))
    {
        files[PathText(entry.path().filename())] = test::ReadBytes(entry.path());
    }
    return files;
}

bool Mentions(const std::string& message, const std::vector<fs::path>& files)
{
    for (const fs::path& file : files)
    {
        if (message.find(PathText(file)) != std::string::npos)
        {
            return true;
        }
    }
    return false;
}

// Runs `operation` failing its first file operation, then its second, and so on until it runs through
// without reaching the failing call. After every failure the folder holds exactly the files it held, byte
// for byte (nothing half-written, no temporary file), and the message names the file concerned and the
// cause: the file itself where the failing call was on one of `inputs`, one of `outputs` where it was on
// a file of our own (a temporary file the user never sees). Returns the number of calls that were failed.
int ExpectEveryFaultSurvived(const fs::path& folder, const std::vector<fs::path>& inputs,
                             const std::vector<fs::path>& outputs, const std::function<Status()>& operation)
{
    const std::map<std::string, Bytes> before = Snapshot(folder);
    const std::string eio = std::strerror(EIO);
    const std::string eacces = std::strerror(EACCES);
    for (int n = 1; n < 1000; ++n)
    {
        int calls = 0;
        FileOp failedOp = FileOp::Open;
        fs::path failedPath;
        Status status;
        {
            ScopedFileFaults faults(
                [&](FileOp op, const fs::path& path)
                {
                    if (++calls != n)
                    {
                        return false;
                    }
                    failedOp = op;
                    failedPath = path;
                    return true;
                });
            status = operation();
        }
        if (calls < n)
        {
            EXPECT_TRUE(status.ok()) << status.error();
            return n - 1;
        }
        const std::string where =
            "call " + std::to_string(n) + ": " + OpName(failedOp) + " of " + PathText(failedPath);
        EXPECT_FALSE(status.ok()) << where;
        EXPECT_EQ(Snapshot(folder), before) << where << " -> " << status.error();
        const bool onInput = std::find(inputs.begin(), inputs.end(), failedPath) != inputs.end();
        EXPECT_TRUE(onInput ? Mentions(status.error(), {failedPath}) : Mentions(status.error(), outputs))
            << where << " -> " << status.error();
        EXPECT_TRUE(status.error().find(eio) != std::string::npos ||
                    status.error().find(eacces) != std::string::npos)
            << where << " -> " << status.error();
    }
    ADD_FAILURE() << "the operation never ran through";
    return 0;
}

// A folder with a sample jersey, its eight part files as exported, and its four parts composed.
struct Folder
{
    test::TempDir dir;
    // Backups of its own: a backup name another test took in the same millisecond would cost a call more.
    test::TempDir backups;
    fs::path archive = dir / "PK001.FSH";
    PartFiles parts;
    ComposedFiles composed;
    SaveRequest request;

    Folder()
    {
        fs::copy_file(test::SampleJerseyPath(1), archive);
        for (int i = 0; i < PartSlotCount; ++i)
        {
            parts[i] = dir / ("part" + std::to_string(i) + ".bmp");
        }
        for (int i = 0; i < 4; ++i)
        {
            composed[i] = dir / ("composed" + std::to_string(i) + ".bmp");
        }
        EXPECT_TRUE(ExportParts(archive, parts).ok());
        EXPECT_TRUE(ComposeParts(parts, composed, archive).ok());
        request.source = archive;
        request.target = archive;
        request.composed = composed;
        request.backupFolder = backups.path();
        request.colours = {3, 10, 19, 22, 0, 13, 2};
        request.label = "Faulty";
    }

    std::vector<fs::path> ComposedInputs() const
    {
        std::vector<fs::path> inputs(composed.begin(), composed.end());
        inputs.push_back(archive);
        return inputs;
    }
};

} // namespace

TEST(SaveFaults, EveryFailingCallOfASaveInPlaceLeavesTheArchiveAsItWas)
{
    Folder f;
    const int calls = ExpectEveryFaultSurvived(f.dir.path(), f.ComposedInputs(), {f.archive},
                                               [&]
                                               {
                                                   JerseyColours record{};
                                                   return SaveJersey(f.request, record);
                                               });
    // Five files read (open and read each); the jersey read again for its backup, the backup's name claimed
    // and the backup and the jersey written (open, write, mode, flush, sync, rename each).
    EXPECT_EQ(calls, 25);
    // A save that failed after its backup was written removed it: the last save's backup is the only one.
    EXPECT_EQ(std::distance(fs::directory_iterator(f.backups.path()), fs::directory_iterator()), 1);
    JerseyColours colours{};
    EXPECT_EQ(ReadJerseyInfo(f.archive, {}, colours).label, "Faulty");
}

TEST(SaveFaults, EveryFailingCallOfASaveElsewhereLeavesTheTargetAsItWasOrAbsent)
{
    Folder f;
    f.request.target = f.dir / "New kit.FSH";
    ExpectEveryFaultSurvived(f.dir.path(), f.ComposedInputs(), {f.request.target},
                             [&]
                             {
                                 JerseyColours record{};
                                 return SaveJersey(f.request, record);
                             });
    EXPECT_TRUE(fs::exists(f.request.target));

    // Over another jersey that is read-only: it stays byte-identical until a save succeeds.
    Folder g;
    g.request.target = g.dir / "PK002.FSH";
    fs::copy_file(test::SampleJerseyPath(2), g.request.target);
    fs::permissions(g.request.target, fs::perms::owner_read | fs::perms::group_read);
    ExpectEveryFaultSurvived(g.dir.path(), g.ComposedInputs(), {g.request.target},
                             [&]
                             {
                                 JerseyColours record{};
                                 return SaveJersey(g.request, record);
                             });
    EXPECT_EQ(test::ReadBytes(g.request.target).size(), test::ReadBytes(g.archive).size());
}

TEST(SaveFaults, EveryFailingCallOfAnExportLeavesAllEightPartFilesAsTheyWere)
{
    Folder f;
    // Part files the user has edited: an export that fails must not replace some of them.
    for (int i = 0; i < PartSlotCount; ++i)
    {
        test::WriteBytes(f.parts[i], Bytes{'e', 'd', 'i', 't', static_cast<std::uint8_t>(i)});
    }
    const std::vector<fs::path> outputs(f.parts.begin(), f.parts.end());
    const int calls = ExpectEveryFaultSurvived(f.dir.path(), {f.archive}, outputs,
                                               [&] { return ExportParts(f.archive, f.parts); });
    EXPECT_EQ(calls, 2 + 8 * 4 + 8 * 2);
    EXPECT_EQ(test::ReadBytes(f.parts[FrontDesign]).size(), 17462u);

    // Into a fresh set of names: a failed export leaves none of them behind.
    Folder g;
    PartFiles fresh;
    for (int i = 0; i < PartSlotCount; ++i)
    {
        fresh[i] = g.dir / ("fresh" + std::to_string(i) + ".bmp");
    }
    EXPECT_EQ(ExpectEveryFaultSurvived(g.dir.path(), {g.archive},
                                       std::vector<fs::path>(fresh.begin(), fresh.end()),
                                       [&] { return ExportParts(g.archive, fresh); }),
              2 + 8 * 4 + 8);
}

TEST(SaveFaults, EveryFailingCallOfACompositionLeavesTheComposedFilesAsTheyWere)
{
    Folder f;
    std::vector<fs::path> inputs(f.parts.begin(), f.parts.end());
    inputs.push_back(f.archive);
    const std::vector<fs::path> outputs(f.composed.begin(), f.composed.end());
    const int calls = ExpectEveryFaultSurvived(f.dir.path(), inputs, outputs,
                                               [&] { return ComposeParts(f.parts, f.composed, f.archive); });
    EXPECT_EQ(calls, 9 * 2 + 4 * 4 + 4 * 2);
    // A cause is the system's own text for the error (EIO when a failing call left none).
    EXPECT_EQ(ErrorText(EPERM), std::strerror(EPERM));
    EXPECT_EQ(ErrorText(0), std::strerror(EIO));
}

TEST(SaveFaults, EveryFailingCallOfTheThumbnailAndThePreviewWritesNothing)
{
    Folder f;
    const fs::path thumbnail = f.dir / "frmd12.bmp";
    ExpectEveryFaultSurvived(f.dir.path(), {f.archive}, {thumbnail},
                             [&] { return WriteThumbnail(f.archive, thumbnail); });
    EXPECT_EQ(test::ReadBytes(thumbnail).size(), 5174u);
    // Replacing an older thumbnail.
    test::WriteBytes(thumbnail, Bytes{'o', 'l', 'd'});
    EXPECT_EQ(ExpectEveryFaultSurvived(f.dir.path(), {f.archive}, {thumbnail},
                                       [&] { return WriteThumbnail(f.archive, thumbnail); }),
              2 + 6);

    const fs::path preview = f.dir / "preview.bmp";
    EXPECT_EQ(ExpectEveryFaultSurvived(f.dir.path(), {f.archive}, {preview},
                                       [&] { return ExtractPreview(f.archive, preview); }),
              2 + 4);
    EXPECT_EQ(test::ReadBytes(preview).size(), 17462u);
}

// The command line's save in place reads the jersey for the colours and label it keeps: a failure there
// fails the save with its message, as every later read and write does, and never saves the default kit.
TEST(SaveFaults, EveryFailingCallOfTheCommandLineSaveFailsItAndKeepsTheTrailer)
{
    Folder f;
    test::TempDir partsDir;
    const fs::path parts = partsDir / "parts";
    ASSERT_EQ(test::RunCli({"export", PathText(f.archive), PathText(parts)}).exitCode, 0);
    std::vector<fs::path> inputs{f.archive};
    for (const auto& entry : fs::directory_iterator(parts))
    {
        inputs.push_back(entry.path());
    }
    JerseyColours before{};
    const std::string label = ReadTrailer(test::ReadBytes(f.archive), before);
    const int calls =
        ExpectEveryFaultSurvived(f.dir.path(), inputs, {f.archive},
                                 [&]
                                 {
                                     // Without a backup: its calls are counted above, and its folder is shared
                                     // with other tests.
                                     const auto r = test::RunCli({"save", PathText(f.archive), PathText(f.archive),
                                                                  "--parts", PathText(parts), "--no-backup"});
                                     return r.exitCode == 0 ? Status() : Status::Fail(r.err);
                                 });
    EXPECT_EQ(calls, 32);
    JerseyColours after{};
    EXPECT_EQ(ReadTrailer(test::ReadBytes(f.archive), after), label);
    EXPECT_EQ(after, before);
}

TEST(SaveFaults, TemporaryFilesAreNewEmptyAndTheirOwn)
{
    auto first = CreateTempFile(".bmp");
    auto second = CreateTempFile(".bmp");
    ASSERT_TRUE(first.ok() && second.ok()) << first.error() << second.error();
    EXPECT_NE(*first, *second);
    for (const fs::path& file : {*first, *second})
    {
        EXPECT_EQ(file.extension(), ".bmp");
        EXPECT_EQ(fs::file_size(file), 0u);
        RemoveFileQuietly(file);
        EXPECT_FALSE(fs::exists(file));
    }
}
