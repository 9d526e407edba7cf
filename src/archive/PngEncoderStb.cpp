#include "archive/PngEncoder.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace tarnix
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

Bytes EncodePng(const RgbPicture& picture)
{
    const std::vector<std::uint8_t> rgb = RgbBytes(picture);
    Bytes encoded;
    if (stbi_write_png_to_func(AppendToBuffer, &encoded, picture.width, picture.height, 3, rgb.data(),
                               picture.width * 3) == 0)
    {
        return {};
    }
    return encoded;
}

} // namespace tarnix
