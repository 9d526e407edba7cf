#include "wizard/PageThree.h"

#include "archive/FileIO.h"
#include "archive/KitColours.h"
#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"
#include "ui/CoreMessages.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"
#include "wizard/JerseyModel.h"
#include "wizard/PaintedParts.h"
#include "wizard/PartImages.h"
#include "wizard/ThumbnailNote.h"
#include "wizard/WizardSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace tarnix
{

namespace
{

QColor RampColour(int index)
{
    // Indices come from a file's trailer and may be anything; only the 24 named colours have a ramp.
    const int row = (index >= 0 && index < kNamedColourCount) ? index : kNotUsedColour;
    const std::uint32_t rgb = ShadeRamps[row][15];
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void ShowPicture(QLabel* picture, const QImage& image)
{
    if (image.isNull())
    {
        picture->clear();
        return;
    }
    picture->setPixmap(SharpPixmap(image, picture->devicePixelRatioF()));
}

} // namespace

void CPageThree::CheckThumbnailNumber()
{
    if (m_thumbnailChecked)
    {
        return;
    }
    m_thumbnailChecked = true;
    const int number = m_model.m_thumbnailNumber;
    if (number == -1)
    {
        return;
    }
    // A number the hidden list cannot select would make every "Save" save and then refuse, with no way
    // out for the user; a thumbnail without Mardek's folder would land in the root folder.
    if (number < kThumbnailMin || number > kThumbnailMax)
    {
        m_model.m_thumbnailNumber = -1;
        ShowMessage(window(), tr("The thumbnail jersey number %1 is outside 1 to 64.\n\nJerseys will be "
                                 "saved without a thumbnail for Mardek.")
                                  .arg(number));
    }
    else if (m_model.m_mardekFolder.isEmpty())
    {
        ShowMessage(window(),
                    tr("A thumbnail for jersey number %1 was asked for, but Mardek's folder is not set.\n\n"
                       "Choose it with \"Mardek Folder...\" on the colours page; until then jerseys are "
                       "saved without a thumbnail for Mardek.")
                        .arg(number));
    }
}

void CPageThree::UpdateThumbnailOption()
{
    const int number = m_model.m_thumbnailNumber;
    const bool valid = number >= kThumbnailMin && number <= kThumbnailMax;
    m_thumbnailList->setCurrentIndex(valid ? number - 1 : -1);
    m_thumbnail = valid && !m_model.m_mardekFolder.isEmpty();
    m_thumbnailCheck->setChecked(m_thumbnail);
    m_thumbnailList->setEnabled(m_thumbnail);
    m_thumbnailCheck->setEnabled(!m_model.m_mardekFolder.isEmpty());
    if (auto* button = findChild<QPushButton*>(QString::number(MardekFolderButton)))
    {
        button->setToolTip(m_model.m_mardekFolder.isEmpty()
                               ? tr("Where Mardek is installed: thumbnails go into its Jerseys folder")
                               : QDir::toNativeSeparators(m_model.m_mardekFolder));
    }
    if (auto* note = findChild<QLabel*>(QString::number(ThumbnailNoteText)))
    {
        ShowThumbnailNote(note, NoteForThumbnail(number, m_model.m_mardekFolder));
    }
}

void CPageThree::OnMardekFolder()
{
    if (auto chosen = BrowseForFolder(this, tr("Select Mardek directory"), m_model.m_mardekFolder))
    {
        m_model.m_mardekFolder = QDir::toNativeSeparators(*chosen);
        UpdateThumbnailOption();
    }
}

void CPageThree::OnSetActive()
{
    if (!m_initialised)
    {
        OnInitDialog();
    }
    if (auto* sheet = qobject_cast<CWizardSheet*>(wizard()))
    {
        sheet->SetWizardButtons(true, false, true);
        sheet->SetFinishText(tr("Save"));
    }

    // The record holds the jersey's own colours, or the default kit when it has none (see ChooseJersey),
    // so the preview shows the colours the pickers show. A record never filled starts from the defaults.
    JerseyColours& record = m_model.m_jerseyColours;
    if (record[0] == 0 && std::all_of(record.begin() + 1, record.begin() + 1 + kKitColourCount,
                                      [](std::uint8_t b) { return b == 0; }))
    {
        SetKitColours(record, kDefaultKitColours);
    }
    m_colours = KitColoursOf(record);
    ComputePickerColours();
    Compose();
    RefreshPreview();

    if (m_model.m_saveTo.isEmpty())
    {
        m_model.m_saveTo = m_model.m_jerseyPath;
    }
    if (m_model.m_label.isEmpty())
    {
        m_model.m_label = m_model.m_jerseyLabel;
    }
    UpdateData(false);
}

void CPageThree::OnKillActive()
{
    UpdateData(true);
    SetKitColours(m_model.m_jerseyColours, m_colours);
    DeleteComposedFiles();
    m_model.WriteWorkRecord();
}

void CPageThree::UpdateData(bool save)
{
    if (save)
    {
        m_model.m_saveTo = m_saveToEdit->text();
        m_model.m_label = m_labelEdit->text();
        m_thumbnail = m_thumbnailCheck->isChecked();
        return;
    }
    m_saveToEdit->setText(m_model.m_saveTo);
    m_labelEdit->setText(m_model.m_label);
    m_thumbnailCheck->setChecked(m_thumbnail);
    for (int k = 0; k < kKitColourCount; ++k)
    {
        ShowPickerColour(k);
    }
}

// The picker shows the kit colour's full shade and names the colour as the grid does.
void CPageThree::ShowPickerColour(int k)
{
    m_pickers[k]->SetPickerColour(m_pickerColours[k]);
    const int index = m_colours[k];
    m_pickers[k]->SetColourName(PaletteName(index >= 0 && index < kNamedColourCount ? index : kNotUsedColour));
}

void CPageThree::ComputePickerColours()
{
    for (int k = 0; k < kKitColourCount; ++k)
    {
        m_pickerColours[k] = RampColour(m_colours[k]);
    }
}

void CPageThree::Compose()
{
    DeleteComposedFiles();
    m_composed = false;
    m_composeError.clear();

    m_composedPrints = PartPrints();
    tarnix::ComposedFiles out;
    Status status;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        auto file = CreateTempFile(".bmp");
        if (!file)
        {
            status = file.status();
            break;
        }
        out[i] = *file;
        m_composedFiles[i] = FromPath(*file);
    }
    // The part files are read back against the colours they were exported with; an editor may have
    // rewritten their colour tables, and kit colours picked here change no index.
    Result<PaintedParts> painted = status.ok() ? ComposePaintedParts(m_model) : Result<PaintedParts>(status);
    if (painted)
    {
        status = WriteComposedParts(painted->parts, out);
    }
    else
    {
        status = painted.status();
    }
    if (!status.ok())
    {
        // Saving is refused until the designs compose; say why now, while the user can still fix them.
        m_composeError = CoreMessage(status.error());
        ShowMessage(window(),
                    tr("The designs cannot be previewed or saved as they stand:\n\n%1").arg(m_composeError));
        return;
    }
    m_composed = true;
    if (painted->nearestPixels > 0)
    {
        const std::size_t n = painted->nearestPixels;
        const QString mapped = n == 1 ? tr("1 pixel in a colour the jersey does not have was mapped to "
                                           "the nearest jersey colour.")
                                      : tr("%1 pixels in colours the jersey does not have were mapped "
                                           "to the nearest jersey colour.")
                                            .arg(n);
        // Where they went, group by group, when the way of painting tells it.
        const QString details = CoreMessage(painted->details);
        ShowMessage(window(), details.isEmpty() ? mapped : mapped + QStringLiteral("\n\n") + details);
    }
}

void CPageThree::RefreshPreview()
{
    const auto composed = [this](int slot)
    { return m_composed ? LoadRecolouredBitmap(m_composedFiles[slot], m_model.m_jerseyColours) : QImage(); };
    ShowPicture(m_frontPicture, composed(0));
    ShowPicture(m_backPicture, composed(1));
}

void CPageThree::DeleteComposedFiles()
{
    for (QString& file : m_composedFiles)
    {
        RemoveFileQuietly(ToPath(file));
        file.clear();
    }
}

void CPageThree::OnColourAccept(int index, int controlId)
{
    // The accepts without a named colour (kNoCellIndex, kPastGridIndex) carry no kit colour.
    if (index == kNoCellIndex || index == kPastGridIndex || index < 0 || index >= kNamedColourCount)
    {
        return;
    }
    if (index == kNotUsedColour)
    {
        index = kBlackColour;
    }
    const auto it = std::find(kPickerIds.begin(), kPickerIds.end(), controlId);
    if (it != kPickerIds.end())
    {
        const int k = int(it - kPickerIds.begin());
        m_colours[k] = index;
        m_model.m_jerseyColours[1 + k] = static_cast<std::uint8_t>(index);
    }
    ComputePickerColours();
    for (int k = 0; k < kKitColourCount; ++k)
    {
        ShowPickerColour(k);
    }
    // Only the palettes change: the composed files stay as they are.
    RefreshPreview();
    m_model.WriteWorkRecord();
}

void CPageThree::OnThumbnailCheck(bool checked)
{
    m_thumbnail = checked;
    m_thumbnailList->setEnabled(m_thumbnail);
}

} // namespace tarnix
