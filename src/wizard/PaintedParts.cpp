#include "wizard/PaintedParts.h"

#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/GimpPalette.h"
#include "archive/PaintFilesFromParts.h"
#include "ui/QtPaths.h"
#include "wizard/JerseyModel.h"

namespace tarnix
{

namespace
{

// What the part bitmaps are read back against: the tables kept from their export, or (for part files
// from before those were kept) an export of the jersey made now.
Result<ExportReference> DesignReference(const JerseyModel& model)
{
    const std::filesystem::path jersey = ToPath(model.m_jerseyPath);
    auto archive = ReadWholeFile(jersey);
    if (!archive)
    {
        return archive.status();
    }
    // Distinct colours make a real table never all black, so an empty one means none was kept.
    if (model.m_exportedTables == ExportedTables{})
    {
        return ReferenceFromArchive(*archive, PathText(jersey));
    }
    return ReferenceFromTables(model.m_exportedTables, *archive, PathText(jersey));
}

Result<PaintedParts> ComposeDesigns(const JerseyModel& model)
{
    if (model.m_partFiles[FrontDesign].isEmpty())
    {
        return Status::Fail("the jersey's parts have not been prepared for the bitmap editor (see the design "
                            "page)");
    }
    PartFiles parts;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        parts[slot] = ToPath(model.m_partFiles[slot]);
    }
    const Result<ExportReference> reference = DesignReference(model);
    if (!reference)
    {
        return reference.status();
    }
    ComposeReport report;
    auto composed = ComposePartFiles(parts, &*reference, MappingOptions{model.m_nearestColours}, &report);
    if (!composed)
    {
        return composed.status();
    }
    return PaintedParts{std::move(*composed), report.TotalNearest(), {}};
}

Result<PaintedParts> ComposePictures(const JerseyModel& model)
{
    if (model.m_pictureFiles[0].isEmpty())
    {
        return Status::Fail("the jersey's pictures have not been prepared for the bitmap editor (see the design "
                            "page)");
    }
    PictureFiles files;
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        files[i] = ToPath(model.m_pictureFiles[i]);
    }
    PictureReport report;
    auto composed =
        ComposePictureFiles(files, model.m_pictureReference, MappingOptions{model.m_nearestColours}, &report);
    if (!composed)
    {
        return composed.status();
    }
    return PaintedParts{std::move(*composed), report.NearestPixels(), report.Describe()};
}

// Where the `count` files from editor file `first` on are written; on failure no new file is left.
Result<std::vector<std::filesystem::path>> NewFiles(const JerseyModel& model, int first, int count)
{
    std::vector<std::filesystem::path> files;
    for (int i = first; i < first + count; ++i)
    {
        auto file = model.NewEditorFile(i);
        if (!file)
        {
            for (const auto& made : files)
            {
                RemoveFileQuietly(made);
            }
            return file.status();
        }
        files.push_back(ToPath(*file));
    }
    return files;
}

