#pragma once

// The one place that knows how to write a PNG. Linux builds use libpng, the Windows build stb_image_write
// (PngEncoderStb.cpp); both encode the same pixels, their compressed bytes differ.

#include "archive/ByteReader.h"
#include "archive/RgbPicture.h"

namespace tarnix
{

// An 8-bit RGB PNG of `picture`; empty when the encoder fails (it only can when memory runs out).
Bytes EncodePng(const RgbPicture& picture);

// The picture as 8-bit R, G, B bytes, row after row: what both encoders take.
inline std::vector<std::uint8_t> RgbBytes(const RgbPicture& picture)
{
    std::vector<std::uint8_t> rgb(picture.pixels.size() * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
    {
        rgb[3 * i] = static_cast<std::uint8_t>(picture.pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<std::uint8_t>(picture.pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<std::uint8_t>(picture.pixels[i]);
    }
    return rgb;
}

} // namespace tarnix
