#include "wizard/PageThree.h"

#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/KitColours.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"
#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"
#include "controls/LinkLabel.h"
#include "ui/DialogTemplate.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/UserGuide.h"
#include "ui/WorkFolder.h"
#include "wizard/JerseyModel.h"
#include "wizard/PaintedParts.h"
#include "wizard/PartImages.h"
#include "wizard/ThumbnailNote.h"
#include "wizard/WizardSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

// Resources of a static library are registered by hand, outside any namespace.
static void InitPageThreeResources()
{
    Q_INIT_RESOURCE(pagethree);
}

namespace tarnix
{

namespace
{

using Id = CPageThree::ControlId;

// Picker ids in the order of the kit colours: jersey 1st, 2nd, 3rd, shorts 1st, 2nd, socks 1st, 2nd.
constexpr std::array<int, kKitColourCount> kPickerIds = {Id::Jersey1Picker, Id::Jersey2Picker, Id::Jersey3Picker,
                                                         Id::Shorts1Picker, Id::Shorts2Picker, Id::Socks1Picker,
                                                         Id::Socks2Picker};

constexpr int kThumbnailMin = 1;
constexpr int kThumbnailMax = 64;

// The sections of the user guide the two banners open.
const char* const kGuideSection = "#editing-a-jersey-step-by-step";
const char* const kColoursSection = "#how-colours-work-in-a-jersey";

const ControlSpec kTemplate131[] = {
    {Id::SaveToEdit, ControlKind::Edit, nullptr, 175, 7, 106, 14},
    {Id::BrowseButton, ControlKind::Button, "Browse...", 285, 7, 45, 14},
    {Id::ThumbnailCheck, ControlKind::CheckBox, "Generate a jersey thumbnail file for Mardek", 145, 27, 147, 10,
     StyleHidden},
    {Id::ThumbnailList, ControlKind::ComboBox, nullptr, 301, 25, 29, 72, StyleHidden},
    {Id::MardekFolderButton, ControlKind::Button, "Mardek Folder...", 270, 24, 60, 14},
    // Laid out with the widest text it shows besides a path (see ThumbnailNote).
    {Id::ThumbnailNoteText, ControlKind::Static, "Mardek thumbnail:\nnone (no folder chosen)", 145, 24, 121, 16},
    {Id::Jersey1Picker, ControlKind::Custom, nullptr, 139, 90, 21, 14},
    {Id::Jersey2Picker, ControlKind::Custom, nullptr, 164, 90, 21, 14},
    {Id::Jersey3Picker, ControlKind::Custom, nullptr, 189, 90, 21, 14},
    {Id::Shorts1Picker, ControlKind::Custom, nullptr, 221, 90, 21, 14},
    {Id::Shorts2Picker, ControlKind::Custom, nullptr, 246, 90, 21, 14},
    {Id::Socks1Picker, ControlKind::Custom, nullptr, 279, 90, 21, 14},
    {Id::Socks2Picker, ControlKind::Custom, nullptr, 304, 90, 21, 14},
    {-1, ControlKind::Static, "Save to:", 145, 9, 29, 8},
    {Id::FrontPicture, ControlKind::Picture, nullptr, 139, 108, 86, 83, StyleSunken},
    {Id::BackPicture, ControlKind::Picture, nullptr, 240, 108, 86, 83, StyleSunken},
    {-1, ControlKind::Static, "The user guide walks through designing a jersey, from the first page to the game:",
     10, 17, 120, 27, StyleCentre},
    {-1, ControlKind::Static, "How the kit colours and the shades of a jersey work, and how to paint with them:",
     10, 107, 120, 28, StyleCentre},
    {Id::GuideLink, ControlKind::Custom, nullptr, 10, 54, 120, 26},
    {Id::DownloadLink, ControlKind::Custom, nullptr, 10, 144, 120, 35},
    {-1, ControlKind::Frame, nullptr, 7, 7, 126, 81},
    {-1, ControlKind::Frame, nullptr, 7, 95, 126, 97},
    {-1, ControlKind::Static, "1st", 139, 80, 16, 8},
    {-1, ControlKind::Static, "2nd", 165, 80, 16, 8},
    {-1, ControlKind::Static, "3rd", 191, 80, 16, 8},
    {-1, ControlKind::GroupBox, "Preview", 135, 58, 195, 134},
    {-1, ControlKind::Static, "Jersey Colours", 139, 68, 46, 8},
    {-1, ControlKind::Static, "1st", 221, 79, 16, 8},
    {-1, ControlKind::Static, "2nd", 246, 79, 16, 8},
    {-1, ControlKind::Static, "1st", 279, 80, 16, 8},
    {-1, ControlKind::Static, "2nd", 304, 80, 16, 8},
    {-1, ControlKind::Static, "Shorts Colours", 221, 68, 46, 8},
    {-1, ControlKind::Static, "Socks Colours", 279, 68, 46, 8},
    {-1, ControlKind::Frame, nullptr, 215, 63, 1, 45},
    {-1, ControlKind::Frame, nullptr, 273, 63, 1, 44},
    {-1, ControlKind::Frame, nullptr, 136, 105, 195, 1},
    {Id::LabelEdit, ControlKind::Edit, nullptr, 174, 41, 156, 14},
    {-1, ControlKind::Static, "Label:", 145, 44, 20, 8},
};

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

CPageThree::CPageThree(JerseyModel& model, QWidget* parent) : CWizardPage(parent), m_model(model)
{
    InitPageThreeResources();
    DialogBase base = DialogBaseOf(font());
    const CustomFactory factory = [](const ControlSpec& spec, QWidget* parent) -> QWidget*
    {
        if (spec.id == Id::GuideLink || spec.id == Id::DownloadLink)
        {
            return new CLinkLabel(parent);
        }
        return new CColourPicker(parent);
    };
    const QHash<int, QWidget*> controls = BuildControls(this, kTemplate131, base, factory);
    setMinimumSize(DialogSize(base, 337, 199));

    for (int k = 0; k < kKitColourCount; ++k)
    {
        m_pickers[k] = qobject_cast<CColourPicker*>(controls.value(kPickerIds[k]));
        connect(m_pickers[k], &CColourPicker::Accept, this, &CPageThree::OnColourAccept);
        // A custom colour from the grid's colour dialog carries no kit colour: the page ignores its accept,
        // but the picker has taken the colour by then. Put the stored colour back so that the button never
        // shows a colour that would not be saved.
        connect(m_pickers[k], &CColourPicker::Change, this,
                [this, k](const QColor& colour)
                {
                    if (colour != m_pickerColours[k])
                    {
                        ShowPickerColour(k);
                    }
                });
    }
    m_thumbnailCheck = qobject_cast<QCheckBox*>(controls.value(Id::ThumbnailCheck));
    m_thumbnailList = qobject_cast<QComboBox*>(controls.value(Id::ThumbnailList));
    m_guideLink = qobject_cast<CLinkLabel*>(controls.value(Id::GuideLink));
    m_downloadLink = qobject_cast<CLinkLabel*>(controls.value(Id::DownloadLink));
    m_frontPicture = qobject_cast<QLabel*>(controls.value(Id::FrontPicture));
    m_backPicture = qobject_cast<QLabel*>(controls.value(Id::BackPicture));
    m_saveToEdit = qobject_cast<QLineEdit*>(controls.value(Id::SaveToEdit));
    m_labelEdit = qobject_cast<QLineEdit*>(controls.value(Id::LabelEdit));
    NameControls();
    // A dialog's group box carries its caption on the frame line; the etched lines between the pickers
    // start just below that line.
    for (QGroupBox* group : findChildren<QGroupBox*>())
    {
        group->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
                                            "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                                            " padding: 0 2px; }"));
    }
    for (QLabel* picture : {m_frontPicture, m_backPicture})
    {
        picture->setAlignment(Qt::AlignCenter);
    }

