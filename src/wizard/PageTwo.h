#pragma once

// The design page: the user's bitmap editor, the eight part bitmaps opened in it, and the four design
// bitmaps as they stand.

#include "wizard/WizardPage.h"

#include <QSet>

class QCheckBox;
class QLabel;
class QLineEdit;

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
        KitFrontPicture = 1031,
        KitBackPicture = 1032,
        KitPreviewNote = 1034,
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
    // The front and the back composed from the files as they stand, in the jersey's kit colours; when they
    // cannot be composed, why not.
    void RefreshKitPreview();
    // Exports the jersey's parts once per jersey; tells the user when that fails.
    void ExportOnce();
    void WatchPartFiles();
    void OnFilesSaved(const QSet<QString>& files);

    JerseyModel& m_model;
    QLineEdit* m_editor = nullptr;
    QCheckBox* m_nearest = nullptr;
    QLabel* m_pictures[4] = {};
    QLabel* m_kitPictures[2] = {}; // front, back
    QLabel* m_kitNote = nullptr;
    class CPartFileWatcher* m_watcher = nullptr;
};

} // namespace tarnix
