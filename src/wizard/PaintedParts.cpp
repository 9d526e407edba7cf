#include "wizard/PaintedParts.h"

#include "archive/FileGroup.h"
#include "archive/FileIO.h"
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

} // namespace

Result<PaintedParts> ComposePaintedParts(const JerseyModel& model)
{
    return ComposeDesigns(model);
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
