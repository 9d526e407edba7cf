#include "archive/Bmp.h"

#include "BmpBuild.h"

#include <gtest/gtest.h>

using namespace tarnix;
using namespace tarnix::test;

namespace
{

Bitmap8 Sample(int width, int height)
{
    Bitmap8 b;
    b.width = width;
    b.height = height;
    for (int i = 0; i < 256; ++i)
    {
        b.colours[4 * i] = static_cast<std::uint8_t>(i);
        b.colours[4 * i + 1] = static_cast<std::uint8_t>(i ^ 0x55);
        b.colours[4 * i + 2] = static_cast<std::uint8_t>(255 - i);
    }
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            b.pixels.push_back(static_cast<std::uint8_t>(x * 3 + y * 7));
        }
    }
    return b;
}

// Re-lays `plain` (our layout) with a longer info header and optionally top-down rows, as editors do.
Bytes WithHeader(const Bitmap8& bitmap, std::uint32_t infoSize, bool topDown)
{
    Bytes plain = EncodeBmp8(bitmap);
    Bytes out(plain.begin(), plain.begin() + 54);
    PutU32(out, 14, infoSize);
    out.resize(14 + infoSize, 0);
    out.insert(out.end(), plain.begin() + 54, plain.begin() + 1078);
    const std::uint32_t pixelOffset = static_cast<std::uint32_t>(out.size() + 6); // a gap, honoured by the offset
    out.resize(pixelOffset, 0xEE);
    PutU32(out, 10, pixelOffset);
    const std::size_t stride = plain.size() > 1078 ? (plain.size() - 1078) / bitmap.height : 0;
    for (int row = 0; row < bitmap.height; ++row)
    {
        int stored = topDown ? bitmap.height - 1 - row : row;
        out.insert(out.end(), plain.begin() + 1078 + stored * stride,
                   plain.begin() + 1078 + (stored + 1) * stride);
    }
    if (topDown)
    {
        PutU32(out, 22, static_cast<std::uint32_t>(-bitmap.height));
    }
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

} // namespace

TEST(Bmp, RoundTripsOurOwnLayout)
{
    for (auto [w, h] : {std::pair{128, 128}, {64, 48}, {10, 24}, {1, 1}})
    {
        Bitmap8 b = Sample(w, h);
        Bytes bytes = EncodeBmp8(b);
        auto back = DecodeBmp8(bytes, "x");
        ASSERT_TRUE(back.ok()) << back.error();
        EXPECT_EQ(back->pixels, b.pixels);
        EXPECT_EQ(back->colours, b.colours);
    }
    EXPECT_EQ(EncodeBmp8(Sample(64, 48)).size(), 4150u);
    EXPECT_EQ(EncodeBmp8(Sample(10, 24)).size(), 1078u + 12 * 24); // rows padded to four bytes
}

TEST(Bmp, ReadsEditorHeadersAndTopDownRows)
{
    Bitmap8 b = Sample(64, 64);
    for (std::uint32_t info : {40u, 52u, 56u, 108u, 124u})
    {
        for (bool topDown : {false, true})
        {
            auto back = DecodeBmp8(WithHeader(b, info, topDown), "edited.bmp");
            ASSERT_TRUE(back.ok()) << info << " " << back.error();
            EXPECT_EQ(back->pixels, b.pixels) << info << " " << topDown;
            EXPECT_EQ(back->colours, b.colours);
        }
    }
}

TEST(Bmp, FewerColoursLeaveTheRestOfTheTableEmpty)
{
    Bitmap8 b = Sample(8, 2);
    Bytes bytes = EncodeBmp8(b);
    // Keep 16 colours in the table and move the pixels up.
    PutU32(bytes, 46, 16);
    bytes.erase(bytes.begin() + 54 + 64, bytes.begin() + 1078);
    PutU32(bytes, 10, 54 + 64);
    auto back = DecodeBmp8(bytes, "x");
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back->colourCount, 16);
    EXPECT_EQ(back->colours[4 * 15], 15);
    EXPECT_EQ(back->colours[4 * 16], 0);
    EXPECT_EQ(back->pixels, b.pixels);
}

