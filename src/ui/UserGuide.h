#pragma once

// Where the user guide (guide.html, made from the README by the build) is, for a link or a Help button
// that hands it to the web browser.

#include <QString>

namespace tarnix
{

// The guide as a file:// URL: the installed one beside the program (<prefix>/bin/tarnix reads
// <prefix>/share/doc/tarnix/guide.html); when the program runs from its build folder, the guide that
// build made, else the README of the source tree. Empty when there is none, so that the caller can hide
// or disable its link.
QString UserGuideUrl();

// The lookup behind UserGuideUrl with its folders given: programDir holds the executable; buildDir and
// sourceDir count only for a program inside buildDir, so an installed program never points into a build.
QString FindUserGuide(const QString& programDir, const QString& buildDir, const QString& sourceDir);

} // namespace tarnix
