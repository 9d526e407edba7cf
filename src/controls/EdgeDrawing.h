#pragma once

// The three-dimensional edges of the Windows controls the picker imitates, drawn with the widget's palette.

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace tarnix
{

// A raised or sunken edge `width` pixels wide inside `rect`, in whole pixels of the painter's coordinates
// (device pixels, for a crisp edge at any scale). Two pixels or more give the classic double line, outer
// and inner line splitting the width; the flat styles' one pixel keeps the double line's outer colours
// (the darkest shadow on a raised edge), so a highlighted cell still stands out.
inline void DrawEdge(QPainter& painter, const QRect& rect, const QPalette& palette, bool raised, int width)
{
    const auto lines = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight, int t)
    {
        painter.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), bottomRight);
        painter.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), bottomRight);
        painter.fillRect(QRect(r.left(), r.top(), r.width() - t, t), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), t, r.height() - t), topLeft);
    };
    using Role = QPalette::ColorRole;
    if (width < 2)
    {
        lines(rect, palette.color(raised ? Role::Light : Role::Dark),
              palette.color(raised ? Role::Shadow : Role::Light), 1);
        return;
    }
    const int outer = width / 2;
    const int inner = width - outer;
    lines(rect, palette.color(raised ? Role::Light : Role::Dark),
          palette.color(raised ? Role::Shadow : Role::Light), outer);
    lines(rect.adjusted(outer, outer, -outer, -outer), palette.color(raised ? Role::Midlight : Role::Shadow),
          palette.color(raised ? Role::Dark : Role::Midlight), inner);
}

} // namespace tarnix