namespace
{

// An 8-bit bitmap's header turned into a 32-bit one with bit fields (compression 3) or alpha bit fields
// (6), its masks where the colour table began.
void BitFields(Bytes& b, std::uint32_t compression)
{
    PutU16(b, 28, 32);
    PutU32(b, 30, compression);
    for (auto [at, mask] : {std::pair{54, 0xFF0000u}, {58, 0xFF00u}, {62, 0xFFu}, {66, 0xFF000000u}})
    {
        PutU32(b, at, mask);
    }
}

} // namespace

TEST(Bmp, HostileHeadersAreRefusedWithAReason)
{
    const Bytes good = EncodeBmp8(Sample(64, 64));
    struct Case
    {
        const char* what;
        std::function<void(Bytes&)> damage;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"not BM", [](Bytes& b) { b[0] = 'P'; }, "is neither a BMP nor a PNG picture"},
        {"24-bit", [](Bytes& b) { PutU16(b, 28, 24); }, "rows of 64 24-bit pixels do not fit"},
        {"RLE", [](Bytes& b) { PutU32(b, 30, 1); }, "is RLE-compressed and its data ends"},
        {"JPEG", [](Bytes& b) { PutU32(b, 30, 4); }, "is a JPEG picture wrapped in a BMP; save"},
        {"RLE8 at 24 bits", [](Bytes& b) { PutU16(b, 28, 24), PutU32(b, 30, 1); },
         "is RLE-compressed at 24 bits;"},
        {"compression 7", [](Bytes& b) { PutU32(b, 30, 7); }, "(compression 7); save"},
        {"RLE promising 4096 x 4096", [](Bytes& b) { PutU32(b, 30, 1), PutU32(b, 18, 4096), PutU32(b, 22, 4096); },
         "bytes of data cannot hold 4096 x 4096 pixels"},
        {"2-bit", [](Bytes& b) { PutU16(b, 28, 2); }, "is a 2-bit bitmap"},
        {"masks with gaps", [](Bytes& b) { PutU16(b, 28, 32), PutU32(b, 30, 3), PutU32(b, 54, 0x00FF00FF); },
         "colour masks with gaps"},
        {"gap in the red mask alone", [](Bytes& b) { BitFields(b, 6), PutU32(b, 54, 0x00FF0F00); },
         "masks with gaps"},
        {"gap in the green mask alone", [](Bytes& b) { BitFields(b, 6), PutU32(b, 58, 0xF0F0); },
         "masks with gaps"},
        {"gap in the alpha mask alone", [](Bytes& b) { BitFields(b, 6), PutU32(b, 66, 0xF0F00000); },
         "masks with gaps"},
        {"cut inside its blue mask", [](Bytes& b) { BitFields(b, 3), b.resize(65); },
         "truncated inside its colour masks"},
        {"cut after its blue mask", [](Bytes& b) { BitFields(b, 3), b.resize(66); }, "is truncated: its 64 rows"},
        {"cut inside its alpha mask", [](Bytes& b) { BitFields(b, 6), b.resize(69); },
         "truncated inside its colour masks"},
        {"cut after its alpha mask", [](Bytes& b) { BitFields(b, 6), b.resize(70); }, "is truncated: its 64 rows"},
        {"huge OS/2 table",
         [](Bytes& b) { PutU32(b, 14, 12), PutU16(b, 20, 64), PutU16(b, 24, 8), b.resize(400); },
         "truncated inside its colour table"},
        {"zero height", [](Bytes& b) { PutU32(b, 22, 0); }, "unusable size"},
        {"zero width", [](Bytes& b) { PutU32(b, 18, 0); }, "unusable size of 0 x 64"},
        {"negative width", [](Bytes& b) { PutU32(b, 18, 0xFFFFFFC0u); }, "unusable size"},
        {"huge height", [](Bytes& b) { PutU32(b, 22, 0x7FFFFFFFu); }, "unusable size"},
        {"most negative height", [](Bytes& b) { PutU32(b, 22, 0x80000000u); }, "unusable size"},
        {"4 billion colours", [](Bytes& b) { PutU32(b, 46, 0xFFFFFFFFu); }, "declares 4294967295 colours"},
        {"tiny info header", [](Bytes& b) { PutU32(b, 14, 20); }, "unsupported or truncated bitmap header"},
        {"huge info header", [](Bytes& b) { PutU32(b, 14, 0xFFFFFFF0u); },
         "unsupported or truncated bitmap header"},
        {"pixels past the end", [](Bytes& b) { PutU32(b, 10, 0xFFFFFF00u); }, "is truncated"},
        {"short file", [](Bytes& b) { b.resize(2000); }, "is truncated"},
        // The last row needs no padding, but every byte of its pixels.
        {"last row one byte short", [](Bytes& b) { b.pop_back(); }, "is truncated: its 64 rows"},
        {"1-bit last row without its byte",
         [](Bytes& b) { PutU16(b, 28, 1), PutU32(b, 18, 1), b.resize(1078 + 63 * 4); }, "rows of 1 1-bit pixels"},
        {"header only", [](Bytes& b) { b.resize(20); }, "unsupported or truncated bitmap header"},
        {"header size only", [](Bytes& b) { b.resize(18); }, "unsupported or truncated bitmap header"},
        {"OS/2 Huffman", [](Bytes& b) { PutU32(b, 14, 64), PutU32(b, 30, 3); }, "OS/2 bitmap with Huffman"},
        {"file header only", [](Bytes& b) { b.resize(14); }, "is truncated inside its header"},
    };
    for (const Case& c : cases)
    {
        Bytes damaged = good;
        c.damage(damaged);
        auto result = DecodeBmp8(damaged, "front-design.bmp");
        ASSERT_FALSE(result.ok()) << c.what;
        EXPECT_NE(result.error().find(c.expected), std::string::npos) << c.what << ": " << result.error();
        EXPECT_NE(result.error().find("front-design.bmp"), std::string::npos) << c.what;
    }
    for (std::size_t n = 0; n < 60; ++n)
    {
        EXPECT_FALSE(DecodeBmp8(ByteView(good.data(), n), "x").ok()) << n;
    }
    // The header's own reader: the magic first, then the length.
    for (auto [start, expected] : {std::pair{"B", "is not a BMP"},
                                   {"BN", "is not a BMP"},
                                   {"PM", "is not a BMP"},
                                   {"BM", "is truncated inside its header (2 bytes)"}})
    {
        const std::string_view bytes = start;
        auto header =
            DecodeBmpHeader(ByteView(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "x");
        ASSERT_FALSE(header.ok()) << start;
        EXPECT_NE(header.error().find(expected), std::string::npos) << header.error();
    }
}

