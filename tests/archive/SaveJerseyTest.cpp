#include "archive/SaveJersey.h"
#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "sample/SampleArchive.h"
#include "sample/SampleJerseys.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

Bitmap8 Filled(Part part, std::uint8_t value)
{
    Bitmap8 b;
    b.width = SizeOf(part).width;
    b.height = SizeOf(part).height;
    b.pixels.assign(std::size_t(b.width) * b.height, value);
    return b;
}

// A folder with a sample jersey and its four parts composed, ready to save.
struct SaveFixture
{
    test::TempDir dir;
    fs::path source = dir / "PK001.FSH";
    SaveRequest request;

    explicit SaveFixture(int number = 1, const PartPictures* pictures = nullptr)
    {
        fs::copy_file(test::SampleJerseyPath(number), source);
        const Bytes bytes = test::ReadBytes(source);
        request.source = source;
        request.target = source;
        request.colours = {3, 10, 19, 22, 0, 13, 2};
        request.label = "Derby";
        for (Part part : kAllParts)
        {
            const int i = static_cast<int>(part);
            request.composed[i] = dir / (std::string("composed") + std::to_string(i) + ".bmp");
            Bitmap8 picture = pictures ? (*pictures)[i] : *ReadPartImage(bytes, part, "x");
            test::WriteBytes(request.composed[i], EncodeBmp8(picture));
        }
    }

    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));
    }
};

std::uint32_t TotalSize(const Bytes& archive)
{
    return *ByteReader(archive).U32(kFshTotalSizeOffset);
}

std::vector<std::uint8_t> EntryPixels(const Bytes& archive, const std::string& name)
{
    auto entry = LocateEntry(archive, ReadDirectory(archive), {name}, EntryNeeds::Pixels, "x");
    return ReadEntryPixels(archive, *entry);
}

} // namespace

