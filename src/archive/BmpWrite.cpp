#include "archive/Bmp.h"

#include <algorithm>

namespace tarnix
{

Bytes EncodeBmp8(const Bitmap8& bitmap)
{
    const std::size_t stride = bmp::RowStride(bitmap.width, 8);
    const std::size_t imageSize = stride * std::size_t(bitmap.height);
    BmpHeader h;
    h.fileSize = static_cast<std::uint32_t>(kBmpPixelOffset + imageSize);
    h.pixelOffset = kBmpPixelOffset;
    h.width = bitmap.width;
    h.height = bitmap.height;
    h.bitCount = 8;
    h.imageSize = static_cast<std::uint32_t>(imageSize);
    h.coloursUsed = kPaletteColours;
    h.important = kPaletteColours;
    Bytes out = EncodeBmpHeader(h);
    out.resize(kBmpPixelOffset + imageSize, 0);
    std::copy(bitmap.colours.begin(), bitmap.colours.end(),
              out.begin() + bmp::kFileHeaderSize + bmp::kInfoHeaderSize);
    for (int y = 0; y < bitmap.height; ++y)
    {
        // Bottom-up: the picture's last row is stored first.
        const std::uint8_t* row = bitmap.pixels.data() + std::size_t(y) * bitmap.width;
        std::copy(row, row + bitmap.width,
                  out.begin() + kBmpPixelOffset + std::size_t(bitmap.height - 1 - y) * stride);
    }
    return out;
}

EditedImage AsEditedImage(const Bitmap8& bitmap)
{
    EditedImage image;
    image.width = bitmap.width;
    image.height = bitmap.height;
    image.indexed = true;
    image.colours = bitmap.colours;
    image.colourCount = bitmap.colourCount;
    image.pixels = bitmap.pixels;
    return image;
}

} // namespace tarnix