// The cases name only the fields that differ from a plain 8-bit file; GCC would warn about every other.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
TEST(Bmp, EveryDepthCompressionAndHeaderReadsTheSamePicture)
{
    struct Case
    {
        const char* what;
        Encoding encoding;
        std::vector<std::uint32_t> expected = kPicture;
    };
    const std::vector<Case> cases = {
        {"8-bit", {.pixels = {3, 2, 1, 0, 0, 1, 2, 3}}},
        {"4-bit", {.bits = 4, .pixels = {0x32, 0x10, 0, 0, 0x01, 0x23, 0, 0}}},
        {"1-bit",
         {.bits = 1, .table = {kA, kD}, .pixels = {0xA0, 0, 0, 0, 0x50, 0, 0, 0}},
         {kA, kD, kA, kD, kD, kA, kD, kA}},
        // A literal run and end of line, then four runs of one pixel and end of bitmap.
        {"RLE8", {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 0, 1, 0, 1, 1, 1, 2, 1, 3, 0, 1}}},
        // A literal run of odd length is padded to an even byte count; the pad (2) is no run of its own.
        {"RLE8 odd literal run",
         {.compression = 1, .pixels = {0, 3, 3, 2, 1, 2, 1, 0, 0, 0, 1, 0, 1, 1, 1, 2, 1, 3, 0, 1}}},
        {"RLE4", {.bits = 4, .compression = 2, .pixels = {0, 4, 0x32, 0x10, 0, 0, 2, 0x01, 2, 0x23, 0, 1}}},
        // A jump over the first two pixels of the second row leaves them at index 0.
        {"RLE8 jump",
         {.compression = 1, .pixels = {0, 4, 3, 2, 1, 0, 0, 0, 0, 2, 2, 0, 2, 2, 0, 1}},
         {kA, kA, kC, kC, kD, kC, kB, kA}},
        {"24-bit top-down",
         {.bits = 24, .height = -2, .table = {}, .pixels = {0, 0,   255, 0,   255, 0,   255, 0,
                                                            0, 255, 255, 255, 255, 255, 255, 255,
                                                            0, 0,   0,   255, 0,   0,   0,   255}}},
        {"16-bit 555",
         {.bits = 16,
          .table = {},
          .pixels = {0xFF, 0x7F, 0x1F, 0, 0xE0, 3, 0, 0x7C, 0, 0x7C, 0xE0, 3, 0x1F, 0, 0xFF, 0x7F}}},
        // Channels scale to the nearest of 0-255: 16 of 31 is 131.6, so 132.
        {"16-bit 555 mid grey",
         {.bits = 16,
          .table = {},
          .pixels = {0x10, 0x42, 0x10, 0x42, 0x10, 0x42, 0x10, 0x42, 0x10, 0x42, 0x10, 0x42, 0x10, 0x42, 0x10,
                     0x42}},
         std::vector<std::uint32_t>(8, 0x848484)},
        {"16-bit 565 bit fields",
         {.bits = 16,
          .compression = 3,
          .table = {},
          .masks = {0xF800, 0x07E0, 0x001F},
          .pixels = {0xFF, 0xFF, 0x1F, 0, 0xE0, 7, 0, 0xF8, 0, 0xF8, 0xE0, 7, 0x1F, 0, 0xFF, 0xFF}}},
        {"32-bit bit fields, 124-byte header, opaque alpha",
         {.infoSize = 124,
          .bits = 32,
          .compression = 3,
          .table = {},
          .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
          .pixels = {255, 255, 255, 255, 255, 0,   0, 255, 0,   255, 0, 255, 0,   0,   255, 255,
                     0,   0,   255, 255, 0,   255, 0, 255, 255, 0,   0, 255, 255, 255, 255, 255}}},
        {"32-bit plain, unused alpha",
         {.bits = 32, .table = {}, .pixels = {255, 255, 255, 0,   255, 0, 0,   0,   0,   255, 0,
                                              0,   0,   0,   255, 0,   0, 0,   255, 0,   0,   255,
                                              0,   0,   255, 0,   0,   0, 255, 255, 255, 0}}},
        {"OS/2 8-bit, three-byte table", {.infoSize = 12, .pixels = {3, 2, 1, 0, 0, 1, 2, 3}}},
    };
    for (const Case& c : cases)
    {
        auto image = DecodeEditedImage(Build(c.encoding), "edited.bmp");
        ASSERT_TRUE(image.ok()) << c.what << ": " << image.error();
        EXPECT_EQ(image->indexed, c.encoding.bits <= 8) << c.what;
        EXPECT_EQ(ColoursOf(*image), c.expected) << c.what;
        for (int i = 0; i < kPaletteColours; ++i)
        {
            EXPECT_EQ(image->colours[4 * i + 3], 0) << c.what << ": the fourth byte of colour " << i;
        }
        // Read as a bitmap of our own: true colour gets a table of its colours.
        auto bitmap = DecodeBmp8(Build(c.encoding), "edited.bmp");
        ASSERT_TRUE(bitmap.ok()) << c.what << ": " << bitmap.error();
        EXPECT_EQ(ColoursOf({.indexed = true, .colours = bitmap->colours, .pixels = bitmap->pixels}), c.expected)
            << c.what;
    }

    Encoding clear = cases[11].encoding;
    clear.pixels[7] = 0x80;                  // pixel (1, 1) of the bottom-up rows is (1, 1) of the picture
    for (std::uint32_t infoSize : {124, 56}) // 56 bytes: the shortest header with an alpha mask
    {
        clear.infoSize = infoSize;
        auto refused = DecodeEditedImage(Build(clear), "edited.bmp");
        ASSERT_FALSE(refused.ok()) << infoSize;
        EXPECT_NE(refused.error().find("has transparent pixels (the first at (1, 1))"), std::string::npos)
            << refused.error();
    }
}
