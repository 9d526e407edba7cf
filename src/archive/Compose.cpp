#include "archive/Compose.h"

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

Status CheckSize(const EditedImage& bitmap, Part part, PartSlot slot)
{
    const PartSize size = SizeOf(part);
    if (bitmap.width != size.width || bitmap.height != size.height)
    {
        return Status::Fail(PartBitmapName(slot) + " is " + SizeText(bitmap.width, bitmap.height) +
                            " pixels; it must stay " + SizeText(size.width, size.height));
    }
    return {};
}

void MergeInto(std::vector<std::uint8_t>& design, const std::vector<std::uint8_t>& shade)
{
    std::uint8_t* out = design.data();
    const std::uint8_t* shades = shade.data();
    const std::size_t n = design.size();
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
}

Status CheckIndicesInTable(const EditedImage& bitmap, const std::string& what)
{
    std::array<bool, 256> used{};
    for (std::uint8_t p : bitmap.pixels)
    {
        used[p] = true;
    }
    for (int p = bitmap.colourCount; p < kPaletteColours; ++p)
    {
        if (used[p])
        {
            return Status::Fail(what + " uses colour index " + std::to_string(p) +
                                ", but its colour table has only " + std::to_string(bitmap.colourCount) +
                                " colours");
        }
    }
    return {};
}

} // namespace

Result<ExportReference> ReferenceFromTables(const ExportedTables& tables, ByteView archive,
                                            const std::string& archiveName)
{
    ExportReference reference;
    reference.tables = tables;
    for (Part part : kAllParts)
    {
        reference.palettes[static_cast<int>(part)] = tables[DesignSlot(part)];
        if (archive.empty())
        {
            continue;
        }
        auto stored = ReadPartImage(archive, part, archiveName);
        if (!stored)
        {
            return stored.status();
        }
        reference.palettes[static_cast<int>(part)] = stored->colours;
        reference.pixels[static_cast<int>(part)] = std::move(stored->pixels);
    }
    return reference;
}

Result<ExportReference> ReferenceFromArchive(ByteView archive, const std::string& archiveName)
{
    ExportReference reference;
    for (Part part : kAllParts)
    {
        auto stored = ReadPartImage(archive, part, archiveName);
        if (!stored)
        {
            return stored.status();
        }
        reference.palettes[static_cast<int>(part)] = stored->colours;
        reference.pixels[static_cast<int>(part)] = std::move(stored->pixels);
        reference.tables[DesignSlot(part)] = DistinctColourTable(stored->colours);
        reference.tables[ShadeSlot(part)] = reference.tables[DesignSlot(part)];
    }
    return reference;
}

Result<ComposedPart> ComposePart(Part part, const EditedImage& design, const EditedImage& shade,
                                 const ExportReference* reference, const MappingOptions& options)
{
    for (auto [bitmap, slot] : {std::pair{&design, DesignSlot(part)}, std::pair{&shade, ShadeSlot(part)}})
    {
        if (Status fits = CheckSize(*bitmap, part, slot); !fits)
        {
            return fits;
        }
    }
    ComposedPart composed;
    composed.picture.width = design.width;
    composed.picture.height = design.height;
    if (reference != nullptr)
    {
        const ColourTable& palette = reference->palettes[static_cast<int>(part)];
        MappingOptions designOptions = options;
        if (reference->pixels[static_cast<int>(part)].size() == design.pixels.size() + design.rgb.size())
        {
            designOptions.storedPixels = &reference->pixels[static_cast<int>(part)];
        }
        auto d = MapToExportedIndices(design, reference->tables[DesignSlot(part)], palette, BitmapRole::Design,
                                      designOptions, PartBitmapName(DesignSlot(part)));
        if (!d)
        {
            return d.status();
        }
        auto s = MapToExportedIndices(shade, reference->tables[ShadeSlot(part)], palette, BitmapRole::Shade,
                                      options, PartBitmapName(ShadeSlot(part)));
        if (!s)
        {
            return s.status();
        }
        composed.picture.pixels = d->asReturned ? design.pixels : std::move(d->pixels);
        composed.picture.colours = palette;
        composed.nearestPixels = d->nearestPixels + s->nearestPixels;
        composed.nearestByGroup = d->nearestByGroup;
        MergeInto(composed.picture.pixels, s->asReturned ? shade.pixels : s->pixels);
        return composed;
    }
    else
    {
        if (!design.indexed || !shade.indexed || design.colours != shade.colours ||
            design.colourCount != shade.colourCount)
        {
            return Status::Fail(std::string("the ") + PartName(part) +
                                " design and shade bitmaps no longer share their exported colour table; without "
                                "the colour tables they were exported with their colours cannot be mapped back");
        }
        for (auto [bitmap, slot] : {std::pair{&design, DesignSlot(part)}, std::pair{&shade, ShadeSlot(part)}})
        {
            if (Status inTable = CheckIndicesInTable(*bitmap, PartBitmapName(slot)); !inTable)
            {
                return inTable;
            }
        }
        composed.picture.pixels = design.pixels;
        composed.picture.colours = design.colours;
    }
    MergeInto(composed.picture.pixels, shade.pixels);
    return composed;
}