TEST(SaveJersey, InPlaceWritesEntriesAndTrailerOnly)
{
    SaveFixture f(2); // no trailer yet, three-byte palettes
    const Bytes before = test::ReadBytes(f.source);
    ASSERT_EQ(TotalSize(before), before.size());
    JerseyColours record{};
    record.fill(0xEE);
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    const Bytes after = test::ReadBytes(f.source);

    // The archive grows by the 24-byte record, the label and its terminator; nothing before it changes,
    // since the composed parts are the archive's own.
    ASSERT_EQ(after.size(), before.size() + 24 + 5 + 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    const Bytes trailer(after.begin() + before.size(), after.end());
    const Bytes expected = {1, 3, 10, 19, 22, 0, 13, 2, 0, 0,   0,   0,   0,   0,   0,
                            0, 0, 0,  0,  0,  0, 0,  0, 0, 'D', 'e', 'r', 'b', 'y', 0};
    EXPECT_EQ(trailer, expected);
    EXPECT_EQ(Bytes(record.begin(), record.end()), Bytes(expected.begin(), expected.begin() + 24));

    // Saving again with the same label keeps the length.
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    EXPECT_EQ(test::ReadBytes(f.source), after);
    EXPECT_EQ(f.FileCount(), 5u);
}

TEST(SaveJersey, ShorterLabelLeavesOldBytesBehindTerminator)
{
    SaveFixture f(2);
    const std::size_t total = test::ReadBytes(f.source).size();
    JerseyColours record{};
    f.request.label = "Abcdef";
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    f.request.label = "Xy";
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    const Bytes after = test::ReadBytes(f.source);
    ASSERT_EQ(after.size(), total + 24 + 7);
    EXPECT_EQ(Bytes(after.begin() + total + 24, after.end()), (Bytes{'X', 'y', 0, 'd', 'e', 'f', 0}));
    JerseyColours read{};
    EXPECT_EQ(ReadTrailer(after, read), "Xy");
}

TEST(SaveJersey, ElsewhereLeavesSourceAndReplacesAnyTarget)
{
    // A different existing target, longer than the source: saving copies the source over it, so the
    // result is the patched source and nothing of the old target remains.
    SaveFixture f(5);
    const Bytes source = test::ReadBytes(f.source);
    f.request.target = f.dir / PathFromText("other name with spaces é.fsh");
    test::WriteBytes(f.request.target, Bytes(200000, 0x77));
    fs::permissions(f.request.target, fs::perms::owner_read); // read-only: still saved, and still read-only
    f.request.label = "Navy pinstripe";
    f.request.colours = {15, 19, 12, 19, 15, 15, 19};
    JerseyColours record{};
    Status saved = SaveJersey(f.request, record);
    ASSERT_TRUE(saved.ok()) << saved.error();
    EXPECT_EQ(test::ReadBytes(f.source), source);
    EXPECT_EQ(test::ReadBytes(f.request.target), source); // same parts, colours and label as stored
    EXPECT_TRUE(test::SamePermissions(fs::status(f.request.target).permissions(), fs::perms::owner_read));
}

TEST(SaveJersey, SamplesLongSleeveAndMiniatureByTheirTables)
{
    const Bytes archive = test::ReadBytes(test::SampleJerseyPath(1));
    PartPictures parts;
    for (Part part : kAllParts)
    {
        parts[static_cast<int>(part)] = *ReadPartImage(archive, part, "x");
    }
    Bitmap8& sleeve = parts[static_cast<int>(Part::LongSleeve)];
    std::fill(sleeve.pixels.begin(), sleeve.pixels.end(), 63);
    std::fill(sleeve.pixels.begin(), sleeve.pixels.begin() + 64, 47); // top row
    Bitmap8& back = parts[static_cast<int>(Part::Back)];
    for (int y = 0; y < 64; ++y)
    {
        for (int x = 0; x < 64; ++x)
        {
            back.At(x, y) = x == 63 ? 47 : 63;
        }
    }
    SaveFixture f(1, &parts);
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    const Bytes saved = test::ReadBytes(f.source);

    const auto mslv = EntryPixels(saved, "mslv");
    for (int r = 0; r < 40; ++r)
    {
        for (int c = 0; c < 32; ++c)
        {
            ASSERT_EQ(mslv[r * 32 + c], r < 8 ? 47 : 63) << r << "," << c;
        }
    }
    const auto ljer = EntryPixels(saved, "ljer");
    const auto front = parts[static_cast<int>(Part::Front)];
    for (int r = 0; r < 28; ++r)
    {
        EXPECT_EQ(ljer[r * 44], 47);
        for (int j = 1; j < 22; ++j)
        {
            ASSERT_EQ(ljer[r * 44 + j], 63) << r << "," << j;
        }
        for (int j = 0; j < 22; ++j)
        {
            ASSERT_EQ(ljer[r * 44 + 22 + j], front.At(126 - 6 * j, 2 * kLjerRows[r] + 1));
        }
    }
    EXPECT_EQ(EntryPixels(saved, "luga"), std::vector<std::uint8_t>(240, 63));
}

TEST(SaveJersey, RewritesTheFirstFrontRecordOnly)
{
    PartPictures parts = {Filled(Part::Front, 0x42), Filled(Part::Back, 1), Filled(Part::LongSleeve, 2),
                          Filled(Part::ShortSleeve, 3)};
    SaveFixture f(3, &parts); // lists "frhi" before "hjfr"
    const Bytes before = test::ReadBytes(f.source);
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    const Bytes after = test::ReadBytes(f.source);
    EXPECT_EQ(EntryPixels(after, "frhi"), std::vector<std::uint8_t>(128 * 128, 0x42));
    EXPECT_EQ(EntryPixels(after, "hjfr"), EntryPixels(before, "hjfr"));
    EXPECT_EQ(EntryPixels(after, "frmd"), EntryPixels(before, "frmd"));
}

TEST(SaveJersey, HeadersPalettesAndDirectoryStayByteIdentical)
{
    PartPictures parts = {Filled(Part::Front, 0xA5), Filled(Part::Back, 0xA5), Filled(Part::LongSleeve, 0xA5),
                          Filled(Part::ShortSleeve, 0xA5)};
    SaveFixture f(4, &parts);
    const Bytes before = test::ReadBytes(f.source);
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    const Bytes after = test::ReadBytes(f.source);
    // Mark every byte that saving may change: the twelve entries' pixels and the trailer.
    std::vector<bool> mayChange(after.size(), false);
    const FshDirectory dir = ReadDirectory(before);
    const DirectoryRecord* front = dir.Find({"frhi", "hjfr"});
    for (const DirectoryRecord& r : dir.records)
    {
        auto g = GeometryOf(r.name);
        if (r.name == "frmd" || ((r.name == "hjfr" || r.name == "frhi") && &r != front))
        {
            continue;
        }
        for (std::size_t i = 0; i < std::size_t(g->width) * g->height; ++i)
        {
            mayChange[r.offset + 16 + i] = true;
        }
    }
    for (std::size_t i = before.size(); i < after.size(); ++i)
    {
        mayChange[i] = true;
    }
    std::size_t changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
    {
        ASSERT_TRUE(mayChange[i] || before[i] == after[i]) << "byte " << i;
        changed += before[i] != after[i];
    }
    EXPECT_GT(changed, 30000u);
}

TEST(SaveJersey, RefusedBeforeAnythingIsWritten)
{
    SaveFixture f(1);
    const Bytes before = test::ReadBytes(f.source);
    JerseyColours record{};
    record.fill(7);
    auto expectRefused = [&](const SaveRequest& request, const std::string& part)
    {
        Status s = SaveJersey(request, record);
        ASSERT_FALSE(s.ok());
        EXPECT_NE(s.error().find(part), std::string::npos) << s.error();
        EXPECT_EQ(test::ReadBytes(f.source), before);
        EXPECT_TRUE(std::all_of(record.begin(), record.end(), [](std::uint8_t b) { return b == 7; }));
        EXPECT_EQ(f.FileCount(), 5u);
    };
    SaveRequest r = f.request;
    r.target.clear();
    expectRefused(r, "Please specify a file to save to.");
    for (const char* end : {" ", "."}) // Windows would write the source itself, unasked
    {
        r.target = f.source.string() + end;
        expectRefused(r, "ends in a space or a dot");
    }
    r = f.request;
    r.label = "Ελλάδα";
    expectRefused(r, "cannot store");
    r = f.request;
    r.colours[3] = 24;
    expectRefused(r, "kit colour 24");
    r = f.request;
    r.source = f.dir / "missing.fsh";
    expectRefused(r, "missing.fsh");
    r = f.request;
    test::WriteBytes(r.composed[1], EncodeBmp8(Filled(Part::ShortSleeve, 0)));
    expectRefused(r, "the composed back is 64 x 48 pixels");

    // An archive without "lgar", or whose "ljer" runs past its end, is refused naming the entry.
    SaveFixture g(1);
    Bytes damaged = before;
    const FshDirectory dir = ReadDirectory(damaged);
    for (std::size_t i = 0; i < dir.records.size(); ++i)
    {
        if (dir.records[i].name == "lgar")
        {
            std::copy_n("lgaX", 4, damaged.begin() + 16 + 8 * i);
        }
    }
    test::WriteBytes(g.source, damaged);
    Status s = SaveJersey(g.request, record);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().find("no entry \"lgar\""), std::string::npos) << s.error();
    EXPECT_EQ(test::ReadBytes(g.source), damaged);

    // Pixels may end at the total size, where the trailer goes, but not one byte past it; and the total
    // size may not lie past the end of the file.
    std::uint64_t end = 0;
    for (std::string_view name : kSavedEntries)
    {
        auto e = name == "front" ? LocateFront(before, dir, EntryNeeds::Pixels, "x")
                                 : LocateEntry(before, dir, {name}, EntryNeeds::Pixels, "x");
        end = std::max(end, e->PaletteHeaderOffset());
    }
    for (auto [total, saved] :
         {std::pair{end, true}, {end - 1, false}, {before.size(), true}, {before.size() + 1, false}})
    {
        Bytes cut = before;
        PutU32(cut, kFshTotalSizeOffset, static_cast<std::uint32_t>(total));
        test::WriteBytes(g.source, cut);
        EXPECT_EQ(SaveJersey(g.request, record).ok(), saved) << total;
    }
}

