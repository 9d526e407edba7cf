#pragma once

// The game's clubs and national teams as read from its team database.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarnix
{

struct Kit
{
    std::uint8_t jerseyIndex = 0;          // 0-63: the jersey file PK0<jerseyIndex + 1>
    std::array<std::uint8_t, 7> colours{}; // jersey 1st, 2nd, 3rd, shorts 1st, 2nd, socks 1st, 2nd (0-31)
};

class CTeamRecord
{
  public:
    virtual ~CTeamRecord() = default;

    int id = 0;
    Kit homeKit;
    Kit awayKit;
    std::string name;           // UTF-8, decoded from the game's Windows-1252
    std::string league;         // empty when no named section lists the team
    std::string homeJerseyFile; // assigned in memory by the assignment dialog; never saved
    std::string awayJerseyFile;
};

// Indexed by team id; a slot without a team is null. Owns its records.
using TeamCollection = std::vector<std::unique_ptr<CTeamRecord>>;

enum class Strip
{
    Home,
    Away,
};

// "home" or "away": for messages and the command line's JSON.
inline const char* StripName(Strip strip)
{
    return strip == Strip::Home ? "home" : "away";
}

inline const Kit& KitOf(const CTeamRecord& team, Strip strip)
{
    return strip == Strip::Home ? team.homeKit : team.awayKit;
}

// One line of the page-one list: "NAME - Home" or "NAME - Away". The strip travels with the line, so a
// team whose name holds "Home" still previews the strip the line stands for.
struct TeamLine
{
    std::string text;
    int team = 0;
    Strip strip = Strip::Home;
};

} // namespace tarnix
