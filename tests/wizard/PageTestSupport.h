#pragma once

// Helpers of the wizard page tests: a private temporary folder (so that leftover files of ours can be
// counted while other programs use the system's), clicks on template controls, part bitmaps on disk.

#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "controls/ColourPicker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>

namespace tarnix::test
{

// Points the temporary folder (TMPDIR; TMP on Windows) at a fresh folder for the life of the object; the
// program's temporary files land there.
class PrivateTempFolder
{
#ifdef Q_OS_WIN
    // GetTempPath, behind QDir::tempPath(), reads TMP first.
    static constexpr const char* kVariable = "TMP";
#else
    static constexpr const char* kVariable = "TMPDIR";
#endif

  public:
    explicit PrivateTempFolder(const QString& name = QStringLiteral("tarnix-gui-test"))
    {
        m_previous = qgetenv(kVariable);
        const QString base = QDir::tempPath();
        m_path = base + QStringLiteral("/%1-%2").arg(name).arg(QCoreApplication::applicationPid());
        QDir().mkpath(m_path);
        qputenv(kVariable, QDir::toNativeSeparators(m_path).toLocal8Bit());
    }
    ~PrivateTempFolder()
    {
        QDir(m_path).removeRecursively();
        if (m_previous.isEmpty())
        {
            qunsetenv(kVariable);
        }
        else
        {
            qputenv(kVariable, m_previous);
        }
    }
    const QString& Path() const
    {
        return m_path;
    }

    // The program's own temporary files ("Tar" prefix) now in the temporary folder.
    static QStringList OurTempFiles()
    {
        return QDir(QDir::tempPath())
            .entryList({QStringLiteral("Tar*")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    }

  private:
    QByteArray m_previous;
    QString m_path;
};

template <typename T = QWidget> T* Control(QWidget* page, int id)
{
    return page->findChild<T*>(QString::number(id));
}

inline void Click(QWidget* page, int id)
{
    auto* button = Control<QAbstractButton>(page, id);
    QVERIFY2(button != nullptr, qPrintable(QStringLiteral("no button %1").arg(id)));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Rewrites a bitmap the way many editors save: a new file renamed over the old one.
inline void ReplaceBitmap(const std::filesystem::path& path, const Bitmap8& bitmap)
{
    const Bytes bytes = EncodeBmp8(bitmap);
    std::filesystem::path fresh = path;
    fresh += ".new";
    {
        // A path, not a narrow string: Windows names files in UTF-16.
        std::ofstream out(fresh, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::filesystem::rename(fresh, path);
}

// Opens the picker's grid with a click and walks to `index` with the keys: Down enters at cell (0, 0).
inline void PickThroughGrid(CColourPicker* picker, int index)
{
    QTest::mouseClick(picker, Qt::LeftButton);
    QWidget* grid = QApplication::activePopupWidget();
    QVERIFY(grid != nullptr);
    QTest::keyClick(grid, Qt::Key_Down);
    for (int r = 0; r < index / 8; ++r)
    {
        QTest::keyClick(grid, Qt::Key_Down);
    }
    for (int c = 0; c < index % 8; ++c)
    {
        QTest::keyClick(grid, Qt::Key_Right);
    }
    QTest::keyClick(grid, Qt::Key_Return);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
}

} // namespace tarnix::test
