#pragma once

// A folder of part bitmaps as the export leaves it: eight bitmaps under fixed names, tarnix-parts.json
// with the archive they came from and the colour tables they were written with, and jersey.gpl.

#include "archive/Compose.h"
#include "archive/Result.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace tarnix::cli
{

constexpr const char* kPartsFileName = "tarnix-parts.json";
constexpr const char* kPaletteFileName = "jersey.gpl";

// "front-design", ..., "short-sleeve-shade": the part files' names without extension, in slot order.
extern const std::array<const char*, PartSlotCount> kPartBaseNames;

// The eight part files of `folder`: NAME.bmp or NAME.png as ChoosePartFile picks them, against what
// `reference` (when given, with the parts' stored pixels) says was exported.
Result<PartFiles> PartFilesIn(const std::filesystem::path& folder, const ExportReference* reference,
                              std::ostream* notes = nullptr);

// The contents of tarnix-parts.json for an export of `archive` with `tables`.
std::string PartsFileText(const std::filesystem::path& archive, const ExportedTables& tables);

struct PartsRecord
{
    std::filesystem::path archive;
    ExportedTables tables{};
};

// tarnix-parts.json of `folder`: nullopt when there is none, a failure when it is damaged.
Result<std::optional<PartsRecord>> ReadPartsFile(const std::filesystem::path& folder);

// The reference to compose `folder`'s bitmaps against: the tables of its tarnix-parts.json (the palettes
// from `archive`, or from the archive it names), else a fresh export of `archive`, else none (null).
// `how` receives a phrase for messages saying what the colours were compared with.
Result<std::optional<ExportReference>> ReferenceForFolder(const std::filesystem::path& folder,
                                                          const std::filesystem::path& archive, std::string& how);

} // namespace tarnix::cli
