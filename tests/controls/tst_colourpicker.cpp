// The kit colour picker driven the way a user drives it: a click opens the grid, real key and mouse events
// move the highlight and finish the pick, and the picker's signals are read in the order they arrive.

#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace tarnix;

Q_DECLARE_METATYPE(GridPosition)

namespace
{

QString Hex(const QColor& colour)
{
    return colour.name();
}

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform cannot raise or grab; it says so for every popup, which only buries real output.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
    {
        return;
    }
    g_previousHandler(type, context, message);
}

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestColourPicker : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(QuietOffscreenWarnings); }
    void init();
    void cleanup();

    void gridGeometry();
    void pickerShape();
    void sunkenEdgeInWholeDevicePixels();
    void placementKeepsTheGridOnTheScreen();
    void keyboardTable_data();
    void keyboardTable();
    void enterWithoutHighlightAcceptsInitialColour();
    void pastTheGridRunsTheColourDialog();
    void escapeAndClickOutsideCancel();
    void mouseHighlightFollowsAndButtonUpAccepts();
    void pickingTheCurrentColourSendsNoChange();
    void notUsedReportsItsIndexWithBlack();
    void tooltipsNameEveryCell();
    void gridDrawsThePalette();
    void gridOpensNearScreenEdgesOnScreen();
    void anotherWindowTakingTheFocusCancels();
    void dataExchange();

  private:
    CColourGridWnd* OpenGrid();
    void Key(int key);
    void Record(CColourPicker* picker);

    QWidget* m_host = nullptr;
    CColourPicker* m_picker = nullptr;
    QStringList m_log;
    std::optional<QColor> m_dialogAnswer;
    QList<QColor> m_dialogCalls;
};

void TestColourPicker::init()
{
    PlatformScript::Begin();
    m_log.clear();
    m_dialogAnswer.reset();
    m_dialogCalls.clear();
    SetColourDialogHook(
        [this](QWidget*, const QColor& initial)
        {
            m_dialogCalls.append(initial);
            return m_dialogAnswer;
        });
    m_host = new QWidget;
    m_host->setGeometry(100, 100, 300, 200);
    m_picker = new CColourPicker(m_host);
    m_picker->setObjectName(QStringLiteral("1016"));
    m_picker->setGeometry(20, 30, 40, 20);
    m_picker->SetPickerColour(PaletteColour(1));
    Record(m_picker);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
}

void TestColourPicker::cleanup()
{
    delete m_host;
    m_host = nullptr;
    QToolTip::hideText();
    FlushDeletes();
    SetColourDialogHook({});
    PlatformScript::End();
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        QVERIFY2(!widget->isVisible(), qPrintable(widget->metaObject()->className()));
    }
}

void TestColourPicker::Record(CColourPicker* picker)
{
    connect(picker, &CColourPicker::DropDown, this,
            [this](const QColor& c, int id) { m_log << QStringLiteral("DropDown %1 %2").arg(Hex(c)).arg(id); });
    connect(picker, &CColourPicker::CloseUp, this,
            [this](const QColor& c, int id) { m_log << QStringLiteral("CloseUp %1 %2").arg(Hex(c)).arg(id); });
    connect(picker, &CColourPicker::Accept, this,
            [this](int index, int id) { m_log << QStringLiteral("Accept %1 %2").arg(index).arg(id); });
    connect(picker, &CColourPicker::Cancel, this,
            [this](const QColor& c, int id) { m_log << QStringLiteral("Cancel %1 %2").arg(Hex(c)).arg(id); });
    connect(picker, &CColourPicker::Change, this,
            [this](const QColor& c, int id) { m_log << QStringLiteral("Change %1 %2").arg(Hex(c)).arg(id); });
}

CColourGridWnd* TestColourPicker::OpenGrid()
{
    QTest::mouseClick(m_picker, Qt::LeftButton, {}, m_picker->rect().center());
    auto* grid = qobject_cast<CColourGridWnd*>(QApplication::activePopupWidget());
    if (grid != nullptr)
    {
        [&] { QVERIFY(QTest::qWaitForWindowExposed(grid)); }();
    }
    return grid;
}

