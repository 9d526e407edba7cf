#include "app/TarnixApp.h"

#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "wizard/WizardSheet.h"

#include <QDir>

namespace tarnix
{

const char* const kVersionText = "Tarnix BETA - https://tarnix.example.org/";

CTarnixApp::CTarnixApp() = default;

CTarnixApp::~CTarnixApp() = default;

std::filesystem::path CTarnixApp::ToPath(const QString& path)
{
    return PathFromText(path.toStdString());
}

QString CTarnixApp::FromPath(const std::filesystem::path& path)
{
    return QString::fromStdString(PathText(path));
}

void CTarnixApp::SetGameFolder(const QString& folder)
{
    m_gameFolder = folder;
    m_texturesFolder = folder.isEmpty() ? QString() : QDir::toNativeSeparators(FromPath(TexturesFolderFor(ToPath(folder))));
}

void CTarnixApp::DeletePartFiles()
{
    for (QString& file : m_partFiles)
    {
        RemoveFileQuietly(ToPath(file));
        file.clear();
    }
}

} // namespace tarnix
