#pragma once

// The 64 x 64 thumbnail for the sibling editor Mardek: the archive's "frmd" entry as a bitmap.

#include "archive/ByteReader.h"
#include "archive/Result.h"

#include <filesystem>
#include <string>

namespace tarnix
{

// The thumbnail file's exact bytes (5,174).
Result<Bytes> BuildThumbnail(ByteView archive, const std::string& archiveName);

// Writes the thumbnail of `archive` to `out`; nothing is written when "frmd" is missing or damaged.
Status WriteThumbnail(const std::filesystem::path& archive, const std::filesystem::path& out);

// "<mardekFolder>/Jerseys/frmd<n>.bmp" (the Jerseys folder found whatever its letter case).
std::filesystem::path ThumbnailPath(const std::filesystem::path& mardekFolder, int number);

} // namespace tarnix
