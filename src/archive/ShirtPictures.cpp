#include "archive/ShirtPictures.h"

#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"
#include "archive/LabColour.h"
#include "archive/PaletteRules.h"

#include <algorithm>

namespace tarnix
{

namespace
{

// The seven kit groups in the order of the colour record.
constexpr const char* kKitGroupNames[] = {"jersey 1st", "jersey 2nd", "jersey 3rd", "shorts 1st",
                                          "shorts 2nd", "socks 1st",  "socks 2nd"};

} // namespace

std::string ColourGroupName(int group)
{
    if (group >= kFirstKitGroup && group <= kLastKitGroup)
    {
        return std::string(kKitGroupNames[group - kFirstKitGroup]) + " (group " + std::to_string(group) + ")";
    }
    return group == kGreyGroup ? "the badge ramp (group 12)" : "fixed group " + std::to_string(group);
}

std::string GroupCountsText(const std::array<std::size_t, 16>& counts)
{
    std::string text;
    for (int group = 0; group < 16; ++group)
    {
        if (counts[group] != 0)
        {
            text += (text.empty() ? "" : ", ") + ColourGroupName(group) + " " + std::to_string(counts[group]);
        }
    }
    return text;
}

namespace
{

std::size_t Sum(const std::array<std::size_t, 16>& counts)
{
    std::size_t total = 0;
    for (std::size_t c : counts)
    {
        total += c;
    }
    return total;
}

std::array<std::uint32_t, 256> ShownColours(const ColourTable& stored, const KitColours& kit)
{
    std::array<std::uint32_t, 256> shown{};
    for (int v = 0; v < kPaletteColours; ++v)
    {
        shown[v] = ShownColour(static_cast<std::uint8_t>(v), stored, kit);
    }
    return shown;
}

Status CheckReferencePart(const PictureReference& reference, Part part)
{
    const Bitmap8& exported = reference.parts[static_cast<int>(part)];
    const PartSize size = SizeOf(part);
    if (exported.width != size.width || exported.height != size.height ||
        exported.pixels.size() != std::size_t(size.width) * std::size_t(size.height))
    {
        return Status::Fail(std::string("the record of what was exported has no ") + PartName(part) +
                            " picture; export the pictures again");
    }
    return {};
}

} // namespace

std::string KitColoursNear(std::uint32_t colour)
{
    const Lab lab = ToLab(colour);
    std::vector<std::pair<double, int>> ranked;
    for (int k = 0; k < kNotUsedColour; ++k)
    {
        double best = 1e300;
        for (std::uint32_t shade : ShadeRamps[k])
        {
            best = std::min(best, LabDistance(lab, ToLab(shade)));
        }
        ranked.emplace_back(best, k);
    }
    std::sort(ranked.begin(), ranked.end());
    // Those that hold it as a shade, else the three closest.
    std::string text;
    for (std::size_t n = 0; n < ranked.size() && (ranked[n].first <= kShadeFit || n < 3); ++n)
    {
        const int k = ranked[n].second;
        text += (text.empty() ? "" : ", ") + std::string(PickerPalette[k].name) + " (" + std::to_string(k) + ")";
    }
    return text;
}

std::uint32_t ShownColour(std::uint8_t v, const ColourTable& stored, const KitColours& kit)
{
    const int group = v / kGroupSize;
    if (group >= kFirstKitGroup && group <= kLastKitGroup)
    {
        const int colour = kit[group - kFirstKitGroup];
        if (colour >= 0 && colour < kNamedColourCount)
        {
            return ShadeRamps[colour][v & kShadeMask];
        }
    }
    const std::size_t at = 4 * std::size_t(v);
    return std::uint32_t(stored[at + 2]) << 16 | std::uint32_t(stored[at + 1]) << 8 | stored[at];
}

RgbPicture RenderPart(const Bitmap8& part, const KitColours& kit)
{
    const std::array<std::uint32_t, 256> shown = ShownColours(part.colours, kit);
    RgbPicture picture{part.width, part.height, {}};
    picture.pixels.resize(part.pixels.size());
    for (std::size_t i = 0; i < part.pixels.size(); ++i)
    {
        picture.pixels[i] = shown[part.pixels[i]];
    }
    return picture;
}

Result<std::array<RgbPicture, 4>> RenderPartPictures(ByteView archive, const std::string& archiveName,
                                                     const KitColours& kit, PictureReference* reference)
{
    std::array<RgbPicture, 4> pictures;
    PictureReference made;
    made.kit = kit;
    const FshDirectory directory = ReadDirectory(archive);
    for (Part part : kAllParts)
    {
        auto stored = ReadPartImage(archive, directory, part, archiveName);
        if (!stored)
        {
            return stored.status();
        }
        pictures[static_cast<int>(part)] = RenderPart(*stored, kit);
        made.parts[static_cast<int>(part)] = std::move(*stored);
    }
    if (reference != nullptr)
    {
        *reference = std::move(made);
    }
    return pictures;
}

Result<std::array<Bytes, 4>> BuildPicturePngs(ByteView archive, const std::string& archiveName,
                                              const KitColours& kit, PictureReference* reference)
{
    auto pictures = RenderPartPictures(archive, archiveName, kit, reference);
    if (!pictures)
    {
        return pictures.status();
    }
    std::array<Bytes, 4> files;
    for (Part part : kAllParts)
    {
        files[static_cast<int>(part)] = EncodePng((*pictures)[static_cast<int>(part)]);
        if (files[static_cast<int>(part)].empty())
        {
            return Status::Fail(std::string("cannot encode the ") + PartName(part) + " picture as PNG");
        }
    }
    return files;
}

Status ExportPictures(const std::filesystem::path& archive, const PictureFiles& files, const KitColours& kit,
                      PictureReference* reference)
{
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return bytes.status();
    }
    PictureReference made;
    auto pngs = BuildPicturePngs(*bytes, PathText(archive), kit, &made);
    if (!pngs)
    {
        return pngs.status();
    }
    std::vector<FileContents> group;
    for (Part part : kAllParts)
    {
        group.emplace_back(files[static_cast<int>(part)], std::move((*pngs)[static_cast<int>(part)]));
    }
    // Copies for the editor, like the part bitmaps: replaced together, not flushed one by one.
    Status written = WriteFileGroup(group, Flush::No);
    if (written && reference != nullptr)
    {
        *reference = std::move(made);
    }
    return written;
}

