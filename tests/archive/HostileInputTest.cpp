#include "archive/Backup.h"
#include "archive/Bmp.h"
#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/PartExport.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"
#include "sample/SampleGame.h"
#include "sample/SampleJerseys.h"
#include "teams/TeamDatabase.h"

#include "../../fuzz/FuzzInput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

std::set<std::string> Listing(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
    {
        names.insert(PathText(entry.path().filename()));
    }
    return names;
}

// A folder holding a copy of a sample jersey (possibly damaged) and its four parts composed, and every
// file operation a user can start on it. Each either works or fails with a message naming the archive,
// and a failed one leaves the folder as it was.
struct Workbench
{
    test::TempDir dir;
    fs::path archive = dir / "PK001.FSH";
    SaveRequest request;

    explicit Workbench(const Bytes& archiveBytes)
    {
        const Bytes sample = sample::BuildJersey(sample::SampleJerseySpecs().front());
        test::WriteBytes(archive, archiveBytes);
        request.source = archive;
        request.target = archive;
        request.colours = {3, 10, 19, 22, 0, 13, 2};
        request.label = "Hostile";
        for (Part part : kAllParts)
        {
            const int i = static_cast<int>(part);
            request.composed[i] = dir / ("composed" + std::to_string(i) + ".bmp");
            test::WriteBytes(request.composed[i], EncodeBmp8(*ReadPartImage(sample, part, "sample")));
        }
    }

    // Runs `operation`; on failure expects `expected` and the archive's name in its message and the folder
    // unchanged, byte for byte.
    void ExpectRefused(const std::string& what, const std::function<Status()>& operation,
                       const std::string& expected)
    {
        const std::set<std::string> before = Listing(dir.path());
        const Bytes archiveBefore = test::ReadBytes(archive);
        Status status = operation();
        ASSERT_FALSE(status.ok()) << what;
        EXPECT_NE(status.error().find(expected), std::string::npos) << what << ": " << status.error();
        EXPECT_NE(status.error().find("PK001.FSH"), std::string::npos) << what << ": " << status.error();
        EXPECT_EQ(Listing(dir.path()), before) << what;
        EXPECT_EQ(test::ReadBytes(archive), archiveBefore) << what;
    }

    void ExpectEveryOperationRefused(const std::string& what, const std::string& expected)
    {
        JerseyColours record{};
        PartFiles parts;
        for (int i = 0; i < PartSlotCount; ++i)
        {
            parts[i] = dir / ("part" + std::to_string(i) + ".bmp");
        }
        ExpectRefused(
            what + " / preview", [&] { return ExtractPreview(archive, dir / "preview.bmp"); }, expected);
        ExpectRefused(
            what + " / export", [&] { return ExportParts(archive, parts); }, expected);
        ExpectRefused(
            what + " / thumbnail", [&] { return WriteThumbnail(archive, dir / "frmd1.bmp"); }, expected);
        ExpectRefused(
            what + " / save", [&] { return SaveJersey(request, record); }, expected);
    }
};

Bytes SampleJersey()
{
    return sample::BuildJersey(sample::SampleJerseySpecs().front());
}

std::size_t RecordIndex(const Bytes& archive, const std::string& name)
{
    const FshDirectory directory = ReadDirectory(archive);
    for (std::size_t i = 0; i < directory.records.size(); ++i)
    {
        if (directory.records[i].name == name)
        {
            return i;
        }
    }
    ADD_FAILURE() << "no " << name;
    return 0;
}

} // namespace

// Inputs the fuzzers found crashing, and hostile inputs of the same kinds, kept under
// tests/data/crashers/<reader>/ and replayed one file per case the way that reader's harness feeds them.
struct Crasher
{
    std::string reader;
    fs::path file; // empty: the folder holds nothing, which fails
};

// ctest and --gtest_list_tests print the case as its file, not as a dump of the struct's bytes.
void PrintTo(const Crasher& crasher, std::ostream* os)
{
    *os << crasher.reader << '/' << (crasher.file.empty() ? "(no file)" : PathText(crasher.file.filename()));
}

const char* const kCrasherReaders[] = {"archive", "bmp", "compose", "save", "teams"};

