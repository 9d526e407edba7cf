// The export of the four parts as design and shade bitmaps, on arbitrary bytes. Whatever it writes must
// compose back into exactly the pixels the archive holds.

#include "FuzzInput.h"
#include "archive/Compose.h"
#include "archive/Jersey.h"
#include "archive/PartExport.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteView archive(data, size);
    auto files = BuildPartBitmaps(archive, "fuzz.fsh");
    if (!files)
    {
        fuzz::Expect(files.error().find("fuzz.fsh") != std::string::npos);
        return 0;
    }
    for (Part part : kAllParts)
    {
        auto stored = ReadPartImage(archive, part, "fuzz.fsh");
        fuzz::Expect(stored.ok());
        auto design = DecodeBmp8((*files)[DesignSlot(part)], "design");
        auto shade = DecodeBmp8((*files)[ShadeSlot(part)], "shade");
        fuzz::Expect(design.ok() && shade.ok());
        fuzz::Expect((*files)[DesignSlot(part)].size() == kBmpPixelOffset + stored->pixels.size());
        auto composed = ComposePart(part, *design, *shade, &*stored);
        fuzz::Expect(composed.ok() && composed->pixels == stored->pixels);
    }
    return 0;
}
