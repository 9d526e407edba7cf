#include "wizard/WizardSheet.h"

#include "ui/Platform.h"
#include "wizard/JerseyModel.h"
#include "wizard/WizardPage.h"

#include <QAbstractButton>

namespace tarnix
{

bool CWizardPage::validatePage()
{
    auto* sheet = qobject_cast<QWizard*>(wizard());
    if (sheet != nullptr && sheet->nextId() == -1)
    {
        return OnWizardFinish();
    }
    return OnWizardNext();
}

bool CWizardPage::MayDiscardWork(const JerseyModel& model)
{
    return !model.HasUnsavedWork() || ShowMessage(window(), model.DiscardQuestion(), MsgButtons::YesNoDefaultNo,
                                                  MsgIcon::Question) == MsgAnswer::Yes;
}

bool CWizardPage::MayQuit(const JerseyModel& model)
{
    return !model.HasUnsavedWork() || ShowMessage(window(), JerseyModel::QuitQuestion(),
                                                  MsgButtons::YesNoDefaultNo, MsgIcon::Question) == MsgAnswer::Yes;
}

CWizardSheet::CWizardSheet(QWidget* parent) : QWizard(parent)
{
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, false);
    setOption(QWizard::NoDefaultButton, false);
    setWindowTitle(QStringLiteral("Tarnix"));
    connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::OnCurrentIdChanged);
}

void CWizardSheet::AddPage(CWizardPage* page)
{
    addPage(page);
}

CWizardPage* CWizardSheet::Page(int index) const
{
    return qobject_cast<CWizardPage*>(page(pageIds().value(index, -1)));
}

CWizardPage* CWizardSheet::CurrentPage() const
{
    return qobject_cast<CWizardPage*>(currentPage());
}

void CWizardSheet::SetWizardButtons(bool back, bool next, bool finish)
{
    if (QAbstractButton* b = button(QWizard::BackButton))
    {
        b->setEnabled(back);
    }
    if (QAbstractButton* b = button(QWizard::NextButton))
    {
        b->setEnabled(next);
    }
    if (QAbstractButton* b = button(QWizard::FinishButton))
    {
        b->setEnabled(finish);
    }
}

void CWizardSheet::SetFinishText(const QString& text)
{
    setButtonText(QWizard::FinishButton, text);
}

void CWizardSheet::StartOn(int index)
{
    m_startIndex = index;
}

void CWizardSheet::SetActivePage(int index)
{
    const int target = pageIds().value(index, -1);
    if (target < 0 || target == currentId())
    {
        return;
    }
    // restart() goes back to the start page; our pages keep their state because cleanupPage is empty.
    if (index == SelectionPage)
    {
        restart();
        return;
    }
    m_jumping = true;
    while (currentId() > target)
    {
        back();
    }
    m_jumping = false;
    OnCurrentIdChanged(currentId());
}

void CWizardSheet::LeaveCurrentPage()
{
    if (auto* page = qobject_cast<CWizardPage*>(this->page(m_activeId)))
    {
        m_activeId = -1;
        page->OnKillActive();
    }
}

void CWizardSheet::reject()
{
    CWizardPage* page = CurrentPage();
    if (page != nullptr && !page->OnQueryCancel())
    {
        return;
    }
    QWizard::reject();
}

void CWizardSheet::showEvent(QShowEvent* event)
{
    // The pages are laid out in dialog units for one size: the window keeps it rather than leaving the
    // layout floating in a larger (or maximised) window.
    setFixedSize(sizeHint().expandedTo(minimumSizeHint()));
    QWizard::showEvent(event);
    if (m_activeId == -1 && currentId() != -1)
    {
        OnCurrentIdChanged(currentId());
    }
    // Each page on the way is left as Next leaves it, so that the state is handed over as usual.
    const int start = std::exchange(m_startIndex, -1);
    while (currentId() != -1 && pageIds().indexOf(currentId()) < start)
    {
        const int before = currentId();
        next();
        if (currentId() == before)
        {
            break; // a page refused
        }
    }
}

void CWizardSheet::OnCurrentIdChanged(int id)
{
    if (m_jumping || id == m_activeId)
    {
        return;
    }
    if (auto* old = qobject_cast<CWizardPage*>(page(m_activeId)))
    {
        old->OnKillActive();
    }
    m_activeId = id;
    if (auto* now = qobject_cast<CWizardPage*>(page(id)))
    {
        now->OnSetActive();
    }
}

} // namespace tarnix
