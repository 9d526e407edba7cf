#pragma once

// Tracing a returned true-colour picture of a part back to palette indices. The picture was exported with
// every pixel in the colour the game shows for its index (kit groups in the kit colours); the user painted
// over it with any brush. The rules, in order:
//  - a pixel that still shows what was exported there keeps its index, even where two groups show the same
//    colour;
//  - a colour some group shows exactly gets that group and shade (kit ramps before fixed groups); where
//    several groups show it, the group most of its neighbours have;
//  - a blend of two neighbouring colours (an anti-aliased edge) gets the group of the side it leans to, at
//    that group's shade nearest to it; a fixed group only when that side is one;
//  - paint darker or lighter than a kit colour keeps the group it was painted over (or a neighbour's) and
//    moves the shade;
//  - anything else is far from what the part can mean: refused, or under `nearest` mapped to the nearest
//    kit shade.

#include "archive/Bmp.h"
#include "archive/JerseyTypes.h"
#include "archive/RgbPicture.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnix
{

// How far (CIE76) a colour may lie from a blend of two neighbouring colours and still count as their
// edge: resampling rounds each channel and a sharpening filter overshoots by a few levels.
constexpr double kEdgeFit = 6.0;
// How far a colour may lie from a group's nearest shade and still count as paint of that group, darker or
// lighter. A kit ramp's neighbouring shades lie some 3-8 apart; a colour 40% darker than a kit colour
// meets a ramp that was drawn with a tint within this.
constexpr double kShadeFit = 14.0;

// Per changed pixel, how it was traced, by the group it went to.
struct PictureGroupCounts
{
    std::array<std::size_t, 16> exact{};   // its colour is one the group shows
    std::array<std::size_t, 16> traced{};  // an edge between two colours, or paint darker or lighter
    std::array<std::size_t, 16> nearest{}; // far from everything; mapped only as asked (--nearest)
};

struct TracedPicture
{
    std::vector<std::uint8_t> pixels; // top row first
    PictureGroupCounts counts;
    std::size_t farPixels = 0;        // pixels far from everything the part can mean
    std::size_t firstFar = 0;         // the first of them, as an offset into the pixels
    std::uint32_t firstFarColour = 0; // and its colour
};

// `shown`: the colour of each index as exported (see ShownColour); `exported`: the indices at export, the
// picture's size. With `nearest` false the far pixels' indices are left as exported.
TracedPicture TracePicture(const RgbPicture& picture, const std::vector<std::uint8_t>& exported,
                           const std::array<std::uint32_t, 256>& shown, bool nearest);

// The named kit colours (of the 24) whose ramps hold a shade close to `colour`, or at least the three
// closest, closest first: "Blue (13), Navy (15), Dark Blue (14)".
std::string KitColoursNear(std::uint32_t colour);

} // namespace tarnix
