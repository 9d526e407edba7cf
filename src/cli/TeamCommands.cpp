// teams: the game's team database, or the teams that wear one jersey, from the command line.

#include "cli/TeamCommands.h"

#include "archive/FileIO.h"
#include "teams/TeamDatabase.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace tarnix::cli
{

namespace
{

nlohmann::ordered_json KitJson(const Kit& kit)
{
    return {{"jerseyIndex", kit.jerseyIndex},
            {"colours", std::vector<int>(kit.colours.begin(), kit.colours.end())}};
}

// A jersey number as written after "PK0": decimal digits only. Numbers above 64 are accepted and simply
// match no team, as the page-one list does.
std::optional<int> ParseJerseyNumber(const std::string& text)
{
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    {
        return std::nullopt;
    }
    return std::stoi(text);
}

} // namespace

int RunTeams(const CliArgs& args, std::ostream& out, std::ostream& err)
{
    std::optional<int> jersey;
    if (auto it = args.options.find("--jersey"); it != args.options.end())
    {
        jersey = ParseJerseyNumber(it->second);
        if (!jersey)
        {
            return UsageError(err, "--jersey needs a jersey number such as 12, not '" + it->second + "'");
        }
    }

    const std::filesystem::path gameFolder = PathFromText(args.positional[0]);
    TeamCollection teams;
    std::string note;
    Status read = LoadTeamDatabase(gameFolder, teams, &note);
    if (!read)
    {
        return Fail(err, read.error());
    }
    if (!note.empty())
    {
        // A damaged database still gives what could be read, as the editor's start-up does.
        err << "tarnix-cli: warning: " << note << "\n";
    }

    nlohmann::ordered_json json;
    if (jersey)
    {
        nlohmann::ordered_json lines = nlohmann::ordered_json::array();
        for (const TeamLine& line : FillTeamList(teams, *jersey))
        {
            lines.push_back({{"text", line.text}, {"team", line.team}, {"strip", StripName(line.strip)}});
        }
        json = {{"lines", lines}};
    }
    else
    {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& team : teams)
        {
            if (team)
            {
                list.push_back({{"id", team->id},
                                {"name", std::string(team->name)},
                                {"league", std::string(team->league)},
                                {"home", KitJson(team->homeKit)},
                                {"away", KitJson(team->awayKit)}});
            }
        }
        json = {{"teams", list}};
    }
    out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    return kExitOk;
}

} // namespace tarnix::cli
