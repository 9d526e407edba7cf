#pragma once

// Synthetic jersey archives drawn like real shirts, and the sample game folder built from them.

#include "archive/ByteReader.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"
#include "archive/Sampling.h"
#include "sample/SampleArchive.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarnix::sample
{

enum class Pattern
{
    Stripes,
    Hoops,
    Sash,
    Halves,
    Pinstripes,
    ChestBand,
};

struct JerseySpec
{
    int number = 1; // PK0<number>.FSH, written with two digits
    Pattern pattern = Pattern::Stripes;
    std::uint8_t paletteType = kPaletteType32; // of every entry
    bool frhiFirst = false;                    // list a "frhi" front before "hjfr"
    bool withTrailer = false;
    KitColours trailerColours = kDefaultKitColours;
    std::string trailerLabel;                             // Windows-1252 bytes
    KitColours storedColours = {1, 19, 13, 19, 1, 1, 19}; // the kit colours baked into the stored palette
};

// The four large parts of a jersey as drawn (pixels and the archive palette).
PartPictures DrawJerseyParts(const JerseySpec& spec);

// A complete jersey archive: all thirteen entries (fourteen with "frhi" first) with their exact sizes, the
// smaller ones sampled from the large ones.
Bytes BuildJersey(const JerseySpec& spec);

// The sample jerseys of the game folder.
std::vector<JerseySpec> SampleJerseySpecs();

// "PK012.FSH" for number 12.
std::string JerseyFileName(int number);

// Writes Data/Player/Textures/PK0nn.FSH for every sample jersey under `gameFolder`.
Status WriteSampleJerseys(const std::filesystem::path& gameFolder);

} // namespace tarnix::sample