void TestColourPicker::Key(int key)
{
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup != nullptr);
    QTest::keyClick(popup, Qt::Key(key));
}

void TestColourPicker::gridGeometry()
{
    QCOMPARE(GridRows, 3);
    QCOMPARE(GridCellSize(2), 18);
    QCOMPARE(GridSize(2), QSize(148, 58));
    // A frame so wide that 18 pixels leave no room for a swatch grows the cell instead.
    QCOMPARE(GridCellSize(6), 19);
    QCOMPARE(GridCellSize(5), 18);

    QCOMPARE(CellRect(0, 0, 2), QRect(2, 2, 18, 18));
    QCOMPARE(CellRect(2, 7, 2), QRect(128, 38, 18, 18));
    QVERIFY(CellRect(3, 0, 2).isNull());
    QVERIFY(CellRect(0, 8, 2).isNull());
    QVERIFY(CellRect(-2, -2, 2).isNull());

    // The margins count as row and column 0; beyond the cells there is no cell.
    QCOMPARE(CellAt(QPoint(0, 0), 2), (GridPosition{0, 0}));
    QCOMPARE(CellAt(QPoint(20, 19), 2), (GridPosition{0, 1}));
    QCOMPARE(CellAt(QPoint(145, 55), 2), (GridPosition{2, 7}));
    QVERIFY(!IsGridCell(CellAt(QPoint(147, 57), 2)));
    QVERIFY(!IsGridCell(CellAt(QPoint(-30, 5), 2)));

    QCOMPARE(PositionIndex(NoGridPosition), -9);
    QCOMPARE(PositionIndex(PastGridPosition), -18);
    QCOMPARE(PositionIndex({2, 7}), 23);
    QCOMPARE(PaletteName(23), QStringLiteral("Not Used"));
    QCOMPARE(PaletteColour(23), PaletteColour(22));
}

void TestColourPicker::pickerShape()
{
    const PickerMetrics classic{2, 2, 16, 16};
    QCOMPARE(ArrowSide(classic), 16);
    QCOMPARE(PickerMinimumWidth(classic), 38);
    QCOMPARE(PickerHeight(classic), 21);
    const QRect box = ArrowBoxFor(classic, QSize(50, 21));
    QCOMPARE(box, QRect(31, 2, 17, 17));
    const std::array<QPoint, 3> arrow = ArrowPoints(classic, box);
    QCOMPARE(arrow[0], QPoint(39, 12));
    QCOMPARE(arrow[1], QPoint(35, 8));
    QCOMPARE(arrow[2], QPoint(43, 8));
    QCOMPARE(SwatchRect(classic, QSize(50, 21)), QRect(2, 2, 29, 17));

    // The real button keeps its top-left corner and takes the width and height the style's metrics give.
    const PickerMetrics metrics = m_picker->Metrics();
    m_picker->setGeometry(15, 25, 5, 60);
    QCOMPARE(m_picker->pos(), QPoint(15, 25));
    QCOMPARE(m_picker->width(), PickerMinimumWidth(metrics));
    QCOMPARE(m_picker->height(), PickerHeight(metrics));
    m_picker->setGeometry(15, 25, 90, 10);
    QCOMPARE(m_picker->width(), 90);
    QCOMPARE(m_picker->ArrowBox(), ArrowBoxFor(metrics, QSize(90, PickerHeight(metrics))));

    // Swatch in the picker's colour, black arrow in the arrow box.
    m_picker->SetPickerColour(QColor(12, 200, 34));
    const QImage image = m_picker->grab().toImage();
    QCOMPARE(image.pixelColor(SwatchRect(metrics, m_picker->size()).center()), QColor(12, 200, 34));
    const std::array<QPoint, 3> points = ArrowPoints(metrics, m_picker->ArrowBox());
    const QPoint inside((points[1].x() + points[2].x()) / 2, points[1].y() + 1);
    QCOMPARE(image.pixelColor(inside), QColor(Qt::black));

    // With the focus, the mark is a dotted outline only: the swatch inside it shows the exact colour.
    QApplication::setActiveWindow(m_picker->window());
    m_picker->setFocus();
    QTRY_VERIFY(m_picker->hasFocus());
    const QImage focused = m_picker->grab().toImage();
    const QRect inner = SwatchRect(metrics, m_picker->size()).adjusted(2, 2, -3, -3);
    for (int y = inner.top(); y <= inner.bottom(); ++y)
    {
        for (int x = inner.left(); x <= inner.right(); ++x)
        {
            QCOMPARE(focused.pixelColor(x, y), QColor(12, 200, 34));
        }
    }
}

