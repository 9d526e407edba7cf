#include "archive/Jersey.h"

#include "archive/Cp1252.h"
#include "archive/FileIO.h"
#include "archive/KitColours.h"

#include <cctype>

namespace tarnix
{

namespace fs = std::filesystem;

const char* PartName(Part part)
{
    switch (part)
    {
    case Part::Front:
        return "front";
    case Part::Back:
        return "back";
    case Part::LongSleeve:
        return "long sleeve";
    case Part::ShortSleeve:
        return "short sleeve";
    }
    return "part";
}

namespace
{

std::string Upper(std::string s)
{
    for (char& c : s)
    {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

// A folder for comparison: absolute, normalised, without a trailing separator.
fs::path Normalised(const fs::path& folder)
{
    std::error_code ec;
    fs::path p = fs::absolute(folder, ec);
    if (ec)
    {
        p = folder;
    }
    p = p.lexically_normal();
    if (!p.has_filename() && p.has_relative_path())
    {
        p = p.parent_path();
    }
    return p;
}

bool SameFolder(const fs::path& a, const fs::path& b)
{
    fs::path na = Normalised(a);
    fs::path nb = Normalised(b);
    // Windows compares these folders without regard to letter case; so do we.
    if (Upper(PathText(na)) == Upper(PathText(nb)))
    {
        return true;
    }
    std::error_code ec;
    return fs::equivalent(na, nb, ec);
}

} // namespace

bool IsJerseyArchive(ByteView archive)
{
    return ReadDirectory(archive).Find({"hjfr"}) != nullptr;
}

Status CheckJerseyFile(const fs::path& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        return bytes.status();
    }
    if (!IsJerseyArchive(*bytes))
    {
        return Status::Fail("\"" + PathText(path) + "\" is not a jersey file: it has no entry \"hjfr\"");
    }
    return {};
}

bool IsJerseyFile(const fs::path& path)
{
    return CheckJerseyFile(path).ok();
}

fs::path TexturesFolderFor(const fs::path& gameFolder)
{
    return FindCaseInsensitive(gameFolder, fs::path("Data") / "Player" / "Textures");
}

int JerseyNumber(const fs::path& archive, const fs::path& gameFolder)
{
    if (gameFolder.empty())
    {
        return 0;
    }
    std::string name = PathText(archive.filename());
    if (Upper(name).rfind("PK0", 0) != 0)
    {
        return 0;
    }
    fs::path folder = archive.parent_path();
    if (folder.empty())
    {
        folder = ".";
    }
    if (!SameFolder(folder, TexturesFolderFor(gameFolder)))
    {
        return 0;
    }
    // As atoi: digits up to the first non-digit, 0 when there are none.
    int number = 0;
    for (std::size_t i = 3; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i)
    {
        number = number * 10 + (name[i] - '0');
        if (number > 1000000)
        {
            break;
        }
    }
    return number;
}

JerseyInfo ReadJerseyInfo(const fs::path& archive, const fs::path& gameFolder, JerseyColours& colours)
{
    JerseyInfo info;
    info.number = JerseyNumber(archive, gameFolder);
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        info.readError = bytes.error();
        return info;
    }
    info.labelBytes = ReadTrailer(*bytes, colours);
    info.label = DecodeCp1252(info.labelBytes);
    return info;
}

namespace
{

Result<EntryView> LocatePart(ByteView archive, const FshDirectory& directory, Part part,
                             const std::string& archiveName)
{
    switch (part)
    {
    case Part::Front:
        return LocateFront(archive, directory, EntryNeeds::FourBytePalette, archiveName);
    case Part::Back:
        return LocateEntry(archive, directory, {"hjbk"}, EntryNeeds::TypedPalette, archiveName);
    case Part::LongSleeve:
        return LocateEntry(archive, directory, {"hslv"}, EntryNeeds::TypedPalette, archiveName);
    case Part::ShortSleeve:
        return LocateEntry(archive, directory, {"hrsv"}, EntryNeeds::TypedPalette, archiveName);
    }
    return Result<EntryView>::Fail("unknown part");
}

} // namespace

Result<Bitmap8> ReadPartImage(ByteView archive, Part part, const std::string& archiveName)
{
    return ReadPartImage(archive, ReadDirectory(archive), part, archiveName);
}

Result<Bitmap8> ReadPartImage(ByteView archive, const FshDirectory& directory, Part part,
                              const std::string& archiveName)
{
    auto entry = LocatePart(archive, directory, part, archiveName);
    if (!entry)
    {
        return entry.status();
    }
    Bitmap8 bitmap;
    bitmap.width = entry->width;
    bitmap.height = entry->height;
    bitmap.colours = ReadEntryPalette(archive, *entry, part == Part::Front);
    bitmap.pixels = ReadEntryPixels(archive, *entry);
    return bitmap;
}

Result<ColourTable> ReadPartPalette(ByteView archive, Part part, const std::string& archiveName)
{
    auto entry = LocatePart(archive, ReadDirectory(archive), part, archiveName);
    if (!entry)
    {
        return entry.status();
    }
    return ReadEntryPalette(archive, *entry, part == Part::Front);
}

Result<Bytes> BuildPreview(ByteView archive, const std::string& archiveName)
{
    auto front = ReadPartImage(archive, Part::Front, archiveName);
    if (!front)
    {
        return front.status();
    }
    return EncodeBmp8(*front);
}

Status ExtractPreview(const fs::path& archive, const fs::path& out)
{
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return bytes.status();
    }
    auto preview = BuildPreview(*bytes, PathText(archive));
    if (!preview)
    {
        return preview.status();
    }
    // A temporary file for the page's picture, deleted once shown.
    return WriteFileAtomic(out, *preview, Flush::No);
}

void RecolourColourTable(ColourTable& colours, const JerseyColours& record)
{
    auto paint = [&colours](int group, int row)
    {
        for (int s = 0; s < 16; ++s)
        {
            std::uint32_t rgb = ShadeRamps[row][s];
            std::size_t at = 4 * std::size_t(16 * group + s);
            colours[at] = static_cast<std::uint8_t>(rgb);
            colours[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
            colours[at + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    };
    for (int k = 0; k < kKitColourCount; ++k)
    {
        int row = KitColour(record, k);
        if (row >= 0 && row < kNamedColourCount)
        {
            paint(k + 2, row);
        }
    }
    paint(12, kNotUsedColour);
}

} // namespace tarnix