    connect(qobject_cast<QPushButton*>(controls.value(Id::BrowseButton)), &QPushButton::clicked, this,
            &CPageThree::OnBrowse);
    connect(qobject_cast<QPushButton*>(controls.value(Id::MardekFolderButton)), &QPushButton::clicked, this,
            &CPageThree::OnMardekFolder);
    connect(m_thumbnailCheck, &QCheckBox::clicked, this, &CPageThree::OnThumbnailCheck);
}

CPageThree::~CPageThree()
{
    DeleteComposedFiles();
}

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
        ShowMessage(window(),
                    QStringLiteral("The thumbnail jersey number %1 is outside 1 to 64.\n\nJerseys will be "
                                   "saved without a thumbnail for Mardek.")
                        .arg(number));
    }
    else if (m_model.m_mardekFolder.isEmpty())
    {
        ShowMessage(
            window(),
            QStringLiteral("A thumbnail for jersey number %1 was asked for, but Mardek's folder is not set.\n\n"
                           "Choose it with \"Mardek Folder...\" on the colours page; until then jerseys are "
                           "saved without a thumbnail for Mardek.")
                .arg(number));
    }
}

void CPageThree::OnInitDialog()
{
    CheckThumbnailNumber();

    m_thumbnailList->clear();
    for (int n = kThumbnailMin; n <= kThumbnailMax; ++n)
    {
        m_thumbnailList->addItem(QString::number(n), n);
    }
    UpdateThumbnailOption();

    const QColor linkColour = m_guideLink->LinkColour();
    const std::pair<CLinkLabel*, std::pair<const char*, const char*>> links[] = {
        {m_guideLink, {kGuideSection, ":/pagethree/guide-banner.png"}},
        {m_downloadLink, {kColoursSection, ":/pagethree/colours-banner.png"}},
    };
    for (const auto& [link, data] : links)
    {
        link->FitToText(false);
        // Without a guide the address stays empty, and a click says the link cannot be opened.
        const QString guide = UserGuideUrl();
        link->SetLinkUrl(guide.isEmpty() ? QString() : guide + QLatin1String(data.first));
        link->SetLinkColours(linkColour, QColor(255, 0, 0));
        link->ShowUnderline(false);
        link->m_cursor = QCursor(Qt::PointingHandCursor);
        link->setCursor(link->m_cursor);
        link->setAlignment(Qt::AlignCenter);
        link->setPixmap(QPixmap(QString::fromLatin1(data.second)));
    }
    m_initialised = true;
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
    if (auto* button = findChild<QPushButton*>(QString::number(Id::MardekFolderButton)))
    {
        button->setToolTip(m_model.m_mardekFolder.isEmpty()
                               ? QStringLiteral("Where Mardek is installed: thumbnails go into its Jerseys folder")
                               : QDir::toNativeSeparators(m_model.m_mardekFolder));
    }
    if (auto* note = findChild<QLabel*>(QString::number(Id::ThumbnailNoteText)))
    {
        ShowThumbnailNote(note, NoteForThumbnail(number, m_model.m_mardekFolder));
    }
}

