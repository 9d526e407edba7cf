#pragma once

// The wizard sheet: three pages in order, run modally. It turns Qt's page changes into the pages'
// OnKillActive / OnSetActive and routes Cancel through the current page's OnQueryCancel.

#include <QWizard>

namespace tarnix
{

class CWizardPage;

class CWizardSheet : public QWizard
{
    Q_OBJECT

  public:
    // The pages, in the order they are added.
    enum PageIndex : int
    {
        SelectionPage = 0,
        DesignPage = 1,
        ColoursPage = 2,
    };

    explicit CWizardSheet(QWidget* parent = nullptr);

    void AddPage(CWizardPage* page);
    CWizardPage* Page(int index) const;
    CWizardPage* CurrentPage() const;

    // Which buttons the current page offers (Back, Next, Finish), as the pages ask on activation.
    void SetWizardButtons(bool back, bool next, bool finish);
    void SetFinishText(const QString& text);

    // The wizard opens on page `index` when it is first shown, having gone there by Next from the start.
    void StartOn(int index);

    // Leaves the current page and shows page `index` (used by "edit another jersey").
    void SetActivePage(int index);

    // Leaves the page the wizard stands on (its OnKillActive) without showing another; used at exit so
    // that the last page hands back its state and deletes its files however the wizard ended.
    void LeaveCurrentPage();

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnCurrentIdChanged(int id);

    int m_activeId = -1;
    int m_startIndex = -1;
    bool m_jumping = false;
};

} // namespace tarnix
