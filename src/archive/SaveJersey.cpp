#include "archive/SaveJersey.h"

#include "archive/Backup.h"
#include "archive/Cp1252.h"
#include "archive/FileIO.h"
#include "archive/Fsh.h"

#include <algorithm>

namespace tarnix
{

namespace fs = std::filesystem;

namespace
{

constexpr std::array<Part, 4> kComposedOrder = {Part::Front, Part::Back, Part::LongSleeve, Part::ShortSleeve};

Result<EntryView> LocateSaved(ByteView archive, const FshDirectory& directory, std::string_view name,
                              const std::string& archiveName)
{
    if (name == "front")
    {
        return LocateFront(archive, directory, EntryNeeds::Pixels, archiveName);
    }
    return LocateEntry(archive, directory, {name}, EntryNeeds::Pixels, archiveName);
}

const Bitmap8* WholePicture(std::string_view entry, const PartPictures& parts)
{
    static constexpr std::pair<std::string_view, Part> kWhole[] = {
        {"front", Part::Front}, {"hjbk", Part::Back}, {"hslv", Part::LongSleeve}, {"hrsv", Part::ShortSleeve}};
    for (const auto& [name, part] : kWhole)
    {
        if (name == entry)
        {
            return &parts[static_cast<int>(part)];
        }
    }
    return nullptr;
}

// Saving writes through a link to the file it names, as copying over it would.
fs::path WritePath(const fs::path& target)
{
    std::error_code ec;
    if (fs::is_symlink(target, ec))
    {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec)
        {
            return resolved;
        }
    }
    return target;
}

// Copies the file about to be replaced into the backup folder, named after the jersey as the user named it.
Result<fs::path> KeepBackup(const SaveRequest& request, const fs::path& writePath)
{
    const std::string stopped =
        "cannot keep a backup of \"" + PathText(request.target) + "\" before replacing it, so nothing was saved: ";
    auto old = ReadWholeFile(writePath);
    if (!old)
    {
        return Result<fs::path>::Fail(stopped + old.error());
    }
    fs::path folder = request.backupFolder;
    if (folder.empty())
    {
        auto found = DefaultBackupFolder();
        if (!found)
        {
            return Result<fs::path>::Fail(stopped + found.error());
        }
        folder = *found;
    }
    auto copy = WriteBackup(request.target.filename(), *old, folder, std::chrono::system_clock::now());
    if (!copy)
    {
        return Result<fs::path>::Fail(stopped + copy.error());
    }
    return copy;
}

} // namespace

JerseyColours SavedRecord(const KitColours& colours)
{
    JerseyColours record{};
    record[0] = 1;
    SetKitColours(record, colours);
    return record;
}

Status PatchArchive(Bytes& source, const PartPictures& parts, const JerseyColours& record,
                    std::string_view labelBytes, const std::string& archiveName)
{
    for (Part part : kAllParts)
    {
        const Bitmap8& picture = parts[static_cast<int>(part)];
        const PartSize size = SizeOf(part);
        if (picture.width != size.width || picture.height != size.height ||
            picture.pixels.size() != std::size_t(size.width) * size.height)
        {
            return Status::Fail(std::string("the composed ") + PartName(part) + " is " +
                                std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                                " pixels instead of " + std::to_string(size.width) + " x " +
                                std::to_string(size.height));
        }
    }

    const FshDirectory directory = ReadDirectory(source);
    std::array<EntryView, kSavedEntries.size()> entries;
    for (std::size_t i = 0; i < kSavedEntries.size(); ++i)
    {
        auto entry = LocateSaved(source, directory, kSavedEntries[i], archiveName);
        if (!entry)
        {
            return entry.status();
        }
        // The trailer is written at the total size; pixels behind it would be overwritten by it.
        if (entry->PaletteHeaderOffset() > directory.totalSize)
        {
            return Status::Fail("entry \"" + entry->name + "\" of \"" + archiveName + "\" at offset " +
                                std::to_string(entry->offset) + " lies behind the archive's total size (" +
                                std::to_string(directory.totalSize) + "); the header is damaged");
        }
        entries[i] = *entry;
    }
    if (directory.totalSize > source.size() || directory.totalSize < kFshHeaderSize)
    {
        return Status::Fail("the total size in the header of \"" + archiveName + "\" (" +
                            std::to_string(directory.totalSize) + ") does not fit its length (" +
                            std::to_string(source.size()) + " bytes)");
    }

    // Entries are written in the order of the table, so entries that share bytes end as saving always left
    // them.
    for (std::size_t i = 0; i < kSavedEntries.size(); ++i)
    {
        const auto target = source.begin() + static_cast<std::ptrdiff_t>(entries[i].PixelOffset());
        if (const Bitmap8* whole = WholePicture(kSavedEntries[i], parts))
        {
            // A large entry is its picture as it stands, rows top first like the picture's.
            std::copy(whole->pixels.begin(), whole->pixels.end(), target);
            continue;
        }
        SampleEntryInto(kSavedEntries[i], parts, &*target);
    }
    return WriteTrailer(source, record, labelBytes, archiveName);
}