std::vector<Crasher> Crashers()
{
    std::vector<Crasher> all;
    for (const char* reader : kCrasherReaders)
    {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(fs::path(TARNIX_TEST_DATA) / "crashers" / reader, ec))
        {
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        if (files.empty())
        {
            files.emplace_back();
        }
        for (const fs::path& file : files)
        {
            all.push_back({reader, file});
        }
    }
    return all;
}

class CrasherTest : public testing::TestWithParam<Crasher>
{
};

TEST_P(CrasherTest, IsReadWithoutFault)
{
    const Crasher& c = GetParam();
    ASSERT_FALSE(c.file.empty()) << "tests/data/crashers/" << c.reader << " holds no input";
    const Bytes input = test::ReadBytes(c.file);
    if (c.reader == "archive")
    {
        JerseyColours colours{};
        (void)IsJerseyArchive(input);
        (void)ReadTrailer(input, colours);
        for (Part part : kAllParts)
        {
            (void)ReadPartImage(input, part, "crasher");
        }
        (void)BuildPreview(input, "crasher");
        (void)BuildPartBitmaps(input, "crasher");
        (void)BuildThumbnail(input, "crasher");
    }
    else if (c.reader == "bmp")
    {
        auto bitmap = DecodeBmp8(input, "crasher");
        if (bitmap)
        {
            EXPECT_EQ(bitmap->pixels.size(), std::size_t(bitmap->width) * std::size_t(bitmap->height));
        }
    }
    else if (c.reader == "compose")
    {
        auto [choice, design, shade] = fuzz::SplitInput<3>(input.data(), input.size());
        const Part part = kAllParts[choice.empty() ? 0 : choice[0] & 3];
        auto d = DecodeBmp8(design, "design");
        auto s = DecodeBmp8(shade, "shade");
        if (d && s)
        {
            const Bitmap8 stored = *ReadPartImage(SampleJersey(), part, "sample");
            (void)ComposePart(part, *d, *s, &stored);
            (void)ComposePart(part, *d, *s, nullptr);
        }
    }
    else if (c.reader == "save")
    {
        auto pieces = fuzz::SplitInput<6>(input.data(), input.size());
        PartPictures parts;
        for (Part part : kAllParts)
        {
            auto bitmap = DecodeBmp8(pieces[2 + static_cast<int>(part)], PartName(part));
            if (!bitmap)
            {
                return;
            }
            parts[static_cast<int>(part)] = std::move(*bitmap);
        }
        Bytes archive = SampleJersey();
        const std::string label(pieces[1].begin(), pieces[1].end());
        (void)PatchArchive(archive, parts, SavedRecord(kDefaultKitColours), label, "sample");
    }
    else if (c.reader == "teams")
    {
        auto [fcdb, names] = fuzz::SplitInput<2>(input.data(), input.size());
        TeamCollection teams;
        std::string note;
        Status parsed = ParseTeamRecords(fcdb, names, teams, &note);
        ParseLeagueNames(fcdb, teams, &note);
        EXPECT_TRUE(parsed.ok() || teams.empty());
        for (int n : {1, 64})
        {
            for (const TeamLine& line : FillTeamList(teams, n))
            {
                EXPECT_EQ(KitOf(*teams.at(line.team), line.strip).jerseyIndex, n - 1);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(HostileInput, CrasherTest, testing::ValuesIn(Crashers()),
                         [](const testing::TestParamInfo<Crasher>& info)
                         {
                             std::string name = info.param.reader + "_" + PathText(info.param.file.filename());
                             for (char& ch : name)
                             {
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name + "_" + std::to_string(info.index);
                         });

// A stored count larger than the directory (common damage) would read the entries' data as records; the
// records before the first entry's data are the directory, and the archive works as if the count were right.
TEST(HostileInput, DirectoryCountLargerThanTheDirectoryIsReadUpToTheEntriesData)
{
    const Bytes good = SampleJersey();
    const std::uint32_t real = *ByteReader(good).U32(kFshCountOffset);
    const auto preview = BuildPreview(good, "PK001.FSH");
    const auto parts = BuildPartBitmaps(good, "PK001.FSH");
    const auto thumbnail = BuildThumbnail(good, "PK001.FSH");
    for (std::uint32_t count : {real + 1, real + 100, 0xFFFFFFFFu})
    {
        Bytes archive = good;
        PutU32(archive, kFshCountOffset, count);
        EXPECT_EQ(ReadDirectory(archive).records.size(), real) << count;
        EXPECT_EQ(*BuildPreview(archive, "PK001.FSH"), *preview) << count;
        EXPECT_EQ(*BuildPartBitmaps(archive, "PK001.FSH"), *parts) << count;
        EXPECT_EQ(*BuildThumbnail(archive, "PK001.FSH"), *thumbnail) << count;
        Workbench bench(archive);
        JerseyColours record{};
        EXPECT_TRUE(SaveJersey(bench.request, record).ok()) << count;
        auto missing = LocateEntry(archive, ReadDirectory(archive), {"none"}, EntryNeeds::Pixels, "PK001.FSH");
        EXPECT_NE(missing.error().find("lie before the entries' data"), std::string::npos) << missing.error();
    }
}

// The front and "frmd" are read with four-byte colours; as the archive's last entry with a palette of 768
// bytes they are read as the game reads them, the colours missing at the end of the file black.
TEST(HostileInput, FourBytePaletteCutShortAtTheEndOfTheFileIsReadWithBlackForTheMissingColours)
{
    const Bytes good = SampleJersey();
    for (const char* name : {"hjfr", "frmd"})
    {
        Bytes archive = good;
        const EntryView entry = *LocateEntry(good, ReadDirectory(good), {name}, EntryNeeds::FourBytePalette, "x");
        const auto at = static_cast<std::uint32_t>(archive.size());
        archive.insert(archive.end(), good.begin() + entry.offset, good.begin() + entry.PaletteOffset() + 768);
        PutU32(archive, kFshHeaderSize + 8 * RecordIndex(archive, name) + 4, at);
        PutU32(archive, kFshTotalSizeOffset, static_cast<std::uint32_t>(archive.size()));

        const bool frmd = std::string(name) == "frmd";
        auto build = [&]
        { return frmd ? BuildThumbnail(archive, "PK001.FSH") : BuildPreview(archive, "PK001.FSH"); };
        auto bitmap = build();
        ASSERT_TRUE(bitmap.ok()) << name << ": " << bitmap.error();
        if (frmd)
        {
            // 768 bytes hold 192 four-byte colours; the thumbnail keeps the archive's colours as they are.
            const ColourTable whole = ReadEntryPalette(good, entry, true);
            for (std::size_t i = 0; i < 1024; ++i)
            {
                ASSERT_EQ((*bitmap)[54 + i], i < 768 ? whole[i] : 0) << "colour byte " << i;
            }
        }
        // Short of 768 bytes is damage, not the game's layout.
        archive.resize(archive.size() - 4);
        EXPECT_FALSE(build().ok()) << name;
    }
}

// Devices, pipes and huge files are refused at once with a message naming the file, by every reader: the
// jersey check of page one, the command line, the bitmaps and the team database.
TEST(HostileInput, DevicesPipesAndHugeFilesAreRefusedWithoutBeingRead)
{
    test::TempDir dir;
    struct Case
    {
        fs::path path;
        std::string expected;
    };
    std::vector<Case> cases = {{dir.path(), "is a folder"}};
    const fs::path sparse = dir / "PK012.FSH";
    test::WriteBytes(sparse, SampleJersey()); // a valid archive at its start
    fs::resize_file(sparse, 3ull << 30);      // sparse: no disk space taken
    cases.push_back({sparse, "(3221225472 bytes; files of at most 64 MiB are read)"});
#ifndef _WIN32
    cases.push_back({"/dev/zero", "is a device"});
    const fs::path fifo = dir / "pipe.fsh";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    cases.push_back({fifo, "is a pipe"});
#endif
    for (const Case& c : cases)
    {
        const std::string name = PathText(c.path);
        for (const Status& status : {CheckJerseyFile(c.path), ReadBmp8File(c.path).status(),
                                     ExportParts(c.path, PartFiles{}), WriteThumbnail(c.path, dir / "t.bmp")})
        {
            ASSERT_FALSE(status.ok()) << name;
            EXPECT_NE(status.error().find(c.expected), std::string::npos) << status.error();
            EXPECT_NE(status.error().find(name), std::string::npos) << status.error();
        }
        const auto cli = test::RunCli({"info", name});
        EXPECT_EQ(cli.exitCode, 1) << name;
        EXPECT_NE(cli.err.find(c.expected), std::string::npos) << cli.err;
    }
    // The team database the same way.
    const fs::path game = dir / "game";
    fs::create_directories(game / kTeamDatabasePath);
    TeamCollection teams;
    Status read = ReadTeamDatabase(game, teams);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error().find("is a folder"), std::string::npos) << read.error();
    EXPECT_FALSE(fs::exists(dir / "t.bmp"));
}

TEST(HostileInput, EntryOffsetsPastTheEndOrIntoTheHeaderAreRefusedNamingTheEntry)
{
    const Bytes good = SampleJersey();
    struct Case
    {
        std::string what;
        std::uint32_t offset;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"past the end", static_cast<std::uint32_t>(good.size()) + 1000, "runs past the end of the file"},
        {"wrapping 32 bits", 0xFFFFFFF8u, "runs past the end of the file"},
        {"at the end", static_cast<std::uint32_t>(good.size()), "runs past the end of the file"},
        {"into the file header", 4, "overlaps the archive's header"},
        {"into the directory", 20, "overlaps the archive's header"},
    };
    // The front is read by every operation but the thumbnail, "frmd" only by the thumbnail.
    for (const char* name : {"hjfr", "frmd"})
    {
        for (const Case& c : cases)
        {
            Bytes archive = good;
            PutU32(archive, kFshHeaderSize + 8 * RecordIndex(archive, name) + 4, c.offset);
            Workbench bench(archive);
            const std::string what = std::string(name) + " " + c.what;
            JerseyColours record{};
            if (std::string(name) == "hjfr")
            {
                bench.ExpectRefused(
                    what, [&] { return ExtractPreview(bench.archive, bench.dir / "p.bmp"); }, c.expected);
                bench.ExpectRefused(
                    what, [&] { return SaveJersey(bench.request, record); }, "\"hjfr\"");
            }
            else
            {
                bench.ExpectRefused(
                    what, [&] { return WriteThumbnail(bench.archive, bench.dir / "t.bmp"); }, "\"frmd\"");
                // Saving never writes "frmd"; it is not its business.
                const Status saved = SaveJersey(bench.request, record);
                EXPECT_TRUE(saved.ok()) << what << ": " << saved.error();
            }
        }
    }
    // Every entry saving rewrites, one at a time, past the end.
    for (const char* name :
         {"hjbk", "mjbk", "mjfr", "hrsv", "mrsv", "lgar", "luar", "hslv", "mslv", "luga", "ljer"})
    {
        Bytes archive = good;
        PutU32(archive, kFshHeaderSize + 8 * RecordIndex(archive, name) + 4, 0xFFFFFF00u);
        Workbench bench(archive);
        JerseyColours record{};
        bench.ExpectRefused(
            name, [&] { return SaveJersey(bench.request, record); }, "\"" + std::string(name) + "\"");
    }
}

TEST(HostileInput, TrailerWithoutTerminatorAtTheEndOfTheFileAndLabelsOf300Bytes)
{
    Bytes archive = SampleJersey();
    const std::uint32_t total = *ByteReader(archive).U32(kFshTotalSizeOffset);
    archive.resize(total + kTrailerRecordSize);
    archive[total + 1] = 13;
    const std::string tail = "Cut short";
    archive.insert(archive.end(), tail.begin(), tail.end()); // no terminator: the file ends in the label
    Workbench bench(archive);
    JerseyColours colours{};
    EXPECT_EQ(ReadJerseyInfo(bench.archive, {}, colours).label, tail);

    // Saving over it writes a terminated trailer; the file never shrinks.
    JerseyColours record{};
    bench.request.label = "ab";
    ASSERT_TRUE(SaveJersey(bench.request, record).ok());
    Bytes saved = test::ReadBytes(bench.archive);
    EXPECT_EQ(saved.size(), archive.size());
    EXPECT_EQ(ReadJerseyInfo(bench.archive, {}, colours).label, "ab");

    // A label of 300 bytes is stored whole and read back as its first 256.
    bench.request.label = std::string(300, 'W');
    ASSERT_TRUE(SaveJersey(bench.request, record).ok());
    saved = test::ReadBytes(bench.archive);
    EXPECT_EQ(saved.size(), total + kTrailerRecordSize + 301);
    EXPECT_EQ(saved.back(), 0);
    EXPECT_EQ(ReadJerseyInfo(bench.archive, {}, colours).label, std::string(256, 'W'));
    ASSERT_TRUE(SaveJersey(bench.request, record).ok());
    EXPECT_EQ(test::ReadBytes(bench.archive), saved);

    // And one whose 300 bytes run to the end of the file without a terminator.
    saved.pop_back();
    test::WriteBytes(bench.archive, saved);
    EXPECT_EQ(ReadJerseyInfo(bench.archive, {}, colours).label, std::string(256, 'W'));
}

// Composed bitmaps as hostile editors leave them: saving names the part and the cause and writes nothing;
// the harmless variants (no colour count, top-down rows) save exactly like our own layout.
TEST(HostileInput, ComposedBitmapsWithHostileHeadersAreRefusedOrReadAlike)
{
    const Bytes sample = SampleJersey();
    Workbench reference(sample);
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(reference.request, record).ok());
    const Bytes expected = test::ReadBytes(reference.archive);

    struct Case
    {
        const char* what;
        std::function<void(Bytes&)> damage;
        const char* expected; // nullptr: saves as the undamaged bitmap does
    };
    const std::vector<Case> cases = {
        {"zero height", [](Bytes& b) { PutU32(b, 22, 0); }, "unusable size"},
        {"height -1", [](Bytes& b) { PutU32(b, 22, 0xFFFFFFFFu); }, "is 64 x 1 pixels"},
        {"huge height", [](Bytes& b) { PutU32(b, 22, 0x7FFFFFFFu); }, "unusable size"},
        {"most negative height", [](Bytes& b) { PutU32(b, 22, 0x80000000u); }, "unusable size"},
        {"height larger than the file", [](Bytes& b) { PutU32(b, 22, 4000); }, "is truncated"},
        {"24-bit", [](Bytes& b) { PutU16(b, 28, 24); }, "24-bit"},
        {"RLE8", [](Bytes& b) { PutU32(b, 30, 1); }, "is RLE-compressed"},
        {"4 billion colours", [](Bytes& b) { PutU32(b, 46, 4000000000u); }, "declares 4000000000 colours"},
        {"no colour count", [](Bytes& b) { PutU32(b, 46, 0); }, nullptr},
        {"top-down rows",
         [](Bytes& b)
         {
             Bytes flipped = b;
             for (int row = 0; row < 64; ++row)
             {
                 std::copy_n(b.begin() + 1078 + 64 * row, 64, flipped.begin() + 1078 + 64 * (63 - row));
             }
             PutU32(flipped, 22, static_cast<std::uint32_t>(-64));
             b = flipped;
         },
         nullptr},
    };
    for (const Case& c : cases)
    {
        Workbench bench(sample);
        const fs::path back = bench.request.composed[static_cast<int>(Part::Back)];
        Bytes bitmap = test::ReadBytes(back);
        c.damage(bitmap);
        test::WriteBytes(back, bitmap);
        if (c.expected == nullptr)
        {
            ASSERT_TRUE(SaveJersey(bench.request, record).ok()) << c.what;
            EXPECT_EQ(test::ReadBytes(bench.archive), expected) << c.what;
            continue;
        }
        const std::set<std::string> before = Listing(bench.dir.path());
        Status saved = SaveJersey(bench.request, record);
        ASSERT_FALSE(saved.ok()) << c.what;
        EXPECT_NE(saved.error().find("back"), std::string::npos) << c.what << ": " << saved.error();
        EXPECT_NE(saved.error().find(c.expected), std::string::npos) << c.what << ": " << saved.error();
        EXPECT_EQ(test::ReadBytes(bench.archive), sample) << c.what;
        EXPECT_EQ(Listing(bench.dir.path()), before) << c.what;
    }
}

// A modder's game folder: 300 characters deep, with spaces and letters outside ASCII in its components.
TEST(HostileInput, GameFolderOf300CharactersWithSpacesAndAccents)
{
    test::TempDir dir;
    fs::path game = dir.path();
    const std::string component = "Spiele für Ünsere Männer – Café ";
    for (int i = 0; PathText(game).size() < 300; ++i)
    {
        game /= PathFromText(component + std::to_string(i));
    }
    fs::create_directories(game);
    ASSERT_TRUE(sample::WriteSampleGame(game).ok());
    const fs::path textures = TexturesFolderFor(game);
    const fs::path jersey = textures / sample::JerseyFileName(1);
    ASSERT_GE(PathText(jersey).size(), 300u);

    EXPECT_TRUE(IsJerseyFile(jersey));
    JerseyColours colours{};
    JerseyInfo info = ReadJerseyInfo(jersey, game, colours);
    EXPECT_EQ(info.number, 1);
    EXPECT_EQ(info.label, ReadJerseyInfo(test::SampleJerseyPath(1), {}, colours).label);

    const fs::path work = game / PathFromText("Trikots über alles");
    fs::create_directories(work / "Jerseys");
    ASSERT_TRUE(ExtractPreview(jersey, work / PathFromText("Vorschau ä.bmp")).ok());
    PartFiles parts;
    ComposedFiles composed;
    for (int i = 0; i < PartSlotCount; ++i)
    {
        parts[i] = work / PathFromText("Teil ß " + std::to_string(i) + ".bmp");
    }
    for (int i = 0; i < 4; ++i)
    {
        composed[i] = work / PathFromText("Zusammen é " + std::to_string(i) + ".bmp");
    }
    ASSERT_TRUE(ExportParts(jersey, parts).ok());
    ASSERT_TRUE(ComposeParts(parts, composed, jersey).ok());
    SaveRequest request;
    request.source = jersey;
    request.target = work / PathFromText("Neues Trikot ö.FSH");
    request.composed = composed;
    request.colours = {3, 10, 19, 22, 0, 13, 2};
    request.label = "Grün-Weiß";
    JerseyColours record{};
    ASSERT_TRUE(SaveJersey(request, record).ok());
    EXPECT_EQ(ReadJerseyInfo(request.target, game, colours).label, "Grün-Weiß");
    const fs::path thumbnail = ThumbnailPath(work, 7);
    ASSERT_TRUE(WriteThumbnail(request.target, thumbnail).ok());
    EXPECT_EQ(test::ReadBytes(thumbnail).size(), 5174u);
}

// A save replaces the file; the user's permission bits survive it exactly, whatever they were.
TEST(SaveBackup, ReplacedFileKeepsItsPermissionsAndACopyOfItsOldBytes)
{
    const Bytes sample = SampleJersey();
    for (fs::perms mode :
         {fs::perms::owner_read, fs::perms::owner_read | fs::perms::group_read,
          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
          fs::perms::owner_all | fs::perms::group_read | fs::perms::others_exec,
          fs::perms::owner_read | fs::perms::owner_write | fs::perms::set_uid | fs::perms::sticky_bit,
          fs::perms::owner_all | fs::perms::group_read | fs::perms::set_gid})
    {
        Workbench bench(sample);
        bench.request.backupFolder = bench.dir / "backups";
        fs::permissions(bench.archive, mode);
        JerseyColours record{};
        fs::path backup;
        // Until it takes the jersey's mode, the file that will replace it is its owner's alone.
        fs::perms whileWritten = fs::perms::unknown;
        Status saved;
        {
            ScopedFileFaults look(
                [&](FileOp op, const fs::path& path)
                {
                    whileWritten = op == FileOp::Write ? fs::status(path).permissions() : whileWritten;
                    return false;
                });
            saved = SaveJersey(bench.request, record, &backup);
        }
        ASSERT_TRUE(saved.ok()) << saved.error();
        EXPECT_TRUE(test::SamePermissions(whileWritten, fs::perms::owner_read | fs::perms::owner_write));
        EXPECT_NE(test::ReadBytes(bench.archive), sample);
        EXPECT_TRUE(test::SamePermissions(fs::status(bench.archive).permissions(), mode))
            << static_cast<int>(mode);
        ASSERT_EQ(backup.parent_path(), bench.request.backupFolder);
        const std::string name = PathText(backup.filename());
        EXPECT_EQ(name.rfind("PK001-", 0), 0u) << name;
        EXPECT_EQ(backup.extension(), ".FSH") << name;
        EXPECT_EQ(test::ReadBytes(backup), sample);
    }

    // Nothing replaced (a new file), or backups turned off: no copy, and none reported.
    Workbench bench(sample);
    bench.request.backupFolder = bench.dir / "backups";
    JerseyColours record{};
    fs::path backup = "stale";
    bench.request.target = bench.dir / "new.fsh";
    ASSERT_TRUE(SaveJersey(bench.request, record, &backup).ok());
    EXPECT_TRUE(backup.empty());
    bench.request.keepBackup = false;
    ASSERT_TRUE(SaveJersey(bench.request, record, &backup).ok());
    EXPECT_TRUE(backup.empty());
    EXPECT_FALSE(fs::exists(bench.dir / "backups"));
}

// A copy that cannot be kept stops the save before anything is written.
TEST(SaveBackup, BackupThatCannotBeWrittenStopsTheSave)
{
    Workbench bench(SampleJersey());
    test::WriteBytes(bench.dir / "a file", Bytes(3, 0));
    bench.request.backupFolder = bench.dir / "a file" / "backups";
    JerseyColours record{};
    bench.ExpectRefused(
        "backup under a file", [&] { return SaveJersey(bench.request, record); }, "cannot keep a backup of");

    // Through the command line, which says where the copy went and can do without one.
    test::TempDir parts;
    const std::string archive = PathText(bench.archive);
    ASSERT_EQ(test::RunCli({"export", archive, PathText(parts.path())}).exitCode, 0);
    auto saved = test::RunCli({"save", archive, archive, "--parts", PathText(parts.path())});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(saved.out.empty());
    EXPECT_NE(saved.err.find("tarnix-cli: backup: "), std::string::npos) << saved.err;
    const std::string copy = saved.err.substr(saved.err.find(": backup: ") + 10);
    EXPECT_TRUE(fs::exists(PathFromText(copy.substr(0, copy.find('\n'))))) << copy;
    saved = test::RunCli({"save", archive, archive, "--parts", PathText(parts.path()), "--no-backup"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(saved.err.empty()) << saved.err;
}

// The newest 20 copies of a jersey name stay; other names and foreign files are left alone.
TEST(SaveBackup, PruningKeepsTheNewestTwentyOfEachName)
{
    test::TempDir dir;
    std::vector<std::string> mine;
    for (int i = 0; i < 25; ++i)
    {
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "202612%02d-101010-%03d", 1 + i, i);
        mine.push_back(std::string("PK012-") + stamp + ".FSH");
        test::WriteBytes(dir / mine.back(), Bytes(1, 0));
    }
    // Copies with a counter ("-02" to "-99", two saves in one millisecond) are this jersey's, and the oldest
    // here: they go. Names that only look like one stay.
    const std::string older = "PK012-20260101-000000-000";
    const std::pair<std::string, bool> others[] = {
        {older + ".fsh", true},     {"PK0123-20260101-000000-000.FSH", true},
        {"PK012-notes.FSH", true},  {older + "-02.FSH", false},
        {older + "-10.FSH", false}, {older + "-99.FSH", false},
        {older + "x02.FSH", true},  {older + "-a0.FSH", true},
        {older + "-+1.FSH", true},  {older + "-0a.FSH", true},
        {older + "-0+.FSH", true},  {"PK013-20261231-000000-000.FSH", true},
    };
    for (const auto& [name, kept] : others)
    {
        test::WriteBytes(dir / name, Bytes(1, 0));
    }
    PruneBackups(dir.path(), "PK012.FSH");
    for (int i = 0; i < 25; ++i)
    {
        EXPECT_EQ(fs::exists(dir / mine[i]), i >= 5) << mine[i];
    }
    for (const auto& [name, kept] : others)
    {
        EXPECT_EQ(fs::exists(dir / name), kept) << name;
    }
}
