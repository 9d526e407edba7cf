#pragma once

// Windows bitmaps. We always write the plain 8-bit layout (14-byte file header, 40-byte info header,
// 256-entry colour table, bottom-up rows, pixels at 1078); we read whatever a bitmap editor saves back:
// 1-, 4- and 8-bit tables (plain, RLE4, RLE8), 16-, 24- and 32-bit (plain and bit fields), OS/2 and
// every Windows header size, bottom-up or top-down.

#include "archive/ByteReader.h"
#include "archive/EditedImage.h"
#include "archive/Fsh.h"
#include "archive/PaletteRules.h"
#include "archive/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnix
{

// The header fields, as offsets from the start of the file. The info header's own fields start at 14; a
// 12-byte OS/2 header has 16-bit width and height and no field past the bit count.
namespace bmp
{
constexpr std::size_t kType = 0;         // "BM"
constexpr std::size_t kFileSize = 2;     // u32
constexpr std::size_t kPixelOffset = 10; // u32
constexpr std::size_t kInfoSize = 14;    // u32: 12 (OS/2), 40, 52, 56, 64, 108, 124
constexpr std::size_t kWidth = 18;       // i32 (u16 in OS/2)
constexpr std::size_t kHeight = 22;      // i32, negative for top-down rows (u16 at 20 in OS/2)
constexpr std::size_t kPlanes = 26;      // u16 (at 22 in OS/2)
constexpr std::size_t kBitCount = 28;    // u16 (at 24 in OS/2)
constexpr std::size_t kCompression = 30; // u32
constexpr std::size_t kImageSize = 34;   // u32
constexpr std::size_t kXResolution = 38; // i32
constexpr std::size_t kYResolution = 42; // i32
constexpr std::size_t kColoursUsed = 46; // u32
constexpr std::size_t kImportant = 50;   // u32
constexpr std::size_t kRedMask = 54;     // u32, in 52-byte and longer headers (or behind a 40-byte one)
constexpr std::size_t kGreenMask = 58;
constexpr std::size_t kBlueMask = 62;
constexpr std::size_t kAlphaMask = 66; // in 56-byte and longer headers

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPlainPixelOffset = kFileHeaderSize + kInfoHeaderSize + kPalette32Bytes; // 1078

// Bytes in one stored row: rows are padded to a multiple of four bytes.
constexpr std::uint64_t RowStride(std::uint64_t width, unsigned bits)
{
    return ((width * bits + 31) / 32) * 4;
}

enum Compression : std::uint32_t
{
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6,
};
} // namespace bmp

constexpr std::size_t kBmpFileHeaderSize = bmp::kFileHeaderSize;
constexpr std::size_t kBmpInfoHeaderSize = bmp::kInfoHeaderSize;
constexpr std::size_t kBmpPixelOffset = bmp::kPlainPixelOffset;

// Both headers as one record: what a reader learnt and what a writer puts down.
struct BmpHeader
{
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0; // as stored: negative for top-down rows
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = bmp::kRgb;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t important = 0;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    std::uint32_t alphaMask = 0;
    bool hasMasks = false; // the masks were stored (in the header or behind a 40-byte one)
};

// Writes the 54 bytes of the plain layout (file header and 40-byte info header).
Bytes EncodeBmpHeader(const BmpHeader& header);
// Reads both headers of any supported kind; the file must start with "BM".
Result<BmpHeader> DecodeBmpHeader(ByteView bytes, const std::string& what);

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

// Any supported BMP as an edited image: indexed depths keep their table, the others become true colour.
Result<EditedImage> DecodeBmp(ByteView bytes, const std::string& what);

// Any picture DecodeEditedImage reads, as an indexed bitmap: a true-colour picture gets a table of its
// colours in order of first appearance, and is refused when it has more than 256. For showing a part
// bitmap; composition maps true colour through DecodeEditedImage instead.
Result<Bitmap8> DecodeBmp8(ByteView bytes, const std::string& what);

Result<Bitmap8> ReadBmp8File(const std::filesystem::path& path);

// An indexed bitmap as an edited image, for callers that hold a Bitmap8 already.
EditedImage AsEditedImage(const Bitmap8& bitmap);

} // namespace tarnix
