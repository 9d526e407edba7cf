// What a returned bitmap's pixels are read back as, case by case: the tables an editor may save (as
// exported, as an older export wrote the palette, reordered, trimmed, with a colour of its own) against the
// role of the bitmap. The palette repeats two colours, as stored parts do: shade 4 repeats shade 3 and
// entry 9 repeats entry 5; the exported table moves each repeat to a colour of its own.

#include "archive/ColourMapping.h"
#include "archive/PartExport.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace tarnix;

namespace
{

std::uint32_t At(const ColourTable& t, int i)
{
    return std::uint32_t(t[4 * i + 2]) << 16 | std::uint32_t(t[4 * i + 1]) << 8 | t[4 * i];
}

void Put(ColourTable& t, int i, std::uint32_t colour)
{
    t[4 * i] = std::uint8_t(colour);
    t[4 * i + 1] = std::uint8_t(colour >> 8);
    t[4 * i + 2] = std::uint8_t(colour >> 16);
}

ColourTable Palette()
{
    ColourTable t{};
    for (int i = 0; i < 256; ++i)
    {
        Put(t, i, std::uint32_t(i) << 16 | std::uint32_t(255 - i) << 8 | std::uint32_t(i * 7 & 0xFF));
    }
    Put(t, 7, 0x000000);
    Put(t, 4, At(t, 3));
    Put(t, 9, At(t, 5));
    return t;
}

const ColourTable kPalette = Palette();
const ColourTable kExported = DistinctColourTable(kPalette);
constexpr std::uint32_t kForeignColour = 0x123456;

EditedImage Indexed(const ColourTable& table, int count, std::vector<std::uint8_t> pixels, int width = 0)
{
    width = width > 0 ? width : int(pixels.size());
    return {.width = width,
            .height = int(pixels.size()) / width,
            .colours = table,
            .colourCount = count,
            .pixels = std::move(pixels),
            .rgb = {}};
}

ColourTable ExportedWith(std::initializer_list<std::pair<int, std::uint32_t>> changes)
{
    ColourTable t = kExported;
    for (auto [i, colour] : changes)
    {
        Put(t, i, colour);
    }
    return t;
}

// A 5 x 5 picture of indices 0x60-0x78 with `centre` in the middle.
std::vector<std::uint8_t> Window(std::uint8_t centre)
{
    std::vector<std::uint8_t> pixels(25);
    std::iota(pixels.begin(), pixels.end(), std::uint8_t(0x60));
    pixels[12] = centre;
    return pixels;
}

struct MappingRow
{
    const char* name;
    EditedImage image;
    BitmapRole role;
    bool nearest;
    std::string error{}; // the start of the refusal; empty: read
    bool asReturned = false;
    std::vector<std::uint8_t> pixels{}; // when not as returned
    std::size_t nearestPixels = 0;
    std::vector<std::uint8_t> stored{}; // the part as stored, when known
};

std::ostream& operator<<(std::ostream& os, const MappingRow& row)
{
    return os << row.name;
}

class MapToExported : public ::testing::TestWithParam<MappingRow>
{
};

TEST_P(MapToExported, ReadsEachTableByItsColours)
{
    const MappingRow& row = GetParam();
    const MappingOptions options{row.nearest, row.stored.empty() ? nullptr : &row.stored};
    const auto mapped = MapToExportedIndices(row.image, kExported, kPalette, row.role, options, "x");
    if (!row.error.empty())
    {
        ASSERT_FALSE(mapped.ok());
        EXPECT_EQ(mapped.error().substr(0, row.error.size()), row.error);
        return;
    }
    ASSERT_TRUE(mapped.ok()) << mapped.error();
    EXPECT_EQ(mapped->asReturned, row.asReturned);
    EXPECT_EQ(mapped->pixels, row.pixels);
    EXPECT_EQ(mapped->nearestPixels, row.nearestPixels);
    if (row.role == BitmapRole::Design)
    {
        const auto& byGroup = mapped->nearestByGroup;
        EXPECT_EQ(std::accumulate(byGroup.begin(), byGroup.end(), std::size_t(0)), row.nearestPixels);
    }
}

const MappingRow kRows[] = {
    {"AsExported", Indexed(kExported, 256, {9, 5, 200}), BitmapRole::Design, false, "", true, {}},
    // An older export's table: entry 9 shows entry 5's colour and still means 9; an entry no pixel uses may
    // differ.
    {"AsThePaletteWithAnUnusedEntryChanged",
     Indexed(ExportedWith({{9, At(kPalette, 9)}, {200, kForeignColour}}), 256, {9, 5}),
     BitmapRole::Design,
     false,
     "",
     true,
     {}},
    {"TwoEntriesSwapped",
     Indexed(ExportedWith({{10, At(kExported, 11)}, {11, At(kExported, 10)}}), 256, {10, 11, 12}),
     BitmapRole::Design,
     false,
     "",
     false,
     {11, 10, 12}},
    {"AnIndexPastATrimmedTable", Indexed(kExported, 16, {3, 16}), BitmapRole::Design, false,
     "x uses colour index 16, but its colour table has only 16 colours"},
    {"AForeignColourFirst", Indexed(ExportedWith({{0, kForeignColour}}), 256, {0, 1, 2}), BitmapRole::Design,
     false, "x has 1 pixel in colours the bitmap was not exported with (the first at (0, 0), #123456)"},
    {"AForeignColourToTheNearestAlone",
     Indexed(ExportedWith({{0, kForeignColour}}), 256, {0, 1, 2}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x7F, 1, 2},
     1},
    {"TrueColourForeignToTheNearestAlone",
     {.width = 3,
      .height = 1,
      .indexed = false,
      .pixels = {},
      .rgb = {kForeignColour, At(kExported, 0), At(kExported, 1)}},
     BitmapRole::Design,
     true,
     "",
     false,
     {0x7F, 0, 1},
     1},
    // Group 0's full shade is a design colour like any other; a foreign pixel amid twenty-four different
    // colours weighs every one of them.
    {"AForeignColourNearGroupZero",
     Indexed(ExportedWith({{0, 0x10F069}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x0F},
     1},
    {"AForeignColourAmidTwentyFour", Indexed(ExportedWith({{200, kForeignColour}}), 256, Window(200), 5),
     BitmapRole::Design, true, "", false, Window(0x65), 1},
    // The badge (192) and 240 stand for themselves, group 15's full shade for the group; the badge only
    // where the part has the grey group.
    {"AForeignColourNearTheBadge",
     Indexed(ExportedWith({{0, 0xC13F40}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {192},
     1},
    {"AForeignColourNear240",
     Indexed(ExportedWith({{0, 0xF10F90}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {240},
     1},
    {"AForeignColourNearGroupFifteen",
     Indexed(ExportedWith({{0, 0xFE00F9}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0xFF},
     1},
    {"NoBadgeWhereThePartHasNoGreyGroup",
     Indexed(ExportedWith({{0, 0xC13F40}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x2F},
     1,
     {0x25}},
    {"TheBadgeWhereThePartHasTheGreyGroup",
     Indexed(ExportedWith({{0, 0xC13F40}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {192},
     1,
     {0xC5}},
    {"NoGroupZeroWhereThePartHasNone",
     Indexed(ExportedWith({{0, 0x10F069}}), 256, {0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x2F},
     1,
     {0x25}},
    {"TheFirstPixelsGroupCounts",
     Indexed(ExportedWith({{0, 0xC13F40}}), 256, {0xCF, 0}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0xCF, 192},
     1,
     {0x25, 0x25}},
    // A blend leaning to the colour stored under the pixel goes to it, however far the blend is from it.
    {"AnEdgeOfTheStoredColour",
     Indexed(ExportedWith({{0, 0xA758C4}}), 256, {0, 0xFF}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x5F, 0xFF},
     1,
     {0x55, 0xFF}},
    // Without a stored part there is nothing under the pixel and no black anchor: half a neighbour's colour
    // is no edge; of two kept entries showing one colour, the first.
    {"HalfANeighbourIsNoEdge",
     Indexed(ExportedWith({{0, 0x334C65}}), 256, {0, 0x66}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x7F, 0x66},
     1},
    {"NothingUnderWithoutAStoredPart",
     Indexed(ExportedWith({{1, 0x02FD02}}), 256, {1}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x0F},
     1},
    {"OfTwoEntriesAlikeTheFirst",
     Indexed(ExportedWith({{0, 0x04FB15}}), 256, {3, 0, 4}),
     BitmapRole::Design,
     true,
     "",
     false,
     {3, 3, 4},
     1},
    // An edge between colours two pixels away counts, one three away does not; in a column too.
    {"AnEdgeTwoPixelsUp",
     Indexed(ExportedWith({{0, 0x53AC61}}), 256, {0x35, 0x66, 0, 0x66, 0x9A}, 1),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x35, 0x66, 0x35, 0x66, 0x9A},
     1},
    {"AnEdgeTwoPixelsAway",
     Indexed(ExportedWith({{0, 0x53AC61}}), 256, {0x35, 0x66, 0, 0x66, 0x9A}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x35, 0x66, 0x35, 0x66, 0x9A},
     1},
    {"NoEdgeThreePixelsAway",
     Indexed(ExportedWith({{0, 0x53AC61}}), 256, {0x35, 0x66, 0x62, 0, 0x64, 0x66, 0x9A}),
     BitmapRole::Design,
     true,
     "",
     false,
     {0x35, 0x66, 0x62, 0x4F, 0x64, 0x66, 0x9A},
     1},
    // A shade bitmap means shades 0-15: another index, or a colour the export wrote for one, is foreign.
    {"AShadeBitmapUsingADesignIndex", Indexed(kExported, 256, {2, 20}), BitmapRole::Shade, false,
     "x has 1 pixel in colours the bitmap was not exported with (the first at (1, 0)"},
    {"AShadeTableHoldingADesignColour",
     Indexed(ExportedWith({{0, At(kExported, 20)}, {1, At(kExported, 2)}}), 2, {1, 0}), BitmapRole::Shade, false,
     "x has 1 pixel in colours the bitmap was not exported with (the first at (1, 0)"},
    {"TrueColourShadeWithADesignColour",
     {.width = 2, .height = 1, .indexed = false, .pixels = {}, .rgb = {At(kExported, 2), At(kExported, 20)}},
     BitmapRole::Shade,
     false,
     "x has 1 pixel in colours the bitmap was not exported with (the first at (1, 0)"},
    {"TrueColourShadeWithADesignColourToTheNearestShade",
     {.width = 2, .height = 1, .indexed = false, .pixels = {}, .rgb = {At(kExported, 2), At(kExported, 20)}},
     BitmapRole::Shade,
     true,
     "",
     false,
     {2, 15},
     1},
    // The repeated shade keeps its own index when another entry goes to the nearest.
    {"ARepeatedShadeBesideAForeignOne",
     Indexed(ExportedWith({{200, kForeignColour}}), 256, {4, 200}),
     BitmapRole::Shade,
     true,
     "",
     false,
     {4, 7},
     1},
};

INSTANTIATE_TEST_SUITE_P(Tables, MapToExported, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
