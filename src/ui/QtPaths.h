#pragma once

// Paths between Qt's strings and the core's std::filesystem::path, always through UTF-8 so that
// non-ASCII folder names survive on every platform.

#include <QString>
#include <filesystem>

namespace tarnix
{

std::filesystem::path ToPath(const QString& path);
QString FromPath(const std::filesystem::path& path);

} // namespace tarnix
