#include "archive/ColourMapping.h"

#include "archive/PaletteRules.h"

#include <algorithm>
#include <array>
#include <cmath>
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

struct Lab
{
    double l, a, b;
};

Lab ToLab(std::uint32_t rgb)
{
    auto linear = [](std::uint32_t c)
    {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double r = linear(rgb >> 16 & 0xFF);
    const double g = linear(rgb >> 8 & 0xFF);
    const double b = linear(rgb & 0xFF);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double LabDistance(const Lab& p, const Lab& q)
{
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
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

// Exact colours through a sorted table of (colour << 8 | index); the table holds every colour once.
class ColourIndex
{
  public:
    explicit ColourIndex(const ColourTable& table)
    {
        for (int i = 0; i < kPaletteColours; ++i)
        {
            m_keys[i] = std::uint64_t(ColourAt(table, i)) << 8 | std::uint64_t(i);
        }
        std::sort(m_keys.begin(), m_keys.end());
    }

    // The first index holding `colour`, or -1.
    int Find(std::uint32_t colour) const
    {
        auto it = std::lower_bound(m_keys.begin(), m_keys.end(), std::uint64_t(colour) << 8);
        return it != m_keys.end() && (*it >> 8) == colour ? static_cast<int>(*it & 0xFF) : -1;
    }

  private:
    std::array<std::uint64_t, kPaletteColours> m_keys{};
};

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

// out[i] = lut[in[i]], eight pixels to a step: one load and one store per eight bytes keeps this within a
// few times a plain copy.
void ApplyLookup(const std::uint8_t* in, std::uint8_t* out, std::size_t n,
                 const std::array<std::uint8_t, 256>& lut)
{
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
    {
        std::uint64_t word;
        std::memcpy(&word, in + i, 8);
        std::uint64_t mapped = 0;
        for (int k = 0; k < 8; ++k)
        {
            mapped |= std::uint64_t(lut[(word >> (8 * k)) & 0xFF]) << (8 * k);
        }
        std::memcpy(out + i, &mapped, 8);
    }
    for (; i < n; ++i)
    {
        out[i] = lut[in[i]];
    }
}

Result<MappedIndices> MapIndexed(const EditedImage& returned, const ColourTable& exported,
                                 const ColourTable& palette, BitmapRole role, const MappingOptions& options,
                                 const std::string& what)
{
    using R = Result<MappedIndices>;
    // The usual case: the editor kept the table as exported (or as older exports wrote it).
    if (returned.colourCount == kPaletteColours && (returned.colours == exported || returned.colours == palette))
    {
        return MappedIndices{returned.pixels, 0};
    }
    std::array<bool, 256> used{};
    for (std::uint8_t p : returned.pixels)
    {
        used[p] = true;
    }
    bool kept = true;
    for (int p = 0; p < kPaletteColours; ++p)
    {
        if (!used[p])
        {
            continue;
        }
        if (p >= returned.colourCount)
        {
            return R::Fail(what + " uses colour index " + std::to_string(p) + ", but its colour table has only " +
                           std::to_string(returned.colourCount) + " colours");
        }
        const std::uint32_t colour = returned.TableColour(p);
        kept = kept && (colour == ColourAt(exported, p) || colour == ColourAt(palette, p));
    }
    if (kept)
    {
        return MappedIndices{returned.pixels, 0};
    }

    const ColourIndex index(exported);
    std::array<std::uint8_t, 256> lut{};
    std::array<bool, 256> foreign{};
    bool anyForeign = false;
    for (int p = 0; p < kPaletteColours; ++p)
    {
        if (!used[p])
        {
            continue;
        }
        const int e = index.Find(returned.TableColour(p));
        foreign[p] = e < 0;
        anyForeign = anyForeign || e < 0;
        lut[p] = static_cast<std::uint8_t>(e < 0 ? 0 : e);
    }
    MappedIndices mapped;
    if (anyForeign)
    {
        std::size_t count = 0;
        std::size_t first = 0;
        for (std::size_t i = 0; i < returned.pixels.size(); ++i)
        {
            if (foreign[returned.pixels[i]])
            {
                first = count == 0 ? i : first;
                ++count;
            }
        }
        if (!options.nearest)
        {
            return Refusal(what, count, first, returned.width, returned.TableColour(returned.pixels[first]));
        }
        const Nearest nearest(palette, role);
        for (int p = 0; p < kPaletteColours; ++p)
        {
            if (foreign[p])
            {
                lut[p] = static_cast<std::uint8_t>(nearest.Of(returned.TableColour(p)));
            }
        }
        mapped.nearestPixels = count;
    }
    mapped.pixels.resize(returned.pixels.size());
    ApplyLookup(returned.pixels.data(), mapped.pixels.data(), mapped.pixels.size(), lut);
    return mapped;
}

Result<MappedIndices> MapTrueColour(const EditedImage& returned, const ColourTable& exported,
                                    const ColourTable& palette, BitmapRole role, const MappingOptions& options,
                                    const std::string& what)
{
    const ColourIndex index(exported);
    std::unordered_map<std::uint32_t, int> resolved; // every colour seen: its index, or -1 when foreign
    MappedIndices mapped;
    mapped.pixels.resize(returned.rgb.size());
    std::size_t foreignCount = 0;
    std::size_t first = 0;
    // Painted areas are runs of one colour, so the previous pixel answers most lookups.
    std::uint32_t lastColour = 0;
    int lastIndex = -2;
    for (std::size_t i = 0; i < returned.rgb.size(); ++i)
    {
        const std::uint32_t colour = returned.rgb[i];
        if (lastIndex == -2 || colour != lastColour)
        {
            auto [it, added] = resolved.try_emplace(colour, 0);
            if (added)
            {
                it->second = index.Find(colour);
            }
            lastColour = colour;
            lastIndex = it->second;
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
    const Nearest nearest(palette, role);
    for (auto& [colour, target] : resolved)
    {
        if (target < 0)
        {
            target = nearest.Of(colour);
        }
    }
    for (std::size_t i = first; i < returned.rgb.size(); ++i)
    {
        const int target = resolved[returned.rgb[i]];
        mapped.pixels[i] = static_cast<std::uint8_t>(target);
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
