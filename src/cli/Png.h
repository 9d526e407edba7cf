#pragma once

#include "archive/Bmp.h"
#include "archive/Result.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tarnix::cli
{

// The bitmap through its colour table as 8-bit RGB rows, `scale` times enlarged: what every PNG backend
// encodes, so that they all give the same pixels.
inline std::vector<std::uint8_t> RgbPixels(const Bitmap8& bitmap, int scale)
{
    const int width = bitmap.width * scale;
    const int height = bitmap.height * scale;
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            const std::uint8_t index = bitmap.At(x / scale, y / scale);
            std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
            p[0] = bitmap.colours[4 * index + 2];
            p[1] = bitmap.colours[4 * index + 1];
            p[2] = bitmap.colours[4 * index];
        }
    }
    return rgb;
}

// Writes an indexed bitmap as a true-colour PNG through its colour table, `scale` times enlarged.
Status WritePng(const std::filesystem::path& path, const Bitmap8& bitmap, int scale = 1);

} // namespace tarnix::cli