std::size_t PictureReport::ChangedPixels() const
{
    std::size_t total = 0;
    for (const auto& part : parts)
    {
        total += Sum(part.exact) + Sum(part.traced) + Sum(part.nearest);
    }
    return total;
}

std::size_t PictureReport::NearestPixels() const
{
    std::size_t total = 0;
    for (const auto& part : parts)
    {
        total += Sum(part.nearest);
    }
    return total;
}

std::string PictureReport::Describe() const
{
    std::string text;
    for (Part part : kAllParts)
    {
        const PictureGroupCounts& c = parts[static_cast<int>(part)];
        const std::size_t exact = Sum(c.exact);
        const std::size_t traced = Sum(c.traced);
        const std::size_t nearest = Sum(c.nearest);
        const std::size_t changed = exact + traced + nearest;
        if (changed == 0)
        {
            continue;
        }
        text += std::string(PartName(part)) + ": " + std::to_string(changed) +
                (changed == 1 ? " changed pixel" : " changed pixels");
        if (exact != 0)
        {
            text += "; " + std::to_string(exact) + " in colours the kit shows (" + GroupCountsText(c.exact) + ")";
        }
        if (traced != 0)
        {
            text += "; " + std::to_string(traced) +
                    (traced == 1 ? " edge or shading pixel to " : " edge or shading pixels to ") +
                    GroupCountsText(c.traced);
        }
        if (nearest != 0)
        {
            text += "; " + std::to_string(nearest) +
                    (nearest == 1 ? " far colour to the nearest kit shade, "
                                  : " far colours to the nearest kit shade, ") +
                    GroupCountsText(c.nearest);
        }
        text += "\n";
    }
    return text;
}

Result<Bitmap8> ComposePicture(Part part, const RgbPicture& picture, const PictureReference& reference,
                               const MappingOptions& options, PictureReport* report)
{
    if (Status ok = CheckReferencePart(reference, part); !ok)
    {
        return ok;
    }
    const Bitmap8& exported = reference.parts[static_cast<int>(part)];
    if (picture.width != exported.width || picture.height != exported.height ||
        picture.pixels.size() != exported.pixels.size())
    {
        return Status::Fail(std::string("the ") + PartName(part) + " picture is " + std::to_string(picture.width) +
                            " x " + std::to_string(picture.height) + " pixels; it must stay " +
                            std::to_string(exported.width) + " x " + std::to_string(exported.height));
    }
    TracedPicture traced =
        TracePicture(picture, exported.pixels, ShownColours(exported.colours, reference.kit), options.nearest);
    if (traced.farPixels != 0 && !options.nearest)
    {
        const std::string fits = KitColoursNear(traced.firstFarColour);
        return Status::Fail(std::string("the ") + PartName(part) + " picture has " +
                            std::to_string(traced.farPixels) + (traced.farPixels == 1 ? " pixel" : " pixels") +
                            " in colours far from every colour the part can take (the first at (" +
                            std::to_string(traced.firstFar % std::size_t(picture.width)) + ", " +
                            std::to_string(traced.firstFar / std::size_t(picture.width)) + "), " +
                            ColourText(traced.firstFarColour) + ")" + "; the kit colours closest to it: " + fits +
                            " (choose one of them for a kit colour)" +
                            ", or choose to map such colours to the nearest kit shade");
    }
    if (report != nullptr)
    {
        report->parts[static_cast<int>(part)] = traced.counts;
    }
    Bitmap8 composed = exported;
    composed.pixels = std::move(traced.pixels);
    return composed;
}

Result<RgbPicture> PictureOf(EditedImage image, const std::string& what)
{
    RgbPicture picture{image.width, image.height, {}};
    if (!image.indexed)
    {
        picture.pixels = std::move(image.rgb);
        return picture;
    }
    picture.pixels.resize(image.pixels.size());
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
    {
        if (image.pixels[i] >= image.colourCount)
        {
            return Status::Fail(what + " uses colour index " + std::to_string(image.pixels[i]) +
                                ", but its colour table has only " + std::to_string(image.colourCount) +
                                " colours");
        }
        picture.pixels[i] = image.TableColour(image.pixels[i]);
    }
    return picture;
}

Result<PartPictures> ComposePictureFiles(const PictureFiles& files, const PictureReference& reference,
                                         const MappingOptions& options, PictureReport* report)
{
    PartPictures parts;
    PictureReport counted;
    for (Part part : kAllParts)
    {
        const std::string what = std::string("the ") + PartName(part) + " picture";
        auto image = ReadEditedImageFile(files[static_cast<int>(part)]);
        if (!image)
        {
            return Status::Fail(what + ": " + image.error());
        }
        auto picture = PictureOf(std::move(*image), what);
        if (!picture)
        {
            return picture.status();
        }
        auto composed = ComposePicture(part, *picture, reference, options, &counted);
        if (!composed)
        {
            return composed.status();
        }
        parts[static_cast<int>(part)] = std::move(*composed);
    }
    if (report != nullptr)
    {
        *report = counted;
    }
    return parts;
}

} // namespace tarnix
