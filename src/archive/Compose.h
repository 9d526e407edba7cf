#pragma once

// Recombining each edited design bitmap with its shade bitmap into the part's final pixels.

#include "archive/Bmp.h"
#include "archive/ColourMapping.h"
#include "archive/EditedImage.h"
#include "archive/PartExport.h"
#include "archive/Result.h"
#include "archive/Sampling.h"

#include <array>
#include <filesystem>
#include <optional>

namespace tarnix
{

using ComposedFiles = std::array<std::filesystem::path, 4>; // front, back, long sleeve, short sleeve

// What returned part bitmaps are read back against: the tables they were exported with and, per part, the
// palette as the archive stores it (the table that exports before distinct colours wrote).
struct ExportReference
{
    ExportedTables tables{};
    std::array<ColourTable, 4> palettes{};             // by Part
    std::array<std::vector<std::uint8_t>, 4> pixels{}; // by Part: its pixels as stored, when known
};

// The reference of an export of `archive` made now.
Result<ExportReference> ReferenceFromArchive(ByteView archive, const std::string& archiveName);
// The same for the archive file at `archive`.
Result<ExportReference> ReferenceFromArchiveFile(const std::filesystem::path& archive);
// The reference of tables kept from an export; `archive`, when given, supplies the stored palettes.
Result<ExportReference> ReferenceFromTables(const ExportedTables& tables, ByteView archive = {},
                                            const std::string& archiveName = {});

struct ComposedPart
{
    Bitmap8 picture;               // the part's pixels with the part's stored palette (or exported table)
    std::size_t nearestPixels = 0; // pixels mapped to the nearest colour (design and shade together)
    std::array<std::size_t, 16> nearestByGroup{}; // the design's nearest pixels by the group they went to
};

// Composes one part from the design and shade bitmaps as the editor left them; both must have the part's
// size. With a reference, each bitmap is read back through the colours it was exported with (see
// MapToExportedIndices). Without one, both must still share one indexed colour table and are merged by
// index.
Result<ComposedPart> ComposePart(Part part, const EditedImage& design, const EditedImage& shade,
                                 const ExportReference* reference, const MappingOptions& options = {});

// The same for bitmaps held as indexed bitmaps, against the part `stored` as the archive holds it (or
// none): the reference is an export of `stored` made now.
Result<Bitmap8> ComposePart(Part part, const Bitmap8& design, const Bitmap8& shade, const Bitmap8* stored);

struct ComposeReport
{
    std::array<std::size_t, 4> nearestPixels{};                  // by Part
    std::array<std::array<std::size_t, 16>, 4> nearestByGroup{}; // by Part: where the design's went, by group
    std::size_t TotalNearest() const
    {
        return nearestPixels[0] + nearestPixels[1] + nearestPixels[2] + nearestPixels[3];
    }
};

// Reads the eight part files (BMP or PNG, by their content) and composes the four parts, indexed by Part.
Result<PartPictures> ComposePartFiles(const PartFiles& parts, const ExportReference* reference,
                                      const MappingOptions& options = {}, ComposeReport* report = nullptr);
// As above against an export of `archive` made now; an empty path composes without a reference.
Result<PartPictures> ComposePartFiles(const PartFiles& parts, const std::filesystem::path& archive);

// Composes the four parts and writes them to `out` (front, back, long sleeve, short sleeve) in our plain
// bitmap layout, all four or none.
Status ComposeParts(const PartFiles& parts, const ComposedFiles& out, const ExportReference* reference,
                    const MappingOptions& options = {}, ComposeReport* report = nullptr);
// As above against an export of `archive` made now (the archive being edited); an empty path composes
// without a reference.
Status ComposeParts(const PartFiles& parts, const ComposedFiles& out, const std::filesystem::path& archive = {});

} // namespace tarnix
