#pragma once

// Which indices show a colour. Several can show one colour (two kit colours alike, a fixed colour a kit ramp
// also holds), so a colour maps to a run of indices in colour order.

#include "archive/ColourLookup.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace tarnix
{

class ShownIndex
{
  public:
    explicit ShownIndex(const std::array<std::uint32_t, 256>& shown) : m_shown(shown)
    {
        std::iota(m_byColour.begin(), m_byColour.end(), 0);
        std::stable_sort(m_byColour.begin(), m_byColour.end(), [&](int a, int b) { return shown[a] < shown[b]; });
        for (int k = 0; k < 256; ++k)
        {
            (void)m_firstOf.Insert(shown[m_byColour[k]], static_cast<std::uint8_t>(k));
        }
    }

    // Calls f(index) for each index showing `colour`, lowest first.
    template <typename F> void ForEach(std::uint32_t colour, F f) const
    {
        const int first = m_firstOf.Find(colour);
        for (int k = first < 0 ? 256 : first; k < 256 && m_shown[m_byColour[k]] == colour; ++k)
        {
            f(m_byColour[k]);
        }
    }

  private:
    std::array<std::uint32_t, 256> m_shown;
    std::array<int, 256> m_byColour{}; // indices in order of their colour (stable: lowest index first)
    ColourLookup m_firstOf;            // colour -> its first place in m_byColour
};

} // namespace tarnix
