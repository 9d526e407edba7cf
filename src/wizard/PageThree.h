#pragma once

// The colours and save page: the target and the label, the seven kit colours with a preview of the front
// and the back, saving (with Mardek's thumbnail when asked for) and the offer to edit another jersey.

#include "archive/JerseyTypes.h"
#include "wizard/WizardPage.h"

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tarnix
{

class JerseyModel;
class CColourPicker;
class CLinkLabel;

class CPageThree : public CWizardPage
{
    Q_OBJECT

  public:
    // The controls of dialog template 131.
    enum ControlId : int
    {
        BrowseButton = 1001,
        SaveToEdit = 1002,
        FrontPicture = 1005,
        BackPicture = 1006,
        GuideLink = 1012,
        DownloadLink = 1013,
        Jersey1Picker = 1016,
        Jersey2Picker = 1017,
        Jersey3Picker = 1018,
        Shorts1Picker = 1019,
        ThumbnailCheck = 1020,
        ThumbnailList = 1021,
        Shorts2Picker = 1022,
        Socks1Picker = 1023,
        Socks2Picker = 1024,
        LabelEdit = 1025,
        MardekFolderButton = 1026,
        ThumbnailNoteText = 1027, // where the thumbnail goes, or that none is written
    };

    explicit CPageThree(JerseyModel& model, QWidget* parent = nullptr);
    ~CPageThree() override;

    void OnSetActive() override;
    void OnKillActive() override;
    bool OnWizardFinish() override;
    bool OnQueryCancel() override;

    // Checks the thumbnail request of the command line once: a jersey number outside 1 to 64 is told to the
    // user and dropped, and the run goes on without a thumbnail; without Mardek's folder the user is told
    // where to choose it. Start-up may call it; the page's first showing calls it otherwise.
    void CheckThumbnailNumber();

    // The paths of the four composed parts (front, back, long sleeve, short sleeve); empty when none.
    const std::array<QString, 4>& ComposedFiles() const { return m_composedFiles; }
    const KitColours& Colours() const { return m_colours; }
    bool ThumbnailWanted() const { return m_thumbnail; }

  private:
    // Picker ids in the order of the kit colours: jersey 1st, 2nd, 3rd, shorts 1st, 2nd, socks 1st, 2nd.
    static constexpr std::array<int, kKitColourCount> kPickerIds = {
        Jersey1Picker, Jersey2Picker, Jersey3Picker, Shorts1Picker, Shorts2Picker, Socks1Picker, Socks2Picker};
    static constexpr int kThumbnailMin = 1;
    static constexpr int kThumbnailMax = 64;

    void OnInitDialog();
    void OnBrowse();
    void OnMardekFolder();
    // Whether the thumbnail can be written: a jersey number from the command line and Mardek's folder.
    void UpdateThumbnailOption();
    // The steps of "Save": what must hold first, the save with the thumbnail, the offer to start over.
    bool CheckSave();
    bool SaveWithThumbnail();
    bool OfferAnotherJersey();
    void OnThumbnailCheck(bool checked);
    void OnColourAccept(int index, int controlId);
    // Members to controls (false) or controls to members (true).
    void UpdateData(bool save);
    void ComputePickerColours();
    void NameControls();
    void ShowPickerColour(int k);
    void Compose();
    std::array<std::uint64_t, PartSlotCount> PartPrints() const;
    void RefreshPreview();
    void DeleteComposedFiles();

    JerseyModel& m_model;
    KitColours m_colours{};
    std::array<QString, 4> m_composedFiles;
    bool m_composed = false;
    std::array<std::uint64_t, PartSlotCount> m_composedPrints{}; // of the part files composed last
    QString m_composeError;
    QString m_backup; // where the last save kept the file it replaced; empty when it replaced none
    std::array<CColourPicker*, kKitColourCount> m_pickers{}; // in the order of m_colours
    QCheckBox* m_thumbnailCheck = nullptr;
    bool m_thumbnail = false;
    QComboBox* m_thumbnailList = nullptr;
    CLinkLabel* m_guideLink = nullptr;
    CLinkLabel* m_downloadLink = nullptr;
    QLabel* m_backPicture = nullptr;
    QLabel* m_frontPicture = nullptr;
    QLineEdit* m_saveToEdit = nullptr;
    QLineEdit* m_labelEdit = nullptr;
    std::array<QColor, kKitColourCount> m_pickerColours;
    bool m_initialised = false;
    bool m_thumbnailChecked = false;
};

} // namespace tarnix
