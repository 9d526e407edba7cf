#include "archive/Jersey.h"
#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "archive/KitColours.h"
#include "sample/SampleArchive.h"
#include "sample/SampleJerseys.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// A game folder with the textures folder in the game's own letter case.
struct GameFolder
{
    test::TempDir dir;
    fs::path game = dir / "FIFA 99 Spiel";
    fs::path textures = game / "Data" / "Player" / "Textures";
    GameFolder() { fs::create_directories(textures); }
};

Bytes FrontArchive(std::uint8_t (*pixel)(int x, int y))
{
    sample::EntrySpec front;
    front.name = "hjfr";
    for (int y = 0; y < 128; ++y)
    {
        for (int x = 0; x < 128; ++x)
        {
            front.pixels.push_back(pixel(x, y));
        }
    }
    for (int i = 0; i < 256; ++i)
    {
        front.colours[4 * i] = static_cast<std::uint8_t>(i);
        front.colours[4 * i + 1] = static_cast<std::uint8_t>(255 - i);
        front.colours[4 * i + 2] = static_cast<std::uint8_t>(i / 2);
    }
    return sample::BuildArchive({front});
}

} // namespace

TEST(JerseyNumber, DerivedOnlyInTheTexturesFolder)
{
    GameFolder g;
    EXPECT_EQ(JerseyNumber(g.textures / "pk012.fsh", g.game), 12);
    EXPECT_EQ(JerseyNumber(g.textures / "PK012.FSH", g.game), 12);
    EXPECT_EQ(JerseyNumber(g.game / "pk012.fsh", g.game), 0);
    EXPECT_EQ(JerseyNumber(g.textures / "pk012.fsh", fs::path()), 0);
    EXPECT_EQ(JerseyNumber(g.textures / "PK0.FSH", g.game), 0);
    EXPECT_EQ(JerseyNumber(g.textures / "PK07B.FSH", g.game), 7);
    EXPECT_EQ(JerseyNumber(g.textures / "PK112.FSH", g.game), 0);
    EXPECT_EQ(JerseyNumber(g.textures / "xPK012.FSH", g.game), 0);
}

TEST(JerseyNumber, GameFolderWithTrailingSeparatorAndOtherCase)
{
    GameFolder g;
    fs::path trailing = fs::path(PathText(g.game) + "/");
    EXPECT_EQ(JerseyNumber(g.textures / "PK005.FSH", trailing), 5);
    // The archive path as a user typed it, in another letter case than on disk.
    fs::path typed = g.game / "DATA" / "PLAYER" / "TEXTURES" / "pk005.fsh";
    EXPECT_EQ(JerseyNumber(typed, g.game), 5);
    EXPECT_EQ(JerseyNumber(g.textures / "sub" / ".." / "PK005.FSH", g.game), 5);
}

TEST(JerseyNumber, TexturesFolderFoundWhateverItsCase)
{
    test::TempDir dir;
    fs::create_directories(dir / "game/DATA/player/textures");
    EXPECT_EQ(TexturesFolderFor(dir / "game"), dir / "game/DATA/player/textures");
    EXPECT_EQ(JerseyNumber(dir / "game/DATA/player/textures/PK033.FSH", dir / "game"), 33);
}

TEST(ReadJerseyInfo, NumberIsReturnedEvenWhenTheFileIsMissing)
{
    GameFolder g;
    JerseyColours colours{};
    colours.fill(9);
    JerseyInfo info = ReadJerseyInfo(g.textures / "PK044.FSH", g.game, colours);
    EXPECT_EQ(info.number, 44);
    EXPECT_EQ(info.label, "");
    EXPECT_EQ(colours[3], 9);
    EXPECT_NE(info.readError.find("PK044.FSH"), std::string::npos) << info.readError;
}

TEST(ReadJerseyInfo, SampleWithTrailerReadsColoursAndWindows1252Label)
{
    JerseyColours colours{};
    JerseyInfo info = ReadJerseyInfo(test::SampleJerseyPath(1), test::SampleGameFolder(), colours);
    EXPECT_EQ(info.number, 1);
    EXPECT_EQ(info.label, "M\xc3\xbcnchen Stripes");
    EXPECT_EQ(info.labelBytes, "M\xfcnchen Stripes");
    EXPECT_EQ(info.readError, "");
    EXPECT_EQ(colours[0], 1);
    EXPECT_EQ(KitColoursOf(colours), (KitColours{2, 19, 22, 22, 19, 2, 19}));
}