#ifndef _WIN32
// A jersey reached through a symbolic link is saved into the file the link names; the link stays.
TEST(SaveJersey, ThroughALinkWritesTheFileItNames)
{
    SaveFixture f(2);
    const Bytes before = test::ReadBytes(f.source);
    test::TempDir other;
    const fs::path link = other / "linked.FSH";
    fs::create_symlink(f.source, link);
    f.request.target = link;
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(f.source).size(), before.size() + 24 + 5 + 1);
}
#endif

// Twenty-one older copies of the jersey (one with a counter) and a file that only looks like one: the
// save's own copy makes two too many, and the two oldest go.
TEST(SaveJersey, KeepsTheNewestTwentyBackups)
{
    SaveFixture f(1);
    const fs::path backups = f.request.backupFolder = f.dir / "backups";
    fs::create_directories(backups);
    auto copy = [&](const std::string& stamp) { return backups / ("PK001-" + stamp + ".FSH"); };
    for (int day = 11; day <= 30; ++day)
    {
        test::WriteBytes(copy("202601" + std::to_string(day) + "-000000-000"), Bytes(1, 0));
    }
    for (const char* stamp : {"20260110-000000-000-09", "X0260101-000000-000"})
    {
        test::WriteBytes(copy(stamp), Bytes(1, 0));
    }
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(f.request, record).ok());
    EXPECT_EQ(std::distance(fs::directory_iterator(backups), fs::directory_iterator()), 21);
    EXPECT_FALSE(fs::exists(copy("20260110-000000-000-09")));
    EXPECT_FALSE(fs::exists(copy("20260111-000000-000")));
    EXPECT_TRUE(fs::exists(copy("20260112-000000-000")));
    EXPECT_TRUE(fs::exists(copy("X0260101-000000-000")));
}

