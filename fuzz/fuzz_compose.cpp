// Composition: a design and a shade bitmap as any editor may have saved them (pieces 2 and 3), merged
// with or without the part the archive holds. Piece 1 picks the part, the sample jersey and the mode.

#include "FuzzInput.h"
#include "SampleParts.h"
#include "archive/Compose.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto [choice, designBytes, shadeBytes] = fuzz::SplitInput<3>(data, size);
    const std::uint8_t pick = choice.empty() ? 0 : choice[0];
    const Part part = kAllParts[pick & 3];
    const auto& jerseys = fuzz::SampleJerseys();
    const Bitmap8& stored = jerseys[(pick >> 2) % jerseys.size()].stored[static_cast<int>(part)];
    const bool withArchive = (pick & 0x80) == 0;

    auto design = DecodeBmp8(designBytes, "design.bmp");
    auto shade = DecodeBmp8(shadeBytes, "shade.bmp");
    if (!design || !shade)
    {
        return 0;
    }
    auto composed = ComposePart(part, *design, *shade, withArchive ? &stored : nullptr);
    if (composed)
    {
        fuzz::Expect(composed->width == SizeOf(part).width && composed->height == SizeOf(part).height);
        fuzz::Expect(composed->pixels.size() == std::size_t(composed->width) * std::size_t(composed->height));
        if (withArchive)
        {
            fuzz::Expect(composed->colours == stored.colours);
        }
    }
    else
    {
        fuzz::Expect(composed.error().find(PartName(part)) != std::string::npos);
    }
    return 0;
}
