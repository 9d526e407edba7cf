#pragma once

// Reading the game's team database: DATA/CMN/FE/FCDB.DBI (records, league sections) and FCDB_ENG.DBI
// (English names), both found under the game folder whatever their letter case.
//
// A damaged file never makes the reader look outside its bytes, and costs only what it no longer holds: a
// record cut off at the end of FCDB.DBI ends the records, a team whose name lies outside FCDB_ENG.DBI keeps
// an empty name, a league section outside the file names no team while later sections still do. `note`
// (when given) says where the first damage was. A record size below 20 bytes means the file is not a team
// database at all.

#include "archive/ByteReader.h"
#include "archive/Result.h"
#include "teams/TeamRecord.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix
{

// Where the two files live under the game folder (looked up whatever their letter case).
inline constexpr const char* kTeamDatabasePath = "DATA/CMN/FE/FCDB.DBI";
inline constexpr const char* kTeamNamesPath = "DATA/CMN/FE/FCDB_ENG.DBI";

// FCDB.DBI header and record table.
inline constexpr std::uint64_t kRecordTableOffsetAt = 12; // u16 T
inline constexpr std::uint64_t kSectionCountAt = 20;      // u32 N
inline constexpr std::uint64_t kSectionOffsetsAt = 28;    // N x u32
inline constexpr std::uint32_t kTeamRecordMinSize = 20;   // the interpreted part of a record
inline constexpr std::uint64_t kSectionSizeByteAt = 23;   // from the section's offset: u8 L
inline constexpr std::uint64_t kSectionIdsAt = 24;        // M = (L - 2) / 4 u16 team ids
inline constexpr int kMaxTeamId = 2047;                   // eleven bits

// FCDB_ENG.DBI name block.
inline constexpr std::uint64_t kNameBlockAt = 676;
inline constexpr std::uint64_t kNameOffsetsAt = 684; // u32 X per record, relative to the block
inline constexpr std::uint64_t kNameSkip = 17;       // bytes of a name entry before the name
inline constexpr std::uint64_t kMaxNameRead = 256;   // bytes of a name read at most, when its NUL is missing

// The named league sections: 0-12 and 52; every other section is skipped.
inline constexpr int kLastNamedSection = 52;
inline constexpr std::array<const char*, 13> kSectionNames = {
    "ENGLAND",       "ITALY",   "BRAZIL",   "FRANCE", "SPAIN",   "NETHERLANDS", "USA",
    "INTERNATIONAL", "GERMANY", "SCOTLAND", "SWEDEN", "BELGIUM", "PORTUGAL",
};
inline constexpr const char* kRestOfEuropeName = "REST OF EUROPE";

// The name of section k, or nullptr for an unnamed one.
constexpr const char* SectionName(std::uint64_t k)
{
    if (k < kSectionNames.size())
    {
        return kSectionNames[k];
    }
    return k == kLastNamedSection ? kRestOfEuropeName : nullptr;
}

// A record's first word: bits 0-10 are the id, the rest is other data of the game.
inline int DecodeTeamId(std::uint32_t word)
{
    return static_cast<int>(word & 0x7FF);
}

// A strip from its two kit words. Word A: colours jersey 1st (bits 0-4) and 2nd (5-9), the jersey index
// (10-15), jersey 3rd (16-20), shorts 1st (21-25). Word B: shorts 2nd (0-4), socks 1st (5-9), socks 2nd
// (16-20). The other bits are not ours.
inline Kit DecodeKit(std::uint32_t wordA, std::uint32_t wordB)
{
    Kit kit;
    kit.jerseyIndex = static_cast<std::uint8_t>((wordA >> 10) & 0x3F);
    kit.colours = {
        static_cast<std::uint8_t>(wordA & 0x1F),         static_cast<std::uint8_t>((wordA >> 5) & 0x1F),
        static_cast<std::uint8_t>((wordA >> 16) & 0x1F), static_cast<std::uint8_t>((wordA >> 21) & 0x1F),
        static_cast<std::uint8_t>(wordB & 0x1F),         static_cast<std::uint8_t>((wordB >> 5) & 0x1F),
        static_cast<std::uint8_t>((wordB >> 16) & 0x1F),
    };
    return kit;
}

// Pass 1: the records and their names. Fails (loading nothing) when either file cannot be read or the
// record size says it is not a team database; a damaged file gives what it holds whole (see above).
// Records land in `teams` at their id; a later record with the same id replaces the earlier one.
Status ReadTeamDatabase(const std::filesystem::path& gameFolder, TeamCollection& teams,
                        std::string* note = nullptr);

// Pass 2: the league names of the named sections, the highest-numbered section winning. Changes nothing
// when FCDB.DBI cannot be read.
void ReadLeagueNames(const std::filesystem::path& gameFolder, TeamCollection& teams, std::string* note = nullptr);

// Both passes, reading each of the two files once: what start-up and the command line do. Fails as pass 1
// does; pass 2 then changes nothing.
Status LoadTeamDatabase(const std::filesystem::path& gameFolder, TeamCollection& teams,
                        std::string* note = nullptr);

// The same two passes on bytes already in memory.
Status ParseTeamRecords(ByteView fcdb, ByteView names, TeamCollection& teams, std::string* note = nullptr);
void ParseLeagueNames(ByteView fcdb, TeamCollection& teams, std::string* note = nullptr);

// The lines of the teams whose home or away strip uses jersey number n (jerseyIndex n - 1), sorted as the
// page-one list shows them (see CompareListText). Empty for n = 0 and for n above 64.
std::vector<TeamLine> FillTeamList(const TeamCollection& teams, int n);

// The order of a sorted list box: negative, zero or positive as `a` sorts before, with or after `b`.
// Letters compare without regard to case or accents first (so "Atlético" sits between "Atletico" and
// "Atlfc"), hyphens and apostrophes are passed over, other symbols and spaces sort before digits and
// digits before letters; ties are settled by accents, then lower before upper case, then the bytes.
int CompareListText(std::string_view a, std::string_view b);

} // namespace tarnix