TEST(SaveJersey, FailedWritesLeaveTheTargetByteIdentical)
{
    SaveFixture f(1);
    const Bytes before = test::ReadBytes(f.source);
    for (FileOp failing : {FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename})
    {
        ScopedFileFaults faults(
            [&](FileOp op, const fs::path& path)
            {
                // The new file is hidden and named by eight random hexadecimal digits.
                const bool temporary =
                    std::regex_match(path.filename().string(), std::regex(R"(\.~Tar[0-9A-F]{8}\.tmp)"));
                return op == failing && path.parent_path() == f.dir.path() && temporary;
            });
        JerseyColours record{};
        Status s = SaveJersey(f.request, record);
        EXPECT_FALSE(s.ok());
        EXPECT_EQ(test::ReadBytes(f.source), before);
        EXPECT_EQ(f.FileCount(), 5u);
    }
#ifndef _WIN32
    // A read-only folder stops new files only on POSIX systems (Windows' read-only attribute on a folder
    // does not), and root writes into one regardless.
    if (geteuid() != 0)
    {
        fs::permissions(f.dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        JerseyColours record{};
        Status s = SaveJersey(f.request, record);
        fs::permissions(f.dir.path(), fs::perms::owner_all);
        EXPECT_FALSE(s.ok());
        EXPECT_EQ(test::ReadBytes(f.source), before);
        EXPECT_EQ(f.FileCount(), 5u);
    }
#endif
}
