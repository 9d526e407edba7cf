// What the user reads about returned pictures: the report of where changed pixels went, the kit colours
// offered for a far colour, and the refusals of a damaged record or a failed export.

#include "archive/KitColours.h"
#include "archive/ShirtPictures.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

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
    front.nearest[0] = 1;
    report.parts[3].nearest[12] = 1; // a part with one changed pixel, a far one
    EXPECT_EQ(report.ChangedPixels(), 5u);
    EXPECT_EQ(report.NearestPixels(), 2u);
    EXPECT_EQ(report.Describe(),
              "front: 4 changed pixels; 1 in colours the kit shows (jersey 1st (group 2) 1); 2 edge or shading "
              "pixels to fixed group 15 2; 1 far colours to the nearest kit shade, fixed group 0 1\n"
              "short sleeve: 1 changed pixels; 1 far colours to the nearest kit shade, the badge ramp (group 12) "
              "1\n");
    EXPECT_EQ(PictureReport{}.Describe(), "");
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

} // namespace
