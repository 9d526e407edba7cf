#pragma once

// The design page: the user's bitmap editor, the eight part bitmaps opened in it, and the four design
// bitmaps as they stand.

#include "wizard/WizardPage.h"

#include <QSet>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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
        PicturesRadio = 1029,
        DesignsRadio = 1030,
        KitFrontPicture = 1031,
        KitBackPicture = 1032,
        HelpText = 1033,
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
    // Opens a file in the editor: a part bitmap slot, or kFirstPictureFile + Part for a picture.
    void OnOpenInEditor(int file);
    void OnPaintModeChosen();
    // Shows the controls and the help of the way of painting chosen.
    void ShowPaintMode();
    void OnBrowse();
    void OnSavePalette();
    // Reloads the four design pictures from the part files.
    void OnRefresh();
    // Reloads the picture of a part from the file of the way of painting chosen.
    void ReloadPicture(int part);
    // The front and the back composed from the files as they stand, in the jersey's kit colours; when they
    // cannot be composed, why not.
    void RefreshKitPreview();
    // Prepares the files of the way of painting once per jersey; tells the user when that fails.
    void ExportOnce();
    void WatchPartFiles();
    void OnFilesSaved(const QSet<QString>& files);

    JerseyModel& m_model;
    QLineEdit* m_editor = nullptr;
    QCheckBox* m_nearest = nullptr;
    QRadioButton* m_picturesRadio = nullptr;
    QRadioButton* m_designsRadio = nullptr;
    QLabel* m_help = nullptr;
    std::array<QPushButton*, 4> m_designOnly{}; // the shade buttons
    QLabel* m_pictures[4] = {};
    QLabel* m_kitPictures[2] = {}; // front, back
    QLabel* m_kitNote = nullptr;
    class CPartFileWatcher* m_watcher = nullptr;
};

} // namespace tarnix
