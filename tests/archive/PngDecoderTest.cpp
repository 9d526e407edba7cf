#include "archive/EditedImage.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

using namespace tarnix;

namespace
{

void Append(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// A 2 x 1 PNG of the given type, rows as libpng takes them.
Bytes EncodePng(int colourType, int depth, const Bytes& row, const std::vector<png_color>& palette = {},
                const Bytes& alpha = {})
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, Append, nullptr);
    png_set_IHDR(png, info, 2, 1, depth, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
    {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    if (!alpha.empty())
    {
        png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
    }
    png_write_info(png, info);
    Bytes copy = row;
    png_write_row(png, copy.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace

TEST(PngDecoder, EveryColourTypeReadsItsColoursAndTransparencyIsRefused)
{
    const std::vector<png_color> palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    auto indexed = DecodeEditedImage(EncodePng(PNG_COLOR_TYPE_PALETTE, 2, {0x90}, palette), "x.bmp");
    ASSERT_TRUE(indexed.ok()) << indexed.error();
    EXPECT_TRUE(indexed->indexed);
    EXPECT_EQ(indexed->pixels, (std::vector<std::uint8_t>{2, 1}));
    EXPECT_EQ(indexed->TableColour(2), 0x46505Au);

    auto grey = DecodeEditedImage(EncodePng(PNG_COLOR_TYPE_GRAY, 8, {7, 200}), "x.png");
    ASSERT_TRUE(grey.ok()) << grey.error();
    EXPECT_EQ(grey->rgb, (std::vector<std::uint32_t>{0x070707, 0xC8C8C8}));

    auto deep = DecodeEditedImage(
        EncodePng(PNG_COLOR_TYPE_RGB, 16, {1, 0, 2, 0, 3, 0, 0xAB, 0xAB, 0, 0, 0xFF, 0xFF}), "x.png");
    ASSERT_TRUE(deep.ok()) << deep.error();
    EXPECT_EQ(deep->rgb, (std::vector<std::uint32_t>{0x010203, 0xAB00FF}));

    auto clear = DecodeEditedImage(EncodePng(PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 255, 4, 5, 6, 0}), "x.png");
    ASSERT_FALSE(clear.ok());
    EXPECT_EQ(clear.error(), "\"x.png\" has transparent pixels (the first at (1, 0), alpha 0); paint them with a "
                             "jersey colour and save without transparency");
    auto clearIndex =
        DecodeEditedImage(EncodePng(PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, palette, {255, 128}), "x.png");
    ASSERT_FALSE(clearIndex.ok());

    Bytes cut = EncodePng(PNG_COLOR_TYPE_GRAY, 8, {7, 200});
    cut.resize(cut.size() - 20);
    auto damaged = DecodeEditedImage(cut, "x.png");
    ASSERT_FALSE(damaged.ok());
    EXPECT_NE(damaged.error().find("\"x.png\" is a damaged PNG"), std::string::npos) << damaged.error();

    // A forged width is refused from the header, before anything is allocated for it.
    Bytes huge = EncodePng(PNG_COLOR_TYPE_GRAY, 8, {7, 200});
    huge[17] = 1; // width 65,536 (big-endian), with the chunk's checksum made to match
    const uLong crc = crc32(0, huge.data() + 12, 17);
    for (int k = 0; k < 4; ++k)
    {
        huge[29 + k] = static_cast<std::uint8_t>(crc >> (24 - 8 * k));
    }
    auto forged = DecodeEditedImage(huge, "x.png");
    ASSERT_FALSE(forged.ok());
    EXPECT_NE(forged.error().find("width"), std::string::npos) << forged.error();
}
