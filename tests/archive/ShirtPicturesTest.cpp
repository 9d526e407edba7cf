// Pictures painted as the shirt looks, read back to indices. Each row exports a sample jersey's pictures in
// some kit colours, lets Pillow paint on the front (supersampled four times, then reduced, so edges blend)
// and checks where the painted pixels went; untouched rows must save exactly what the design and shade
// bitmaps save.

#include "archive/ShirtPictures.h"
#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"
#include "archive/PictureMapping.h"
#include "archive/SaveJersey.h"

#include "TestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// Paints on the front: argv in, out, mask, operation. The mask holds each pixel's painted share (0-255),
// drawn the same way, so that the test knows which pixels were fully painted, partly, or not at all.
constexpr const char* kPaintScript = R"(import sys
from PIL import Image, ImageDraw
src, out, maskout, op = sys.argv[1:5]
im = Image.open(src).convert('RGB')
w, h = im.size
big = im.resize((w * 4, h * 4), Image.NEAREST)
mask = Image.new('L', big.size, 0)
if op.startswith('band'):
    colour = '#' + op[5:]
    # A slanted band: its edges cross each pixel at a different share.
    shape = [(0, 162), (4 * w - 1, 118), (4 * w - 1, 205), (0, 251)]
    ImageDraw.Draw(big).polygon(shape, fill=colour)
    ImageDraw.Draw(mask).polygon(shape, fill=255)
elif op == 'darken':
    box = (160, 240, 352, 400)
    big.paste(big.crop(box).point(lambda v: int(v * 0.6)), box)
    ImageDraw.Draw(mask).rectangle([box[0], box[1], box[2] - 1, box[3] - 1], fill=255)
big.reduce(4).save(out)
mask.reduce(4).save(maskout)
)";

std::string Quoted(const fs::path& p)
{
    return "'" + p.string() + "'";
}

bool Runs(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1 </dev/null").c_str()) == 0;
}

const std::string& PillowPython()
{
    static const std::string python = []
    {
        for (const char* candidate : {"python3", "/usr/bin/python3"})
        {
            if (Runs(std::string(candidate) + " -c 'import PIL'"))
            {
                return std::string(candidate);
            }
        }
        return std::string();
    }();
    return python;
}

enum class Paint
{
    None,   // untouched
    Band,   // a band in jersey 3rd's full shade across the front
    Darken, // a region 40% darker
};

struct PictureRow
{
    const char* name;
    int jersey;
    KitColours kit;
    Paint paint;
};

constexpr KitColours kSameColours = {19, 19, 19, 19, 19, 19, 19};

std::ostream& operator<<(std::ostream& os, const PictureRow& row)
{
    return os << row.name;
}

class ShirtPictures : public ::testing::TestWithParam<PictureRow>
{
};

int GroupOf(std::uint8_t v)
{
    return v >> 4;
}

// The colours group `group` can show, in kit colours `kit`, of a part stored with `stored`.
std::vector<std::uint32_t> Ramp(int group, const ColourTable& stored, const KitColours& kit)
{
    std::vector<std::uint32_t> ramp;
    for (int s = 0; s < 16; ++s)
    {
        ramp.push_back(ShownColour(static_cast<std::uint8_t>(group * 16 + s), stored, kit));
    }
    return ramp;
}

bool InRamp(std::uint32_t colour, const std::vector<std::uint32_t>& ramp)
{
    return std::find(ramp.begin(), ramp.end(), colour) != ramp.end();
}

