#include "archive/FileIO.h"
#include "sample/SampleGame.h"
#include "sample/SampleTeams.h"
#include "teams/TeamDatabase.h"

#include "../../fuzz/FuzzInput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// Every record sits in the slot of its id, and every league is one of the named sections.
void ExpectConsistent(const TeamCollection& teams, const std::string& what)
{
    EXPECT_LE(teams.size(), std::size_t(kMaxTeamId) + 1) << what;
    for (std::size_t i = 0; i < teams.size(); ++i)
    {
        if (!teams[i])
        {
            continue;
        }
        EXPECT_EQ(teams[i]->id, int(i)) << what;
        const std::string_view league = teams[i]->league;
        bool named = league.empty() || league == kRestOfEuropeName;
        for (const char* section : kSectionNames)
        {
            named = named || league == section;
        }
        EXPECT_TRUE(named) << what << ": " << league;
    }
}

sample::DatabaseSpec ThreeTeams()
{
    sample::DatabaseSpec spec;
    for (int id : {3, 5, 8})
    {
        sample::TeamSpec team;
        team.id = id;
        team.name = "Team " + std::to_string(id);
        team.home.jerseyIndex = static_cast<std::uint8_t>(id);
        spec.teams.push_back(team);
    }
    spec.sections.resize(kLastNamedSection + 1);
    spec.sections[0].ids = {3};
    spec.sections[1].ids = {5};
    spec.sections[52].ids = {8};
    return spec;
}

std::string LeagueOf(const TeamCollection& teams, int id)
{
    return std::string(std::size_t(id) < teams.size() && teams[id] ? teams[id]->league : "<no team>");
}

} // namespace

TEST(HostileDatabase, SectionsPointingPastTheEndNameNothingButLaterSectionsStillDo)
{
    const sample::DatabaseSpec spec = ThreeTeams();
    const Bytes names = sample::BuildTeamNames(spec);
    struct Case
    {
        const char* what;
        std::uint32_t section1Offset;
    };
    // Section 1 points past the end, to its very last byte, or wraps a 32-bit offset.
    const Bytes good = sample::BuildTeamDatabase(spec);
    for (Case c : {Case{"past the end", std::uint32_t(good.size()) + 100},
                   Case{"at the last byte", std::uint32_t(good.size() - 1)}, Case{"wrapping", 0xFFFFFFF0u}})
    {
        Bytes fcdb = good;
        PutU32(fcdb, kSectionOffsetsAt + 4, c.section1Offset);
        TeamCollection teams;
        std::string note;
        ASSERT_TRUE(ParseTeamRecords(fcdb, names, teams, &note).ok()) << c.what;
        ParseLeagueNames(fcdb, teams, &note);
        ExpectConsistent(teams, c.what);
        EXPECT_EQ(LeagueOf(teams, 3), "ENGLAND") << c.what;
        EXPECT_EQ(LeagueOf(teams, 5), "") << c.what;
        EXPECT_EQ(LeagueOf(teams, 8), "REST OF EUROPE") << c.what;
        EXPECT_NE(note.find("league section 1"), std::string::npos) << c.what << ": " << note;
    }

    // A section whose size byte promises 63 ids where the file ends after two.
    Bytes fcdb = good;
    const std::uint64_t last = sample::SectionOffset(spec, 52);
    fcdb[last + kSectionSizeByteAt] = 255;
    fcdb.resize(last + kSectionIdsAt + 2);
    TeamCollection teams;
    std::string note;
    ASSERT_TRUE(ParseTeamRecords(fcdb, names, teams, &note).ok());
    ParseLeagueNames(fcdb, teams, &note);
    EXPECT_EQ(LeagueOf(teams, 8), "REST OF EUROPE");
    EXPECT_NE(note.find("ends inside league section 52"), std::string::npos) << note;

    // The record table's own offset past the end: not a team database.
    Bytes noTable = good;
    PutU16(noTable, kRecordTableOffsetAt, 0xFFF0);
    TeamCollection none;
    Status parsed = ParseTeamRecords(noTable, names, none);
    EXPECT_FALSE(parsed.ok());
    EXPECT_NE(parsed.error().find("FCDB.DBI"), std::string::npos) << parsed.error();
    EXPECT_TRUE(none.empty());
}

