#pragma once

// The jersey selection page: the archive to edit (typed or browsed), its preview in the kit colours, its
// label, the clubs that wear it, the game folder, and the assignment of the jersey to clubs.

#include "wizard/WizardPage.h"

#include <QPixmap>
#include <QString>
#include <span>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnix
{

class JerseyModel;
struct ControlSpec;

class CPageOne : public CWizardPage
{
    Q_OBJECT

  public:
    // The controls of dialog template 129.
    enum ControlId : int
    {
        PathEdit = 1000,
        BrowseButton = 1001,
        PreviewButton = 1002, // hidden; redraws the preview
        VersionText = 1009,
        PreviewPicture = 1010,
        LogoPicture = 1011,
        LabelEdit = 1026,
        TeamList = 1028,
        GameFolderButton = 1029,
        GameFolderEdit = 1031,
        AssignButton = 1032,
        PathPrompt = 1090, // the prompt above the path, the path field's buddy
    };

    explicit CPageOne(JerseyModel& model, QWidget* parent = nullptr);

    // Dialog template 129.
    static std::span<const ControlSpec> Template();

    void OnSetActive() override;
    bool OnWizardNext() override;
    bool OnQueryCancel() override;

    // Validates the archive named by the path and shows its front in the current kit colours.
    void LoadJersey();
    void OnBrowse();
    void OnKillfocusPath();
    void OnSelchangeTeamList();
    void OnGameFolder();
    void OnAssign();

    // The picture shown by the preview control (null before the first preview).
    const QPixmap& Preview() const { return m_preview; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What a line of the team list carries besides its text.
    static constexpr int kLineTeamRole = Qt::UserRole;
    static constexpr int kLineStripRole = Qt::UserRole + 1;

    void OnInitDialog();
    // Members to controls (false) or controls to members (true).
    void UpdateData(bool save);
    // A new archive is in m_path: forget the old one's part files (after asking when they hold edits),
    // read the new one's information. False when the user kept the old jersey; m_path is then its path.
    bool ChooseAnotherArchive();
    void FillTeamList(int n);

    JerseyModel& m_model;
    QPixmap m_logo;
    QPixmap m_preview;
    QListWidget* m_teamList = nullptr;
    QLabel* m_logoCtrl = nullptr;
    QLabel* m_previewCtrl = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QLabel* m_versionCtrl = nullptr;
    QLineEdit* m_labelEdit = nullptr;
    QLineEdit* m_folderEdit = nullptr;
    QString m_path;
    QString m_version;
    QString m_label;
    QString m_folder;
    bool m_initialised = false;
    bool m_inKillFocus = false;
    bool m_fillingList = false;
    bool m_loadRefused = false; // the last LoadJersey refused the path with its message
};

} // namespace tarnix