Status CheckSaveRequest(const SaveRequest& request)
{
    if (request.target.empty())
    {
        return Status::Fail("Please specify a file to save to.");
    }
    // Windows drops a trailing space or dot from a file name: "PK002.FSH " would replace PK002.FSH after the
    // overwrite question was asked about a file that does not exist, and the game never loads such a name.
    const fs::path name = request.target.filename();
    const auto& text = name.native(); // wide on Windows, where a narrow copy of a non-ASCII name may throw
    if (!text.empty() && name != "." && name != ".." && (text.back() == ' ' || text.back() == '.'))
    {
        return Status::Fail("The file name \"" + PathText(name) +
                            "\" ends in a space or a dot, which Windows drops from file names. Please remove it.");
    }
    for (int colour : request.colours)
    {
        if (colour < 0 || colour >= kNamedColourCount)
        {
            return Status::Fail("kit colour " + std::to_string(colour) + " is not one of the 24 named colours");
        }
    }
    if (!EncodeCp1252(request.label))
    {
        return Status::Fail("The label \"" + request.label +
                            "\" holds characters that a jersey file cannot store: it holds only Western European "
                            "characters (Windows-1252). Please change the label.");
    }
    return {};
}

Status SaveJerseyPictures(const SaveRequest& request, const PartPictures& parts, JerseyColours& record,
                          fs::path* backup)
{
    if (backup != nullptr)
    {
        backup->clear();
    }
    if (Status checked = CheckSaveRequest(request); !checked)
    {
        return checked;
    }
    const auto labelBytes = EncodeCp1252(request.label);
    auto archive = ReadWholeFile(request.source);
    if (!archive)
    {
        return archive.status();
    }
    const JerseyColours written = SavedRecord(request.colours);
    if (Status patched = PatchArchive(*archive, parts, written, *labelBytes, PathText(request.source)); !patched)
    {
        return patched;
    }
    const fs::path writePath = WritePath(request.target);
    fs::path copy;
    std::error_code ec;
    if (request.keepBackup && fs::exists(fs::status(writePath, ec)))
    {
        auto kept = KeepBackup(request, writePath);
        if (!kept)
        {
            return kept.status();
        }
        copy = *kept;
    }
    if (Status saved = WriteFileAtomic(writePath, *archive); !saved)
    {
        // A write that failed only in flushing the folder has put the new jersey in place: the copy then
        // holds the one old version left, and stays, as it does when the jersey cannot be read to tell.
        if (auto now = ReadWholeFile(writePath); now.ok() && *now != *archive)
        {
            RemoveFileQuietly(copy);
        }
        return saved;
    }
    if (!copy.empty())
    {
        PruneBackups(copy.parent_path(), request.target);
    }
    record = written;
    if (backup != nullptr)
    {
        *backup = copy;
    }
    return {};
}

Status SaveJersey(const SaveRequest& request, JerseyColours& record, fs::path* backup)
{
    if (Status checked = CheckSaveRequest(request); !checked)
    {
        return checked;
    }
    PartPictures parts;
    for (Part part : kComposedOrder)
    {
        const fs::path& path = request.composed[static_cast<int>(part)];
        auto bitmap = ReadBmp8File(path);
        if (!bitmap)
        {
            return Status::Fail(std::string("the composed ") + PartName(part) + " bitmap: " + bitmap.error());
        }
        parts[static_cast<int>(part)] = std::move(*bitmap);
    }
    return SaveJerseyPictures(request, parts, record, backup);
}

} // namespace tarnix
