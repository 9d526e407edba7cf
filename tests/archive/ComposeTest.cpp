#include "archive/Compose.h"
#include "archive/ColourMapping.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "sample/SampleJerseys.h"

#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// A 64 x 64 back holding every pixel value 0-255 (16 times), with a palette of 256 distinct colours.
Bitmap8 AllValuesBack()
{
    Bitmap8 b;
    b.width = 64;
    b.height = 64;
    for (int i = 0; i < 256; ++i)
    {
        b.colours[4 * i] = static_cast<std::uint8_t>(i);
        b.colours[4 * i + 1] = static_cast<std::uint8_t>(i * 3);
        b.colours[4 * i + 2] = static_cast<std::uint8_t>(255 - i);
    }
    b.pixels.resize(64 * 64);
    for (std::size_t i = 0; i < b.pixels.size(); ++i)
    {
        b.pixels[i] = static_cast<std::uint8_t>(i * 37 + i / 256);
    }
    return b;
}

// The bitmap as an editor that keeps only the colours in use, in another order, would save it.
Bitmap8 Rewritten(const Bitmap8& b)
{
    std::vector<int> used;
    for (int v = 255; v >= 0; --v)
    {
        if (std::find(b.pixels.begin(), b.pixels.end(), v) != b.pixels.end())
        {
            used.push_back(v);
        }
    }
    Bitmap8 out = b;
    out.colours = {};
    out.colourCount = static_cast<int>(used.size());
    for (std::size_t k = 0; k < used.size(); ++k)
    {
        std::copy_n(b.colours.begin() + 4 * used[k], 4, out.colours.begin() + 4 * k);
    }
    for (std::uint8_t& p : out.pixels)
    {
        p = static_cast<std::uint8_t>(std::find(used.begin(), used.end(), p) - used.begin());
    }
    return out;
}

} // namespace

TEST(ComposePart, UneditedPairReproducesAll256Values)
{
    const Bitmap8 stored = AllValuesBack();
    for (const Bitmap8* reference : {&stored, static_cast<const Bitmap8*>(nullptr)})
    {
        auto composed = ComposePart(Part::Back, SplitDesign(stored), SplitShade(stored), reference);
        ASSERT_TRUE(composed.ok()) << composed.error();
        EXPECT_EQ(composed->pixels, stored.pixels);
        EXPECT_EQ(composed->colours, stored.colours);
    }
}

TEST(ComposePart, PaintedPixelsMergeWithTheShade)
{
    const Bitmap8 stored = AllValuesBack();
    Bitmap8 design = SplitDesign(stored);
    Bitmap8 shade = SplitShade(stored);
    design.At(0, 0) = 47;
    shade.At(0, 0) = 3;
    design.At(1, 0) = 63;
    shade.At(1, 0) = 15;
    design.At(2, 0) = 192;
    shade.At(2, 0) = 7;
    auto composed = ComposePart(Part::Back, design, shade, &stored);
    ASSERT_TRUE(composed.ok());
    EXPECT_EQ(composed->At(0, 0), 35);
    EXPECT_EQ(composed->At(1, 0), 63);
    EXPECT_EQ(composed->At(2, 0), 192);
}

TEST(ComposePart, ReorderedAndTrimmedTablesMapBackThroughTheirColours)
{
    const Bitmap8 stored = AllValuesBack();
    Bitmap8 design = SplitDesign(stored);
    design.At(5, 5) = 79; // a painted pixel: colour unique in the table
    auto composed = ComposePart(Part::Back, Rewritten(design), Rewritten(SplitShade(stored)), &stored);
    ASSERT_TRUE(composed.ok()) << composed.error();
    Bitmap8 expected = stored;
    expected.At(5, 5) = static_cast<std::uint8_t>(64 + ShadeByte(stored.At(5, 5)));
    EXPECT_EQ(composed->pixels, expected.pixels);
    EXPECT_EQ(composed->colours, stored.colours);
}

