#include "teams/TeamDatabase.h"
#include "archive/FileIO.h"
#include "sample/SampleTeams.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tarnix;
using test::TempDir;

namespace
{

sample::TeamSpec Team(int id, const std::string& name, int homeJersey = 0, int awayJersey = 1)
{
    sample::TeamSpec team;
    team.id = id;
    team.name = name;
    team.home.jerseyIndex = static_cast<std::uint8_t>(homeJersey);
    team.home.colours = {1, 2, 3, 4, 5, 6, 7};
    team.away.jerseyIndex = static_cast<std::uint8_t>(awayJersey);
    team.away.colours = {25, 26, 27, 28, 29, 30, 31};
    return team;
}

TeamCollection Parse(const sample::DatabaseSpec& spec, std::string* note = nullptr)
{
    TeamCollection teams;
    Status parsed = ParseTeamRecords(sample::BuildTeamDatabase(spec), sample::BuildTeamNames(spec), teams, note);
    EXPECT_TRUE(parsed.ok()) << parsed.error();
    ParseLeagueNames(sample::BuildTeamDatabase(spec), teams, note);
    return teams;
}

std::vector<int> Ids(const TeamCollection& teams)
{
    std::vector<int> ids;
    for (const auto& team : teams)
    {
        if (team)
        {
            ids.push_back(team->id);
        }
    }
    return ids;
}

} // namespace

TEST(TeamRecordLayout, KitWordsDecodeEveryFieldAndIgnoreTheUnusedBits)
{
    // Hand-packed: colours 3, 17 in bits 0-9, jersey 45 in 10-15, colours 29, 11 in 16-25, bits 26-31 set;
    // word B: 30, 7 in bits 0-9, 10-15 set, 26 in 16-20, 21-31 set.
    Kit kit = DecodeKit(0xFD7DB623u, 0xFFFAFCFEu);
    EXPECT_EQ(kit.jerseyIndex, 45);
    EXPECT_EQ(kit.colours, (std::array<std::uint8_t, 7>{3, 17, 29, 11, 30, 7, 26}));

    Kit onlyJersey = DecodeKit(0x0000FC00u, 0);
    EXPECT_EQ(onlyJersey.jerseyIndex, 63);
    EXPECT_EQ(onlyJersey.colours, (std::array<std::uint8_t, 7>{}));
}

TEST(TeamRecordLayout, RecordFieldsComeFromTheFirstTwentyBytes)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(5, "Ajax", 11, 63)};
    spec.teams[0].idWordHighBits = 1; // bit 11, not part of the id
    spec.recordSize = 40;
    Bytes fcdb = sample::BuildTeamDatabase(spec);
    const std::uint64_t record = sample::RecordTableOffset(spec) + 8;
    ASSERT_EQ(ByteReader(fcdb).U32(record), 0x805u);

    TeamCollection teams;
    ASSERT_TRUE(ParseTeamRecords(fcdb, sample::BuildTeamNames(spec), teams).ok());
    ASSERT_EQ(teams.size(), 6u);
    const CTeamRecord& ajax = *teams[5];
    EXPECT_EQ(ajax.id, 5);
    EXPECT_EQ(ajax.name, "Ajax");
    EXPECT_EQ(ajax.homeKit.jerseyIndex, 11);
    EXPECT_EQ(ajax.homeKit.colours, (std::array<std::uint8_t, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(ajax.awayKit.jerseyIndex, 63);
    EXPECT_EQ(ajax.awayKit.colours, (std::array<std::uint8_t, 7>{25, 26, 27, 28, 29, 30, 31}));
    EXPECT_TRUE(ajax.league.empty());
    EXPECT_TRUE(ajax.homeJerseyFile.empty());
    EXPECT_TRUE(ajax.awayJerseyFile.empty());
}

TEST(TeamCollection, SlotsWithoutTeamsAreNullAndLaterDuplicatesWin)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(7, "Seven"), Team(3, "Three"), Team(7, "Seven Again", 4, 4)};
    TeamCollection teams = Parse(spec);
    ASSERT_EQ(teams.size(), 8u);
    for (int i : {0, 1, 2, 4, 5, 6})
    {
        EXPECT_EQ(teams[i], nullptr) << i;
    }
    EXPECT_EQ(teams[3]->name, "Three");
    EXPECT_EQ(teams[7]->name, "Seven Again"); // the name at the later record's position
    EXPECT_EQ(teams[7]->homeKit.jerseyIndex, 4);
}

