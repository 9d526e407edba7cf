#include "wizard/PageOne.h"

#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "teams/TeamDatabase.h"
#include "ui/CoreMessages.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/AssociateDlg.h"
#include "wizard/JerseyModel.h"
#include "wizard/PartImages.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>

// The jersey in the path field: its picture in its kit colours, the clubs that wear it and their kits.

namespace tarnix
{

namespace
{

// The preview bitmap file as a picture, its colour table recoloured with the kit colours.
QPixmap PreviewPixmap(const Bytes& file, const std::string& what, const JerseyColours& colours, std::string& error)
{
    Result<Bitmap8> bitmap = DecodeBmp8(file, what);
    if (!bitmap)
    {
        error = bitmap.error();
        return {};
    }
    RecolourColourTable(bitmap->colours, colours);
    return QPixmap::fromImage(ImageFromBitmap(*bitmap));
}

} // namespace

void CPageOne::LoadJersey()
{
    const std::filesystem::path archive = ToPath(m_path);
    // A device, a pipe or a huge file is refused at once, and the reason is said.
    if (const Status jersey = CheckJerseyFile(archive); !jersey)
    {
        m_loadRefused = true;
        // The page shows the jersey in its field or nothing: never the picture of the one before.
        m_preview = QPixmap();
        m_previewCtrl->clear();
        ShowMessage(
            this, tr("%1 does not exist or is not a jersey file.\n\n%2").arg(m_path, CoreMessage(jersey.error())));
        return;
    }
    m_preview = QPixmap();
    std::string error;
    Result<std::filesystem::path> previewFile = CreateTempFile(".bmp");
    if (!previewFile)
    {
        error = previewFile.error();
    }
    else
    {
        m_model.m_previewFile = FromPath(*previewFile);
        Status extracted = ExtractPreview(archive, *previewFile);
        Result<Bytes> bytes = ReadWholeFile(*previewFile);
        // The file has served its purpose once read; it never outlives this call.
        RemoveFileQuietly(*previewFile);
        if (!extracted)
        {
            error = extracted.error();
        }
        else if (!bytes)
        {
            error = bytes.error();
        }
        else
        {
            m_preview = PreviewPixmap(*bytes, PathText(*previewFile), m_model.m_jerseyColours, error);
        }
    }
    if (m_preview.isNull())
    {
        m_previewCtrl->clear();
        ShowMessage(this, tr("The preview of %1 cannot be shown: %2").arg(m_path, CoreMessage(error)));
    }
    else
    {
        m_previewCtrl->setPixmap(SharpPixmap(m_preview.toImage(), m_previewCtrl->devicePixelRatioF()));
        const int frame = m_previewCtrl->frameWidth();
        m_previewCtrl->resize(m_preview.size() + QSize(2 * frame, 2 * frame));
    }
    UpdateData(false);
}

bool CPageOne::ChooseAnotherArchive()
{
    if (!MayDiscardWork(m_model))
    {
        // The part files belong to the jersey being edited; the path goes back to it.
        m_path = m_model.m_jerseyPath;
        UpdateData(false);
        return false;
    }
    FillTeamList(m_model.ChooseJersey(m_path));
    m_label = m_model.m_jerseyLabel;
    LoadJersey();
    return true;
}

void CPageOne::FillTeamList(int n)
{
    m_fillingList = true;
    m_teamList->clear();
    for (const TeamLine& line : tarnix::FillTeamList(m_model.m_teams, n))
    {
        // The line's words in the language spoken; the core writes "NAME - Home" in English.
        const CTeamRecord* team = m_model.m_teams[std::size_t(line.team)];
        const QString name = QString::fromUtf8(team->name.data(), qsizetype(team->name.size()));
        auto* item = new QListWidgetItem(
            line.strip == Strip::Home ? tr("%1 - Home").arg(name) : tr("%1 - Away").arg(name), m_teamList);
        item->setData(kLineTeamRole, line.team);
        item->setData(kLineStripRole, static_cast<int>(line.strip));
    }
    m_fillingList = false;
}

void CPageOne::OnSelchangeTeamList()
{
    QListWidgetItem* item = m_teamList->currentItem();
    if (item == nullptr || !item->isSelected())
    {
        return;
    }
    const int team = item->data(kLineTeamRole).toInt();
    if (team < 0 || std::size_t(team) >= m_model.m_teams.size() || !m_model.m_teams[std::size_t(team)])
    {
        return;
    }
    // The line knows its strip; its text is never searched (a club called "Home Park" has an away strip).
    const Strip strip = static_cast<Strip>(item->data(kLineStripRole).toInt());
    const Kit& kit = KitOf(*m_model.m_teams[std::size_t(team)], strip);
    JerseyColours& colours = m_model.m_jerseyColours;
    std::array<std::uint8_t, kKitColourCount> saved{};
    std::copy_n(colours.begin() + 1, kKitColourCount, saved.begin());
    std::copy_n(kit.colours.begin(), kKitColourCount, colours.begin() + 1);
    LoadJersey();
    std::copy_n(saved.begin(), kKitColourCount, colours.begin() + 1);
}

void CPageOne::OnGameFolder()
{
    std::optional<QString> chosen = BrowseForFolder(this, tr("Select FIFA99 directory"), m_model.m_gameFolder);
    if (!chosen)
    {
        return;
    }
    m_model.SetGameFolder(QDir::toNativeSeparators(*chosen));
    m_folder = m_model.m_gameFolder;
    UpdateData(false);
    // The clubs of the new folder, for the jersey shown now.
    const QString problem = m_model.ReadTeams();
    FillTeamList(m_model.JerseyNumberOf(m_path));
    if (!problem.isEmpty())
    {
        ShowMessage(this,
                    tr("The clubs of %1 cannot be listed:\n\n%2").arg(m_model.m_gameFolder, CoreMessage(problem)));
    }
}

void CPageOne::OnAssign()
{
    UpdateData(true);
    if (m_path.isEmpty())
    {
        return;
    }
    m_model.m_jerseyPath = m_path;
    CAssociateDlg dialog(m_model, this);
    dialog.exec();
}

} // namespace tarnix
