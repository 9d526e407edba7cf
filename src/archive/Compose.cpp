#include "archive/Compose.h"

#include "archive/ColourMapping.h"
#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"

#include <cstring>

namespace tarnix
{

namespace
{

std::string SizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

Status CheckSize(const Bitmap8& bitmap, Part part, PartSlot slot)
{
    const PartSize size = SizeOf(part);
    if (bitmap.width != size.width || bitmap.height != size.height)
    {
        return Status::Fail(PartBitmapName(slot) + " is " + SizeText(bitmap.width, bitmap.height) +
                            " pixels; it must stay " + SizeText(size.width, size.height));
    }
    return {};
}

} // namespace

Result<Bitmap8> ComposePart(Part part, const Bitmap8& design, const Bitmap8& shade, const Bitmap8* stored)
{
    for (auto [bitmap, slot] : {std::pair{&design, DesignSlot(part)}, std::pair{&shade, ShadeSlot(part)}})
    {
        if (Status fits = CheckSize(*bitmap, part, slot); !fits)
        {
            return fits;
        }
    }

    Bitmap8 composed;
    composed.width = design.width;
    composed.height = design.height;
    std::vector<std::uint8_t> designPixels;
    std::vector<std::uint8_t> shadePixels;
    if (stored != nullptr)
    {
        // The exported pixels are only needed to read back a rewritten colour table.
        const bool designKept = ReadsSameThrough(design, stored->colours);
        const bool shadeKept = ReadsSameThrough(shade, stored->colours);
        auto d = designKept ? Result<std::vector<std::uint8_t>>(design.pixels)
                            : MapToExportedIndices(design, stored->colours, SplitDesign(*stored).pixels,
                                                   BitmapRole::Design, PartBitmapName(DesignSlot(part)));
        if (!d)
        {
            return d.status();
        }
        auto s = shadeKept ? Result<std::vector<std::uint8_t>>(shade.pixels)
                           : MapToExportedIndices(shade, stored->colours, SplitShade(*stored).pixels,
                                                  BitmapRole::Shade, PartBitmapName(ShadeSlot(part)));
        if (!s)
        {
            return s.status();
        }
        designPixels = std::move(*d);
        shadePixels = std::move(*s);
        composed.colours = stored->colours;
    }
    else
    {
        if (design.colours != shade.colours || design.colourCount != shade.colourCount ||
            !ReadsSameThrough(design, design.colours) || !ReadsSameThrough(shade, shade.colours))
        {
            return Status::Fail(std::string("the ") + PartName(part) +
                                " design and shade bitmaps no longer share their exported colour table; without "
                                "the archive they came from their colours cannot be mapped back");
        }
        designPixels = design.pixels;
        shadePixels = shade.pixels;
        composed.colours = design.colours;
    }

    composed.pixels = std::move(designPixels);
    std::uint8_t* out = composed.pixels.data();
    const std::uint8_t* shades = shadePixels.data();
    const std::size_t n = composed.pixels.size();
    std::size_t i = 0;
    // Local blocks tell the compiler the two inputs do not overlap, so the merge becomes vector code.
    for (; i + 32 <= n; i += 32)
    {
        std::uint8_t d[32];
        std::uint8_t s[32];
        std::memcpy(d, out + i, 32);
        std::memcpy(s, shades + i, 32);
        for (std::size_t k = 0; k < 32; ++k)
        {
            d[k] = MergeBytes(d[k], s[k]);
        }
        std::memcpy(out + i, d, 32);
    }
    for (; i < n; ++i)
    {
        out[i] = MergeBytes(out[i], shades[i]);
    }
    return composed;
}

Result<PartPictures> ComposePartFiles(const PartFiles& parts, const std::filesystem::path& archive)
{
    Bytes archiveBytes;
    if (!archive.empty())
    {
        auto read = ReadWholeFile(archive);
        if (!read)
        {
            return read.status();
        }
        archiveBytes = std::move(*read);
    }
    const FshDirectory directory = ReadDirectory(archiveBytes);
    PartPictures pictures;
    for (Part part : kAllParts)
    {
        std::array<Bitmap8, 2> pair;
        for (int k = 0; k < 2; ++k)
        {
            const PartSlot slot = k == 0 ? DesignSlot(part) : ShadeSlot(part);
            auto bitmap = ReadBmp8File(parts[slot]);
            if (!bitmap)
            {
                return Status::Fail(PartBitmapName(slot) + ": " + bitmap.error());
            }
            pair[k] = std::move(*bitmap);
        }
        std::optional<Bitmap8> stored;
        if (!archive.empty())
        {
            auto image = ReadPartImage(archiveBytes, directory, part, PathText(archive));
            if (!image)
            {
                return image.status();
            }
            stored = std::move(*image);
        }
        auto composed = ComposePart(part, pair[0], pair[1], stored ? &*stored : nullptr);
        if (!composed)
        {
            return composed.status();
        }
        pictures[static_cast<int>(part)] = std::move(*composed);
    }
    return pictures;
}

Status ComposeParts(const PartFiles& parts, const ComposedFiles& out, const std::filesystem::path& archive)
{
    auto pictures = ComposePartFiles(parts, archive);
    if (!pictures)
    {
        return pictures.status();
    }
    std::vector<FileContents> group;
    for (Part part : kAllParts)
    {
        group.emplace_back(out[static_cast<int>(part)], EncodeBmp8((*pictures)[static_cast<int>(part)]));
    }
    // They feed the save, which reads them back at once; the saved archive is what gets flushed.
    return WriteFileGroup(group, Flush::No);
}

} // namespace tarnix
