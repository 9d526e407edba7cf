#pragma once

// Recombining each edited design bitmap with its shade bitmap into the part's final pixels.

#include "archive/Bmp.h"
#include "archive/PartExport.h"
#include "archive/Result.h"
#include "archive/Sampling.h"

#include <array>
#include <filesystem>

namespace tarnix
{

using ComposedFiles = std::array<std::filesystem::path, 4>; // front, back, long sleeve, short sleeve

// Composes one part from the design and shade bitmaps as the editor left them; both must have the part's
// size. `stored` is the part as the archive holds it (the export's source), or null when unknown.
// With it, bitmaps whose colour table an editor reordered or trimmed are mapped back to the exported
// indices through their colours, or refused with a message naming the part where that is ambiguous.
// Without it, the design and shade bitmap must still share one colour table. The result carries the
// exported colour table (or the pair's).
Result<Bitmap8> ComposePart(Part part, const Bitmap8& design, const Bitmap8& shade, const Bitmap8* stored);

// Reads the eight part files (through their own headers) and composes the four parts, indexed by Part.
// `archive` is the archive the parts were exported from; an empty path composes without it (see above).
Result<PartPictures> ComposePartFiles(const PartFiles& parts, const std::filesystem::path& archive);

// Composes the four parts and writes them to `out` (front, back, long sleeve, short sleeve) in our plain
// bitmap layout, all four or none. Pass the archive being edited as `archive` so that bitmaps whose colour
// table an editor rewrote can still be read.
Status ComposeParts(const PartFiles& parts, const ComposedFiles& out, const std::filesystem::path& archive = {});

} // namespace tarnix
