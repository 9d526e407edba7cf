#pragma once

// A folder of part pictures as `export --pictures` leaves it: front.png, back.png, long-sleeve.png and
// short-sleeve.png in the kit colours, tarnix-parts.json with the mode, the kit colours and the record
// of what was exported (which pixels are traced back against), and jersey.gpl with the kit ramps.

#include "archive/ShirtPictures.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace tarnix::cli
{

// "front", "back", "long-sleeve", "short-sleeve": the pictures' names without extension, by Part.
extern const std::array<const char*, 4> kPictureBaseNames;

// The contents of tarnix-parts.json for pictures of `archive` exported against `reference`.
std::string PicturesFileText(const std::filesystem::path& archive, const PictureReference& reference);

struct PicturesRecord
{
    std::filesystem::path archive;
    PictureReference reference;
};

// tarnix-parts.json of `folder` when it records pictures: nullopt when there is none or it records part
// bitmaps, a failure when it is damaged.
Result<std::optional<PicturesRecord>> ReadPicturesFile(const std::filesystem::path& folder);

// The four pictures of `folder`: NAME.png or NAME.bmp as ChoosePartFile picks them, against the pictures
// `reference` says were exported.
Result<PictureFiles> PictureFilesIn(const std::filesystem::path& folder, const PictureReference& reference,
                                    std::ostream* notes = nullptr);

} // namespace tarnix::cli
