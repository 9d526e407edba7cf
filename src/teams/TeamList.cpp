// The page-one list of the teams that wear a jersey, in the order a sorted Windows list box shows it.

#include "teams/TeamDatabase.h"

#include <algorithm>
#include <numeric>

namespace tarnix
{

namespace
{

// A sorted list box compares its lines the way the user's locale does, not byte by byte: case and accents
// matter only when the letters are otherwise equal, hyphens and apostrophes are passed over, other
// punctuation and spaces come before digits, digits before letters. This key reproduces that for the Windows-1252
// repertoire the game's names are written in.
//
// A key is one sequence of numbers, compared element by element: the primary weights (class in the top
// bits, then the folded letter, digit or symbol), a 0, the accents (1 for a plain letter, else one more than
// the accented letter's lower-case code), a 0, the cases (2 for an upper-case letter, else 1). Every weight
// is above 0, so a key whose primaries are a prefix of another's sorts first, and the accents only count when
// the primaries are equal, the cases only when both are: one comparison settles all three levels.
using SortKey = std::vector<std::uint32_t>;

constexpr std::uint32_t kSymbol = 1u << 24;
constexpr std::uint32_t kDigit = 2u << 24;
constexpr std::uint32_t kLetter = 3u << 24;

// Base letters of U+00E0..U+00FF; nullptr for the division sign.
constexpr const char* kLatinLower[32] = {
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "y",
};

// Next code point of UTF-8 text; a byte that does not start a valid sequence stands for itself.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra > 0 && i + extra < text.size())
    {
        char32_t cp = lead & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k)
        {
            valid = valid && (byte(i + k) & 0xC0) == 0x80;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        if (valid)
        {
            i += extra + 1;
            return cp;
        }
    }
    ++i;
    return lead;
}

// The three levels of a key as it is built; MakeSortKey joins them.
struct KeyLevels
{
    SortKey& primary;
    std::vector<std::uint32_t>& accent;
    std::vector<std::uint32_t>& upper;
};

void AddLetters(KeyLevels& key, const char* base, std::uint32_t accent, bool upper)
{
    for (const char* c = base; *c != '\0'; ++c)
    {
        key.primary.push_back(kLetter | static_cast<unsigned char>(*c));
    }
    key.accent.push_back(accent + 1);
    key.upper.push_back(upper ? 2 : 1);
}

void AddSymbol(KeyLevels& key, char32_t cp)
{
    key.primary.push_back(kSymbol | cp);
    key.accent.push_back(1);
    key.upper.push_back(1);
}

SortKey MakeSortKey(std::string_view text)
{
    // Scratch for the lower levels, kept between calls: sorting a list builds a key per line.
    thread_local std::vector<std::uint32_t> accents;
    thread_local std::vector<std::uint32_t> uppers;
    accents.clear();
    uppers.clear();
    SortKey primary;
    // A character gives at most two primary weights ("ae", "ss", "oe", "th") and one of each other level.
    primary.reserve(4 * text.size() + 2);
    KeyLevels key{primary, accents, uppers};
    for (std::size_t i = 0; i < text.size();)
    {
        const char32_t cp = NextCodePoint(text, i);
        char ascii[2] = {0, 0};
        if (cp == '-' || cp == '\'')
        {
            // Windows' word sort passes over hyphens and apostrophes so that "Saint-Etienne" sits among
            // the other "Sainte..." names; they only settle otherwise equal texts (the final byte order).
            continue;
        }
        if (cp >= '0' && cp <= '9')
        {
            key.primary.push_back(kDigit | cp);
            key.accent.push_back(1);
            key.upper.push_back(1);
        }
        else if ((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z'))
        {
            ascii[0] = static_cast<char>(cp | 0x20);
            AddLetters(key, ascii, 0, cp <= 'Z');
        }
        else if (cp == 0xDF)
        {
            AddLetters(key, "ss", cp, false);
        }
        else if (cp >= 0xC0 && cp <= 0xFF && cp != 0xD7 && cp != 0xF7)
        {
            const bool upper = cp < 0xDF;
            const char32_t lower = upper ? cp + 0x20 : cp;
            AddLetters(key, kLatinLower[lower - 0xE0], lower, upper);
        }
        else
        {
            // The letters Windows-1252 adds in 0x80-0x9F, and the ordinal indicators.
            switch (cp)
            {
            case 0x160:
                AddLetters(key, "s", 0x161, true);
                break;
            case 0x161:
                AddLetters(key, "s", 0x161, false);
                break;
            case 0x17D:
                AddLetters(key, "z", 0x17E, true);
                break;
            case 0x17E:
                AddLetters(key, "z", 0x17E, false);
                break;
            case 0x152:
                AddLetters(key, "oe", 0x153, true);
                break;
            case 0x153:
                AddLetters(key, "oe", 0x153, false);
                break;
            case 0x178:
                AddLetters(key, "y", 0xFF, true);
                break;
            case 0x192:
                AddLetters(key, "f", 0x192, false);
                break;
            case 0xAA:
                AddLetters(key, "a", 0xAA, false);
                break;
            case 0xBA:
                AddLetters(key, "o", 0xBA, false);
                break;
            default:
                AddSymbol(key, cp);
                break;
            }
        }
    }
    primary.push_back(0);
    primary.insert(primary.end(), accents.begin(), accents.end());
    primary.push_back(0);
    primary.insert(primary.end(), uppers.begin(), uppers.end());
    return primary;
}

int CompareKeys(const SortKey& a, const SortKey& b)
{
    auto r = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int CompareBytes(std::string_view a, std::string_view b)
{
    int r = a.compare(b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

} // namespace

int CompareListText(std::string_view a, std::string_view b)
{
    int r = CompareKeys(MakeSortKey(a), MakeSortKey(b));
    return r != 0 ? r : CompareBytes(a, b);
}

std::vector<TeamLine> FillTeamList(const TeamCollection& teams, int n)
{
    std::vector<TeamLine> lines;
    if (n <= 0)
    {
        return lines;
    }
    int slot = -1;
    for (const CTeamRecord* team : teams)
    {
        ++slot;
        if (team == nullptr)
        {
            continue;
        }
        for (Strip strip : {Strip::Home, Strip::Away})
        {
            if (KitOf(*team, strip).jerseyIndex == n - 1)
            {
                lines.push_back(
                    {std::string(team->name).append(strip == Strip::Home ? " - Home" : " - Away"), slot, strip});
            }
        }
    }

    std::vector<SortKey> keys;
    keys.reserve(lines.size());
    for (const TeamLine& line : lines)
    {
        keys.push_back(MakeSortKey(line.text));
    }
    std::vector<std::size_t> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, so lines of equal text stay in ascending team id as they were added.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y)
                     {
                         int r = CompareKeys(keys[x], keys[y]);
                         return r != 0 ? r < 0 : CompareBytes(lines[x].text, lines[y].text) < 0;
                     });
    std::vector<TeamLine> sorted;
    sorted.reserve(lines.size());
    for (std::size_t k : order)
    {
        sorted.push_back(std::move(lines[k]));
    }
    return sorted;
}

} // namespace tarnix
