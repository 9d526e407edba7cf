// Painting carried over from one way to the other: the files made from composed parts are the files the
// export makes from an archive that holds those parts, so an untouched switch changes nothing.

#include "archive/PaintFilesFromParts.h"
#include "archive/Jersey.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace
{

struct Case
{
    int jersey;
    KitColours kit;
};

class PaintFilesFromParts : public testing::TestWithParam<Case>
{
};

TEST_P(PaintFilesFromParts, MatchTheExportOfTheArchiveHoldingTheParts)
{
    const Bytes archive = test::ReadBytes(test::SampleJerseyPath(GetParam().jersey));
    PartPictures parts;
    for (Part part : kAllParts)
    {
        auto stored = ReadPartImage(archive, part, "PK.FSH");
        ASSERT_TRUE(stored.ok()) << stored.error();
        parts[static_cast<int>(part)] = *stored;
    }

    ExportedTables tables{};
    const auto bitmaps = PartBitmapsOfParts(parts, &tables);
    EXPECT_EQ(bitmaps, *BuildPartBitmaps(archive, "PK.FSH"));
    EXPECT_EQ(tables, *ExportedColourTables(archive, "PK.FSH"));

    PictureReference made;
    PictureReference exported;
    const auto pngs = PicturePngsOfParts(parts, GetParam().kit, &made);
    ASSERT_TRUE(pngs.ok()) << pngs.error();
    EXPECT_EQ(*pngs, *BuildPicturePngs(archive, "PK.FSH", GetParam().kit, &exported));
    EXPECT_EQ(PictureReferenceText(made), PictureReferenceText(exported));
}

INSTANTIATE_TEST_SUITE_P(SampleJerseys, PaintFilesFromParts,
                         testing::Values(Case{1, kDefaultKitColours}, Case{4, {9, 13, 6, 19, 22, 3, 3}},
                                         Case{12, {19, 19, 19, 19, 19, 19, 19}}));

} // namespace
