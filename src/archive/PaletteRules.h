#pragma once

// The palette indices and sizes that carry a meaning of their own, in one place.

#include <cstddef>
#include <cstdint>

namespace tarnix
{

constexpr int kPaletteColours = 256;
// An archive palette of another record type than 0x2A stores red, green, blue: 256 x 3 bytes.
constexpr std::size_t kPalette24Bytes = 768;
// A 0x2A archive palette (blue, green, red, alpha) and every BMP colour table we write (blue, green,
// red, 0): 256 x 4 bytes.
constexpr std::size_t kPalette32Bytes = 1024;

// A pixel is a colour group (high nibble) and a shade (low nibble); shade 15 is the colour itself, and the
// design bitmaps show every group at that shade.
constexpr int kGroupSize = 16;
constexpr std::uint8_t kShadeMask = 0x0F;
constexpr std::uint8_t kGroupMask = 0xF0;
constexpr std::uint8_t kFullShade = 15;

// Group 12 is a fixed grey ramp that no kit colour recolours. Its first entry is the badge colour: a
// design pixel painted 192 stays 192 whatever its shade bitmap says, so a badge keeps one flat colour.
constexpr std::uint8_t kBadgeIndex = 192;
constexpr int kGreyGroup = 12;

// The export keeps 240 as 240 in a design bitmap instead of raising it to 255 like the rest of group 15,
// so a design shows that entry in its own colour; it merges like any other group-15 pixel.
constexpr std::uint8_t kKeptIndex240 = 240;

// Groups 2-8 (indices 32-143) are recoloured by the seven kit colours; the design page names 47, 63, 79.
constexpr int kFirstKitGroup = 2;
constexpr int kLastKitGroup = 8;

constexpr int FullShadeIndex(int group)
{
    return group * kGroupSize + kFullShade;
}

} // namespace tarnix
