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
struct SortKey
{
    std::vector<std::uint32_t> primary; // class in the top bits, then the folded letter, digit or symbol
    std::vector<std::uint32_t> accent;  // 0 for a plain letter, else the accented letter's lower-case code
    std::vector<std::uint8_t> upper;    // 1 for an upper-case letter
};

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

void AddLetters(SortKey& key, const char* base, std::uint32_t accent, bool upper)
{
    for (const char* c = base; *c != '\0'; ++c)
    {
        key.primary.push_back(kLetter | static_cast<unsigned char>(*c));
    }
    key.accent.push_back(accent);
    key.upper.push_back(upper ? 1 : 0);
}

void AddSymbol(SortKey& key, char32_t cp)
{
    key.primary.push_back(kSymbol | cp);
    key.accent.push_back(0);
    key.upper.push_back(0);
}

SortKey MakeSortKey(std::string_view text)
{
    SortKey key;
    key.primary.reserve(text.size());
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
            key.accent.push_back(0);
            key.upper.push_back(0);
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
    return key;
}

int CompareKeys(const SortKey& a, const SortKey& b)
{
    auto three = [](const auto& x, const auto& y)
    {
        auto r = std::lexicographical_compare_three_way(x.begin(), x.end(), y.begin(), y.end());
        return r < 0 ? -1 : r > 0 ? 1 : 0;
    };
    if (int r = three(a.primary, b.primary); r != 0)
    {
        return r;
    }
    if (int r = three(a.accent, b.accent); r != 0)
    {
        return r;
    }
    return three(a.upper, b.upper);
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
    for (std::size_t i = 0; i < teams.size(); ++i)
    {
        const CTeamRecord* team = teams[i];
        if (team == nullptr)
        {
            continue;
        }
        for (Strip strip : {Strip::Home, Strip::Away})
        {
            if (KitOf(*team, strip).jerseyIndex == n - 1)
            {
                lines.push_back(
                    {team->name + (strip == Strip::Home ? " - Home" : " - Away"), static_cast<int>(i), strip});
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
