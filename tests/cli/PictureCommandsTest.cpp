#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"
#include "archive/ShirtPictures.h"
#include "cli/Png.h"

#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

std::string Text(const fs::path& path)
{
    const Bytes b = test::ReadBytes(path);
    return std::string(b.begin(), b.end());
}

} // namespace

TEST(CliPictures, ExportTracesBackRefusesFarColoursAndMapsThemOnRequest)
{
    test::TempDir dir;
    const fs::path source = test::SampleJerseyPath(1);
    const fs::path pictures = dir / PathFromText("pictures é");
    const KitColours kit = {10, 19, 15, 1, 6, 1, 6};
    auto r = test::RunCli(
        {"export", PathText(source), PathText(pictures), "--pictures", "--colours", "10,19,15,1,6,1,6"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(pictures), fs::directory_iterator()), 6);
    const std::string palette = Text(pictures / "jersey.gpl");
    EXPECT_NE(palette.find(" 33  24 115\tJersey 3rd shade 15 (79)\n"), std::string::npos) << palette;
    EXPECT_NE(palette.find("\tBadge shade 0 (192)\n"), std::string::npos) << palette;
    // The sixteen shades of each of the seven kit colours, then the badge's sixteen.
    EXPECT_EQ(std::count(palette.begin(), palette.end(), '\n'), 4 + 7 * 16 + 16) << palette;

    // The picture is the part as the game shows it in those colours.
    auto front = ReadEditedImageFile(pictures / "front.png");
    ASSERT_TRUE(front.ok() && !front->indexed);
    const Bitmap8 stored = *ReadPartImage(test::ReadBytes(source), Part::Front, "x");
    EXPECT_EQ(front->rgb, RenderPart(stored, kit).pixels);

    // Blue on a green and white kit is far from everything the front can be.
    RgbPicture painted{128, 128, front->rgb};
    for (int y = 50; y < 60; ++y)
    {
        for (int x = 20; x < 30; ++x)
        {
            painted.pixels[std::size_t(y * 128 + x)] = 0x1E3CC8;
        }
    }
    test::WriteBytes(pictures / "front.png", EncodePng(painted));
    r = test::RunCli({"save", PathText(source), PathText(dir / "out.fsh"), "--parts", PathText(pictures)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(
        r.err.find("the front picture has 100 pixels in colours far from every colour the part can take (the "
                   "first at (20, 50), #1E3CC8); the kit colours closest to it: "),
        std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Dark Blue (14), "), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "out.fsh"));

    r = test::RunCli(
        {"save", PathText(source), PathText(dir / "out.fsh"), "--parts", PathText(pictures), "--nearest"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("tarnix-cli: front: 100 changed pixels; 100 far colours to the nearest kit shade, "),
              std::string::npos)
        << r.err;

    r = test::RunCli({"export", PathText(source), PathText(dir / "x"), "--colours", "1,2,3,4,5,6,7"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(fs::exists(dir / "x"));
}

namespace
{

// NAME.bmp and NAME.png of the same time stamp: the one that differs from the export is read.
struct TwinRow
{
    const char* name;
    bool bmpChanged;
    bool pngChanged;
    const char* expected; // the note on stderr, or the refusal
};

class TwinFiles : public ::testing::TestWithParam<TwinRow>
{
};

TEST_P(TwinFiles, TheEditedOneIsRead)
{
    const TwinRow& row = GetParam();
    test::TempDir dir;
    const fs::path parts = dir / "parts";
    ASSERT_EQ(test::RunCli({"export", PathText(test::SampleJerseyPath(12)), PathText(parts)}).exitCode, 0);
    const fs::path bmp = parts / "front-design.bmp";
    const fs::path png = parts / "front-design.png";
    const Bitmap8 exported = *ReadBmp8File(bmp);
    Bitmap8 changed = exported;
    std::fill(changed.pixels.begin() + 20 * 128, changed.pixels.begin() + 24 * 128, std::uint8_t(63));
    test::WriteBytes(bmp, EncodeBmp8(row.bmpChanged ? changed : exported));
    ASSERT_TRUE(cli::WritePng(png, row.pngChanged ? changed : exported).ok());
    fs::last_write_time(png, fs::last_write_time(bmp));
    auto r = test::RunCli({"compose", PathText(parts), PathText(dir / "out")});
    EXPECT_NE(r.err.find(row.expected), std::string::npos) << r.err;
    EXPECT_EQ(r.exitCode, row.bmpChanged && row.pngChanged ? 1 : 0) << r.err;
    if (r.exitCode == 0)
    {
        const Bitmap8 front = *ReadBmp8File(dir / "out" / "front.bmp");
        EXPECT_EQ(front.At(5, 21) >> 4, row.bmpChanged || row.pngChanged ? 3 : exported.At(5, 21) >> 4);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SameTimeStamp, TwinFiles,
    ::testing::Values(
        TwinRow{"Neither", false, false,
                "using front-design.bmp, as it and the export show the same as front-design.png"},
        TwinRow{"Bitmap", true, false,
                "using front-design.bmp, the one that differs from the export, not front-design.png"},
        TwinRow{"Png", false, true,
                "using front-design.png, the one that differs from the export, not front-design.bmp"},
        TwinRow{"Both", true, true, "front-design.png and front-design.bmp in"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
