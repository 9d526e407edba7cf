#include "archive/PartExport.h"
#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "sample/SampleArchive.h"
#include "sample/SampleJerseys.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <set>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

sample::EntrySpec Entry(const std::string& name, std::vector<std::uint8_t> pixels = {},
                        std::uint8_t type = kPaletteType32, ColourTable colours = {})
{
    sample::EntrySpec e;
    e.name = name;
    auto g = GeometryOf(name);
    pixels.resize(std::size_t(g->width) * g->height, 0);
    e.pixels = std::move(pixels);
    e.paletteType = type;
    e.colours = colours;
    return e;
}

// Row r of the archive picture holds the value (r * 7 + c) mod 256, so every value appears and rows differ.
std::vector<std::uint8_t> Ramp(int width, int height)
{
    std::vector<std::uint8_t> pixels(std::size_t(width) * height);
    for (int r = 0; r < height; ++r)
    {
        for (int c = 0; c < width; ++c)
        {
            pixels[std::size_t(r) * width + c] = static_cast<std::uint8_t>(r * 7 + c);
        }
    }
    return pixels;
}

Bytes PartsArchive(std::uint8_t type, const ColourTable& colours)
{
    return sample::BuildArchive(
        {Entry("hjfr", Ramp(128, 128), kPaletteType32, colours), Entry("hjbk", Ramp(64, 64), type, colours),
         Entry("hslv", Ramp(64, 64), type, colours), Entry("hrsv", Ramp(64, 48), type, colours)});
}

std::uint32_t U32At(const Bytes& b, std::size_t at)
{
    return *ByteReader(b).U32(at);
}

std::vector<std::uint8_t> ExpectedHeader(std::uint32_t width, std::uint32_t height)
{
    Bytes h(54, 0);
    h[0] = 'B';
    h[1] = 'M';
    PutU32(h, 2, 1078 + width * height);
    PutU32(h, 10, 1078);
    PutU32(h, 14, 40);
    PutU32(h, 18, width);
    PutU32(h, 22, height);
    PutU16(h, 26, 1);
    PutU16(h, 28, 8);
    PutU32(h, 34, width * height);
    PutU32(h, 46, 256);
    PutU32(h, 50, 256);
    return h;
}

} // namespace

TEST(PartSplit, EdgeValuesSplitAsTheEditorSeesThem)
{
    EXPECT_EQ(DesignByte(42), 47);
    EXPECT_EQ(ShadeByte(42), 10);
    EXPECT_EQ(DesignByte(0), 15);
    EXPECT_EQ(ShadeByte(0), 0);
    EXPECT_EQ(DesignByte(240), 240);
    EXPECT_EQ(ShadeByte(240), 0);
    EXPECT_EQ(DesignByte(241), 255);
    EXPECT_EQ(ShadeByte(241), 1);
}

TEST(PartSplit, MergeUndoesTheSplitForAll256Values)
{
    for (int v = 0; v < 256; ++v)
    {
        auto b = static_cast<std::uint8_t>(v);
        EXPECT_EQ(MergeBytes(DesignByte(b), ShadeByte(b)), v) << v;
    }
    for (int s = 0; s < 256; ++s)
    {
        EXPECT_EQ(MergeBytes(192, static_cast<std::uint8_t>(s)), 192);
    }
    EXPECT_EQ(MergeBytes(47, 3), 35);
    EXPECT_EQ(MergeBytes(63, 15), 63);
    EXPECT_EQ(MergeBytes(47, 20), 52); // a shade above 15 carries into the group, unclamped
}

