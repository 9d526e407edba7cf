#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Fsh.h"
#include "archive/Jersey.h"
#include "archive/PartExport.h"
#include "archive/Thumbnail.h"
#include "cli/Png.h"

#include "TestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

const char* const kPartNames[] = {"front-design.bmp",        "back-design.bmp",       "long-sleeve-design.bmp",
                                  "short-sleeve-design.bmp", "front-shade.bmp",       "back-shade.bmp",
                                  "long-sleeve-shade.bmp",   "short-sleeve-shade.bmp"};

std::size_t CountIn(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

TEST(CliEdit, ExportComposeSaveAndThumbnailMatchTheCore)
{
    test::TempDir dir;
    const fs::path source = test::SampleJerseyPath(12);
    const fs::path parts = dir / PathFromText("parts é");
    auto r = test::RunCli({"export", PathText(source), PathText(parts)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto expected = BuildPartBitmaps(test::ReadBytes(source), "x");
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        EXPECT_EQ(test::ReadBytes(parts / kPartNames[slot]), (*expected)[slot]) << kPartNames[slot];
    }
    // The eight bitmaps, the tables they were written with, and the palette to paint with.
    EXPECT_EQ(CountIn(parts), 10u);
    const std::string palette = [&]
    {
        Bytes b = test::ReadBytes(parts / "jersey.gpl");
        return std::string(b.begin(), b.end());
    }();
    EXPECT_EQ(palette.rfind("GIMP Palette\nName: Tarnix PK012\nColumns: 8\n#\n", 0), 0u) << palette;
    EXPECT_NE(palette.find("\tJersey 2nd (63)\n"), std::string::npos) << palette;
    EXPECT_NE(palette.find("\tGrey ramp (207)\n"), std::string::npos) << palette;
    EXPECT_NE(palette.find("\tFixed group 0 (15)\n"), std::string::npos) << palette;
    // Each line is red, green and blue of the design table's entry whose index it ends with.
    const ColourTable design = (*ExportedColourTables(test::ReadBytes(source), "x"))[FrontDesign];
    std::istringstream lines(palette.substr(palette.find("#\n") + 2));
    for (std::string line; std::getline(lines, line);)
    {
        const int index = std::stoi(line.substr(line.rfind('(') + 1));
        char expected[16];
        std::snprintf(expected, sizeof expected, "%3d %3d %3d\t", design[4 * index + 2], design[4 * index + 1],
                      design[4 * index]);
        EXPECT_EQ(line.rfind(expected, 0), 0u) << line;
    }
    // A line per group, each once: the seven kit groups, 192, 240, then the nine others.
    EXPECT_EQ(std::count(palette.begin(), palette.end(), '\n'), 4 + 7 + 2 + 9) << palette;

    r = test::RunCli({"compose", PathText(parts), PathText(dir / "out")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* name : {"front.bmp", "back.bmp", "long-sleeve.bmp", "short-sleeve.bmp"})
    {
        EXPECT_TRUE(fs::exists(dir / "out" / name)) << name;
    }
    EXPECT_EQ(test::ReadBytes(dir / "out" / "back.bmp"),
              EncodeBmp8(*ReadPartImage(test::ReadBytes(source), Part::Back, "x")));

    // Defaults: no trailer in PK012, so colours 1,20,13,1,6,1,6 and an empty label.
    const fs::path target = dir / "saved.fsh";
    r = test::RunCli({"save", PathText(source), PathText(target), "--parts", PathText(parts)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Bytes original = test::ReadBytes(source);
    const Bytes saved = test::ReadBytes(target);
    ASSERT_EQ(saved.size(), original.size() + 25);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), saved.begin()));
    EXPECT_EQ(Bytes(saved.end() - 25, saved.end() - 16), (Bytes{1, 1, 20, 13, 1, 6, 1, 6, 0}));

    // Explicit colours (23 stored as 22) and label, saved in place.
    r = test::RunCli({"save", PathText(target), PathText(target), "--parts", PathText(parts), "--colours",
                      "0,23,5,5,5,5,5", "--label", "Münster"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    JerseyColours record{};
    EXPECT_EQ(ReadTrailer(test::ReadBytes(target), record), "M\xfcnster");
    EXPECT_EQ(KitColoursOf(record), (KitColours{0, 22, 5, 5, 5, 5, 5}));

    // The label is kept when not given.
    r = test::RunCli({"save", PathText(target), PathText(target), "--parts", PathText(parts)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadTrailer(test::ReadBytes(target), record), "M\xfcnster");
    EXPECT_EQ(KitColoursOf(record), (KitColours{0, 22, 5, 5, 5, 5, 5}));

    r = test::RunCli({"thumbnail", PathText(target), PathText(dir / "frmd12.bmp")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir / "frmd12.bmp"), *BuildThumbnail(original, "x"));
}

TEST(CliEdit, FailuresLeaveNothingHalfWritten)
{
    test::TempDir dir;
    const fs::path parts = dir / "parts";
    auto r = test::RunCli({"export", PathText(dir / "missing.fsh"), PathText(parts)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("tarnix-cli: ", 0), 0u);
    EXPECT_FALSE(fs::exists(parts));

    ASSERT_EQ(test::RunCli({"export", PathText(test::SampleJerseyPath(1)), PathText(parts)}).exitCode, 0);
    test::WriteBytes(parts / "short-sleeve-shade.bmp", Bytes{'B', 'M'});
    r = test::RunCli({"compose", PathText(parts), PathText(dir / "out")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("the short sleeve shade bitmap"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "out"));

    const fs::path target = dir / "target.fsh";
    test::WriteBytes(target, Bytes{'k', 'e', 'e', 'p'});
    r = test::RunCli({"save", PathText(test::SampleJerseyPath(1)), PathText(target), "--parts", PathText(parts)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(test::ReadBytes(target), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);

    r = test::RunCli({"save", PathText(test::SampleJerseyPath(1)), PathText(target), "--parts", PathText(parts),
                      "--colours", "1,2,3,4,5,6,24"});
    EXPECT_EQ(r.exitCode, 2);
    r = test::RunCli({"save", PathText(test::SampleJerseyPath(1)), PathText(target)});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(test::ReadBytes(target), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(CountIn(dir.path()), 2u);
}

TEST(CliEdit, PartsExportedFromOneJerseyKeepTheirIndicesInEveryOtherAndInPlace)
{
    test::TempDir dir;
    const fs::path pk001 = test::SampleJerseyPath(1);
    const Bytes original = test::ReadBytes(pk001);
    ASSERT_EQ(test::RunCli({"export", pk001.string(), (dir / "parts").string()}).exitCode, 0);
    for (int number : {2, 3, 4, 5, 12})
    {
        const fs::path target = dir / ("PK" + std::to_string(number) + ".FSH");
        auto r = test::RunCli({"save", test::SampleJerseyPath(number).string(), target.string(), "--parts",
                               (dir / "parts").string()});
        ASSERT_EQ(r.exitCode, 0) << number << ": " << r.err;
        for (Part part : kAllParts)
        {
            EXPECT_EQ(ReadPartImage(test::ReadBytes(target), part, "t")->pixels,
                      ReadPartImage(original, part, "o")->pixels)
                << number << " " << PartName(part);
        }
    }
    const fs::path copy = dir / "copy.fsh";
    fs::copy_file(pk001, copy);
    for (int pass = 0; pass < 2; ++pass)
    {
        auto r = test::RunCli({"save", copy.string(), copy.string(), "--parts", (dir / "parts").string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const Bytes saved = test::ReadBytes(copy);
        EXPECT_TRUE(std::equal(original.begin(), original.end(), saved.begin())) << "pass " << pass;
    }
}

TEST(CliEdit, PngPartsForeignColoursAndAMissingReferenceAreExplained)
{
    test::TempDir dir;
    const fs::path parts = dir / "parts";
    const fs::path pk001 = test::SampleJerseyPath(1);
    ASSERT_EQ(test::RunCli({"export", pk001.string(), parts.string()}).exitCode, 0);

    // A PNG beside the bitmap, newer, with four pixels a few levels off jersey colour 2 (one level off is
    // another exported colour: the socks' white moved from the shirt's).
    Bitmap8 design = *ReadBmp8File(parts / "front-design.bmp");
    std::copy_n(design.colours.begin() + 4 * 63, 4, design.colours.begin() + 4 * 250);
    design.colours[4 * 250 + 1] -= 4; // green
    ASSERT_EQ(std::search(design.colours.begin(), design.colours.begin() + 4 * 250,
                          design.colours.begin() + 4 * 250, design.colours.begin() + 4 * 251),
              design.colours.begin() + 4 * 250);
    for (int x = 0; x < 4; ++x)
    {
        design.At(x, 7) = 250;
    }
    ASSERT_TRUE(cli::WritePng(parts / "front-design.png", design).ok());
    fs::last_write_time(parts / "front-design.png",
                        fs::last_write_time(parts / "front-design.bmp") + std::chrono::seconds(5));
    auto r = test::RunCli({"compose", parts.string(), (dir / "out").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("front-design: using front-design.png, the newer of it and front-design.bmp"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("the front design bitmap has 4 pixels in colours the bitmap was not exported with (the "
                         "first at (0, 7)"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("(colours compared with the colour tables in tarnix-parts.json)"), std::string::npos)
        << r.err;
    r = test::RunCli({"compose", parts.string(), (dir / "out").string(), "--nearest"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("mapped 4 pixels to the nearest jersey colour (front 4, back 0"), std::string::npos)
        << r.err;
    const Bitmap8 front = *ReadBmp8File(dir / "out" / "front.bmp");
    const Bitmap8 stored = *ReadPartImage(test::ReadBytes(pk001), Part::Front, "x");
    for (int x = 0; x < 4; ++x)
    {
        EXPECT_EQ(front.At(x, 7), 48 + ShadeByte(stored.At(x, 7))) << x;
    }

    // Without the tables and without the archive, a rewritten table cannot be traced: the message says
    // what to give.
    fs::remove(parts / "front-design.png");
    fs::remove(parts / "tarnix-parts.json");
    Bitmap8 reordered = *ReadBmp8File(parts / "back-design.bmp");
    std::swap_ranges(reordered.colours.begin(), reordered.colours.begin() + 4, reordered.colours.begin() + 4 * 63);
    for (std::uint8_t& p : reordered.pixels)
    {
        p = p == 63 ? 0 : p == 0 ? 63 : p;
    }
    test::WriteBytes(parts / "back-design.bmp", EncodeBmp8(reordered));
    r = test::RunCli({"compose", parts.string(), (dir / "out2").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("--archive ARCHIVE"), std::string::npos) << r.err;
    r = test::RunCli({"compose", parts.string(), (dir / "out2").string(), "--archive", pk001.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir / "out2" / "back.bmp"),
              EncodeBmp8(*ReadPartImage(test::ReadBytes(pk001), Part::Back, "x")));
}
