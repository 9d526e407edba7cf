#pragma once

// The second way to paint a jersey: each of the four parts as one true-colour picture that looks as the
// game shows it in the kit colours, shading included, and the way back from such a picture to the part's
// palette indices. Untouched pixels keep their indices exactly; changed ones are traced to a colour group
// and shade (see PictureMapping.h).

#include "archive/Bmp.h"
#include "archive/ByteReader.h"
#include "archive/ColourMapping.h"
#include "archive/EditedImage.h"
#include "archive/JerseyTypes.h"
#include "archive/PictureMapping.h"
#include "archive/PngEncoder.h"
#include "archive/Result.h"
#include "archive/RgbPicture.h"
#include "archive/Sampling.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnix
{

// What returned pictures are traced back against: the kit colours they were painted in and, per part,
// the part's indices and stored palette at export.
struct PictureReference
{
    KitColours kit{};
    std::array<Bitmap8, 4> parts{}; // by Part
};

// The colour the game shows pixel value v of a part whose stored palette is `stored`, in kit colours `kit`
// (kit groups 2-8 from ShadeRamps, other groups as stored; a kit colour outside 0-23 keeps its group as
// stored, as the preview does).
std::uint32_t ShownColour(std::uint8_t v, const ColourTable& stored, const KitColours& kit);

// A part as the game shows it.
RgbPicture RenderPart(const Bitmap8& part, const KitColours& kit);

// The four parts of `archive` as pictures, by Part; `reference`, when given, receives what they can be
// traced back against.
Result<std::array<RgbPicture, 4>> RenderPartPictures(ByteView archive, const std::string& archiveName,
                                                     const KitColours& kit, PictureReference* reference = nullptr);

using PictureFiles = std::array<std::filesystem::path, 4>; // by Part

// The four pictures of `archive` as the PNG files ExportPictures writes, by Part.
Result<std::array<Bytes, 4>> BuildPicturePngs(ByteView archive, const std::string& archiveName,
                                              const KitColours& kit, PictureReference* reference = nullptr);

// Writes the four pictures as PNG, all or none (staged and renamed together, like the part bitmaps).
Status ExportPictures(const std::filesystem::path& archive, const PictureFiles& files, const KitColours& kit,
                      PictureReference* reference = nullptr);

// "jersey 1st (group 2)", "fixed group 14", "the badge ramp (group 12)": for reports.
std::string ColourGroupName(int group);
// "jersey 1st (group 2) 60, jersey 2nd (group 3) 40": the groups with a count.
std::string GroupCountsText(const std::array<std::size_t, 16>& counts);

struct PictureReport
{
    std::array<PictureGroupCounts, 4> parts{}; // by Part

    std::size_t ChangedPixels() const;
    std::size_t NearestPixels() const;
    // One line per part with changed pixels: how many there were and where the traced and the nearest
    // ones went ("front: 812 changed pixels; 40 edge or shading pixels to jersey 1st (group 2) ...").
    std::string Describe() const;
};

// A picture as the editor saved it, as true colour; `what` names it in messages.
Result<RgbPicture> PictureOf(EditedImage image, const std::string& what);

// Traces one returned picture of `part` back to its indices (see PictureMapping.h).
Result<Bitmap8> ComposePicture(Part part, const RgbPicture& picture, const PictureReference& reference,
                               const MappingOptions& options = {}, PictureReport* report = nullptr);

// Reads the four pictures (PNG or BMP, by content) back to the parts' indices with their stored palettes,
// as composing design and shade bitmaps gives; far colours are refused unless options.nearest.
Result<PartPictures> ComposePictureFiles(const PictureFiles& files, const PictureReference& reference,
                                         const MappingOptions& options = {}, PictureReport* report = nullptr);

// The reference as text and back (the parts folder's manifest keeps it; the wizard keeps it with its
// working files). Parsing checks everything: sizes, counts, digits, kit colours.
std::string PictureReferenceText(const PictureReference& reference);
Result<PictureReference> ParsePictureReference(std::string_view text);

} // namespace tarnix
