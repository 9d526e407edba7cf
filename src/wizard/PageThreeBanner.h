#pragma once

// The two link banners of the colours page: a title and a subtitle in the page's language over a gradient
// with the shirt glyph, drawn at run time at the screen's scale. A longer text makes a wider banner.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QLabel;

namespace tarnix
{

struct BannerLook
{
    int height = 38; // inside the one-pixel border
    QColor top;
    QColor bottom;
};

inline constexpr int kBannerMinWidth = 204; // inside the border, as the banners were first drawn

// DejaVu Sans, in which the banners and the logo were first drawn, where the desktop has it (the Windows
// build carries its own, ":/fonts"); else the program's own font.
QFont BannerFont(int pixels, bool bold = false);

QPixmap DrawBanner(const BannerLook& look, const QString& title, const QString& subtitle, qreal ratio);

// Shows the banner on `label`, redrawn whenever the label moves to a screen of another scale, and makes
// the label at least as large as the banner.
void ShowBanner(QLabel* label, const BannerLook& look, const QString& title, const QString& subtitle);

} // namespace tarnix
