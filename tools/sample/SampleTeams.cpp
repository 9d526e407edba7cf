#include "sample/SampleTeams.h"

#include "archive/Cp1252.h"
#include "archive/FileIO.h"
#include "teams/TeamDatabase.h"

#include <algorithm>

namespace tarnix::sample
{

namespace fs = std::filesystem;

namespace
{

// Bits of the kit words that the game uses for other data; the sample sets them so that a reader that
// forgets to mask them is caught.
constexpr std::uint32_t kUnusedBitsA = 0xFC000000u;
constexpr std::uint32_t kUnusedBitsB = 0xFFE0FC00u;

std::uint64_t Align4(std::uint64_t v)
{
    return (v + 3) & ~std::uint64_t(3);
}

std::uint64_t SectionBytes(const SectionSpec& section)
{
    return kSectionIdsAt + 2 * section.ids.size();
}

std::uint8_t SizeByte(const SectionSpec& section)
{
    if (section.sizeByte >= 0)
    {
        return static_cast<std::uint8_t>(section.sizeByte);
    }
    return static_cast<std::uint8_t>(std::min<std::size_t>(4 * section.ids.size() + 2, 255));
}

Kit MakeKit(int jerseyIndex, std::array<std::uint8_t, 7> colours)
{
    Kit kit;
    kit.jerseyIndex = static_cast<std::uint8_t>(jerseyIndex);
    kit.colours = colours;
    return kit;
}

struct SampleTeam
{
    int section;
    int id;
    const char* name; // UTF-8
    Kit home;
    Kit away;
};

// Jersey indices of the sample jerseys PK001-PK005 and PK012, and three the sample does not ship.
constexpr int kStripes = 0, kHoops = 1, kSash = 2, kHalves = 3, kPinstripes = 4, kChestBand = 11;

// Kit colours: 2 red, 4 orange, 6 yellow, 7 gold, 10 green, 12 light blue, 13 blue, 15 navy, 16/17 purples,
// 19 white, 22 black; 24-31 are the game's extra shades (claret, maroon, teal...), beyond the 24 named ones.
std::vector<SampleTeam> SampleTeams()
{
    return {
        {0, 1, "Arsenal", MakeKit(kChestBand, {2, 19, 19, 19, 2, 2, 19}),
         MakeKit(kHalves, {6, 15, 15, 15, 6, 15, 6})},
        {0, 3, "Chelsea", MakeKit(kChestBand, {13, 19, 19, 13, 19, 19, 13}),
         MakeKit(kHoops, {6, 13, 13, 13, 6, 6, 13})},
        {0, 5, "Leeds United", MakeKit(kChestBand, {19, 13, 6, 19, 13, 19, 13}),
         MakeKit(kHoops, {13, 6, 6, 13, 6, 13, 6})},
        {0, 6, "Liverpool", MakeKit(kChestBand, {2, 19, 19, 2, 19, 2, 19}),
         MakeKit(kStripes, {19, 2, 15, 22, 19, 19, 22})},
        {0, 7, "Manchester United", MakeKit(kChestBand, {2, 19, 22, 19, 2, 22, 19}),
         MakeKit(kChestBand, {22, 19, 2, 22, 19, 22, 19})},
        {0, 9, "Newcastle United", MakeKit(kStripes, {22, 19, 19, 22, 19, 22, 19}),
         MakeKit(kSash, {15, 13, 19, 15, 13, 15, 13})},
        {0, 10, "Tottenham Hotspur", MakeKit(kHalves, {19, 15, 15, 15, 19, 15, 19}),
         MakeKit(kPinstripes, {15, 19, 19, 19, 15, 15, 19})},
        {0, 11, "West Ham United", MakeKit(kHalves, {26, 12, 12, 19, 26, 19, 26}),
         MakeKit(kStripes, {19, 26, 12, 19, 26, 19, 26})},
        {1, 101, "AC Milan", MakeKit(kStripes, {2, 22, 22, 19, 22, 22, 2}),
         MakeKit(kChestBand, {19, 2, 22, 19, 2, 19, 2})},
        {1, 102, "Inter", MakeKit(kStripes, {13, 22, 22, 22, 13, 22, 13}),
         MakeKit(kPinstripes, {19, 13, 22, 19, 13, 19, 13})},
        {1, 103, "Juventus", MakeKit(kStripes, {22, 19, 19, 19, 22, 19, 22}),
         MakeKit(kHoops, {13, 6, 6, 13, 6, 13, 6})},
        {1, 104, "Lazio", MakeKit(kChestBand, {12, 19, 19, 19, 12, 19, 12}),
         MakeKit(kSash, {6, 12, 12, 12, 6, 12, 6})},
        {1, 105, "Parma", MakeKit(kHalves, {6, 13, 13, 13, 6, 6, 13}),
         MakeKit(kChestBand, {19, 6, 13, 19, 6, 19, 6})},
        {1, 106, "AS Roma", MakeKit(kPinstripes, {27, 7, 7, 19, 27, 27, 7}),
         MakeKit(kSash, {19, 27, 7, 19, 27, 19, 27})},
        {2, 201, "Flamengo", MakeKit(kHoops, {2, 22, 22, 19, 22, 19, 22}),
         MakeKit(kSash, {19, 2, 22, 19, 2, 19, 2})},
        {2, 202, "Corinthians", MakeKit(kChestBand, {19, 22, 22, 22, 19, 19, 22}),
         MakeKit(kStripes, {22, 19, 19, 22, 19, 22, 19})},
        {2, 204, "São Paulo", MakeKit(kSash, {19, 2, 22, 19, 2, 19, 2}),
         MakeKit(kStripes, {2, 22, 19, 2, 22, 2, 22})},
        {2, 205, "Grêmio", MakeKit(kStripes, {12, 22, 19, 22, 12, 19, 12}),
         MakeKit(kPinstripes, {19, 12, 22, 19, 12, 19, 12})},
        {3, 301, "Paris Saint-Germain", MakeKit(kChestBand, {15, 2, 19, 15, 2, 15, 2}),
         MakeKit(kSash, {19, 15, 2, 19, 15, 19, 15})},
        {3, 302, "Olympique de Marseille", MakeKit(kChestBand, {19, 12, 12, 19, 12, 19, 12}),
         MakeKit(kPinstripes, {12, 19, 19, 12, 19, 12, 19})},
        {3, 303, "AS Monaco", MakeKit(kSash, {2, 19, 19, 19, 2, 2, 19}),
         MakeKit(kHalves, {19, 2, 2, 2, 19, 19, 2})},
        {3, 304, "FC Nantes", MakeKit(kHoops, {6, 10, 10, 6, 10, 6, 10}),
         MakeKit(kChestBand, {10, 6, 6, 10, 6, 10, 6})},
        {4, 401, "FC Barcelona", MakeKit(kStripes, {13, 2, 6, 13, 2, 13, 2}),
         MakeKit(kChestBand, {6, 13, 2, 13, 6, 6, 13})},
        {4, 402, "Real Madrid", MakeKit(kChestBand, {19, 16, 16, 19, 16, 19, 16}),
         MakeKit(kPinstripes, {17, 19, 19, 17, 19, 17, 19})},
        {4, 403, "Atlético Madrid", MakeKit(kStripes, {2, 19, 13, 13, 2, 2, 13}),
         MakeKit(kHoops, {13, 2, 19, 13, 2, 13, 2})},
        {4, 404, "Valencia", MakeKit(kChestBand, {19, 22, 4, 22, 19, 22, 19}),
         MakeKit(kStripes, {4, 22, 22, 22, 4, 22, 4})},
        {4, 405, "Deportivo La Coruña", MakeKit(kStripes, {13, 19, 19, 13, 19, 13, 19}),
         MakeKit(kHalves, {22, 6, 6, 22, 6, 22, 6})},
        {5, 501, "Ajax", MakeKit(kChestBand, {19, 2, 2, 19, 2, 19, 2}),
         MakeKit(kPinstripes, {15, 19, 19, 15, 19, 15, 19})},
        {5, 502, "PSV", MakeKit(kStripes, {2, 19, 19, 22, 19, 2, 19}), MakeKit(kSash, {19, 2, 2, 22, 2, 19, 2})},
        {5, 503, "Feyenoord", MakeKit(kHalves, {2, 19, 19, 22, 19, 22, 19}),
         MakeKit(kPinstripes, {19, 2, 22, 19, 2, 19, 2})},
        {6, 601, "D.C. United", MakeKit(kSash, {22, 2, 19, 22, 19, 22, 2}),
         MakeKit(kChestBand, {19, 22, 2, 19, 22, 19, 22})},
        {6, 602, "LA Galaxy", MakeKit(kChestBand, {30, 6, 19, 30, 6, 30, 6}),
         MakeKit(kHoops, {19, 30, 6, 19, 30, 19, 30})},
        {6, 603, "Columbus Crew", MakeKit(kHoops, {6, 22, 22, 22, 6, 6, 22}),
         MakeKit(kStripes, {22, 6, 6, 22, 6, 22, 6})},
        {8, 801, "Bayern München", MakeKit(kChestBand, {2, 19, 13, 2, 19, 2, 19}),
         MakeKit(kHoops, {19, 2, 13, 19, 2, 19, 2})},
        {8, 802, "Borussia Dortmund", MakeKit(kSash, {6, 22, 22, 22, 6, 6, 22}),
         MakeKit(kPinstripes, {22, 6, 6, 22, 6, 22, 6})},
        {8, 803, "1. FC Kaiserslautern", MakeKit(kHalves, {2, 19, 19, 19, 2, 2, 19}),
         MakeKit(kStripes, {19, 2, 2, 2, 19, 19, 2})},
        {8, 804, "Bayer 04 Leverkusen", MakeKit(kChestBand, {2, 22, 19, 22, 2, 2, 22}),
         MakeKit(kSash, {19, 2, 22, 19, 2, 19, 2})},
        {8, 805, "FC Schalke 04", MakeKit(kHoops, {13, 19, 19, 19, 13, 13, 19}),
         MakeKit(20, {19, 13, 13, 13, 19, 19, 13})},
        {8, 806, "1. FC Köln", MakeKit(kChestBand, {19, 2, 2, 19, 2, 19, 2}),
         MakeKit(kHalves, {2, 19, 19, 2, 19, 2, 19})},
        {8, 807, "VfB Stuttgart", MakeKit(kPinstripes, {19, 2, 2, 19, 2, 19, 2}),
         MakeKit(37, {2, 6, 6, 2, 6, 2, 6})},
        {9, 901, "Celtic", MakeKit(kHoops, {10, 19, 19, 19, 10, 19, 10}),
         MakeKit(kHoops, {6, 10, 10, 10, 6, 6, 10})},
        {9, 902, "Rangers", MakeKit(kChestBand, {13, 19, 2, 19, 13, 22, 2}),
         MakeKit(kStripes, {19, 13, 2, 13, 19, 19, 13})},
        {9, 903, "Aberdeen", MakeKit(kHalves, {2, 19, 19, 2, 19, 2, 19}),
         MakeKit(kSash, {19, 2, 2, 19, 2, 19, 2})},
        {9, 904, "Heart of Midlothian", MakeKit(kPinstripes, {28, 19, 19, 19, 28, 28, 19}),
         MakeKit(kStripes, {19, 28, 28, 28, 19, 19, 28})},
        {10, 1001, "IFK Göteborg", MakeKit(kStripes, {13, 19, 19, 13, 19, 13, 19}),
         MakeKit(kChestBand, {19, 13, 13, 13, 19, 19, 13})},
        {10, 1002, "Malmö FF", MakeKit(kChestBand, {12, 19, 19, 19, 12, 12, 19}),
         MakeKit(kHalves, {19, 12, 12, 12, 19, 19, 12})},
        {11, 1101, "RSC Anderlecht", MakeKit(kPinstripes, {17, 19, 19, 19, 17, 17, 19}),
         MakeKit(kChestBand, {19, 17, 17, 17, 19, 19, 17})},
        {11, 1103, "Standard Liège", MakeKit(kChestBand, {2, 19, 19, 19, 2, 2, 19}),
         MakeKit(kSash, {19, 2, 2, 2, 19, 19, 2})},
        {12, 1201, "FC Porto", MakeKit(kStripes, {13, 19, 19, 19, 13, 13, 19}),
         MakeKit(kHalves, {19, 13, 13, 13, 19, 19, 13})},
        {12, 1202, "Benfica", MakeKit(kChestBand, {2, 19, 19, 19, 2, 2, 19}),
         MakeKit(kSash, {19, 2, 2, 2, 19, 19, 2})},
        {52, 1301, "Galatasaray", MakeKit(kHalves, {2, 6, 6, 19, 2, 2, 6}),
         MakeKit(kChestBand, {6, 2, 2, 19, 2, 6, 2})},
        {52, 1302, "Olympiacos", MakeKit(kStripes, {2, 19, 19, 22, 19, 2, 19}),
         MakeKit(kSash, {19, 2, 2, 19, 2, 19, 2})},
        {52, 1303, "Dynamo Kyiv", MakeKit(kChestBand, {19, 13, 13, 19, 13, 19, 13}),
         MakeKit(kPinstripes, {13, 19, 19, 13, 19, 13, 19})},
        {52, 1304, "Rosenborg", MakeKit(kChestBand, {19, 22, 22, 22, 19, 19, 22}),
         MakeKit(kStripes, {22, 19, 19, 19, 22, 22, 19})},
        {52, 1305, "Home Farm", MakeKit(kSash, {13, 19, 19, 19, 13, 13, 19}),
         MakeKit(kHalves, {19, 13, 13, 13, 19, 19, 13})},
        {52, 1306, "Sparta Praha", MakeKit(kHoops, {29, 19, 19, 19, 29, 29, 19}),
         MakeKit(kChestBand, {19, 29, 29, 29, 19, 19, 29})},
        {52, 1307, "Ferencváros", MakeKit(kStripes, {10, 19, 19, 19, 10, 10, 19}),
         MakeKit(63, {19, 10, 10, 10, 19, 19, 10})},
        // Sections 13-51 have no name: their teams keep an empty league.
        {13, 1501, "Wrexham", MakeKit(kPinstripes, {2, 19, 19, 19, 2, 2, 19}),
         MakeKit(kStripes, {19, 2, 22, 22, 19, 22, 19})},
        {13, 1502, "Cardiff City", MakeKit(kSash, {12, 19, 19, 19, 12, 12, 19}),
         MakeKit(kHoops, {6, 12, 12, 12, 6, 6, 12})},
        {30, 1601, "World XI", MakeKit(kChestBand, {24, 25, 31, 24, 25, 24, 25}),
         MakeKit(kStripes, {25, 24, 31, 25, 24, 25, 24})},
        {51, 1602, "Europe XI", MakeKit(kHalves, {15, 7, 7, 15, 7, 15, 7}),
         MakeKit(kPinstripes, {7, 15, 15, 7, 15, 7, 15})},
        // The national teams come last in the file, so file order is not id order.
        {7, 701, "England", MakeKit(kChestBand, {19, 15, 2, 15, 19, 19, 15}),
         MakeKit(kPinstripes, {2, 19, 15, 19, 2, 2, 19})},
        {7, 702, "Brazil", MakeKit(kChestBand, {6, 10, 13, 13, 19, 19, 6}),
         MakeKit(kSash, {13, 6, 19, 19, 13, 13, 19})},
        {7, 703, "France", MakeKit(kChestBand, {13, 19, 2, 19, 13, 2, 19}),
         MakeKit(kHalves, {19, 13, 2, 13, 19, 13, 2})},
        {7, 704, "Germany", MakeKit(kChestBand, {19, 22, 2, 22, 19, 19, 22}),
         MakeKit(kStripes, {10, 19, 19, 19, 10, 10, 19})},
        {7, 705, "Italy", MakeKit(kChestBand, {12, 19, 19, 19, 12, 12, 19}),
         MakeKit(kHoops, {19, 12, 12, 12, 19, 19, 12})},
        {7, 706, "Spain", MakeKit(kChestBand, {2, 6, 6, 13, 2, 22, 2}),
         MakeKit(kPinstripes, {19, 2, 6, 13, 2, 13, 2})},
        {7, 707, "Netherlands", MakeKit(kChestBand, {4, 19, 19, 19, 4, 4, 19}),
         MakeKit(kStripes, {19, 4, 4, 4, 19, 19, 4})},
        {7, 708, "Nigeria", MakeKit(kHoops, {10, 19, 19, 19, 10, 10, 19}),
         MakeKit(7, {19, 10, 10, 10, 19, 19, 10})},
    };
}

} // namespace

std::uint32_t KitWordA(const Kit& kit)
{
    const auto& c = kit.colours;
    return (c[0] & 0x1Fu) | ((c[1] & 0x1Fu) << 5) | ((kit.jerseyIndex & 0x3Fu) << 10) | ((c[2] & 0x1Fu) << 16) |
           ((c[3] & 0x1Fu) << 21);
}

std::uint32_t KitWordB(const Kit& kit)
{
    const auto& c = kit.colours;
    return (c[4] & 0x1Fu) | ((c[5] & 0x1Fu) << 5) | ((c[6] & 0x1Fu) << 16);
}

std::uint64_t RecordTableOffset(const DatabaseSpec& spec)
{
    return Align4(kSectionOffsetsAt + 4 * spec.sections.size());
}

std::uint64_t SectionOffset(const DatabaseSpec& spec, std::size_t k)
{
    std::uint64_t offset = RecordTableOffset(spec) + 8 + std::uint64_t(spec.teams.size()) * spec.recordSize;
    for (std::size_t i = 0; i < k && i < spec.sections.size(); ++i)
    {
        offset += Align4(SectionBytes(spec.sections[i]));
    }
    return offset;
}

Bytes BuildTeamDatabase(const DatabaseSpec& spec)
{
    const std::uint64_t table = RecordTableOffset(spec);
    Bytes out(table, 0);
    const char magic[] = "FCDB";
    std::copy(magic, magic + 4, out.begin());
    PutU16(out, kRecordTableOffsetAt, static_cast<std::uint16_t>(table));
    PutU32(out, kSectionCountAt, static_cast<std::uint32_t>(spec.sections.size()));
    for (std::size_t k = 0; k < spec.sections.size(); ++k)
    {
        PutU32(out, kSectionOffsetsAt + 4 * k, static_cast<std::uint32_t>(SectionOffset(spec, k)));
    }

    AppendU32(out, static_cast<std::uint32_t>(spec.teams.size()));
    AppendU32(out, spec.recordSize);
    for (std::size_t i = 0; i < spec.teams.size(); ++i)
    {
        const TeamSpec& team = spec.teams[i];
        Bytes record(std::max<std::uint32_t>(spec.recordSize, 20), 0);
        const std::uint32_t a = spec.fillIgnoredBits ? kUnusedBitsA : 0;
        const std::uint32_t b = spec.fillIgnoredBits ? kUnusedBitsB : 0;
        PutU32(record, 0, (static_cast<std::uint32_t>(team.id) & 0x7FF) | (team.idWordHighBits << 11));
        PutU32(record, 4, KitWordA(team.home) | a);
        PutU32(record, 8, KitWordB(team.home) | b);
        PutU32(record, 12, KitWordA(team.away) | a);
        PutU32(record, 16, KitWordB(team.away) | b);
        // The rest of a record holds the game's other team data; any bytes do.
        for (std::size_t k = 20; k < record.size(); ++k)
        {
            record[k] = static_cast<std::uint8_t>(i * 7 + k * 13);
        }
        out.insert(out.end(), record.begin(), record.begin() + spec.recordSize);
    }

    for (std::size_t k = 0; k < spec.sections.size(); ++k)
    {
        const SectionSpec& section = spec.sections[k];
        Bytes bytes(Align4(SectionBytes(section)), 0);
        PutU32(bytes, 0, static_cast<std::uint32_t>(k));
        if (const char* name = SectionName(k))
        {
            std::string text(name);
            std::copy(text.begin(), text.begin() + std::min<std::size_t>(text.size(), 18), bytes.begin() + 4);
        }
        bytes[kSectionSizeByteAt] = SizeByte(section);
        for (std::size_t m = 0; m < section.ids.size(); ++m)
        {
            PutU16(bytes, kSectionIdsAt + 2 * m, section.ids[m]);
        }
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

Bytes BuildTeamNames(const DatabaseSpec& spec)
{
    Bytes out(kNameOffsetsAt + 4 * spec.teams.size(), 0);
    const char magic[] = "FCDB_ENG";
    std::copy(magic, magic + 8, out.begin());
    PutU32(out, kNameBlockAt, static_cast<std::uint32_t>(spec.teams.size()));
    for (std::size_t i = 0; i < spec.teams.size(); ++i)
    {
        PutU32(out, kNameOffsetsAt + 4 * i, static_cast<std::uint32_t>(out.size() - kNameBlockAt));
        // The 17 bytes before a name: the game's short name and flags; the sample writes an abbreviation.
        Bytes head(kNameSkip, 0);
        const std::string& name = spec.teams[i].name;
        std::copy(name.begin(), name.begin() + std::min<std::size_t>(name.size(), 3), head.begin());
        head[16] = static_cast<std::uint8_t>(name.size());
        out.insert(out.end(), head.begin(), head.end());
        out.insert(out.end(), name.begin(), name.end());
        if (spec.nulAfterLastName || i + 1 < spec.teams.size())
        {
            out.push_back(0);
        }
    }
    return out;
}

DatabaseSpec SampleDatabaseSpec()
{
    DatabaseSpec spec;
    spec.recordSize = 32;
    spec.sections.resize(kLastNamedSection + 1);
    for (const SampleTeam& t : SampleTeams())
    {
        TeamSpec team;
        team.id = t.id;
        team.idWordHighBits = static_cast<std::uint32_t>(t.id * 37) & 0x1FFFFF;
        team.name = EncodeCp1252(t.name).value_or(t.name);
        team.home = t.home;
        team.away = t.away;
        spec.teams.push_back(team);
        spec.sections[t.section].ids.push_back(static_cast<std::uint16_t>(t.id));
    }
    // Chelsea also plays in the European section, whose name wins.
    spec.sections[kLastNamedSection].ids.push_back(3);
    // A section may list an id with no team.
    spec.sections[0].ids.push_back(8);
    return spec;
}

DatabaseSpec LargeDatabaseSpec(int teamCount, int sectionCount)
{
    static const char* const kPlaces[] = {"Sporting", "Atlético",  "Real",   "Dynamo", "Union",
                                          "Borussia", "Olympique", "Racing", "FC",     "Göteborg"};
    DatabaseSpec spec;
    spec.recordSize = 32;
    spec.sections.resize(static_cast<std::size_t>(std::max(sectionCount, 0)));
    std::vector<int> ids(static_cast<std::size_t>(std::max(teamCount, 0)));
    for (std::size_t i = 0; i < ids.size(); ++i)
    {
        ids[i] = static_cast<int>(i);
    }
    // A fixed shuffle: the file order of the game's records is not their id order.
    std::uint32_t state = 12345;
    for (std::size_t i = ids.size(); i > 1; --i)
    {
        state = state * 1664525u + 1013904223u;
        std::swap(ids[i - 1], ids[(state >> 8) % i]);
    }
    for (int id : ids)
    {
        TeamSpec team;
        team.id = id;
        std::string utf8 = std::string(kPlaces[id % 10]) + " Club " + std::to_string(id);
        team.name = EncodeCp1252(utf8).value_or(utf8);
        const auto c = static_cast<std::uint8_t>(id % 32);
        team.home = MakeKit(id % 64, {c, 19, 22, c, 19, c, 19});
        team.away = MakeKit((id + 5) % 64, {19, c, 22, 19, c, 19, c});
        spec.teams.push_back(team);
        if (sectionCount > 0)
        {
            SectionSpec& section = spec.sections[static_cast<std::size_t>(id % sectionCount)];
            if (section.ids.size() < 63)
            {
                section.ids.push_back(static_cast<std::uint16_t>(id));
            }
        }
    }
    return spec;
}

Status WriteTeamDatabase(const fs::path& gameFolder, const DatabaseSpec& spec)
{
    const fs::path folder = gameFolder / "DATA" / "CMN" / "FE";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
    {
        return Status::Fail("cannot create \"" + PathText(folder) + "\": " + ec.message());
    }
    Status written = WriteFileAtomic(folder / "FCDB.DBI", BuildTeamDatabase(spec));
    if (!written)
    {
        return written;
    }
    return WriteFileAtomic(folder / "FCDB_ENG.DBI", BuildTeamNames(spec));
}

Status WriteSampleTeams(const fs::path& gameFolder)
{
    return WriteTeamDatabase(gameFolder, SampleDatabaseSpec());
}

} // namespace tarnix::sample
