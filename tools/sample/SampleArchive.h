#pragma once

// Builds FSH archives from scratch: for the sample game folder, the tests, the benchmarks and the fuzz
// seeds. Real archives are never needed.

#include "archive/ByteReader.h"
#include "archive/Fsh.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarnix::sample
{

constexpr std::uint8_t kPaletteType24 = 0x24; // 3 bytes per colour, red green blue

struct EntrySpec
{
    std::string name; // four characters
    int width = 0;    // 0: from the name's geometry
    int height = 0;
    std::vector<std::uint8_t> pixels; // width x height, top row first; zero-filled when short
    std::uint8_t paletteType = kPaletteType32;
    ColourTable colours{}; // blue, green, red, (alpha) per entry
};

// Entries are laid out back to back after the directory, in the given order. The total size is the length
// of the archive data.
Bytes BuildArchive(const std::vector<EntrySpec>& entries, const std::string& directoryId = "GIMX");

// A colour table with the given 0xRRGGBB colours.
ColourTable TableFromRgb(const std::vector<std::uint32_t>& rgb);

} // namespace tarnix::sample
