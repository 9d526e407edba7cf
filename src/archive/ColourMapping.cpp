#include "archive/ColourMapping.h"

#include "archive/ColourLookup.h"
#include "archive/DesignNearest.h"
#include "archive/LabColour.h"
#include "archive/PaletteRules.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace tarnix
{

namespace
{

std::uint32_t ColourAt(const ColourTable& table, int index)
{
    const std::size_t at = 4 * std::size_t(index);
    return std::uint32_t(table[at + 2]) << 16 | std::uint32_t(table[at + 1]) << 8 | table[at];
}

// The indices a bitmap of this role can mean, for nearest mapping.
std::vector<int> MeaningfulIndices(BitmapRole role)
{
    std::vector<int> indices;
    if (role == BitmapRole::Shade)
    {
        for (int s = 0; s <= kFullShade; ++s)
        {
            indices.push_back(s);
        }
        return indices;
    }
    for (int g = 0; g < kPaletteColours / kGroupSize; ++g)
    {
        indices.push_back(FullShadeIndex(g));
    }
    indices.push_back(kBadgeIndex);
    indices.push_back(kKeptIndex240);
    return indices;
}

// Exact colours of a table, which holds every colour once (the first entry wins otherwise).
ColourLookup IndexOf(const ColourTable& table)
{
    ColourLookup lookup;
    for (int i = 0; i < kPaletteColours; ++i)
    {
        (void)lookup.Insert(ColourAt(table, i), static_cast<std::uint8_t>(i));
    }
    return lookup;
}

// Distances are measured to the palette as stored, not to the exported table: there a repeated colour
// (PK001's three whites) is still one colour, so the tie goes to its first entry, the one the export kept
// unmoved, rather than to whichever moved copy the painted colour happens to lean towards.
class Nearest
{
  public:
    Nearest(const ColourTable& palette, BitmapRole role)
    {
        for (int index : MeaningfulIndices(role))
        {
            m_candidates.push_back({index, ToLab(ColourAt(palette, index))});
        }
    }

    // Ties go to the lower index, so the result never depends on anything but the colours.
    int Of(std::uint32_t colour) const
    {
        const Lab lab = ToLab(colour);
        int best = m_candidates.front().index;
        double bestDistance = 1e300;
        for (const auto& c : m_candidates)
        {
            const double d = LabDistance(lab, c.lab);
            if (d < bestDistance || (d == bestDistance && c.index < best))
            {
                best = c.index;
                bestDistance = d;
            }
        }
        return best;
    }

  private:
    struct Candidate
    {
        int index;
        Lab lab;
    };
    std::vector<Candidate> m_candidates;
};

Status Refusal(const std::string& what, std::size_t count, std::size_t first, int width, std::uint32_t colour)
{
    return Status::Fail(what + " has " + std::to_string(count) + (count == 1 ? " pixel" : " pixels") +
                        " in colours the bitmap was not exported with (the first at (" +
                        std::to_string(first % std::size_t(width)) + ", " +
                        std::to_string(first / std::size_t(width)) + "), " + ColourText(colour) +
                        "); paint only with the bitmap's own colours (the jersey palette), or choose to map "
                        "other colours to the nearest jersey colour");
}

// What a returned index stands for: the exported index in the low byte, and flags.
constexpr std::uint16_t kForeign = 0x100;    // its colour is not in the exported table
constexpr std::uint16_t kNotKept = 0x200;    // it shows neither its exported nor its stored colour
constexpr std::uint16_t kOutOfTable = 0x400; // the file's table has no such entry

// Eight pixels through the table; `flags` collects what the indices stand for.
inline std::uint64_t LookUpWord(std::uint64_t word, const std::array<std::uint16_t, 256>& lut,
                                std::uint16_t& flags)
{
    constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
    if (word == (word & 0xFF) * kEveryByte)
    {
        const std::uint16_t entry = lut[word & 0xFF]; // one colour across all eight: one lookup
        flags |= entry;
        return (entry & 0xFF) * kEveryByte;
    }
    std::uint64_t mapped = 0;
    for (int k = 0; k < 8; ++k)
    {
        const std::uint16_t entry = lut[(word >> (8 * k)) & 0xFF];
        flags |= entry;
        mapped |= std::uint64_t(entry & 0xFF) << (8 * k);
    }
    return mapped;
}

// out = the low bytes of lut[in] over a picture `width` wide; returns the flags of every index met. Painted
// designs are flat: a row like the one above reuses its result, and eight pixels of one colour cost one
// lookup. That keeps mapping within a few copies of the pixels.
std::uint16_t ApplyLookup(const std::uint8_t* in, std::uint8_t* out, std::size_t n, std::size_t width,
                          const std::array<std::uint16_t, 256>& lut)
{
    std::uint16_t flags = 0;
    for (std::size_t row = 0; row < n; row += width)
    {
        const std::size_t end = std::min(n, row + width);
        if (row >= width && std::memcmp(in + row, in + row - width, end - row) == 0)
        {
            std::memcpy(out + row, out + row - width, end - row);
            continue;
        }
        std::size_t i = row;
        for (; i + 8 <= end; i += 8)
        {
            std::uint64_t word;
            std::memcpy(&word, in + i, 8);
            const std::uint64_t mapped = LookUpWord(word, lut, flags);
            std::memcpy(out + i, &mapped, 8);
        }
        for (; i < end; ++i)
        {
            flags |= lut[in[i]];
            out[i] = static_cast<std::uint8_t>(lut[in[i]]);
        }
    }
    return flags & 0xFF00;
}

std::size_t FirstWith(const std::vector<std::uint8_t>& pixels, const std::array<std::uint16_t, 256>& lut,
                      std::uint16_t flag, std::size_t& count)
{
    std::size_t first = 0;
    count = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i)
    {
        if ((lut[pixels[i]] & flag) != 0)
        {
            first = count == 0 ? i : first;
            ++count;
        }
    }
    return first;
}

Result<MappedIndices> MapIndexed(const EditedImage& returned, const ColourTable& exported,
                                 const ColourTable& palette, BitmapRole role, const MappingOptions& options,
                                 const std::string& what)
{
    using R = Result<MappedIndices>;
    // A shade bitmap's pixel means its shade, 0-15; any other index (a colour the export wrote for another
    // entry, or one an editor's reduced palette moved onto it) would spill into the colour group when
    // merged, so it counts as a colour the bitmap was not exported with.
    const bool shadesOnly =
        role != BitmapRole::Shade || std::none_of(returned.pixels.begin(), returned.pixels.end(),
                                                  [](std::uint8_t p) { return p > kFullShade; });
    // The usual case: the editor kept the table as exported (or as older exports wrote it).
    if (shadesOnly && returned.colourCount == kPaletteColours &&
        (returned.colours == exported || returned.colours == palette))
    {
        return MappedIndices{true, {}, 0};
    }
    const ColourLookup index = IndexOf(exported);
    std::array<std::uint16_t, 256> lut{};
    for (int p = 0; p < kPaletteColours; ++p)
    {
        if (p >= returned.colourCount)
        {
            lut[p] = kOutOfTable;
            continue;
        }
        const std::uint32_t colour = returned.TableColour(p);
        int e = index.Find(colour);
        bool kept = colour == ColourAt(exported, p) || colour == ColourAt(palette, p);
        if (role == BitmapRole::Shade && (e > kFullShade || (kept && p > kFullShade)))
        {
            e = -1;
            kept = false;
        }
        lut[p] = static_cast<std::uint16_t>((e < 0 ? kForeign : e) | (kept ? 0 : kNotKept));
    }
    MappedIndices mapped;
    mapped.pixels.resize(returned.pixels.size());
    const std::size_t width = std::size_t(returned.width);
    const std::uint16_t flags =
        ApplyLookup(returned.pixels.data(), mapped.pixels.data(), mapped.pixels.size(), width, lut);
    std::size_t count = 0;
    if ((flags & kOutOfTable) != 0)
    {
        const std::size_t first = FirstWith(returned.pixels, lut, kOutOfTable, count);
        return R::Fail(what + " uses colour index " + std::to_string(returned.pixels[first]) +
                       ", but its colour table has only " + std::to_string(returned.colourCount) + " colours");
    }
    if ((flags & kNotKept) == 0)
    {
        // Every index used shows its own colour: the indices stand as they are, even where an older
        // export's repeated colour would trace to its first entry.
        return MappedIndices{true, {}, 0};
    }
    if ((flags & kForeign) == 0)
    {
        return mapped;
    }
    const std::size_t first = FirstWith(returned.pixels, lut, kForeign, count);
    if (!options.nearest)
    {
        return Refusal(what, count, first, returned.width, returned.TableColour(returned.pixels[first]));
    }
    if (role == BitmapRole::Design)
    {
        std::vector<std::uint32_t> colours(returned.pixels.size());
        std::vector<bool> foreign(returned.pixels.size());
        for (std::size_t i = 0; i < colours.size(); ++i)
        {
            colours[i] = returned.TableColour(returned.pixels[i]);
            foreign[i] = (lut[returned.pixels[i]] & kForeign) != 0;
        }
        MapDesignForeign({returned.width, &colours, &foreign, &mapped.pixels}, palette, options.storedPixels,
                         mapped.nearestByGroup);
        mapped.nearestPixels = count;
        return mapped;
    }
    const Nearest nearest(palette, role);
    for (int p = 0; p < kPaletteColours; ++p)
    {
        if ((lut[p] & kForeign) != 0)
        {
            lut[p] = static_cast<std::uint16_t>(nearest.Of(returned.TableColour(p)));
        }
    }
    (void)ApplyLookup(returned.pixels.data(), mapped.pixels.data(), mapped.pixels.size(), width, lut);
    mapped.nearestPixels = count;
    return mapped;
}

Result<MappedIndices> MapTrueColour(const EditedImage& returned, const ColourTable& exported,
                                    const ColourTable& palette, BitmapRole role, const MappingOptions& options,
                                    const std::string& what)
{
    const ColourLookup index = IndexOf(exported);
    // The exported index a colour stands for, or -1: a shade bitmap stands only for shades.
    auto exportedIndex = [&](std::uint32_t colour)
    {
        const int e = index.Find(colour);
        return role == BitmapRole::Shade && e > kFullShade ? -1 : e;
    };
    MappedIndices mapped;
    mapped.pixels.resize(returned.rgb.size());
    std::size_t foreignCount = 0;
    std::size_t first = 0;
    // Painted areas are runs of one colour, so the previous pixel answers most lookups.
    std::uint32_t lastColour = 0xFFFFFFFF;
    int lastIndex = -1;
    for (std::size_t i = 0; i < returned.rgb.size(); ++i)
    {
        const std::uint32_t colour = returned.rgb[i];
        if (colour != lastColour)
        {
            lastColour = colour;
            lastIndex = exportedIndex(colour);
        }
        if (lastIndex < 0)
        {
            first = foreignCount == 0 ? i : first;
            ++foreignCount;
            continue;
        }
        mapped.pixels[i] = static_cast<std::uint8_t>(lastIndex);
    }
    if (foreignCount == 0)
    {
        return mapped;
    }
    if (!options.nearest)
    {
        return Refusal(what, foreignCount, first, returned.width, returned.rgb[first]);
    }
    if (role == BitmapRole::Design)
    {
        std::vector<bool> foreign(returned.rgb.size());
        for (std::size_t i = first; i < returned.rgb.size(); ++i)
        {
            foreign[i] = exportedIndex(returned.rgb[i]) < 0;
        }
        MapDesignForeign({returned.width, &returned.rgb, &foreign, &mapped.pixels}, palette, options.storedPixels,
                         mapped.nearestByGroup);
        mapped.nearestPixels = foreignCount;
        return mapped;
    }
    const Nearest nearest(palette, role);
    std::unordered_map<std::uint32_t, std::uint8_t> chosen; // each foreign colour is measured once
    for (std::size_t i = first; i < returned.rgb.size(); ++i)
    {
        const std::uint32_t colour = returned.rgb[i];
        if (exportedIndex(colour) >= 0)
        {
            continue; // a design colour in a shade bitmap goes to its nearest shade like any other
        }
        auto [it, added] = chosen.try_emplace(colour, 0);
        if (added)
        {
            it->second = static_cast<std::uint8_t>(nearest.Of(colour));
        }
        mapped.pixels[i] = it->second;
    }
    mapped.nearestPixels = foreignCount;
    return mapped;
}

} // namespace

double ColourDistance(std::uint32_t a, std::uint32_t b)
{
    return LabDistance(ToLab(a), ToLab(b));
}

Result<MappedIndices> MapToExportedIndices(const EditedImage& returned, const ColourTable& exported,
                                           const ColourTable& palette, BitmapRole role,
                                           const MappingOptions& options, const std::string& what)
{
    if (returned.indexed)
    {
        return MapIndexed(returned, exported, palette, role, options, what);
    }
    return MapTrueColour(returned, exported, palette, role, options, what);
}

} // namespace tarnix
