// export, compose, save, thumbnail: the editing round trip from the command line, with the part bitmaps in
// a folder under fixed names.

#include "cli/EditCommands.h"

#include "archive/Compose.h"
#include "archive/Cp1252.h"
#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/Fsh.h"
#include "archive/GimpPalette.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"
#include "cli/PartsFolder.h"
#include "cli/PicturesFolder.h"

#include <optional>

namespace tarnix::cli
{

namespace fs = std::filesystem;

namespace
{

constexpr std::array<const char*, 4> kComposedFileNames = {"front.bmp", "back.bmp", "long-sleeve.bmp",
                                                           "short-sleeve.bmp"};

// Creates an output folder when it is missing; `created` tells the caller to remove it again on failure.
Status PrepareFolder(const fs::path& folder, bool& created)
{
    std::error_code ec;
    created = false;
    if (fs::is_directory(folder, ec))
    {
        return {};
    }
    if (fs::exists(folder, ec))
    {
        return Status::Fail("\"" + PathText(folder) + "\" exists and is not a folder");
    }
    if (!fs::create_directories(folder, ec) || ec)
    {
        return Status::Fail("cannot create the folder \"" + PathText(folder) + "\": " + ec.message());
    }
    created = true;
    return {};
}

int FinishInFolder(const Status& result, const fs::path& folder, bool created, std::ostream& err)
{
    if (result)
    {
        return kExitOk;
    }
    if (created)
    {
        std::error_code ec;
        fs::remove(folder, ec); // only when still empty
    }
    return Fail(err, result.error());
}

} // namespace

namespace
{

Bytes TextBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// The four pictures in kit colours `kit`, the manifest with what they were exported from, and the palette.
int ExportPicturesTo(const fs::path& archive, ByteView bytes, const fs::path& folder, const KitColours& kit,
                     std::ostream& err)
{
    PictureReference reference;
    auto pngs = BuildPicturePngs(bytes, PathText(archive), kit, &reference);
    if (!pngs)
    {
        return Fail(err, pngs.error());
    }
    bool created = false;
    if (Status ready = PrepareFolder(folder, created); !ready)
    {
        return Fail(err, ready.error());
    }
    std::vector<FileContents> group;
    for (int k = 0; k < 4; ++k)
    {
        group.emplace_back(folder / (std::string(kPictureBaseNames[k]) + ".png"), std::move((*pngs)[k]));
    }
    group.emplace_back(folder / kPartsFileName, TextBytes(PicturesFileText(archive, reference)));
    group.emplace_back(folder / kPaletteFileName,
                       TextBytes(BuildKitRampPalette(kit, reference.parts[0].colours,
                                                     "Tarnix " + PathText(archive.stem()) + " kit")));
    return FinishInFolder(WriteFileGroup(group, Flush::No), folder, created, err);
}

} // namespace

int RunExport(const CliArgs& args, std::ostream&, std::ostream& err)
{
    const fs::path archive = PathFromText(args.positional[0]);
    const fs::path folder = PathFromText(args.positional[1]);
    const bool pictures = args.options.count("--pictures") != 0;
    std::optional<KitColours> given;
    if (auto it = args.options.find("--colours"); it != args.options.end())
    {
        given = ParseKitColours(it->second);
        if (!pictures || !given)
        {
            return UsageError(err, pictures
                                       ? "--colours takes seven colour indices from 0 to 23, as 1,20,13,1,6,1,6"
                                       : "--colours goes with --pictures (part bitmaps carry no kit colours)");
        }
    }
    // The archive is checked before the folder is created, so a bad archive leaves no trace.
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return Fail(err, bytes.error());
    }
    const KitColours kit = given ? *given : TrailerKitColours(*bytes);
    if (pictures)
    {
        return ExportPicturesTo(archive, *bytes, folder, kit, err);
    }
    auto bitmaps = BuildPartBitmaps(*bytes, PathText(archive));
    auto tables = ExportedColourTables(*bytes, PathText(archive));
    if (!bitmaps || !tables)
    {
        return Fail(err, bitmaps ? tables.error() : bitmaps.error());
    }
    bool created = false;
    if (Status ready = PrepareFolder(folder, created); !ready)
    {
        return Fail(err, ready.error());
    }
    std::vector<FileContents> group;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        group.emplace_back(folder / (std::string(kPartBaseNames[slot]) + ".bmp"), std::move((*bitmaps)[slot]));
    }
    group.emplace_back(folder / kPartsFileName, TextBytes(PartsFileText(archive, *tables)));
    group.emplace_back(folder / kPaletteFileName,
                       TextBytes(BuildGimpPalette((*tables)[FrontDesign], "Tarnix " + PathText(archive.stem()))));
    // Copies for the editor: staged and renamed together, but not flushed one by one.
    return FinishInFolder(WriteFileGroup(group, Flush::No), folder, created, err);
}

