#pragma once

// Reading the game's team database: DATA/CMN/FE/FCDB.DBI (records, league sections) and FCDB_ENG.DBI
// (English names), both found under the game folder whatever their letter case.

#include "archive/ByteReader.h"
#include "archive/Result.h"
#include "teams/TeamRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarnix
{

// Pass 1: the records and their names. Fails (loading nothing) when either file cannot be read; a damaged
// file ends the reading with what was loaded so far.
Status ReadTeamDatabase(const std::filesystem::path& gameFolder, TeamCollection& teams);

// Pass 2: the league names of the named sections, the highest-numbered section winning.
void ReadLeagueNames(const std::filesystem::path& gameFolder, TeamCollection& teams);

// The same two passes on bytes already in memory.
void ParseTeamRecords(ByteView fcdb, ByteView names, TeamCollection& teams);
void ParseLeagueNames(ByteView fcdb, TeamCollection& teams);

// The lines of the teams whose home or away strip uses jersey number n (jerseyIndex n - 1), sorted as the
// page-one list shows them (case-insensitively). Empty for n = 0.
std::vector<TeamLine> FillTeamList(const TeamCollection& teams, int n);

} // namespace tarnix
