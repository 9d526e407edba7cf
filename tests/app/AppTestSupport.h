#pragma once

// Helpers of the application's GUI tests: a private temporary folder where the program's own temporary
// files can be counted, controls found by their template id, and the colour a preview must show.

#include "TestSupport.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace tarnix::test
{

// Points TMPDIR at a fresh folder while the object lives, so that the files of ours left behind ("Tar"
// prefix) can be counted although other programs use the system's temporary folder.
class PrivateTempFolder
{
  public:
    PrivateTempFolder() : m_previous(qgetenv("TMPDIR")) { qputenv("TMPDIR", m_dir.path().toLocal8Bit()); }
    ~PrivateTempFolder()
    {
        if (m_previous.isEmpty())
        {
            qunsetenv("TMPDIR");
        }
        else
        {
            qputenv("TMPDIR", m_previous);
        }
    }
    PrivateTempFolder(const PrivateTempFolder&) = delete;
    PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

    QString Path() const { return m_dir.path(); }
    QStringList OurFiles() const { return QDir(m_dir.path()).entryList({QStringLiteral("Tar*")}, QDir::Files); }

  private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

template <typename T = QWidget> T* Control(const QWidget* parent, int id)
{
    return parent->findChild<T*>(QString::number(id));
}

inline QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(PathText(path));
}

inline QStringList VisibleTopLevels()
{
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (widget->isVisible())
        {
            names << QString::fromLatin1(widget->metaObject()->className());
        }
    }
    return names;
}

inline QListWidgetItem* LineNamed(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Clicks a line of a list box as a user does.
inline void ClickLine(QListWidget* list, QListWidgetItem* item)
{
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The front of an archive as the game stores it.
inline Bitmap8 FrontOf(const std::filesystem::path& archive)
{
    const Bytes bytes = ReadBytes(archive);
    Result<Bitmap8> front = ReadPartImage(bytes, Part::Front, PathText(archive));
    return front ? *front : Bitmap8{};
}

// The first pixel of the front in palette group `group` (2-8 are the seven kit colours).
inline QPoint FirstPixelOfGroup(const Bitmap8& front, int group)
{
    for (int y = 0; y < front.height; ++y)
    {
        for (int x = 0; x < front.width; ++x)
        {
            if (front.At(x, y) >> 4 == group)
            {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

// What the preview must show at `at` for kit colour `colour` (a colour beyond the 24 ramps keeps the
// archive's own colour).
inline QRgb ExpectedColour(const Bitmap8& front, QPoint at, int colour)
{
    const int value = front.At(at.x(), at.y());
    if (colour >= 0 && colour < 24)
    {
        return 0xFF000000u | ShadeRamps[colour][value & 0x0F];
    }
    const std::uint8_t* entry = &front.colours[std::size_t(4 * value)];
    return qRgb(entry[2], entry[1], entry[0]);
}

} // namespace tarnix::test
