// The bitmap reader behind composition and saving, on whatever an editor (or anything else) saved.

#include "FuzzInput.h"
#include "archive/Bmp.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto bitmap = DecodeBmp8(ByteView(data, size), "fuzz.bmp");
    if (!bitmap)
    {
        fuzz::Expect(bitmap.error().find("fuzz.bmp") != std::string::npos);
        return 0;
    }
    fuzz::Expect(bitmap->width > 0 && bitmap->height > 0);
    fuzz::Expect(bitmap->pixels.size() == std::size_t(bitmap->width) * std::size_t(bitmap->height));
    fuzz::Expect(bitmap->colourCount >= 1 && bitmap->colourCount <= 256);
    // Whatever we read, we write in our own layout and read back unchanged.
    Bytes plain = EncodeBmp8(*bitmap);
    auto again = DecodeBmp8(plain, "again.bmp");
    fuzz::Expect(again.ok() && again->pixels == bitmap->pixels && again->colours == bitmap->colours);
    return 0;
}
