#include "archive/Bmp.h"

#include "archive/FileIO.h"

#include <algorithm>

namespace tarnix
{

namespace
{

// Bitmaps larger than this are not jersey parts; the bound also keeps a forged header from asking for
// gigabytes.
constexpr std::int64_t kMaxDimension = 4096;

std::size_t Stride(int width)
{
    return (std::size_t(width) + 3) & ~std::size_t(3);
}

} // namespace

Bytes EncodeBmp8(const Bitmap8& bitmap)
{
    const std::size_t stride = Stride(bitmap.width);
    const std::size_t imageSize = stride * std::size_t(bitmap.height);
    Bytes out(kBmpPixelOffset + imageSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    PutU32(out, 10, kBmpPixelOffset);
    PutU32(out, 14, kBmpInfoHeaderSize);
    PutU32(out, 18, static_cast<std::uint32_t>(bitmap.width));
    PutU32(out, 22, static_cast<std::uint32_t>(bitmap.height));
    PutU16(out, 26, 1);
    PutU16(out, 28, 8);
    PutU32(out, 30, 0);
    PutU32(out, 34, static_cast<std::uint32_t>(imageSize));
    PutU32(out, 46, 256);
    PutU32(out, 50, 256);
    std::copy(bitmap.colours.begin(), bitmap.colours.end(), out.begin() + 54);
    for (int y = 0; y < bitmap.height; ++y)
    {
        // Bottom-up: the picture's last row is stored first.
        const std::uint8_t* row = bitmap.pixels.data() + std::size_t(y) * bitmap.width;
        std::copy(row, row + bitmap.width,
                  out.begin() + kBmpPixelOffset + std::size_t(bitmap.height - 1 - y) * stride);
    }
    return out;
}

Result<Bitmap8> DecodeBmp8(ByteView bytes, const std::string& what)
{
    using R = Result<Bitmap8>;
    ByteReader reader(bytes);
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
    {
        return R::Fail("\"" + what + "\" is not a BMP bitmap");
    }
    if (!reader.Has(0, kBmpFileHeaderSize + 4))
    {
        return R::Fail("\"" + what + "\" is truncated inside its header (" + std::to_string(bytes.size()) +
                       " bytes)");
    }
    const std::uint32_t pixelOffset = *reader.U32(10);
    const std::uint32_t infoSize = *reader.U32(14);
    if (infoSize < kBmpInfoHeaderSize || !reader.Has(kBmpFileHeaderSize, infoSize))
    {
        return R::Fail("\"" + what + "\" has an unsupported or truncated bitmap header (" +
                       std::to_string(infoSize) + " bytes); save it as a Windows BMP");
    }
    const std::int32_t width = *reader.I32(18);
    const std::int32_t rawHeight = *reader.I32(22);
    const std::uint16_t bits = *reader.U16(28);
    const std::uint32_t compression = *reader.U32(30);
    const std::uint32_t coloursUsed = *reader.U32(46);
    if (bits != 8)
    {
        return R::Fail("\"" + what + "\" is a " + std::to_string(bits) +
                       "-bit bitmap; save it as an 8-bit (256-colour) bitmap");
    }
    if (compression != 0)
    {
        return R::Fail("\"" + what + "\" is compressed (compression " + std::to_string(compression) +
                       "); save it as an uncompressed 8-bit bitmap");
    }
    const std::int64_t height = rawHeight < 0 ? -std::int64_t(rawHeight) : rawHeight;
    if (width <= 0 || height == 0 || width > kMaxDimension || height > kMaxDimension)
    {
        return R::Fail("\"" + what + "\" has an unusable size of " + std::to_string(width) + " x " +
                       std::to_string(rawHeight) + " pixels");
    }
    if (coloursUsed > 256)
    {
        return R::Fail("\"" + what + "\" declares " + std::to_string(coloursUsed) +
                       " colours; an 8-bit bitmap has at most 256");
    }
    Bitmap8 bitmap;
    bitmap.width = width;
    bitmap.height = static_cast<int>(height);
    bitmap.colourCount = coloursUsed == 0 ? 256 : static_cast<int>(coloursUsed);
    const std::uint64_t tableOffset = kBmpFileHeaderSize + std::uint64_t(infoSize);
    auto table = reader.Span(tableOffset, 4u * bitmap.colourCount);
    if (!table)
    {
        return R::Fail("\"" + what + "\" is truncated inside its colour table");
    }
    std::copy(table->begin(), table->end(), bitmap.colours.begin());
    for (int i = 0; i < bitmap.colourCount; ++i)
    {
        bitmap.colours[4 * i + 3] = 0;
    }
    const std::size_t stride = Stride(width);
    if (!reader.Has(pixelOffset, stride * std::uint64_t(height) - (stride - width)))
    {
        return R::Fail("\"" + what + "\" is truncated: its " + std::to_string(height) + " rows of " +
                       std::to_string(width) + " pixels do not fit in its " + std::to_string(bytes.size()) +
                       " bytes");
    }
    bitmap.pixels.resize(std::size_t(width) * std::size_t(height));
    const bool bottomUp = rawHeight > 0;
    for (std::int64_t y = 0; y < height; ++y)
    {
        std::int64_t stored = bottomUp ? height - 1 - y : y;
        const std::uint8_t* row = bytes.data() + pixelOffset + std::size_t(stored) * stride;
        std::copy(row, row + width, bitmap.pixels.begin() + std::size_t(y) * width);
    }
    return bitmap;
}

Result<Bitmap8> ReadBmp8File(const std::filesystem::path& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        return bytes.status();
    }
    return DecodeBmp8(*bytes, PathText(path));
}

} // namespace tarnix
