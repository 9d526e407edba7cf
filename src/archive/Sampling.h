#pragma once

// How saving derives the pixels of the twelve rewritten entries from the four large part pictures.

#include "archive/Bmp.h"
#include "archive/JerseyTypes.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnix
{

// The four part pictures (pixels only), indexed by Part.
using PartPictures = std::array<Bitmap8, 4>;

// The entries saving rewrites, in the order they are written. "front" stands for the first record named
// "frhi" or "hjfr".
constexpr std::array<std::string_view, 12> kSavedEntries = {
    "hjbk", "mjbk", "front", "mjfr", "hrsv", "mrsv", "lgar", "luar", "hslv", "mslv", "luga", "ljer",
};

// The row table of "ljer": which picture row each of its 28 rows samples.
constexpr std::array<int, 28> kLjerRows = {0,  2,  4,  6,  8,  10, 12, 14, 16, 19, 22, 25, 28, 30,
                                           32, 35, 38, 41, 44, 47, 49, 51, 53, 55, 57, 59, 61, 63};

// The W x H pixels (top row first) of entry `name` sampled from `parts`, whose sizes must be those of the
// four parts. "front" yields the 128 x 128 front.
std::vector<std::uint8_t> SampleEntry(std::string_view name, const PartPictures& parts);

// The same, written straight to `out`, which must hold the entry's W x H bytes.
void SampleEntryInto(std::string_view name, const PartPictures& parts, std::uint8_t* out);

} // namespace tarnix
