#include "cli/Png.h"

#include "archive/FileIO.h"

#include <png.h>

namespace tarnix::cli
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

Status WritePng(const std::filesystem::path& path, const Bitmap8& bitmap, int scale)
{
    const int width = bitmap.width * scale;
    const int height = bitmap.height * scale;
    const std::vector<std::uint8_t> rgb = RgbPixels(bitmap, scale);

    Bytes encoded;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr)
    {
        png_destroy_write_struct(&png, nullptr);
        return Status::Fail("cannot encode a PNG: out of memory");
    }
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        return Status::Fail("cannot encode \"" + PathText(path) + "\" as PNG");
    }
    png_set_write_fn(png, &encoded, AppendToBuffer, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
    {
        png_write_row(png, &rgb[std::size_t(y) * width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return WriteFileAtomic(path, encoded);
}

} // namespace tarnix::cli