TEST(ReadJerseyInfo, ArchiveWithoutTrailerLeavesTheColours)
{
    JerseyColours colours{};
    SetKitColours(colours, {3, 10, 19, 22, 0, 13, 2});
    const JerseyColours before = colours;
    JerseyInfo info = ReadJerseyInfo(test::SampleJerseyPath(2), test::SampleGameFolder(), colours);
    EXPECT_EQ(info.number, 2);
    EXPECT_EQ(info.label, "");
    EXPECT_EQ(colours, before);
}

TEST(ReadJerseyInfo, ForeignMagicWithFrontIsAJerseyWithoutLabel)
{
    test::TempDir dir;
    Bytes archive = FrontArchive([](int, int) -> std::uint8_t { return 0; });
    JerseyColours record{};
    record[1] = 5;
    ASSERT_TRUE(WriteTrailer(archive, record, "hidden", "x").ok());
    archive[0] = 'X';
    test::WriteBytes(dir / "odd.fsh", archive);
    EXPECT_TRUE(IsJerseyFile(dir / "odd.fsh"));
    JerseyColours colours{};
    EXPECT_EQ(ReadJerseyInfo(dir / "odd.fsh", {}, colours).label, "");
    EXPECT_EQ(colours, JerseyColours{});
}

TEST(IsJerseyFile, NeedsAnHjfrRecord)
{
    test::TempDir dir;
    sample::EntrySpec frhi;
    frhi.name = "frhi";
    test::WriteBytes(dir / "frhi-only.fsh", sample::BuildArchive({frhi}));
    EXPECT_FALSE(IsJerseyFile(dir / "frhi-only.fsh"));
    EXPECT_FALSE(IsJerseyFile(dir / "missing.fsh"));
    EXPECT_FALSE(IsJerseyFile(dir.path()));
    for (int n : {1, 2, 3, 4, 5, 12})
    {
        EXPECT_TRUE(IsJerseyFile(test::SampleJerseyPath(n))) << n;
    }
}

TEST(Preview, ExactLayoutOfTheFrontBitmap)
{
    Bytes archive =
        FrontArchive([](int x, int y) -> std::uint8_t { return static_cast<std::uint8_t>(x + 2 * y); });
    auto preview = BuildPreview(archive, "x");
    ASSERT_TRUE(preview.ok()) << preview.error();
    const Bytes& b = *preview;
    ASSERT_EQ(b.size(), 17462u);
    ByteReader r(b);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(*r.U32(2), 17462u);
    EXPECT_EQ(*r.U32(6), 0u);
    EXPECT_EQ(*r.U32(10), 1078u);
    EXPECT_EQ(*r.U32(14), 40u);
    EXPECT_EQ(*r.U32(18), 128u);
    EXPECT_EQ(*r.U32(22), 128u);
    EXPECT_EQ(*r.U16(26), 1);
    EXPECT_EQ(*r.U16(28), 8);
    EXPECT_EQ(*r.U32(30), 0u);
    EXPECT_EQ(*r.U32(34), 16384u);
    EXPECT_EQ(*r.U32(38), 0u);
    EXPECT_EQ(*r.U32(42), 0u);
    EXPECT_EQ(*r.U32(46), 256u);
    EXPECT_EQ(*r.U32(50), 256u);
    // Colour 7 as blue, green, red, 0 (alpha dropped).
    EXPECT_EQ(b[54 + 28], 7);
    EXPECT_EQ(b[54 + 29], 248);
    EXPECT_EQ(b[54 + 30], 3);
    EXPECT_EQ(b[54 + 31], 0);
    // The first stored row is the front's row 127.
    EXPECT_EQ(b[1078], static_cast<std::uint8_t>(0 + 2 * 127));
    EXPECT_EQ(b[1078 + 5], static_cast<std::uint8_t>(5 + 2 * 127));
    EXPECT_EQ(b[1078 + 127 * 128 + 3], 3);
}

