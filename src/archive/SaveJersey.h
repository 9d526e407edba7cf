#pragma once

// Saving: the source archive patched with twelve entries derived from the four composed parts and with
// our trailer, written to the target in one atomic replacement.

#include "archive/Compose.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"

#include <filesystem>
#include <string>

namespace tarnix
{

struct SaveRequest
{
    std::filesystem::path source;     // the archive being edited
    std::filesystem::path target;     // may be the same file
    ComposedFiles composed;           // front, back, long sleeve, short sleeve
    KitColours colours{};             // 0-22 (never 23)
    std::string label;                // UTF-8; must be representable in Windows-1252
};

// On success `record` holds the 24 bytes written (byte 0 = 1, bytes 1-7 the colours, the rest zero). On
// failure the target is exactly as it was and no temporary file is left.
Status SaveJersey(const SaveRequest& request, JerseyColours& record);

} // namespace tarnix
