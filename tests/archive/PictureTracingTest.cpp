// Each rule of tracing a painted picture back to indices, one small picture at a time, in a palette made for
// the rule: every index shows a colour of its own unless the row says otherwise, kit ramps are pale pinks
// that no painted colour here comes near, and fixed colours are browns.

#include "archive/Blends.h"
#include "archive/PictureMapping.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tarnix;

namespace
{

using Palette = std::array<std::uint32_t, 256>;

constexpr std::uint32_t kShownFlag = 0x80000000u;

// A pixel painted with the colour index i shows.
constexpr std::uint32_t Shown(int i)
{
    return kShownFlag | std::uint32_t(i);
}

constexpr std::uint32_t Grey(int level)
{
    return 0x010101u * std::uint32_t(level);
}

Palette BasePalette()
{
    Palette shown{};
    for (int i = 0; i < 256; ++i)
    {
        const int group = i / 16;
        const bool kit = group >= 2 && group <= 8;
        shown[i] = kit ? 0xFF00FFu | std::uint32_t(16 * (i % 16) + group) << 8
                       : std::uint32_t(i) << 16 | std::uint32_t(255 - i) << 8 | 0x40u;
    }
    return shown;
}

void SetRamp(Palette& shown, int group, std::uint32_t colour)
{
    for (int s = 0; s < 16; ++s)
    {
        shown[group * 16 + s] = colour;
    }
}

// Shade s at (16 s + 15) / 255 of `full` (a channel mask such as 0xFF0000): a ramp darkening to black.
void SetDarkRamp(Palette& shown, int group, std::uint32_t full)
{
    for (int s = 0; s < 16; ++s)
    {
        shown[group * 16 + s] = (full / 0xFF) * std::uint32_t(16 * s + 15);
    }
}

struct TraceRow
{
    const char* name;
    int width;
    std::vector<std::uint8_t> exported;
    std::vector<std::uint32_t> painted; // a colour, or Shown(i)
    void (*palette)(Palette&);
    std::vector<std::uint8_t> expected;
    std::size_t farPixels = 0;
    std::size_t firstFar = 0;
};

std::ostream& operator<<(std::ostream& os, const TraceRow& row)
{
    return os << row.name;
}

class PictureTracing : public ::testing::TestWithParam<TraceRow>
{
};

TEST_P(PictureTracing, TracesEachPixelByItsRule)
{
    const TraceRow& row = GetParam();
    Palette shown = BasePalette();
    row.palette(shown);
    RgbPicture picture{row.width, int(row.exported.size()) / row.width, {}};
    for (std::uint32_t p : row.painted)
    {
        picture.pixels.push_back((p & kShownFlag) != 0 ? shown[p & 0xFF] : p);
    }
    const TracedPicture traced = TracePicture(picture, row.exported, shown, false);
    EXPECT_EQ(traced.pixels, row.expected);
    EXPECT_EQ(traced.farPixels, row.farPixels);
    if (row.farPixels != 0)
    {
        EXPECT_EQ(traced.firstFar, row.firstFar);
        EXPECT_EQ(traced.firstFarColour, picture.pixels[row.firstFar]);
    }
}

void Nothing(Palette&) {}

// Index 0x30 shows what 0x20 shows: a colour of kit groups 2 and 3.
void Shared23(Palette& p)
{
    p[0x30] = p[0x20];
}

// Group 3 a flat grey of lightness 49.6, group 2 one of 64.7 (kit ramps may repeat a colour: the first
// shade then wins).
void Greys32(Palette& p)
{
    SetRamp(p, 3, Grey(118));
    SetRamp(p, 2, Grey(157));
}

const TraceRow kRows[] = {
    // A colour several groups show: the group of more anchored neighbours up to two pixels away, then the
    // group painted over, then the lower index.
    {"NeighboursTwoAwayVote",
     7,
     {0x21, 0x31, 0x41, 0x45, 0x41, 0x51, 0x22},
     {Shown(0x21), Shown(0x31), Shown(0x41), Shown(0x20), Shown(0x41), Shown(0x51), Shown(0x22)},
     Shared23,
     {0x21, 0x31, 0x41, 0x30, 0x41, 0x51, 0x22}},
    {"TheGroupPaintedOverBreaksATie",
     3,
     {0x21, 0x35, 0x31},
     {Shown(0x21), Shown(0x20), Shown(0x31)},
     Shared23,
     {0x21, 0x30, 0x31}},
    {"ThenTheLowerIndex",
     3,
     {0x21, 0x45, 0x31},
     {Shown(0x21), Shown(0x20), Shown(0x31)},
     Shared23,
     {0x21, 0x20, 0x31}},
    {"APaintedExactColourVotes",
     3,
     {0x45, 0x45, 0x45},
     {Shown(0x35), Shown(0x20), Shown(0x45)},
     Shared23,
     {0x35, 0x30, 0x45}},
    // Of fixed groups 0 and 1, the first pixel: a painted neighbour of group 0 ties with an unchanged one of
    // group 1, and index 0 stays the lower.
    {"FixedGroupsTieToIndexZero",
     3,
     {0x95, 0x96, 0x11},
     {Shown(0x00), Shown(0x03), Shown(0x11)},
     [](Palette& p) { p[0x10] = p[0x00]; },
     {0x00, 0x03, 0x11}},
    // Kit ramps before fixed groups, at both ends of the kit groups.
    {"KitGroupEightBeforeFixedNine",
     3,
     {0x45, 0x91, 0x92},
     {Shown(0x8F), Shown(0x91), Shown(0x92)},
     [](Palette& p) { p[0x9F] = p[0x8F]; },
     {0x8F, 0x91, 0x92}},
    {"KitGroupTwoBeforeFixedOne",
     3,
     {0x45, 0x11, 0x12},
     {Shown(0x2F), Shown(0x11), Shown(0x12)},
     [](Palette& p) { p[0x1F] = p[0x2F]; },
     {0x2F, 0x11, 0x12}},
    {"AFixedColourKeepsItsIndex", 1, {0x45}, {Shown(0x95)}, Nothing, {0x95}},
    // Lighter paint: the group painted over (3, 10.5 away) unless another fits better by 4 when the part
    // or a neighbour has it (2, 4.6 away), by 8 otherwise; the first shade of a flat ramp.
    {"TheGroupPaintedOverWinsByLessThanEight", 1, {0x3F}, {Grey(145)}, Greys32, {0x30}},
    {"AGroupThePartHasWinsByFour",
     4,
     {0x3F, 0x3F, 0x3F, 0x2F},
     {Grey(145), Shown(0x3F), Shown(0x3F), Shown(0x2F)},
     Greys32,
     {0x20, 0x3F, 0x3F, 0x2F}},
    {"AGroupANeighbourWasPaintedWinsByFour",
     2,
     {0x3F, 0x3F},
     {Grey(145), 0x00FF00},
     [](Palette& p)
     {
         Greys32(p);
         p[0x2F] = 0x00FF00;
     },
     {0x20, 0x2F}},
    // 16.2 from group 3 does not fit it; group 2 at 4.5 wins by more than eight.
    {"AnyKitGroupWinsByEight",
     1,
     {0x3F},
     {Grey(160)},
     [](Palette& p)
     {
         SetRamp(p, 3, Grey(118));
         SetRamp(p, 2, Grey(172));
     },
     {0x20}},
    {"OfTwoEqualGroupsTheFirst",
     1,
     {0x3F},
     {Grey(145)},
     [](Palette& p)
     {
         SetRamp(p, 5, Grey(157));
         SetRamp(p, 6, Grey(157));
     },
     {0x50}},
    // An edge: the side it leans to, at that group's nearest shade (a fixed side, index 0 here, as it is).
    {"AnEdgeTakesTheNearestShadeOfItsSide", 2, {0x3F, 0x2F}, {Grey(124), Shown(0x2F)}, Greys32, {0x30, 0x2F}},
    // Index 0 on the side of an edge is a side like any other: ahead of a kit shade that fits too, off the
    // blend within the shade fit, at a corner, and beside a traced pixel.
    {"AnEdgeOfIndexZero",
     2,
     {0x00, 0x2F},
     {0x4DFB79, Shown(0x2F)},
     [](Palette& p) { SetRamp(p, 5, 0x55FB79); },
     {0x00, 0x2F}},
    {"ARougherEdgeOfIndexZero", 2, {0x00, 0x2F}, {0x4DFB99, Shown(0x2F)}, Nothing, {0x00, 0x2F}},
    {"ACornerOfIndexZero",
     3,
     {0x00, 0xF0, 0x35},
     {0x948379, Shown(0xF0), Shown(0x35)},
     Nothing,
     {0x00, 0xF0, 0x35}},
    {"ACornerMeasuredOnEveryChannel",
     3,
     {0x00, 0x90, 0x7F},
     {0x78D179, Shown(0x90), Shown(0x7F)},
     Nothing,
     {0x00, 0x90, 0x7F}},
    // Only inside a triangle of three colours: not beyond one of its sides, nor towards black when two are
    // all there is.
    {"BeyondTheCornerIsFar",
     3,
     {0x00, 0xF0, 0x35},
     {0x38F1A0, Shown(0xF0), Shown(0x35)},
     Nothing,
     {0x00, 0xF0, 0x35},
     1,
     0},
    {"NoCornerTowardsBlack",
     3,
     {0x95, 0xF0, 0x2F},
     {0xC66780, Shown(0xF0), Shown(0x2F)},
     Nothing,
     {0x95, 0xF0, 0x2F},
     1,
     0},
    {"NoCornerOfTheColourUnderTowardsBlack",
     3,
     {0x95, 0xF0, 0x2F},
     {0x842F2D, Shown(0xF0), Shown(0x2F)},
     Nothing,
     {0x95, 0xF0, 0x2F},
     1,
     0},
    {"NoCornerOfTwoColours", 2, {0x8F, 0x00}, {0x53A368, Shown(0x00)}, Nothing, {0x8F, 0x00}, 1, 0},
    {"OffTheCornerIsFar",
     3,
     {0x00, 0xF0, 0x35},
     {0xA29173, Shown(0xF0), Shown(0x35)},
     Nothing,
     {0x00, 0xF0, 0x35},
     1,
     0},
    {"APaintedEdgeOfIndexZero",
     3,
     {0x00, 0x45, 0x2F},
     {Shown(0x00), 0x2DB32D, 0x960000},
     [](Palette& p) { SetDarkRamp(p, 2, 0xFF0000); },
     {0x00, 0x00, 0x28}},
    // Half the brightness of the one colour beside it: no edge is made of one colour.
    {"AFarPixelBesideOneColour", 2, {0x95, 0x96}, {0x4B3420, Shown(0x96)}, Nothing, {0x95, 0x96}, 1, 0},
    // A soft design darkened as a whole: its edge, far from everything exported, is a blend of the darkened
    // colours beside it.
    {"AnEdgeBetweenTracedShades",
     3,
     {0x2F, 0x2F, 0x4F},
     {0x960000, 0x5A003C, 0x000096},
     [](Palette& p)
     {
         SetDarkRamp(p, 2, 0xFF0000);
         SetDarkRamp(p, 4, 0x0000FF);
     },
     {0x28, 0x22, 0x48}},
    {"FarPixelsKeepTheirIndicesAndTheFirstIsNamed",
     2,
     {0x95, 0x96},
     {Grey(145), Grey(100)},
     Nothing,
     {0x95, 0x96},
     2,
     0},
};

INSTANTIATE_TEST_SUITE_P(Rules, PictureTracing, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Twenty-four different neighbours, all anchored: the window holds every one of them.
TEST(PictureTracing, AFullWindowOfDifferentNeighbours)
{
    const Palette shown = BasePalette();
    std::vector<std::uint8_t> exported(25);
    RgbPicture picture{5, 5, {}};
    for (int i = 0; i < 25; ++i)
    {
        exported[i] = std::uint8_t(0x90 + i);
        picture.pixels.push_back(shown[exported[i]]);
    }
    picture.pixels[12] = Grey(145);
    const TracedPicture traced = TracePicture(picture, exported, shown, false);
    EXPECT_EQ(traced.pixels, exported);
    EXPECT_EQ(traced.farPixels, 1u);
    EXPECT_EQ(traced.firstFar, 12u);
}

// Blends are measured on every level of each channel, two ends one level apart still make an edge, and of
// blends that fit equally the first found counts, at the first end from the middle.
TEST(PictureTracing, BlendsSeeEveryLevel)
{
    for (std::uint32_t colour : {0x010000u, 0x000100u, 0x000001u})
    {
        const std::uint32_t ends[] = {colour, 0x808080u};
        EXPECT_LT(NearestEdge(colour, ToLab(colour), ends, 2).distance, 1e-9) << std::hex << colour;
    }
    const std::uint32_t close[] = {0x808080u, 0x808081u};
    EXPECT_EQ(NearestEdge(0x808081u, ToLab(0x808081u), close, 2).side, 1);
    // (100, 100, 0) halves both diagonals of a square; (100, 150, 0) lies in two of its triangles.
    const std::uint32_t square[] = {0x000000u, 0xC8C800u, 0xC80000u, 0x00C800u};
    EXPECT_EQ(NearestEdge(0x646400u, ToLab(0x646400u), square, 4).side, 0);
    const std::uint32_t corners[] = {0x000000u, 0xC80000u, 0x00C800u, 0xC8C800u};
    EXPECT_EQ(NearestCorner(0x649600u, ToLab(0x649600u), corners, 4).side, 3);
}

} // namespace