TEST(ComposePart, RepeatedPaletteColoursAreExportedDistinctSoRewrittenTablesMapExactly)
{
    Bitmap8 stored = AllValuesBack();
    // Entries 47 and 111 (groups 2 and 6) share one colour, as kits with equal shirt and shorts colours do.
    std::copy_n(stored.colours.begin() + 4 * 47, 4, stored.colours.begin() + 4 * 111);
    Bitmap8 design = SplitDesign(stored);
    EXPECT_EQ(std::vector<std::uint8_t>(design.colours.begin() + 4 * 47, design.colours.begin() + 4 * 48),
              std::vector<std::uint8_t>(stored.colours.begin() + 4 * 47, stored.colours.begin() + 4 * 48));
    EXPECT_NE(std::vector<std::uint8_t>(design.colours.begin() + 4 * 111, design.colours.begin() + 4 * 112),
              std::vector<std::uint8_t>(stored.colours.begin() + 4 * 111, stored.colours.begin() + 4 * 112));

    int x = 0;
    while (DesignByte(stored.At(x, 9)) == 47 || DesignByte(stored.At(x, 9)) == 111)
    {
        ++x;
    }
    design.At(x, 9) = 47;
    design.At(x + 1, 9) = 111;
    auto painted = ComposePart(Part::Back, Rewritten(design), Rewritten(SplitShade(stored)), &stored);
    ASSERT_TRUE(painted.ok()) << painted.error();
    Bitmap8 expected = stored;
    expected.At(x, 9) = static_cast<std::uint8_t>(32 + ShadeByte(stored.At(x, 9)));
    expected.At(x + 1, 9) = static_cast<std::uint8_t>(96 + ShadeByte(stored.At(x + 1, 9)));
    EXPECT_EQ(painted->pixels, expected.pixels);

    // A bitmap exported before the colours were made distinct carries the palette as stored; kept as it
    // is, it keeps its indices, repeated colours and all.
    Bitmap8 old = design;
    old.colours = stored.colours;
    auto kept = ComposePart(Part::Back, old, SplitShade(stored), &stored);
    ASSERT_TRUE(kept.ok()) << kept.error();
    EXPECT_EQ(kept->pixels, expected.pixels);
}

TEST(ComposePart, ForeignColoursAreRefusedOrMappedToTheNearestMeaningfulColour)
{
    const Bitmap8 stored = AllValuesBack();
    ExportReference reference;
    reference.tables.fill(DistinctColourTable(stored.colours));
    reference.palettes.fill(stored.colours);
    // True colour, as a 24-bit editor saves it, with a few pixels one level off the colour of 79.
    EditedImage design;
    design.width = 64;
    design.height = 64;
    design.indexed = false;
    const Bitmap8 split = SplitDesign(stored);
    for (std::uint8_t p : split.pixels)
    {
        design.rgb.push_back(AsEditedImage(split).TableColour(p));
    }
    const std::uint32_t near79 = AsEditedImage(split).TableColour(79) ^ 0x000001;
    for (int x = 10; x < 14; ++x)
    {
        design.rgb[5 * 64 + std::size_t(x)] = near79;
    }
    // And the shade one level off its lightest, 15, in true colour too.
    EditedImage shade = AsEditedImage(SplitShade(stored));
    const std::uint32_t near15 = shade.TableColour(15) ^ 0x000001;
    shade.indexed = false;
    for (std::uint8_t p : shade.pixels)
    {
        shade.rgb.push_back(shade.TableColour(p));
    }
    for (int x = 20; x < 23; ++x)
    {
        shade.rgb[7 * 64 + std::size_t(x)] = near15;
    }

    auto refused = ComposePart(Part::Back, design, shade, &reference, {});
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error(), "the back design bitmap has 4 pixels in colours the bitmap was not exported with "
                               "(the first at (10, 5), " +
                                   ColourText(near79) +
                                   "); paint only with the bitmap's own colours (the jersey palette), or choose "
                                   "to map other colours to the nearest jersey colour");

    auto mapped = ComposePart(Part::Back, design, shade, &reference, MappingOptions{true});
    ASSERT_TRUE(mapped.ok()) << mapped.error();
    EXPECT_EQ(mapped->nearestPixels, 7u);
    Bitmap8 expected = stored;
    for (int x = 10; x < 14; ++x)
    {
        expected.At(x, 5) = static_cast<std::uint8_t>(64 + ShadeByte(stored.At(x, 5)));
    }
    for (int x = 20; x < 23; ++x)
    {
        expected.At(x, 7) = static_cast<std::uint8_t>((stored.At(x, 7) & 0xF0) | 15);
    }
    EXPECT_EQ(mapped->picture.pixels, expected.pixels);

    // Shades of grey, but 3 and 4 one red: a red next to it goes to the lower index.
    ColourTable twin = stored.colours;
    for (int i = 0; i < 16; ++i)
    {
        const bool red = i == 3 || i == 4;
        twin[4 * i] = twin[4 * i + 1] = static_cast<std::uint8_t>(red ? 0 : 17 * i);
        twin[4 * i + 2] = static_cast<std::uint8_t>(red ? 255 : 17 * i);
    }
    // Next to black, shade 0; black itself, first, is shade 0 too.
    const EditedImage one{.width = 3, .height = 1, .indexed = false, .rgb = {0, 0xF00000, 0x010101}};
    auto tie = MapToExportedIndices(one, DistinctColourTable(twin), twin, BitmapRole::Shade, {true}, "x");
    ASSERT_TRUE(tie.ok()) << tie.error();
    EXPECT_EQ(tie->pixels, (std::vector<std::uint8_t>{0, 3, 0}));
    EXPECT_EQ(tie->nearestPixels, 2u);
    const EditedImage lone{.width = 1, .height = 1, .indexed = false, .rgb = {0xF00000}};
    auto refusal = MapToExportedIndices(lone, DistinctColourTable(twin), twin, BitmapRole::Shade, {}, "x");
    EXPECT_EQ(refusal.ok() ? "" : refusal.error().substr(0, 15), "x has 1 pixel i");
    // The same with the red in an indexed bitmap's table.
    EditedImage indexed{.width = 1, .height = 1, .colourCount = 1, .pixels = {0}};
    indexed.colours[2] = 0xF0;
    tie = MapToExportedIndices(indexed, DistinctColourTable(twin), twin, BitmapRole::Shade, {true}, "x");
    ASSERT_TRUE(tie.ok()) << tie.error();
    EXPECT_EQ(tie->pixels, std::vector<std::uint8_t>{3});
}

