#pragma once

// The kit colour button: a swatch with a drop-down arrow box at its right end. A click opens the grid of
// the 24 kit colours (CColourGridWnd); the button reports the picked palette index to whoever listens.

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <array>

class QStyle;

namespace tarnix
{

// The Windows system metrics the button's shape is built from, taken from the Qt style: the 3D edge sizes
// (the style's default frame width) and the scroll bar thumb sizes (the style's scroll bar extent).
struct PickerMetrics
{
    int edgeX = 2;
    int edgeY = 2;
    int horizontalThumb = 16;
    int verticalThumb = 16;
};

PickerMetrics PickerMetricsOf(const QStyle* style);
// The metrics in device pixels at `ratio` device pixels per pixel, each at least one.
PickerMetrics ScaledMetrics(const PickerMetrics& metrics, qreal ratio);

// The side of the arrow box: the largest of five edges and the thumb sizes.
int ArrowSide(const PickerMetrics& metrics);
// The smallest width the button accepts, and its one height.
int PickerMinimumWidth(const PickerMetrics& metrics);
int PickerHeight(const PickerMetrics& metrics);
// The arrow box of a button of `size`, in its own coordinates.
QRect ArrowBoxFor(const PickerMetrics& metrics, const QSize& size);
// The tip and the two upper corners of the arrow drawn in `arrowBox`.
std::array<QPoint, 3> ArrowPoints(const PickerMetrics& metrics, const QRect& arrowBox);
// The part of the button that shows the colour (before the focus frame is taken off it).
QRect SwatchRect(const PickerMetrics& metrics, const QSize& size);

class CColourPicker : public QPushButton
{
    Q_OBJECT

  public:
    explicit CColourPicker(QWidget* parent = nullptr);

    // Stores the colour and repaints at once. Its name for assistive technology is the grid's name of that
    // colour, or its hexadecimal form; SetColourName gives a better one (a kit colour shown as its shade).
    void SetPickerColour(const QColor& colour);
    QColor PickerColour() const;
    void SetColourName(const QString& name);
    // The kit colour the picker sets ("Jersey 1st colour"): with the colour's name, the picker's accessible
    // name ("Jersey 1st colour: Red").
    void SetKitName(const QString& name);
    // The template id the dialog gave the control (its object name).
    int ControlId() const;
    QRect ArrowBox() const;
    PickerMetrics Metrics() const;

  signals:
    // The grid has opened, with the colour it opened with.
    void DropDown(const QColor& colour, int controlId);
    // The grid has closed; always sent before Accept or Cancel.
    void CloseUp(const QColor& colour, int controlId);
    // A pick: a palette index 0..23, or kNoCellIndex (nothing highlighted) / kPastGridIndex (past the grid),
    // which carry no palette colour and must never be used as an index.
    void Accept(int index, int controlId);
    void Cancel(const QColor& colour, int controlId);
    // Only after an accept that brought a colour different from the one shown.
    void Change(const QColor& colour, int controlId);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ApplySizeLimits();
    void OpenGrid();
    void OnGridAccept(const QColor& colour, int index);
    void OnGridCancel(const QColor& colour, int index);
    void UpdateAccessibleName();

    QColor m_colour;
    QString m_colourName;
    QString m_kitName;
};

// Dialog data exchange: save = true copies the picker's colour into `colour`, false shows `colour`.
void DDX_PickerColour(bool save, CColourPicker* picker, QColor& colour);

} // namespace tarnix
