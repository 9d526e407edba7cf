// What the user reads about returned pictures: the report of where changed pixels went, the kit colours
// offered for a far colour, and the refusals of a damaged record or a failed export; the record itself.

#include "archive/GimpPalette.h"
#include "archive/KitColours.h"
#include "archive/ShirtPictures.h"

#include "TestSupport.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <tuple>

using namespace tarnix;

namespace
{

TEST(PictureReport, NamesGroupsAndCountsEveryPartThatChanged)
{
    for (auto [group, name] : {std::pair{1, "fixed group 1"},
                               {2, "jersey 1st (group 2)"},
                               {8, "socks 2nd (group 8)"},
                               {9, "fixed group 9"},
                               {12, "the badge ramp (group 12)"},
                               {13, "fixed group 13"}})
    {
        EXPECT_EQ(ColourGroupName(group), name);
    }

    PictureReport report;
    auto& front = report.parts[0];
    front.exact[2] = 1;
    front.traced[15] = 2;
    front.nearest[0] = 2;
    report.parts[1].traced[3] = 1;
    report.parts[3].nearest[12] = 1; // a part with one changed pixel, a far one
    EXPECT_EQ(report.ChangedPixels(), 7u);
    EXPECT_EQ(report.NearestPixels(), 3u);
    EXPECT_EQ(report.Describe(),
              "front: 5 changed pixels; 1 in colours the kit shows (jersey 1st (group 2) 1); 2 edge or shading "
              "pixels to fixed group 15 2; 2 far colours to the nearest kit shade, fixed group 0 2\n"
              "back: 1 changed pixel; 1 edge or shading pixel to jersey 2nd (group 3) 1\n"
              "short sleeve: 1 changed pixel; 1 far colour to the nearest kit shade, the badge ramp (group 12) "
              "1\n");
    EXPECT_EQ(PictureReport{}.Describe(), "");
}

// The palette to paint pictures with: each kit group's ramp in its kit colour, then the badge as stored.
TEST(PictureReport, ThePaintingPaletteListsTheShownRamps)
{
    ColourTable stored{};
    stored[4 * 192] = 1; // blue
    stored[4 * 192 + 1] = 3;
    stored[4 * 192 + 2] = 5;
    const std::string palette = BuildKitRampPalette({13, 0, 0, 0, 0, 0, 22}, stored, "Tarnix PK012");
    EXPECT_EQ(palette.rfind("GIMP Palette\nName: Tarnix PK012\nColumns: 16\n#\n", 0), 0u);
    for (const char* line : {" 49  86 165\tJersey 1st shade 15 (47)\n", "  5   3   1\tBadge shade 0 (192)\n",
                             " 10  10  10\tSocks 2nd shade 0 (128)\n"})
    {
        EXPECT_NE(palette.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(std::count(palette.begin(), palette.end(), '\n'), 4 + 8 * 16);
}

// A colour no kit colour holds as a shade: the three closest, closest first.
TEST(PictureReport, AFarColourOffersTheThreeClosestKitColours)
{
    EXPECT_EQ(KitColoursNear(0x00FFFF), "Light Gray (20), White (19), Dark Gray (21)");
}

TEST(PictureReport, ADamagedRecordOrAFailedExportChangesNothing)
{
    PictureReference reference;
    const PartSize size = SizeOf(Part::Front);
    // As wide as the front, as many pixels, but not as high: the record is damaged.
    reference.parts[0] = Bitmap8{.width = size.width, .height = 1, .pixels = {}};
    reference.parts[0].pixels.resize(std::size_t(size.width) * std::size_t(size.height));
    RgbPicture picture{size.width, size.height, std::vector<std::uint32_t>(reference.parts[0].pixels.size())};
    auto composed = ComposePicture(Part::Front, picture, reference);
    EXPECT_EQ(composed.ok() ? "" : composed.error(),
              "the record of what was exported has no front picture; export the pictures again");

    // Pictures that cannot be written leave the caller's record as it was.
    test::TempDir dir;
    PictureFiles files;
    for (Part part : kAllParts)
    {
        files[static_cast<int>(part)] = dir.path() / "missing" / (std::string(PartName(part)) + ".png");
    }
    PictureReference kept;
    kept.kit = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_FALSE(ExportPictures(test::SampleJerseyPath(1), files, {10, 19, 15, 1, 6, 1, 6}, &kept).ok());
    EXPECT_EQ(kept.kit, (KitColours{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(kept.parts[0].pixels.empty());
}

TEST(PictureReport, RecordsReadInEitherCaseAndDamagedOnesAreRefusedNamingTheLine)
{
    PictureReference reference;
    ASSERT_TRUE(
        BuildPicturePngs(test::ReadBytes(test::SampleJerseyPath(1)), "x", kDefaultKitColours, &reference).ok());
    // Colours are written red, green, blue, as everywhere else.
    reference.parts[0].colours[0] = 0x03;
    reference.parts[0].colours[1] = 0x02;
    reference.parts[0].colours[2] = 0x01;
    const std::string text = PictureReferenceText(reference);
    EXPECT_NE(text.find("front 128 128\n010203 "), std::string::npos);
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    ASSERT_NE(lower, text);
    auto read = ParsePictureReference(lower);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(PictureReferenceText(*read), text);
    for (Part part : kAllParts)
    {
        EXPECT_EQ(read->parts[static_cast<int>(part)].colours, reference.parts[static_cast<int>(part)].colours);
    }
    std::string notHex = text;
    notHex[notHex.find("front 128 128\n") + 14] = 'g';
    EXPECT_FALSE(ParsePictureReference(notHex).ok());

    // Each row replaces the first occurrence of a text, or every line end.
    const std::size_t kit = text.find("\nkit ") + 1;
    const std::string kitLine = text.substr(kit, text.find('\n', kit) - kit);
    const std::string header = text.substr(0, kit - 1);
    const std::string end = "\n", cut = text.substr(kit);
    for (auto [from, to, expected] :
         {std::tuple{&header, "tarnix picture reference 2", "at line 1: it does not start with"},
          {&kitLine, "kit 0 0 128 0 0 0 0", "at line 2: kit colour 3 is not a number"},
          {&kitLine, "kit -129 0 0 0 0 0 0", "at line 2: kit colour 1 is not"},
          {&kitLine, "kit 1x 0 0 0 0 0 0", "at line 2: kit colour 1 is not"},
          {&kitLine, "kat 0 0 0 0 0 0 0", "at line 2: expected \"kit\" and seven"},
          {&kitLine, "kit -128 0 0 0 0 0 127", ""},
          {&kitLine, "kit  0 0 0 0 0 0 0 ", ""},
          {&cut, "", "at line 2: expected \"kit\""},
          {&end, "\r\n", ""}})
    {
        std::string damaged = text;
        if (from == &end)
        {
            for (std::size_t at = 0; (at = damaged.find(*from, at)) != std::string::npos; at += 2)
            {
                damaged.replace(at, 1, to);
            }
        }
        else
        {
            damaged.replace(damaged.find(*from), from->size(), to);
        }
        auto parsed = ParsePictureReference(damaged);
        EXPECT_EQ(parsed.ok(), *expected == 0) << to;
        EXPECT_NE((parsed.ok() ? std::string() : parsed.error()).find(expected), std::string::npos) << to;
    }
    // Blank lines may follow the last part; nothing else may.
    EXPECT_TRUE(ParsePictureReference(text + "\n\n").ok());
    auto trailing = ParsePictureReference(text + "\nx\n");
    EXPECT_EQ(trailing.ok() ? "" : trailing.error(),
              "the record of the exported pictures is damaged at line " +
                  std::to_string(std::count(text.begin(), text.end(), '\n') + 2) +
                  ": unexpected text after the short sleeve");
}

} // namespace
