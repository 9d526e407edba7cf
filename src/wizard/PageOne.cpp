#include "wizard/PageOne.h"

#include "controls/LinkLabel.h"
#include "ui/DialogTemplate.h"
#include "ui/Platform.h"
#include "ui/UserGuide.h"
#include "wizard/JerseyModel.h"
#include "wizard/LogoTagline.h"
#include "wizard/WizardSheet.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

// Outside any namespace, as Qt's resource initialisation asks; the library is static, so the resources
// are registered by hand.
static void InitTarnixResources()
{
    Q_INIT_RESOURCE(tarnix);
}

namespace tarnix
{

namespace
{

constexpr ControlSpec kTemplate129[] = {
    {CPageOne::LogoPicture, ControlKind::Picture, "", 7, 7, 15, 13},
    {CPageOne::VersionText, ControlKind::Custom, "Version", 7, 43, 128, 8},
    {CPageOne::GameFolderButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageOne", "FIFA99 Folder..."), 7,
     63, 61, 14},
    {CPageOne::GameFolderEdit, ControlKind::Edit, "", 75, 63, 98, 14, StyleReadOnly},
    {-1, ControlKind::Static, QT_TRANSLATE_NOOP("tarnix::CPageOne", "This jersey is used by these teams:"), 7, 85,
     110, 8},
    {CPageOne::TeamList, ControlKind::ListBox, "", 7, 98, 166, 94, StyleSorted},
    {CPageOne::PathPrompt, ControlKind::Static,
     QT_TRANSLATE_NOOP("tarnix::CPageOne", "&Select a Jersey (FSH) file to edit:"), 190, 7, 140, 12},
    {CPageOne::PathEdit, ControlKind::Edit, "", 190, 22, 140, 14},
    {CPageOne::AssignButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageOne", "Assign..."), 190, 42, 50,
     14},
    {CPageOne::PreviewButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageOne", "&Preview"), 232, 55, 50,
     14, StyleHidden},
    {CPageOne::BrowseButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CPageOne", "&Browse..."), 280, 42, 50,
     14},
    {CPageOne::PreviewPicture, ControlKind::Picture, "", 218, 70, 15, 13, StyleSunken},
    {CPageOne::LabelEdit, ControlKind::Edit, "", 190, 175, 140, 14, StyleReadOnly | StyleCentre},
};
constexpr int kTemplateWidth = 337;
constexpr int kTemplateHeight = 199;

// A message shown while the focus leaves the path field interrupts the mouse press that moved the focus;
// as on Windows, that click is then cancelled instead of landing on a button after the message.
class CClickCanceller : public QObject
{
  public:
    static void CancelPendingPress()
    {
        auto* canceller = new CClickCanceller;
        qApp->installEventFilter(canceller);
        QTimer::singleShot(0, canceller, &QObject::deleteLater);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType())
        {
            deleteLater();
            qApp->removeEventFilter(this);
            return true;
        }
        return false;
    }
};

} // namespace

std::span<const ControlSpec> CPageOne::Template()
{
    return kTemplate129;
}

CPageOne::CPageOne(JerseyModel& model, QWidget* parent) : CWizardPage(parent), m_model(model)
{
    InitTarnixResources();
    DialogBase base = DialogBaseOf(font());
    // The version line is a link to the user guide.
    const CustomFactory factory = [](const ControlSpec& spec, QWidget* parent) -> QWidget*
    { return new CLinkLabel(QString::fromUtf8(spec.text), parent); };
    const QHash<int, QWidget*> controls = BuildControls(this, Template(), base, factory);
    setMinimumSize(DialogSize(base, kTemplateWidth, kTemplateHeight));

    m_teamList = qobject_cast<QListWidget*>(controls.value(TeamList));
    m_logoCtrl = qobject_cast<QLabel*>(controls.value(LogoPicture));
    m_previewCtrl = qobject_cast<QLabel*>(controls.value(PreviewPicture));
    m_pathEdit = qobject_cast<QLineEdit*>(controls.value(PathEdit));
    m_versionCtrl = qobject_cast<QLabel*>(controls.value(VersionText));
    m_labelEdit = qobject_cast<QLineEdit*>(controls.value(LabelEdit));
    m_folderEdit = qobject_cast<QLineEdit*>(controls.value(GameFolderEdit));

    // The core hands the lines over already in list-box order (case-insensitive), which Qt's own
    // sorting would not keep.
    m_teamList->setSortingEnabled(false);
    m_versionCtrl->setWordWrap(false);
    qobject_cast<QLabel*>(controls.value(PathPrompt))->setBuddy(m_pathEdit);
    // For a screen reader, which cannot see what the pictures and the unlabelled fields hold.
    m_logoCtrl->setAccessibleName(tr("Tarnix, FIFA99 jersey editor"));
    m_previewCtrl->setAccessibleName(tr("Front of the chosen jersey in its kit colours"));
    m_folderEdit->setAccessibleName(tr("FIFA99 folder"));
    m_teamList->setAccessibleName(tr("Teams that wear this jersey"));
    m_labelEdit->setAccessibleName(tr("Jersey label"));
    // The guide's link is reached with Tab like the rest, but last: the page opens with the focus where
    // it was before the link took any, so Enter there never opens a browser.
    QWidget::setTabOrder(m_labelEdit, m_versionCtrl);

    const auto button = [&controls](int id) { return qobject_cast<QPushButton*>(controls.value(id)); };
    connect(button(BrowseButton), &QPushButton::clicked, this, &CPageOne::OnBrowse);
    connect(button(PreviewButton), &QPushButton::clicked, this, &CPageOne::LoadJersey);
    connect(button(GameFolderButton), &QPushButton::clicked, this, &CPageOne::OnGameFolder);
    connect(button(AssignButton), &QPushButton::clicked, this, &CPageOne::OnAssign);
    connect(m_teamList, &QListWidget::itemSelectionChanged, this,
            [this]
            {
                if (!m_fillingList)
                {
                    OnSelchangeTeamList();
                }
            });
    m_pathEdit->installEventFilter(this);
}

