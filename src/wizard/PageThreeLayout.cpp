#include "wizard/PageThree.h"
#include "wizard/PageThreeBanner.h"

#include "controls/ColourPicker.h"
#include "controls/LinkLabel.h"
#include "ui/DialogTemplate.h"
#include "ui/UserGuide.h"
#include "wizard/WizardSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarnix
{

namespace
{

using Id = CPageThree::ControlId;

// The sections of the user guide the two banners open.
const char* const kGuideSection = "#editing-a-jersey-step-by-step";
const char* const kColoursSection = "#how-colours-work-in-a-jersey";

const ControlSpec kTemplate131[] = {
    {Id::SaveToEdit, ControlKind::Edit, nullptr, 175, 7, 106, 14},
    {Id::BrowseButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Browse..."), 285, 7, 45, 14},
    {Id::ThumbnailCheck, ControlKind::CheckBox,
     QT_TRANSLATE_NOOP("tarnix::CPageThree", "Generate a jersey thumbnail file for Mardek"), 145, 27, 147, 10,
     StyleHidden},
    {Id::ThumbnailList, ControlKind::ComboBox, nullptr, 301, 25, 29, 72, StyleHidden},
    {Id::MardekFolderButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Mardek Folder..."), 270,
     24, 60, 14},
    // Laid out with the widest text it shows besides a path (see ThumbnailNote).
    //: The heading and the longer of the two "none (...)" notes, as they are translated, one on each line.
    {Id::ThumbnailNoteText, ControlKind::Static,
     QT_TRANSLATE_NOOP("tarnix::CPageThree", "Mardek thumbnail:\nnone (no folder chosen)"), 145, 24, 121, 16},
    {Id::Jersey1Picker, ControlKind::Custom, nullptr, 139, 90, 21, 14},
    {Id::Jersey2Picker, ControlKind::Custom, nullptr, 164, 90, 21, 14},
    {Id::Jersey3Picker, ControlKind::Custom, nullptr, 189, 90, 21, 14},
    {Id::Shorts1Picker, ControlKind::Custom, nullptr, 221, 90, 21, 14},
    {Id::Shorts2Picker, ControlKind::Custom, nullptr, 246, 90, 21, 14},
    {Id::Socks1Picker, ControlKind::Custom, nullptr, 279, 90, 21, 14},
    {Id::Socks2Picker, ControlKind::Custom, nullptr, 304, 90, 21, 14},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Save to:"), 145, 9, 29, 8},
    {Id::FrontPicture, ControlKind::Picture, nullptr, 139, 108, 86, 83, StyleSunken},
    {Id::BackPicture, ControlKind::Picture, nullptr, 240, 108, 86, 83, StyleSunken},
    {-1, ControlKind::Static,
     QT_TRANSLATE_NOOP("tarnix::CPageThree",
                       "The user guide walks through designing a jersey, from the first page to the game:"),
     10, 17, 120, 27, StyleCentre},
    {-1, ControlKind::Static,
     QT_TRANSLATE_NOOP("tarnix::CPageThree",
                       "How the kit colours and the shades of a jersey work, and how to paint with them:"),
     10, 107, 120, 28, StyleCentre},
    {Id::GuideLink, ControlKind::Custom, nullptr, 10, 54, 120, 26},
    {Id::DownloadLink, ControlKind::Custom, nullptr, 10, 144, 120, 35},
    {-1, ControlKind::Frame, nullptr, 7, 7, 126, 81},
    {-1, ControlKind::Frame, nullptr, 7, 95, 126, 97},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "1st"), 139, 80, 16, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "2nd"), 165, 80, 16, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "3rd"), 191, 80, 16, 8},
    {-1, ControlKind::GroupBox, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Preview"), 135, 58, 195, 134},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Jersey Colours"), 139, 68, 46, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "1st"), 221, 79, 16, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "2nd"), 246, 79, 16, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "1st"), 279, 80, 16, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "2nd"), 304, 80, 16, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Shorts Colours"), 221, 68, 46, 8},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Socks Colours"), 279, 68, 46, 8},
    {-1, ControlKind::Frame, nullptr, 215, 63, 1, 45},
    {-1, ControlKind::Frame, nullptr, 273, 63, 1, 44},
    {-1, ControlKind::Frame, nullptr, 136, 105, 195, 1},
    {Id::LabelEdit, ControlKind::Edit, nullptr, 174, 41, 156, 14},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageThree", "Label:"), 145, 44, 20, 8},
};

} // namespace

CPageThree::CPageThree(JerseyModel& model, QWidget* parent) : CWizardPage(parent), m_model(model)
{
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
    const std::pair<CLinkLabel*, const char*> links[] = {{m_guideLink, kGuideSection},
                                                         {m_downloadLink, kColoursSection}};
    for (const auto& [link, section] : links)
    {
        link->FitToText(false);
        // Without a guide the address stays empty, and a click says the link cannot be opened.
        const QString guide = UserGuideUrl();
        link->SetLinkUrl(guide.isEmpty() ? QString() : guide + QLatin1String(section));
        link->SetLinkColours(linkColour, QColor(255, 0, 0));
        link->ShowUnderline(false);
        link->m_cursor = QCursor(Qt::PointingHandCursor);
        link->setCursor(link->m_cursor);
        link->setAlignment(Qt::AlignCenter);
    }
    ShowBanner(m_guideLink, {38, QColor(0x2f, 0x5f, 0xa8), QColor(0x18, 0x34, 0x63)}, tr("USER GUIDE"),
               tr("editing a jersey, step by step"));
    ShowBanner(m_downloadLink, {52, QColor(0xb8, 0x44, 0x2c), QColor(0x6d, 0x1f, 0x12)}, tr("KIT COLOURS"),
               tr("how colours and shades work"));
    m_initialised = true;
}

} // namespace tarnix
