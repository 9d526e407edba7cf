// The thumbnail for Mardek: the "frmd" entry of arbitrary bytes as a 64 x 64 bitmap.

#include "FuzzInput.h"
#include "archive/Bmp.h"
#include "archive/Thumbnail.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto thumbnail = BuildThumbnail(ByteView(data, size), "fuzz.fsh");
    if (!thumbnail)
    {
        fuzz::Expect(thumbnail.error().find("fuzz.fsh") != std::string::npos);
        return 0;
    }
    fuzz::Expect(thumbnail->size() == 5174);
    auto decoded = DecodeBmp8(*thumbnail, "thumbnail");
    fuzz::Expect(decoded.ok() && decoded->width == 64 && decoded->height == 64);
    return 0;
}
