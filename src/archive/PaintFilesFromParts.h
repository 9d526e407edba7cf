#pragma once

// The files of one way of painting made from parts composed from the other: when the user changes the
// way they paint, what they painted so far carries over instead of being exported afresh from the archive.

#include "archive/PartExport.h"
#include "archive/Result.h"
#include "archive/Sampling.h"
#include "archive/ShirtPictures.h"

#include <array>

namespace tarnix
{

// The eight part bitmaps of `parts` (by Part, each with its stored palette), in slot order, byte for byte
// what the export writes for an archive holding these parts. `tables`, when given, receives their colour
// tables.
std::array<Bytes, PartSlotCount> PartBitmapsOfParts(const PartPictures& parts, ExportedTables* tables = nullptr);

// The four pictures of `parts` in `kit`, by Part, byte for byte what the picture export writes for an
// archive holding these parts; `reference`, when given, receives what they are traced back against.
Result<std::array<Bytes, 4>> PicturePngsOfParts(const PartPictures& parts, const KitColours& kit,
                                                PictureReference* reference = nullptr);

} // namespace tarnix
