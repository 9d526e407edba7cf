#include "wizard/PartImages.h"

#include "archive/Jersey.h"
#include "ui/CoreMessages.h"
#include "ui/QtPaths.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

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

QImage LoadPictureFile(const QString& path)
{
    if (path.isEmpty())
    {
        return {};
    }
    // Editors keep the name and may change the format (a PNG saved as BMP, or the other way round).
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QImage RecolouredImage(Bitmap8 part, const JerseyColours& record)
{
    RecolourColourTable(part.colours, record);
    return ImageFromBitmap(part);
}

void ShowInKitColours(const Result<PaintedParts>& painted, const JerseyColours& record,
                      QLabel* const (&pictures)[2], QLabel* note)
{
    constexpr int kSize = 64; // the back as it is, the front halved
    for (int i = 0; i < 2; ++i)
    {
        pictures[i]->setVisible(painted.ok());
        if (!painted)
        {
            pictures[i]->clear();
            continue;
        }
        const QImage image = RecolouredImage(painted->parts[i], record)
                                 .scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pictures[i]->setPixmap(QPixmap::fromImage(image));
    }
    // The note has no room for the whole reason; its tooltip and the message of Next give it.
    note->setVisible(!painted.ok());
    note->setText(painted
                      ? QString()
                      : QCoreApplication::translate("tarnix::CPageThree", "Some colours cannot be used as they "
                                                                          "stand: point here to see why."));
    note->setToolTip(painted ? QString() : CoreMessage(painted.error()));
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