// A table an editor turned around: every pixel maps to the exported index of its colour, whatever the
// width, in rows repeated and in runs of eight; the first of two foreign pixels is named.
TEST(ComposePart, ReorderedTablesMapEveryPixel)
{
    ColourTable exported{};
    EditedImage image{.colourCount = 256};
    for (int i = 0; i < 256; ++i)
    {
        exported[4 * i] = image.colours[4 * (255 - i)] = static_cast<std::uint8_t>(i);
        exported[4 * i + 1] = image.colours[4 * (255 - i) + 1] = static_cast<std::uint8_t>(255 - i);
    }
    for (int width : {3, 13, 16, 17})
    {
        image.width = width;
        image.height = 5;
        image.pixels.clear();
        std::vector<std::uint8_t> expected;
        for (int i = 0; i < 5 * width; ++i)
        {
            const int y = i / width == 2 ? 1 : i / width; // the third row repeats the second
            const int x = i % width;
            image.pixels.push_back(static_cast<std::uint8_t>(x < 8 ? 40 + y : 7 * x + 31 * y));
            expected.push_back(static_cast<std::uint8_t>(255 - image.pixels.back()));
        }
        auto mapped = MapToExportedIndices(image, exported, exported, BitmapRole::Design, {}, "x");
        ASSERT_TRUE(mapped.ok()) << mapped.error();
        EXPECT_EQ(mapped->pixels, expected) << width;
    }
    image.colours[4 * 250 + 2] = 0xAB;
    image.pixels[3 * 17 + 4] = image.pixels[4 * 17 + 9] = 250;
    auto refused = MapToExportedIndices(image, exported, exported, BitmapRole::Design, {}, "x");
    EXPECT_EQ(refused.ok() ? "" : refused.error().substr(0, 89),
              "x has 2 pixels in colours the bitmap was not exported with (the first at (4, 3), #ABFA05)");
}

