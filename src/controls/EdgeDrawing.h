#pragma once

// The three-dimensional edges of the Windows controls the picker imitates, drawn with the widget's palette.

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <qdrawutil.h>

namespace tarnix
{

// A raised or sunken edge `width` pixels wide inside `rect`; two pixels give the classic light and dark
// double line, one pixel the flat style's single line.
inline void DrawEdge(QPainter& painter, const QRect& rect, const QPalette& palette, bool raised, int width)
{
    if (width >= 2)
    {
        qDrawWinPanel(&painter, rect, palette, !raised);
        return;
    }
    qDrawShadePanel(&painter, rect, palette, !raised, qMax(width, 1));
}

} // namespace tarnix