// A damaged file can repeat a few ids thousands of times: each id's last record is the team, names and
// records stay where they are when the collection moves, and a moved-from collection starts afresh.
TEST(TeamCollection, RepeatedIdsMovesAndLaterPutsKeepEveryName)
{
    sample::DatabaseSpec spec;
    for (int i = 0; i < 20000; ++i)
    {
        spec.teams.push_back(Team(i % 3, std::string(200, char('a' + i % 26)) + std::to_string(i), i % 64));
    }
    std::string note;
    TeamCollection parsed = Parse(spec, &note);
    EXPECT_TRUE(note.empty()) << note;
    const CTeamRecord* last = parsed[2];

    TeamCollection teams(std::move(parsed));
    EXPECT_TRUE(parsed.empty());
    ASSERT_EQ(teams.size(), 3u);
    EXPECT_EQ(teams[2], last);
    for (int id = 0; id < 3; ++id)
    {
        const int i = 19997 + (id + 1) % 3; // the last record of each id: 19998, 19999, 19997
        EXPECT_EQ(teams[id]->name, std::string(200, char('a' + i % 26)) + std::to_string(i)) << id;
        EXPECT_EQ(teams[id]->homeKit.jerseyIndex, i % 64) << id;
    }
    for (int id = 3; id < 200; ++id)
    {
        teams.Put(id).name = teams.KeepName("Team " + std::to_string(id));
    }
    EXPECT_EQ(teams[2], last);
    EXPECT_EQ(teams[199]->name, "Team 199");
    EXPECT_EQ(teams[2]->name.substr(0, 3), "ddd");

    parsed.Put(5).name = parsed.KeepName("Reused");
    teams = std::move(parsed);
    ASSERT_EQ(teams.size(), 6u);
    EXPECT_EQ(teams[5]->name, "Reused");
}

TEST(TeamCollection, NoRecordsIsAnEmptyDatabase)
{
    sample::DatabaseSpec spec;
    std::string note;
    TeamCollection teams = Parse(spec, &note);
    EXPECT_TRUE(teams.empty());
    EXPECT_TRUE(note.empty()) << note;
}

TEST(TeamNames, DecodedFromWindows1252AndEndedByTheEndOfTheFile)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(1, "Bayern M\xFCnchen"), Team(2, "Atl\xE9tico \x80")};
    spec.nulAfterLastName = false;
    TeamCollection teams = Parse(spec);
    ASSERT_EQ(teams.size(), 3u);
    EXPECT_EQ(teams[1]->name, "Bayern M\u00FCnchen");
    EXPECT_EQ(teams[2]->name, "Atl\u00E9tico \u20AC");

    // A name entry that starts right at the end of the file is an empty name.
    Bytes names = sample::BuildTeamNames(spec);
    names.resize(names.size() - spec.teams[1].name.size());
    TeamCollection cut;
    std::string note;
    ASSERT_TRUE(ParseTeamRecords(sample::BuildTeamDatabase(spec), names, cut, &note).ok());
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[2]->name, "");
    EXPECT_EQ(note, "");
}

