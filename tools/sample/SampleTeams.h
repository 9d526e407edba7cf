#pragma once

// A synthetic team database in the game's two files, FCDB.DBI (records and league sections) and
// FCDB_ENG.DBI (English names): the sample game's clubs, and small or large databases for tests and
// benchmarks.

#include "archive/ByteReader.h"
#include "archive/Result.h"
#include "teams/TeamRecord.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnix::sample
{

struct TeamSpec
{
    int id = 0;                       // bits 0-10 of the record's first word
    std::uint32_t idWordHighBits = 0; // bits 11-31 of that word, which the game uses for other data
    std::string name;                 // Windows-1252 bytes, as the game stores them
    Kit home;
    Kit away;
};

struct SectionSpec
{
    std::vector<std::uint16_t> ids;
    int sizeByte = -1; // the stored size byte L; -1 writes 4 x ids + 2 (at most 255)
};

struct DatabaseSpec
{
    std::vector<TeamSpec> teams;       // in file order
    std::vector<SectionSpec> sections; // section k at index k
    std::uint32_t recordSize = 32;     // bytes beyond the first 20 hold other data of the game
    bool fillIgnoredBits = true;       // set the kit words' unused bits, as the game's data does
    bool nulAfterLastName = true;      // false: the last name runs to the end of FCDB_ENG.DBI
};

// "kit word A" and "kit word B" of a strip (without the unused bits).
std::uint32_t KitWordA(const Kit& kit);
std::uint32_t KitWordB(const Kit& kit);

// FCDB.DBI: the header with the record table offset at 12, the section count at 20 and the section
// offsets from 28; the record table; then the sections.
Bytes BuildTeamDatabase(const DatabaseSpec& spec);

// FCDB_ENG.DBI: the name offsets from 684, relative to 676, and entries of 17 bytes then the name and a NUL.
Bytes BuildTeamNames(const DatabaseSpec& spec);

// Offsets inside the files BuildTeamDatabase and BuildTeamNames write, for tests that damage them.
std::uint64_t RecordTableOffset(const DatabaseSpec& spec);
std::uint64_t SectionOffset(const DatabaseSpec& spec, std::size_t k);

// The sample game's some sixty clubs and national teams.
DatabaseSpec SampleDatabaseSpec();

// `teamCount` teams with ids 0 ... teamCount - 1 in a shuffled file order, spread evenly over
// `sectionCount` sections (each section holds at most 63 ids): for benchmarks.
DatabaseSpec LargeDatabaseSpec(int teamCount, int sectionCount);

// Writes DATA/CMN/FE/FCDB.DBI and DATA/CMN/FE/FCDB_ENG.DBI under `gameFolder`.
Status WriteTeamDatabase(const std::filesystem::path& gameFolder, const DatabaseSpec& spec);

// Writes the sample database under `gameFolder`.
Status WriteSampleTeams(const std::filesystem::path& gameFolder);

} // namespace tarnix::sample
