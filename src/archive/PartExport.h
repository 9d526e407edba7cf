#pragma once

// The round trip through the user's bitmap editor: the four parts of a jersey exported as a design bitmap
// (colour group at full shade) and a shade bitmap (the shade) each, and the merge that undoes the split.

#include "archive/Bmp.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"

#include <array>
#include <cstdint>
#include <filesystem>

namespace tarnix
{

using PartFiles = std::array<std::filesystem::path, PartSlotCount>;

// Split of one archive pixel: design = 240 for 240, else v | 0x0F; shade = v & 0x0F.
constexpr std::uint8_t DesignByte(std::uint8_t v) { return v == 240 ? 240 : static_cast<std::uint8_t>(v | 0x0F); }
constexpr std::uint8_t ShadeByte(std::uint8_t v) { return static_cast<std::uint8_t>(v & 0x0F); }

// Merge of a design and a shade byte: d when d is 192, else (d & 0xF0) + s in 8 bits.
constexpr std::uint8_t MergeBytes(std::uint8_t d, std::uint8_t s)
{
    return d == 192 ? d : static_cast<std::uint8_t>((d & 0xF0) + s);
}

// The eight part bitmaps of an archive (slot order), as the exact bytes of the files the export writes.
// Fails, naming the archive and the entry, when an entry is missing or runs past the end of the file.
Result<std::array<Bytes, PartSlotCount>> BuildPartBitmaps(ByteView archive, const std::string& archiveName);

// Writes the eight part bitmaps of `archive` to `files` (slot order). Everything is checked before the
// first file is written; when a write fails, the files already written are removed again.
Status ExportParts(const std::filesystem::path& archive, const PartFiles& files);

} // namespace tarnix
