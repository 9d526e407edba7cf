// info, preview, render: opening a jersey from the command line.

#include "cli/JerseyCommands.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "cli/CliSupport.h"
#include "cli/Png.h"

#include <nlohmann/json.hpp>
#include <optional>

namespace tarnix::cli
{

namespace
{

std::optional<Part> ParsePart(const std::string& text)
{
    if (text == "front")
    {
        return Part::Front;
    }
    if (text == "back")
    {
        return Part::Back;
    }
    if (text == "long-sleeve")
    {
        return Part::LongSleeve;
    }
    if (text == "short-sleeve")
    {
        return Part::ShortSleeve;
    }
    return std::nullopt;
}

} // namespace

int RunInfo(const CliArgs& args, std::ostream& out, std::ostream& err)
{
    const std::filesystem::path archive = PathFromText(args.positional[0]);
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return Fail(err, bytes.error());
    }
    std::filesystem::path gameFolder;
    if (auto it = args.options.find("--game-folder"); it != args.options.end())
    {
        gameFolder = PathFromText(it->second);
    }
    JerseyColours record{};
    JerseyInfo info = ReadJerseyInfo(archive, gameFolder, record);

    nlohmann::json entries = nlohmann::json::array();
    for (const DirectoryRecord& r : ReadDirectory(*bytes).records)
    {
        entries.push_back({{"name", r.name.str()}, {"offset", r.offset}});
    }
    nlohmann::json json = {
        {"path", args.positional[0]},
        {"isJersey", IsJerseyArchive(*bytes)},
        {"number", info.number},
        {"label", info.label},
        {"colourRecord", std::vector<int>(record.begin(), record.end())},
        {"entries", entries},
    };
    // Entry names are raw bytes of the file; anything that is not UTF-8 is shown replaced.
    out << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return kExitOk;
}

int RunPreview(const CliArgs& args, std::ostream&, std::ostream& err)
{
    Status written = ExtractPreview(PathFromText(args.positional[0]), PathFromText(args.positional[1]));
    return written ? kExitOk : Fail(err, written.error());
}

int RunRender(const CliArgs& args, std::ostream&, std::ostream& err)
{
    Part part = Part::Front;
    if (auto it = args.options.find("--part"); it != args.options.end())
    {
        auto parsed = ParsePart(it->second);
        if (!parsed)
        {
            return UsageError(err, "--part takes front, back, long-sleeve or short-sleeve");
        }
        part = *parsed;
    }
    std::optional<KitColours> given;
    if (auto it = args.options.find("--colours"); it != args.options.end())
    {
        given = ParseKitColours(it->second);
        if (!given)
        {
            return UsageError(err, "--colours takes seven colour indices from 0 to 23, as 1,20,13,1,6,1,6");
        }
    }
    const std::filesystem::path archive = PathFromText(args.positional[0]);
    auto bytes = ReadWholeFile(archive);
    if (!bytes)
    {
        return Fail(err, bytes.error());
    }
    const KitColours colours = given ? *given : TrailerKitColours(*bytes);
    auto picture = ReadPartImage(*bytes, part, PathText(archive));
    if (!picture)
    {
        return Fail(err, picture.error());
    }
    JerseyColours record{};
    SetKitColours(record, colours);
    RecolourColourTable(picture->colours, record);
    Status written = WritePng(PathFromText(args.positional[1]), *picture);
    return written ? kExitOk : Fail(err, written.error());
}

} // namespace tarnix::cli
