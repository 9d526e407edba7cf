#include "archive/EditedImage.h"

#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "archive/PngDecoder.h"

#include <algorithm>
#include <cstdio>

namespace tarnix
{

Result<EditedImage> DecodeEditedImage(ByteView bytes, const std::string& what)
{
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
    {
        return DecodeBmp(bytes, what);
    }
    // Some editors save PNG whatever the name says; the content decides.
    if (bytes.size() >= sizeof kPngSignature &&
        std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin()))
    {
        return DecodePng(bytes, what);
    }
    return Result<EditedImage>::Fail("\"" + what + "\" is neither a BMP nor a PNG picture; save it as BMP or PNG");
}

Result<EditedImage> ReadEditedImageFile(const std::filesystem::path& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        return bytes.status();
    }
    return DecodeEditedImage(*bytes, PathText(path));
}

std::string ColourText(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

} // namespace tarnix
