#include "wizard/JerseyModel.h"

#include "archive/FileGroup.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/PaintFilesFromParts.h"
#include "teams/TeamDatabase.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace tarnix
{

namespace
{

QString Effective(const QString& value, const QString& fallback)
{
    return value.isEmpty() ? fallback : value;
}

const QString kTablesValue = QStringLiteral("tables");
const QString kColoursValue = QStringLiteral("colours");
const QString kLabelValue = QStringLiteral("label");
const QString kTargetValue = QStringLiteral("target");
const QString kDesignsValue = QStringLiteral("designs");
const QString kPicturesValue = QStringLiteral("pictures");

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
    const int number = ReadJersey(archive);
    MarkWorkSaved();
    return number;
}

void JerseyModel::StartOver()
{
    ReadJersey(m_jerseyPath);
    m_saveTo.clear();
    m_label.clear();
    MarkWorkSaved();
}

int JerseyModel::ReadJersey(const QString& archive)
{
    // Colours never carry over from the jersey shown before: an archive without stored colours shows and
    // saves the default kit.
    m_jerseyColours = {};
    const JerseyInfo info = ReadJerseyInfo(ToPath(archive), ToPath(m_gameFolder), m_jerseyColours);
    if (m_jerseyColours[0] == 0)
    {
        SetKitColours(m_jerseyColours, kDefaultKitColours);
    }
    m_jerseyLabel = QString::fromStdString(info.label);
    m_jerseyReadError = QString::fromStdString(info.readError);
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
    WriteWorkRecord();
}

std::array<QString, kEditorFileCount> JerseyModel::EditorFiles() const
{
    std::array<QString, kEditorFileCount> files;
    std::copy(m_partFiles.begin(), m_partFiles.end(), files.begin());
    std::copy(m_pictureFiles.begin(), m_pictureFiles.end(), files.begin() + kFirstPictureFile);
    return files;
}

Result<QString> JerseyModel::NewEditorFile(int file) const
{
    const bool picture = file >= kFirstPictureFile;
    if (m_work != nullptr)
    {
        return m_work->FilePath(
            picture ? WorkFileName(m_jerseyPath, kAllParts[file - kFirstPictureFile], {}, QStringLiteral("png"))
                    : PartSlotFileName(m_jerseyPath, file));
    }
    auto made = CreateTempFile(picture ? ".png" : ".bmp");
    if (!made)
    {
        return made.status();
    }
    return FromPath(*made);
}

void JerseyModel::MarkPartFilesClean()
{
    const auto files = EditorFiles();
    for (int i = 0; i < kEditorFileCount; ++i)
    {
        m_partPrints[i] = FilePrint(files[i]);
    }
    WriteWorkRecord();
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
        m_writtenPrints[i] = FilePrint(files[i]);
    }
}

bool JerseyModel::PaintedSinceWritten(PaintMode mode) const
{
    const auto files = EditorFiles();
    const auto [first, end] = FilesOf(mode);
    for (int i = first; i < end; ++i)
    {
        const std::uint64_t now = FilePrint(files[i]);
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
        const std::uint64_t now = FilePrint(files[i]);
        if (now != 0 && now != m_partPrints[i])
        {
            return true;
        }
    }
    return false;
}

void JerseyModel::MarkWorkSaved()
{
    m_savedColours = KitColoursOf(m_jerseyColours);
    m_savedLabel = m_label;
    m_savedTarget = m_saveTo;
    MarkPartFilesClean();
}

bool JerseyModel::HasUnsavedWork() const
{
    // An empty target or label follows the jersey (the colours page fills them in when it is shown).
    return PartFilesChanged() || KitColoursOf(m_jerseyColours) != m_savedColours ||
           Effective(m_label, m_jerseyLabel) != Effective(m_savedLabel, m_jerseyLabel) ||
           Effective(m_saveTo, m_jerseyPath) != Effective(m_savedTarget, m_jerseyPath);
}

QString JerseyModel::DiscardQuestion() const
{
    return QCoreApplication::translate("tarnix::JerseyModel", "The changes to %1 are not saved. Discard them?")
        .arg(QFileInfo(m_jerseyPath).fileName());
}

QString JerseyModel::QuitQuestion()
{
    return QCoreApplication::translate("tarnix::JerseyModel",
                                       "Do you really want to quit and lose all changes made to the jersey?");
}

