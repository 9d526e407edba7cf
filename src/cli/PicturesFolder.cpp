#include "cli/PicturesFolder.h"

#include "archive/FileIO.h"
#include "cli/FileChoice.h"
#include "cli/PartsFolder.h"

#include <nlohmann/json.hpp>

namespace tarnix::cli
{

namespace fs = std::filesystem;

const std::array<const char*, 4> kPictureBaseNames = {"front", "back", "long-sleeve", "short-sleeve"};

std::string PicturesFileText(const fs::path& archive, const PictureReference& reference)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(archive, ec);
    nlohmann::ordered_json json;
    json["mode"] = "pictures";
    json["archive"] = PathText(ec ? archive : absolute);
    json["kit"] = reference.kit;
    // The record as lines, so that the file stays readable and diffs by row.
    nlohmann::ordered_json lines = nlohmann::json::array();
    const std::string text = PictureReferenceText(reference);
    for (std::size_t at = 0; at < text.size();)
    {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    json["exported"] = lines;
    std::string out = "{\n";
    std::size_t k = 0;
    for (const auto& [key, value] : json.items())
    {
        out += "  " + nlohmann::json(key).dump() + ": ";
        if (value.is_array() && key == "exported")
        {
            out += "[\n";
            for (std::size_t i = 0; i < value.size(); ++i)
            {
                out += "    " + value[i].dump() + (i + 1 < value.size() ? ",\n" : "\n");
            }
            out += "  ]";
        }
        else
        {
            out += value.dump();
        }
        out += ++k < json.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}

Result<std::optional<PicturesRecord>> ReadPicturesFile(const fs::path& folder)
{
    using R = Result<std::optional<PicturesRecord>>;
    const fs::path path = folder / kPartsFileName;
    std::error_code ec;
    if (!fs::exists(path, ec))
    {
        return std::optional<PicturesRecord>();
    }
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        return bytes.status();
    }
    auto json = nlohmann::json::parse(bytes->begin(), bytes->end(), nullptr, false);
    if (json.is_discarded() || !json.is_object() || !json.contains("mode") || json["mode"] != "pictures")
    {
        return std::optional<PicturesRecord>(); // part bitmaps (or damaged: their reader says so)
    }
    const std::string damaged = "\"" + PathText(path) + "\" is damaged";
    if (!json.contains("exported") || !json["exported"].is_array())
    {
        return R::Fail(damaged + ": it lacks the record of the exported pictures; export them again");
    }
    std::string text;
    for (const auto& line : json["exported"])
    {
        if (!line.is_string())
        {
            return R::Fail(damaged + ": the record of the exported pictures holds something other than text");
        }
        text += line.get<std::string>() + "\n";
    }
    auto reference = ParsePictureReference(text);
    if (!reference)
    {
        return R::Fail(damaged + ": " + reference.error() + "; export the pictures again");
    }
    PicturesRecord record{{}, std::move(*reference)};
    if (json.contains("archive") && json["archive"].is_string())
    {
        record.archive = PathFromText(json["archive"].get<std::string>());
    }
    return std::optional<PicturesRecord>(std::move(record));
}

Result<PictureFiles> PictureFilesIn(const fs::path& folder, const PictureReference& reference, std::ostream* notes)
{
    PictureFiles files;
    for (int k = 0; k < 4; ++k)
    {
        auto exported = [&]() -> std::optional<std::vector<std::uint32_t>>
        { return RenderPart(reference.parts[k], reference.kit).pixels; };
        auto chosen = ChoosePartFile(folder, kPictureBaseNames[k], "png", exported, notes);
        if (!chosen)
        {
            return chosen.status();
        }
        files[k] = *chosen;
    }
    return files;
}

} // namespace tarnix::cli
