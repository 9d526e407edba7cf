#include "wizard/PartImages.h"

#include "archive/Jersey.h"
#include "ui/QtPaths.h"

namespace tarnix
{

QImage ImageFromBitmap(const Bitmap8& bitmap)
{
    QImage image(bitmap.width, bitmap.height, QImage::Format_Indexed8);
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
    {
        const auto* entry = &bitmap.colours[std::size_t(i) * 4];
        table[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    image.setColorTable(table);
    for (int y = 0; y < bitmap.height; ++y)
    {
        std::copy_n(&bitmap.pixels[std::size_t(y) * bitmap.width], bitmap.width, image.scanLine(y));
    }
    return image;
}

QImage LoadBitmapFile(const QString& path)
{
    if (path.isEmpty())
    {
        return {};
    }
    auto bitmap = ReadBmp8File(ToPath(path));
    return bitmap ? ImageFromBitmap(*bitmap) : QImage();
}

QImage LoadRecolouredBitmap(const QString& path, const JerseyColours& record)
{
    if (path.isEmpty())
    {
        return {};
    }
    auto bitmap = ReadBmp8File(ToPath(path));
    if (!bitmap)
    {
        return {};
    }
    return RecolouredImage(std::move(*bitmap), record);
}

QImage RecolouredImage(Bitmap8 part, const JerseyColours& record)
{
    RecolourColourTable(part.colours, record);
    return ImageFromBitmap(part);
}

QPixmap SharpPixmap(const QImage& image, qreal ratio)
{
    if (image.isNull() || ratio == 1.0)
    {
        return QPixmap::fromImage(image);
    }
    const QSize size(qRound(image.width() * ratio), qRound(image.height() * ratio));
    QPixmap pixmap = QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace tarnix