void TestColourPicker::sunkenEdgeInWholeDevicePixels()
{
    // Light Gray: the colour that vanished into the page when the top of the edge was lost at 150 %.
    m_picker->SetPickerColour(PaletteColour(20));
    m_picker->resize(60, m_picker->height());
    const QPalette& colours = m_picker->palette();
    for (const qreal ratio : {1.0, 1.5, 2.0})
    {
        QImage image(m_picker->size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        m_picker->render(&image);
        const PickerMetrics device = ScaledMetrics(m_picker->Metrics(), ratio);
        const QRect swatch = SwatchRect(device, image.size());
        const int outer = device.edgeX < 2 ? device.edgeX : device.edgeX / 2;
        // Down the middle of the swatch and across its middle: the outer line, the inner line, the colour.
        for (int i = 0; i <= device.edgeX; ++i)
        {
            const QColor expected = i == device.edgeX ? PaletteColour(20)
                                    : i < outer       ? colours.color(QPalette::Dark)
                                                      : colours.color(QPalette::Shadow);
            QCOMPARE(Hex(image.pixelColor(swatch.center().x(), i)), Hex(expected));
            QCOMPARE(Hex(image.pixelColor(i, swatch.center().y())), Hex(expected));
        }
    }
}

void TestColourPicker::placementKeepsTheGridOnTheScreen()
{
    const QRect screen(0, 0, 800, 600);
    // Room enough: unchanged.
    QCOMPARE(PlaceGrid(QRect(100, 100, 148, 58), screen, 21), QRect(100, 100, 148, 58));
    // Past the right edge: the right edge lies on the screen's.
    QCOMPARE(PlaceGrid(QRect(700, 100, 148, 58), screen, 21), QRect(652, 100, 148, 58));
    // Wider than the screen: the left edge wins.
    QCOMPARE(PlaceGrid(QRect(-20, 100, 900, 58), screen, 21), QRect(0, 100, 900, 58));
    // Past the bottom: above the picker (whose bottom is the wanted top, 560, and top 539), the popup's
    // bottom on the picker's top.
    QCOMPARE(PlaceGrid(QRect(100, 560, 148, 58), screen, 21), QRect(100, 481, 148, 58));
    // Both, on a second screen right of the first.
    QCOMPARE(PlaceGrid(QRect(1500, 1050, 148, 58), QRect(800, 0, 800, 1080), 21), QRect(1452, 971, 148, 58));
}

void TestColourPicker::keyboardTable_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<GridPosition>("expected");

    const int D = Qt::Key_Down, U = Qt::Key_Up, R = Qt::Key_Right, L = Qt::Key_Left;
    // From none.
    QTest::newRow("none down") << QList<int>{D} << GridPosition{0, 0};
    QTest::newRow("none up") << QList<int>{U} << GridPosition{2, 0};
    QTest::newRow("none right") << QList<int>{R} << GridPosition{0, 0};
    QTest::newRow("none left") << QList<int>{L} << GridPosition{2, 7};
    // From a cell.
    QTest::newRow("down") << QList<int>{D, R, R, R, D} << GridPosition{1, 3};
    QTest::newRow("down from last row") << QList<int>{U, R, R, R, D} << PastGridPosition;
    QTest::newRow("up") << QList<int>{U, R, R, R, U} << GridPosition{1, 3};
    QTest::newRow("up from row 0") << QList<int>{D, R, R, R, U} << PastGridPosition;
    QTest::newRow("right") << QList<int>{D, D, R, R, R} << GridPosition{1, 3};
    QTest::newRow("right wraps") << QList<int>{D, D, L, R} << GridPosition{1, 0};
    QTest::newRow("left") << QList<int>{D, D, R, R, L} << GridPosition{1, 1};
    QTest::newRow("left wraps") << QList<int>{D, D, L} << GridPosition{1, 7};
    // From the position past the grid.
    QTest::newRow("past down") << QList<int>{D, U, D} << GridPosition{0, 0};
    QTest::newRow("past up") << QList<int>{D, U, U} << GridPosition{2, 0};
    QTest::newRow("past right") << QList<int>{D, U, R} << GridPosition{0, 0};
    QTest::newRow("past left") << QList<int>{D, U, L} << GridPosition{2, 7};
    // Other keys change nothing.
    QTest::newRow("other key") << QList<int>{D, R, Qt::Key_A, Qt::Key_Space} << GridPosition{0, 1};
}

