// Opening a jersey: the jersey check, the trailer (colours and label), the preview and the four part
// images, on arbitrary bytes.

#include "FuzzInput.h"
#include "archive/Bmp.h"
#include "archive/Cp1252.h"
#include "archive/Fsh.h"
#include "archive/Jersey.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteView archive(data, size);
    const bool jersey = IsJerseyArchive(archive);
    FshDirectory directory = ReadDirectory(archive);
    fuzz::Expect(directory.records.size() <= directory.storedCount);
    fuzz::Expect(jersey == (directory.Find({"hjfr"}) != nullptr));

    // ReadJerseyInfo without the file: the trailer and the label's decoding.
    JerseyColours colours{};
    colours.fill(0xA5);
    std::string label = ReadTrailer(archive, colours);
    fuzz::Expect(label.size() <= kMaxLabelRead);
    fuzz::Expect(label.find('\0') == std::string::npos);
    (void)DecodeCp1252(label);

    // Every entry as its readers locate it: the front and "frmd" with four-byte palettes, the rest by type.
    for (const EntryGeometry& g : kJerseyEntries)
    {
        const bool fourByte = g.name == "hjfr" || g.name == "frhi" || g.name == "frmd";
        auto entry = LocateEntry(archive, directory, {g.name},
                                 fourByte ? EntryNeeds::FourBytePalette : EntryNeeds::TypedPalette, "fuzz.fsh");
        if (entry)
        {
            fuzz::Expect(entry->PaletteOffset() + 768 <= size);
            (void)ReadEntryPalette(archive, *entry, fourByte);
            fuzz::Expect(ReadEntryPixels(archive, *entry).size() == std::size_t(g.width) * std::size_t(g.height));
        }
    }

    for (Part part : kAllParts)
    {
        auto image = ReadPartImage(archive, directory, part, "fuzz.fsh");
        if (image)
        {
            fuzz::Expect(image->width == SizeOf(part).width && image->height == SizeOf(part).height);
            fuzz::Expect(image->pixels.size() == std::size_t(image->width) * std::size_t(image->height));
        }
    }

    auto preview = BuildPreview(archive, "fuzz.fsh");
    if (preview)
    {
        fuzz::Expect(preview->size() == 17462);
        auto decoded = DecodeBmp8(*preview, "preview");
        fuzz::Expect(decoded.ok() && decoded->width == 128 && decoded->height == 128);
    }
    else
    {
        fuzz::Expect(preview.error().find("fuzz.fsh") != std::string::npos);
    }
    return 0;
}
