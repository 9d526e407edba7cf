#pragma once

// The "Associate" dialog: every team twice (home and away strip) with its league and the jersey file
// assigned to that strip in this run; "Assign..." gives the selected strips the current jersey.
// Assignments live in the team records only; nothing is written to the game's files.

#include <QDialog>
#include <span>

class QTreeWidget;

namespace tarnix
{

class CTarnixApp;
struct ControlSpec;

class CAssociateDlg : public QDialog
{
    Q_OBJECT

  public:
    explicit CAssociateDlg(CTarnixApp& app, QWidget* parent = nullptr);

    // Dialog template 136.
    static std::span<const ControlSpec> Template();

    // A row's data value: the team id for a home row, the id + 65536 for an away row.
    static constexpr int kAwayRowFlag = 0x10000;
    static constexpr int kRowDataRole = Qt::UserRole;

    void OnAssign();
    QTreeWidget* List() const { return m_list; }

  private:
    void OnInitDialog();

    CTarnixApp& m_app;
    QTreeWidget* m_list = nullptr;
};

} // namespace tarnix
