#include "ui/WorkFolder.h"

#include "archive/FileIO.h"
#include "ui/QtPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace tarnix
{

namespace
{

const QString kLockName = QStringLiteral("run.lock");
const QString kRecordName = QStringLiteral("run.json");

std::unique_ptr<QLockFile> LockOf(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLockName));
    // A run may go on for days: only a lock whose process is gone is taken over, never one for its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
    {
        return nullptr;
    }
    return lock;
}

QJsonObject ToJson(const WorkRecord& record)
{
    QJsonArray files;
    for (const WorkRecord::File& file : record.files)
    {
        files.append(QJsonObject{{QStringLiteral("name"), file.name},
                                 {QStringLiteral("print"), QString::number(file.print, 16)}});
    }
    return QJsonObject{{QStringLiteral("jersey"), record.jersey},
                       {QStringLiteral("files"), files},
                       {QStringLiteral("values"), record.values}};
}

WorkRecord FromJson(const QJsonObject& json)
{
    WorkRecord record;
    record.jersey = json.value(QStringLiteral("jersey")).toString();
    for (const QJsonValue& value : json.value(QStringLiteral("files")).toArray())
    {
        const QJsonObject file = value.toObject();
        // Only plain names in the run's own folder: a record is never a way to reach other files.
        const QString name = file.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || name != QFileInfo(name).fileName() || name == kLockName || name == kRecordName)
        {
            continue;
        }
        record.files.append({name, file.value(QStringLiteral("print")).toString().toULongLong(nullptr, 16)});
    }
    record.values = json.value(QStringLiteral("values")).toObject();
    return record;
}

} // namespace

QString WorkFolderRoot()
{
#ifdef Q_OS_WIN
    QString base = qEnvironmentVariable("LOCALAPPDATA");
    if (base.isEmpty())
    {
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }
    return QDir(base).filePath(QStringLiteral("Tarnix/work"));
#else
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is invalid and ignored, as other desktop programs do.
    if (!base.startsWith(QLatin1Char('/')))
    {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return QDir(base).filePath(QStringLiteral("tarnix/work"));
#endif
}

QString WorkFileName(const QString& jersey, Part part, const QString& role, const QString& extension)
{
    QString name = QFileInfo(jersey).completeBaseName();
    if (name.isEmpty())
    {
        name = QStringLiteral("jersey");
    }
    name += QLatin1Char(' ') + QString::fromLatin1(PartName(part));
    if (!role.isEmpty())
    {
        name += QLatin1Char(' ') + role;
    }
    return name + QLatin1Char('.') + extension;
}

QString PartSlotFileName(const QString& jersey, int slot)
{
    const bool design = slot < PartSlotCount / 2;
    return WorkFileName(jersey, static_cast<Part>(slot % 4),
                        design ? QStringLiteral("design") : QStringLiteral("shade"), QStringLiteral("bmp"));
}

std::uint64_t FilePrint(const QString& path)
{
    if (path.isEmpty())
    {
        return 0;
    }
    auto bytes = ReadWholeFile(ToPath(path));
    if (!bytes)
    {
        return 0;
    }
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (std::uint8_t b : *bytes)
    {
        hash = (hash ^ b) * 1099511628211ull;
    }
    return hash | 1;
}

CWorkFolder::CWorkFolder(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path)), m_lock(std::move(lock))
{
}

CWorkFolder::~CWorkFolder() = default;

std::unique_ptr<CWorkFolder> CWorkFolder::Create(const QString& root)
{
    const QString name = QStringLiteral("run-%1-%2")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                  QUuid::createUuid().toString(QUuid::Id128).left(8));
    const QString path = QDir(root).filePath(name);
    if (!QDir().mkpath(path))
    {
        return nullptr;
    }
    std::unique_ptr<QLockFile> lock = LockOf(path);
    if (!lock)
    {
        QDir(path).removeRecursively();
        return nullptr;
    }
    return std::unique_ptr<CWorkFolder>(new CWorkFolder(path, std::move(lock)));
}

std::vector<std::unique_ptr<CWorkFolder>> CWorkFolder::TakeOverEndedRuns(const QString& root)
{
    std::vector<std::unique_ptr<CWorkFolder>> runs;
    for (const QFileInfo& folder : QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
    {
        std::unique_ptr<QLockFile> lock = LockOf(folder.filePath());
        if (!lock)
        {
            continue; // a run that is alive
        }
        std::unique_ptr<CWorkFolder> run(new CWorkFolder(folder.filePath(), std::move(lock)));
        const bool recorded = run->ReadRecord();
        for (const WorkRecord::File& file : run->m_record.files)
        {
            const QString path = run->FilePath(file.name);
            if (FilePrint(path) == file.print)
            {
                QFile::remove(path);
            }
        }
        if (recorded && !run->PaintedFiles().isEmpty())
        {
            runs.push_back(std::move(run));
            continue;
        }
        // Files nobody recorded may still be someone's painting: such a folder stays as it is.
        const QStringList rest =
            QDir(run->m_path).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
        if (std::all_of(rest.begin(), rest.end(),
                        [](const QString& name) { return name == kLockName || name == kRecordName; }))
        {
            run->Discard();
        }
    }
    std::stable_sort(runs.begin(), runs.end(),
                     [](const auto& a, const auto& b) { return a->LastPainted() > b->LastPainted(); });
    return runs;
}

QString CWorkFolder::FilePath(const QString& name) const
{
    // These paths reach the editor's command line and the user's eyes.
    return QDir::toNativeSeparators(QDir(m_path).filePath(name));
}

bool CWorkFolder::ReadRecord()
{
    QFile file(FilePath(kRecordName));
    if (!file.open(QIODevice::ReadOnly))
    {
        return false;
    }
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll());
    if (!json.isObject())
    {
        return false;
    }
    m_record = FromJson(json.object());
    return !m_record.jersey.isEmpty();
}

bool CWorkFolder::WriteRecord(const WorkRecord& record)
{
    m_record = record;
    QSaveFile file(FilePath(kRecordName));
    if (!file.open(QIODevice::WriteOnly))
    {
        return false;
    }
    file.write(QJsonDocument(ToJson(record)).toJson(QJsonDocument::Indented));
    return file.commit();
}

QStringList CWorkFolder::PaintedFiles() const
{
    QStringList painted;
    for (const WorkRecord::File& file : m_record.files)
    {
        const std::uint64_t now = FilePrint(FilePath(file.name));
        if (now != 0 && now != file.print)
        {
            painted.append(file.name);
        }
    }
    return painted;
}

QDateTime CWorkFolder::LastPainted() const
{
    QDateTime last;
    for (const QString& name : PaintedFiles())
    {
        const QDateTime changed = QFileInfo(FilePath(name)).lastModified();
        if (!last.isValid() || changed > last)
        {
            last = changed;
        }
    }
    return last;
}

void CWorkFolder::Finish()
{
    QFile::remove(FilePath(kRecordName));
    m_record = {};
    m_lock.reset(); // removes the lock file
    QDir().rmdir(m_path);
}

void CWorkFolder::Discard()
{
    m_lock.reset();
    QDir(m_path).removeRecursively();
    m_record = {};
}

} // namespace tarnix
