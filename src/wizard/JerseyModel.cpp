#include "wizard/JerseyModel.h"

#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "teams/TeamDatabase.h"
#include "ui/OrphanFiles.h"
#include "ui/QtPaths.h"

#include <QDir>
#include <QFileInfo>

namespace tarnix
{

namespace
{

// A fingerprint of a part file's bytes; 0 when it cannot be read (a missing file holds nothing to lose).
std::uint64_t PrintOf(const QString& file)
{
    if (file.isEmpty())
    {
        return 0;
    }
    auto bytes = ReadWholeFile(ToPath(file));
    if (!bytes)
    {
        return 0;
    }
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (std::uint8_t b : *bytes)
    {
        hash = (hash ^ b) * 1099511628211ull;
    }
    return hash | 1; // never 0
}

} // namespace

void JerseyModel::SetGameFolder(const QString& folder)
{
    m_gameFolder = folder;
    m_texturesFolder =
        folder.isEmpty() ? QString() : QDir::toNativeSeparators(FromPath(TexturesFolderFor(ToPath(folder))));
}

QString JerseyModel::ReadTeams()
{
    m_teams.clear();
    if (m_gameFolder.isEmpty())
    {
        return {};
    }
    std::string note;
    const Status read = LoadTeamDatabase(ToPath(m_gameFolder), m_teams, &note);
    if (!read)
    {
        return QString::fromStdString(read.error());
    }
    return QString::fromStdString(note);
}

int JerseyModel::JerseyNumberOf(const QString& archive) const
{
    return JerseyNumber(ToPath(archive), ToPath(m_gameFolder));
}

int JerseyModel::ChooseJersey(const QString& archive)
{
    m_saved = 0;
    DeletePartFiles();
    // Colours never carry over from the jersey shown before: an archive without stored colours shows and
    // saves the default kit.
    m_jerseyColours = {};
    const JerseyInfo info = ReadJerseyInfo(ToPath(archive), ToPath(m_gameFolder), m_jerseyColours);
    if (m_jerseyColours[0] == 0)
    {
        SetKitColours(m_jerseyColours, kDefaultKitColours);
    }
    m_jerseyLabel = QString::fromStdString(info.label);
    m_saveTo = archive;
    m_label = m_jerseyLabel;
    return info.number;
}

void JerseyModel::DeletePartFiles()
{
    for (QString& file : m_partFiles)
    {
        RemoveFileQuietly(ToPath(file));
        file.clear();
    }
    for (QString& file : m_pictureFiles)
    {
        RemoveFileQuietly(ToPath(file));
        file.clear();
    }
    m_partPrints = {};
    m_writtenPrints = {};
    m_exportedTables = {};
    m_pictureReference = {};
    if (m_registration != nullptr)
    {
        m_registration->SetHeldFiles({});
    }
}

std::array<QString, kEditorFileCount> JerseyModel::EditorFiles() const
{
    std::array<QString, kEditorFileCount> files;
    std::copy(m_partFiles.begin(), m_partFiles.end(), files.begin());
    std::copy(m_pictureFiles.begin(), m_pictureFiles.end(), files.begin() + kFirstPictureFile);
    return files;
}

void JerseyModel::MarkPartFilesClean()
{
    const auto files = EditorFiles();
    QStringList held;
    for (int i = 0; i < kEditorFileCount; ++i)
    {
        m_partPrints[i] = PrintOf(files[i]);
        if (!files[i].isEmpty())
        {
            held.append(files[i]);
        }
    }
    if (m_registration != nullptr)
    {
        m_registration->SetHeldFiles(held);
    }
}

namespace
{

std::pair<int, int> FilesOf(PaintMode mode)
{
    return mode == PaintMode::Pictures ? std::pair{kFirstPictureFile, kEditorFileCount}
                                       : std::pair{0, kFirstPictureFile};
}

} // namespace

void JerseyModel::MarkWritten(PaintMode mode)
{
    const auto files = EditorFiles();
    const auto [first, end] = FilesOf(mode);
    for (int i = first; i < end; ++i)
    {
        m_writtenPrints[i] = PrintOf(files[i]);
    }
}

bool JerseyModel::PaintedSinceWritten(PaintMode mode) const
{
    const auto files = EditorFiles();
    const auto [first, end] = FilesOf(mode);
    for (int i = first; i < end; ++i)
    {
        const std::uint64_t now = PrintOf(files[i]);
        if (now != 0 && now != m_writtenPrints[i])
        {
            return true;
        }
    }
    return false;
}

bool JerseyModel::PartFilesChanged() const
{
    const auto files = EditorFiles();
    for (int i = 0; i < kEditorFileCount; ++i)
    {
        const std::uint64_t now = PrintOf(files[i]);
        if (now != 0 && now != m_partPrints[i])
        {
            return true;
        }
    }
    return false;
}

QString JerseyModel::DiscardQuestion() const
{
    return QStringLiteral("The designs of %1 have changed and are not saved. Discard them?")
        .arg(QFileInfo(m_jerseyPath).fileName());
}

} // namespace tarnix
