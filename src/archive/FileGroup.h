#pragma once

// Several files that belong together (the eight part bitmaps, the four composed parts) are written all or
// nothing as far as the file system allows: each is first written in full beside its target, and only when
// all of them are on disk are they renamed into place.

#include "archive/ByteReader.h"
#include "archive/FileIO.h"
#include "archive/Result.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace tarnix
{

using FileContents = std::pair<std::filesystem::path, Bytes>;

// When writing or renaming any file fails, the targets are put back as they were and no staged file is
// left (short of a second failure while putting them back). `flush` says whether the files are flushed to
// the disk before they move in (see Flush).
Status WriteFileGroup(const std::vector<FileContents>& files, Flush flush);

} // namespace tarnix
