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

class CTarnixApp;
struct ControlSpec;

class CPageOne : public CWizardPage
{
    Q_OBJECT

  public:
    explicit CPageOne(CTarnixApp& app, QWidget* parent = nullptr);

    // Dialog template 129.
    static std::span<const ControlSpec> Template();

    void OnSetActive() override;
    bool OnWizardNext() override;

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
    void OnInitDialog();
    // Members to controls (false) or controls to members (true).
    void UpdateData(bool save);
    // A new archive is in m_path: forget the old one's part files, read the new one's information.
    void ChooseAnotherArchive();
    void FillTeamList(int n);

    CTarnixApp& m_app;
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