namespace
{

// The composed parts of the folder `partsText`, mapped against what the parts were exported with.
Result<PartPictures> ComposeFolder(const CliArgs& args, const std::string& partsText, const fs::path& archive,
                                   std::ostream& err)
{
    const fs::path parts = PathFromText(partsText);
    MappingOptions options;
    options.nearest = args.options.count("--nearest") != 0;
    auto record = ReadPicturesFile(parts);
    if (!record)
    {
        return record.status();
    }
    if (*record)
    {
        auto files = PictureFilesIn(parts, (*record)->reference, &err);
        if (!files)
        {
            return files.status();
        }
        PictureReport report;
        auto composed = ComposePictureFiles(*files, (*record)->reference, options, &report);
        const std::string described = composed ? report.Describe() : std::string();
        for (std::size_t at = 0; at < described.size();)
        {
            const std::size_t end = described.find('\n', at);
            err << "tarnix-cli: " << described.substr(at, end - at) << "\n";
            at = end + 1;
        }
        return composed;
    }
    std::string how;
    auto reference = ReferenceForFolder(parts, archive, how);
    if (!reference)
    {
        return reference.status();
    }
    const ExportReference* against = *reference ? &**reference : nullptr;
    auto files = PartFilesIn(parts, against, &err);
    if (!files)
    {
        return files.status();
    }
    ComposeReport report;
    auto pictures = ComposePartFiles(*files, against, options, &report);
    if (!pictures)
    {
        return Status::Fail(pictures.error() + " (colours " + how + ")");
    }
    if (report.TotalNearest() > 0)
    {
        err << "tarnix-cli: mapped " << report.TotalNearest() << " pixels to the nearest jersey colour (front "
            << report.nearestPixels[0] << ", back " << report.nearestPixels[1] << ", long sleeve "
            << report.nearestPixels[2] << ", short sleeve " << report.nearestPixels[3] << ")\n";
        for (Part part : kAllParts)
        {
            const std::string groups = GroupCountsText(report.nearestByGroup[static_cast<int>(part)]);
            if (!groups.empty())
            {
                err << "tarnix-cli: " << PartName(part) << " design: " << groups << "\n";
            }
        }
    }
    return pictures;
}

} // namespace

int RunCompose(const CliArgs& args, std::ostream&, std::ostream& err)
{
    fs::path archive;
    if (auto it = args.options.find("--archive"); it != args.options.end())
    {
        archive = PathFromText(it->second);
    }
    auto pictures = ComposeFolder(args, args.positional[0], archive, err);
    if (!pictures)
    {
        return Fail(err, pictures.error());
    }
    const fs::path folder = PathFromText(args.positional[1]);
    bool created = false;
    if (Status ready = PrepareFolder(folder, created); !ready)
    {
        return Fail(err, ready.error());
    }
    std::vector<FileContents> group;
    for (int i = 0; i < 4; ++i)
    {
        group.emplace_back(folder / kComposedFileNames[i], EncodeBmp8((*pictures)[i]));
    }
    return FinishInFolder(WriteFileGroup(group, Flush::No), folder, created, err);
}

int RunSave(const CliArgs& args, std::ostream&, std::ostream& err)
{
    SaveRequest request;
    request.source = PathFromText(args.positional[0]);
    request.target = PathFromText(args.positional[1]);
    auto parts = args.options.find("--parts");
    if (parts == args.options.end())
    {
        return UsageError(err, "save needs --parts DIR, the folder of the eight part bitmaps");
    }
    auto colours = args.options.find("--colours");
    auto label = args.options.find("--label");
    if (colours != args.options.end())
    {
        auto parsed = ParseKitColours(colours->second);
        if (!parsed)
        {
            return UsageError(err, "--colours takes seven colour indices from 0 to 23, as 1,20,13,1,6,1,6");
        }
        request.colours = *parsed;
    }
    if (label != args.options.end())
    {
        request.label = label->second;
    }
    // What is not given is kept from the source's trailer. A source that cannot be read fails here: taken
    // for a jersey without a trailer, it would be saved with the default kit and no label.
    if (colours == args.options.end() || label == args.options.end())
    {
        auto source = ReadWholeFile(request.source);
        if (!source)
        {
            return Fail(err, source.error());
        }
        JerseyColours ignored{};
        const std::string kept = ReadTrailer(*source, ignored);
        if (colours == args.options.end())
        {
            request.colours = TrailerKitColours(*source);
        }
        if (label == args.options.end())
        {
            request.label = DecodeCp1252(kept);
        }
    }
    auto pictures = ComposeFolder(args, parts->second, request.source, err);
    if (!pictures)
    {
        return Fail(err, pictures.error());
    }
    request.keepBackup = args.options.count("--no-backup") == 0;
    JerseyColours record{};
    fs::path backup;
    Status saved = SaveJerseyPictures(request, *pictures, record, &backup);
    if (!saved)
    {
        return Fail(err, saved.error());
    }
    // A note for the person at the terminal; stdout stays free for the output of commands that have one.
    if (!backup.empty())
    {
        err << "tarnix-cli: backup: " << PathText(backup) << "\n";
    }
    return kExitOk;
}

int RunThumbnail(const CliArgs& args, std::ostream&, std::ostream& err)
{
    Status written = WriteThumbnail(PathFromText(args.positional[0]), PathFromText(args.positional[1]));
    return written ? kExitOk : Fail(err, written.error());
}

} // namespace tarnix::cli
