#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace tarnix;
namespace fs = std::filesystem;

TEST(CliInfo, PrintsTheJerseyAsJson)
{
    auto r = test::RunCli(
        {"info", PathText(test::SampleJerseyPath(1)), "--game-folder", PathText(test::SampleGameFolder())});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["path"], PathText(test::SampleJerseyPath(1)));
    EXPECT_EQ(json["isJersey"], true);
    EXPECT_EQ(json["number"], 1);
    EXPECT_EQ(json["label"], "M\xc3\xbcnchen Stripes");
    std::vector<int> record = json["colourRecord"];
    EXPECT_EQ(record,
              (std::vector<int>{1, 2, 19, 22, 22, 19, 2, 19, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(json["entries"].size(), 13u);
    EXPECT_EQ(json["entries"][0]["name"], "hjfr");
    EXPECT_EQ(json["entries"][0]["offset"], 16 + 13 * 8);
}

TEST(CliInfo, NumberIsZeroWithoutAGameFolderAndFrhiListedFirst)
{
    auto r = test::RunCli({"info", PathText(test::SampleJerseyPath(3))});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["number"], 0);
    EXPECT_EQ(json["entries"][0]["name"], "frhi");
    EXPECT_EQ(json["entries"][1]["name"], "hjfr");
    // No trailer: the record stays as it started.
    EXPECT_EQ(json["colourRecord"][0], 0);
    EXPECT_EQ(json["label"], "");
}

TEST(CliInfo, FailuresAndUsage)
{
    test::TempDir dir;
    auto missing = test::RunCli({"info", PathText(dir / "none.fsh")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.rfind("tarnix-cli: cannot open", 0), 0u) << missing.err;
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
    EXPECT_EQ(test::RunCli({"info"}).exitCode, 2);
    EXPECT_EQ(test::RunCli({"info", "a", "b"}).exitCode, 2);
    EXPECT_EQ(test::RunCli({"info", "a", "--bogus", "x"}).exitCode, 2);
    EXPECT_EQ(test::RunCli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(test::RunCli({}).exitCode, 2);
    auto help = test::RunCli({"info", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: tarnix-cli info ARCHIVE"), std::string::npos);
    EXPECT_EQ(test::RunCli({"--help"}).exitCode, 0);
}

TEST(CliPreview, WritesTheExactPreviewToAPathWithSpaces)
{
    test::TempDir dir;
    // Built from UTF-8: a narrow literal would be read in the ANSI code page on Windows.
    fs::create_directories(dir / PathFromText("my previews ä"));
    const fs::path out = dir / PathFromText("my previews ä") / "front preview.bmp";
    auto r = test::RunCli({"preview", PathText(test::SampleJerseyPath(2)), PathText(out)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Bytes written = test::ReadBytes(out);
    EXPECT_EQ(written.size(), 17462u);
    auto expected = BuildPreview(test::ReadBytes(test::SampleJerseyPath(2)), "x");
    EXPECT_EQ(written, *expected);
}

TEST(CliPreview, NothingIsWrittenOnFailure)
{
    test::TempDir dir;
    test::WriteBytes(dir / "junk.fsh", Bytes(100, 7));
    auto r = test::RunCli({"preview", PathText(dir / "junk.fsh"), PathText(dir / "out.bmp")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "out.bmp"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(CliRender, WritesAPngOfEveryPart)
{
    test::TempDir dir;
    for (const char* part : {"front", "back", "long-sleeve", "short-sleeve"})
    {
        const fs::path out = dir / (std::string(part) + ".png");
        auto r = test::RunCli({"render", PathText(test::SampleJerseyPath(4)), PathText(out), "--part", part,
                               "--colours", "13,19,6,19,13,13,23"});
        ASSERT_EQ(r.exitCode, 0) << part << r.err;
        Bytes png = test::ReadBytes(out);
        ASSERT_GT(png.size(), 33u);
        EXPECT_EQ(png[1], 'P');
        EXPECT_EQ(png[2], 'N');
        EXPECT_EQ(png[3], 'G');
        // Width in the IHDR chunk.
        const int width = (png[16] << 24) | (png[17] << 16) | (png[18] << 8) | png[19];
        EXPECT_EQ(width, std::string(part) == "front" ? 128 : 64);
    }
}

TEST(CliRender, RejectsBadColoursAndParts)
{
    test::TempDir dir;
    const std::string archive = PathText(test::SampleJerseyPath(1));
    const std::string out = PathText(dir / "x.png");
    for (const char* colours :
         {"1,2,3", "1,2,3,4,5,6,24", "1,2,3,4,5,6,-1", "a,b,c,d,e,f,g", "1,2,3,4,5,6,7,8", "1,2,3,4,5,6,7,"})
    {
        EXPECT_EQ(test::RunCli({"render", archive, out, "--colours", colours}).exitCode, 2) << colours;
    }
    EXPECT_EQ(test::RunCli({"render", archive, out, "--part", "collar"}).exitCode, 2);
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}