// Names are scanned eight bytes at a time: every length up to two words and a bit, a non-ASCII letter
// first, last or nowhere, ends where its NUL is and is decoded only when it holds such a letter.
TEST(TeamNames, EveryLengthEndsAtItsNul)
{
    sample::DatabaseSpec spec;
    std::vector<std::string> expected;
    for (int length = 0; length <= 17; ++length)
    {
        for (int accent : {-1, 0, length - 1})
        {
            std::string name(std::size_t(length), 'a');
            std::string decoded = name;
            if (accent >= 0 && length > 0)
            {
                name[std::size_t(accent)] = '\xE9';
                decoded.replace(std::size_t(accent), 1, "\u00E9");
            }
            spec.teams.push_back(Team(int(spec.teams.size()) + 1, name));
            expected.push_back(decoded);
        }
    }
    // A control character is no NUL, at the start of a word too; Windows-1252's own letters (0x80-0x9F)
    // anywhere, DEL, and Latin-1 letters of both lead bytes.
    const std::pair<const char*, const char*> more[] = {
        {"\x01\x61\x62\x63\x64\x65\x66\x67\x01", "\x01\x61\x62\x63\x64\x65\x66\x67\x01"},
        {"\x80\x61", "\u20AC\x61"},
        {"\x9F", "\u0178"},
        {"\x7F\xE9", "\x7F\u00E9"},
        {"\xB0\xE9", "\u00B0\u00E9"}};
    for (auto [name, decoded] : more)
    {
        spec.teams.push_back(Team(int(spec.teams.size()) + 1, name));
        expected.push_back(decoded);
    }
    const TeamCollection teams = Parse(spec);
    ASSERT_EQ(teams.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i)
    {
        EXPECT_EQ(teams[i + 1]->name, expected[i]) << i;
    }
}

TEST(TeamRecordSize, BelowTwentyIsRefusedAndLargerRecordsAreSkippedWhole)
{
    for (std::uint32_t size : {0u, 1u, 19u})
    {
        sample::DatabaseSpec spec;
        spec.teams = {Team(1, "One")};
        Bytes fcdb = sample::BuildTeamDatabase(spec);
        PutU32(fcdb, sample::RecordTableOffset(spec) + 4, size);
        TeamCollection teams;
        Status parsed = ParseTeamRecords(fcdb, sample::BuildTeamNames(spec), teams);
        EXPECT_FALSE(parsed.ok()) << size;
        EXPECT_NE(parsed.error().find("not a team database"), std::string::npos) << parsed.error();
        EXPECT_TRUE(teams.empty());
    }
    for (std::uint32_t size : {20u, 21u, 80u, 81u, 200u})
    {
        sample::DatabaseSpec spec;
        spec.recordSize = size;
        spec.teams = {Team(1, "One", 1, 2), Team(2, "Two", 3, 4), Team(9, "Nine", 5, 6)};
        TeamCollection teams = Parse(spec);
        EXPECT_EQ(Ids(teams), (std::vector<int>{1, 2, 9})) << size;
        EXPECT_EQ(teams[9]->awayKit.jerseyIndex, 6) << size;
    }
}

TEST(TeamRecordSize, FourBillionBytesLoadsNothingAndSaysWhy)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(1, "One"), Team(2, "Two")};
    Bytes fcdb = sample::BuildTeamDatabase(spec);
    PutU32(fcdb, sample::RecordTableOffset(spec) + 4, 4000000000u);
    TeamCollection teams;
    std::string note;
    EXPECT_TRUE(ParseTeamRecords(fcdb, sample::BuildTeamNames(spec), teams, &note).ok());
    EXPECT_TRUE(teams.empty());
    EXPECT_NE(note.find("record 0"), std::string::npos) << note;
}

