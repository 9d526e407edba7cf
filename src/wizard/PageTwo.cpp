#include "wizard/PageTwo.h"

#include "archive/FileIO.h"
#include "archive/GimpPalette.h"
#include "archive/PartExport.h"
#include "ui/DialogTemplate.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/JerseyModel.h"
#include "wizard/PartImages.h"
#include "wizard/WizardSheet.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

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

const ControlSpec kTemplate130[] = {
    {-1, ControlKind::Static, "Your favourite bitmap editor path:", 7, 10, 107, 8},
    {Id::EditorEdit, ControlKind::Edit, nullptr, 118, 7, 156, 14},
    {Id::BrowseButton, ControlKind::Button, "Browse...", 280, 7, 50, 14},
    {Id::FrontButton, ControlKind::Button, "Front...", 22, 30, 57, 14},
    {Id::BackButton, ControlKind::Button, "Back...", 122, 30, 57, 14},
    {Id::LongSleeveButton, ControlKind::Button, "Long Sleeve...", 197, 31, 57, 14},
    {Id::ShortSleeveButton, ControlKind::Button, "Short Sleeve...", 272, 31, 57, 14},
    {Id::FrontPicture, ControlKind::Picture, nullptr, 7, 49, 15, 13, StyleSunken},
    {Id::BackPicture, ControlKind::Picture, nullptr, 126, 49, 15, 13, StyleSunken},
    {Id::LongSleevePicture, ControlKind::Picture, nullptr, 201, 49, 15, 13, StyleSunken},
    {Id::ShortSleevePicture, ControlKind::Picture, nullptr, 276, 49, 15, 13, StyleSunken},
    {Id::FrontShadeButton, ControlKind::Button, "Edit Shade...", 22, 141, 57, 14},
    {Id::SavePaletteButton, ControlKind::Button, "Save palette...", 22, 160, 57, 14},
    {Id::BackShadeButton, ControlKind::Button, "Edit Shade...", 122, 97, 57, 14},
    {Id::LongSleeveShadeButton, ControlKind::Button, "Edit Shade...", 197, 97, 57, 14},
    {Id::ShortSleeveShadeButton, ControlKind::Button, "Edit Shade...", 272, 97, 57, 14},
    {-1, ControlKind::Frame, nullptr, 121, 115, 209, 50},
    {-1, ControlKind::Static,
     "Use your favourite bitmap editor to design the jersey. Use:\n\nColour index 47 for the primary colour.\n"
     "Colour index 63 for the secondary colour.\nColour index 79 for the tertiary colour.",
     128, 121, 196, 42},
    {Id::NearestCheck, ControlKind::CheckBox, "Map other colours to the nearest jersey colour", 123, 167, 207, 10},
    {Id::RefreshButton, ControlKind::Button, "Refresh", 280, 178, 50, 14},
    {-1, ControlKind::Static, "**** Don't forget to save the designs before returning to Tarnix.", 7, 183, 196, 9,
     StyleCentre},
};

// Editors save by writing a new file and renaming it over the old one; give them a moment to finish.
constexpr int kReloadDelayMs = 150;
constexpr int kMissingRetries = 20;

} // namespace

