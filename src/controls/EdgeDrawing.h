#pragma once

// The three-dimensional edges of the Windows controls the picker imitates, drawn with the widget's palette.

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <qdrawutil.h>

namespace tarnix
{

// A raised or sunken edge `width` pixels wide inside `rect`. Two pixels give the classic double line; the
// flat styles' one pixel keeps the double line's outer colours (the darkest shadow on a raised edge), so a
// highlighted cell still stands out.
inline void DrawEdge(QPainter& painter, const QRect& rect, const QPalette& palette, bool raised, int width)
{
    if (width >= 2)
    {
        qDrawWinPanel(&painter, rect, palette, !raised);
        return;
    }
    const QColor topLeft = palette.color(raised ? QPalette::Light : QPalette::Dark);
    const QColor bottomRight = palette.color(raised ? QPalette::Shadow : QPalette::Light);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int right = rect.x() + rect.width() - 1;
    const int bottom = rect.y() + rect.height() - 1;
    painter.setPen(topLeft);
    painter.drawLine(rect.x(), rect.y(), right - 1, rect.y());
    painter.drawLine(rect.x(), rect.y(), rect.x(), bottom - 1);
    painter.setPen(bottomRight);
    painter.drawLine(rect.x(), bottom, right, bottom);
    painter.drawLine(right, rect.y(), right, bottom);
    painter.restore();
}

} // namespace tarnix
