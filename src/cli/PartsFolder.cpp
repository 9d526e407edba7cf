#include "cli/PartsFolder.h"

#include "archive/EditedImage.h"
#include "archive/FileIO.h"
#include "cli/FileChoice.h"

#include <nlohmann/json.hpp>

namespace tarnix::cli
{

namespace fs = std::filesystem;

const std::array<const char*, PartSlotCount> kPartBaseNames = {
    "front-design", "back-design", "long-sleeve-design", "short-sleeve-design",
    "front-shade",  "back-shade",  "long-sleeve-shade",  "short-sleeve-shade",
};

Result<PartFiles> PartFilesIn(const fs::path& folder, const ExportReference* reference, std::ostream* notes)
{
    PartFiles files;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        const int part = slot % 4;
        auto exported = [&]() -> std::optional<std::vector<std::uint32_t>>
        {
            if (reference == nullptr || reference->pixels[part].empty())
            {
                return std::nullopt;
            }
            const ColourTable& table = reference->tables[slot];
            std::vector<std::uint32_t> colours;
            for (std::uint8_t v : reference->pixels[part])
            {
                const std::size_t at = 4 * std::size_t(slot < 4 ? DesignByte(v) : ShadeByte(v));
                colours.push_back(std::uint32_t(table[at + 2]) << 16 | std::uint32_t(table[at + 1]) << 8 |
                                  table[at]);
            }
            return colours;
        };
        auto chosen = ChoosePartFile(folder, kPartBaseNames[slot], "bmp", exported, notes);
        if (!chosen)
        {
            return chosen.status();
        }
        files[slot] = *chosen;
    }
    return files;
}

std::string PartsFileText(const fs::path& archive, const ExportedTables& tables)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(archive, ec);
    // One line per part: readable, and small enough to diff.
    std::string text =
        "{\n  \"archive\": " + nlohmann::json(PathText(ec ? archive : absolute)).dump() + ",\n  \"parts\": [\n";
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        nlohmann::json colours = nlohmann::json::array();
        for (int i = 0; i < 256; ++i)
        {
            const auto* e = &tables[slot][4 * i];
            colours.push_back(ColourText(std::uint32_t(e[2]) << 16 | std::uint32_t(e[1]) << 8 | e[0]));
        }
        const nlohmann::json part = {{"name", kPartBaseNames[slot]}, {"colours", colours}};
        text += "    " + part.dump() + (slot + 1 < PartSlotCount ? ",\n" : "\n");
    }
    return text + "  ]\n}\n";
}

Result<std::optional<PartsRecord>> ReadPartsFile(const fs::path& folder)
{
    using R = Result<std::optional<PartsRecord>>;
    const fs::path path = folder / kPartsFileName;
    std::error_code ec;
    if (!fs::exists(path, ec))
    {
        return std::optional<PartsRecord>();
    }
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        return bytes.status();
    }
    const std::string damaged = "\"" + PathText(path) + "\" is damaged";
    auto json = nlohmann::json::parse(bytes->begin(), bytes->end(), nullptr, false);
    if (json.is_discarded() || !json.is_object() || !json.contains("parts") || !json["parts"].is_array())
    {
        return R::Fail(damaged + "; export the archive again");
    }
    PartsRecord record;
    if (json.contains("archive") && json["archive"].is_string())
    {
        record.archive = PathFromText(json["archive"].get<std::string>());
    }
    std::array<bool, PartSlotCount> found{};
    for (const auto& part : json["parts"])
    {
        if (!part.is_object() || !part.contains("name") || !part["name"].is_string() ||
            !part.contains("colours") || !part["colours"].is_array() || part["colours"].size() != 256)
        {
            return R::Fail(damaged + ": a part lacks its name or its 256 colours");
        }
        const std::string name = part["name"].get<std::string>();
        auto slot = std::find(kPartBaseNames.begin(), kPartBaseNames.end(), name) - kPartBaseNames.begin();
        if (slot == PartSlotCount)
        {
            return R::Fail(damaged + ": unknown part \"" + name + "\"");
        }
        for (int i = 0; i < 256; ++i)
        {
            const auto& c = part["colours"][i];
            const std::string text = c.is_string() ? c.get<std::string>() : std::string();
            unsigned value = 0;
            if (text.size() != 7 || text[0] != '#' || std::sscanf(text.c_str() + 1, "%6x", &value) != 1)
            {
                return R::Fail(damaged + ": colour " + std::to_string(i) + " of \"" + name + "\" is not #RRGGBB");
            }
            record.tables[slot][4 * i] = static_cast<std::uint8_t>(value);
            record.tables[slot][4 * i + 1] = static_cast<std::uint8_t>(value >> 8);
            record.tables[slot][4 * i + 2] = static_cast<std::uint8_t>(value >> 16);
        }
        found[slot] = true;
    }
    if (std::find(found.begin(), found.end(), false) != found.end())
    {
        return R::Fail(damaged + ": it does not list all eight part bitmaps");
    }
    return std::optional<PartsRecord>(std::move(record));
}

Result<std::optional<ExportReference>> ReferenceForFolder(const fs::path& folder, const fs::path& archive,
                                                          std::string& how)
{
    auto record = ReadPartsFile(folder);
    if (!record)
    {
        return record.status();
    }
    if (*record)
    {
        // The archive's palettes let files exported before the colours were made distinct keep their
        // indices; without them the kept tables alone decide.
        const fs::path source = archive.empty() ? (*record)->archive : archive;
        Result<Bytes> bytes = source.empty() ? Result<Bytes>(Bytes{}) : ReadWholeFile(source);
        // An archive that has gone since the export is done without; one that is there but cannot be read
        // is a failure, not a reason to decide by other colours.
        std::error_code gone;
        if (!bytes && fs::exists(source, gone))
        {
            return bytes.status();
        }
        const Bytes none;
        const Bytes& palettes = bytes ? *bytes : none;
        auto reference = ReferenceFromTables((*record)->tables, palettes, PathText(source));
        if (!reference)
        {
            reference = ReferenceFromTables((*record)->tables);
        }
        how = "compared with the colour tables in " + std::string(kPartsFileName);
        return std::optional<ExportReference>(std::move(*reference));
    }
    if (archive.empty())
    {
        how = "compared by index, as there is no " + std::string(kPartsFileName) +
              " and no --archive ARCHIVE (the archive the parts were exported from)";
        return std::optional<ExportReference>();
    }
    auto reference = ReferenceFromArchiveFile(archive);
    if (!reference)
    {
        return reference.status();
    }
    how = "compared with an export of \"" + PathText(archive) + "\" made now, as there is no " + kPartsFileName;
    return std::optional<ExportReference>(std::move(*reference));
}

} // namespace tarnix::cli
