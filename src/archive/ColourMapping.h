#pragma once

// Bitmap editors are free to rewrite a bitmap's colour table when they save it: GIMP keeps it, but many
// tools keep only the colours in use, sort them, or save true colour. Every exported colour table holds
// each colour once, so a returned pixel is traced back to its exported index through its colour alone.

#include "archive/EditedImage.h"
#include "archive/Fsh.h"
#include "archive/Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnix
{

enum class BitmapRole
{
    Design, // only the colour group counts (and 192, which stands for itself)
    Shade,  // the shade 0-15
};

struct MappingOptions
{
    // Colours the exported table does not hold go to the nearest colour the bitmap can mean (a design's
    // full-shade groups, 192 and 240; a shade bitmap's shades 0-15), measured to the part's stored
    // palette, instead of being refused.
    bool nearest = false;
    // The part's pixels as the archive stores them, when known: nearest mapping of a design keeps to the
    // groups the part holds and the groups around each pixel (see DesignNearest.h).
    const std::vector<std::uint8_t>* storedPixels = nullptr;
};

struct MappedIndices
{
    bool asReturned = false;                      // the returned indices stand as they are; `pixels` is left empty
    std::vector<std::uint8_t> pixels;             // otherwise the exported indices, top row first
    std::size_t nearestPixels = 0;                // pixels whose colour was not exported and went to the nearest
    std::array<std::size_t, 16> nearestByGroup{}; // design bitmaps: where those pixels went, by colour group
};

// The pixels of `returned` as indices of `exported`, the colour table the bitmap was written with.
// `palette` is the part's palette as the archive stores it, which exports before the colours were made
// distinct wrote as they are (and some tools still copy): an indexed bitmap whose every used index shows
// its colour in either table keeps its indices. Otherwise each pixel goes to the index of its colour in
// `exported`. `what` names the bitmap in messages ("the front design bitmap").
Result<MappedIndices> MapToExportedIndices(const EditedImage& returned, const ColourTable& exported,
                                           const ColourTable& palette, BitmapRole role,
                                           const MappingOptions& options, const std::string& what);

// The perceptual distance used for nearest mapping (CIE76: Euclidean in CIE L*a*b*, D65), both colours as
// 0xRRGGBB.
double ColourDistance(std::uint32_t a, std::uint32_t b);

} // namespace tarnix
