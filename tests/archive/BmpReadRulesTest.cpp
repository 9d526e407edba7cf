#include "archive/Bmp.h"

#include "BmpBuild.h"

#include <gtest/gtest.h>

using namespace tarnix;
using namespace tarnix::test;

// The cases name only the fields that differ from a plain 8-bit file; GCC would warn about every other.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

// The rules of reading that single pictures pin down: where masks, tables and pixels start, what a run may
// do at the edges of its rows, what alpha means, and how many colours a true-colour picture may have.

TEST(Bmp, HeaderReaderTakesTheMasksTheHeaderHolds)
{
    struct Row
    {
        std::uint32_t infoSize, compression;
        bool hasMasks;
        std::uint32_t red, alpha;
    };
    for (const Row& row :
         {Row{40, 0, false, 0, 0}, Row{40, 3, true, 0xFF0000, 0}, Row{40, 6, true, 0xFF0000, 0xFF000000},
          Row{51, 0, false, 0, 0}, Row{52, 0, true, 0xFF0000, 0}, Row{55, 3, true, 0xFF0000, 0},
          Row{56, 0, true, 0xFF0000, 0xFF000000}})
    {
        Bytes b(200, 0);
        b[0] = 'B';
        b[1] = 'M';
        PutU32(b, 14, row.infoSize);
        PutU32(b, 30, row.compression);
        for (auto [at, mask] : {std::pair{54, 0xFF0000u}, {58, 0xFF00u}, {62, 0xFFu}, {66, 0xFF000000u}})
        {
            PutU32(b, at, mask);
        }
        auto h = DecodeBmpHeader(b, "x");
        ASSERT_TRUE(h.ok()) << row.infoSize << ": " << h.error();
        EXPECT_EQ(h->hasMasks, row.hasMasks) << row.infoSize << " " << row.compression;
        EXPECT_EQ(h->redMask, row.red) << row.infoSize << " " << row.compression;
        EXPECT_EQ(h->alphaMask, row.alpha) << row.infoSize << " " << row.compression;
    }
}

namespace
{

// A 4 x 2 picture (top row first) as stored pixels of `bytes` bytes each (0xAARRGGBB, or a 16-bit word),
// bottom row first unless `topDown`.
Bytes Rows(const std::vector<std::uint32_t>& picture, int bytes, bool topDown = false)
{
    Bytes out;
    for (int row = 0; row < 2; ++row)
    {
        for (int x = 0; x < 4; ++x)
        {
            const std::uint32_t v = picture[4 * (topDown ? row : 1 - row) + x];
            for (int k = 0; k < bytes; ++k)
            {
                out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
            }
        }
    }
    return out;
}

std::vector<std::uint32_t> Opaque(std::vector<std::uint32_t> picture)
{
    for (std::uint32_t& p : picture)
    {
        p |= 0xFF000000;
    }
    return picture;
}

const std::vector<std::uint32_t> kMasks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
const std::vector<std::uint32_t> k565 = {0xF800, 0x07E0, 0x001F};
const std::vector<std::uint32_t> k5551Masks = {0xF800, 0x07C0, 0x003E, 0x0001};

Encoding Fields(std::uint32_t info, std::uint16_t bits, std::vector<std::uint32_t> masks, Bytes pixels,
                std::uint32_t compression = 3, std::int32_t height = 2)
{
    return {.infoSize = info,
            .bits = bits,
            .compression = compression,
            .height = height,
            .table = {},
            .masks = std::move(masks),
            .pixels = std::move(pixels)};
}

Encoding NoOffset(Encoding e)
{
    e.pixelOffset = 0;
    return e;
}

} // namespace

