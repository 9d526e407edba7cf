#pragma once

// The logo of the jersey selection page, with its tagline in the page's language.

#include <QCoreApplication>
#include <QPixmap>
#include <QString>

namespace tarnix
{

// As the picture writes it.
inline constexpr const char* kLogoTagline = QT_TRANSLATE_NOOP("tarnix::CPageOne", "FIFA99 jersey editor");

// `logo` with `tagline` in place of the English one it shows; the picture itself when the tagline is the
// English one.
QPixmap LogoWithTagline(const QPixmap& logo, const QString& tagline);

} // namespace tarnix
