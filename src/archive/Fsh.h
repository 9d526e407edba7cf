#pragma once

// The FSH texture archive ("SHPI"): a 16-byte header, a directory of 8-byte records, and per entry a
// 16-byte image header, W x H pixel bytes (top row first), a 16-byte palette header and a 256-colour
// palette. Entry sizes are fixed by the entry's name; the image headers are never consulted. Behind the
// archive data, at the offset of the header's total size, we keep a trailer of our own: the 24-byte
// colour record and a zero-terminated label.

#include "archive/ByteReader.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix
{

constexpr std::size_t kFshHeaderSize = 16;
constexpr std::size_t kFshMagicOffset = 0;
constexpr std::size_t kFshTotalSizeOffset = 4;
constexpr std::size_t kFshCountOffset = 8;
constexpr std::size_t kDirectoryRecordSize = 8;
constexpr std::size_t kEntryHeaderSize = 16;
constexpr std::size_t kPaletteHeaderSize = 16;
constexpr std::uint8_t kPaletteType32 = 0x2A; // 4 bytes per colour, blue green red alpha
constexpr std::size_t kTrailerRecordSize = 24;
constexpr std::size_t kMaxLabelRead = 256;

// A Windows BMP colour table: 256 entries of blue, green, red, 0.
using ColourTable = std::array<std::uint8_t, 1024>;

struct EntryGeometry
{
    std::string_view name;
    int width;
    int height;
};

constexpr std::array<EntryGeometry, 14> kJerseyEntries = {{
    {"hjfr", 128, 128},
    {"frhi", 128, 128},
    {"mjfr", 64, 64},
    {"frmd", 64, 64},
    {"hjbk", 64, 64},
    {"mjbk", 32, 32},
    {"hslv", 64, 64},
    {"mslv", 32, 40},
    {"luga", 10, 24},
    {"hrsv", 64, 48},
    {"mrsv", 32, 24},
    {"lgar", 10, 18},
    {"luar", 10, 24},
    {"ljer", 44, 28},
}};

std::optional<EntryGeometry> GeometryOf(std::string_view name);

// The four name characters as one little-endian number: lookups compare numbers, not strings.
constexpr std::uint32_t NameKey(std::string_view name)
{
    if (name.size() != 4)
    {
        return 0; // no record's key: a record named by four zero bytes is never looked up by name
    }
    return std::uint32_t(std::uint8_t(name[0])) | std::uint32_t(std::uint8_t(name[1])) << 8 |
           std::uint32_t(std::uint8_t(name[2])) << 16 | std::uint32_t(std::uint8_t(name[3])) << 24;
}

// An entry's four name bytes, held in the record itself: a damaged count can list thousands of records,
// and a string each was most of reading such a directory.
struct EntryName
{
    std::array<char, 4> bytes{};

    operator std::string_view() const { return {bytes.data(), bytes.size()}; }
    std::string str() const { return {bytes.data(), bytes.size()}; }
    friend bool operator==(const EntryName& a, std::string_view b) { return std::string_view(a) == b; }
    friend std::ostream& operator<<(std::ostream& out, const EntryName& name)
    {
        return out << std::string_view(name);
    }
};

struct DirectoryRecord
{
    EntryName name;
    std::uint32_t offset = 0;
    std::uint32_t key = 0; // NameKey(name)
};

struct FshDirectory
{
    std::uint32_t totalSize = 0;
    std::uint32_t storedCount = 0;
    std::vector<DirectoryRecord> records; // those of the stored count that lie before the entries' data
    bool truncated = false;               // the stored count runs past the end of the file
    bool overCounted = false;             // the stored count runs into the data of a listed entry

    // The first record, in file order, carrying any of the names.
    const DirectoryRecord* Find(std::initializer_list<std::string_view> names) const;
};

// Reads the header and directory. Never fails: a short file yields fewer (or no) records, whatever the
// stored count says, and the records end where the first listed entry's data begins.
FshDirectory ReadDirectory(ByteView archive);

// An entry located in an archive and checked to lie inside it.
struct EntryView
{
    std::string name;
    std::uint32_t offset = 0;
    int width = 0;
    int height = 0;

    std::uint64_t PixelOffset() const { return std::uint64_t(offset) + kEntryHeaderSize; }
    std::uint64_t PixelCount() const { return std::uint64_t(width) * std::uint64_t(height); }
    std::uint64_t PaletteHeaderOffset() const { return PixelOffset() + PixelCount(); }
    std::uint64_t PaletteOffset() const { return PaletteHeaderOffset() + kPaletteHeaderSize; }
};

enum class EntryNeeds
{
    Pixels,          // header and pixels
    TypedPalette,    // and a palette read by its record type
    FourBytePalette, // and a palette always read as 256 four-byte colours
};

// Finds the first record carrying one of `names` (the geometry is that of the first name) and checks that
// everything `needs` asks for lies inside the archive. `archiveName` names the file in messages.
Result<EntryView> LocateEntry(ByteView archive, const FshDirectory& directory,
                              std::initializer_list<std::string_view> names, EntryNeeds needs,
                              const std::string& archiveName);

// The large front: the first record named "frhi" or "hjfr".
Result<EntryView> LocateFront(ByteView archive, const FshDirectory& directory, EntryNeeds needs,
                              const std::string& archiveName);

// The entry's palette as a BMP colour table. `fourByte` reads 256 four-byte colours whatever the record
// type (the front and "frmd"), colours cut off by the end of the file being black; otherwise the record
// type decides. The entry must have been located with
// the matching EntryNeeds.
ColourTable ReadEntryPalette(ByteView archive, const EntryView& entry, bool fourByte);

// The entry's pixels, top row first.
std::vector<std::uint8_t> ReadEntryPixels(ByteView archive, const EntryView& entry);

// Reads the trailer at the full 32-bit total-size offset into `colours`: up to 24 bytes (bytes not present
// keep their value). When byte 1 is not a named colour (0-23) bytes 1-7 become the defaults and the label
// is empty; otherwise the label is the raw bytes up to the first zero, at most 256 of them. An archive
// without the "SHPI" magic leaves `colours` alone and has no label.
std::string ReadTrailer(ByteView archive, JerseyColours& colours);

// Writes the trailer (record, label bytes, one zero) at the total-size offset of `archive`, growing it when
// needed and never shrinking it. Fails when the total size points past the end of the file (a damaged
// header: writing there would leave a gap of undefined bytes).
Status WriteTrailer(Bytes& archive, const JerseyColours& record, std::string_view labelBytes,
                    const std::string& archiveName);

} // namespace tarnix