TEST(PartExport, EveryPartIsByteExactForBothPaletteTypes)
{
    ColourTable colours{};
    for (int i = 0; i < 256; ++i)
    {
        colours[4 * i] = static_cast<std::uint8_t>(i);            // blue
        colours[4 * i + 1] = static_cast<std::uint8_t>(255 - i);  // green
        colours[4 * i + 2] = static_cast<std::uint8_t>(i ^ 0x55); // red
    }
    for (std::uint8_t type : {kPaletteType32, sample::kPaletteType24})
    {
        Bytes archive = PartsArchive(type, colours);
        auto files = BuildPartBitmaps(archive, "x.fsh");
        ASSERT_TRUE(files.ok()) << files.error();
        for (Part part : kAllParts)
        {
            const auto [w, h] = SizeOf(part);
            const std::vector<std::uint8_t> ramp = Ramp(w, h);
            for (PartSlot slot : {DesignSlot(part), ShadeSlot(part)})
            {
                const Bytes& file = (*files)[slot];
                ASSERT_EQ(file.size(), 1078u + w * h) << PartBitmapName(slot);
                EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), ExpectedHeader(w, h)) << PartBitmapName(slot);
                for (int i = 0; i < 256; ++i)
                {
                    // Blue, green, red, 0 whatever the archive stored, including the alpha of 0x2A palettes.
                    ASSERT_EQ(file[54 + 4 * i], i);
                    ASSERT_EQ(file[54 + 4 * i + 1], 255 - i);
                    ASSERT_EQ(file[54 + 4 * i + 2], i ^ 0x55);
                    ASSERT_EQ(file[54 + 4 * i + 3], 0);
                }
                for (int stored = 0; stored < h; ++stored)
                {
                    const int r = h - 1 - stored; // bottom-up: the first stored row is the archive's last
                    for (int c = 0; c < w; ++c)
                    {
                        std::uint8_t v = ramp[std::size_t(r) * w + c];
                        std::uint8_t expected = slot < 4 ? DesignByte(v) : ShadeByte(v);
                        ASSERT_EQ(file[1078 + std::size_t(stored) * w + c], expected)
                            << PartBitmapName(slot) << " row " << r << " column " << c;
                    }
                }
            }
        }
    }
}

TEST(PartExport, ShortSleeveHas48RowsStartingWithArchiveRow47)
{
    Bytes archive = PartsArchive(kPaletteType32, {});
    auto files = BuildPartBitmaps(archive, "x.fsh");
    ASSERT_TRUE(files.ok());
    const Bytes& design = (*files)[ShortSleeveDesign];
    EXPECT_EQ(design.size(), 4150u);
    EXPECT_EQ(U32At(design, 2), 4150u);
    EXPECT_EQ(U32At(design, 22), 48u);
    EXPECT_EQ(U32At(design, 34), 3072u);
    EXPECT_EQ(design[1078], DesignByte(static_cast<std::uint8_t>(47 * 7)));
    EXPECT_EQ((*files)[ShortSleeveShade][1078 + 5], ShadeByte(static_cast<std::uint8_t>(47 * 7 + 5)));
}

TEST(PartExport, TypedPalettesOfTheBackGiveTheSameEntry)
{
    ColourTable wide{};
    wide[0] = 1; // blue
    wide[1] = 2; // green
    wide[2] = 3; // red
    wide[3] = 255;
    for (std::uint8_t type : {kPaletteType32, sample::kPaletteType24})
    {
        Bytes archive =
            sample::BuildArchive({Entry("hjfr"), Entry("hjbk", {}, type, wide), Entry("hslv"), Entry("hrsv")});
        auto files = BuildPartBitmaps(archive, "x.fsh");
        ASSERT_TRUE(files.ok());
        const Bytes& back = (*files)[BackDesign];
        EXPECT_EQ(Bytes(back.begin() + 54, back.begin() + 58), (Bytes{1, 2, 3, 0})) << int(type);
    }
}

TEST(PartExport, FrontPaletteIsFourByteWhateverItsType)
{
    ColourTable colours{};
    colours[4 * 9] = 11;
    colours[4 * 9 + 1] = 22;
    colours[4 * 9 + 2] = 33;
    colours[4 * 9 + 3] = 44;
    Bytes archive = sample::BuildArchive(
        {Entry("hjfr", {}, sample::kPaletteType24, colours), Entry("hjbk"), Entry("hslv"), Entry("hrsv")});
    // The builder writes three-byte colours for type 0x24; the front is read as four-byte all the same.
    auto front = LocateFront(archive, ReadDirectory(archive), EntryNeeds::Pixels, "x");
    ASSERT_TRUE(front.ok());
    const std::size_t palette = front->PaletteOffset();
    for (int k = 0; k < 4; ++k)
    {
        archive[palette + 4 * 9 + k] = static_cast<std::uint8_t>(100 + k);
    }
    auto files = BuildPartBitmaps(archive, "x.fsh");
    ASSERT_TRUE(files.ok()) << files.error();
    const Bytes& design = (*files)[FrontDesign];
    EXPECT_EQ(Bytes(design.begin() + 54 + 36, design.begin() + 54 + 40), (Bytes{100, 101, 102, 0}));
}

