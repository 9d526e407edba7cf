#include "archive/FileIO.h"
#include "sample/SampleTeams.h"
#include "teams/TeamDatabase.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace tarnix;
namespace fs = std::filesystem;

TEST(CliTeams, PrintsEveryTeamInAscendingId)
{
    auto r = test::RunCli({"teams", PathText(test::SampleGameFolder())});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    auto json = nlohmann::json::parse(r.out);
    const auto& teams = json["teams"];
    ASSERT_GE(teams.size(), 60u);
    for (std::size_t i = 1; i < teams.size(); ++i)
    {
        EXPECT_LT(teams[i - 1]["id"].get<int>(), teams[i]["id"].get<int>());
    }
    auto find = [&](int id)
    {
        for (const auto& team : teams)
        {
            if (team["id"] == id)
            {
                return team;
            }
        }
        return nlohmann::json();
    };
    auto chelsea = find(3);
    EXPECT_EQ(chelsea["name"], "Chelsea");
    EXPECT_EQ(chelsea["league"], "REST OF EUROPE");
    EXPECT_EQ(chelsea["home"]["jerseyIndex"], 11);
    EXPECT_EQ(chelsea["home"]["colours"], (std::vector<int>{13, 19, 19, 13, 19, 19, 13}));
    EXPECT_EQ(chelsea["away"]["jerseyIndex"], 1);
    EXPECT_EQ(find(801)["name"], "Bayern M\u00FCnchen");
    EXPECT_EQ(find(1601)["league"], "");
    EXPECT_EQ(find(1601)["home"]["colours"][2], 31);
}

TEST(CliTeams, JerseyLinesInListOrderWithTheirStrips)
{
    // A trailing separator on the game folder is harmless.
    auto r = test::RunCli({"teams", PathText(test::SampleGameFolder()) + "/", "--jersey", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = nlohmann::json::parse(r.out)["lines"];
    ASSERT_FALSE(lines.empty());
    bool homeFarm = false;
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        if (i > 0)
        {
            EXPECT_LT(
                CompareListText(lines[i - 1]["text"].get<std::string>(), lines[i]["text"].get<std::string>()), 0);
        }
        const std::string text = lines[i]["text"];
        const std::string strip = lines[i]["strip"];
        EXPECT_EQ(text.substr(text.size() - 4), strip == "home" ? "Home" : "Away") << text;
        if (text == "Home Farm - Away")
        {
            homeFarm = true;
            EXPECT_EQ(strip, "away");
            EXPECT_EQ(lines[i]["team"], 1305);
        }
    }
    EXPECT_TRUE(homeFarm);

    // Manchester United wears jersey 12 at home and away: two lines.
    auto twelve =
        nlohmann::json::parse(test::RunCli({"teams", PathText(test::SampleGameFolder()), "--jersey=12"}).out);
    int united = 0;
    for (const auto& line : twelve["lines"])
    {
        united += line["team"] == 7 ? 1 : 0;
    }
    EXPECT_EQ(united, 2);

    auto none = test::RunCli({"teams", PathText(test::SampleGameFolder()), "--jersey", "0"});
    ASSERT_EQ(none.exitCode, 0) << none.err;
    EXPECT_TRUE(nlohmann::json::parse(none.out)["lines"].empty());
}

TEST(CliTeams, MissingDatabaseAndBadJerseyNumberFail)
{
    test::TempDir dir;
    auto missing = test::RunCli({"teams", PathText(dir.path())});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(missing.err.rfind("tarnix-cli: ", 0), 0u) << missing.err;
    EXPECT_NE(missing.err.find("FCDB.DBI"), std::string::npos) << missing.err;

    for (const char* bad : {"x", "-1", "", "12a"})
    {
        auto r = test::RunCli({"teams", PathText(test::SampleGameFolder()), "--jersey", bad});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
}

TEST(CliTeams, DamagedDatabaseGivesWhatWasReadWithAWarning)
{
    test::TempDir dir;
    const fs::path game = dir / "FIFA 99 \u00C9dition";
    ASSERT_TRUE(sample::WriteSampleTeams(game).ok());
    const fs::path fcdb = game / "DATA" / "CMN" / "FE" / "FCDB.DBI";
    Bytes bytes = test::ReadBytes(fcdb);
    const std::uint64_t table = ByteReader(bytes).U16(kRecordTableOffsetAt).value();
    bytes.resize(table + 8 + 32 * 10 + 5); // ten whole records, then a cut
    test::WriteBytes(fcdb, bytes);

    auto r = test::RunCli({"teams", PathText(game)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["teams"].size(), 10u);
    EXPECT_NE(r.err.find("tarnix-cli: warning: FCDB.DBI ends inside record 10"), std::string::npos) << r.err;
}
