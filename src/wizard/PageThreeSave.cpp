#include "wizard/PageThree.h"

#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"
#include "ui/CoreMessages.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"
#include "wizard/JerseyModel.h"
#include "wizard/PaintedParts.h"
#include "wizard/WizardSheet.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

// Saving: the target and its checks, the save itself with Mardek's thumbnail, and the offer to start over.

namespace tarnix
{

void CPageThree::OnBrowse()
{
    UpdateData(true);
    FileDialogRequest request;
    request.save = true;
    request.initialPath = m_model.m_texturesFolder;
    request.filter = tr("Jersey Files (*.FSH *.fsh);;All Files (*)");
    request.defaultSuffix = QStringLiteral("FSH");
    if (auto chosen = ChooseFile(this, request))
    {
        m_model.m_saveTo = QDir::toNativeSeparators(*chosen);
        UpdateData(false);
    }
}

bool CPageThree::OnWizardFinish()
{
    // The editor may have saved since the page was shown: the jersey gets what the files hold now, never
    // an older composition while the newer painting is taken for saved.
    const std::array<std::uint64_t, PartSlotCount> now = PartPrints();
    bool changed = false;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        changed = changed || (now[slot] != 0 && now[slot] != m_composedPrints[slot]);
    }
    if (changed)
    {
        Compose();
        RefreshPreview();
    }
    return CheckSave() && SaveWithThumbnail() && OfferAnotherJersey();
}

std::array<std::uint64_t, PartSlotCount> CPageThree::PartPrints() const
{
    std::array<std::uint64_t, PartSlotCount> prints{};
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        prints[slot] = FilePrint(m_model.m_partFiles[slot]);
    }
    return prints;
}

bool CPageThree::CheckSave()
{
    UpdateData(true);
    SaveRequest request;
    request.target = ToPath(m_model.m_saveTo);
    request.colours = m_colours;
    request.label = m_model.m_label.toStdString();
    if (const Status checked = CheckSaveRequest(request); !checked)
    {
        ShowMessage(window(), CoreMessage(checked.error()));
        return false;
    }
    if (!m_composed)
    {
        ShowMessage(window(), tr("The jersey cannot be saved, because the designs cannot be used as "
                                 "they stand:\n\n%1")
                                  .arg(m_composeError));
        return false;
    }
    if (QFileInfo::exists(m_model.m_saveTo))
    {
        return ShowMessage(window(), tr("%1 already exists. Do you want to overwrite it?").arg(m_model.m_saveTo),
                           MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes;
    }
    return true;
}

bool CPageThree::SaveWithThumbnail()
{
    if (!m_model.m_jerseyReadError.isEmpty())
    {
        ShowMessage(window(), tr("The jersey could not be saved, because its colours and label could "
                                 "not be read when it was chosen:\n\n%1\n\nPlease choose it again.")
                                  .arg(CoreMessage(m_model.m_jerseyReadError)));
        return false;
    }
    SaveRequest request;
    request.source = ToPath(m_model.m_jerseyPath);
    request.target = ToPath(m_model.m_saveTo);
    for (std::size_t i = 0; i < request.composed.size(); ++i)
    {
        request.composed[i] = ToPath(m_composedFiles[i]);
    }
    request.colours = m_colours;
    request.label = m_model.m_label.toStdString();
    std::filesystem::path backup;
    const Status saved = SaveJersey(request, m_model.m_jerseyColours, &backup);
    if (!saved.ok())
    {
        ShowMessage(window(), tr("The jersey could not be saved:\n\n%1").arg(CoreMessage(saved.error())));
        return false;
    }
    m_model.m_saved = 1;
    m_backup = FromPath(backup);
    if (request.target == request.source)
    {
        m_model.m_jerseyLabel = m_model.m_label; // the jersey now carries the label just saved
    }
    // What the part files, the colours and the label hold now is saved: leaving no longer loses it.
    m_model.MarkWorkSaved();

    if (!m_thumbnail)
    {
        return true;
    }
    const int number = m_thumbnailList->currentData().isValid() ? m_thumbnailList->currentData().toInt() : 0;
    if (m_thumbnailList->currentIndex() < 0 || number < kThumbnailMin)
    {
        ShowMessage(window(), tr("Please select a jersey number to save the thumbnail to."));
        return false;
    }
    const Status thumbnail = WriteThumbnail(request.target, ThumbnailPath(ToPath(m_model.m_mardekFolder), number));
    if (!thumbnail.ok())
    {
        ShowMessage(window(), tr("The jersey has been saved, but the thumbnail for Mardek could not "
                                 "be written:\n\n%1")
                                  .arg(CoreMessage(thumbnail.error())));
    }
    return true;
}

bool CPageThree::OfferAnotherJersey()
{
    // A save that replaced a file kept a copy of it: say where, so that the save can be undone.
    const QString kept =
        m_backup.isEmpty() ? QString()
                           : tr("\n(the file it replaced is kept as %1)").arg(QDir::toNativeSeparators(m_backup));
    if (ShowMessage(window(), tr("Jersey has been saved%1\nWould you like to edit another jersey?").arg(kept),
                    MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
    {
        return true;
    }
    m_model.StartOver();
    m_colours = KitColoursOf(m_model.m_jerseyColours); // what leaving this page hands back
    UpdateData(false);
    // The thumbnail number belongs to the jersey the program was started with; another jersey must not
    // overwrite its thumbnail.
    m_model.m_thumbnailNumber = -1;
    UpdateThumbnailOption();
    if (auto* sheet = qobject_cast<CWizardSheet*>(wizard()))
    {
        sheet->SetActivePage(CWizardSheet::SelectionPage);
    }
    return false;
}

bool CPageThree::OnQueryCancel()
{
    // What is typed in the fields counts, too.
    UpdateData(true);
    return MayQuit(m_model);
}

} // namespace tarnix
