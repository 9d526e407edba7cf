#include "archive/Bmp.h"

#include "archive/FileIO.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

// Reading what a bitmap editor saves back: indexed (plain and run-length), 16-, 24- and 32-bit.

namespace tarnix
{

namespace
{

std::string Quote(const std::string& what)
{
    return "\"" + what + "\"";
}

// One colour channel of a bit-field pixel, scaled to 0-255 whatever its width (5 bits in 16-bit files).
struct Channel
{
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m)
    {
        if (m != 0)
        {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    bool Contiguous() const { return mask == 0 || (max & (max + 1)) == 0; }
    std::uint32_t Of(std::uint32_t pixel) const
    {
        if (max == 0)
        {
            return 0;
        }
        const std::uint32_t v = (pixel & mask) >> shift;
        return max == 255 ? v : static_cast<std::uint32_t>((std::uint64_t(v) * 255 + max / 2) / max);
    }
};

const char* CompressionText(std::uint32_t compression)
{
    switch (compression)
    {
    case bmp::kRle8:
    case bmp::kRle4:
        return "RLE-compressed";
    case bmp::kJpeg:
        return "a JPEG picture wrapped in a BMP";
    case bmp::kPng:
        return "a PNG picture wrapped in a BMP";
    default:
        return nullptr;
    }
}

// Run-length rows (RLE8, or RLE4 with two pixels to a byte) into `indices`, in stored row order. Pixels
// that a delta skips stay index 0; pixels beyond the row's end are dropped rather than trusted.
Status DecodeRle(ByteView data, bool four, int width, int rows, std::vector<std::uint8_t>& indices,
                 const std::string& what)
{
    std::size_t at = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    auto put = [&](std::uint8_t v)
    {
        if (x < width && y < rows)
        {
            indices[std::size_t(y) * width + std::size_t(x)] = v;
        }
        ++x;
    };
    while (true)
    {
        if (at + 2 > data.size())
        {
            if (y >= rows - 1)
            {
                return {}; // some writers end the last row without an end-of-bitmap mark
            }
            return Status::Fail(Quote(what) + " is RLE-compressed and its data ends after " + std::to_string(y) +
                                " of its " + std::to_string(rows) + " rows");
        }
        const std::uint8_t count = data[at];
        const std::uint8_t value = data[at + 1];
        at += 2;
        if (count > 0)
        {
            for (int k = 0; k < count; ++k)
            {
                put(four ? static_cast<std::uint8_t>(k % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            }
            continue;
        }
        if (value == 0) // end of line
        {
            x = 0;
            ++y;
        }
        else if (value == 1) // end of bitmap
        {
            return {};
        }
        else if (value == 2) // delta
        {
            if (at + 2 > data.size())
            {
                return Status::Fail(Quote(what) + " is RLE-compressed and its data ends inside a jump");
            }
            x += data[at];
            y += data[at + 1];
            at += 2;
        }
        else // a literal run of `value` pixels, padded to an even number of bytes
        {
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            if (at + bytes > data.size())
            {
                return Status::Fail(Quote(what) + " is RLE-compressed and its data ends inside row " +
                                    std::to_string(y));
            }
            for (int k = 0; k < value; ++k)
            {
                const std::uint8_t b = data[at + (four ? k / 2 : k)];
                put(four ? static_cast<std::uint8_t>(k % 2 == 0 ? b >> 4 : b & 0x0F) : b);
            }
            at += bytes + (bytes & 1);
        }
    }
}

} // namespace

Result<EditedImage> DecodeBmp(ByteView bytes, const std::string& what)
{
    using R = Result<EditedImage>;
    auto header = DecodeBmpHeader(bytes, what);
    if (!header)
    {
        return header.status();
    }
    const BmpHeader& h = *header;
    const ByteReader r(bytes);
    const unsigned bits = h.bitCount;
    const bool indexed = bits == 1 || bits == 4 || bits == 8;
    if (!indexed && bits != 16 && bits != 24 && bits != 32)
    {
        return R::Fail(Quote(what) + " is a " + std::to_string(bits) +
                       "-bit bitmap; save it as an 8-bit (256-colour) or 24-bit BMP, or as PNG");
    }
    const std::uint32_t c = h.compression;
    const bool rle = (c == bmp::kRle8 && bits == 8) || (c == bmp::kRle4 && bits == 4);
    const bool fields = (c == bmp::kBitFields || c == bmp::kAlphaBitFields) && (bits == 16 || bits == 32);
    if (c != bmp::kRgb && !rle && !fields)
    {
        const char* text = CompressionText(c);
        return R::Fail(
            Quote(what) + " is " +
            (text ? std::string(text)
                  : "compressed in a way BMP readers rarely know (compression " + std::to_string(c) + ")") +
            (text && (c == bmp::kRle8 || c == bmp::kRle4) ? " at " + std::to_string(bits) + " bits" : "") +
            "; save it as an uncompressed BMP or as PNG");
    }
    const std::int64_t height = h.height < 0 ? -std::int64_t(h.height) : h.height;
    if (h.width <= 0 || height == 0 || h.width > kMaxPictureDimension || height > kMaxPictureDimension)
    {
        return R::Fail(Quote(what) + " has an unusable size of " + std::to_string(h.width) + " x " +
                       std::to_string(h.height) + " pixels");
    }

    EditedImage image;
    image.width = h.width;
    image.height = static_cast<int>(height);
    image.indexed = indexed;
    const std::size_t count = std::size_t(image.width) * std::size_t(image.height);
    const std::uint64_t tableOffset = bmp::kFileHeaderSize + std::uint64_t(h.infoSize) +
                                      (h.infoSize == bmp::kInfoHeaderSize && fields ? 12 : 0) +
                                      (h.infoSize == bmp::kInfoHeaderSize && c == bmp::kAlphaBitFields ? 4 : 0);
    std::uint64_t tableEnd = tableOffset;
    if (indexed)
    {
        const std::uint32_t most = 1u << bits;
        if (h.coloursUsed > kPaletteColours)
        {
            return R::Fail(Quote(what) + " declares " + std::to_string(h.coloursUsed) +
                           " colours; an indexed bitmap has at most 256");
        }
        const std::uint64_t entrySize = h.infoSize == bmp::kCoreHeaderSize ? 3 : 4;
        std::uint64_t entries = h.coloursUsed == 0 ? most : std::min(h.coloursUsed, most);
        // Some writers store fewer entries than they declare (or than a count of zero promises): the table
        // ends where the pixels begin, and the pixels are never read as colours.
        if (h.pixelOffset >= tableOffset && h.pixelOffset < tableOffset + entries * entrySize)
        {
            entries = (h.pixelOffset - tableOffset) / entrySize;
        }
        if (entries == 0)
        {
            return R::Fail(Quote(what) + " has no colour table before its pixels; save it again as an 8-bit "
                                         "(256-colour) BMP or as PNG");
        }
        auto table = r.Span(tableOffset, entries * entrySize);
        if (!table)
        {
            return R::Fail(Quote(what) + " is truncated inside its colour table");
        }
        for (std::uint64_t i = 0; i < entries; ++i)
        {
            std::copy_n(table->begin() + i * entrySize, 3, image.colours.begin() + 4 * i);
        }
        image.colourCount = static_cast<int>(entries);
        tableEnd = tableOffset + entries * entrySize;
    }
    // A pixel offset left at zero: the pixels follow the headers, the masks and the colour table.
    const std::uint64_t pixelOffset = h.pixelOffset != 0 ? h.pixelOffset : tableEnd;

    const bool bottomUp = h.height > 0;
    auto pictureRow = [&](std::int64_t stored) { return std::size_t(bottomUp ? height - 1 - stored : stored); };
    if (rle)
    {
        ByteView data = r.Clipped(pixelOffset, bytes.size());
        // Two bytes of a run give at most 255 pixels: a header promising more than its data could hold is
        // refused before its pixels are allocated.
        if (count > 128 * (std::uint64_t(data.size()) + 2))
        {
            return R::Fail(Quote(what) + " is RLE-compressed and its " + std::to_string(data.size()) +
                           " bytes of data cannot hold " + std::to_string(image.width) + " x " +
                           std::to_string(height) + " pixels");
        }
        image.pixels.assign(count, 0);
        std::vector<std::uint8_t> stored(count, 0);
        if (Status s = DecodeRle(data, bits == 4, image.width, image.height, stored, what); !s)
        {
            return s;
        }
        for (std::int64_t y = 0; y < height; ++y)
        {
            std::copy_n(stored.begin() + y * image.width, image.width,
                        image.pixels.begin() + pictureRow(y) * image.width);
        }
        return image;
    }

    const std::uint32_t defaultRed = bits == 16 ? 0x7C00 : 0xFF0000;
    const std::uint32_t defaultGreen = bits == 16 ? 0x03E0 : 0x00FF00;
    const std::uint32_t defaultBlue = bits == 16 ? 0x001F : 0x0000FF;
    const Channel red(fields ? h.redMask : defaultRed);
    const Channel green(fields ? h.greenMask : defaultGreen);
    const Channel blue(fields ? h.blueMask : defaultBlue);
    const Channel alpha(fields || h.infoSize >= 56 ? h.alphaMask : 0);
    if (!red.Contiguous() || !green.Contiguous() || !blue.Contiguous() || !alpha.Contiguous())
    {
        return R::Fail(Quote(what) + " has colour masks with gaps; save it as a plain 24-bit BMP or as PNG");
    }
    const std::uint64_t stride = bmp::RowStride(std::uint64_t(image.width), bits);
    const std::uint64_t lastRow = (std::uint64_t(image.width) * bits + 7) / 8;
    if (!r.Has(pixelOffset, stride * std::uint64_t(height - 1) + lastRow))
    {
        return R::Fail(Quote(what) + " is truncated: its " + std::to_string(height) + " rows of " +
                       std::to_string(image.width) + " " + std::to_string(bits) +
                       "-bit pixels do not fit in its " + std::to_string(bytes.size()) + " bytes");
    }
    if (indexed)
    {
        image.pixels.assign(count, 0);
    }
    else
    {
        image.rgb.assign(count, 0);
    }
    std::int64_t firstClear = -1; // the first pixel that is not fully opaque
    bool anyAlpha = false;
    for (std::int64_t s = 0; s < height; ++s)
    {
        const std::uint8_t* row = bytes.data() + pixelOffset + std::size_t(s) * stride;
        const std::size_t base = pictureRow(s) * image.width;
        if (bits == 8)
        {
            std::copy_n(row, image.width, image.pixels.begin() + base); // the common case, a row at a time
            continue;
        }
        for (int x = 0; x < image.width; ++x)
        {
            if (indexed)
            {
                const unsigned perByte = 8 / bits;
                const unsigned shift = 8 - bits * (1 + x % perByte);
                image.pixels[base + x] =
                    static_cast<std::uint8_t>((row[x / perByte] >> shift) & ((1u << bits) - 1));
                continue;
            }
            std::uint32_t px = 0;
            if (bits == 24)
            {
                const std::uint8_t* p = row + 3 * x;
                image.rgb[base + x] = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
                continue;
            }
            px = bits == 16 ? std::uint32_t(row[2 * x] | row[2 * x + 1] << 8)
                            : std::uint32_t(row[4 * x]) | std::uint32_t(row[4 * x + 1]) << 8 |
                                  std::uint32_t(row[4 * x + 2]) << 16 | std::uint32_t(row[4 * x + 3]) << 24;
            image.rgb[base + x] = red.Of(px) << 16 | green.Of(px) << 8 | blue.Of(px);
            if (alpha.mask != 0)
            {
                const std::uint32_t a = alpha.Of(px);
                anyAlpha = anyAlpha || a != 0;
                if (a != 255 && firstClear < 0)
                {
                    firstClear = std::int64_t(base + x);
                }
            }
        }
    }
    // A 32-bit file whose alpha is zero everywhere never used it; any other transparency is the user's.
    if (anyAlpha && firstClear >= 0)
    {
        return R::Fail(Quote(what) + " has transparent pixels (the first at (" +
                       std::to_string(firstClear % image.width) + ", " + std::to_string(firstClear / image.width) +
                       ")); paint them with a jersey colour and save without transparency");
    }
    return image;
}

Result<Bitmap8> DecodeBmp8(ByteView bytes, const std::string& what)
{
    auto image = DecodeEditedImage(bytes, what);
    if (!image)
    {
        return image.status();
    }
    Bitmap8 bitmap;
    bitmap.width = image->width;
    bitmap.height = image->height;
    if (image->indexed)
    {
        bitmap.colours = image->colours;
        bitmap.colourCount = image->colourCount;
        bitmap.pixels = std::move(image->pixels);
        return bitmap;
    }
    std::unordered_map<std::uint32_t, std::uint8_t> seen;
    bitmap.pixels.resize(image->rgb.size());
    for (std::size_t i = 0; i < image->rgb.size(); ++i)
    {
        const std::uint32_t colour = image->rgb[i];
        auto [it, added] = seen.try_emplace(colour, static_cast<std::uint8_t>(seen.size()));
        if (added)
        {
            if (seen.size() > kPaletteColours)
            {
                return Result<Bitmap8>::Fail(Quote(what) + " has more than 256 colours");
            }
            bitmap.colours[4 * it->second] = static_cast<std::uint8_t>(colour);
            bitmap.colours[4 * it->second + 1] = static_cast<std::uint8_t>(colour >> 8);
            bitmap.colours[4 * it->second + 2] = static_cast<std::uint8_t>(colour >> 16);
        }
        bitmap.pixels[i] = it->second;
    }
    bitmap.colourCount = static_cast<int>(seen.size());
    return bitmap;
}

Result<Bitmap8> ReadBmp8File(const std::filesystem::path& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        return bytes.status();
    }
    return DecodeBmp8(*bytes, PathText(path));
}

} // namespace tarnix