void CPageOne::UpdateData(bool save)
{
    if (save)
    {
        m_path = m_pathEdit->text();
        m_label = m_labelEdit->text();
        m_folder = m_folderEdit->text();
        return;
    }
    if (m_pathEdit->text() != m_path)
    {
        m_pathEdit->setText(m_path);
    }
    m_versionCtrl->setText(m_version);
    m_labelEdit->setText(m_label);
    m_labelEdit->setCursorPosition(0);
    m_folderEdit->setText(m_folder);
    m_folderEdit->setCursorPosition(0);
}

void CPageOne::OnInitDialog()
{
    if (!m_model.m_jerseyPath.isEmpty())
    {
        // Part files already there are the work of an earlier run taken up at start-up: the jersey has been
        // read with them, and they must not go.
        const bool continued = !m_model.m_partFiles[FrontDesign].isEmpty();
        FillTeamList(continued ? m_model.JerseyNumberOf(m_model.m_jerseyPath)
                               : m_model.ChooseJersey(m_model.m_jerseyPath));
        m_label = m_model.m_jerseyLabel;
    }
    m_folder = m_model.m_gameFolder;
    if (auto* link = qobject_cast<CLinkLabel*>(m_versionCtrl))
    {
        link->SetLinkUrl(UserGuideUrl());
    }
    m_logo = LogoWithTagline(QPixmap(QStringLiteral(":/banner131.png")), tr(kLogoTagline));
    m_logoCtrl->setPixmap(m_logo);
    m_logoCtrl->resize(m_logo.size());
}

void CPageOne::OnSetActive()
{
    if (!m_initialised)
    {
        m_initialised = true;
        OnInitDialog();
    }
    if (auto* sheet = qobject_cast<CWizardSheet*>(wizard()))
    {
        sheet->SetWizardButtons(false, true, false);
    }
    m_version = m_model.m_versionText;
    m_folder = m_model.m_gameFolder;
    UpdateData(false);
    if (!m_model.m_jerseyPath.isEmpty())
    {
        m_path = m_model.m_jerseyPath;
        // A save onto this jersey gave it the label now stored.
        m_label = m_model.m_jerseyLabel;
        LoadJersey();
        UpdateData(false);
    }
}

void CPageOne::OnBrowse()
{
    // The pattern only tells the dialog where to open; it never becomes the path, so Next after a
    // cancelled dialog still asks for a jersey.
    QString initial = m_path;
    if (initial.isEmpty())
    {
        initial = m_model.m_texturesFolder.isEmpty()
                      ? QStringLiteral("*.FSH")
                      : QDir::toNativeSeparators(QDir(m_model.m_texturesFolder).filePath(QStringLiteral("*.FSH")));
    }
    FileDialogRequest request;
    request.title = tr("Open");
    request.initialPath = initial;
    request.filter = tr("Jersey Files (*.FSH);;All Files (*)");
    request.defaultSuffix = QStringLiteral("FSH");
    std::optional<QString> chosen = ChooseFile(this, request);
    if (!chosen)
    {
        return;
    }
    m_path = QDir::toNativeSeparators(*chosen);
    ChooseAnotherArchive();
    UpdateData(false);
}

void CPageOne::OnKillfocusPath()
{
    if (m_inKillFocus)
    {
        return;
    }
    m_inKillFocus = true;
    UpdateData(true);
    // On Windows "C:/x/y" and "C:\x\y" name the same archive.
    if (QDir::toNativeSeparators(m_path) != QDir::toNativeSeparators(m_model.m_jerseyPath))
    {
        ChooseAnotherArchive();
        // Also when the archive was refused: the label and the list already belong to the new name.
        UpdateData(false);
    }
    m_inKillFocus = false;
}

bool CPageOne::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pathEdit && event->type() == QEvent::FocusOut)
    {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening the field's context menu leaves the focus where it is
        // as far as the page is concerned; the real loss of focus comes later.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        {
            m_loadRefused = false;
            OnKillfocusPath();
            if (m_loadRefused && reason == Qt::MouseFocusReason)
            {
                CClickCanceller::CancelPendingPress();
            }
        }
    }
    return CWizardPage::eventFilter(watched, event);
}

bool CPageOne::OnWizardNext()
{
    // Enter in the path field presses Next without moving the focus: handle the typed path first.
    if (m_pathEdit->hasFocus() || m_pathEdit->text() != m_path)
    {
        m_loadRefused = false;
        OnKillfocusPath();
        if (m_loadRefused)
        {
            return false;
        }
    }
    if (m_path.isEmpty())
    {
        ShowMessage(this, tr("Please select a jersey FSH file to edit."));
        return false;
    }
    m_model.m_jerseyPath = m_path;
    return true;
}

bool CPageOne::OnQueryCancel()
{
    return MayQuit(m_model);
}

} // namespace tarnix
