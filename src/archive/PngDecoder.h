#pragma once

// The one place that knows a PNG library. Another backend (stb_image on Windows, say) replaces
// PngDecoder.cpp alone; the rest of the core sees only this function.

#include "archive/EditedImage.h"

namespace tarnix
{

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Palette PNGs stay indexed (1, 2, 4 or 8 bits); grey, RGB and RGBA become true colour. A pixel that is
// not fully opaque is refused: an editor's transparency has no place in a jersey.
Result<EditedImage> DecodePng(ByteView bytes, const std::string& what);

} // namespace tarnix
