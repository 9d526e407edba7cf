#pragma once

// A GIMP palette file (.gpl; GIMP, Krita, Inkscape and mtPaint load it) of the colours a design bitmap can
// be painted with, each named after what it becomes, so that a user painting in true colour picks the
// exact exported colours.

#include "archive/Fsh.h"

#include <string>

namespace tarnix
{

// `designTable`: the colour table a design bitmap was exported with. `name` is the palette's name in the
// editor ("Tarnix PK001"). One line per full-shade group, 192 and 240.
std::string BuildGimpPalette(const ColourTable& designTable, const std::string& name);

} // namespace tarnix
