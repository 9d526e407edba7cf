#pragma once

// A part in a parts folder can come back as NAME.bmp or NAME.png (editors that save PNG whatever they
// opened, copies unzipped next to each other). The newer one is the user's latest save, unless both carry
// the same time stamp: unzipping sets them alike, and FAT keeps time stamps to two seconds. Then the one
// that differs from what was exported is the edited one; when both differ, only the user can say.

#include "archive/EditedImage.h"
#include "archive/Result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarnix::cli
{

// Each pixel's colour as exported, top row first; nullopt when not known.
using ExportedColours = std::function<std::optional<std::vector<std::uint32_t>>()>;

// Whether `image` shows exactly `colours`.
bool ShowsColours(const EditedImage& image, const std::vector<std::uint32_t>& colours);

// NAME.png or NAME.bmp of `folder` as above (NAME.`preferred` when neither exists, for the reader's
// message); the choice is said on `notes` when both exist.
Result<std::filesystem::path> ChoosePartFile(const std::filesystem::path& folder, const std::string& name,
                                             const std::string& preferred, const ExportedColours& exported,
                                             std::ostream* notes);

} // namespace tarnix::cli
