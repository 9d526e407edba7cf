// The PNG reader of the Windows build: stb_image, header-only, so that no libpng has to be built for
// Windows. It reads what the libpng reader reads and refuses what it refuses, with one difference: stb
// expands a palette to true colour, so a palette PNG comes back as true colour rather than indexed. The
// colour mapping takes true colour exactly, because the colours an export writes are all distinct.

#include "archive/PngDecoder.h"

// Not STB_IMAGE_STATIC: its unused static functions would each warn. Only this file includes stb_image.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 4096
#include <stb/stb_image.h>

#include <algorithm>
#include <memory>

namespace tarnix
{

namespace
{

static_assert(STBI_MAX_DIMENSIONS == kMaxPictureDimension, "stb's bound is the pictures' bound");

// The first chunk of every PNG: its length, "IHDR", then width, height, depth and colour type.
constexpr std::size_t kIhdrLengthAt = 8;
constexpr std::size_t kIhdrTypeAt = 12;
constexpr std::size_t kWidthAt = 16;
constexpr std::size_t kHeightAt = 20;
constexpr std::size_t kColourTypeAt = 25;
constexpr std::size_t kIhdrEnd = 29;
constexpr std::uint8_t kPaletteColourType = 3;

std::uint32_t BigEndian32(ByteView bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 |
           std::uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

struct FreeStb
{
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

} // namespace

Result<EditedImage> DecodePng(ByteView bytes, const std::string& what)
{
    using R = Result<EditedImage>;
    const std::string name = "\"" + what + "\"";
    // stb reads the header and allocates in one call: the header's promises are checked here first, with
    // the same bounds as the libpng reader.
    if (bytes.size() < kIhdrEnd ||
        !std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin()) ||
        BigEndian32(bytes, kIhdrLengthAt) != 13 ||
        !std::equal(bytes.begin() + kIhdrTypeAt, bytes.begin() + kIhdrTypeAt + 4, "IHDR"))
    {
        return R::Fail(name + " is a damaged PNG (no IHDR chunk where the header belongs)");
    }
    const std::uint32_t width = BigEndian32(bytes, kWidthAt);
    const std::uint32_t height = BigEndian32(bytes, kHeightAt);
    if (width == 0 || width > kMaxPictureDimension)
    {
        return R::Fail(name + " is a damaged PNG (image width " + std::to_string(width) + " in IHDR, not 1 to " +
                       std::to_string(kMaxPictureDimension) + ")");
    }
    if (height == 0 || height > kMaxPictureDimension)
    {
        return R::Fail(name + " is a damaged PNG (image height " + std::to_string(height) + " in IHDR, not 1 to " +
                       std::to_string(kMaxPictureDimension) + ")");
    }
    // The same measure as the libpng reader: deflate packs at most about 1,032 bytes into one, counted on
    // the rows that reader unpacks to (one byte per palette pixel, four per true-colour pixel).
    const std::uint64_t rowBytes = bytes[kColourTypeAt] == kPaletteColourType ? width : 4 * std::uint64_t(width);
    if (rowBytes * height > 1100 * std::uint64_t(bytes.size()) + 65536)
    {
        return R::Fail(name + " is too short (" + std::to_string(bytes.size()) + " bytes) for its " +
                       std::to_string(width) + " x " + std::to_string(height) + " pixels");
    }
    if (bytes.size() > std::size_t(INT32_MAX))
    {
        return R::Fail(name + " is too large (" + std::to_string(bytes.size()) + " bytes) for a picture");
    }

    int w = 0;
    int h = 0;
    int channels = 0;
    // Four channels asked for: grey, palette and RGB arrive as RGBA, and tRNS as a real alpha; 16-bit
    // samples keep their high byte, as the libpng reader's strip does.
    const std::unique_ptr<stbi_uc, FreeStb> rgba(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 4));
    if (!rgba)
    {
        return R::Fail(name + " is a damaged PNG (" + stbi_failure_reason() + ")");
    }

    EditedImage image;
    image.width = w;
    image.height = h;
    image.indexed = false;
    image.rgb.resize(std::size_t(w) * std::size_t(h));
    for (std::size_t y = 0; y < std::size_t(h); ++y)
    {
        for (std::size_t x = 0; x < std::size_t(w); ++x)
        {
            const stbi_uc* p = rgba.get() + 4 * (y * std::size_t(w) + x);
            if (p[3] != 255)
            {
                return R::Fail(name + " has transparent pixels (the first at (" + std::to_string(x) + ", " +
                               std::to_string(y) + "), alpha " + std::to_string(p[3]) +
                               "); paint them with a jersey colour and save without transparency");
            }
            image.rgb[y * std::size_t(w) + x] = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
        }
    }
    return image;
}

} // namespace tarnix
