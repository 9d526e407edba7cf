#pragma once

// A true-colour picture as the core passes it around: what a part looks like in the game, and what a
// user's editor may give back.

#include <cstdint>
#include <vector>

namespace tarnix
{

struct RgbPicture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, top row first

    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

} // namespace tarnix
