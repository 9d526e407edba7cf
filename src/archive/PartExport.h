#pragma once

// The round trip through the user's bitmap editor: the four parts of a jersey exported as a design bitmap
// (colour group at full shade) and a shade bitmap (the shade) each, and the merge that undoes the split.

#include "archive/Bmp.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tarnix
{

using PartFiles = std::array<std::filesystem::path, PartSlotCount>;

// The colour tables the eight part bitmaps were written with, in slot order. Keep them with the part
// files: returned bitmaps are read back through them.
using ExportedTables = std::array<ColourTable, PartSlotCount>;

// Split of one archive pixel: design = 240 for 240, else v | 0x0F; shade = v & 0x0F.
constexpr std::uint8_t DesignByte(std::uint8_t v)
{
    return v == 240 ? 240 : static_cast<std::uint8_t>(v | 0x0F);
}
constexpr std::uint8_t ShadeByte(std::uint8_t v)
{
    return static_cast<std::uint8_t>(v & 0x0F);
}

// Merge of a design and a shade byte: d when d is 192, else (d & 0xF0) + s in 8 bits.
constexpr std::uint8_t MergeBytes(std::uint8_t d, std::uint8_t s)
{
    const std::uint8_t keep = static_cast<std::uint8_t>(0 - (d == 192)); // 0xFF for 192, else 0
    return static_cast<std::uint8_t>((d & keep) | (((d & 0xF0) + s) & ~keep));
}

// Applies `f` to every byte of [bytes, bytes + n). Blocks of a fixed length let the compiler turn the
// per-pixel rules into vector code; part bitmaps are tens of kilobytes and this is their hot loop.
template <typename F> void TransformBytes(std::uint8_t* bytes, std::size_t n, F f)
{
    constexpr std::size_t kBlock = 32;
    std::size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
    {
        for (std::size_t k = 0; k < kBlock; ++k)
        {
            bytes[i + k] = f(bytes[i + k]);
        }
    }
    for (; i < n; ++i)
    {
        bytes[i] = f(bytes[i]);
    }
}

// "the front design bitmap", "the short sleeve shade bitmap": for messages.
std::string PartBitmapName(PartSlot slot);

// A part's palette with every colour once, as the part bitmaps carry it. Game palettes repeat colours
// (white in several groups); after an editor rewrites the table such a colour could no longer be traced
// to one index. The first entry of each colour keeps it; a later entry with a taken colour gets the
// nearest free colour, a few levels away in one channel (blue first, then red, then green; upwards
// first). The archive's own palette is never changed.
ColourTable DistinctColourTable(const ColourTable& palette);

// The design and the shade bitmap of a part as stored in the archive (`stored`: pixels and colour table),
// with the colour table the export writes.
Bitmap8 SplitDesign(const Bitmap8& stored);
Bitmap8 SplitShade(const Bitmap8& stored);

// The eight part bitmaps of an archive (slot order), as the exact bytes of the files the export writes.
// Fails, naming the archive and the entry, when an entry is missing or runs past the end of the file.
Result<std::array<Bytes, PartSlotCount>> BuildPartBitmaps(ByteView archive, const std::string& archiveName);

// The design and the shade bitmap files of `part` (its pixels with the colour table the files carry), into
// their slots of `files`.
void SplitIntoPartBitmaps(const Bitmap8& part, Part which, std::array<Bytes, PartSlotCount>& files);

// The colour tables the export of `archive` writes, without writing anything.
Result<ExportedTables> ExportedColourTables(ByteView archive, const std::string& archiveName);

// Writes eight part bitmaps built by BuildPartBitmaps to `files` (slot order), replaced together. They only
// feed the user's editor, so they are not flushed to the disk one by one (see Flush).
Status WritePartBitmaps(std::array<Bytes, PartSlotCount> bitmaps, const PartFiles& files);

// Writes the eight part bitmaps of `archive` to `files` (slot order). Everything is checked before the
// first file is written, and the eight files are replaced together: on failure none of them has changed.
// On success `exported`, when given, receives the tables the files were written with.
Status ExportParts(const std::filesystem::path& archive, const PartFiles& files,
                   ExportedTables* exported = nullptr);

} // namespace tarnix
