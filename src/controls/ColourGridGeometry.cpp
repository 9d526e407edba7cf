#include "controls/ColourGridWnd.h"

#include "archive/KitColours.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRect>

// Where the grid's cells lie, how the arrow keys move between them and where the popup opens on a screen.

namespace tarnix
{

int GridCellSize(int margin)
{
    const int size = 18;
    if (size - 2 * margin - 2 < 5)
    {
        return 2 * margin + 7;
    }
    return size;
}

QSize GridSize(int margin)
{
    const int cell = GridCellSize(margin);
    return QSize(GridColumns * cell + 2 * margin, GridRows * cell + 2 * margin);
}

bool IsGridCell(const GridPosition& position)
{
    return position.row >= 0 && position.row < GridRows && position.column >= 0 && position.column < GridColumns &&
           PositionIndex(position) < GridColourCount;
}

QRect CellRect(int row, int column, int margin)
{
    if (!IsGridCell({row, column}))
    {
        return QRect();
    }
    const int cell = GridCellSize(margin);
    return QRect(column * cell + margin, row * cell + margin, cell, cell);
}

GridPosition CellAt(const QPoint& point, int margin)
{
    // C++ division truncates toward zero, which is what puts the margins into row and column 0.
    const int cell = GridCellSize(margin);
    return {(point.y() - margin) / cell, (point.x() - margin) / cell};
}

int PositionIndex(const GridPosition& position)
{
    return position.row * GridColumns + position.column;
}

GridPosition ArrowKeyTarget(const GridPosition& from, int key)
{
    const int lastRow = GridRows - 1;
    const int lastColumn = GridColumns - 1;
    const bool onCell = IsGridCell(from);
    switch (key)
    {
    case Qt::Key_Down:
        if (!onCell)
        {
            return {0, 0};
        }
        return from.row == lastRow ? PastGridPosition : GridPosition{from.row + 1, from.column};
    case Qt::Key_Up:
        if (!onCell)
        {
            return {lastRow, 0};
        }
        return from.row == 0 ? PastGridPosition : GridPosition{from.row - 1, from.column};
    case Qt::Key_Right:
        if (!onCell)
        {
            return {0, 0};
        }
        return {from.row, from.column == lastColumn ? 0 : from.column + 1};
    case Qt::Key_Left:
        if (!onCell)
        {
            return {lastRow, lastColumn};
        }
        return {from.row, from.column == 0 ? lastColumn : from.column - 1};
    default:
        return from;
    }
}

QRect PlaceGrid(const QRect& wanted, const QRect& screen, int pickerHeight)
{
    QRect placed = wanted;
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    if (placed.x() + placed.width() > screenRight)
    {
        placed.moveLeft(screenRight - placed.width());
    }
    if (placed.x() < screen.x())
    {
        placed.moveLeft(screen.x());
    }
    if (placed.y() + placed.height() > screenBottom)
    {
        placed.translate(0, -(placed.height() + pickerHeight));
    }
    return placed;
}

QColor PaletteColour(int index)
{
    const NamedColour& entry = PickerPalette.at(static_cast<std::size_t>(index));
    return QColor(entry.red, entry.green, entry.blue);
}

// The palette's names as the core spells them, for lupdate; PaletteName translates them.
[[maybe_unused]] const char* const kPaletteNames[] = {
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Pink"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Light Red"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Red"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Light Orange"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Orange"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Brown"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Yellow"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Gold"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Dark Gold"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Light Green"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Green"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Dark Green"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Light Blue"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Blue"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Dark Blue"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Navy"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Light Purple"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Purple"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Dark Purple"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "White"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Light Gray"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Dark Gray"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Black"),
    QT_TRANSLATE_NOOP("tarnix::CColourGridWnd", "Not Used"),
};

QString PaletteName(int index)
{
    const NamedColour& entry = PickerPalette.at(static_cast<std::size_t>(index));
    return QCoreApplication::translate("tarnix::CColourGridWnd", std::string(entry.name).c_str());
}
} // namespace tarnix
