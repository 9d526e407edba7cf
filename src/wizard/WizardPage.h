#pragma once

// A wizard page with the lifecycle of a property page: activated and left every time the user arrives or
// leaves (by Next, Back or a jump back to the start), asked before Next, Finish and Cancel.

#include <QWizardPage>

namespace tarnix
{

class JerseyModel;

class CWizardPage : public QWizardPage
{
    Q_OBJECT

  public:
    using QWizardPage::QWizardPage;

    virtual void OnSetActive() {}
    virtual void OnKillActive() {}
    // False keeps the wizard on the page.
    virtual bool OnWizardNext() { return true; }
    virtual bool OnWizardFinish() { return true; }
    virtual bool OnQueryCancel() { return true; }

  protected:
    // Before another jersey replaces the one being edited: when it has unsaved changes, asks whether to
    // discard them. False when the user keeps them.
    bool MayDiscardWork(const JerseyModel& model);
    // Before the wizard ends (Cancel, Escape, closing the window): when the jersey has unsaved changes, asks
    // whether to quit and lose them. False when the user stays.
    bool MayQuit(const JerseyModel& model);

    bool validatePage() override;
    // QWizard resets fields on Back; our pages keep their state.
    void cleanupPage() override {}
};

} // namespace tarnix