TEST(PartExport, FirstFrontRecordInDirectoryOrderIsExported)
{
    for (bool frhiFirst : {true, false})
    {
        sample::EntrySpec frhi = Entry("frhi", std::vector<std::uint8_t>(128 * 128, 0x21));
        sample::EntrySpec hjfr = Entry("hjfr", std::vector<std::uint8_t>(128 * 128, 0x52));
        Bytes archive = frhiFirst
                            ? sample::BuildArchive({frhi, hjfr, Entry("hjbk"), Entry("hslv"), Entry("hrsv")})
                            : sample::BuildArchive({hjfr, frhi, Entry("hjbk"), Entry("hslv"), Entry("hrsv")});
        auto files = BuildPartBitmaps(archive, "x.fsh");
        ASSERT_TRUE(files.ok());
        EXPECT_EQ((*files)[FrontShade][1078], frhiFirst ? 0x1 : 0x2);
    }
}

TEST(PartExport, MissingOrTruncatedPartWritesNothing)
{
    test::TempDir dir;
    PartFiles files;
    for (int i = 0; i < PartSlotCount; ++i)
    {
        files[i] = dir / ("p" + std::to_string(i) + ".bmp");
    }
    const fs::path missing = dir / "missing.fsh";
    test::WriteBytes(missing, sample::BuildArchive({Entry("hjfr"), Entry("hjbk"), Entry("hslv")}));
    Status result = ExportParts(missing, files);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("\"hrsv\""), std::string::npos) << result.error();
    EXPECT_NE(result.error().find("missing.fsh"), std::string::npos) << result.error();

    Bytes cut = PartsArchive(kPaletteType32, {});
    cut.resize(cut.size() - 10);
    const fs::path truncated = dir / "cut.fsh";
    test::WriteBytes(truncated, cut);
    result = ExportParts(truncated, files);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("runs past the end of the file"), std::string::npos) << result.error();

    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(PartExport, FailedWriteLeavesEveryFileAsItWas)
{
    test::TempDir dir;
    PartFiles files;
    for (int i = 0; i < PartSlotCount; ++i)
    {
        files[i] = dir / ("p" + std::to_string(i) + ".bmp");
        test::WriteBytes(files[i], Bytes{'o', 'l', 'd', static_cast<std::uint8_t>(i)});
    }
    const fs::path archive = test::SampleJerseyPath(1);
    for (FileOp failing : {FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename})
    {
        int calls = 0;
        ScopedFileFaults faults([&](FileOp op, const fs::path&) { return op == failing && ++calls == 6; });
        Status result = ExportParts(archive, files);
        EXPECT_FALSE(result.ok());
        for (int i = 0; i < PartSlotCount; ++i)
        {
            EXPECT_EQ(test::ReadBytes(files[i]), (Bytes{'o', 'l', 'd', static_cast<std::uint8_t>(i)}));
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), PartSlotCount);
    }
    ASSERT_TRUE(ExportParts(archive, files).ok());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), PartSlotCount);
    auto expected = BuildPartBitmaps(test::ReadBytes(archive), "a");
    for (int i = 0; i < PartSlotCount; ++i)
    {
        EXPECT_EQ(test::ReadBytes(files[i]), (*expected)[i]);
    }
}

