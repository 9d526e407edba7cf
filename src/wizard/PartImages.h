#pragma once

// Screen pictures of the 8-bit bitmaps the wizard shows: the part bitmaps as the editor left them, and the
// composed parts in the kit colours of the colour record.

#include "archive/Bmp.h"
#include "archive/JerseyTypes.h"

#include "wizard/PaintedParts.h"

#include <QImage>
#include <QPixmap>
#include <QString>

class QLabel;

namespace tarnix
{

// An indexed image with the bitmap's own colour table.
QImage ImageFromBitmap(const Bitmap8& bitmap);

// A bitmap file as stored, read through its own headers; a null image when it cannot be read.
QImage LoadBitmapFile(const QString& path);

// A composed part with its kit colour groups recoloured from `record`; a null image when it cannot be
// read.
QImage LoadRecolouredBitmap(const QString& path, const JerseyColours& record);

// A picture file of any format Qt reads, told by its content; a null image when it cannot be read.
QImage LoadPictureFile(const QString& path);

// Shows the composed front and back in the kit colours of `record` in `pictures`, at the back's size; when
// they could not be composed, hides them and says so in `note` (the reason in its tooltip).
void ShowInKitColours(const Result<PaintedParts>& painted, const JerseyColours& record,
                      QLabel* const (&pictures)[2], QLabel* note);

// `image` for a screen of `ratio` device pixels per pixel: its pixels as blocks of whole device pixels, never
// smoothed, so that a 128-pixel jersey stays sharp at 150 %.
QPixmap SharpPixmap(const QImage& image, qreal ratio);

// A composed part (pixels with its stored palette) with its kit colour groups recoloured from `record`.
QImage RecolouredImage(Bitmap8 part, const JerseyColours& record);

} // namespace tarnix
