#pragma once

// Which colours a colour is a blend of: an anti-aliased edge mixes the two colours on either side of it
// (three at a corner) in proportion to how much of the pixel each covers. Editors and resamplers mix the
// stored sRGB levels, so the blends are straight lines (and triangles) in RGB; how far a colour lies off
// them is measured in Lab, as every colour distance here is.

#include "archive/LabColour.h"

#include <cstddef>
#include <cstdint>

namespace tarnix
{

struct Blend
{
    int side = -1;           // the position (in the colours given) of the colour with the largest share; -1: none
    double distance = 1e300; // from `colour` to the blend, CIE76
};

// The nearest blend of two of `colours` (0xRRGGBB; `lab` is `colour` in Lab).
Blend NearestEdge(std::uint32_t colour, const Lab& lab, const std::uint32_t* colours, std::size_t count);

// The nearest blend of three of `colours` with every share positive; none when `colour` lies outside each
// triangle (a two-colour blend then fits at least as well).
Blend NearestCorner(std::uint32_t colour, const Lab& lab, const std::uint32_t* colours, std::size_t count);

} // namespace tarnix
