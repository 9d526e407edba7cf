#include "wizard/LogoTagline.h"
#include "wizard/PageThreeBanner.h"

#include <QImage>
#include <QPainter>

namespace tarnix
{

namespace
{

// Where the picture has its tagline: its rows, from its left edge to a column behind its end and before the
// pitch's centre circle. The picture's background is one colour a row (a vertical gradient and the pitch's
// halfway line), so the tagline is taken away by giving each row the colour of that column.
constexpr int kTop = 35;
constexpr int kBottom = 53;
constexpr int kLeft = 58;
constexpr int kClear = 178;
// The tagline's baseline, font and colour, as the picture was drawn.
constexpr QPointF kBaseline(62, 48);
constexpr int kPixels = 10;
constexpr QRgb kColour = 0xd8f0dc;

} // namespace

QPixmap LogoWithTagline(const QPixmap& logo, const QString& tagline)
{
    if (tagline == QLatin1String(kLogoTagline) || logo.width() <= kClear || logo.height() < kBottom)
    {
        return logo;
    }
    QImage image = logo.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = kTop; y < kBottom; ++y)
    {
        const QRgb background = image.pixel(kClear, y);
        for (int x = kLeft; x < kClear; ++x)
        {
            image.setPixel(x, y, background);
        }
    }
    QPainter painter(&image);
    painter.setFont(BannerFont(kPixels));
    painter.setPen(QColor(kColour));
    painter.drawText(kBaseline, tagline);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace tarnix
