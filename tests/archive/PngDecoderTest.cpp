#include "archive/PngDecoder.h"
#include "archive/EditedImage.h"
#include "archive/PartExport.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarnix;

namespace
{

// The colour types, as the PNG format numbers them.
constexpr std::uint8_t kGrey = 0;
constexpr std::uint8_t kRgb = 2;
constexpr std::uint8_t kPalette = 3;
constexpr std::uint8_t kRgba = 6;

struct PaletteEntry
{
    std::uint8_t red, green, blue;
};

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
    {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
        {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBigEndian(Bytes& out, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
    {
        out.push_back(static_cast<std::uint8_t>(value >> (24 - 8 * k)));
    }
}

void PutChunk(Bytes& out, const char* type, const Bytes& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t at = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + at, out.size() - at));
}

// A 2 x 1 PNG of the given type, written by hand (one stored deflate block) so that the test needs no PNG
// library and reads the same on every platform.
Bytes EncodePng(std::uint8_t colourType, std::uint8_t depth, const Bytes& row,
                const std::vector<PaletteEntry>& palette = {}, const Bytes& alpha = {})
{
    Bytes out(std::begin(kPngSignature), std::end(kPngSignature));
    Bytes header;
    PutBigEndian(header, 2);
    PutBigEndian(header, 1);
    header.insert(header.end(), {depth, colourType, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    if (!palette.empty())
    {
        Bytes entries;
        for (const PaletteEntry& entry : palette)
        {
            entries.insert(entries.end(), {entry.red, entry.green, entry.blue});
        }
        PutChunk(out, "PLTE", entries);
    }
    if (!alpha.empty())
    {
        PutChunk(out, "tRNS", alpha);
    }
    Bytes raw = {0}; // filter type None
    raw.insert(raw.end(), row.begin(), row.end());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : raw)
    {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    const auto length = static_cast<std::uint16_t>(raw.size());
    Bytes zlib = {0x78,
                  0x01,
                  1,
                  static_cast<std::uint8_t>(length),
                  static_cast<std::uint8_t>(length >> 8),
                  static_cast<std::uint8_t>(~length),
                  static_cast<std::uint8_t>(~length >> 8)};
    zlib.insert(zlib.end(), raw.begin(), raw.end());
    PutBigEndian(zlib, b << 16 | a);
    PutChunk(out, "IDAT", zlib);
    PutChunk(out, "IEND", {});
    return out;
}

} // namespace

TEST(PngDecoder, EveryColourTypeReadsItsColoursAndTransparencyIsRefused)
{
    const std::vector<PaletteEntry> palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    auto indexed = DecodeEditedImage(EncodePng(kPalette, 2, {0x90}, palette), "x.bmp");
    ASSERT_TRUE(indexed.ok()) << indexed.error();
#ifdef _WIN32
    // The Windows build reads PNGs with stb_image, which expands a palette: the same colours, as true colour.
    EXPECT_FALSE(indexed->indexed);
    EXPECT_EQ(indexed->rgb, (std::vector<std::uint32_t>{0x46505A, 0x28323C}));
#else
    EXPECT_TRUE(indexed->indexed);
    EXPECT_EQ(indexed->pixels, (std::vector<std::uint8_t>{2, 1}));
    EXPECT_EQ(indexed->TableColour(2), 0x46505Au);
#endif

    // A full table of 256 colours: its first and last entries, opaque as long as tRNS says so for each.
    std::vector<PaletteEntry> full(256, PaletteEntry{200, 200, 200});
    full[0] = {1, 2, 3};
    full[255] = {4, 5, 6};
    Bytes opaque(256, 255);
    auto wide = DecodeEditedImage(EncodePng(kPalette, 8, {0, 255}, full, opaque), "x.png");
    ASSERT_TRUE(wide.ok()) << wide.error();
    auto shown = [](const EditedImage& image, std::size_t x)
    { return image.indexed ? image.TableColour(image.pixels[x]) : image.rgb[x]; };
    EXPECT_EQ(shown(*wide, 0), 0x010203u);
    EXPECT_EQ(shown(*wide, 1), 0x040506u);
    opaque[255] = 0;
    auto lastClear = DecodeEditedImage(EncodePng(kPalette, 8, {0, 255}, full, opaque), "x.png");
    EXPECT_NE((lastClear.ok() ? "" : lastClear.error()).find("(the first at (1, 0), alpha 0)"), std::string::npos);

    auto grey = DecodeEditedImage(EncodePng(kGrey, 8, {7, 200}), "x.png");
    ASSERT_TRUE(grey.ok()) << grey.error();
    EXPECT_EQ(grey->rgb, (std::vector<std::uint32_t>{0x070707, 0xC8C8C8}));

    auto deep = DecodeEditedImage(EncodePng(kRgb, 16, {1, 0, 2, 0, 3, 0, 0xAB, 0xAB, 0, 0, 0xFF, 0xFF}), "x.png");
    ASSERT_TRUE(deep.ok()) << deep.error();
    EXPECT_EQ(deep->rgb, (std::vector<std::uint32_t>{0x010203, 0xAB00FF}));

    auto clear = DecodeEditedImage(EncodePng(kRgba, 8, {1, 2, 3, 255, 4, 5, 6, 0}), "x.png");
    ASSERT_FALSE(clear.ok());
    EXPECT_EQ(clear.error(), "\"x.png\" has transparent pixels (the first at (1, 0), alpha 0); paint them with a "
                             "jersey colour and save without transparency");
    auto clearIndex = DecodeEditedImage(EncodePng(kPalette, 8, {0, 1}, palette, {255, 128}), "x.png");
    ASSERT_FALSE(clearIndex.ok());

    Bytes cut = EncodePng(kGrey, 8, {7, 200});
    cut.resize(cut.size() - 20);
    auto damaged = DecodeEditedImage(cut, "x.png");
    ASSERT_FALSE(damaged.ok());
    EXPECT_NE(damaged.error().find("\"x.png\" is a damaged PNG"), std::string::npos) << damaged.error();

    // A forged width is refused from the header, before anything is allocated for it.
    Bytes huge = EncodePng(kGrey, 8, {7, 200});
    huge[17] = 1; // width 65,536 (big-endian), with the chunk's checksum made to match
    const std::uint32_t crc = Crc32(huge.data() + 12, 17);
    for (int k = 0; k < 4; ++k)
    {
        huge[29 + k] = static_cast<std::uint8_t>(crc >> (24 - 8 * k));
    }
    auto forged = DecodeEditedImage(huge, "x.png");
    ASSERT_FALSE(forged.ok());
    EXPECT_NE(forged.error().find("width"), std::string::npos) << forged.error();
}

// A picture is read by its first bytes alone: "BM" and the PNG signature, even with nothing after them, go
// to their own readers (whose messages say what is missing); the names of the eight part bitmaps.
TEST(PngDecoder, TheFirstBytesDecideTheReader)
{
    const std::string neither = "\"x\" is neither a BMP nor a PNG picture; save it as BMP or PNG";
    auto bm = DecodeEditedImage(Bytes{'B', 'M'}, "x");
    ASSERT_FALSE(bm.ok());
    EXPECT_NE(bm.error(), neither);
    auto png = DecodeEditedImage(Bytes(std::begin(kPngSignature), std::end(kPngSignature)), "x");
    ASSERT_FALSE(png.ok());
    EXPECT_NE(png.error(), neither);
    auto b = DecodeEditedImage(Bytes{'B'}, "x");
    EXPECT_EQ(b.ok() ? "" : b.error(), neither);

    EXPECT_EQ(PartBitmapName(DesignSlot(Part::ShortSleeve)), "the short sleeve design bitmap");
    EXPECT_EQ(PartBitmapName(ShadeSlot(Part::Front)), "the front shade bitmap");
}
