#include "wizard/PageTwo.h"

#include "ui/CoreMessages.h"
#include "ui/DialogTemplate.h"
#include "ui/Platform.h"
#include "wizard/JerseyModel.h"
#include "wizard/PaintedParts.h"
#include "wizard/PartFileWatcher.h"
#include "wizard/PartImages.h"
#include "wizard/WizardSheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tarnix
{

namespace
{

using Id = CPageTwo::ControlId;

// Front, back, long sleeve, short sleeve.
constexpr int kPictureIds[4] = {Id::FrontPicture, Id::BackPicture, Id::LongSleevePicture, Id::ShortSleevePicture};

// Editor buttons and the part-file slot each opens.
constexpr std::pair<int, int> kEditorButtons[] = {
    {Id::FrontButton, FrontDesign},
    {Id::BackButton, BackDesign},
    {Id::LongSleeveButton, LongSleeveDesign},
    {Id::ShortSleeveButton, ShortSleeveDesign},
    {Id::FrontShadeButton, FrontShade},
    {Id::BackShadeButton, BackShade},
    {Id::LongSleeveShadeButton, LongSleeveShade},
    {Id::ShortSleeveShadeButton, ShortSleeveShade},
};

// The template carries the longer help, so that the page is laid out to hold either.
const char* const kDesignsHelp = QT_TRANSLATE_NOOP(
    "tarnix::CPageTwo",
    "Use your favourite bitmap editor to design the jersey. Use colour index 47 for the primary colour, 63 for "
    "the secondary and 79 for the tertiary.");
const char* const kPicturesHelp =
    QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Paint each part as it looks, in these kit colours. Soft edges and "
                                          "lighter or darker paint keep their kit colour in every club's "
                                          "colours.");

const ControlSpec kTemplate130[] = {
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Your favourite bitmap editor path:"), 7, 10,
     107, 8},
    {Id::EditorEdit, ControlKind::Edit, nullptr, 118, 7, 156, 14},
    {Id::BrowseButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Browse..."), 280, 7, 50, 14},
    {Id::PicturesRadio, ControlKind::Radio,
     QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Paint the whole shirt as it looks"), 22, 25, 150, 10},
    {Id::DesignsRadio, ControlKind::Radio,
     QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Paint colour groups and shading apart"), 180, 25, 150, 10},
    {Id::FrontButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Front..."), 22, 38, 57, 14},
    {Id::BackButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Back..."), 122, 38, 57, 14},
    {Id::LongSleeveButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Long Sleeve..."), 197, 38,
     57, 14},
    {Id::ShortSleeveButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Short Sleeve..."), 272, 38,
     57, 14},
    {Id::FrontPicture, ControlKind::Picture, nullptr, 7, 56, 15, 13, StyleSunken},
    {Id::BackPicture, ControlKind::Picture, nullptr, 126, 56, 15, 13, StyleSunken},
    {Id::LongSleevePicture, ControlKind::Picture, nullptr, 201, 56, 15, 13, StyleSunken},
    {Id::ShortSleevePicture, ControlKind::Picture, nullptr, 276, 56, 15, 13, StyleSunken},
    {Id::FrontShadeButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Edit Shade..."), 22, 140,
     57, 14},
    {Id::SavePaletteButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Save palette..."), 22, 158,
     57, 14},
    {Id::BackShadeButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Edit Shade..."), 122, 99, 57,
     14},
    {Id::LongSleeveShadeButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Edit Shade..."), 197,
     99, 57, 14},
    {Id::ShortSleeveShadeButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Edit Shade..."), 272,
     99, 57, 14},
    {-1, ControlKind::GroupBox, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "In the kit colours"), 121, 116, 96, 50},
    {Id::KitFrontPicture, ControlKind::Picture, nullptr, 126, 125, 43, 39},
    {Id::KitBackPicture, ControlKind::Picture, nullptr, 171, 125, 43, 39},
    {Id::KitPreviewNote, ControlKind::Static, nullptr, 126, 125, 88, 39, StyleHidden},
    {Id::HelpText, ControlKind::Static, kDesignsHelp, 224, 118, 106, 48},
    {Id::NearestCheck, ControlKind::CheckBox,
     QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Map other colours to the nearest jersey colour"), 123, 168, 207, 10},
    {Id::RefreshButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageTwo", "Refresh"), 280, 180, 50, 14},
    {-1, ControlKind::Static,
     QT_TRANSLATE_NOOP("tarnix::CPageTwo", "**** Don't forget to save the designs before returning to Tarnix."), 7,
     184, 196, 9, StyleCentre},
};

} // namespace

CPageTwo::CPageTwo(JerseyModel& model, QWidget* parent) : CWizardPage(parent), m_model(model)
{
    DialogBase base = DialogBaseOf(font());
    const QHash<int, QWidget*> controls = BuildControls(this, kTemplate130, base);
    setMinimumSize(DialogSize(base, 337, 199));

    m_editor = qobject_cast<QLineEdit*>(controls.value(Id::EditorEdit));
    m_editor->setAccessibleName(tr("Bitmap editor"));
    static constexpr const char* kPictureNames[4] = {
        QT_TR_NOOP("Front design, as your editor last saved it"),
        QT_TR_NOOP("Back design, as your editor last saved it"),
        QT_TR_NOOP("Long sleeve design, as your editor last saved it"),
        QT_TR_NOOP("Short sleeve design, as your editor last saved it")};
    for (int i = 0; i < 4; ++i)
    {
        m_pictures[i] = qobject_cast<QLabel*>(controls.value(kPictureIds[i]));
        m_pictures[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_pictures[i]->setAccessibleName(tr(kPictureNames[i]));
    }
    for (const auto& [id, slot] : kEditorButtons)
    {
        auto* button = qobject_cast<QPushButton*>(controls.value(id));
        connect(button, &QPushButton::clicked, this, [this, slot = slot] { OnOpenInEditor(slot); });
    }
    connect(qobject_cast<QPushButton*>(controls.value(Id::BrowseButton)), &QPushButton::clicked, this,
            &CPageTwo::OnBrowse);
    connect(qobject_cast<QPushButton*>(controls.value(Id::RefreshButton)), &QPushButton::clicked, this,
            &CPageTwo::OnRefresh);
    connect(qobject_cast<QPushButton*>(controls.value(Id::SavePaletteButton)), &QPushButton::clicked, this,
            &CPageTwo::OnSavePalette);
    m_nearest = qobject_cast<QCheckBox*>(controls.value(Id::NearestCheck));
    m_nearest->setToolTip(tr("Colours an editor brought in that the jersey does not have (from smoothing, "
                             "or a colour picked by eye) become the nearest colour the part can use, "
                             "instead of stopping the save"));
    connect(m_nearest, &QCheckBox::toggled, this, [this](bool on) { m_model.m_nearestColours = on; });

    m_picturesRadio = qobject_cast<QRadioButton*>(controls.value(Id::PicturesRadio));
    m_designsRadio = qobject_cast<QRadioButton*>(controls.value(Id::DesignsRadio));
    connect(m_picturesRadio, &QRadioButton::clicked, this, &CPageTwo::OnPaintModeChosen);
    connect(m_designsRadio, &QRadioButton::clicked, this, &CPageTwo::OnPaintModeChosen);
    m_help = qobject_cast<QLabel*>(controls.value(Id::HelpText));
    m_help->setWordWrap(true);
    const int designOnly[] = {Id::FrontShadeButton, Id::BackShadeButton, Id::LongSleeveShadeButton,
                              Id::ShortSleeveShadeButton};
    for (std::size_t i = 0; i < m_designOnly.size(); ++i)
    {
        m_designOnly[i] = qobject_cast<QPushButton*>(controls.value(designOnly[i]));
    }
    m_kitPictures[0] = qobject_cast<QLabel*>(controls.value(Id::KitFrontPicture));
    m_kitPictures[1] = qobject_cast<QLabel*>(controls.value(Id::KitBackPicture));
    m_kitPictures[0]->setAccessibleName(tr("Front of the shirt in the kit colours, from your designs"));
    m_kitPictures[1]->setAccessibleName(tr("Back of the shirt in the kit colours, from your designs"));
    m_kitNote = qobject_cast<QLabel*>(controls.value(Id::KitPreviewNote));
    m_kitNote->setWordWrap(true);
    connect(m_nearest, &QCheckBox::toggled, this, &CPageTwo::RefreshKitPreview);

    m_watcher = new CPartFileWatcher(this);
    connect(m_watcher, &CPartFileWatcher::Saved, this, &CPageTwo::OnFilesSaved);

    // The first showing of the page takes the stored editor; a first run proposes an installed one.
    QString editor = m_model.m_editorPath;
    if (editor.isEmpty())
    {
        const QList<InstalledEditor> installed = InstalledEditors();
        if (!installed.isEmpty())
        {
            editor = installed.first().command;
        }
    }
    m_editor->setText(editor);
    m_nearest->setChecked(m_model.m_nearestColours);
    ShowPaintMode();
}

QString CPageTwo::EditorPath() const
{
    return m_editor->text();
}

void CPageTwo::OnSetActive()
{
    if (auto* sheet = qobject_cast<CWizardSheet*>(wizard()))
    {
        sheet->SetWizardButtons(true, true, false);
    }
    ShowPaintMode();
    ExportOnce();
    WatchPartFiles();
    OnRefresh();
}

void CPageTwo::OnKillActive()
{
    // A path typed and never confirmed by a button is kept too.
    m_model.m_editorPath = m_editor->text();
}

bool CPageTwo::OnQueryCancel()
{
    return MayQuit(m_model);
}

void CPageTwo::ExportOnce()
{
    const Status prepared = PreparePaintFiles(m_model);
    if (!prepared)
    {
        // The next visit tries again.
        ShowMessage(this, tr("The jersey's parts could not be prepared for your bitmap editor:\n\n%1")
                              .arg(CoreMessage(prepared.error())));
    }
}

void CPageTwo::ShowPaintMode()
{
    const bool pictures = m_model.m_paintMode == PaintMode::Pictures;
    m_picturesRadio->setChecked(pictures);
    m_designsRadio->setChecked(!pictures);
    for (QPushButton* button : m_designOnly)
    {
        button->setVisible(!pictures);
    }
    m_help->setText(tr(pictures ? kPicturesHelp : kDesignsHelp));
}

void CPageTwo::OnPaintModeChosen()
{
    const PaintMode mode = m_picturesRadio->isChecked() ? PaintMode::Pictures : PaintMode::Designs;
    if (mode == m_model.m_paintMode)
    {
        return;
    }
    if (const Status changed = ChangePaintMode(m_model, mode); !changed)
    {
        ShowMessage(this, tr("What you painted cannot be carried over to the other way of painting:"
                             "\n\n%1\n\nChange it in your editor, or let other colours be mapped "
                             "to the nearest jersey colour, and try again.")
                              .arg(CoreMessage(changed.error())));
    }
    ShowPaintMode();
    WatchPartFiles();
    OnRefresh();
}

bool CPageTwo::OnWizardNext()
{
    // The colours page can do nothing with designs it cannot read back: the user stays where they can be
    // fixed.
    const Result<PaintedParts> usable = ComposePaintedParts(m_model);
    if (usable)
    {
        return true;
    }
    QString text =
        (m_model.m_paintMode == PaintMode::Pictures ? tr("The pictures cannot be used as they stand:\n\n%1")
                                                    : tr("The designs cannot be used as they stand:\n\n%1"))
            .arg(CoreMessage(usable.error()));
    if (!m_model.m_nearestColours)
    {
        // Would the check box take them? Asked of the same files with it ticked.
        m_model.m_nearestColours = true;
        const bool nearestWould = ComposePaintedParts(m_model).ok();
        m_model.m_nearestColours = false;
        if (nearestWould)
        {
            text += tr("\n\nRepaint those pixels with the jersey's colours, or tick \"%1\" on this page.")
                        .arg(m_nearest->text());
        }
    }
    ShowMessage(this, text);
    return false;
}

void CPageTwo::OnOpenInEditor(int slot)
{
    // In picture mode the part buttons open the part's picture.
    const bool picture = m_model.m_paintMode == PaintMode::Pictures && slot <= ShortSleeveDesign;
    const QString editor = m_editor->text();
    if (editor.isEmpty())
    {
        ShowMessage(this, tr("Please select your favourite bitmap editor."));
        return;
    }
    const QString& file = picture ? m_model.m_pictureFiles[slot] : m_model.m_partFiles[slot];
    if (file.isEmpty())
    {
        ShowMessage(this, tr("The jersey's parts have not been prepared, so there is nothing to open "
                             "in the bitmap editor."));
        return;
    }
    // Started without a shell: the file is one argument, spaces and all.
    const EditorCommand command = EditorCommandFor(editor, file);
    if (command.program.isEmpty() || !StartDetached(command.program, command.arguments))
    {
        ShowMessage(this, tr("Error starting bitmap editor, please make sure the path is correct\n\n"
                             "Tried: %1")
                              .arg(CommandText(command)));
    }
}

void CPageTwo::OnRefresh()
{
    for (int slot = FrontDesign; slot <= ShortSleeveDesign; ++slot)
    {
        ReloadPicture(slot);
    }
    RefreshKitPreview();
}

void CPageTwo::ReloadPicture(int part)
{
    QLabel* picture = m_pictures[part];
    const QImage image = m_model.m_paintMode == PaintMode::Pictures ? LoadPictureFile(m_model.m_pictureFiles[part])
                                                                    : LoadBitmapFile(m_model.m_partFiles[part]);
    if (image.isNull())
    {
        picture->clear();
        return;
    }
    picture->setPixmap(SharpPixmap(image, picture->devicePixelRatioF()));
    picture->adjustSize();
}

void CPageTwo::WatchPartFiles()
{
    const auto files = m_model.EditorFiles();
    m_watcher->Watch({files.begin(), files.end()});
}

void CPageTwo::OnFilesSaved(const QSet<QString>& files)
{
    const bool pictures = m_model.m_paintMode == PaintMode::Pictures;
    for (int part = 0; part < 4; ++part)
    {
        if (files.contains(pictures ? m_model.m_pictureFiles[part] : m_model.m_partFiles[part]))
        {
            ReloadPicture(part);
        }
    }
    RefreshKitPreview();
}

void CPageTwo::RefreshKitPreview()
{
    ShowInKitColours(ComposePaintedParts(m_model), m_model.m_jerseyColours, m_kitPictures, m_kitNote);
}

} // namespace tarnix