void CPageThree::OnMardekFolder()
{
    if (auto chosen = BrowseForFolder(this, QStringLiteral("Select Mardek directory"), m_model.m_mardekFolder))
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
        sheet->SetFinishText(QStringLiteral("Save"));
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

// For a screen reader: each picker's kit colour, what the previews show, where the banner links lead.
void CPageThree::NameControls()
{
    static constexpr std::array<const char*, kKitColourCount> kKitNames = {
        QT_TR_NOOP("Jersey 1st colour"), QT_TR_NOOP("Jersey 2nd colour"), QT_TR_NOOP("Jersey 3rd colour"),
        QT_TR_NOOP("Shorts 1st colour"), QT_TR_NOOP("Shorts 2nd colour"), QT_TR_NOOP("Socks 1st colour"),
        QT_TR_NOOP("Socks 2nd colour")};
    for (int k = 0; k < kKitColourCount; ++k)
    {
        m_pickers[k]->SetKitName(tr(kKitNames[k]));
    }
    m_frontPicture->setAccessibleName(tr("Front of the jersey in the chosen kit colours"));
    m_backPicture->setAccessibleName(tr("Back of the jersey in the chosen kit colours"));
    m_saveToEdit->setAccessibleName(tr("Save to"));
    m_labelEdit->setAccessibleName(tr("Label"));
    m_guideLink->setAccessibleName(tr("User guide: designing a jersey, from the first page to the game"));
    m_downloadLink->setAccessibleName(tr("User guide: how the kit colours and the shades of a jersey work"));
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
        m_composeError = QString::fromStdString(status.error());
        ShowMessage(
            window(),
            QStringLiteral("The designs cannot be previewed or saved as they stand:\n\n%1").arg(m_composeError));
        return;
    }
    m_composed = true;
    if (painted->nearestPixels > 0)
    {
        const std::size_t n = painted->nearestPixels;
        const QString mapped = n == 1
                                   ? QStringLiteral("1 pixel in a colour the jersey does not have was mapped to "
                                                    "the nearest jersey colour.")
                                   : QStringLiteral("%1 pixels in colours the jersey does not have were mapped "
                                                    "to the nearest jersey colour.")
                                         .arg(n);
        // Where they went, group by group, when the way of painting tells it.
        const QString details = QString::fromStdString(painted->details);
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

void CPageThree::OnBrowse()
{
    UpdateData(true);
    FileDialogRequest request;
    request.save = true;
    request.initialPath = m_model.m_texturesFolder;
    request.filter = QStringLiteral("Jersey Files (*.FSH *.fsh);;All Files (*)");
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
        ShowMessage(window(), QString::fromStdString(checked.error()));
        return false;
    }
    if (!m_composed)
    {
        ShowMessage(window(), QStringLiteral("The jersey cannot be saved, because the designs cannot be used as "
                                             "they stand:\n\n%1")
                                  .arg(m_composeError));
        return false;
    }
    if (QFileInfo::exists(m_model.m_saveTo))
    {
        return ShowMessage(window(),
                           m_model.m_saveTo + QStringLiteral(" already exists. Do you want to overwrite it?"),
                           MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes;
    }
    return true;
}

bool CPageThree::SaveWithThumbnail()
{
    if (!m_model.m_jerseyReadError.isEmpty())
    {
        ShowMessage(window(), QStringLiteral("The jersey could not be saved, because its colours and label could "
                                             "not be read when it was chosen:\n\n%1\n\nPlease choose it again.")
                                  .arg(m_model.m_jerseyReadError));
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
        ShowMessage(
            window(),
            QStringLiteral("The jersey could not be saved:\n\n%1").arg(QString::fromStdString(saved.error())));
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
        ShowMessage(window(), QStringLiteral("Please select a jersey number to save the thumbnail to."));
        return false;
    }
    const Status thumbnail = WriteThumbnail(request.target, ThumbnailPath(ToPath(m_model.m_mardekFolder), number));
    if (!thumbnail.ok())
    {
        ShowMessage(window(), QStringLiteral("The jersey has been saved, but the thumbnail for Mardek could not "
                                             "be written:\n\n%1")
                                  .arg(QString::fromStdString(thumbnail.error())));
    }
    return true;
}

bool CPageThree::OfferAnotherJersey()
{
    // A save that replaced a file kept a copy of it: say where, so that the save can be undone.
    const QString kept =
        m_backup.isEmpty()
            ? QString()
            : QStringLiteral("\n(the file it replaced is kept as %1)").arg(QDir::toNativeSeparators(m_backup));
    if (ShowMessage(window(),
                    QStringLiteral("Jersey has been saved%1\nWould you like to edit another jersey?").arg(kept),
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
