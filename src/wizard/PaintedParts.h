#pragma once

// The four parts of the jersey as the user's files hold them now, whichever way the user paints: read back
// against what the files were exported as, so that an editor's rewritten colour tables, or kit colours
// chosen since, change no index.

#include "archive/Compose.h"
#include "archive/Result.h"
#include "archive/Sampling.h"

#include <cstddef>
#include <string>

namespace tarnix
{

class JerseyModel;
enum class PaintMode;

struct PaintedParts
{
    PartPictures parts;            // by Part, each with its stored palette
    std::size_t nearestPixels = 0; // pixels in colours the jersey does not have, mapped to the nearest
    std::string details;           // where changed pixels went, part by part; empty when nothing is to tell
};

// Composes the parts from the files of the model's way of painting, mapping colours to the nearest
// jersey colour when the model says so. Fails with a message the user can act on when the files have not
// been prepared or cannot be read back.
Result<PaintedParts> ComposePaintedParts(const JerseyModel& model);

// Makes sure the files of the model's way of painting exist. For a jersey's first visit they are exported
// from its archive (the pictures in its kit colours); when the other way's files hold painting, they are
// made from that painting instead. Nothing is left half-written when it fails.
Status PreparePaintFiles(JerseyModel& model);

// Changes the way of painting. Painting in the files of the way left carries over: the other way's files
// are made afresh from it. Fails, changing nothing, when that painting cannot be read back.
Status ChangePaintMode(JerseyModel& model, PaintMode mode);

// The GIMP palette to paint the model's way with: the ramps of the kit colours the pictures show, or the
// colours of the front design's table, each named after what it becomes. `name` is the palette's name.
std::string PaintingPalette(const JerseyModel& model, const std::string& name);

// Writes composed parts to `out` (front, back, long sleeve, short sleeve) as plain bitmaps, all or none.
Status WriteComposedParts(const PartPictures& parts, const ComposedFiles& out);

} // namespace tarnix
