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
    return d == 192 ? d : static_cast<std::uint8_t>((d & 0xF0) + s);
}

// "the front design bitmap", "the short sleeve shade bitmap": for messages.
std::string PartBitmapName(PartSlot slot);

// The design and the shade bitmap of a part as stored in the archive (`stored`: pixels and colour table).
Bitmap8 SplitDesign(const Bitmap8& stored);
Bitmap8 SplitShade(const Bitmap8& stored);

// The eight part bitmaps of an archive (slot order), as the exact bytes of the files the export writes.
// Fails, naming the archive and the entry, when an entry is missing or runs past the end of the file.
Result<std::array<Bytes, PartSlotCount>> BuildPartBitmaps(ByteView archive, const std::string& archiveName);

// Writes the eight part bitmaps of `archive` to `files` (slot order). Everything is checked before the
// first file is written, and the eight files are replaced together: on failure none of them has changed.
Status ExportParts(const std::filesystem::path& archive, const PartFiles& files);

} // namespace tarnix