void TestColourPicker::keyboardTable()
{
    QFETCH(QList<int>, keys);
    QFETCH(GridPosition, expected);

    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->CurrentPosition(), NoGridPosition);
    QSignalSpy changes(grid, &CColourGridWnd::Change);
    for (int key : keys)
    {
        Key(key);
    }
    QCOMPARE(grid->CurrentPosition(), expected);
    QCOMPARE(changes.size(), keys.size() - keys.count(Qt::Key_A) - keys.count(Qt::Key_Space));
    const QList<QVariant> last = changes.last();
    if (expected == PastGridPosition)
    {
        QCOMPARE(last.at(0).value<QColor>(), grid->InitialColour());
        QCOMPARE(last.at(1).toInt(), 0);
        QCOMPARE(grid->SelectedColour(), grid->InitialColour());
    }
    else
    {
        const int index = PositionIndex(expected);
        QCOMPARE(last.at(0).value<QColor>(), PaletteColour(index));
        QCOMPARE(last.at(1).toInt(), index);
        QCOMPARE(grid->SelectedColour(), PaletteColour(index));
    }
    // The swatch never follows the highlight.
    QCOMPARE(m_picker->PickerColour(), PaletteColour(1));
    Key(Qt::Key_Escape);
}

void TestColourPicker::enterWithoutHighlightAcceptsInitialColour()
{
    QVERIFY(OpenGrid() != nullptr);
    Key(Qt::Key_Return);
    FlushDeletes();
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    const QString initial = Hex(PaletteColour(1));
    QCOMPARE(m_log,
             (QStringList{"DropDown " + initial + " 1016", "CloseUp " + initial + " 1016", "Accept -9 1016"}));
    QVERIFY(m_dialogCalls.isEmpty());
    QCOMPARE(m_picker->findChildren<CColourGridWnd*>().size(), 0);

    // The same with the mouse: a button-up inside the grid but off the cells (the bottom-right frame).
    m_log.clear();
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() - 1, grid->height() - 1));
    QCOMPARE(m_log.mid(1), (QStringList{"CloseUp " + initial + " 1016", "Accept -9 1016"}));
}

void TestColourPicker::pastTheGridRunsTheColourDialog()
{
    // Confirmed: the dialog's colour becomes the picker's, reported with -18.
    m_dialogAnswer = QColor(1, 2, 3);
    QVERIFY(OpenGrid() != nullptr);
    Key(Qt::Key_Down);
    Key(Qt::Key_Up);
    Key(Qt::Key_Enter);
    QCOMPARE(m_dialogCalls, QList<QColor>{PaletteColour(1)});
    const QString initial = Hex(PaletteColour(1));
    QCOMPARE(m_log, (QStringList{"DropDown " + initial + " 1016", "CloseUp #010203 1016", "Accept -18 1016",
                                 "Change #010203 1016"}));
    QCOMPARE(m_picker->PickerColour(), QColor(1, 2, 3));

    // Dismissed after passing a cell on the way: the colour stays, still an accept with -18 and no change.
    m_log.clear();
    m_dialogAnswer.reset();
    QVERIFY(OpenGrid() != nullptr);
    Key(Qt::Key_Up);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    QCOMPARE(m_log, (QStringList{"DropDown #010203 1016", "CloseUp #010203 1016", "Accept -18 1016"}));
    QCOMPARE(m_dialogCalls.size(), 2);
    QCOMPARE(m_picker->PickerColour(), QColor(1, 2, 3));
}