TEST(Bmp, ReadingRulesOfEditorsFiles)
{
    struct Case
    {
        const char* what;
        Encoding encoding;
        std::vector<std::uint32_t> expected = kPicture;
        const char* error = nullptr; // refused with this, naming the file
        int colourCount = 4;         // of an indexed picture
    };
    const std::vector<std::uint32_t> odd = {0x010203, 0x7F8081, 0x000001, 0x030303,
                                            0xFEFDFC, 0x102030, 0x123456, 0xABCDEF};
    std::vector<std::uint32_t> clearAt5 = Opaque(kPicture);
    clearAt5[5] = kC | 0x80000000;
    std::vector<std::uint32_t> clearAt0And5 = Opaque(kPicture);
    clearAt0And5[0] = kA | 0x40000000;
    clearAt0And5[5] = kC;
    const std::vector<std::uint32_t> k5551 = {0xF801, 0x07C1, 0x003F, 0xFFFF, 0xFFFF, 0x003F, 0x07C1, 0xF801};
    std::vector<std::uint32_t> k5551Clear = k5551;
    k5551Clear[5] = 0x003E;
    const std::vector<std::uint32_t> as565 = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0xFFFF, 0x001F, 0x07E0, 0xF800};
    const std::vector<std::uint8_t> eight = {3, 2, 1, 0, 0, 1, 2, 3};
    std::vector<std::uint32_t> sixteen(16, 0);
    std::copy(kPicture.begin(), kPicture.begin() + 4, sixteen.begin());
    const std::vector<Case> cases = {
        // True colour: channels, masks and alpha.
        {"32-bit bit fields without a blue mask",
         Fields(40, 32, {0xFF0000, 0xFF00, 0}, Rows(kPicture, 4)),
         {kA, kB, 0, 0xFFFF00, 0xFFFF00, 0, kB, kA}},
        {"32-bit plain, every value of a channel kept", Fields(40, 32, {}, Rows(odd, 4), 0), odd},
        {"32-bit bit fields whose alpha is zero everywhere", Fields(124, 32, kMasks, Rows(kPicture, 4))},
        {"16-bit 5551, alpha in the lowest bit", Fields(56, 16, k5551Masks, Rows(k5551, 2))},
        {"16-bit 5551 with a clear pixel",
         Fields(56, 16, k5551Masks, Rows(k5551Clear, 2)),
         {},
         "has transparent pixels (the first at (1, 1))"},
        {"32-bit plain with an alpha mask in a 56-byte header",
         Fields(56, 32, kMasks, Rows(clearAt5, 4), 0),
         {},
         "has transparent pixels (the first at (1, 1))"},
        {"32-bit top-down, clear at (0, 0) and (1, 1)",
         Fields(124, 32, kMasks, Rows(clearAt0And5, 4, true), 3, -2),
         {},
         "has transparent pixels (the first at (0, 0))"},
        // A pixel offset of zero: the pixels follow the masks and the table.
        {"16-bit bit fields behind a 40-byte header, no pixel offset",
         NoOffset(Fields(40, 16, k565, Rows(as565, 2)))},
        {"32-bit alpha bit fields behind a 40-byte header, no pixel offset",
         NoOffset(Fields(40, 32, kMasks, Rows(Opaque(kPicture), 4), 6))},
        {"8-bit, no pixel offset", {.pixels = eight, .pixelOffset = 0}},
        {"1-bit, colours used 0, no pixel offset",
         {.bits = 1,
          .table = {kA, kD},
          .pixels = {0xA0, 0, 0, 0, 0x50, 0, 0, 0},
          .coloursUsed = 0,
          .pixelOffset = 0},
         {kA, kD, kA, kD, kD, kA, kD, kA},
         nullptr,
         2},
        // Colour tables shorter or longer than declared: the pixels are never read as colours.
        {"4-bit, colours used 0, a gap before the pixels",
         {.bits = 4, .table = sixteen, .pixels = {0x32, 0x10, 0, 0, 0x01, 0x23, 0, 0}, .coloursUsed = 0, .gap = 8},
         kPicture,
         nullptr,
         16},
        {"8-bit declaring 16 colours with room for 4", {.pixels = eight, .coloursUsed = 16}},
        {"1-bit, colours used 0, one colour stored",
         {.bits = 1, .table = {kB}, .pixels = Bytes(8, 0), .coloursUsed = 0},
         std::vector<std::uint32_t>(8, kB),
         nullptr,
         1},
        {"pixels where the table would start",
         {.table = {}, .pixels = eight, .coloursUsed = 0},
         {},
         "has no colour table before its pixels"},
        {"two bytes of a table",
         {.table = {}, .pixels = eight, .coloursUsed = 0, .gap = 2},
         {},
         "has no colour table"},
        // Run-length rows: what lies outside the picture is dropped, a missing end mark is forgiven.
        {"RLE8 runs past the row's end and past the last row",
         {.compression = 1,
          .pixels = {0, 4, 3, 2, 1, 0, 1, 3, 0, 0, 0, 2, 1, 0, 1, 1, 1, 2, 1, 3, 0, 0, 1, 3, 0, 1}}},
        {"RLE8 ending in runs without an end mark",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 0, 1, 0, 1, 1, 1, 2, 1, 3}}},
        {"RLE8 ending in an odd literal run without its pad",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 0, 1, 0, 0, 3, 1, 2, 3}}},
        {"RLE8 with a stray byte after its last row",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 0, 0, 4, 0, 1, 2, 3, 7}}},
        {"RLE8 ending with a jump",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 0, 1, 0, 1, 1, 0, 2, 2, 0}},
         {kA, kB, kA, kA, kD, kC, kB, kA}},
        {"RLE8 cut inside a jump",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 2, 1}},
         {},
         "is RLE-compressed and its data ends inside a jump"},
        {"RLE8 ending before its last row",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0}},
         {},
         "is RLE-compressed and its data ends after 0 of its 2 rows"},
        {"RLE4 runs and literals of odd length",
         {.bits = 4,
          .compression = 2,
          .pixels = {0, 5, 0x01, 0x23, 0x10, 0, 1, 0x20, 0, 0, 6, 0x31, 0, 1},
          .width = 6},
         {kD, kB, kD, kB, kD, kB, kA, kB, kC, kD, kB, kC}},
        // Two bytes of data hold at most 128 x 4 pixels in this reader's bound.
        {"RLE8 of 512 pixels in two bytes",
         {.compression = 1, .height = 16, .pixels = {0, 1}, .width = 32},
         std::vector<std::uint32_t>(512, kA)},
        {"RLE8 of 513 pixels in two bytes",
         {.compression = 1, .height = 19, .pixels = {0, 1}, .width = 27},
         {},
         "its 2 bytes of data cannot hold 27 x 19 pixels"},
    };
    for (const Case& c : cases)
    {
        auto image = DecodeEditedImage(Build(c.encoding), "edited.bmp");
        if (c.error)
        {
            ASSERT_FALSE(image.ok()) << c.what;
            EXPECT_NE(image.error().find("\"edited.bmp\" "), std::string::npos) << c.what;
            EXPECT_NE(image.error().find(c.error), std::string::npos) << c.what << ": " << image.error();
            continue;
        }
        ASSERT_TRUE(image.ok()) << c.what << ": " << image.error();
        EXPECT_EQ(ColoursOf(*image), c.expected) << c.what;
        if (image->indexed)
        {
            EXPECT_EQ(image->colourCount, c.colourCount) << c.what;
        }
        auto bitmap = DecodeBmp8(Build(c.encoding), "edited.bmp");
        ASSERT_TRUE(bitmap.ok()) << c.what << ": " << bitmap.error();
        EXPECT_EQ(ColoursOf({.indexed = true, .colours = bitmap->colours, .pixels = bitmap->pixels}), c.expected)
            << c.what;
    }
}

TEST(Bmp, TrueColourPictureOfAtMost256ColoursGetsATable)
{
    for (int width : {256, 257})
    {
        Encoding e{.bits = 24, .height = 1, .table = {}, .width = width};
        for (int x = 0; x < width; ++x)
        {
            e.pixels.insert(e.pixels.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8), 7});
        }
        e.pixels.resize(bmp::RowStride(width, 24), 0);
        auto bitmap = DecodeBmp8(Build(e), "many.bmp");
        if (width == 257)
        {
            ASSERT_FALSE(bitmap.ok());
            EXPECT_EQ(bitmap.error(), "\"many.bmp\" has more than 256 colours");
            continue;
        }
        ASSERT_TRUE(bitmap.ok()) << bitmap.error();
        EXPECT_EQ(bitmap->colourCount, 256);
        EXPECT_EQ(bitmap->pixels[255], 255);
        EXPECT_EQ(bitmap->colours[4 * 255], 255);
    }
}
