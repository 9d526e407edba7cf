#include "archive/PartExport.h"

#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"

#include <algorithm>

namespace tarnix
{

std::string PartBitmapName(PartSlot slot)
{
    const Part part = static_cast<Part>(slot % 4);
    return std::string("the ") + PartName(part) + (slot < 4 ? " design bitmap" : " shade bitmap");
}

Bitmap8 SplitDesign(const Bitmap8& stored)
{
    Bitmap8 design = stored;
    TransformBytes(design.pixels.data(), design.pixels.size(), DesignByte);
    return design;
}

Bitmap8 SplitShade(const Bitmap8& stored)
{
    Bitmap8 shade = stored;
    TransformBytes(shade.pixels.data(), shade.pixels.size(), ShadeByte);
    return shade;
}

Result<std::array<Bytes, PartSlotCount>> BuildPartBitmaps(ByteView archive, const std::string& archiveName)
{
    std::array<Bytes, PartSlotCount> files;
    const FshDirectory directory = ReadDirectory(archive);
    for (Part part : kAllParts)
    {
        auto stored = ReadPartImage(archive, directory, part, archiveName);
        if (!stored)
        {
            return stored.status();
        }
        // Both files share the stored part's headers and colour table; only the pixel bytes differ. Part
        // widths are multiples of four, so the pixel area has no row padding to keep clear.
        Bytes design = EncodeBmp8(*stored);
        Bytes shade = design;
        TransformBytes(design.data() + kBmpPixelOffset, design.size() - kBmpPixelOffset, DesignByte);
        TransformBytes(shade.data() + kBmpPixelOffset, shade.size() - kBmpPixelOffset, ShadeByte);
        files[DesignSlot(part)] = std::move(design);
        files[ShadeSlot(part)] = std::move(shade);
    }
    return files;
}

Status ExportParts(const std::filesystem::path& archive, const PartFiles& files)
{
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return bytes.status();
    }
    auto bitmaps = BuildPartBitmaps(*bytes, PathText(archive));
    if (!bitmaps)
    {
        return bitmaps.status();
    }
    return WritePartBitmaps(std::move(*bitmaps), files);
}

Status WritePartBitmaps(std::array<Bytes, PartSlotCount> bitmaps, const PartFiles& files)
{
    std::vector<FileContents> group;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        group.emplace_back(files[slot], std::move(bitmaps[slot]));
    }
    return WriteFileGroup(group, Flush::No);
}

} // namespace tarnix
