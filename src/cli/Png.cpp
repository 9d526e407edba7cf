#include "cli/Png.h"

#include "archive/FileIO.h"
#include "archive/PngEncoder.h"

namespace tarnix::cli
{

RgbPicture ScaledRgb(const Bitmap8& bitmap, int scale)
{
    RgbPicture picture{bitmap.width * scale, bitmap.height * scale, {}};
    picture.pixels.resize(std::size_t(picture.width) * std::size_t(picture.height));
    for (int y = 0; y < picture.height; ++y)
    {
        for (int x = 0; x < picture.width; ++x)
        {
            const std::size_t at = 4 * std::size_t(bitmap.At(x / scale, y / scale));
            picture.pixels[std::size_t(y) * std::size_t(picture.width) + std::size_t(x)] =
                std::uint32_t(bitmap.colours[at + 2]) << 16 | std::uint32_t(bitmap.colours[at + 1]) << 8 |
                bitmap.colours[at];
        }
    }
    return picture;
}

Status WritePng(const std::filesystem::path& path, const Bitmap8& bitmap, int scale)
{
    const Bytes encoded = EncodePng(ScaledRgb(bitmap, scale));
    if (encoded.empty())
    {
        return Status::Fail("cannot encode \"" + PathText(path) + "\" as PNG");
    }
    return WriteFileAtomic(path, encoded);
}

} // namespace tarnix::cli
