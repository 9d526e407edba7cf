#pragma once

// The design page: the user's bitmap editor, the eight part bitmaps opened in it, and the four design
// bitmaps as they stand.

#include "wizard/WizardPage.h"

#include <QHash>
#include <QSet>

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QTimer;

namespace tarnix
{

class JerseyModel;

class CPageTwo : public CWizardPage
{
    Q_OBJECT

  public:
    // The controls of dialog template 130.
    enum ControlId : int
    {
        BrowseButton = 1001,
        FrontPicture = 1005,
        BackPicture = 1006,
        EditorEdit = 1007,
        FrontButton = 1008,
        BackButton = 1009,
        FrontShadeButton = 1010,
        BackShadeButton = 1011,
        LongSleevePicture = 1012,
        ShortSleevePicture = 1013,
        LongSleeveShadeButton = 1014,
        ShortSleeveShadeButton = 1015,
        RefreshButton = 1022,
        NearestCheck = 1023,
        SavePaletteButton = 1024,
        LongSleeveButton = 1027,
        ShortSleeveButton = 1028,
    };

    explicit CPageTwo(JerseyModel& model, QWidget* parent = nullptr);

    void OnSetActive() override;
    void OnKillActive() override;
    bool OnWizardNext() override;
    bool OnQueryCancel() override;

    // The editor path as the edit box holds it.
    QString EditorPath() const;

  private:
    void OnOpenInEditor(int slot);
    void OnBrowse();
    void OnSavePalette();
    // Reloads the four design pictures from the part files.
    void OnRefresh();
    void ReloadPicture(int slot);
    // Exports the jersey's parts once per jersey; tells the user when that fails.
    void ExportOnce();
    void WatchPartFiles();
    void OnPartFileChanged(const QString& path);
    void OnReloadChanged();

    JerseyModel& m_model;
    QLineEdit* m_editor = nullptr;
    QCheckBox* m_nearest = nullptr;
    QLabel* m_pictures[4] = {};
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_reloadTimer = nullptr;
    QSet<QString> m_changed;
    int m_missingRetries = 0;
};

} // namespace tarnix
