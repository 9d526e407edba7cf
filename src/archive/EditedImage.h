#pragma once

// A picture as the user's editor saved it, read by its content whatever its name: a BMP of any common
// depth and header, or a PNG. Indexed pictures keep their own colour table, so that a part bitmap can be
// traced back through its indices; true-colour pictures keep a colour per pixel.

#include "archive/ByteReader.h"
#include "archive/Fsh.h"
#include "archive/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnix
{

// Pictures larger than this are not jersey parts; the bound also keeps a forged header from asking for
// gigabytes.
constexpr std::int64_t kMaxPictureDimension = 4096;

struct EditedImage
{
    int width = 0;
    int height = 0;
    bool indexed = true;
    ColourTable colours{};            // indexed: blue, green, red, 0 per entry
    int colourCount = 0;              // indexed: entries the file's table held (the rest are zero)
    std::vector<std::uint8_t> pixels; // indexed: width x height indices, top row first
    std::vector<std::uint32_t> rgb;   // true colour: width x height 0xRRGGBB, top row first

    std::uint32_t TableColour(int index) const
    {
        const std::size_t at = 4 * std::size_t(index);
        return std::uint32_t(colours[at + 2]) << 16 | std::uint32_t(colours[at + 1]) << 8 | colours[at];
    }
};

// "BM" decodes as a BMP, the PNG signature as a PNG, whatever the file is called. `what` names the file
// in messages.
Result<EditedImage> DecodeEditedImage(ByteView bytes, const std::string& what);

Result<EditedImage> ReadEditedImageFile(const std::filesystem::path& path);

// "#RRGGBB", as colour pickers show it.
std::string ColourText(std::uint32_t rgb);

} // namespace tarnix