// Writes the files of `mode`, from the archive or (with `parts`) from painted parts, into the model's
// slots; slots that were empty get new files, which are removed again when writing fails.
Status WritePaintFiles(JerseyModel& model, PaintMode mode, const PartPictures* parts)
{
    const bool pictures = mode == PaintMode::Pictures;
    QString* held = pictures ? model.m_pictureFiles.data() : model.m_partFiles.data();
    const std::size_t count = pictures ? model.m_pictureFiles.size() : model.m_partFiles.size();
    const bool fresh = held[0].isEmpty();
    std::vector<std::filesystem::path> files;
    if (fresh)
    {
        auto made = NewFiles(model, pictures ? kFirstPictureFile : 0, int(count));
        if (!made)
        {
            return made.status();
        }
        files = std::move(*made);
    }
    else
    {
        for (std::size_t i = 0; i < count; ++i)
        {
            files.push_back(ToPath(held[i]));
        }
    }
    const std::filesystem::path archive = ToPath(model.m_jerseyPath);
    const KitColours kit = KitColoursOf(model.m_jerseyColours);
    Status status;
    ExportedTables tables{};
    PictureReference reference;
    if (pictures)
    {
        PictureFiles targets;
        std::copy(files.begin(), files.end(), targets.begin());
        if (parts == nullptr)
        {
            status = ExportPictures(archive, targets, kit, &reference);
        }
        else if (auto pngs = PicturePngsOfParts(*parts, kit, &reference); !pngs)
        {
            status = pngs.status();
        }
        else
        {
            std::vector<FileContents> group;
            for (std::size_t i = 0; i < count; ++i)
            {
                group.emplace_back(targets[i], std::move((*pngs)[i]));
            }
            status = WriteFileGroup(group, Flush::No);
        }
    }
    else
    {
        PartFiles targets;
        std::copy(files.begin(), files.end(), targets.begin());
        status = parts == nullptr ? ExportParts(archive, targets, &tables)
                                  : WritePartBitmaps(PartBitmapsOfParts(*parts, &tables), targets);
    }
    if (!status.ok())
    {
        // Empty or half-written files would only mislead the editor and the colours page.
        if (fresh)
        {
            for (const auto& file : files)
            {
                RemoveFileQuietly(file);
            }
        }
        return status;
    }
    for (std::size_t i = 0; i < count; ++i)
    {
        held[i] = FromPath(files[i]);
    }
    if (pictures)
    {
        model.m_pictureReference = std::move(reference);
    }
    else
    {
        model.m_exportedTables = tables;
    }
    model.MarkWritten(mode);
    return status;
}

PaintMode OtherMode(PaintMode mode)
{
    return mode == PaintMode::Pictures ? PaintMode::Designs : PaintMode::Pictures;
}

bool FilesExist(const JerseyModel& model, PaintMode mode)
{
    return mode == PaintMode::Pictures ? !model.m_pictureFiles[0].isEmpty() : !model.m_partFiles[0].isEmpty();
}

} // namespace

Result<PaintedParts> ComposePaintedParts(const JerseyModel& model)
{
    return model.m_paintMode == PaintMode::Pictures ? ComposePictures(model) : ComposeDesigns(model);
}

Status PreparePaintFiles(JerseyModel& model)
{
    const PaintMode mode = model.m_paintMode;
    if (FilesExist(model, mode))
    {
        return {};
    }
    const PaintMode other = OtherMode(mode);
    if (FilesExist(model, other) && model.PaintedSinceWritten(other))
    {
        model.m_paintMode = other;
        const Status changed = ChangePaintMode(model, mode);
        model.m_paintMode = mode;
        return changed;
    }
    const Status written = WritePaintFiles(model, mode, nullptr);
    if (written)
    {
        model.MarkPartFilesClean();
    }
    return written;
}

Status ChangePaintMode(JerseyModel& model, PaintMode mode)
{
    const PaintMode from = model.m_paintMode;
    if (from != mode && FilesExist(model, from) && model.PaintedSinceWritten(from))
    {
        const Result<PaintedParts> painted = ComposePaintedParts(model);
        if (!painted)
        {
            return painted.status();
        }
        if (const Status written = WritePaintFiles(model, mode, &painted->parts); !written)
        {
            return written;
        }
        // Both ways now hold the same painting.
        model.MarkWritten(from);
    }
    model.m_paintMode = mode;
    return PreparePaintFiles(model);
}

std::string PaintingPalette(const JerseyModel& model, const std::string& name)
{
    const PictureReference& reference = model.m_pictureReference;
    return model.m_paintMode == PaintMode::Pictures
               ? BuildKitRampPalette(reference.kit, reference.parts[0].colours, name)
               : BuildGimpPalette(model.m_exportedTables[FrontDesign], name);
}

Status WriteComposedParts(const PartPictures& parts, const ComposedFiles& out)
{
    std::vector<FileContents> group;
    for (std::size_t i = 0; i < parts.size(); ++i)
    {
        group.emplace_back(out[i], EncodeBmp8(parts[i]));
    }
    // They feed the save, which reads them back at once; the saved archive is what gets flushed.
    return WriteFileGroup(group, Flush::No);
}

} // namespace tarnix
