// Reading pictures back: any bytes as the returned picture (piece 2) against any record of what was
// exported (piece 3; when it does not parse, a sample jersey's own). Piece 1 picks the part, the sample
// jersey, the kit colours and --nearest. A record that parses must print back to the same text; a picture
// that composes keeps the part's size and stored palette, and every pixel left as exported keeps its index.

#include "FuzzInput.h"
#include "SampleParts.h"
#include "archive/ShirtPictures.h"

#include <string_view>

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto [choice, pictureBytes, recordBytes] = fuzz::SplitInput<3>(data, size);
    // Piece 1: the part, the sample jersey and --nearest, then the seven kit colours (signed bytes).
    const std::uint8_t pick = choice.empty() ? 0 : choice[0];
    const Part part = kAllParts[pick & 3];
    const auto& jerseys = fuzz::SampleJerseys();
    MappingOptions options;
    options.nearest = (pick & 0x80) != 0;

    const std::string_view text(reinterpret_cast<const char*>(recordBytes.data()), recordBytes.size());
    PictureReference reference;
    if (auto parsed = ParsePictureReference(text))
    {
        const std::string printed = PictureReferenceText(*parsed);
        auto again = ParsePictureReference(printed);
        fuzz::Expect(again.ok() && PictureReferenceText(*again) == printed);
        reference = std::move(*parsed);
    }
    else
    {
        fuzz::Expect(!parsed.error().empty());
        const auto& jersey = jerseys[(pick >> 2 & 7) % jerseys.size()];
        reference.parts = jersey.stored;
        for (int k = 0; k < kKitColourCount; ++k)
        {
            reference.kit[k] = choice.size() > std::size_t(1 + k) ? static_cast<std::int8_t>(choice[1 + k]) : 1;
        }
    }

    auto image = DecodeEditedImage(pictureBytes, "picture.png");
    if (!image)
    {
        return 0;
    }
    auto picture = PictureOf(std::move(*image), "picture.png");
    if (!picture)
    {
        return 0;
    }
    PictureReport report;
    auto composed = ComposePicture(part, *picture, reference, options, &report);
    if (!composed)
    {
        fuzz::Expect(composed.error().find(PartName(part)) != std::string::npos);
        return 0;
    }
    const Bitmap8& exported = reference.parts[static_cast<int>(part)];
    fuzz::Expect(composed->width == SizeOf(part).width && composed->height == SizeOf(part).height);
    fuzz::Expect(composed->colours == exported.colours);
    fuzz::Expect(report.NearestPixels() == 0 || options.nearest);
    for (std::size_t i = 0; i < composed->pixels.size(); ++i)
    {
        if (picture->pixels[i] == ShownColour(exported.pixels[i], exported.colours, reference.kit))
        {
            fuzz::Expect(composed->pixels[i] == exported.pixels[i]);
        }
    }
    (void)report.Describe();
    return 0;
}
