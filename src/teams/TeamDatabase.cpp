#include "teams/TeamDatabase.h"

#include "archive/Cp1252.h"
#include "archive/FileIO.h"

#include <algorithm>
#include <cstring>

namespace tarnix
{

namespace fs = std::filesystem;

namespace
{

void Note(std::string* note, const std::string& text)
{
    if (note != nullptr && note->empty())
    {
        *note = text;
    }
}

std::string At(std::uint64_t offset)
{
    return std::to_string(offset);
}

// The name entry of record i, up to its NUL or the end of the file; nullopt when its offset lies outside
// the file.
std::optional<std::string> ReadName(const ByteReader& names, std::uint64_t i)
{
    auto x = names.U32(kNameOffsetsAt + 4 * i);
    if (!x)
    {
        return std::nullopt;
    }
    const std::uint64_t start = kNameBlockAt + *x + kNameSkip;
    if (start > names.size())
    {
        return std::nullopt;
    }
    ByteView rest = names.Clipped(start, names.size() - start);
    const void* nul = std::memchr(rest.data(), 0, rest.size());
    std::size_t length = nul != nullptr ? static_cast<const std::uint8_t*>(nul) - rest.data() : rest.size();
    return DecodeCp1252(std::string_view(reinterpret_cast<const char*>(rest.data()), length));
}

} // namespace

Kit DecodeKit(std::uint32_t wordA, std::uint32_t wordB)
{
    Kit kit;
    kit.jerseyIndex = static_cast<std::uint8_t>((wordA >> 10) & 0x3F);
    kit.colours = {
        static_cast<std::uint8_t>(wordA & 0x1F),         // jersey 1st
        static_cast<std::uint8_t>((wordA >> 5) & 0x1F),  // jersey 2nd
        static_cast<std::uint8_t>((wordA >> 16) & 0x1F), // jersey 3rd
        static_cast<std::uint8_t>((wordA >> 21) & 0x1F), // shorts 1st
        static_cast<std::uint8_t>(wordB & 0x1F),         // shorts 2nd
        static_cast<std::uint8_t>((wordB >> 5) & 0x1F),  // socks 1st
        static_cast<std::uint8_t>((wordB >> 16) & 0x1F), // socks 2nd
    };
    return kit;
}

Status ParseTeamRecords(ByteView fcdb, ByteView names, TeamCollection& teams, std::string* note)
{
    const ByteReader db(fcdb);
    const ByteReader text(names);
    auto table = db.U16(kRecordTableOffsetAt);
    auto count = table ? db.U32(*table) : std::nullopt;
    auto size = table ? db.U32(std::uint64_t(*table) + 4) : std::nullopt;
    if (!count || !size)
    {
        return Status::Fail("FCDB.DBI is too short to be a team database (" + std::to_string(fcdb.size()) +
                            " bytes)");
    }
    if (*size < kTeamRecordMinSize)
    {
        return Status::Fail("FCDB.DBI is not a team database: its records are " + std::to_string(*size) +
                            " bytes long, fewer than the " + std::to_string(kTeamRecordMinSize) +
                            " every record holds");
    }

    // Every step moves forward through the file and stops at its end, so a huge stored count can neither
    // loop for long nor make us allocate: the collection never grows past 2,048 slots.
    std::uint64_t offset = std::uint64_t(*table) + 8;
    for (std::uint64_t i = 0; i < *count; ++i, offset += *size)
    {
        if (!db.Has(offset, *size))
        {
            Note(note, "FCDB.DBI ends inside record " + std::to_string(i) + " of " + std::to_string(*count) +
                           " (offset " + At(offset) + ", " + std::to_string(*size) + " bytes each)");
            break;
        }
        std::optional<std::string> name = ReadName(text, i);
        if (!name)
        {
            Note(note,
                 "FCDB_ENG.DBI has no name for record " + std::to_string(i) + " of " + std::to_string(*count));
            break;
        }
        auto record = std::make_unique<CTeamRecord>();
        record->id = DecodeTeamId(*db.U32(offset));
        record->homeKit = DecodeKit(*db.U32(offset + 4), *db.U32(offset + 8));
        record->awayKit = DecodeKit(*db.U32(offset + 12), *db.U32(offset + 16));
        record->name = std::move(*name);
        const std::size_t slot = static_cast<std::size_t>(record->id);
        if (teams.size() <= slot)
        {
            teams.resize(slot + 1);
        }
        teams[slot] = std::move(record);
    }
    return {};
}

void ParseLeagueNames(ByteView fcdb, TeamCollection& teams, std::string* note)
{
    const ByteReader db(fcdb);
    auto count = db.U32(kSectionCountAt);
    if (!count)
    {
        Note(note, "FCDB.DBI is too short to hold its league sections");
        return;
    }
    // Sections from 53 on are never named, so the loop ends there whatever the stored count says.
    const std::uint64_t last = std::min<std::uint64_t>(*count, kLastNamedSection + 1);
    for (std::uint64_t k = 0; k < last; ++k)
    {
        const char* league = SectionName(k);
        if (league == nullptr)
        {
            continue;
        }
        auto section = db.U32(kSectionOffsetsAt + 4 * k);
        auto sizeByte = section ? db.U8(std::uint64_t(*section) + kSectionSizeByteAt) : std::nullopt;
        if (!sizeByte)
        {
            Note(note, "FCDB.DBI ends before league section " + std::to_string(k));
            return;
        }
        const int ids = *sizeByte < 2 ? 0 : (*sizeByte - 2) / 4;
        for (int m = 0; m < ids; ++m)
        {
            auto id = db.U16(std::uint64_t(*section) + kSectionIdsAt + 2 * std::uint64_t(m));
            if (!id)
            {
                Note(note, "FCDB.DBI ends inside league section " + std::to_string(k));
                return;
            }
            if (*id < teams.size() && teams[*id])
            {
                teams[*id]->league = league;
            }
        }
    }
}

Status ReadTeamDatabase(const fs::path& gameFolder, TeamCollection& teams, std::string* note)
{
    if (gameFolder.empty())
    {
        return Status::Fail("no game folder is set");
    }
    auto fcdb = ReadWholeFile(FindCaseInsensitive(gameFolder, kTeamDatabasePath));
    if (!fcdb)
    {
        return Status::Fail("cannot read the team database: " + fcdb.error());
    }
    auto names = ReadWholeFile(FindCaseInsensitive(gameFolder, kTeamNamesPath));
    if (!names)
    {
        return Status::Fail("cannot read the team names: " + names.error());
    }
    return ParseTeamRecords(*fcdb, *names, teams, note);
}

void ReadLeagueNames(const fs::path& gameFolder, TeamCollection& teams, std::string* note)
{
    if (gameFolder.empty())
    {
        return;
    }
    auto fcdb = ReadWholeFile(FindCaseInsensitive(gameFolder, kTeamDatabasePath));
    if (fcdb)
    {
        ParseLeagueNames(*fcdb, teams, note);
    }
}

} // namespace tarnix
