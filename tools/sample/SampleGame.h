#pragma once

#include "archive/Result.h"

#include <filesystem>

namespace tarnix::sample
{

// Writes the whole sample game folder: the jerseys under Data/Player/Textures and the team database
// under DATA/CMN/FE.
Status WriteSampleGame(const std::filesystem::path& gameFolder);

} // namespace tarnix::sample