void TestColourPicker::escapeAndClickOutsideCancel()
{
    const QString initial = Hex(PaletteColour(1));
    const QStringList cancelled{"DropDown " + initial + " 1016", "CloseUp " + initial + " 1016",
                                "Cancel " + initial + " 1016"};

    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    QCOMPARE(grid->SelectedColour(), PaletteColour(1));
    Key(Qt::Key_Down);
    Key(Qt::Key_Escape);
    QCOMPARE(m_log, cancelled);
    QCOMPARE(m_picker->PickerColour(), PaletteColour(1));

    // A highlighted cell, then a click well outside the grid (both press and release outside).
    m_log.clear();
    grid = OpenGrid();
    QVERIFY(grid != nullptr);
    QTest::mouseMove(grid, CellRect(1, 4, grid->Margin()).center());
    QCOMPARE(grid->CurrentPosition(), (GridPosition{1, 4}));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() + 40, grid->height() + 40));
    QCOMPARE(m_log, cancelled);
    QCOMPARE(m_picker->PickerColour(), PaletteColour(1));
    FlushDeletes();
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestColourPicker::mouseHighlightFollowsAndButtonUpAccepts()
{
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    const int margin = grid->Margin();
    QTest::mouseMove(grid, CellRect(0, 5, margin).center());
    QCOMPARE(grid->CurrentPosition(), (GridPosition{0, 5}));
    QTest::mouseMove(grid, CellRect(2, 1, margin).center());
    QCOMPARE(grid->CurrentPosition(), (GridPosition{2, 1}));
    // Leaving the cells (outside the window while the popup holds the mouse) keeps the highlight.
    QTest::mouseMove(grid, QPoint(-60, -60));
    QCOMPARE(grid->CurrentPosition(), (GridPosition{2, 1}));
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellRect(2, 1, margin).center());
    const QString blue = Hex(PaletteColour(17));
    QCOMPARE(m_log, (QStringList{"DropDown " + Hex(PaletteColour(1)) + " 1016", "CloseUp " + blue + " 1016",
                                 "Accept 17 1016", "Change " + blue + " 1016"}));
    QCOMPARE(m_picker->PickerColour(), PaletteColour(17));
}

void TestColourPicker::pickingTheCurrentColourSendsNoChange()
{
    m_picker->SetPickerColour(PaletteColour(10));
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    // Opening highlights nothing, even though the colour is in the palette.
    QCOMPARE(grid->CurrentPosition(), NoGridPosition);
    QTest::mouseClick(grid, Qt::LeftButton, {}, CellRect(1, 2, grid->Margin()).center());
    const QString green = Hex(PaletteColour(10));
    QCOMPARE(m_log, (QStringList{"DropDown " + green + " 1016", "CloseUp " + green + " 1016", "Accept 10 1016"}));
}

void TestColourPicker::notUsedReportsItsIndexWithBlack()
{
    QVERIFY(OpenGrid() != nullptr);
    Key(Qt::Key_Left); // (2, 7), "Not Used"
    Key(Qt::Key_Return);
    const QString black = Hex(PaletteColour(22));
    QCOMPARE(black, QStringLiteral("#282828"));
    QCOMPARE(m_log.mid(1),
             (QStringList{"CloseUp " + black + " 1016", "Accept 23 1016", "Change " + black + " 1016"}));
    QCOMPARE(m_picker->PickerColour(), PaletteColour(22));
}

void TestColourPicker::tooltipsNameEveryCell()
{
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    const QStringList names{"Pink",        "Light Red", "Red",        "Light Orange", "Orange",       "Brown",
                            "Yellow",      "Gold",      "Dark Gold",  "Light Green",  "Green",        "Dark Green",
                            "Light Blue",  "Blue",      "Dark Blue",  "Navy",         "Light Purple", "Purple",
                            "Dark Purple", "White",     "Light Gray", "Dark Gray",    "Black",        "Not Used"};
    for (int index = 0; index < GridColourCount; ++index)
    {
        const QPoint centre = CellRect(index / GridColumns, index % GridColumns, grid->Margin()).center();
        QHelpEvent help(QEvent::ToolTip, centre, grid->mapToGlobal(centre));
        QApplication::sendEvent(grid, &help);
        QCOMPARE(QToolTip::text(), names.at(index));
        QVERIFY(QToolTip::isVisible());
    }
    Key(Qt::Key_Escape);
    QVERIFY(!QToolTip::isVisible());
}