TEST(TeamRecordCount, HugeCountStopsAtTheEndOfEitherFile)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(1, "One"), Team(2, "Two"), Team(2047, "Last")};
    Bytes fcdb = sample::BuildTeamDatabase(spec);
    PutU32(fcdb, sample::RecordTableOffset(spec), 0xFFFFFFFFu);
    Bytes names = sample::BuildTeamNames(spec);

    TeamCollection teams;
    std::string note;
    ASSERT_TRUE(ParseTeamRecords(fcdb, names, teams, &note).ok());
    // The sections behind the records read as more records until the file ends; whatever they decode to,
    // no slot lies beyond the eleven-bit ids, and the real records are all there.
    EXPECT_LE(teams.size(), 2048u);
    EXPECT_EQ(teams[2047]->name, "Last");
    EXPECT_FALSE(note.empty());

    // A name offset past the end of FCDB_ENG.DBI costs that team its name only.
    PutU32(names, kNameOffsetsAt + 4 * 2, 0xFFFFFFF0u);
    TeamCollection fewer;
    note.clear();
    ASSERT_TRUE(ParseTeamRecords(sample::BuildTeamDatabase(spec), names, fewer, &note).ok());
    EXPECT_EQ(Ids(fewer), (std::vector<int>{1, 2, 2047}));
    EXPECT_EQ(fewer[2047]->name, "");
    EXPECT_NE(note.find("FCDB_ENG.DBI"), std::string::npos) << note;
}

TEST(TeamLeagues, SizeByteGivesTheNumberOfIds)
{
    // 70 ids listed; the size byte decides how many are read: M = (L - 2) / 4, capped at 63 by L = 255.
    const std::vector<std::pair<int, int>> cases = {{0, 0}, {1, 0}, {2, 0},  {5, 0},
                                                    {6, 1}, {9, 1}, {10, 2}, {255, 63}};
    for (auto [sizeByte, expected] : cases)
    {
        sample::DatabaseSpec spec;
        sample::SectionSpec section;
        for (int id = 0; id < 70; ++id)
        {
            spec.teams.push_back(Team(id, "T" + std::to_string(id)));
            section.ids.push_back(static_cast<std::uint16_t>(id));
        }
        section.sizeByte = sizeByte;
        spec.sections = {section};
        TeamCollection teams = Parse(spec);
        int named = 0;
        for (const auto& team : teams)
        {
            named += team->league == "ENGLAND" ? 1 : 0;
        }
        EXPECT_EQ(named, expected) << "L = " << sizeByte;
        if (expected > 0)
        {
            EXPECT_EQ(teams[expected - 1]->league, "ENGLAND");
            EXPECT_EQ(teams[expected]->league, "");
        }
    }
}

TEST(TeamLeagues, HighestNamedSectionWinsAndOthersAreSkipped)
{
    sample::DatabaseSpec spec;
    for (int id = 1; id <= 6; ++id)
    {
        spec.teams.push_back(Team(id, "T" + std::to_string(id)));
    }
    spec.sections.resize(60);
    spec.sections[0].ids = {1, 2, 6, 999}; // 999: no such team
    spec.sections[52].ids = {1};           // REST OF EUROPE wins over ENGLAND
    spec.sections[1].ids = {3};
    spec.sections[8].ids = {3, 4}; // GERMANY wins over ITALY
    spec.sections[20].ids = {5, 2};
    spec.sections[51].ids = {5};
    spec.sections[53].ids = {2, 6}; // beyond the named sections: nothing changes
    spec.sections[59].ids = {5};
    TeamCollection teams = Parse(spec);
    EXPECT_EQ(teams[1]->league, "REST OF EUROPE");
    EXPECT_EQ(teams[2]->league, "ENGLAND");
    EXPECT_EQ(teams[3]->league, "GERMANY");
    EXPECT_EQ(teams[4]->league, "GERMANY");
    EXPECT_EQ(teams[5]->league, "");
    EXPECT_EQ(teams[6]->league, "ENGLAND");

    // Every named section carries its own name.
    for (std::size_t k = 0; k <= 52; ++k)
    {
        sample::DatabaseSpec one;
        one.teams = {Team(1, "T")};
        one.sections.resize(k + 1);
        one.sections[k].ids = {1};
        const char* expected = k <= 12 ? kSectionNames[k] : k == 52 ? "REST OF EUROPE" : "";
        EXPECT_EQ(Parse(one)[1]->league, expected) << k;
    }
}

