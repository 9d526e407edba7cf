#include "wizard/ThumbnailNote.h"

#include "archive/Thumbnail.h"
#include "ui/QtPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>

namespace tarnix
{

namespace
{

// The page's template lays its note out with the widest of these texts.
const char* const kHeading = QT_TRANSLATE_NOOP("tarnix::CPageThree", "Mardek thumbnail:");
const char* const kNoFolder = QT_TRANSLATE_NOOP("tarnix::CPageThree", "none (no folder chosen)");
const char* const kNoNumber = QT_TRANSLATE_NOOP("tarnix::CPageThree", "none (start with /jN)");

// The note speaks for the colours page.
QString Tr(const char* text)
{
    return QCoreApplication::translate("tarnix::CPageThree", text);
}

} // namespace

ThumbnailNote NoteForThumbnail(int number, const QString& mardekFolder)
{
    ThumbnailNote note;
    note.heading = Tr(kHeading);
    if (number < 1 || number > 64)
    {
        note.value = Tr(kNoNumber);
        note.tooltip =
            Tr(QT_TRANSLATE_NOOP("tarnix::CPageThree", "Started as \"tarnix /jN\" (N from 1 to 64), Tarnix "
                                                       "writes the thumbnail of jersey N into Mardek's "
                                                       "Jerseys folder after each save."));
        return note;
    }
    if (mardekFolder.isEmpty())
    {
        note.value = Tr(kNoFolder);
        note.tooltip =
            Tr(QT_TRANSLATE_NOOP("tarnix::CPageThree", "Choose Mardek's folder with \"Mardek Folder...\" to "
                                                       "write the thumbnail of jersey %1 after each save."))
                .arg(number);
        return note;
    }
    note.value = QDir::toNativeSeparators(FromPath(ThumbnailPath(ToPath(mardekFolder), number)));
    note.tooltip = note.value;
    note.written = true;
    return note;
}

void ShowThumbnailNote(QLabel* label, const ThumbnailNote& note)
{
    const QString value =
        note.written ? label->fontMetrics().elidedText(note.value, Qt::ElideMiddle, label->contentsRect().width())
                     : note.value;
    label->setText(note.heading + QLatin1Char('\n') + value);
    label->setToolTip(note.tooltip);
}

} // namespace tarnix
