#pragma once

// Recombining each edited design bitmap with its shade bitmap into the part's final pixels.

#include "archive/Bmp.h"
#include "archive/PartExport.h"
#include "archive/Result.h"

#include <array>
#include <filesystem>

namespace tarnix
{

using ComposedFiles = std::array<std::filesystem::path, 4>; // front, back, long sleeve, short sleeve

// Composes one part from the design and shade bitmaps as the editor left them. Both are read through
// their own headers; sizes must be the part's. Where an editor reordered or trimmed the colour table, the
// pixels are mapped back to the exported indices through their colours (`exported` is the colour table
// the export wrote), or the part is refused with a message when that is ambiguous.
Result<Bitmap8> ComposePart(Part part, const Bitmap8& design, const Bitmap8& shade, const ColourTable& exported);

// Composes the four parts from the eight part files and writes them to `out` (front, back, long sleeve,
// short sleeve) in our plain bitmap layout.
Status ComposeParts(const PartFiles& parts, const ComposedFiles& out);

} // namespace tarnix