void TestColourPicker::gridDrawsThePalette()
{
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->size(), GridSize(grid->Margin()));
    Key(Qt::Key_Down);
    const QImage image = grid->grab().toImage();
    for (int index = 0; index < GridColourCount; ++index)
    {
        const QRect cell = CellRect(index / GridColumns, index % GridColumns, grid->Margin());
        QCOMPARE(image.pixelColor(cell.center()), PaletteColour(index));
        // The cell's corner shows the button face, or the raised edge's light side on the highlighted cell.
        const QColor corner = image.pixelColor(cell.topLeft());
        QCOMPARE(corner != grid->palette().color(QPalette::Button), index == 0);
    }
    Key(Qt::Key_Escape);
}

void TestColourPicker::gridOpensNearScreenEdgesOnScreen()
{
    const QRect screen = m_host->screen()->geometry();
    // The host in the bottom-right corner of the screen.
    m_host->move(screen.right() - 80, screen.bottom() - 90);
    QCoreApplication::processEvents();
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    const QRect placed = grid->geometry();
    const QRect picker(m_picker->mapToGlobal(QPoint(0, 0)), m_picker->size());
    QCOMPARE(placed.right(), screen.right());
    QCOMPARE(placed.bottom() + 1, picker.top());
    QCOMPARE(placed, grid->WindowRect());
    Key(Qt::Key_Escape);

    // With room below and to the right, the grid hangs from the picker's bottom-left corner.
    m_host->move(screen.left() + 10, screen.top() + 10);
    QCoreApplication::processEvents();
    grid = OpenGrid();
    QVERIFY(grid != nullptr);
    const QPoint corner = m_picker->mapToGlobal(QPoint(0, m_picker->height()));
    QCOMPARE(grid->geometry().topLeft(), corner);
    Key(Qt::Key_Escape);
}

void TestColourPicker::anotherWindowTakingTheFocusCancels()
{
    QWidget other;
    other.setGeometry(500, 100, 100, 100);
    CColourGridWnd* grid = OpenGrid();
    QVERIFY(grid != nullptr);
    Key(Qt::Key_Down);
    QPointer<CColourGridWnd> watch(grid);
    other.show();
    other.activateWindow();
    QTRY_COMPARE(m_log.size(), 3);
    const QString initial = Hex(PaletteColour(1));
    QCOMPARE(m_log.mid(1), (QStringList{"CloseUp " + initial + " 1016", "Cancel " + initial + " 1016"}));
    FlushDeletes();
    QVERIFY(watch.isNull());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    other.hide();

    // The application losing the activation as a whole (the platform's notice, as switching to another
    // program sends it).
    m_log.clear();
    grid = OpenGrid();
    QVERIFY(grid != nullptr);
    Key(Qt::Key_Left);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QCOMPARE(m_log.mid(1), (QStringList{"CloseUp " + initial + " 1016", "Cancel " + initial + " 1016"}));
    FlushDeletes();
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestColourPicker::dataExchange()
{
    QColor member(9, 8, 7);
    DDX_PickerColour(false, m_picker, member);
    QCOMPARE(m_picker->PickerColour(), QColor(9, 8, 7));
    m_picker->SetPickerColour(QColor(4, 5, 6));
    DDX_PickerColour(true, m_picker, member);
    QCOMPARE(member, QColor(4, 5, 6));
    QCOMPARE(m_picker->ControlId(), 1016);
    // A fresh picker shows the button face.
    CColourPicker fresh;
    QCOMPARE(fresh.PickerColour(), fresh.palette().color(QPalette::Button));
}

QTEST_MAIN(TestColourPicker)
#include "tst_colourpicker.moc"
