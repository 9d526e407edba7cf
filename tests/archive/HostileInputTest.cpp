#include "archive/Bmp.h"
#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/PartExport.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"
#include "sample/SampleGame.h"
#include "sample/SampleJerseys.h"

#include "../../fuzz/FuzzInput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>

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

std::vector<Bytes> CrashersIn(const std::string& kind)
{
    std::vector<Bytes> inputs;
    const fs::path folder = fs::path(TARNIX_TEST_DATA) / "crashers" / kind;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
    {
        inputs.push_back(test::ReadBytes(entry.path()));
    }
    return inputs;
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

// Inputs the fuzzers found crashing, kept as found: archives, and bitmaps.
TEST(HostileInput, FuzzerCrashersAreReadWithoutFault)
{
    for (const Bytes& input : CrashersIn("archive"))
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
    for (const Bytes& input : CrashersIn("bmp"))
    {
        auto bitmap = DecodeBmp8(input, "crasher");
        if (bitmap)
        {
            EXPECT_EQ(bitmap->pixels.size(), std::size_t(bitmap->width) * std::size_t(bitmap->height));
        }
    }
}

// A stored count of 0xFFFFFFFF makes the directory run to the end of the file, over every entry.
TEST(HostileInput, DirectoryCountOfAllOnesRefusesEveryEntryButKeepsTheJerseyCheck)
{
    Bytes archive = SampleJersey();
    PutU32(archive, kFshCountOffset, 0xFFFFFFFFu);
    Workbench bench(archive);
    EXPECT_TRUE(IsJerseyFile(bench.archive));
    bench.ExpectEveryOperationRefused("count 0xFFFFFFFF", "overlaps the archive's header");
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
                EXPECT_TRUE(SaveJersey(bench.request, record).ok()) << what;
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