CPageTwo::CPageTwo(JerseyModel& model, QWidget* parent) : CWizardPage(parent), m_model(model)
{
    DialogBase base = DialogBaseOf(font());
    const QHash<int, QWidget*> controls = BuildControls(this, kTemplate130, base);
    setMinimumSize(DialogSize(base, 337, 199));

    m_editor = qobject_cast<QLineEdit*>(controls.value(Id::EditorEdit));
    for (int i = 0; i < 4; ++i)
    {
        m_pictures[i] = qobject_cast<QLabel*>(controls.value(kPictureIds[i]));
        m_pictures[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    m_nearest->setToolTip(
        QStringLiteral("Colours an editor brought in that the jersey does not have (from smoothing, "
                       "or a colour picked by eye) become the nearest colour the part can use, "
                       "instead of stopping the save"));
    connect(m_nearest, &QCheckBox::toggled, this, [this](bool on) { m_model.m_nearestColours = on; });

    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CPageTwo::OnPartFileChanged);
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(kReloadDelayMs);
    connect(m_reloadTimer, &QTimer::timeout, this, &CPageTwo::OnReloadChanged);

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
    return MayDiscardPartFiles(m_model);
}

void CPageTwo::ExportOnce()
{
    if (!m_model.m_partFiles[FrontDesign].isEmpty())
    {
        return;
    }
    PartFiles files;
    ExportedTables tables{};
    Status status;
    int created = 0;
    for (; created < PartSlotCount; ++created)
    {
        auto file = CreateTempFile(".bmp");
        if (!file)
        {
            status = file.status();
            break;
        }
        files[created] = *file;
    }
    if (status.ok())
    {
        status = ExportParts(ToPath(m_model.m_jerseyPath), files, &tables);
    }
    if (!status.ok())
    {
        // Empty or half-written part files would only mislead the editor and page three; the next visit
        // tries again.
        for (int i = 0; i < created; ++i)
        {
            RemoveFileQuietly(files[i]);
        }
        ShowMessage(this, QStringLiteral("The jersey's parts could not be prepared for your bitmap editor:\n\n%1")
                              .arg(QString::fromStdString(status.error())));
        return;
    }
    for (int i = 0; i < PartSlotCount; ++i)
    {
        m_model.m_partFiles[i] = FromPath(files[i]);
    }
    m_model.m_exportedTables = tables;
    m_model.MarkPartFilesClean();
}

void CPageTwo::OnOpenInEditor(int slot)
{
    const QString editor = m_editor->text();
    if (editor.isEmpty())
    {
        ShowMessage(this, QStringLiteral("Please select your favourite bitmap editor."));
        return;
    }
    const QString& file = m_model.m_partFiles[slot];
    if (file.isEmpty())
    {
        ShowMessage(this, QStringLiteral("The jersey's parts have not been prepared, so there is nothing to open "
                                         "in the bitmap editor."));
        return;
    }
    // Started without a shell: the file is one argument, spaces and all.
    const EditorCommand command = EditorCommandFor(editor, file);
    if (command.program.isEmpty() || !StartDetached(command.program, command.arguments))
    {
        ShowMessage(this, QStringLiteral("Error starting bitmap editor, please make sure the path is correct\n\n"
                                         "Tried: %1")
                              .arg(CommandText(command)));
    }
}

void CPageTwo::OnBrowse()
{
    // The editors this machine has come first; the file chooser finds any other program.
    const QList<InstalledEditor> installed = InstalledEditors();
    if (!installed.isEmpty())
    {
        QStringList items;
        for (const InstalledEditor& found : installed)
        {
            items << found.name;
        }
        items << QStringLiteral("Other program...");
        const std::optional<int> choice =
            ChooseFromMenu(findChild<QWidget*>(QString::number(Id::BrowseButton)), items);
        if (!choice)
        {
            return;
        }
        if (*choice < installed.size())
        {
            m_editor->setText(installed[*choice].command);
            return;
        }
    }
    FileDialogRequest request;
    request.save = false;
#ifdef Q_OS_WIN
    request.filter = QStringLiteral("Executable Files (*.EXE *.exe);;All Files (*)");
    request.defaultSuffix = QStringLiteral("EXE");
#else
    // Programs here carry no .EXE; the executables filter stays for Windows editors run through Wine.
    request.filter = QStringLiteral("All Files (*);;Executable Files (*.EXE *.exe)");
#endif
    if (auto chosen = ChooseFile(this, request))
    {
        m_editor->setText(*chosen);
    }
}

void CPageTwo::OnSavePalette()
{
    if (m_model.m_partFiles[FrontDesign].isEmpty())
    {
        ShowMessage(this,
                    QStringLiteral("The jersey's parts have not been prepared, so there is no palette to save."));
        return;
    }
    const QString jersey = QFileInfo(m_model.m_jerseyPath).completeBaseName();
    FileDialogRequest request;
    request.save = true;
    request.title = QStringLiteral("Save palette");
    request.initialPath = QDir::home().filePath(jersey + QStringLiteral(".gpl"));
    request.filter = QStringLiteral("GIMP Palette (*.gpl);;All Files (*)");
    request.defaultSuffix = QStringLiteral("gpl");
    const std::optional<QString> chosen = ChooseFile(this, request);
    if (!chosen)
    {
        return;
    }
    // The front's table: the colours a design can be painted with, named after what they become.
    const std::string text =
        BuildGimpPalette(m_model.m_exportedTables[FrontDesign], "Tarnix " + jersey.toStdString());
    const Status written = WriteFileAtomic(
        ToPath(*chosen), ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written)
    {
        ShowMessage(
            this,
            QStringLiteral("The palette could not be saved:\n\n%1").arg(QString::fromStdString(written.error())));
    }
}

void CPageTwo::OnRefresh()
{
    for (int slot = FrontDesign; slot <= ShortSleeveDesign; ++slot)
    {
        ReloadPicture(slot);
    }
}

void CPageTwo::ReloadPicture(int slot)
{
    QLabel* picture = m_pictures[slot];
    const QImage image = LoadBitmapFile(m_model.m_partFiles[slot]);
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
    const QStringList watched = m_watcher->files();
    if (!watched.isEmpty())
    {
        m_watcher->removePaths(watched);
    }
    QStringList files;
    for (const QString& file : m_model.m_partFiles)
    {
        if (!file.isEmpty() && QFileInfo::exists(file))
        {
            files.append(file);
        }
    }
    if (!files.isEmpty())
    {
        m_watcher->addPaths(files);
    }
}

void CPageTwo::OnPartFileChanged(const QString& path)
{
    m_changed.insert(path);
    m_reloadTimer->start();
}

void CPageTwo::OnReloadChanged()
{
    const QSet<QString> changed = std::exchange(m_changed, {});
    const QStringList watched = m_watcher->files();
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        const QString& file = m_model.m_partFiles[slot];
        if (file.isEmpty() || !changed.contains(file))
        {
            continue;
        }
        if (!QFileInfo::exists(file))
        {
            // Between the editor's delete and its rename: look again shortly, for a while.
            if (m_missingRetries++ < kMissingRetries)
            {
                m_changed.insert(file);
            }
            continue;
        }
        // A file replaced by a rename is no longer watched: watch its successor.
        if (!watched.contains(file))
        {
            m_watcher->addPath(file);
        }
        if (slot <= ShortSleeveDesign)
        {
            ReloadPicture(slot);
        }
    }
    if (m_changed.isEmpty())
    {
        m_missingRetries = 0;
    }
    else
    {
        m_reloadTimer->start();
    }
}

} // namespace tarnix