TEST(TeamLeagues, HugeSectionCountReadsNoFurtherThanTheNamedSections)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(1, "T")};
    spec.sections.resize(60);
    spec.sections[0].ids = {1};
    spec.sections[55].ids = {1};
    Bytes fcdb = sample::BuildTeamDatabase(spec);
    PutU32(fcdb, kSectionCountAt, 0xFFFFFFFFu);
    TeamCollection teams;
    ASSERT_TRUE(ParseTeamRecords(fcdb, sample::BuildTeamNames(spec), teams).ok());
    std::string note;
    ParseLeagueNames(fcdb, teams, &note);
    EXPECT_EQ(teams[1]->league, "ENGLAND");
    EXPECT_TRUE(note.empty()) << note;
}

TEST(TeamDamage, TruncatedAtEveryOffsetLoadsAPrefixWithoutReadingOutside)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(4, "Four"), Team(2, "Two"), Team(9, "Nine")};
    spec.sections.resize(53);
    spec.sections[0].ids = {4, 2};
    spec.sections[52].ids = {9, 4};
    const Bytes fcdb = sample::BuildTeamDatabase(spec);
    const Bytes names = sample::BuildTeamNames(spec);
    const TeamCollection whole = Parse(spec);

    // Copies, so that a read past the end lands outside an allocation sized to the cut.
    for (std::size_t cut = 0; cut < fcdb.size(); ++cut)
    {
        Bytes part(fcdb.begin(), fcdb.begin() + cut);
        TeamCollection teams;
        std::string note;
        Status parsed = ParseTeamRecords(part, names, teams, &note);
        ParseLeagueNames(part, teams, &note);
        for (std::size_t id = 0; id < teams.size(); ++id)
        {
            if (teams[id])
            {
                ASSERT_NE(whole[id], nullptr) << cut;
                EXPECT_EQ(teams[id]->name, whole[id]->name) << cut;
                EXPECT_EQ(teams[id]->homeKit.colours, whole[id]->homeKit.colours) << cut;
            }
        }
        EXPECT_TRUE(!parsed.ok() || !note.empty()) << "cut at " << cut << " went unnoticed";
    }
    for (std::size_t cut = 0; cut < names.size(); ++cut)
    {
        Bytes part(names.begin(), names.begin() + cut);
        TeamCollection teams;
        ASSERT_TRUE(ParseTeamRecords(fcdb, part, teams).ok());
        for (const auto& team : teams)
        {
            // A name is either whole or cut short by the end of the file.
            if (team)
            {
                EXPECT_EQ(whole[team->id]->name.rfind(team->name, 0), 0u) << cut;
            }
        }
    }
}

TEST(TeamDamage, EveryByteSetToAllOnesNeitherCrashesNorGrowsPastElevenBitIds)
{
    sample::DatabaseSpec spec;
    spec.teams = {Team(4, "Four"), Team(2, "Two")};
    spec.sections.resize(53);
    spec.sections[0].ids = {4, 2};
    spec.sections[52].ids = {2};
    const Bytes fcdb = sample::BuildTeamDatabase(spec);
    const Bytes names = sample::BuildTeamNames(spec);
    for (std::size_t k = 0; k < fcdb.size() + names.size(); ++k)
    {
        Bytes a = fcdb;
        Bytes b = names;
        (k < a.size() ? a[k] : b[k - a.size()]) = 0xFF;
        TeamCollection teams;
        (void)ParseTeamRecords(a, b, teams);
        ParseLeagueNames(a, teams);
        EXPECT_LE(teams.size(), 2048u) << k;
    }
}

