#pragma once

// 8-bit indexed Windows bitmaps. We always write the plain layout (14-byte file header, 40-byte info
// header, 256-entry colour table, bottom-up rows, pixels at 1078); we read whatever a bitmap editor saves
// back, as long as it is an uncompressed 8-bit bitmap.

#include "archive/ByteReader.h"
#include "archive/Fsh.h"
#include "archive/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnix
{

constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;
constexpr std::size_t kBmpPixelOffset = 1078;

struct Bitmap8
{
    int width = 0;
    int height = 0;
    ColourTable colours{};            // blue, green, red, 0 per entry
    int colourCount = 256;            // entries the file's colour table held (the rest of `colours` is zero)
    std::vector<std::uint8_t> pixels; // width x height, top row first

    std::uint8_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    std::uint8_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
};

// The exact bytes of our plain layout. Rows are padded to four bytes as the format asks; every part we
// write is a multiple of four wide, so none of ours has padding.
Bytes EncodeBmp8(const Bitmap8& bitmap);

// Reads a bitmap through its own headers: pixel offset, 40-, 52-, 56-, 108- or 124-byte info headers,
// bottom-up or top-down rows, fewer than 256 colours. `what` names the file in messages.
Result<Bitmap8> DecodeBmp8(ByteView bytes, const std::string& what);

Result<Bitmap8> ReadBmp8File(const std::filesystem::path& path);

} // namespace tarnix
