#pragma once

// The "Associate" dialog: every team twice (home and away strip) with its league and the jersey file
// assigned to that strip in this run; "Assign..." gives the selected strips the current jersey.
// Assignments live in the team records only; nothing is written to the game's files.

#include <QDialog>
#include <span>

class QTreeWidget;

namespace tarnix
{

class JerseyModel;
struct ControlSpec;

class CAssociateDlg : public QDialog
{
    Q_OBJECT

  public:
    // The controls of dialog template 136.
    enum ControlId : int
    {
        CloseButton = 1, // the dialog's OK
        TeamList = 1030,
        AssignButton = 1032,
    };

    explicit CAssociateDlg(JerseyModel& model, QWidget* parent = nullptr);

    // Dialog template 136.
    static std::span<const ControlSpec> Template();

    // A row's data value: the team id for a home row, the id + 65536 for an away row.
    static constexpr int kAwayRowFlag = 0x10000;
    static constexpr int kRowDataRole = Qt::UserRole;

    void OnAssign();
    QTreeWidget* List() const { return m_list; }

  private:
    void OnInitDialog();
    void FitColumns();

    JerseyModel& m_model;
    QTreeWidget* m_list = nullptr;
};

} // namespace tarnix
