#include "teams/TeamDatabase.h"

#include "archive/Cp1252.h"
#include "archive/FileIO.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

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

// Where the name entry of record i starts its name, or nothing when its offset lies outside the file.
std::optional<std::uint64_t> NameStart(const ByteReader& names, std::uint64_t i)
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
    return start;
}

// The name starting at `start`, up to its NUL or the end of the file, as UTF-8: the file's own bytes when
// they are plain ASCII, else decoded into `decoded`.
std::string_view ReadName(const ByteReader& names, std::uint64_t start, std::string& decoded)
{
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
    bool ended = false;
    while (end - last >= 8)
    {
        std::uint64_t word;
        std::memcpy(&word, last, 8);
        if constexpr (std::endian::native == std::endian::big)
        {
            word = __builtin_bswap64(word); // the first byte in the lowest bits, as below
        }
        if (const std::uint64_t zeros = (word - kOnes) & ~word & kHighs; zeros != 0)
        {
            // The lowest flagged byte is the first NUL (the trick can flag a byte above a NUL, never below).
            const int before = std::countr_zero(zeros) / 8;
            highs |= before == 0 ? 0 : word & (~std::uint64_t(0) >> (64 - 8 * before));
            last += before;
            ended = true;
            break;
        }
        highs |= word;
        last += 8;
    }
    unsigned char high = (highs & kHighs) != 0 ? 0x80 : 0;
    for (; !ended && last != end && *last != 0; ++last)
    {
        high |= static_cast<unsigned char>(*last);
    }
    const auto length = static_cast<std::size_t>(last - first);
    // Most names are plain ASCII, which reads the same in UTF-8; most of the rest use only the Latin-1
    // letters from 0xA0 on, which become two bytes each.
    if ((high & 0x80) == 0)
    {
        return {first, length};
    }
    decoded.resize(2 * length);
    std::size_t n = 0;
    for (const char* c = first; c != last; ++c)
    {
        const auto b = static_cast<unsigned char>(*c);
        if (b >= 0x80 && b < 0xA0)
        {
            decoded = DecodeCp1252(std::string_view(first, length));
            return decoded;
        }
        if (b < 0x80)
        {
            decoded[n++] = static_cast<char>(b);
        }
        else
        {
            decoded[n++] = static_cast<char>(0xC0 | (b >> 6));
            decoded[n++] = static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    decoded.resize(n);
    return decoded;
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
    // loop for long nor make us allocate: the collection never grows past 2,048 slots. A later record with
    // an id replaces the earlier one, so a first pass finds each id's last record and only those are built
    // (a damaged file can repeat ids thousands of times).
    const std::uint64_t first = std::uint64_t(*table) + 8;
    const std::uint64_t whole =
        fcdb.size() < first ? 0 : std::min<std::uint64_t>(*count, (fcdb.size() - first) / *size);
    // Only called for bytes of records lying inside the file.
    const auto word = [&fcdb](std::uint64_t at) { return LittleEndian32(fcdb.data() + at); };
    std::vector<std::uint64_t> lastRecord(TeamCollection::kSlots, 0);
    std::size_t ids = 0;
    std::size_t slotCount = 0;
    for (std::uint64_t i = 0, offset = first; i < whole; ++i, offset += *size)
    {
        const auto id = static_cast<std::size_t>(DecodeTeamId(word(offset)));
        ids += lastRecord[id] == 0 ? 1 : 0;
        slotCount = std::max(slotCount, id + 1);
        lastRecord[id] = i + 1;
    }
    teams.Reserve(ids, slotCount);
    std::string decoded;
    for (std::uint64_t i = 0, offset = first; i < whole; ++i, offset += *size)
    {
        const int id = DecodeTeamId(word(offset));
        const std::optional<std::uint64_t> nameAt = NameStart(text, i);
        if (lastRecord[static_cast<std::size_t>(id)] == i + 1)
        {
            CTeamRecord& record = teams.Put(id);
            record.homeKit = DecodeKit(word(offset + 4), word(offset + 8));
            record.awayKit = DecodeKit(word(offset + 12), word(offset + 16));
            if (nameAt)
            {
                record.name = teams.KeepName(ReadName(text, *nameAt, decoded));
            }
        }
        // A names file cut short costs the teams it no longer names their names, not the teams themselves.
        if (!nameAt)
        {
            Note(note,
                 "FCDB_ENG.DBI has no name for record " + std::to_string(i) + " of " + std::to_string(*count));
        }
    }
    if (whole < *count)
    {
        const std::uint64_t offset = first + whole * *size;
        Note(note, "FCDB.DBI ends inside record " + std::to_string(whole) + " of " + std::to_string(*count) +
                       " (offset " + At(offset) + ", " + std::to_string(*size) + " bytes each)");
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
                team->league = league;
            }
        }
    }
}

namespace
{

Status ReadBothPasses(const fs::path& gameFolder, TeamCollection& teams, std::string* note, bool leagues)
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
    Status read = ParseTeamRecords(*fcdb, *names, teams, note);
    if (read && leagues)
    {
        ParseLeagueNames(*fcdb, teams, note);
    }
    return read;
}

} // namespace

Status ReadTeamDatabase(const fs::path& gameFolder, TeamCollection& teams, std::string* note)
{
    return ReadBothPasses(gameFolder, teams, note, false);
}

Status LoadTeamDatabase(const fs::path& gameFolder, TeamCollection& teams, std::string* note)
{
    return ReadBothPasses(gameFolder, teams, note, true);
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
