#include "teams/TeamDatabase.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace
{

// A collection of teams given as (id, name, home jersey index, away jersey index).
struct Row
{
    int id;
    std::string name;
    int home;
    int away;
};

TeamCollection Teams(const std::vector<Row>& rows)
{
    TeamCollection teams;
    for (const Row& row : rows)
    {
        CTeamRecord& team = teams.Put(row.id);
        team.name = teams.KeepName(row.name);
        team.homeKit.jerseyIndex = static_cast<std::uint8_t>(row.home);
        team.awayKit.jerseyIndex = static_cast<std::uint8_t>(row.away);
    }
    return teams;
}

std::vector<std::string> Texts(const std::vector<TeamLine>& lines)
{
    std::vector<std::string> texts;
    for (const TeamLine& line : lines)
    {
        texts.push_back(line.text);
    }
    return texts;
}

} // namespace

TEST(FillTeamList, JerseyNumberIsTheIndexPlusOne)
{
    TeamCollection teams = Teams({{0, "Zero", 0, 5}, {2, "Top", 63, 1}, {4, "Other", 1, 63}});
    EXPECT_TRUE(FillTeamList(teams, 0).empty()); // index 0 is jersey 1, never jersey 0
    EXPECT_TRUE(FillTeamList(teams, 65).empty());
    EXPECT_TRUE(FillTeamList(teams, -1).empty());
    EXPECT_EQ(Texts(FillTeamList(teams, 1)), (std::vector<std::string>{"Zero - Home"}));
    EXPECT_EQ(Texts(FillTeamList(teams, 64)), (std::vector<std::string>{"Other - Away", "Top - Home"}));
    EXPECT_TRUE(FillTeamList(TeamCollection(), 1).empty());
}

TEST(FillTeamList, LinesCarryTheirTeamAndStrip)
{
    // Celtic wears jersey 2 at home and away; Home Farm's away line holds "Home" in its text.
    TeamCollection teams = Teams({{901, "Celtic", 1, 1}, {1305, "Home Farm", 2, 1}, {5, "Leeds", 1, 0}});
    std::vector<TeamLine> lines = FillTeamList(teams, 2);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "Celtic - Away");
    EXPECT_EQ(lines[0].team, 901);
    EXPECT_EQ(lines[0].strip, Strip::Away);
    EXPECT_EQ(lines[1].text, "Celtic - Home");
    EXPECT_EQ(lines[1].strip, Strip::Home);
    EXPECT_EQ(lines[2].text, "Home Farm - Away");
    EXPECT_EQ(lines[2].team, 1305);
    EXPECT_EQ(lines[2].strip, Strip::Away);
    EXPECT_EQ(&KitOf(*teams[1305], lines[2].strip), &teams[1305]->awayKit);
    EXPECT_EQ(lines[3].text, "Leeds - Home");
    EXPECT_EQ(lines[3].team, 5);
}

TEST(FillTeamList, SortsAsASortedListBoxDoes)
{
    // Byte order would put "Zurich", "[Reserve]" and the upper-case names first and "\u00D6ster" last.
    TeamCollection teams = Teams({
        {1, "Zurich", 0, 9},
        {2, "ajax", 0, 9},
        {3, "Ajax", 0, 9},
        {4, "Ajax Cape Town", 0, 9},
        {5, "\u00D6ster", 0, 9},
        {6, "Oxford", 0, 9},
        {7, "1860 M\u00FCnchen", 0, 9},
        {8, "D.C. United", 0, 9},
        {9, "DC Motors", 0, 9},
        {10, "Atl\u00E9tico", 0, 9},
        {11, "Atletico", 0, 9},
        {12, "Atlfc", 0, 9},
        {13, "[Reserve]", 0, 9},
        {14, "Ajax", 0, 9},
    });
    std::vector<TeamLine> lines = FillTeamList(teams, 1);
    EXPECT_EQ(Texts(lines), (std::vector<std::string>{
                                "[Reserve] - Home",
                                "1860 M\u00FCnchen - Home",
                                "ajax - Home",
                                "Ajax - Home",
                                "Ajax - Home",
                                "Ajax Cape Town - Home",
                                "Atletico - Home",
                                "Atl\u00E9tico - Home",
                                "Atlfc - Home",
                                "D.C. United - Home",
                                "DC Motors - Home",
                                "\u00D6ster - Home",
                                "Oxford - Home",
                                "Zurich - Home",
                            }));
    // Equal texts keep ascending team ids.
    EXPECT_EQ(lines[3].team, 3);
    EXPECT_EQ(lines[4].team, 14);
}

