// The PNG backend of the Windows build: stb_image_write, header-only, so that no libpng has to be built for
// Windows. It encodes the same pixels as the libpng backend; its compressed bytes differ.

#include "cli/Png.h"

#include "archive/FileIO.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace tarnix::cli
{

namespace
{

void AppendToBuffer(void* context, void* data, int size)
{
    auto* out = static_cast<Bytes*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

Status WritePng(const std::filesystem::path& path, const Bitmap8& bitmap, int scale)
{
    const int width = bitmap.width * scale;
    const int height = bitmap.height * scale;
    const std::vector<std::uint8_t> rgb = RgbPixels(bitmap, scale);
    Bytes encoded;
    if (stbi_write_png_to_func(AppendToBuffer, &encoded, width, height, 3, rgb.data(), width * 3) == 0)
    {
        return Status::Fail("cannot encode \"" + PathText(path) + "\" as PNG");
    }
    return WriteFileAtomic(path, encoded);
}

} // namespace tarnix::cli
