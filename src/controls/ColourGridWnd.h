#pragma once

// The popup grid of the 24 kit colours (8 x 3 cells) that a CColourPicker opens. It lives from the click
// on the picker to the first button-up, Enter or Esc (or until the application loses the input), then
// reports exactly one Accept or Cancel to the picker and deletes itself.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace tarnix
{

// A position in the grid: a cell, none (-1, -1) or the position past the grid (-2, -2), which only the
// keyboard reaches and which is never drawn.
struct GridPosition
{
    int row = -1;
    int column = -1;
    friend bool operator==(const GridPosition&, const GridPosition&) = default;
};

inline constexpr GridPosition NoGridPosition{-1, -1};
inline constexpr GridPosition PastGridPosition{-2, -2};
inline constexpr int GridColourCount = 24;
inline constexpr int GridColumns = 8;
inline constexpr int GridRows = GridColourCount / GridColumns + (GridColourCount % GridColumns != 0 ? 1 : 0);

// Geometry, with `margin` the frame around the cells (the style's edge width).
int GridCellSize(int margin);
QSize GridSize(int margin);
bool IsGridCell(const GridPosition& position);
// The square of a cell in the grid's coordinates; a null rectangle for anything that is not a cell.
QRect CellRect(int row, int column, int margin);
// The position under a point of the grid, truncating toward zero, so the top and left margins count as row
// and column 0; points further out give positions that are not cells.
GridPosition CellAt(const QPoint& point, int margin);
// row x 8 + column: the palette index of a cell, kNoCellIndex for none and kPastGridIndex for the position
// past the grid.
int PositionIndex(const GridPosition& position);

// The indices an accept carries when no cell is current: receivers never use them as palette indices.
inline constexpr int kNoCellIndex = NoGridPosition.row * GridColumns + NoGridPosition.column;       // -9
inline constexpr int kPastGridIndex = PastGridPosition.row * GridColumns + PastGridPosition.column; // -18
// Where an arrow key moves the highlight from `from`; any other key leaves it where it is.
GridPosition ArrowKeyTarget(const GridPosition& from, int key);
// The grid's rectangle kept on `screen`: shifted left off the right edge, then right off the left edge, and
// above the picker (`pickerHeight` higher than the popup) when it would run past the bottom.
QRect PlaceGrid(const QRect& wanted, const QRect& screen, int pickerHeight);

QColor PaletteColour(int index); // index 0..23
QString PaletteName(int index);  // index 0..23

// The custom colour dialog behind the position past the grid: the chosen colour, or nullopt when the user
// cancels. Tests install a hook; without one, a running platform test script answers Cancel so that no
// modal dialog appears.
using ColourDialogHook = std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)>;
void SetColourDialogHook(ColourDialogHook hook);

class CColourGridWnd : public QWidget
{
    Q_OBJECT

  public:
    // `owner` is the picker: the grid is placed under the point `topLeft` (the picker's bottom-left
    // corner on the screen) and starts with `initial` as its colour.
    CColourGridWnd(const QPoint& topLeft, const QColor& initial, QWidget* owner);
    ~CColourGridWnd() override;

    // Places the grid on the screen, shows it and takes the mouse and the keyboard.
    void Open();

    int Margin() const;
    GridPosition CurrentPosition() const { return m_current; }
    QColor InitialColour() const { return m_initial; }
    QColor SelectedColour() const { return m_selected; }
    QRect WindowRect() const { return m_windowRect; }
    void MoveHighlight(int row, int column);

  signals:
    // The highlight moved: the selected colour and its palette index, or the initial colour and 0 at the
    // position past the grid.
    void Change(const QColor& colour, int index);
    void Accept(const QColor& colour, int index);
    void Cancel(const QColor& colour, int index);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void FinishPick(bool accept);
    void DrawCell(QPainter& painter, int row, int column);

    QPoint m_topLeft;
    QColor m_initial;
    QColor m_selected;
    GridPosition m_current = NoGridPosition;
    QRect m_windowRect;
    bool m_finished = false;
};

} // namespace tarnix
