#include "archive/Thumbnail.h"

#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "archive/Fsh.h"

namespace tarnix
{

Result<Bytes> BuildThumbnail(ByteView archive, const std::string& archiveName)
{
    // Like the front, "frmd" keeps its palette as four-byte colours whatever its record type says.
    auto entry = LocateEntry(archive, ReadDirectory(archive), {"frmd"}, EntryNeeds::FourBytePalette, archiveName);
    if (!entry)
    {
        return entry.status();
    }
    Bitmap8 thumbnail;
    thumbnail.width = entry->width;
    thumbnail.height = entry->height;
    thumbnail.colours = ReadEntryPalette(archive, *entry, true);
    thumbnail.pixels = ReadEntryPixels(archive, *entry);
    return EncodeBmp8(thumbnail);
}

Status WriteThumbnail(const std::filesystem::path& archive, const std::filesystem::path& out)
{
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return bytes.status();
    }
    auto thumbnail = BuildThumbnail(*bytes, PathText(archive));
    if (!thumbnail)
    {
        return Status::Fail("no thumbnail written: " + thumbnail.error());
    }
    return WriteFileAtomic(out, *thumbnail);
}

std::filesystem::path ThumbnailPath(const std::filesystem::path& mardekFolder, int number)
{
    // Mardek lives on Windows; on a case-sensitive disk its "JERSEYS" or "FRMD7.BMP" are the files meant.
    return FindCaseInsensitive(mardekFolder,
                               std::filesystem::path("Jerseys") / ("frmd" + std::to_string(number) + ".bmp"));
}

} // namespace tarnix
