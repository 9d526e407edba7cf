#pragma once

// A GIMP palette file (.gpl; GIMP, Krita, Inkscape and mtPaint load it) of the colours a design bitmap can
// be painted with, each named after what it becomes, so that a user painting in true colour picks the
// exact exported colours.

#include "archive/Fsh.h"
#include "archive/JerseyTypes.h"

#include <string>

namespace tarnix
{

// `designTable`: the colour table a design bitmap was exported with. `name` is the palette's name in the
// editor ("Tarnix PK001"). One line per full-shade group, 192 and 240.
std::string BuildGimpPalette(const ColourTable& designTable, const std::string& name);

// The palette for painting pictures in kit colours `kit`: the sixteen shades of each of the seven kit
// colours (a row each, darkest first), then the badge ramp (192-207) of `stored`, the front's palette as
// the archive stores it.
std::string BuildKitRampPalette(const KitColours& kit, const ColourTable& stored, const std::string& name);

} // namespace tarnix