TEST(PartExport, RepeatedColoursMoveAFewLevelsInOneChannelWhileTheFirstKeepsItsColour)
{
    const Bytes archive = test::ReadBytes(test::SampleJerseyPath(1));
    const ColourTable palette = ReadPartImage(archive, Part::Front, "PK001.FSH")->colours;
    auto colour = [](const ColourTable& t, int i) { return std::array{t[4 * i], t[4 * i + 1], t[4 * i + 2]}; };
    ASSERT_EQ(colour(palette, 63), colour(palette, 111)); // one white for jersey 2nd, shorts 2nd, socks 2nd
    ASSERT_EQ(colour(palette, 63), colour(palette, 143));

    const ColourTable table = DistinctColourTable(palette);
    std::set<std::array<std::uint8_t, 3>> seen;
    for (int i = 0; i < 256; ++i)
    {
        EXPECT_TRUE(seen.insert(colour(table, i)).second) << "entry " << i << " repeats a colour";
        EXPECT_EQ(table[4 * i + 3], 0);
        bool first = true;
        for (int j = 0; j < i; ++j)
        {
            first = first && colour(palette, j) != colour(palette, i);
        }
        int channels = 0;
        int levels = 0;
        for (int c = 0; c < 3; ++c)
        {
            const int d = std::abs(int(table[4 * i + c]) - int(palette[4 * i + c]));
            channels += d != 0;
            levels += d;
        }
        EXPECT_EQ(channels, first ? 0 : 1) << "entry " << i;
        EXPECT_LE(levels, 4) << "entry " << i;
    }
    EXPECT_EQ(colour(table, 63), colour(palette, 63));
    EXPECT_NE(colour(table, 111), colour(palette, 111));

    // By hand: three entries of one colour among distinct others; the second moves up in blue, the third
    // down, to the lowest level. A colour at the highest level can only move down; one below it moves up
    // to it.
    ColourTable three{};
    for (int i = 0; i < 256; ++i)
    {
        const bool repeated = i >= 5 && i <= 7;
        const bool top = i == 9 || i == 10;
        const bool belowTop = i == 12 || i == 13;
        three[4 * i] = static_cast<std::uint8_t>(repeated ? 1 : top ? 255 : belowTop ? 254 : i);
        three[4 * i + 1] = repeated || top ? 60 : belowTop ? 61 : 200;
        three[4 * i + 2] = repeated || top || belowTop ? 70 : 200;
        if (i >= 20 && i <= 31)
        {
            three[4 * i] = three[4 * i + 1] = three[4 * i + 2] = 0x80; // twelve of one grey
        }
    }
    const ColourTable moved = DistinctColourTable(three);
    EXPECT_EQ(colour(moved, 5), (std::array<std::uint8_t, 3>{1, 60, 70}));
    EXPECT_EQ(colour(moved, 6), (std::array<std::uint8_t, 3>{2, 60, 70}));
    EXPECT_EQ(colour(moved, 7), (std::array<std::uint8_t, 3>{0, 60, 70}));
    EXPECT_EQ(colour(moved, 10), (std::array<std::uint8_t, 3>{254, 60, 70}));
    EXPECT_EQ(colour(moved, 13), (std::array<std::uint8_t, 3>{255, 61, 70}));
    // The order of the moves, as blue, green, red: up and down in blue, in red, in green, then two levels.
    const std::array<std::uint32_t, 12> greys = {0x808080, 0x818080, 0x7F8080, 0x808081, 0x80807F, 0x808180,
                                                 0x807F80, 0x828080, 0x7E8080, 0x808082, 0x80807E, 0x808280};
    for (int i = 0; i < 12; ++i)
    {
        const auto c = colour(moved, 20 + i);
        EXPECT_EQ(std::uint32_t(c[0]) << 16 | std::uint32_t(c[1]) << 8 | c[2], greys[i]) << "repeat " << i;
    }

    // The part bitmaps carry the distinct table; the preview keeps the palette as stored.
    auto files = BuildPartBitmaps(archive, "PK001.FSH");
    ASSERT_TRUE(files.ok());
    for (PartSlot slot : {FrontDesign, FrontShade})
    {
        EXPECT_TRUE(std::equal(table.begin(), table.end(), (*files)[slot].begin() + 54)) << PartBitmapName(slot);
    }
    const Bytes preview = *BuildPreview(archive, "PK001.FSH");
    EXPECT_TRUE(std::equal(palette.begin(), palette.end(), preview.begin() + 54));
    auto tables = ExportedColourTables(archive, "PK001.FSH");
    ASSERT_TRUE(tables.ok());
    EXPECT_EQ((*tables)[FrontDesign], table);
}

// A path naming a folder is no file to write: the group writes nothing.
TEST(PartExport, AGroupWithAFolderForAFileWritesNothing)
{
    test::TempDir dir;
    const Status written =
        WriteFileGroup({{dir / "a.bmp", Bytes{1}}, {dir.path() / "sub" / "", Bytes{2}}}, Flush::No);
    EXPECT_EQ(written.ok() ? "" : written.error(), "no file name given to write to");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 0);
}
