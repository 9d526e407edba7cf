#include "archive/Fsh.h"

#include <algorithm>
#include <cstring>

namespace tarnix
{

std::optional<EntryGeometry> GeometryOf(std::string_view name)
{
    for (const EntryGeometry& g : kJerseyEntries)
    {
        if (g.name == name)
        {
            return g;
        }
    }
    return std::nullopt;
}

const DirectoryRecord* FshDirectory::Find(std::initializer_list<std::string_view> names) const
{
    // A directory can hold thousands of records (a damaged count over a file whose offsets point nowhere),
    // and every reader looks several names up: one number compare per record and name keeps that linear
    // and cheap.
    std::array<std::uint32_t, 4> keys{};
    std::size_t count = 0;
    for (std::string_view name : names)
    {
        if (name.size() == 4 && count < keys.size())
        {
            keys[count++] = NameKey(name);
        }
    }
    for (const DirectoryRecord& record : records)
    {
        for (std::size_t k = 0; k < count; ++k)
        {
            if (record.key == keys[k])
            {
                return &record;
            }
        }
    }
    return nullptr;
}

FshDirectory ReadDirectory(ByteView archive)
{
    ByteReader reader(archive);
    FshDirectory directory;
    directory.totalSize = reader.U32(kFshTotalSizeOffset).value_or(0);
    directory.storedCount = reader.U32(kFshCountOffset).value_or(0);
    // The count is only trusted as far as the file goes: a foreign file can hold any 32-bit value there.
    // Nor can the directory run into the data it points at: a count larger than the real directory (common
    // damage) would read pixels as records, so reading stops at the first record that starts inside an
    // entry already listed.
    std::uint64_t fits =
        archive.size() > kFshHeaderSize ? (archive.size() - kFshHeaderSize) / kDirectoryRecordSize : 0;
    std::uint64_t count = std::min<std::uint64_t>(directory.storedCount, fits);
    std::uint64_t firstData = archive.size();
    directory.records.reserve(static_cast<std::size_t>(count)); // at most one record per 8 bytes of the file
    for (std::uint64_t i = 0; i < count; ++i)
    {
        std::uint64_t at = kFshHeaderSize + i * kDirectoryRecordSize;
        if (at + kDirectoryRecordSize > firstData)
        {
            directory.overCounted = true;
            break;
        }
        // `count` keeps every record inside the file, so the bytes are read without further checks.
        const std::uint8_t* bytes = archive.data() + at;
        DirectoryRecord& record = directory.records.emplace_back();
        std::memcpy(record.name.bytes.data(), bytes, 4);
        record.key = LittleEndian32(bytes);
        record.offset = LittleEndian32(bytes + 4);
        // An offset inside the directory itself is damage of its own (refused when that entry is looked up),
        // not the start of the data.
        if (record.offset >= at + kDirectoryRecordSize)
        {
            firstData = std::min<std::uint64_t>(firstData, record.offset);
        }
    }
    directory.truncated = !directory.overCounted && count < directory.storedCount;
    return directory;
}

Result<EntryView> LocateEntry(ByteView archive, const FshDirectory& directory,
                              std::initializer_list<std::string_view> names, EntryNeeds needs,
                              const std::string& archiveName)
{
    std::string wanted;
    for (std::string_view name : names)
    {
        wanted += (wanted.empty() ? "\"" : " or \"") + std::string(name) + "\"";
    }
    const DirectoryRecord* record = directory.Find(names);
    if (record == nullptr)
    {
        std::string why = directory.truncated ? " (its directory runs past the end of the file)"
                          : directory.overCounted
                              ? " (its directory lists " + std::to_string(directory.storedCount) +
                                    " records, but only " + std::to_string(directory.records.size()) +
                                    " lie before the entries' data)"
                              : "";
        return Result<EntryView>::Fail("\"" + archiveName + "\" has no entry " + wanted + why);
    }
    auto geometry = GeometryOf(record->name);
    if (!geometry)
    {
        geometry = GeometryOf(*names.begin());
    }
    EntryView entry{record->name.str(), record->offset, geometry->width, geometry->height};

    ByteReader reader(archive);
    std::uint64_t end = entry.PaletteHeaderOffset();
    if (needs == EntryNeeds::FourBytePalette)
    {
        // The game also loads a last entry whose palette is stored with three bytes per colour, 768 bytes,
        // where we read four: the bytes missing at the end of the file are read as zero.
        end = entry.PaletteOffset() + 768;
    }
    else if (needs == EntryNeeds::TypedPalette)
    {
        auto type = reader.U8(entry.PaletteHeaderOffset());
        end = entry.PaletteOffset() + ((type && *type == kPaletteType32) ? 1024 : 768);
    }
    if (entry.offset < kFshHeaderSize + directory.records.size() * kDirectoryRecordSize)
    {
        return Result<EntryView>::Fail("entry \"" + entry.name + "\" of \"" + archiveName + "\" at offset " +
                                       std::to_string(entry.offset) + " overlaps the archive's header");
    }
    if (end > archive.size())
    {
        return Result<EntryView>::Fail("entry \"" + entry.name + "\" of \"" + archiveName + "\" at offset " +
                                       std::to_string(entry.offset) + " runs past the end of the file (" +
                                       std::to_string(archive.size()) + " bytes)");
    }
    return entry;
}

Result<EntryView> LocateFront(ByteView archive, const FshDirectory& directory, EntryNeeds needs,
                              const std::string& archiveName)
{
    return LocateEntry(archive, directory, {"frhi", "hjfr"}, needs, archiveName);
}

ColourTable ReadEntryPalette(ByteView archive, const EntryView& entry, bool fourByte)
{
    ColourTable table{};
    ByteReader reader(archive);
    bool wide = fourByte || reader.U8(entry.PaletteHeaderOffset()).value_or(0) == kPaletteType32;
    std::uint64_t at = entry.PaletteOffset();
    for (int i = 0; i < 256; ++i)
    {
        if (wide)
        {
            ByteView c = reader.Clipped(at + 4u * i, 3);
            for (std::size_t k = 0; k < c.size(); ++k)
            {
                table[4 * i + k] = c[k]; // stored blue, green, red
            }
        }
        else
        {
            ByteView c = reader.Clipped(at + 3u * i, 3);
            if (c.size() == 3)
            {
                table[4 * i] = c[2]; // stored red, green, blue
                table[4 * i + 1] = c[1];
                table[4 * i + 2] = c[0];
            }
        }
    }
    return table;
}

std::vector<std::uint8_t> ReadEntryPixels(ByteView archive, const EntryView& entry)
{
    ByteView pixels = ByteReader(archive).Clipped(entry.PixelOffset(), entry.PixelCount());
    std::vector<std::uint8_t> out(pixels.begin(), pixels.end());
    out.resize(entry.PixelCount(), 0);
    return out;
}

std::string ReadTrailer(ByteView archive, JerseyColours& colours)
{
    // Only the header matters here; the directory is not read.
    ByteReader reader(archive);
    if (!reader.Has(kFshMagicOffset, 4) || std::memcmp(archive.data(), "SHPI", 4) != 0)
    {
        return {};
    }
    const std::uint32_t totalSize = reader.U32(kFshTotalSizeOffset).value_or(0);
    ByteView record = reader.Clipped(totalSize, kTrailerRecordSize);
    std::copy(record.begin(), record.end(), colours.begin());
    int first = KitColour(colours, 0);
    if (first < 0 || first >= kNamedColourCount)
    {
        SetKitColours(colours, kDefaultKitColours);
        return {};
    }
    ByteView label = reader.Clipped(std::uint64_t(totalSize) + kTrailerRecordSize, kMaxLabelRead);
    auto zero = std::find(label.begin(), label.end(), std::uint8_t{0});
    return std::string(label.begin(), zero);
}

Status WriteTrailer(Bytes& archive, const JerseyColours& record, std::string_view labelBytes,
                    const std::string& archiveName)
{
    auto total = ByteReader(archive).U32(kFshTotalSizeOffset);
    if (!total || *total > archive.size() || *total < kFshHeaderSize)
    {
        return Status::Fail("the total size in the header of \"" + archiveName + "\" (" +
                            std::to_string(total.value_or(0)) + ") does not fit its length (" +
                            std::to_string(archive.size()) + " bytes)");
    }
    std::uint32_t at = *total;
    std::size_t end = std::size_t(at) + kTrailerRecordSize + labelBytes.size() + 1;
    if (archive.size() < end)
    {
        archive.resize(end, 0);
    }
    std::copy(record.begin(), record.end(), archive.begin() + at);
    std::copy(labelBytes.begin(), labelBytes.end(), archive.begin() + at + kTrailerRecordSize);
    archive[end - 1] = 0;
    return {};
}

} // namespace tarnix