TEST(CompareListText, CaseAndAccentsDecideOnlyBetweenOtherwiseEqualTexts)
{
    EXPECT_LT(CompareListText("a", "A"), 0);
    EXPECT_LT(CompareListText("A", "b"), 0);
    EXPECT_LT(CompareListText("e", "\u00E9"), 0);
    EXPECT_LT(CompareListText("\u00E9", "f"), 0);
    EXPECT_LT(CompareListText("\u00E9a", "eb"), 0);
    EXPECT_LT(CompareListText("Strasse", "Stra\u00DFe"), 0);
    EXPECT_LT(CompareListText("Stra\u00DFe", "Strasze"), 0);
    EXPECT_LT(CompareListText("\u0160ibenik", "Split"), 0);      // Windows-1252's S with caron is an s
    EXPECT_LT(CompareListText("\u017Eilina", "\u017Dilina"), 0); // z with caron, either case, one accent
    EXPECT_LT(CompareListText(" ", "0"), 0);
    EXPECT_LT(CompareListText("Sainte Marie", "Saint-Etienne"), 0);  // hyphens are passed over: "saintetienne"
    EXPECT_GT(CompareListText("Saint-Etienne", "Saint Germain"), 0); // a space before any letter
    EXPECT_NE(CompareListText("co-op", "coop"), 0);
    EXPECT_EQ(CompareListText("co-op", "coop"), -CompareListText("coop", "co-op"));
    EXPECT_LT(CompareListText("9", "a"), 0);
    EXPECT_LT(CompareListText("0", "9"), 0); // digits among digits, before any letter
    EXPECT_LT(CompareListText("Ajax", "Ajax "), 0);
    EXPECT_EQ(CompareListText("Ajax", "Ajax"), 0);
    EXPECT_GT(CompareListText("B", "a"), 0);
    // Bytes that are not UTF-8 read as Latin-1 letters: thorn is "th", y with diaeresis a "y".
    EXPECT_GT(CompareListText("\xFF", "\xFE\xFF"), 0);
    EXPECT_LT(CompareListText("\xFE\xFF", "\xFF"), 0);
    EXPECT_LT(CompareListText("\xC3", "\xC3\xA9"), 0);
}

// Each length of UTF-8 sequence is read as one character from its first byte: an emoji and a CJK letter are
// symbols (before digits and letters, in code point order), a lead byte no sequence starts with a Latin-1
// letter of its own.
TEST(CompareListText, ReadsUtf8SequencesOfEveryLength)
{
    const struct
    {
        const char* a;
        const char* b;
        int sign;
    } rows[] = {
        {"\xC0\x80", "a", -1},                       // two bytes (an overlong NUL): a symbol
        {"\xE0\xA4\x85", "\xC2\xA7", 1},             // U+0905 after U+00A7
        {"\xEF\xBC\xA1", "a", -1},                   // U+FF21, three bytes from the last three-byte lead
        {"\xF0\x9F\x98\x80", "\xE2\x82\xAC", 1},     // U+1F600 after U+20AC
        {"\xF7\x80\x80\x80", "\xF0\x9F\x98\x80", 1}, // the last four-byte lead
        {"\xF8\x80\x80\x80", "n", 1},                // no sequence starts with F8: an o with a stroke
        {"\xF8\x80\x80\x80", "p", -1},
        {"\xC3\x30", "b", -1},        // a lead byte without its continuation: A with a tilde, then a digit
        {"\xE0\xA4\x85", "a", -1},    // three bytes, not four
        {"\xBF\x80", "\xCE\x80", -1}, // an inverted question mark starts no sequence
        {"a\x80", "a", 1},            // nor does a letter
        {"0", "\xC2\xA7", 1},
        {"bz", "ca", -1}, // letters fold to lower case and nothing else
        {"z", "Z", -1},   // Z is upper case too         // a digit, 0 too, after every symbol
    };
    for (const auto& row : rows)
    {
        EXPECT_EQ(CompareListText(row.a, row.b), row.sign) << row.a << " " << row.b;
    }
}

// The letters Windows-1252 and Latin-1 add sort beside their base letters, after the plain ones, lower
// case first; the multiplication and division signs are symbols.
TEST(CompareListText, WindowsLettersSortBesideTheirBaseLetters)
{
    const struct
    {
        const char* letter;
        const char* after;  // sorts after this
        const char* before; // and before this
    } rows[] = {
        {"\u0160", "s", "t"},
        {"\u0161", "s", "\u0160"},
        {"\u017D", "z", "za"},
        {"\u0152", "oe", "of"},
        {"\u0153", "oe", "\u0152"},
        {"\u0178", "y", "z"},
        {"\u00FF", "y", "\u0178"},
        {"\u0192", "f", "g"},
        {"\u00AA", "a", "b"},
        {"\u00BA", "o", "p"},
        {"\u00C0", "a", "b"},
        {"\u00D8", "o", "p"},
        {"\u00F8", "o", "p"},
        {"\u00F6", "o", "p"},
        {"\u00FE", "th", "\u00DE"},
        {"\u00E9", "e", "\u00C9"},
        {"\u00D7", "\u00AB", "0"},
        {"\u00F7", "\u00D7", "0"},
        {"\u017E", "z", "\u017D"},
        // An accent anywhere outranks letter case: the capital with a plain letter after it comes first.
        {"\u0178e", "\u00FFe", "\u00FF\u00E9"},
        {"\u0160e", "\u0161e", "\u0161\u00E9"},
        {"\u017De", "\u017Ee", "\u017E\u00E9"},
        {"\u0152e", "\u0153e", "\u0153\u00E9"},
        // A hyphen only settles texts otherwise equal, by their bytes.
        {"a-", "a", "b"},
    };
    for (const auto& row : rows)
    {
        EXPECT_GT(CompareListText(row.letter, row.after), 0) << row.letter << " " << row.after;
        EXPECT_LT(CompareListText(row.letter, row.before), 0) << row.letter << " " << row.before;
    }
}
