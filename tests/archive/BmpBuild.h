#pragma once

// Bitmaps laid out byte by byte as other programs write them, for the reader's tests.

#include "archive/Bmp.h"

#include <cstdint>
#include <vector>

namespace tarnix::test
{

// The picture most encodings store: A B C D over D C B A (red, green, blue, white).
constexpr std::uint32_t kA = 0xFF0000, kB = 0x00FF00, kC = 0x0000FF, kD = 0xFFFFFF;
inline const std::vector<std::uint32_t> kPicture = {kA, kB, kC, kD, kD, kC, kB, kA};

struct Encoding
{
    std::uint32_t infoSize = 40;
    std::uint16_t bits = 8;
    std::uint32_t compression = 0;
    std::int32_t height = 2; // negative: top-down
    std::vector<std::uint32_t> table = {kA, kB, kC, kD};
    std::vector<std::uint32_t> masks; // red, green, blue[, alpha]
    Bytes pixels;
    std::int32_t width = 4;
    std::int64_t coloursUsed = -1; // -1: the table's size
    std::int64_t pixelOffset = -1; // -1: where the pixels are
    std::size_t gap = 0;           // bytes (0xEE) between the table and the pixels
};

inline Bytes Build(const Encoding& e)
{
    const bool os2 = e.infoSize == 12;
    Bytes out(14 + e.infoSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 14, e.infoSize);
    if (os2)
    {
        PutU16(out, 18, static_cast<std::uint16_t>(e.width));
        PutU16(out, 20, static_cast<std::uint16_t>(e.height));
        PutU16(out, 22, 1);
        PutU16(out, 24, e.bits);
    }
    else
    {
        PutU32(out, 18, static_cast<std::uint32_t>(e.width));
        PutU32(out, 22, static_cast<std::uint32_t>(e.height));
        PutU16(out, 26, 1);
        PutU16(out, 28, e.bits);
        PutU32(out, 30, e.compression);
        PutU32(out, 46, static_cast<std::uint32_t>(e.coloursUsed < 0 ? e.table.size() : e.coloursUsed));
    }
    if (e.infoSize == 40 && !e.masks.empty())
    {
        out.resize(54 + 4 * e.masks.size(), 0); // masks behind a 40-byte header
    }
    for (std::size_t k = 0; k < e.masks.size(); ++k)
    {
        PutU32(out, 54 + 4 * k, e.masks[k]);
    }
    for (std::uint32_t colour : e.table)
    {
        out.push_back(static_cast<std::uint8_t>(colour));
        out.push_back(static_cast<std::uint8_t>(colour >> 8));
        out.push_back(static_cast<std::uint8_t>(colour >> 16));
        if (!os2)
        {
            out.push_back(0);
        }
    }
    out.resize(out.size() + e.gap, 0xEE);
    PutU32(out, 10, static_cast<std::uint32_t>(e.pixelOffset < 0 ? out.size() : e.pixelOffset));
    out.insert(out.end(), e.pixels.begin(), e.pixels.end());
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

inline std::vector<std::uint32_t> ColoursOf(const EditedImage& image)
{
    if (!image.indexed)
    {
        return image.rgb;
    }
    std::vector<std::uint32_t> colours;
    for (std::uint8_t p : image.pixels)
    {
        colours.push_back(image.TableColour(p));
    }
    return colours;
}

} // namespace tarnix::test
