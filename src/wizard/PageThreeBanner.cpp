#include "wizard/PageThreeBanner.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tarnix
{

namespace
{

constexpr int kTextLeft = 48;
constexpr int kTextRight = 8;

// The shirt, 29 x 20 pixels, its shoulders `middle` - 13 pixels from the top.
QPainterPath Shirt(qreal middle)
{
    QPainterPath path(QPointF(8, middle - 9));
    path.lineTo(13, middle - 13);
    path.lineTo(19, middle - 13);
    path.quadTo(22, middle - 10, 25, middle - 13);
    path.lineTo(31, middle - 13);
    path.lineTo(36, middle - 9);
    path.lineTo(33, middle - 4);
    path.lineTo(30, middle - 6);
    path.lineTo(30, middle + 7);
    path.lineTo(10, middle + 7);
    path.lineTo(10, middle - 6);
    path.lineTo(7, middle - 4);
    path.closeSubpath();
    return path;
}

// Redraws the banner of a label at the scale of the screen the label is painted on.
class BannerRefresher : public QObject
{
  public:
    BannerRefresher(QLabel* label, const BannerLook& look, const QString& title, const QString& subtitle)
        : QObject(label), m_label(label), m_look(look), m_title(title), m_subtitle(subtitle)
    {
        label->installEventFilter(this);
        Refresh();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_label && event->type() == QEvent::Paint &&
            m_label->pixmap().devicePixelRatio() != m_label->devicePixelRatioF())
        {
            Refresh();
        }
        return false;
    }

  private:
    void Refresh()
    {
        const QPixmap banner = DrawBanner(m_look, m_title, m_subtitle, m_label->devicePixelRatioF());
        m_label->setPixmap(banner);
        const QSize size = banner.deviceIndependentSize().toSize();
        m_label->setMinimumSize(m_label->minimumSize().expandedTo(size));
        // A wider banner grows to both sides, so that it stays centred in its box.
        const QSize grown = m_label->size().expandedTo(size);
        m_label->setGeometry(QRect(m_label->pos() - QPoint((grown.width() - m_label->width()) / 2, 0), grown));
    }

    QLabel* m_label;
    BannerLook m_look;
    QString m_title;
    QString m_subtitle;
};

} // namespace

QFont BannerFont(int pixels, bool bold)
{
    static const bool added = []
    {
        for (const QString& face :
             {QStringLiteral(":/fonts/DejaVuSans.ttf"), QStringLiteral(":/fonts/DejaVuSans-Bold.ttf")})
        {
            if (QFile::exists(face))
            {
                QFontDatabase::addApplicationFont(face);
            }
        }
        return true;
    }();
    (void)added;
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("DejaVu Sans"), font.family()});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPixmap DrawBanner(const BannerLook& look, const QString& title, const QString& subtitle, qreal ratio)
{
    // A desktop without DejaVu Sans draws the texts in a font that may be much wider: they are set smaller,
    // down to three quarters, before the banner grows past its box.
    QFont titleFont;
    QFont subtitleFont;
    qreal text = 0;
    for (const qreal scale : {1.0, 0.9, 0.8, 0.75})
    {
        titleFont = BannerFont(int(std::lround(13 * scale)), true);
        subtitleFont = BannerFont(int(std::lround(10 * scale)), false);
        text = std::max(QFontMetricsF(titleFont).horizontalAdvance(title),
                        QFontMetricsF(subtitleFont).horizontalAdvance(subtitle));
        if (kTextLeft + text + kTextRight <= kBannerMinWidth)
        {
            break;
        }
    }
    const int width = std::max(kBannerMinWidth, kTextLeft + int(std::ceil(text)) + kTextRight);
    const int height = look.height;

    QPixmap pixmap(QSize(width + 2, height + 2) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(QColor(0x1b, 0x2a, 0x44));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(1, 1);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, look.top);
    gradient.setColorAt(1, look.bottom);
    painter.fillRect(QRect(0, 0, width, height), gradient);

    const qreal middle = height / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 0x33));
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(middle, 0), QPointF(0, middle)}));
    painter.setPen(QPen(QColor(0, 0, 0, 0x55), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(Shirt(middle));

    painter.setPen(Qt::white);
    painter.setFont(titleFont);
    painter.drawText(QPointF(kTextLeft, middle - 1), title);
    painter.setPen(QColor(0xe8, 0xee, 0xf8));
    painter.setFont(subtitleFont);
    painter.drawText(QPointF(kTextLeft, middle + 12), subtitle);
    return pixmap;
}

void ShowBanner(QLabel* label, const BannerLook& look, const QString& title, const QString& subtitle)
{
    new BannerRefresher(label, look, title, subtitle);
}

} // namespace tarnix