TEST(TeamFiles, FoundWhateverTheirCaseUnderAFolderEndingWithASeparator)
{
    TempDir dir;
    const std::filesystem::path game = dir / "FIFA 99 M\u00FCller";
    sample::DatabaseSpec spec;
    spec.teams = {Team(3, "Celtic")};
    spec.sections = {{{3}}};
    const std::filesystem::path fe = game / "data" / "cmn" / "fe";
    std::filesystem::create_directories(fe);
    test::WriteBytes(fe / "fcdb.dbi", sample::BuildTeamDatabase(spec));
    test::WriteBytes(fe / "Fcdb_Eng.Dbi", sample::BuildTeamNames(spec));

    for (const std::filesystem::path& folder : {game, PathFromText(PathText(game) + "/")})
    {
        TeamCollection teams;
        ASSERT_TRUE(ReadTeamDatabase(folder, teams).ok()) << PathText(folder);
        ReadLeagueNames(folder, teams);
        ASSERT_EQ(teams.size(), 4u);
        EXPECT_EQ(teams[3]->name, "Celtic");
        EXPECT_EQ(teams[3]->league, "ENGLAND");
    }
}

TEST(TeamFiles, EitherFileMissingLoadsNothing)
{
    TempDir dir;
    sample::DatabaseSpec spec;
    spec.teams = {Team(3, "Celtic")};
    spec.sections = {{{3}}};
    ASSERT_TRUE(sample::WriteTeamDatabase(dir.path(), spec).ok());
    std::filesystem::remove(dir.path() / "DATA" / "CMN" / "FE" / "FCDB_ENG.DBI");

    TeamCollection teams;
    Status read = ReadTeamDatabase(dir.path(), teams);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error().find("FCDB_ENG.DBI"), std::string::npos) << read.error();
    EXPECT_TRUE(teams.empty());

    // Pass 2 needs only FCDB.DBI; without it the leagues stay as they are.
    teams.Put(3);
    ReadLeagueNames(dir.path(), teams);
    EXPECT_EQ(teams[3]->league, "ENGLAND");
    std::filesystem::remove(dir.path() / "DATA" / "CMN" / "FE" / "FCDB.DBI");
    teams[3]->league = "kept";
    ReadLeagueNames(dir.path(), teams);
    EXPECT_EQ(teams[3]->league, "kept");

    Status none = ReadTeamDatabase(dir.path(), teams);
    EXPECT_FALSE(none.ok());
    EXPECT_NE(none.error().find("FCDB.DBI"), std::string::npos) << none.error();
}

TEST(TeamFiles, SampleGameHoldsItsClubsAndNationalTeams)
{
    TeamCollection teams;
    std::string note;
    ASSERT_TRUE(ReadTeamDatabase(test::SampleGameFolder(), teams, &note).ok());
    ReadLeagueNames(test::SampleGameFolder(), teams, &note);
    EXPECT_TRUE(note.empty()) << note;
    EXPECT_GE(Ids(teams).size(), 60u);
    for (std::size_t id = 0; id < teams.size(); ++id)
    {
        if (teams[id])
        {
            EXPECT_EQ(teams[id]->id, static_cast<int>(id));
        }
    }
    EXPECT_EQ(teams[3]->name, "Chelsea");
    EXPECT_EQ(teams[3]->league, "REST OF EUROPE");
    EXPECT_EQ(teams[801]->name, "Bayern M\u00FCnchen");
    EXPECT_EQ(teams[801]->league, "GERMANY");
    EXPECT_EQ(teams[403]->name, "Atl\u00E9tico Madrid");
    EXPECT_EQ(teams[1501]->league, "");
    EXPECT_EQ(teams[7]->homeKit.jerseyIndex, teams[7]->awayKit.jerseyIndex);
    EXPECT_EQ(teams[8], nullptr); // listed in a section, but no such team

    // Start-up reads both passes at once, each file once: the same teams.
    TeamCollection loaded;
    ASSERT_TRUE(LoadTeamDatabase(test::SampleGameFolder(), loaded).ok());
    ASSERT_EQ(loaded.size(), teams.size());
    for (std::size_t id = 0; id < teams.size(); ++id)
    {
        ASSERT_EQ(loaded[id] == nullptr, teams[id] == nullptr) << id;
        if (teams[id])
        {
            EXPECT_EQ(loaded[id]->name, teams[id]->name);
            EXPECT_EQ(loaded[id]->league, teams[id]->league);
        }
    }
}
