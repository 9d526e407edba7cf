#include "controls/ColourPicker.h"

#include "controls/ColourGridWnd.h"
#include "controls/ControlAccessibility.h"
#include "controls/EdgeDrawing.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace tarnix
{

PickerMetrics PickerMetricsOf(const QStyle* style)
{
    PickerMetrics metrics;
    if (style == nullptr)
    {
        return metrics;
    }
    const int edge = std::max(1, style->pixelMetric(QStyle::PM_DefaultFrameWidth));
    const int thumb = std::max(1, style->pixelMetric(QStyle::PM_ScrollBarExtent));
    metrics.edgeX = edge;
    metrics.edgeY = edge;
    metrics.horizontalThumb = thumb;
    metrics.verticalThumb = thumb;
    return metrics;
}

PickerMetrics ScaledMetrics(const PickerMetrics& metrics, qreal ratio)
{
    const auto scaled = [ratio](int v) { return std::max(1, qRound(v * ratio)); };
    return {scaled(metrics.edgeX), scaled(metrics.edgeY), scaled(metrics.horizontalThumb),
            scaled(metrics.verticalThumb)};
}

int ArrowSide(const PickerMetrics& metrics)
{
    return std::max({5 * metrics.edgeX, metrics.horizontalThumb, 5 * metrics.edgeY, metrics.verticalThumb});
}

int PickerMinimumWidth(const PickerMetrics& metrics)
{
    return 2 * (metrics.edgeX + ArrowSide(metrics) + 1);
}

int PickerHeight(const PickerMetrics& metrics)
{
    return ArrowSide(metrics) + 2 * metrics.edgeY + 1;
}

QRect ArrowBoxFor(const PickerMetrics& metrics, const QSize& size)
{
    const int side = ArrowSide(metrics);
    const int left = size.width() - metrics.edgeX - side - 1;
    const int right = size.width() - metrics.edgeX;
    const int bottom = size.height() - metrics.edgeY;
    return QRect(left, metrics.edgeY, right - left, bottom - metrics.edgeY);
}

std::array<QPoint, 3> ArrowPoints(const PickerMetrics& metrics, const QRect& arrowBox)
{
    // Edges as exclusive right and bottom, the way the box was measured.
    const int left = arrowBox.left();
    const int top = arrowBox.top();
    const int right = arrowBox.left() + arrowBox.width();
    const int bottom = arrowBox.top() + arrowBox.height();
    const int midX = left + (right - left) / 2;
    const int midY = top + (bottom - top) / 2;
    const int half = (midY - top + 2 * metrics.edgeX - 4 * metrics.edgeY) / 2;
    return {QPoint(midX, bottom - 2 * metrics.edgeX - 1 - half), QPoint(left + 2 * metrics.edgeY, midY - half),
            QPoint(right - 2 * metrics.edgeY - 1, midY - half)};
}

QRect SwatchRect(const PickerMetrics& metrics, const QSize& size)
{
    const QRect box = ArrowBoxFor(metrics, size);
    return QRect(metrics.edgeX, metrics.edgeY, size.width() - 2 * metrics.edgeX - box.width(),
                 size.height() - 2 * metrics.edgeY);
}

CColourPicker::CColourPicker(QWidget* parent) : QPushButton(parent)
{
    InstallControlAccessibility();
    m_colour = palette().color(QPalette::Button);
    m_colourName = m_colour.name();
    ApplySizeLimits();
    connect(this, &QPushButton::clicked, this, &CColourPicker::OpenGrid);
}

void CColourPicker::SetPickerColour(const QColor& colour)
{
    m_colour = colour;
    m_colourName = colour.name();
    for (int index = 0; index < GridColourCount; ++index)
    {
        if (PaletteColour(index).rgb() == colour.rgb())
        {
            m_colourName = PaletteName(index);
            break;
        }
    }
    UpdateAccessibleName();
    repaint();
}

void CColourPicker::SetColourName(const QString& name)
{
    m_colourName = name;
    UpdateAccessibleName();
}

void CColourPicker::SetKitName(const QString& name)
{
    m_kitName = name;
    UpdateAccessibleName();
}

void CColourPicker::UpdateAccessibleName()
{
    if (!m_kitName.isEmpty())
    {
        setAccessibleName(tr("%1: %2").arg(m_kitName, m_colourName));
    }
}

QColor CColourPicker::PickerColour() const
{
    return m_colour;
}

int CColourPicker::ControlId() const
{
    return objectName().toInt();
}

QRect CColourPicker::ArrowBox() const
{
    return ArrowBoxFor(Metrics(), size());
}

PickerMetrics CColourPicker::Metrics() const
{
    return PickerMetricsOf(style());
}

// Whatever rectangle a dialog template gives the button, it keeps its top-left corner, grows to fit two
// arrow boxes across and takes the one height the arrow box needs. As size limits, the rule also holds for
// geometry set after construction.
void CColourPicker::ApplySizeLimits()
{
    const PickerMetrics metrics = Metrics();
    setMinimumWidth(PickerMinimumWidth(metrics));
    setFixedHeight(PickerHeight(metrics));
    update();
}

void CColourPicker::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
    {
        ApplySizeLimits();
    }
}

void CColourPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Laid out and drawn in device pixels: at 150 % a one-pixel line of the sunken edge would fall between
    // two device pixels and vanish into the page, or blur.
    // The painter's own scale: the screen's ratio, or the ratio of an image the button is rendered into.
    const qreal ratio = painter.deviceTransform().m11();
    painter.scale(1 / ratio, 1 / ratio);
    const PickerMetrics metrics = ScaledMetrics(Metrics(), ratio);
    const QSize size(qRound(width() * ratio), qRound(height() * ratio));
    const QPalette& colours = palette();
    const QRect box = ArrowBoxFor(metrics, size);

    painter.fillRect(box, colours.color(QPalette::Button));
    DrawEdge(painter, box, colours, true, metrics.edgeX);

    const std::array<QPoint, 3> arrow = ArrowPoints(metrics, box);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow.data(), static_cast<int>(arrow.size()));

    DrawEdge(painter, QRect(QPoint(0, 0), size), colours, false, metrics.edgeX);

    QRect swatch = SwatchRect(metrics, size);
    painter.fillRect(swatch, m_colour);

    // The disabled and pushed states deliberately look the same as the normal one. The focus mark is a
    // dotted outline only: the swatch inside it shows exactly the colour that will be saved, whatever the
    // style's own focus frame would paint over it.
    if (hasFocus())
    {
        const bool dark = qGray(m_colour.rgb()) < 128;
        const int line = std::max(1, qRound(ratio));
        QPen pen(dark ? Qt::white : Qt::black, line, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(line, line, -2 * line, -2 * line));
    }
}

void CColourPicker::OpenGrid()
{
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    // The grid owns itself from here: it deletes itself once the pick is finished.
    auto* grid = new CColourGridWnd(QPoint(topLeft.x(), topLeft.y() + height()), m_colour, this);
    connect(grid, &CColourGridWnd::Accept, this, &CColourPicker::OnGridAccept);
    connect(grid, &CColourGridWnd::Cancel, this, &CColourPicker::OnGridCancel);
    // The swatch does not follow the highlight, so the grid's Change needs no receiver here.
    grid->Open();
    emit DropDown(m_colour, ControlId());
}

void CColourPicker::OnGridAccept(const QColor& colour, int index)
{
    const int id = ControlId();
    emit CloseUp(colour, id);
    emit Accept(index, id);
    if (colour.rgb() != m_colour.rgb())
    {
        SetPickerColour(colour);
        emit Change(colour, id);
    }
}

void CColourPicker::OnGridCancel(const QColor& colour, int)
{
    SetPickerColour(colour);
    const int id = ControlId();
    emit CloseUp(colour, id);
    emit Cancel(colour, id);
}

void DDX_PickerColour(bool save, CColourPicker* picker, QColor& colour)
{
    if (picker == nullptr)
    {
        return;
    }
    if (save)
    {
        colour = picker->PickerColour();
    }
    else
    {
        picker->SetPickerColour(colour);
    }
}

} // namespace tarnix
