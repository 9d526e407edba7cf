#include "archive/Bmp.h"

// The two headers of a BMP file: the plain 54 bytes we write, and every kind a bitmap editor saves.

namespace tarnix
{

namespace
{

std::string Quote(const std::string& what)
{
    return "\"" + what + "\"";
}

} // namespace

Bytes EncodeBmpHeader(const BmpHeader& h)
{
    Bytes out(bmp::kFileHeaderSize + bmp::kInfoHeaderSize, 0);
    out[bmp::kType] = 'B';
    out[bmp::kType + 1] = 'M';
    PutU32(out, bmp::kFileSize, h.fileSize);
    PutU32(out, bmp::kPixelOffset, h.pixelOffset);
    PutU32(out, bmp::kInfoSize, bmp::kInfoHeaderSize);
    PutU32(out, bmp::kWidth, static_cast<std::uint32_t>(h.width));
    PutU32(out, bmp::kHeight, static_cast<std::uint32_t>(h.height));
    PutU16(out, bmp::kPlanes, h.planes);
    PutU16(out, bmp::kBitCount, h.bitCount);
    PutU32(out, bmp::kCompression, h.compression);
    PutU32(out, bmp::kImageSize, h.imageSize);
    PutU32(out, bmp::kColoursUsed, h.coloursUsed);
    PutU32(out, bmp::kImportant, h.important);
    return out;
}

Result<BmpHeader> DecodeBmpHeader(ByteView bytes, const std::string& what)
{
    using R = Result<BmpHeader>;
    const ByteReader r(bytes);
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
    {
        return R::Fail(Quote(what) + " is not a BMP bitmap");
    }
    if (!r.Has(0, bmp::kInfoSize + 4))
    {
        return R::Fail(Quote(what) + " is truncated inside its header (" + std::to_string(bytes.size()) +
                       " bytes)");
    }
    BmpHeader h;
    h.fileSize = *r.U32(bmp::kFileSize);
    h.pixelOffset = *r.U32(bmp::kPixelOffset);
    h.infoSize = *r.U32(bmp::kInfoSize);
    if (h.infoSize == bmp::kCoreHeaderSize)
    {
        if (!r.Has(bmp::kFileHeaderSize, h.infoSize))
        {
            return R::Fail(Quote(what) + " is truncated inside its OS/2 header");
        }
        // OS/2's own layout: 16-bit width and height, then planes and bit count.
        h.width = *r.U16(18);
        h.height = *r.U16(20);
        h.planes = *r.U16(22);
        h.bitCount = *r.U16(24);
        return h;
    }
    if (h.infoSize < bmp::kInfoHeaderSize || !r.Has(bmp::kFileHeaderSize, h.infoSize))
    {
        return R::Fail(Quote(what) + " has an unsupported or truncated bitmap header (" +
                       std::to_string(h.infoSize) + " bytes); save it as a Windows BMP or as PNG");
    }
    h.width = *r.I32(bmp::kWidth);
    h.height = *r.I32(bmp::kHeight);
    h.planes = *r.U16(bmp::kPlanes);
    h.bitCount = *r.U16(bmp::kBitCount);
    h.compression = *r.U32(bmp::kCompression);
    h.imageSize = *r.U32(bmp::kImageSize);
    h.coloursUsed = *r.U32(bmp::kColoursUsed);
    h.important = *r.U32(bmp::kImportant);
    const bool fields = h.compression == bmp::kBitFields || h.compression == bmp::kAlphaBitFields;
    // OS/2's 64-byte header has no masks; its compression 3 is Huffman coding, not bit fields.
    if (h.infoSize == 64 && h.compression == bmp::kBitFields)
    {
        return R::Fail(Quote(what) +
                       " is an OS/2 bitmap with Huffman compression; save it as a plain BMP or as PNG");
    }
    const std::size_t masksEnd =
        bmp::kAlphaMask + (h.compression == bmp::kAlphaBitFields || h.infoSize >= 56 ? 4 : 0);
    if (h.infoSize >= 52 || fields)
    {
        if (!r.Has(0, bmp::kBlueMask + 4) || (masksEnd > bmp::kAlphaMask && !r.Has(0, masksEnd)))
        {
            return R::Fail(Quote(what) + " is truncated inside its colour masks");
        }
        h.hasMasks = h.infoSize >= 52 || fields;
        h.redMask = *r.U32(bmp::kRedMask);
        h.greenMask = *r.U32(bmp::kGreenMask);
        h.blueMask = *r.U32(bmp::kBlueMask);
        h.alphaMask = masksEnd > bmp::kAlphaMask ? *r.U32(bmp::kAlphaMask) : 0;
    }
    return h;
}

} // namespace tarnix