TEST_P(ShirtPictures, PaintedPixelsKeepTheirGroups)
{
    const PictureRow& row = GetParam();
    test::TempDir dir;
    const fs::path archive = test::SampleJerseyPath(row.jersey);
    PictureFiles files;
    for (int k = 0; k < 4; ++k)
    {
        files[k] = dir / ("picture " + std::to_string(k) + ".png");
    }
    PictureReference reference;
    ASSERT_TRUE(ExportPictures(archive, files, row.kit, &reference).ok());
    const PictureReference kept = *ParsePictureReference(PictureReferenceText(reference));
    const Bitmap8& before = kept.parts[0];
    Bitmap8 mask = before;
    std::fill(mask.pixels.begin(), mask.pixels.end(), 0);
    if (row.paint != Paint::None)
    {
        if (PillowPython().empty())
        {
            GTEST_SKIP() << "Python with Pillow is not installed";
        }
        test::WriteBytes(dir / "paint.py", Bytes(kPaintScript, kPaintScript + std::strlen(kPaintScript)));
        const std::string op =
            row.paint == Paint::Darken ? "darken" : "band-" + ColourText(ShadeRamps[row.kit[2]][15]).substr(1);
        ASSERT_TRUE(Runs(PillowPython() + " " + Quoted(dir / "paint.py") + " " + Quoted(files[0]) + " " +
                         Quoted(files[0]) + " " + Quoted(dir / "mask.png") + " " + op));
        const auto shares = ReadEditedImageFile(dir / "mask.png");
        ASSERT_TRUE(shares.ok() && shares->rgb.size() == mask.pixels.size());
        std::transform(shares->rgb.begin(), shares->rgb.end(), mask.pixels.begin(),
                       [](std::uint32_t grey) { return static_cast<std::uint8_t>(grey); });
    }
    PictureReport report;
    auto composed = ComposePictureFiles(files, kept, {}, &report);
    ASSERT_TRUE(composed.ok()) << composed.error();
    const Bitmap8& after = (*composed)[0];
    std::size_t edges = 0;
    for (std::size_t i = 0; i < after.pixels.size(); ++i)
    {
        const std::uint8_t was = before.pixels[i];
        const std::uint8_t now = after.pixels[i];
        const std::string at = "pixel (" + std::to_string(i % 128) + ", " + std::to_string(i / 128) + ")";
        if (mask.pixels[i] == 0)
        {
            ASSERT_EQ(now, was) << at;
        }
        else if (row.paint == Paint::Darken)
        {
            ASSERT_EQ(GroupOf(now), GroupOf(was)) << at;
            ASSERT_TRUE((now & 15) < (was & 15) || (was & 15) == 0) << at << ": shade " << (now & 15);
        }
        else if (mask.pixels[i] == 255)
        {
            ASSERT_EQ(now, 79) << at;
        }
        else
        {
            ++edges;
            ASSERT_TRUE(GroupOf(now) == 4 || GroupOf(now) == GroupOf(was)) << at << ": " << int(now);
            // In any club's colours the edge stays on one of the two ramps.
            for (const KitColours& other : {kDefaultKitColours, KitColours{10, 22, 6, 0, 1, 2, 3}, kSameColours})
            {
                const std::uint32_t shown = ShownColour(now, after.colours, other);
                ASSERT_TRUE(InRamp(shown, Ramp(4, after.colours, other)) ||
                            InRamp(shown, Ramp(GroupOf(was), after.colours, other)))
                    << at;
            }
        }
    }
    EXPECT_EQ(edges > 0, row.paint == Paint::Band) << report.Describe();
    if (row.paint != Paint::None)
    {
        return;
    }
    // Untouched pictures save exactly what untouched design and shade bitmaps save.
    PartFiles partFiles;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        partFiles[slot] = dir / ("part " + std::to_string(slot) + ".bmp");
    }
    ASSERT_TRUE(ExportParts(archive, partFiles).ok());
    auto bitmaps = ComposePartFiles(partFiles, archive);
    ASSERT_TRUE(bitmaps.ok()) << bitmaps.error();
    Bytes viaPictures = test::ReadBytes(archive);
    Bytes viaBitmaps = viaPictures;
    const JerseyColours record = SavedRecord(row.kit);
    ASSERT_TRUE(PatchArchive(viaPictures, *composed, record, "label", "a").ok());
    ASSERT_TRUE(PatchArchive(viaBitmaps, *bitmaps, record, "label", "b").ok());
    EXPECT_TRUE(viaPictures == viaBitmaps);
    EXPECT_EQ(report.ChangedPixels(), 0u);
}

