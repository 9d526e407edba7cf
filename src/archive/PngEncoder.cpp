#include "archive/PngEncoder.h"

#include <png.h>

#include <csetjmp>
#include <memory>

namespace tarnix
{

namespace
{

void AppendToBuffer(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

} // namespace

Bytes EncodePng(const RgbPicture& picture)
{
    const std::vector<std::uint8_t> rgb = RgbBytes(picture);
    // Behind a pointer that does not change, so that nothing set after setjmp is lost by the longjmp.
    auto encoded = std::make_unique<Bytes>();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr)
    {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, encoded.get(), AppendToBuffer, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
    {
        png_write_row(png, &rgb[std::size_t(y) * std::size_t(picture.width) * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::move(*encoded);
}

} // namespace tarnix
