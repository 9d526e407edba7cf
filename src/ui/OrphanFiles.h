#pragma once

// What a run keeps in the temporary folder under our "Tar" prefix is made from the jersey and the part
// files (the preview, the composed parts), never the user's work, which lives in the work folder. A run that
// ended without removing them leaves them behind; start-up removes those more than a day old.

#include <QDateTime>
#include <QString>

namespace tarnix
{

// Removes the "Tar*.bmp" files of `folder` last changed more than a day before `now`. Returns how many
// were removed.
int RemoveOrphanPartFiles(const QString& folder, const QDateTime& now);

} // namespace tarnix
