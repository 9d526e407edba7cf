#pragma once

// Bitmap editors are free to rewrite a bitmap's colour table when they save it: GIMP keeps it, but many
// tools keep only the colours in use, sort them, or merge equal ones. A pixel index then means another
// palette entry than the one exported. These functions read such a bitmap back through its colours.

#include "archive/Bmp.h"
#include "archive/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarnix
{

enum class BitmapRole
{
    Design, // only the colour group counts (and 192, which stands for itself)
    Shade,  // every index counts
};

// The pixels of `returned` (top row first) as indices of `exported`, the colour table the bitmap was
// written with. `exportedPixels` are the pixels as exported; where a colour stands for several entries
// that mean different things, a pixel whose colour is unchanged keeps its exported index, and any other
// such pixel fails the mapping. `what` names the bitmap in messages ("the front design bitmap").
Result<std::vector<std::uint8_t>> MapToExportedIndices(const Bitmap8& returned, const ColourTable& exported,
                                                       const std::vector<std::uint8_t>& exportedPixels,
                                                       BitmapRole role, const std::string& what);

// True when every pixel of `bitmap` indexes an entry of its table that holds the same colour in `table`:
// the bitmap reads the same through either table.
bool ReadsSameThrough(const Bitmap8& bitmap, const ColourTable& table);

} // namespace tarnix
