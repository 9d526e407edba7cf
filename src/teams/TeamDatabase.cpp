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

// Puts the name entry of record i, up to its NUL or the end of the file, into `name`; false when its offset
// lies outside the file.
bool ReadName(const ByteReader& names, std::uint64_t i, std::string& name)
{
    auto x = names.U32(kNameOffsetsAt + 4 * i);
    if (!x)
    {
        return false;
    }
    const std::uint64_t start = kNameBlockAt + *x + kNameSkip;
    if (start > names.size())
    {
        return false;
    }
    const char* first = reinterpret_cast<const char*>(names.bytes().data()) + start;
    // The game's names are short; a name that runs on without its NUL is cut, so that a damaged file cannot
    // give thousands of teams a name as long as the file (each read to its end, and each held in memory).
    const char* end = reinterpret_cast<const char*>(names.bytes().data()) +
                      std::min<std::uint64_t>(names.size(), start + kMaxNameRead);
    // One pass finds the end and whether any byte lies outside ASCII, eight bytes at a time while no NUL is
    // among them (the usual bit trick), then byte by byte.
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    const char* last = first;
    std::uint64_t highs = 0;
    while (end - last >= 8)
    {
        std::uint64_t word;
        std::memcpy(&word, last, 8);
        if (((word - kOnes) & ~word & kHighs) != 0)
        {
            break;
        }
        highs |= word;
        last += 8;
    }
    unsigned char high = (highs & kHighs) != 0 ? 0x80 : 0;
    for (; last != end && *last != 0; ++last)
    {
        high |= static_cast<unsigned char>(*last);
    }
    const auto length = static_cast<std::size_t>(last - first);
    // Most names are plain ASCII, which reads the same in UTF-8; most of the rest use only the Latin-1
    // letters from 0xA0 on, which become two bytes each.
    if ((high & 0x80) == 0)
    {
        name.assign(first, length);
        return true;
    }
    name.resize(2 * length);
    std::size_t n = 0;
    for (const char* c = first; c != last; ++c)
    {
        const auto b = static_cast<unsigned char>(*c);
        if (b >= 0x80 && b < 0xA0)
        {
            name = DecodeCp1252(std::string_view(first, length));
            return true;
        }
        if (b < 0x80)
        {
            name[n++] = static_cast<char>(b);
        }
        else
        {
            name[n++] = static_cast<char>(0xC0 | (b >> 6));
            name[n++] = static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    name.resize(n);
    return true;
}

// The whole file at `relative` under the game folder. The path as written is tried first, so that only a
// folder whose letter case differs pays for listing directories.
Result<Bytes> ReadGameFile(const fs::path& gameFolder, const char* relative)
{
    auto exact = ReadWholeFile(gameFolder / relative);
    if (exact)
    {
        return exact;
    }
    return ReadWholeFile(FindCaseInsensitive(gameFolder, relative));
}

} // namespace

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
        // The record lies inside the file (checked above), so its five words are read without further checks.
        const std::uint8_t* bytes = fcdb.data() + offset;
        const auto word = [bytes](int at)
        {
            return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                   std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
        };
        CTeamRecord& record = teams.Put(DecodeTeamId(word(0)));
        record.homeKit = DecodeKit(word(4), word(8));
        record.awayKit = DecodeKit(word(12), word(16));
        // A names file cut short costs the teams it no longer names their names, not the teams themselves.
        if (!ReadName(text, i, record.name))
        {
            Note(note,
                 "FCDB_ENG.DBI has no name for record " + std::to_string(i) + " of " + std::to_string(*count));
        }
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
        if (SectionName(k) == nullptr)
        {
            continue;
        }
        const std::string_view league = SectionName(k);
        // A damaged section names what it holds whole; the sections after it are read all the same.
        auto section = db.U32(kSectionOffsetsAt + 4 * k);
        auto sizeByte = section ? db.U8(std::uint64_t(*section) + kSectionSizeByteAt) : std::nullopt;
        if (!sizeByte)
        {
            Note(note, "FCDB.DBI ends before league section " + std::to_string(k));
            continue;
        }
        const int ids = *sizeByte < 2 ? 0 : (*sizeByte - 2) / 4;
        for (int m = 0; m < ids; ++m)
        {
            auto id = db.U16(std::uint64_t(*section) + kSectionIdsAt + 2 * std::uint64_t(m));
            if (!id)
            {
                Note(note, "FCDB.DBI ends inside league section " + std::to_string(k));
                break;
            }
            if (CTeamRecord* team = teams[*id])
            {
                team->league.assign(league);
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
    auto fcdb = ReadGameFile(gameFolder, kTeamDatabasePath);
    if (!fcdb)
    {
        return Status::Fail("cannot read the team database: " + fcdb.error());
    }
    auto names = ReadGameFile(gameFolder, kTeamNamesPath);
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
    auto fcdb = ReadGameFile(gameFolder, kTeamDatabasePath);
    if (fcdb)
    {
        ParseLeagueNames(*fcdb, teams, note);
    }
}

} // namespace tarnix
