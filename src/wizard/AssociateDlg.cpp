#include "wizard/AssociateDlg.h"

#include "teams/TeamDatabase.h"
#include "ui/DialogTemplate.h"
#include "wizard/JerseyModel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace tarnix
{

namespace
{

constexpr ControlSpec kTemplate136[] = {
    {CAssociateDlg::TeamList, ControlKind::ListView, "", 7, 7, 360, 172, StyleSorted | StyleMultiSelect},
    {CAssociateDlg::AssignButton, ControlKind::Button, QT_TRANSLATE_NOOP("tarnix::CAssociateDlg", "Assign..."),
     114, 192, 50, 14},
    {CAssociateDlg::CloseButton, ControlKind::DefaultButton, QT_TRANSLATE_NOOP("tarnix::CAssociateDlg", "Close"),
     209, 192, 50, 14},
};
constexpr int kTemplateWidth = 374;
constexpr int kTemplateHeight = 213;

// Rows sort as a list view does: by the text of the column whose header was clicked (the team at first),
// without regard to letter case; rows that tie keep the order of their teams.
class CTeamRow : public QTreeWidgetItem
{
  public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        int order = CompareListText(text(column).toStdString(), other.text(column).toStdString());
        if (order == 0 && column != 0)
        {
            order = CompareListText(text(0).toStdString(), other.text(0).toStdString());
        }
        return order != 0 ? order < 0
                          : data(0, CAssociateDlg::kRowDataRole).toInt() <
                                other.data(0, CAssociateDlg::kRowDataRole).toInt();
    }
};

void SetJerseyFileCell(QTreeWidgetItem* row, const QString& file)
{
    // The whole path, however long; the tooltip shows it when the column is too narrow.
    row->setText(2, file);
    row->setToolTip(2, file);
}

} // namespace

std::span<const ControlSpec> CAssociateDlg::Template()
{
    return kTemplate136;
}

CAssociateDlg::CAssociateDlg(JerseyModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Associate"));
    DialogBase base = DialogBaseOf(font());
    const QHash<int, QWidget*> controls = BuildControls(this, Template(), base);
    setFixedSize(DialogSize(base, kTemplateWidth, kTemplateHeight));
    m_list = qobject_cast<QTreeWidget*>(controls.value(TeamList));
    m_list->setAccessibleName(tr("Teams, their strips and assigned jerseys"));
    connect(qobject_cast<QPushButton*>(controls.value(AssignButton)), &QPushButton::clicked, this,
            &CAssociateDlg::OnAssign);
    connect(qobject_cast<QPushButton*>(controls.value(CloseButton)), &QPushButton::clicked, this,
            &QDialog::accept);
    OnInitDialog();
}

void CAssociateDlg::OnInitDialog()
{
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({tr("Team"), tr("League"), tr("Jersey File")});
    // Long paths in the last column are shortened in the middle, where the folder names repeat.
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setUniformRowHeights(true);

    QList<QTreeWidgetItem*> rows;
    for (const CTeamRecord* team : m_model.m_teams)
    {
        if (!team)
        {
            continue;
        }
        const QString name = QString::fromUtf8(team->name.data(), qsizetype(team->name.size()));
        const QString league = QString::fromUtf8(team->league.data(), qsizetype(team->league.size()));
        auto* home = new CTeamRow;
        home->setText(0, tr("%1 - Home").arg(name));
        home->setData(0, kRowDataRole, team->id);
        home->setText(1, league);
        SetJerseyFileCell(home, QString::fromStdString(team->homeJerseyFile));
        auto* away = new CTeamRow;
        away->setText(0, tr("%1 - Away").arg(name));
        away->setData(0, kRowDataRole, team->id + kAwayRowFlag);
        away->setText(1, league);
        SetJerseyFileCell(away, QString::fromStdString(team->awayJerseyFile));
        rows << home << away;
    }
    m_list->addTopLevelItems(rows);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
    FitColumns();
}

// Each column as wide as its widest text in the dialog's font, so that no team or league name is cut.
void CAssociateDlg::FitColumns()
{
    for (int column = 0; column < m_list->columnCount(); ++column)
    {
        m_list->resizeColumnToContents(column);
    }
}

void CAssociateDlg::OnAssign()
{
    const std::string jersey = m_model.m_jerseyPath.toStdString();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (!row->isSelected())
        {
            continue;
        }
        const int value = row->data(0, kRowDataRole).toInt();
        const std::size_t slot = std::size_t(value & 0xFFFF);
        if (slot >= m_model.m_teams.size() || !m_model.m_teams[slot])
        {
            continue;
        }
        CTeamRecord& team = *m_model.m_teams[slot];
        (value >= kAwayRowFlag ? team.awayJerseyFile : team.homeJerseyFile) = jersey;
        SetJerseyFileCell(row, m_model.m_jerseyPath);
    }
    FitColumns();
}

} // namespace tarnix