void JerseyModel::WriteWorkRecord()
{
    if (m_work == nullptr)
    {
        return;
    }
    WorkRecord record;
    const bool designs = !m_partFiles[FrontDesign].isEmpty();
    const bool pictures = !m_pictureFiles[0].isEmpty();
    if (designs || pictures)
    {
        record.jersey = m_jerseyPath;
        const auto files = EditorFiles();
        for (int i = 0; i < kEditorFileCount; ++i)
        {
            if (!files[i].isEmpty())
            {
                record.files.append({QFileInfo(files[i]).fileName(), m_partPrints[i]});
            }
        }
        QByteArray tables;
        for (const ColourTable& table : m_exportedTables)
        {
            tables.append(reinterpret_cast<const char*>(table.data()), qsizetype(table.size()));
        }
        QJsonArray colours;
        for (int colour : KitColoursOf(m_jerseyColours))
        {
            colours.append(colour);
        }
        record.values = {{kTablesValue, QString::fromLatin1(tables.toBase64())},
                         {kColoursValue, colours},
                         {kLabelValue, m_label},
                         {kTargetValue, m_saveTo},
                         {kDesignsValue, designs}};
        if (pictures)
        {
            record.values.insert(kPicturesValue, QString::fromStdString(PictureReferenceText(m_pictureReference)));
        }
    }
    m_work->WriteRecord(record);
}

void JerseyModel::RestoreUnpaintedFiles()
{
    // Taking over an ended run removes the files that were never painted; they are written again as they
    // were handed out, so that every part can be read back.
    std::vector<FileContents> missing;
    const auto files = EditorFiles();
    auto archive = ReadWholeFile(ToPath(m_jerseyPath));
    if (!m_partFiles[FrontDesign].isEmpty() && archive)
    {
        if (auto bitmaps = BuildPartBitmaps(*archive, PathText(ToPath(m_jerseyPath))))
        {
            for (int slot = 0; slot < PartSlotCount; ++slot)
            {
                if (!QFileInfo::exists(files[slot]))
                {
                    missing.emplace_back(ToPath(files[slot]), std::move((*bitmaps)[slot]));
                }
            }
        }
    }
    if (!m_pictureFiles[0].isEmpty())
    {
        if (auto pngs = PicturePngsOfParts(m_pictureReference.parts, m_pictureReference.kit))
        {
            for (int part = 0; part < 4; ++part)
            {
                if (!QFileInfo::exists(m_pictureFiles[part]))
                {
                    missing.emplace_back(ToPath(m_pictureFiles[part]), std::move((*pngs)[part]));
                }
            }
        }
    }
    if (!missing.empty())
    {
        (void)WriteFileGroup(missing, Flush::No); // what cannot be written is told when it is read back
    }
}

bool JerseyModel::ContinueWork(CWorkFolder& run)
{
    const WorkRecord record = run.Record();
    // Records from before pictures name the eight part files alone.
    const bool designs = record.values.value(kDesignsValue).toBool(true);
    const QString pictures = record.values.value(kPicturesValue).toString();
    Result<PictureReference> reference = pictures.isEmpty() ? Result<PictureReference>(PictureReference{})
                                                            : ParsePictureReference(pictures.toStdString());
    const int first = designs ? 0 : kFirstPictureFile;
    const int end = pictures.isEmpty() ? kFirstPictureFile : kEditorFileCount;
    if (!reference || end <= first || record.files.size() != end - first)
    {
        return false;
    }
    m_saved = 0;
    DeletePartFiles();
    m_jerseyPath = record.jersey;
    ReadJersey(m_jerseyPath);
    // The baseline is what the jersey holds; what the record holds on top of it is unsaved work.
    MarkWorkSaved();
    for (int i = first; i < end; ++i)
    {
        QString& file = i < kFirstPictureFile ? m_partFiles[i] : m_pictureFiles[i - kFirstPictureFile];
        file = run.FilePath(record.files[i - first].name);
        m_partPrints[i] = record.files[i - first].print;
    }
    m_pictureReference = std::move(*reference);
    RestoreUnpaintedFiles();
    const QByteArray tables = QByteArray::fromBase64(record.values.value(kTablesValue).toString().toLatin1());
    if (tables.size() == qsizetype(sizeof(ExportedTables)))
    {
        for (int slot = 0; slot < PartSlotCount; ++slot)
        {
            std::copy_n(tables.constData() + slot * 1024, 1024, m_exportedTables[slot].begin());
        }
    }
    const QJsonArray colours = record.values.value(kColoursValue).toArray();
    if (colours.size() == kKitColourCount)
    {
        KitColours kit{};
        for (int k = 0; k < kKitColourCount; ++k)
        {
            kit[k] = std::clamp(colours[k].toInt(), -128, 127); // a signed byte of the record
        }
        SetKitColours(m_jerseyColours, kit);
    }
    m_label = record.values.value(kLabelValue).toString(m_label);
    m_saveTo = record.values.value(kTargetValue).toString(m_saveTo);
    // Only now: the record on disk must never lose the files while they are being taken up.
    m_work = &run;
    WriteWorkRecord();
    return true;
}

} // namespace tarnix
