#pragma once

// What the colours page says about Mardek's thumbnail: the file a save will write it to, or that a save
// writes none and why.

#include <QString>

class QLabel;

namespace tarnix
{

struct ThumbnailNote
{
    QString heading;
    QString value;   // the thumbnail's path, or why there is none
    QString tooltip; // the whole path, or how to ask for a thumbnail
    bool written = false;
};

// `number` is the jersey number from the command line (-1 without one), `mardekFolder` Mardek's folder.
ThumbnailNote NoteForThumbnail(int number, const QString& mardekFolder);

// Shows `note` in `label`: the heading on the first line, the value on the second, a path shortened in
// the middle to the label's width.
void ShowThumbnailNote(QLabel* label, const ThumbnailNote& note);

} // namespace tarnix