TEST(Preview, ReadsBackWithAnIndependentDecoder)
{
    test::TempDir dir;
    ASSERT_TRUE(ExtractPreview(test::SampleJerseyPath(3), dir / "preview.bmp").ok());
    auto decoded = ReadBmp8File(dir / "preview.bmp");
    ASSERT_TRUE(decoded.ok());
    Bytes archive = test::ReadBytes(test::SampleJerseyPath(3));
    auto front = ReadPartImage(archive, Part::Front, "x");
    ASSERT_TRUE(front.ok());
    EXPECT_EQ(decoded->pixels, front->pixels);
    EXPECT_EQ(decoded->colours, front->colours);
}

TEST(Preview, MissingFrontFailsWithAMessageAndWritesNothing)
{
    test::TempDir dir;
    sample::EntrySpec back;
    back.name = "hjbk";
    test::WriteBytes(dir / "noface.fsh", sample::BuildArchive({back}));
    Status s = ExtractPreview(dir / "noface.fsh", dir / "out.bmp");
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().find("has no entry \"frhi\" or \"hjfr\""), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out.bmp"));
}

TEST(Preview, TruncatedFrontIsReported)
{
    test::TempDir dir;
    Bytes archive = FrontArchive([](int, int) -> std::uint8_t { return 1; });
    archive.resize(archive.size() - 300); // less than even a palette of three-byte colours
    test::WriteBytes(dir / "cut.fsh", archive);
    Status s = ExtractPreview(dir / "cut.fsh", dir / "out.bmp");
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().find("runs past the end of the file"), std::string::npos);
}

TEST(Recolour, KitGroupsTakeTheShadeRamps)
{
    ColourTable table{};
    table.fill(0x11);
    JerseyColours record{};
    SetKitColours(record, {13, 1, 2, 3, 4, 5, 6});
    RecolourColourTable(table, record);
    // Entry 47 (jersey 1st, shade 15) with Blue: red 0x31, green 0x56, blue 0xA5.
    EXPECT_EQ(table[4 * 47 + 2], 0x31);
    EXPECT_EQ(table[4 * 47 + 1], 0x56);
    EXPECT_EQ(table[4 * 47 + 0], 0xA5);
    EXPECT_EQ(table[4 * 47 + 3], 0x11); // the reserved byte stays
    // Entry 32: red 0x31, green 0x00, blue 0x04.
    EXPECT_EQ(table[4 * 32 + 2], 0x31);
    EXPECT_EQ(table[4 * 32 + 1], 0x00);
    EXPECT_EQ(table[4 * 32 + 0], 0x04);
    // Entry 200 is grey 0x82 whatever the colours.
    EXPECT_EQ(table[4 * 200], 0x82);
    EXPECT_EQ(table[4 * 200 + 1], 0x82);
    EXPECT_EQ(table[4 * 200 + 2], 0x82);
    // Entries outside the kit groups keep their colours.
    for (int i : {0, 31, 144, 191, 208, 255})
    {
        EXPECT_EQ(table[4 * i], 0x11) << i;
    }
}

TEST(Recolour, ColoursWithoutARampKeepTheArchiveColours)
{
    ColourTable table{};
    table.fill(0x22);
    JerseyColours record{};
    SetKitColours(record, {24, 31, -1, -128, 23, 0, 22});
    RecolourColourTable(table, record);
    for (int group = 2; group <= 5; ++group)
    {
        EXPECT_EQ(table[4 * (16 * group + 15)], 0x22) << group;
    }
    EXPECT_EQ(table[4 * (16 * 6 + 15)], 0xF7); // Not Used: the grey ramp's brightest
    // The first colour has a ramp like the rest.
    EXPECT_EQ(table[4 * (16 * 7 + 15) + 2], ShadeRamps[0][15] >> 16);
}

TEST(Recolour, PickerColoursAreTheRampsBrightestShade)
{
    for (int i = 0; i < 23; ++i)
    {
        const std::uint32_t rgb = ShadeRamps[i][15];
        EXPECT_EQ(PickerPalette[i].red, rgb >> 16) << i;
        EXPECT_EQ(PickerPalette[i].green, (rgb >> 8) & 0xFF) << i;
        EXPECT_EQ(PickerPalette[i].blue, rgb & 0xFF) << i;
    }
}
