#include "archive/PngDecoder.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <memory>

namespace tarnix
{

namespace
{

struct Source
{
    ByteView bytes;
    std::size_t at = 0;
};

void ReadFromBuffer(png_structp png, png_bytep out, png_size_t length)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->bytes.size() - source->at)
    {
        png_error(png, "truncated");
    }
    std::memcpy(out, source->bytes.data() + source->at, length);
    source->at += length;
}

// libpng reports through longjmp; the message is kept for ours, with the warning that often says more
// ("Invalid IHDR data" follows "Image width exceeds user limit in IHDR").
void OnError(png_structp png, png_const_charp message)
{
    auto* text = static_cast<std::string*>(png_get_error_ptr(png));
    *text = text->empty() ? std::string(message) : std::string(message) + ": " + *text;
    png_longjmp(png, 1);
}

void OnWarning(png_structp png, png_const_charp message)
{
    auto* text = static_cast<std::string*>(png_get_error_ptr(png));
    *text = message;
}

} // namespace

Result<EditedImage> DecodePng(ByteView bytes, const std::string& what)
{
    using R = Result<EditedImage>;
    const std::string name = "\"" + what + "\"";
    std::string libpngError;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &libpngError, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr)
    {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return R::Fail("cannot read " + name + ": out of memory");
    }
    Source source{bytes};
    // What is filled after setjmp lives behind a pointer that does not change, so that a longjmp back
    // finds it intact and frees it.
    struct State
    {
        EditedImage image;
        std::vector<png_bytep> rows;
        std::vector<std::uint8_t> buffer;
        std::array<std::uint8_t, 256> paletteAlpha;
    };
    const auto state = std::make_unique<State>();
    EditedImage& image = state->image;
    std::vector<png_bytep>& rows = state->rows;
    std::vector<std::uint8_t>& buffer = state->buffer;
    std::array<std::uint8_t, 256>& paletteAlpha = state->paletteAlpha;
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_read_struct(&png, &info, nullptr);
        return R::Fail(name + " is a damaged PNG (" + libpngError + ")");
    }
    png_set_read_fn(png, &source, ReadFromBuffer);
    png_set_user_limits(png, static_cast<png_uint_32>(kMaxPictureDimension),
                        static_cast<png_uint_32>(kMaxPictureDimension));
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const int colourType = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);

    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.indexed = colourType == PNG_COLOR_TYPE_PALETTE;
    paletteAlpha.fill(255);
    if (image.indexed)
    {
        png_colorp palette = nullptr;
        int entries = 0;
        png_get_PLTE(png, info, &palette, &entries);
        image.colourCount = std::clamp(entries, 0, 256);
        for (int i = 0; i < image.colourCount; ++i)
        {
            image.colours[4 * i] = palette[i].blue;
            image.colours[4 * i + 1] = palette[i].green;
            image.colours[4 * i + 2] = palette[i].red;
        }
        png_bytep alpha = nullptr;
        int alphaCount = 0;
        if (png_get_tRNS(png, info, &alpha, &alphaCount, nullptr) != 0 && alpha != nullptr)
        {
            std::copy_n(alpha, std::clamp(alphaCount, 0, 256), paletteAlpha.begin());
        }
        if (depth < 8)
        {
            png_set_packing(png);
        }
    }
    else
    {
        png_set_expand(png); // grey below 8 bits, and tRNS as a real alpha channel
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER); // RGB becomes RGBA with opaque alpha
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    // Deflate packs at most about 1,032 bytes into one: a small file promising a large picture is refused
    // before the picture is allocated.
    if (std::uint64_t(rowBytes) * height > 1100 * std::uint64_t(bytes.size()) + 65536)
    {
        png_destroy_read_struct(&png, &info, nullptr);
        return R::Fail(name + " is too short (" + std::to_string(bytes.size()) + " bytes) for its " +
                       std::to_string(width) + " x " + std::to_string(height) + " pixels");
    }
    buffer.resize(rowBytes * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
    {
        rows[y] = buffer.data() + std::size_t(y) * rowBytes;
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    const std::size_t count = std::size_t(width) * height;
    if (image.indexed)
    {
        image.pixels.resize(count);
        for (std::size_t y = 0; y < height; ++y)
        {
            std::copy_n(rows[y], width, image.pixels.begin() + y * width);
        }
    }
    else
    {
        image.rgb.resize(count);
    }
    for (std::size_t y = 0; y < height; ++y)
    {
        for (std::size_t x = 0; x < width; ++x)
        {
            std::uint8_t a = 255;
            if (image.indexed)
            {
                a = paletteAlpha[image.pixels[y * width + x]];
            }
            else
            {
                const std::uint8_t* p = rows[y] + 4 * x;
                image.rgb[y * width + x] = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
                a = p[3];
            }
            if (a != 255)
            {
                return R::Fail(name + " has transparent pixels (the first at (" + std::to_string(x) + ", " +
                               std::to_string(y) + "), alpha " + std::to_string(a) +
                               "); paint them with a jersey colour and save without transparency");
            }
        }
    }
    return std::move(image);
}

} // namespace tarnix
