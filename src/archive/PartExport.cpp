#include "archive/PartExport.h"

#include "archive/ColourLookup.h"
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

ColourTable DistinctColourTable(const ColourTable& palette)
{
    auto colourAt = [](const ColourTable& t, int i)
    { return std::uint32_t(t[4 * i + 2]) << 16 | std::uint32_t(t[4 * i + 1]) << 8 | t[4 * i]; };
    // Every colour of the palette with its first entry, and each colour an entry moved to.
    ColourLookup taken;
    for (int i = 0; i < kPaletteColours; ++i)
    {
        (void)taken.Insert(colourAt(palette, i), static_cast<std::uint8_t>(i));
    }
    ColourTable table{};
    std::array<int, kPaletteColours> cursor{}; // per first entry of a colour: the next candidate to try
    for (int i = 0; i < kPaletteColours; ++i)
    {
        std::uint32_t colour = colourAt(palette, i);
        const int first = taken.Find(colour);
        if (first != i)
        {
            // Candidates in order: one level up, one down, in blue, then red, then green (the channels the
            // eye notices least first), then two levels, and so on. Each colour's search resumes where its
            // previous repeat stopped, so a colour repeated a hundred times costs no more than a hundred
            // probes.
            for (int& k = cursor[first]; k < 6 * 255; ++k)
            {
                constexpr int kShifts[] = {0, 0, 16, 16, 8, 8};
                const int shift = kShifts[k % 6];
                const int candidate = int(colour >> shift & 0xFF) + (k % 2 == 0 ? 1 : -1) * (k / 6 + 1);
                if (candidate < 0 || candidate > 255)
                {
                    continue;
                }
                const std::uint32_t moved = (colour & ~(0xFFu << shift)) | std::uint32_t(candidate) << shift;
                if (taken.Insert(moved, static_cast<std::uint8_t>(i)))
                {
                    colour = moved;
                    ++k;
                    break;
                }
            }
        }
        table[4 * i] = static_cast<std::uint8_t>(colour);
        table[4 * i + 1] = static_cast<std::uint8_t>(colour >> 8);
        table[4 * i + 2] = static_cast<std::uint8_t>(colour >> 16);
    }
    return table;
}

Bitmap8 SplitDesign(const Bitmap8& stored)
{
    Bitmap8 design = stored;
    design.colours = DistinctColourTable(stored.colours);
    TransformBytes(design.pixels.data(), design.pixels.size(), DesignByte);
    return design;
}

Bitmap8 SplitShade(const Bitmap8& stored)
{
    Bitmap8 shade = stored;
    shade.colours = DistinctColourTable(stored.colours);
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
        stored->colours = DistinctColourTable(stored->colours);
        SplitIntoPartBitmaps(*stored, part, files);
    }
    return files;
}

void SplitIntoPartBitmaps(const Bitmap8& part, Part which, std::array<Bytes, PartSlotCount>& files)
{
    // Both files share the part's headers and colour table; only the pixel bytes differ. Part widths are
    // multiples of four, so the pixel area has no row padding to keep clear.
    Bytes design = EncodeBmp8(part);
    Bytes shade = design;
    TransformBytes(design.data() + kBmpPixelOffset, design.size() - kBmpPixelOffset, DesignByte);
    TransformBytes(shade.data() + kBmpPixelOffset, shade.size() - kBmpPixelOffset, ShadeByte);
    files[DesignSlot(which)] = std::move(design);
    files[ShadeSlot(which)] = std::move(shade);
}

Result<ExportedTables> ExportedColourTables(ByteView archive, const std::string& archiveName)
{
    ExportedTables tables{};
    for (Part part : kAllParts)
    {
        auto palette = ReadPartPalette(archive, part, archiveName);
        if (!palette)
        {
            return palette.status();
        }
        tables[DesignSlot(part)] = DistinctColourTable(*palette);
        tables[ShadeSlot(part)] = tables[DesignSlot(part)];
    }
    return tables;
}

Status ExportParts(const std::filesystem::path& archive, const PartFiles& files, ExportedTables* exported)
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
    ExportedTables tables{};
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        const Bytes& file = (*bitmaps)[slot];
        std::copy_n(file.begin() + kBmpFileHeaderSize + kBmpInfoHeaderSize, tables[slot].size(),
                    tables[slot].begin());
    }
    Status written = WritePartBitmaps(std::move(*bitmaps), files);
    if (written && exported != nullptr)
    {
        *exported = tables;
    }
    return written;
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
