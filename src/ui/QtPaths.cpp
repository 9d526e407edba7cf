#include "ui/QtPaths.h"

#include "archive/FileIO.h"

namespace tarnix
{

std::filesystem::path ToPath(const QString& path)
{
    return PathFromText(path.toStdString());
}

QString FromPath(const std::filesystem::path& path)
{
    return QString::fromStdString(PathText(path));
}

} // namespace tarnix
