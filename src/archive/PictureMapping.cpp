#include "archive/PictureMapping.h"

#include "archive/Blends.h"
#include "archive/LabColour.h"
#include "archive/PaletteRules.h"
#include "archive/ShownIndex.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace tarnix
{

namespace
{

// Preference for the group that was painted over, in distance units: a neighbour's group must fit better
// by this much to win, any other kit group by twice it.
constexpr double kOtherGroupCost = 4.0;
// Neighbours are the pixels up to two away: an anti-aliased edge is one or two pixels wide.
constexpr int kRadius = 2;

constexpr int kGroups = kPaletteColours / kGroupSize;

bool IsKitGroup(int group)
{
    return group >= kFirstKitGroup && group <= kLastKitGroup;
}

int GroupOf(int index)
{
    return index / kGroupSize;
}

enum class State : std::uint8_t
{
    Anchor,    // unchanged, or an exact colour of one group: what neighbours are traced against
    Ambiguous, // an exact colour of several groups
    Open,      // no group shows this colour
    Traced,    // an edge or a shade, traced against the anchors
};

struct Choice
{
    int index = -1;
    double distance = 1e300;
};

class Tracer
{
  public:
    Tracer(const RgbPicture& picture, const std::vector<std::uint8_t>& exported,
           const std::array<std::uint32_t, 256>& shown)
        : m_picture(picture), m_exported(exported), m_shown(shown), m_index(shown)
    {
        for (int k = 0; k < kPaletteColours; ++k)
        {
            m_lab[k] = ToLab(shown[k]);
        }
        for (std::uint8_t v : exported)
        {
            m_usedGroups |= 1u << GroupOf(v);
        }
    }

    TracedPicture Run(bool nearest)
    {
        TracedPicture out;
        const std::size_t n = m_picture.pixels.size();
        out.pixels = m_exported;
        m_state.assign(n, State::Anchor);
        for (std::size_t i = 0; i < n; ++i)
        {
            const std::uint32_t colour = m_picture.pixels[i];
            if (colour == m_shown[m_exported[i]])
            {
                continue;
            }
            const auto [groups, index] = ExactGroups(colour);
            if (groups == 0)
            {
                m_state[i] = State::Open;
            }
            else if ((groups & (groups - 1)) == 0)
            {
                out.pixels[i] = static_cast<std::uint8_t>(index);
                ++out.counts.exact[GroupOf(index)];
            }
            else
            {
                m_state[i] = State::Ambiguous;
            }
        }
        // Ties are settled against the first pass's anchors only, so the outcome does not depend on the
        // order pixels are visited in.
        std::vector<std::size_t> settled;
        for (std::size_t i = 0; i < n; ++i)
        {
            if (m_state[i] == State::Ambiguous)
            {
                out.pixels[i] = static_cast<std::uint8_t>(ByNeighbours(i, out.pixels));
                ++out.counts.exact[GroupOf(out.pixels[i])];
                settled.push_back(i);
            }
        }
        for (std::size_t i : settled)
        {
            m_state[i] = State::Anchor;
        }
        std::vector<std::pair<std::size_t, int>> far; // with the nearest kit shade
        for (std::size_t i = 0; i < n; ++i)
        {
            if (m_state[i] != State::Open)
            {
                continue;
            }
            const auto [index, fits] = Trace(i, out.pixels);
            out.pixels[i] = static_cast<std::uint8_t>(fits ? index : out.pixels[i]);
            if (fits)
            {
                ++out.counts.traced[GroupOf(index)];
                continue;
            }
            far.emplace_back(i, index);
        }
        for (std::size_t i = 0; i < n; ++i)
        {
            m_state[i] = m_state[i] == State::Open ? State::Traced : m_state[i];
        }
        for (const auto& [i, index] : far)
        {
            m_state[i] = State::Open;
        }
        // What is left may be an edge between colours that are themselves shades (a soft design darkened
        // as a whole): blends of the neighbours' colours as painted, traced to their groups.
        std::vector<std::pair<std::size_t, int>> edges;
        for (const auto& [i, index] : far)
        {
            if (const Choice edge = PaintedEdge(i, out.pixels); edge.index >= 0 && edge.distance <= kEdgeFit)
            {
                edges.emplace_back(i, edge.index);
                continue;
            }
            out.firstFar = out.farPixels == 0 ? i : out.firstFar;
            out.firstFarColour = out.farPixels == 0 ? m_picture.pixels[i] : out.firstFarColour;
            ++out.farPixels;
            if (nearest)
            {
                out.pixels[i] = static_cast<std::uint8_t>(index);
                ++out.counts.nearest[GroupOf(index)];
            }
        }
        for (const auto& [i, index] : edges)
        {
            out.pixels[i] = static_cast<std::uint8_t>(index);
            ++out.counts.traced[GroupOf(index)];
        }
        return out;
    }

  private:
    // The groups showing `colour` exactly (a bit per group; kit groups only when any holds it) and the
    // lowest such index.
    std::pair<std::uint32_t, int> ExactGroups(std::uint32_t colour) const
    {
        std::uint32_t kit = 0;
        std::uint32_t fixed = 0;
        int kitIndex = -1;
        int fixedIndex = -1;
        m_index.ForEach(colour,
                        [&](int index)
                        {
                            const bool isKit = IsKitGroup(GroupOf(index));
                            (isKit ? kit : fixed) |= 1u << GroupOf(index);
                            int& lowest = isKit ? kitIndex : fixedIndex;
                            lowest = lowest < 0 ? index : lowest;
                        });
        return kit != 0 ? std::pair{kit, kitIndex} : std::pair{fixed, fixedIndex};
    }

    // Calls f for each anchored neighbour of pixel i (and each traced one when `traced`).
    template <typename F> void ForNeighbours(std::size_t i, F f, bool traced = false) const
    {
        const int width = m_picture.width;
        const int x = int(i % std::size_t(width));
        const int y = int(i / std::size_t(width));
        for (int ny = std::max(0, y - kRadius); ny <= std::min(m_picture.height - 1, y + kRadius); ++ny)
        {
            for (int nx = std::max(0, x - kRadius); nx <= std::min(width - 1, x + kRadius); ++nx)
            {
                const std::size_t j = std::size_t(ny) * std::size_t(width) + std::size_t(nx);
                if (j != i && (m_state[j] == State::Anchor || (traced && m_state[j] == State::Traced)))
                {
                    f(j);
                }
            }
        }
    }

    // The index showing pixel i's colour in the group most of its anchored neighbours have; the group it
    // was painted over breaks a tie, then the lower index.
    int ByNeighbours(std::size_t i, const std::vector<std::uint8_t>& pixels) const
    {
        std::array<int, kGroups> votes{};
        ForNeighbours(i, [&](std::size_t j) { votes[GroupOf(pixels[j])] += 2; });
        votes[GroupOf(m_exported[i])] += 1;
        const std::uint32_t colour = m_picture.pixels[i];
        const std::uint32_t groups = ExactGroups(colour).first;
        int best = -1;
        m_index.ForEach(colour,
                        [&](int index)
                        {
                            const int g = GroupOf(index);
                            if ((groups >> g & 1) != 0 && (best < 0 || votes[g] > votes[GroupOf(best)]))
                            {
                                best = index;
                            }
                        });
        return best;
    }

    // The shade of kit group `group` nearest to `lab`.
    Choice NearestShade(int group, const Lab& lab) const
    {
        Choice best;
        for (int s = 0; s < kGroupSize; ++s)
        {
            const double d = LabDistanceSquared(lab, m_lab[group * kGroupSize + s]);
            if (d < best.distance)
            {
                best = {group * kGroupSize + s, d};
            }
        }
        best.distance = std::sqrt(best.distance);
        return best;
    }

    // The index pixel i is traced to, and whether it fits (else it is only the nearest kit shade).
    std::pair<int, bool> Trace(std::size_t i, const std::vector<std::uint8_t>& pixels)
    {
        const std::uint32_t colour = m_picture.pixels[i];
        if (colour != m_lastColour)
        {
            m_lastColour = colour;
            m_lastLab = ToLab(colour);
        }
        const Lab& lab = m_lastLab;
        const auto& shades = KitShades(colour, lab);
        // The colour painted over is one side of an edge too: a brush's soft rim blends with what was there,
        // even where every pixel of it along the edge was changed.
        std::array<std::uint8_t, (2 * kRadius + 1) * (2 * kRadius + 1)> anchors{m_exported[i]};
        std::size_t count = 1;
        std::uint32_t neighbourGroups = 0;
        ForNeighbours(i,
                      [&](std::size_t j)
                      {
                          const std::uint8_t v = pixels[j];
                          if (std::find(anchors.begin(), anchors.begin() + count, v) == anchors.begin() + count)
                          {
                              anchors[count++] = v;
                              neighbourGroups |= 1u << GroupOf(v);
                          }
                      });
        // An edge: the blend of two neighbouring colours that the colour lies closest to.
        std::array<std::uint32_t, anchors.size()> colours{};
        for (std::size_t k = 0; k < count; ++k)
        {
            colours[k] = m_shown[anchors[k]];
        }
        const Choice edge = Side(NearestEdge(colour, lab, colours.data(), count), lab, anchors.data());
        if (edge.index >= 0 && edge.distance <= kEdgeFit)
        {
            return {edge.index, true};
        }
        // Paint darker or lighter: the group painted over first, then the neighbours' and the part's, then
        // any kit group.
        Choice best;
        double bestScore = 1e300;
        for (int group = kFirstKitGroup; group <= kLastKitGroup; ++group)
        {
            const bool under = group == GroupOf(m_exported[i]);
            const bool nearby = ((neighbourGroups | m_usedGroups) >> group & 1) != 0;
            const Choice& c = shades[group - kFirstKitGroup];
            const double score = c.distance + (under ? 0.0 : nearby ? kOtherGroupCost : 2 * kOtherGroupCost);
            if (score < bestScore)
            {
                best = c;
                bestScore = score;
            }
        }
        if (best.distance <= kShadeFit)
        {
            return {best.index, true};
        }
        // A rougher edge (a sharpening filter's overshoot), or a corner where three colours meet: off every
        // two-colour blend, but still between them.
        if (edge.index >= 0 && edge.distance <= kShadeFit)
        {
            return {edge.index, true};
        }
        if (const Choice corner = Side(NearestCorner(colour, lab, colours.data(), count), lab, anchors.data());
            corner.index >= 0 && corner.distance <= kEdgeFit)
        {
            return {corner.index, true};
        }
        return {best.index, false};
    }

    // The nearest blend of two neighbours' colours as painted (anchored or traced, not far ones).
    Choice PaintedEdge(std::size_t i, const std::vector<std::uint8_t>& pixels)
    {
        constexpr std::size_t kWindow = (2 * kRadius + 1) * (2 * kRadius + 1);
        std::array<std::uint8_t, kWindow> indices{};
        std::array<std::uint32_t, kWindow> colours{};
        std::size_t count = 0;
        ForNeighbours(
            i,
            [&](std::size_t j)
            {
                const std::uint32_t c = m_picture.pixels[j];
                if (std::find(colours.begin(), colours.begin() + count, c) == colours.begin() + count)
                {
                    colours[count] = c;
                    indices[count++] = pixels[j];
                }
            },
            true);
        const Lab lab = ToLab(m_picture.pixels[i]);
        return Side(NearestEdge(m_picture.pixels[i], lab, colours.data(), count), lab, indices.data());
    }

    // The nearest shade of each kit group to `colour`; painted areas repeat colours, so each is measured
    // once.
    const std::array<Choice, kKitColourCount>& KitShades(std::uint32_t colour, const Lab& lab)
    {
        auto [it, added] = m_kitShades.try_emplace(colour);
        if (added)
        {
            for (int group = kFirstKitGroup; group <= kLastKitGroup; ++group)
            {
                it->second[group - kFirstKitGroup] = NearestShade(group, lab);
            }
        }
        return it->second;
    }

    // The side of the nearest blend of two (or, at a corner, three) anchors: the anchor with the largest
    // share, at its group's nearest shade (a fixed group keeps the anchor's own index: fixed colours are
    // reached only by their own colours).
    Choice Side(const Blend& blend, const Lab& lab, const std::uint8_t* anchors) const
    {
        if (blend.side < 0)
        {
            return {};
        }
        Choice choice{anchors[blend.side], blend.distance};
        if (IsKitGroup(GroupOf(choice.index)))
        {
            choice.index = NearestShade(GroupOf(choice.index), lab).index;
        }
        return choice;
    }

    const RgbPicture& m_picture;
    const std::vector<std::uint8_t>& m_exported;
    const std::array<std::uint32_t, 256>& m_shown;
    ShownIndex m_index;
    std::array<Lab, kPaletteColours> m_lab{};
    std::uint32_t m_usedGroups = 0;
    std::vector<State> m_state;
    std::unordered_map<std::uint32_t, std::array<Choice, kKitColourCount>> m_kitShades;
    std::uint32_t m_lastColour = 0xFFFFFFFF;
    Lab m_lastLab{};
};

} // namespace

TracedPicture TracePicture(const RgbPicture& picture, const std::vector<std::uint8_t>& exported,
                           const std::array<std::uint32_t, 256>& shown, bool nearest)
{
    Tracer tracer(picture, exported, shown);
    return tracer.Run(nearest);
}

} // namespace tarnix