Result<Bitmap8> ComposePart(Part part, const Bitmap8& design, const Bitmap8& shade, const Bitmap8* stored)
{
    std::optional<ExportReference> reference;
    if (stored != nullptr)
    {
        reference.emplace();
        const ColourTable exported = DistinctColourTable(stored->colours);
        reference->tables.fill(exported);
        reference->palettes.fill(stored->colours);
        reference->pixels.fill(stored->pixels);
    }
    auto composed =
        ComposePart(part, AsEditedImage(design), AsEditedImage(shade), reference ? &*reference : nullptr);
    if (!composed)
    {
        return composed.status();
    }
    return std::move(composed->picture);
}

Result<PartPictures> ComposePartFiles(const PartFiles& parts, const ExportReference* reference,
                                      const MappingOptions& options, ComposeReport* report)
{
    PartPictures pictures;
    ComposeReport counted;
    for (Part part : kAllParts)
    {
        std::array<EditedImage, 2> pair;
        for (int k = 0; k < 2; ++k)
        {
            const PartSlot slot = k == 0 ? DesignSlot(part) : ShadeSlot(part);
            auto image = ReadEditedImageFile(parts[slot]);
            if (!image)
            {
                return Status::Fail(PartBitmapName(slot) + ": " + image.error());
            }
            pair[k] = std::move(*image);
        }
        auto composed = ComposePart(part, pair[0], pair[1], reference, options);
        if (!composed)
        {
            return composed.status();
        }
        pictures[static_cast<int>(part)] = std::move(composed->picture);
        counted.nearestPixels[static_cast<int>(part)] = composed->nearestPixels;
        counted.nearestByGroup[static_cast<int>(part)] = composed->nearestByGroup;
    }
    if (report != nullptr)
    {
        *report = counted;
    }
    return pictures;
}

Result<PartPictures> ComposePartFiles(const PartFiles& parts, const std::filesystem::path& archive)
{
    if (archive.empty())
    {
        return ComposePartFiles(parts, nullptr);
    }
    auto reference = ReferenceFromArchiveFile(archive);
    if (!reference)
    {
        return reference.status();
    }
    return ComposePartFiles(parts, &*reference);
}

Result<ExportReference> ReferenceFromArchiveFile(const std::filesystem::path& archive)
{
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return bytes.status();
    }
    return ReferenceFromArchive(*bytes, PathText(archive));
}

namespace
{

Status WriteComposed(const Result<PartPictures>& pictures, const ComposedFiles& out)
{
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

} // namespace

Status ComposeParts(const PartFiles& parts, const ComposedFiles& out, const ExportReference* reference,
                    const MappingOptions& options, ComposeReport* report)
{
    return WriteComposed(ComposePartFiles(parts, reference, options, report), out);
}

Status ComposeParts(const PartFiles& parts, const ComposedFiles& out, const std::filesystem::path& archive)
{
    return WriteComposed(ComposePartFiles(parts, archive), out);
}

} // namespace tarnix