TEST(HostileDatabase, NameOffsetsAtAndPastTheEndOfTheNamesFile)
{
    const sample::DatabaseSpec spec = ThreeTeams();
    const Bytes fcdb = sample::BuildTeamDatabase(spec);
    const Bytes good = sample::BuildTeamNames(spec);
    const std::uint64_t lastName = kNameOffsetsAt + 4 * 2;
    // The third name exactly at the end of the file (an empty name, no terminator), one byte before it
    // without a terminator, and 17 bytes short of it (inside the part before the name).
    for (std::uint64_t back : {0u, 1u, 17u, 18u})
    {
        Bytes names = good;
        PutU32(names, lastName, static_cast<std::uint32_t>(names.size() - back - kNameBlockAt - kNameSkip));
        TeamCollection teams;
        std::string note;
        ASSERT_TRUE(ParseTeamRecords(fcdb, names, teams, &note).ok()) << back;
        ExpectConsistent(teams, "back " + std::to_string(back));
        ASSERT_EQ(teams.size(), 9u) << back;
        ASSERT_TRUE(teams[8]) << back << ": " << note;
        EXPECT_LE(teams[8]->name.size(), back) << back;
    }
}

// A names file cut short, down to nothing: every team whose record is whole stays, with the part of its
// name the file still holds (empty when none).
TEST(HostileDatabase, NamesFileCutShortKeepsEveryTeam)
{
    const sample::DatabaseSpec spec = ThreeTeams();
    const Bytes fcdb = sample::BuildTeamDatabase(spec);
    const Bytes good = sample::BuildTeamNames(spec);
    struct Case
    {
        const char* what;
        std::size_t length;
        std::size_t wholeNames;
    };
    for (Case c : {Case{"empty", 0, 0}, Case{"inside the name table", kNameOffsetsAt + 6, 0},
                   Case{"inside the second name", good.size() - spec.teams[2].name.size() - kNameSkip - 3, 1},
                   Case{"without the last terminator", good.size() - 1, 3}})
    {
        const Bytes names(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(c.length));
        TeamCollection teams;
        std::string note;
        ASSERT_TRUE(ParseTeamRecords(fcdb, names, teams, &note).ok()) << c.what;
        ExpectConsistent(teams, c.what);
        for (std::size_t i = 0; i < spec.teams.size(); ++i)
        {
            const sample::TeamSpec& team = spec.teams[i];
            ASSERT_TRUE(teams[team.id]) << c.what << ": team " << team.id;
            EXPECT_EQ(team.name.rfind(teams[team.id]->name, 0), 0u) << c.what << ": " << teams[team.id]->name;
            if (i < c.wholeNames)
            {
                EXPECT_EQ(teams[team.id]->name, team.name) << c.what;
            }
        }
        EXPECT_EQ(note.empty(), c.wholeNames == 3) << c.what << ": " << note;
    }
}

// A modder's game folder: 300 characters deep, with spaces and letters outside ASCII in its components.
TEST(HostileDatabase, GameFolderOf300CharactersWithSpacesAndAccents)
{
    test::TempDir dir;
    fs::path game = dir.path();
    const std::string component = "Spiele für Ünsere Männer – Café ";
    int i = 0;
    while (PathText(game).size() < 300)
    {
        game /= PathFromText(component + std::to_string(i++));
    }
    ASSERT_GE(PathText(game).size(), 300u);
    fs::create_directories(game);
    ASSERT_TRUE(sample::WriteSampleGame(game).ok());

    TeamCollection there;
    TeamCollection here;
    ASSERT_TRUE(ReadTeamDatabase(game, there).ok());
    ReadLeagueNames(game, there);
    ASSERT_TRUE(ReadTeamDatabase(test::SampleGameFolder(), here).ok());
    ReadLeagueNames(test::SampleGameFolder(), here);
    ASSERT_EQ(there.size(), here.size());
    for (std::size_t id = 0; id < here.size(); ++id)
    {
        ASSERT_EQ(bool(there[id]), bool(here[id])) << id;
        if (here[id])
        {
            EXPECT_EQ(there[id]->name, here[id]->name);
            EXPECT_EQ(there[id]->league, here[id]->league);
        }
    }
    EXPECT_FALSE(FillTeamList(there, 1).empty());
}
