#include "wizard/JerseyModel.h"

#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "teams/TeamDatabase.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"

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
    m_partPrints = {};
    m_exportedTables = {};
    WriteWorkRecord();
}

Status JerseyModel::ExportPartFiles()
{
    PartFiles files;
    Status status;
    int created = 0;
    for (; created < PartSlotCount; ++created)
    {
        if (m_work != nullptr)
        {
            files[created] = ToPath(m_work->FilePath(PartSlotFileName(m_jerseyPath, created)));
            continue;
        }
        auto file = CreateTempFile(".bmp");
        if (!file)
        {
            status = file.status();
            break;
        }
        files[created] = *file;
    }
    ExportedTables tables{};
    if (status.ok())
    {
        status = ExportParts(ToPath(m_jerseyPath), files, &tables);
    }
    if (!status.ok())
    {
        // Empty or half-written part files would only mislead the editor and page three.
        for (int i = 0; i < created; ++i)
        {
            RemoveFileQuietly(files[i]);
        }
        return status;
    }
    for (int i = 0; i < PartSlotCount; ++i)
    {
        m_partFiles[i] = FromPath(files[i]);
    }
    m_exportedTables = tables;
    MarkPartFilesClean();
    return status;
}

void JerseyModel::MarkPartFilesClean()
{
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        m_partPrints[slot] = FilePrint(m_partFiles[slot]);
    }
    WriteWorkRecord();
}

bool JerseyModel::PartFilesChanged() const
{
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        const std::uint64_t now = FilePrint(m_partFiles[slot]);
        if (now != 0 && now != m_partPrints[slot])
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
    return QStringLiteral("The changes to %1 are not saved. Discard them?")
        .arg(QFileInfo(m_jerseyPath).fileName());
}

QString JerseyModel::QuitQuestion()
{
    return QStringLiteral("Do you really want to quit and lose all changes made to the jersey?");
}

void JerseyModel::WriteWorkRecord()
{
    if (m_work == nullptr)
    {
        return;
    }
    WorkRecord record;
    if (!m_partFiles[FrontDesign].isEmpty())
    {
        record.jersey = m_jerseyPath;
        for (int slot = 0; slot < PartSlotCount; ++slot)
        {
            record.files.append({QFileInfo(m_partFiles[slot]).fileName(), m_partPrints[slot]});
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
                         {kTargetValue, m_saveTo}};
    }
    m_work->WriteRecord(record);
}

bool JerseyModel::ContinueWork(CWorkFolder& run)
{
    const WorkRecord record = run.Record();
    if (record.files.size() != PartSlotCount)
    {
        return false;
    }
    m_saved = 0;
    DeletePartFiles();
    m_jerseyPath = record.jersey;
    ReadJersey(m_jerseyPath);
    // The baseline is what the jersey holds; what the record holds on top of it is unsaved work.
    MarkWorkSaved();
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        m_partFiles[slot] = run.FilePath(record.files[slot].name);
        m_partPrints[slot] = record.files[slot].print;
    }
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
