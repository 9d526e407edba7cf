#include "controls/ControlAccessibility.h"

#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"
#include "controls/LinkLabel.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTextDocumentFragment>
#include <array>

namespace tarnix
{

namespace
{

class PickerAccessible : public QAccessibleWidget
{
  public:
    explicit PickerAccessible(CColourPicker* picker) : QAccessibleWidget(picker, QAccessible::ButtonDropDown) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
        {
            static_cast<CColourPicker*>(widget())->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

class LinkAccessible : public QAccessibleWidget
{
  public:
    explicit LinkAccessible(CLinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* link = static_cast<const CLinkLabel*>(widget());
        if (kind == QAccessible::Name)
        {
            // A banner link names itself through its accessible name; a text link reads its text.
            if (!link->accessibleName().isEmpty())
            {
                return link->accessibleName();
            }
            const QString shown = QTextDocumentFragment::fromHtml(link->text()).toPlainText().simplified();
            return shown.isEmpty() ? link->Url() : shown;
        }
        if (kind == QAccessible::Description && link->accessibleDescription().isEmpty())
        {
            return link->Url();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        state.traversed = static_cast<const CLinkLabel*>(widget())->Visited();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
        {
            static_cast<CLinkLabel*>(widget())->Follow();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// One cell of the grid: a colour with its name, where it is on the screen and whether it is highlighted.
class CellAccessible : public QAccessibleInterface
{
  public:
    CellAccessible(CColourGridWnd* grid, int index) : m_grid(grid), m_index(index) {}

    bool isValid() const override { return !m_grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? PaletteName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_grid)
        {
            return {};
        }
        const QRect cell = CellRect(m_index / GridColumns, m_index % GridColumns, m_grid->Margin());
        return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.invisible = !m_grid || !m_grid->isVisible();
        const bool current = m_grid && PositionIndex(m_grid->CurrentPosition()) == m_index;
        state.focused = current;
        state.selected = current;
        return state;
    }

  private:
    QPointer<CColourGridWnd> m_grid;
    int m_index;
};

class GridAccessible : public QAccessibleWidget
{
  public:
    explicit GridAccessible(CColourGridWnd* grid) : QAccessibleWidget(grid, QAccessible::List)
    {
        // A reader follows the highlight as it moves under the mouse or the arrow keys.
        QObject::connect(grid, &CColourGridWnd::Change, grid,
                         [grid](const QColor&, int)
                         {
                             const int index = PositionIndex(grid->CurrentPosition());
                             if (index >= 0 && index < GridColourCount)
                             {
                                 QAccessibleEvent focus(grid, QAccessible::Focus);
                                 focus.setChild(index);
                                 QAccessible::updateAccessibility(&focus);
                             }
                         });
    }
    ~GridAccessible() override
    {
        for (QAccessible::Id id : m_cells)
        {
            if (id != 0)
            {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        {
            return CColourGridWnd::tr("Kit colours");
        }
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return GridColourCount; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= GridColourCount)
        {
            return nullptr;
        }
        if (m_cells[index] == 0)
        {
            m_cells[index] = QAccessible::registerAccessibleInterface(
                new CellAccessible(static_cast<CColourGridWnd*>(widget()), index));
        }
        return QAccessible::accessibleInterface(m_cells[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < GridColourCount; ++i)
        {
            if (m_cells[i] != 0 && QAccessible::accessibleInterface(m_cells[i]) == child)
            {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const auto* grid = static_cast<const CColourGridWnd*>(widget());
        const GridPosition position = CellAt(grid->mapFromGlobal(QPoint(x, y)), grid->Margin());
        return IsGridCell(position) ? child(PositionIndex(position)) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return child(PositionIndex(static_cast<const CColourGridWnd*>(widget())->CurrentPosition()));
    }

  private:
    mutable std::array<QAccessible::Id, GridColourCount> m_cells{};
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object)
{
    if (auto* picker = qobject_cast<CColourPicker*>(object))
    {
        return new PickerAccessible(picker);
    }
    if (auto* grid = qobject_cast<CColourGridWnd*>(object))
    {
        return new GridAccessible(grid);
    }
    if (auto* link = qobject_cast<CLinkLabel*>(object))
    {
        return new LinkAccessible(link);
    }
    return nullptr;
}

} // namespace

void InstallControlAccessibility()
{
    static const bool installed = []
    {
        QAccessible::installFactory(ControlFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tarnix
