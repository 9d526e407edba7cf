// The open grid as the screen shows it: a row of pickers in a window, one of them opened, a cell under
// the pointer with its tooltip. The screen grab checks that the popup lands where it was placed and shows
// the palette; with TARNIX_SCREENSHOT set to a file name the grab is also saved there (run under a real X
// server, e.g. xvfb-run -a env QT_QPA_PLATFORM=xcb TARNIX_SCREENSHOT=docs/colour-picker.png ...).

#include "archive/KitColours.h"
#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

using namespace tarnix;

class TestPickerScreenshot : public QObject
{
    Q_OBJECT

  private slots:
    void openGridOnTheScreen();
};

void TestPickerScreenshot::openGridOnTheScreen()
{
    QWidget host;
    host.setWindowTitle(QStringLiteral("Tarnix"));
    auto* layout = new QVBoxLayout(&host);
    layout->addWidget(new QLabel(QStringLiteral("Jersey Colours"), &host));
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    layout->addStretch();
    const int defaults[] = {1, 20, 13};
    QList<CColourPicker*> pickers;
    for (int k = 0; k < 3; ++k)
    {
        auto* picker = new CColourPicker(&host);
        picker->setObjectName(QString::number(1016 + k));
        picker->setMinimumWidth(44);
        picker->SetPickerColour(PaletteColour(defaults[k]));
        row->addWidget(picker);
        pickers << picker;
    }
    row->addStretch();
    host.setGeometry(40, 40, 260, 150);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mouseClick(pickers[1], Qt::LeftButton, {}, pickers[1]->rect().center());
    auto* grid = qobject_cast<CColourGridWnd*>(QApplication::activePopupWidget());
    QVERIFY(grid != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(grid));
    const QPoint cell = CellRect(1, 4, grid->Margin()).center();
    QTest::mouseMove(grid, cell);
    QTRY_COMPARE(grid->CurrentPosition(), (GridPosition{1, 4}));
    QHelpEvent help(QEvent::ToolTip, cell, grid->mapToGlobal(cell));
    QApplication::sendEvent(grid, &help);
    QTest::qWait(400);

    const QRect area = QRect(host.frameGeometry())
                           .united(grid->geometry())
                           .united(QRect(grid->geometry().topLeft(), QSize(260, 120)));
    const QPixmap shot = host.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QVERIFY(!shot.isNull());
    const QImage image = shot.toImage();
    // The cells appear on the screen where the grid was placed (those the tooltip leaves uncovered).
    const QPoint origin = grid->geometry().topLeft() - area.topLeft();
    for (int index : {0, 7, 8, 15, 16, 18})
    {
        const QPoint centre = origin + CellRect(index / GridColumns, index % GridColumns, grid->Margin()).center();
        QCOMPARE(image.pixelColor(centre), PaletteColour(index));
    }

    const QByteArray target = qgetenv("TARNIX_SCREENSHOT");
    if (!target.isEmpty())
    {
        QVERIFY(shot.save(QString::fromLocal8Bit(target), "PNG"));
    }
    QTest::keyClick(grid, Qt::Key_Escape);
    QToolTip::hideText();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestPickerScreenshot)
#include "tst_pickerscreenshot.moc"
