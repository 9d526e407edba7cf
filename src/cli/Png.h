#pragma once

#include "archive/Bmp.h"
#include "archive/Result.h"
#include "archive/RgbPicture.h"

#include <filesystem>

namespace tarnix::cli
{

// The bitmap through its colour table, `scale` times enlarged.
RgbPicture ScaledRgb(const Bitmap8& bitmap, int scale);

// Writes an indexed bitmap as a true-colour PNG through its colour table, `scale` times enlarged.
Status WritePng(const std::filesystem::path& path, const Bitmap8& bitmap, int scale = 1);

} // namespace tarnix::cli