TEST(ComposePart, RefusesWhatCannotBeReadBackNamingThePart)
{
    const Bitmap8 stored = AllValuesBack();
    Bitmap8 wide = SplitDesign(stored);
    wide.width = 32;
    wide.pixels.resize(32 * 64);
    auto sized = ComposePart(Part::Back, wide, SplitShade(stored), &stored);
    ASSERT_FALSE(sized.ok());
    EXPECT_EQ(sized.error(), "the back design bitmap is 32 x 64 pixels; it must stay 64 x 64");

    Bitmap8 foreign = SplitShade(stored);
    foreign.colours[4 * 3] ^= 0xFF; // a colour the export never wrote
    auto colour = ComposePart(Part::Back, SplitDesign(stored), foreign, &stored);
    ASSERT_FALSE(colour.ok());
    EXPECT_NE(colour.error().find("the back shade bitmap has 256 pixels in colours"), std::string::npos)
        << colour.error();

    Bitmap8 short_ = SplitShade(stored);
    short_.colourCount = 8;
    auto index = ComposePart(Part::Back, SplitDesign(stored), short_, &stored);
    ASSERT_FALSE(index.ok());
    EXPECT_NE(index.error().find("only 8 colours"), std::string::npos) << index.error();

    // Without the archive a rewritten table cannot be read back.
    auto alone = ComposePart(Part::Back, Rewritten(SplitDesign(stored)), SplitShade(stored), nullptr);
    ASSERT_FALSE(alone.ok());
    EXPECT_NE(alone.error().find("the back design and shade bitmaps"), std::string::npos) << alone.error();

    // Nor can an index past the end of its table, the first such index included.
    EditedImage sixteen = AsEditedImage(SplitShade(stored));
    sixteen.colourCount = 16;
    std::fill(sixteen.pixels.begin(), sixteen.pixels.end(), 15);
    EditedImage past = sixteen;
    past.pixels[100] = 16;
    EXPECT_TRUE(ComposePart(Part::Back, sixteen, sixteen, nullptr, {}).ok());
    auto beyond = ComposePart(Part::Back, past, sixteen, nullptr, {});
    ASSERT_FALSE(beyond.ok());
    EXPECT_EQ(beyond.error(),
              "the back design bitmap uses colour index 16, but its colour table has only 16 colours");
}

TEST(ComposeParts, FilesWithLongerHeadersAndTopDownRowsComposeAlike)
{
    test::TempDir dir;
    const fs::path archive = test::SampleJerseyPath(4);
    PartFiles parts;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        parts[slot] = dir / ("part" + std::to_string(slot) + ".bmp");
    }
    ASSERT_TRUE(ExportParts(archive, parts).ok());

    // Rewrite the back design with a 124-byte info header and top-down rows.
    const Bytes plain = test::ReadBytes(parts[BackDesign]);
    Bytes v5(14 + 124 + 1024 + 4096, 0);
    std::copy_n(plain.begin(), 54, v5.begin());
    PutU32(v5, 2, static_cast<std::uint32_t>(v5.size()));
    PutU32(v5, 10, 14 + 124 + 1024);
    PutU32(v5, 14, 124);
    PutU32(v5, 22, static_cast<std::uint32_t>(-64));
    std::copy_n(plain.begin() + 54, 1024, v5.begin() + 138);
    for (int row = 0; row < 64; ++row)
    {
        std::copy_n(plain.begin() + 1078 + (63 - row) * 64, 64, v5.begin() + 1162 + row * 64);
    }
    test::WriteBytes(parts[BackDesign], v5);

    ComposedFiles out = {dir / "front.bmp", dir / "back.bmp", dir / "long.bmp", dir / "short.bmp"};
    Status composed = ComposeParts(parts, out, archive);
    ASSERT_TRUE(composed.ok()) << composed.error();
    const Bytes bytes = test::ReadBytes(archive);
    for (Part part : kAllParts)
    {
        auto stored = ReadPartImage(bytes, part, "a");
        EXPECT_EQ(test::ReadBytes(out[static_cast<int>(part)]), EncodeBmp8(*stored)) << PartName(part);
    }
}

TEST(ComposeParts, BadBitmapFailsNamingThePartAndWritesNothing)
{
    test::TempDir dir;
    PartFiles parts;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        parts[slot] = dir / ("part" + std::to_string(slot) + ".bmp");
    }
    ASSERT_TRUE(ExportParts(test::SampleJerseyPath(1), parts).ok());
    ComposedFiles out = {dir / "front.bmp", dir / "back.bmp", dir / "long.bmp", dir / "short.bmp"};

    Bytes shade = test::ReadBytes(parts[LongSleeveShade]);
    PutU16(shade, 28, 24);
    test::WriteBytes(parts[LongSleeveShade], shade);
    Status result = ComposeParts(parts, out, test::SampleJerseyPath(1));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().rfind("the long sleeve shade bitmap: ", 0), 0u) << result.error();
    EXPECT_NE(result.error().find("24-bit"), std::string::npos) << result.error();

    PutU16(shade, 28, 8);
    PutU32(shade, 30, 1);
    test::WriteBytes(parts[LongSleeveShade], shade);
    result = ComposeParts(parts, out, test::SampleJerseyPath(1));
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("is RLE-compressed"), std::string::npos) << result.error();
    for (const fs::path& p : out)
    {
        EXPECT_FALSE(fs::exists(p));
    }
}
