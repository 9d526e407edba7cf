// The team database: FCDB.DBI and FCDB_ENG.DBI (two pieces of one input), both passes, and the page-one
// team list built from what was loaded.

#include "FuzzInput.h"
#include "teams/TeamDatabase.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto [fcdb, names] = fuzz::SplitInput<2>(data, size);
    TeamCollection teams;
    std::string note;
    Status loaded = ParseTeamRecords(fcdb, names, teams, &note);
    fuzz::Expect(loaded.ok() || teams.empty());
    ParseLeagueNames(fcdb, teams, &note);
    fuzz::Expect(teams.size() <= std::size_t(kMaxTeamId) + 1);

    // Two lists per input (sorting them is most of the harness's time): a number from the input's size
    // (0 and 65 lie outside 1-64) and the first team's own jersey.
    std::vector<int> numbers = {int(size % 66)};
    for (std::size_t i = 0; i < teams.size(); ++i)
    {
        if (teams[i])
        {
            fuzz::Expect(teams[i]->id == int(i));
            fuzz::Expect(teams[i]->homeKit.jerseyIndex < 64 && teams[i]->awayKit.jerseyIndex < 64);
            const std::string_view league = teams[i]->league;
            bool named = league.empty() || league == kRestOfEuropeName;
            for (const char* section : kSectionNames)
            {
                named = named || league == section;
            }
            fuzz::Expect(named);
            if (numbers.size() < 2)
            {
                numbers.push_back(teams[i]->homeKit.jerseyIndex + 1);
            }
        }
    }
    for (int n : numbers)
    {
        std::vector<TeamLine> lines = FillTeamList(teams, n);
        for (std::size_t i = 0; i < lines.size(); ++i)
        {
            fuzz::Expect(lines[i].team >= 0 && std::size_t(lines[i].team) < teams.size() && teams[lines[i].team]);
            fuzz::Expect(KitOf(*teams[lines[i].team], lines[i].strip).jerseyIndex == n - 1);
            // Each comparison builds two sort keys; the first lines show an inconsistent order as well as
            // all of them would, at a fraction of the cost per input.
            if (i > 0 && i < 8)
            {
                // The list box's order: sorted, and the comparison agrees with itself both ways round.
                fuzz::Expect(CompareListText(lines[i - 1].text, lines[i].text) <= 0);
                fuzz::Expect(CompareListText(lines[i].text, lines[i - 1].text) >= 0);
            }
        }
    }
    return 0;
}
