#include "archive/DesignNearest.h"

#include "archive/Blends.h"
#include "archive/PaletteRules.h"
#include "archive/PartExport.h"
#include "archive/PictureMapping.h"

#include <algorithm>

namespace tarnix
{

namespace
{

constexpr int kRadius = 2;
// An editor's reduced palette (a 216-colour cube: levels 51 apart) moves a colour by up to 25 levels per
// channel, which is within this of where it was.
constexpr double kMovedFit = 12.0;

std::uint32_t ColourAt(const ColourTable& table, int index)
{
    const std::size_t at = 4 * std::size_t(index);
    return std::uint32_t(table[at + 2]) << 16 | std::uint32_t(table[at + 1]) << 8 | table[at];
}

// The design indices that stand for the groups in `groups`: each group's full shade, and the badge (192)
// and 240, which stand for themselves.
std::vector<int> DesignIndices(std::uint32_t groups)
{
    std::vector<int> indices;
    for (int g = 0; g < kPaletteColours / kGroupSize; ++g)
    {
        if ((groups >> g & 1) != 0)
        {
            indices.push_back(FullShadeIndex(g));
        }
    }
    if ((groups >> kGreyGroup & 1) != 0)
    {
        indices.push_back(kBadgeIndex);
    }
    if ((groups >> (kKeptIndex240 / kGroupSize) & 1) != 0)
    {
        indices.push_back(kKeptIndex240);
    }
    return indices;
}

} // namespace

void MapDesignForeign(const DesignPixels& pixels, const ColourTable& palette,
                      const std::vector<std::uint8_t>* stored, std::array<std::size_t, 16>& byGroup)
{
    const std::vector<std::uint32_t>& colours = *pixels.colours;
    const std::vector<bool>& foreign = *pixels.foreign;
    std::vector<std::uint8_t>& mapped = *pixels.mapped;
    const int width = pixels.width;
    const int height = width > 0 ? int(colours.size() / std::size_t(width)) : 0;
    std::array<Lab, kPaletteColours> labs;
    for (int i = 0; i < kPaletteColours; ++i)
    {
        labs[i] = ToLab(ColourAt(palette, i));
    }
    // The groups the returned design still holds count as the part's too.
    std::uint32_t groups = stored != nullptr ? 0 : 0xFFFFu;
    for (std::size_t i = 0; i < mapped.size(); ++i)
    {
        groups |= foreign[i] ? 0u : 1u << (mapped[i] / kGroupSize);
        groups |= stored != nullptr ? 1u << ((*stored)[i] / kGroupSize) : 0u;
    }
    const std::vector<int> base = DesignIndices(groups);
    // Decisions rest on the pixels that were not foreign only, so they do not depend on the visiting order.
    const std::vector<std::uint8_t> kept = mapped;
    std::uint32_t lastColour = 0xFFFFFFFF;
    Lab lab;
    for (std::size_t i = 0; i < colours.size(); ++i)
    {
        if (!foreign[i])
        {
            continue;
        }
        if (colours[i] != lastColour)
        {
            lastColour = colours[i];
            lab = ToLab(lastColour);
        }
        // What was stored here is one side of an edge too: a soft brush's rim blends with it.
        std::array<std::uint8_t, (2 * kRadius + 1) * (2 * kRadius + 1) + 1> anchors{};
        std::array<std::uint32_t, anchors.size()> anchorColours{};
        std::size_t count = 0;
        const int under = stored != nullptr ? DesignByte((*stored)[i]) : -1;
        if (under >= 0)
        {
            anchorColours[count] = ColourAt(palette, under);
            anchors[count++] = static_cast<std::uint8_t>(under);
        }
        const int x = int(i % std::size_t(width));
        const int y = int(i / std::size_t(width));
        for (int ny = std::max(0, y - kRadius); ny <= std::min(height - 1, y + kRadius); ++ny)
        {
            for (int nx = std::max(0, x - kRadius); nx <= std::min(width - 1, x + kRadius); ++nx)
            {
                const std::size_t j = std::size_t(ny) * std::size_t(width) + std::size_t(nx);
                if (!foreign[j] &&
                    std::find(anchors.begin(), anchors.begin() + count, kept[j]) == anchors.begin() + count)
                {
                    anchorColours[count] = ColourAt(palette, kept[j]);
                    anchors[count++] = kept[j];
                }
            }
        }
        int chosen = -1;
        const Blend edge = NearestEdge(colours[i], lab, anchorColours.data(), count);
        if (edge.side >= 0 && edge.distance <= kEdgeFit)
        {
            chosen = anchors[edge.side];
        }
        else if (under >= 0 && LabDistance(lab, labs[under]) <= kMovedFit)
        {
            chosen = under;
        }
        else
        {
            double best = 1e300;
            auto consider = [&](int index)
            {
                const double d = LabDistanceSquared(lab, labs[index]);
                if (d < best || (d == best && index < chosen))
                {
                    best = d;
                    chosen = index;
                }
            };
            std::for_each(base.begin(), base.end(), consider);
            std::for_each(anchors.begin(), anchors.begin() + count, consider);
        }
        mapped[i] = static_cast<std::uint8_t>(chosen);
        ++byGroup[chosen / kGroupSize];
    }
}

} // namespace tarnix
