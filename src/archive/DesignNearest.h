#pragma once

// Nearest mapping of a design bitmap's foreign pixels (colours the export did not write), pixel by pixel:
// a soft brush's rim or an editor's reduced palette should land in a group the part has, never in a fixed
// group nothing around it has. A pixel that is a blend of two neighbouring colours (or of its neighbour and
// what was stored under it) takes the side it leans to; one close to what was stored under it keeps that;
// any other goes to the nearest of the groups the part holds and the groups of its neighbours.

#include "archive/Fsh.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnix
{

struct DesignPixels
{
    int width = 0;
    const std::vector<std::uint32_t>* colours = nullptr; // each pixel's colour as returned, top row first
    const std::vector<bool>* foreign = nullptr;          // the pixels to map
    std::vector<std::uint8_t>* mapped = nullptr;         // in: the other pixels' indices; out: all of them
};

// `palette`: the part's palette as stored, which distances are measured to. `stored`: the part's pixels
// as stored, when known (else null: every group is a candidate). A pixel whose colour stays close to the
// group stored at its place (an editor's reduced palette moves every colour a little) keeps that group.
// Adds to `byGroup` how many pixels went to each group.
void MapDesignForeign(const DesignPixels& pixels, const ColourTable& palette,
                      const std::vector<std::uint8_t>* stored, std::array<std::size_t, 16>& byGroup);

} // namespace tarnix