std::vector<PictureRow> Rows()
{
    std::vector<PictureRow> rows = {
        {"StripesBand", 1, kDefaultKitColours, Paint::Band},
        {"HoopsBandInOtherColours", 2, {10, 19, 15, 1, 6, 1, 6}, Paint::Band},
        {"SashBand", 3, {0, 21, 12, 1, 6, 1, 6}, Paint::Band},
        {"StripesDarkened", 1, kDefaultKitColours, Paint::Darken},
        {"HalvesDarkened", 4, {19, 1, 13, 1, 6, 1, 6}, Paint::Darken},
    };
    for (int jersey : {1, 2, 3, 4, 5, 12})
    {
        rows.push_back({"Untouched", jersey, kDefaultKitColours, Paint::None});
        rows.push_back({"UntouchedAllColoursSame", jersey, kSameColours, Paint::None});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Paint, ShirtPictures, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return info.param.name + std::to_string(info.param.jersey); });

} // namespace

namespace
{

// The part bitmaps as an editor that saves 8-bit with its own 216-colour cube (KolourPaint) leaves them:
// every table colour moved to the nearest level of six. Under --nearest each part keeps its groups (the
// shades lose the levels that land on one cube colour, but never spill into the group).
TEST(ShirtPictures, QuantisedDesignsKeepTheirGroups)
{
    for (int jersey : {1, 5, 12})
    {
        test::TempDir dir;
        const fs::path archive = test::SampleJerseyPath(jersey);
        PartFiles files;
        for (int slot = 0; slot < PartSlotCount; ++slot)
        {
            files[slot] = dir / ("part " + std::to_string(slot) + ".bmp");
        }
        ASSERT_TRUE(ExportParts(archive, files).ok());
        for (const fs::path& file : files)
        {
            auto bitmap = ReadBmp8File(file);
            ASSERT_TRUE(bitmap.ok());
            for (std::uint8_t& level : bitmap->colours)
            {
                level = static_cast<std::uint8_t>((level + 25) / 51 * 51);
            }
            test::WriteBytes(file, EncodeBmp8(*bitmap));
        }
        auto reference = ReferenceFromArchiveFile(archive);
        ASSERT_TRUE(reference.ok());
        ComposeReport report;
        auto composed = ComposePartFiles(files, &*reference, {true}, &report);
        ASSERT_TRUE(composed.ok()) << composed.error();
        const Bytes bytes = test::ReadBytes(archive);
        for (Part part : kAllParts)
        {
            const Bitmap8 stored = *ReadPartImage(bytes, part, "stored");
            const Bitmap8& now = (*composed)[static_cast<int>(part)];
            for (std::size_t i = 0; i < now.pixels.size(); ++i)
            {
                ASSERT_EQ(now.pixels[i] >> 4, stored.pixels[i] >> 4)
                    << "PK" << jersey << " " << PartName(part) << " pixel " << i;
            }
        }
        EXPECT_GT(report.TotalNearest(), 0u);
    }
}

// Kit groups 2-8 show the ramp of their kit colour (0-23); any other group, and a kit group whose colour is
// out of range, shows the stored colour.
TEST(ShirtPictures, KitGroupsShowTheirKitColoursRamp)
{
    ColourTable stored{};
    for (int i = 0; i < 256; ++i)
    {
        stored[4 * i] = static_cast<std::uint8_t>(i);
        stored[4 * i + 1] = static_cast<std::uint8_t>(255 - i);
        stored[4 * i + 2] = static_cast<std::uint8_t>(i * 3 + 1);
        stored[4 * i + 3] = 0xA5; // not a colour: never shown
    }
    auto asStored = [](int v)
    { return std::uint32_t((v * 3 + 1) & 0xFF) << 16 | std::uint32_t(255 - v) << 8 | v; };
    const KitColours kit = {0, 23, 24, -1, 5, 5, 9};
    for (auto [v, shown] : {std::pair{0x00, asStored(0)},
                            {0x23, ShadeRamps[0][3]},
                            {0x3F, ShadeRamps[23][15]},
                            {0x41, asStored(0x41)},
                            {0x50, asStored(0x50)},
                            {0x8E, ShadeRamps[9][14]},
                            {0x1F, asStored(0x1F)},
                            {0x90, asStored(0x90)}})
    {
        EXPECT_EQ(ShownColour(static_cast<std::uint8_t>(v), stored, kit), shown) << v;
        // A rendered part shows each pixel the same, the first index and the last too.
        const Bitmap8 part{.width = 3, .height = 1, .colours = stored, .pixels = {std::uint8_t(v), 0, 0xFF}};
        EXPECT_EQ(RenderPart(part, kit).pixels, (std::vector<std::uint32_t>{shown, asStored(0), asStored(0xFF)}));
    }
}

// Blue on a green and white kit is far from everything the front can be: refused, counted.
TEST(ShirtPictures, FarPixelsAreCountedInTheRefusal)
{
    PictureReference reference;
    ASSERT_TRUE(
        BuildPicturePngs(test::ReadBytes(test::SampleJerseyPath(1)), "x", {10, 19, 15, 1, 6, 1, 6}, &reference)
            .ok());
    RgbPicture picture = RenderPart(reference.parts[0], reference.kit);
    for (auto [count, expected] : {std::pair{1, "has 1 pixel in colours far"}, {2, "has 2 pixels in colours far"}})
    {
        picture.pixels[std::size_t(50 * 128 + 19 + count)] = 0x1E3CC8;
        auto composed = ComposePicture(Part::Front, picture, reference, {}, nullptr);
        ASSERT_FALSE(composed.ok()) << count;
        EXPECT_NE(composed.error().find(expected), std::string::npos) << composed.error();
    }
}

// A colour that several indices show is traced to one of them: of one group, the lowest.
TEST(ShirtPictures, AColourSeveralIndicesShowIsSettledByTheGroupAndItsNeighbours)
{
    std::array<std::uint32_t, 256> shown{};
    for (int i = 0; i < 256; ++i)
    {
        shown[i] = 0x010101u * std::uint32_t(i);
    }
    shown[1] = shown[0];
    const TracedPicture traced = TracePicture(RgbPicture{1, 1, {shown[0]}}, {5}, shown, false);
    EXPECT_EQ(traced.pixels, std::vector<std::uint8_t>{0});

    // A colour two kit groups show, 2 and 3, goes to the group of more neighbours: the one on the last
    // column or row wins over the group painted over.
    shown[0x30] = shown[0x20];
    const std::vector<std::uint8_t> exported = {0x05, 0x25, 0x31};
    for (auto [width, height] : {std::pair{3, 1}, {1, 3}})
    {
        const RgbPicture picture{width, height, {shown[0x05], shown[0x20], shown[0x31]}};
        EXPECT_EQ(TracePicture(picture, exported, shown, false).pixels[1], 0x30) << width << " x " << height;
    }

    // Painted a shade darker in the last kit group: to that group's shade.
    EXPECT_EQ(TracePicture(RgbPicture{1, 1, {0x838384}}, {0x85}, shown, false).pixels[0], 0x83);
}

// The refusal names the kit colours holding a colour, "Not used" never among them; an indexed picture's
// index must lie inside its table.
TEST(ShirtPictures, NearKitColoursAndIndexedPictures)
{
    EXPECT_EQ(KitColoursNear(ShadeRamps[0][15]).rfind(std::string(PickerPalette[0].name) + " (0)", 0), 0u)
        << KitColoursNear(ShadeRamps[0][15]);
    EXPECT_EQ(KitColoursNear(ShadeRamps[kNotUsedColour][15]).find("(23)"), std::string::npos);

    EditedImage image{.width = 2, .height = 1, .colourCount = 2, .pixels = {1, 2}, .rgb = {}};
    image.colours[4] = 0x40;
    auto picture = PictureOf(image, "x");
    EXPECT_EQ(picture.ok() ? "" : picture.error(),
              "x uses colour index 2, but its colour table has only 2 colours");
    image.pixels[1] = 0;
    picture = PictureOf(image, "x");
    ASSERT_TRUE(picture.ok());
    EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{0x000040, 0}));
}

} // namespace
