#include "controls/ColourGridWnd.h"

#include "controls/ColourPicker.h"
#include "controls/EdgeDrawing.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace tarnix
{

namespace
{

ColourDialogHook& TheColourDialogHook()
{
    static ColourDialogHook hook;
    return hook;
}

std::optional<QColor> RunColourDialog(QWidget* parent, const QColor& initial)
{
    if (TheColourDialogHook())
    {
        return TheColourDialogHook()(parent, initial);
    }
    if (PlatformScript::Active())
    {
        return std::nullopt;
    }
    // Qt's dialog always shows the custom colour part and takes any colour.
    const QColor chosen = QColorDialog::getColor(initial, parent, CColourGridWnd::tr("Colour"));
    if (!chosen.isValid())
    {
        return std::nullopt;
    }
    return chosen;
}

} // namespace

void SetColourDialogHook(ColourDialogHook hook)
{
    TheColourDialogHook() = std::move(hook);
}

CColourGridWnd::CColourGridWnd(const QPoint& topLeft, const QColor& initial, QWidget* owner)
    : QWidget(owner, Qt::Popup), m_topLeft(topLeft), m_initial(initial), m_selected(initial)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);
    setAutoFillBackground(true);
}

CColourGridWnd::~CColourGridWnd()
{
    // Destroyed with its picker while open: nobody is left to tell.
    m_finished = true;
}

int CColourGridWnd::Margin() const
{
    return PickerMetricsOf(style()).edgeX;
}

void CColourGridWnd::Open()
{
    const int margin = Margin();
    QScreen* screen = QGuiApplication::screenAt(m_topLeft);
    if (screen == nullptr)
    {
        screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    }
    const int pickerHeight = parentWidget() != nullptr ? parentWidget()->height() : 0;
    const QRect wanted(m_topLeft, GridSize(margin));
    m_windowRect = screen != nullptr ? PlaceGrid(wanted, screen->geometry(), pickerHeight) : wanted;
    setGeometry(m_windowRect);

    // A popup receives every mouse and key event while it is shown. Qt closes it when another window is
    // activated (hideEvent turns that into a cancel); should the whole application lose the activation
    // instead, the pick is cancelled too, so the grid is never left open without input.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state)
            {
                if (state != Qt::ApplicationActive)
                {
                    FinishPick(false);
                }
            });

    show();
    setFocus(Qt::PopupFocusReason);
}

void CColourGridWnd::MoveHighlight(int row, int column)
{
    if (IsGridCell(m_current) || m_current == PastGridPosition)
    {
        const QRect old = CellRect(m_current.row, m_current.column, Margin());
        m_current = NoGridPosition;
        update(old);
    }
    m_current = {row, column};
    update(CellRect(row, column, Margin()));
    if (m_current == PastGridPosition)
    {
        // Past the grid stands for the colour the grid opened with (or a custom one from the dialog), not
        // for the cell passed on the way there: dismissing the dialog must not pick that cell.
        m_selected = m_initial;
        emit Change(m_initial, 0);
        return;
    }
    if (!IsGridCell(m_current))
    {
        return;
    }
    const int index = PositionIndex(m_current);
    m_selected = PaletteColour(index);
    emit Change(m_selected, index);
}

void CColourGridWnd::FinishPick(bool accept)
{
    if (m_finished)
    {
        return;
    }
    m_finished = true;
    disconnect(qApp, nullptr, this, nullptr);
    QToolTip::hideText();
    // Hiding the popup gives the mouse and keyboard back before anything else happens.
    hide();

    if (accept && m_current == PastGridPosition)
    {
        if (const std::optional<QColor> chosen = RunColourDialog(parentWidget(), m_initial))
        {
            m_selected = *chosen;
        }
    }
    if (!accept)
    {
        m_selected = m_initial;
    }
    const int index = PositionIndex(m_current);
    if (accept)
    {
        emit Accept(m_selected, index);
    }
    else
    {
        emit Cancel(m_selected, index);
    }
    deleteLater();
}

bool CColourGridWnd::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
    {
        const auto* help = static_cast<QHelpEvent*>(event);
        const GridPosition position = CellAt(help->pos(), Margin());
        const QRect cell = CellRect(position.row, position.column, Margin());
        if (cell.isValid() && cell.contains(help->pos()))
        {
            QToolTip::showText(help->globalPos(), PaletteName(PositionIndex(position)), this, cell);
        }
        else
        {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void CColourGridWnd::DrawCell(QPainter& painter, int row, int column)
{
    const int margin = Margin();
    const QRect cell = CellRect(row, column, margin);
    painter.fillRect(cell, palette().color(QPalette::Button));
    if (m_current == GridPosition{row, column})
    {
        DrawEdge(painter, cell, palette(), true, margin);
    }
    const QRect swatch = cell.adjusted(margin + 1, margin + 1, -(margin + 1), -(margin + 1));
    painter.fillRect(swatch, PaletteColour(PositionIndex({row, column})));
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void CColourGridWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int row = 0; row < GridRows; ++row)
    {
        for (int column = 0; column < GridColumns; ++column)
        {
            DrawCell(painter, row, column);
        }
    }
    DrawEdge(painter, rect(), palette(), true, Margin());
}

void CColourGridWnd::mouseMoveEvent(QMouseEvent* event)
{
    const GridPosition position = CellAt(event->position().toPoint(), Margin());
    if (IsGridCell(position) && position != m_current)
    {
        MoveHighlight(position.row, position.column);
    }
    event->accept();
}

void CColourGridWnd::mousePressEvent(QMouseEvent* event)
{
    // A popup closes itself on a press outside it; here only the button-up decides, as the pick rules say.
    event->accept();
}

void CColourGridWnd::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
    {
        return;
    }
    // A pointer always passes over a cell before it is released there, but a touch tap has no moves: the
    // cell under the release is the highlighted one either way.
    const QPoint point = event->position().toPoint();
    const GridPosition position = CellAt(point, Margin());
    if (rect().contains(point) && IsGridCell(position) && position != m_current)
    {
        MoveHighlight(position.row, position.column);
    }
    FinishPick(rect().contains(point));
}

void CColourGridWnd::keyPressEvent(QKeyEvent* event)
{
    switch (event->key())
    {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Left:
    {
        const GridPosition target = ArrowKeyTarget(m_current, event->key());
        MoveHighlight(target.row, target.column);
        event->accept();
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        FinishPick(true);
        return;
    case Qt::Key_Escape:
        event->accept();
        m_selected = m_initial;
        FinishPick(false);
        return;
    default:
        event->ignore();
        return;
    }
}

void CColourGridWnd::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Closed from outside (the platform closing popups, a window taking over): that is a cancel.
    if (!m_finished)
    {
        FinishPick(false);
    }
}

} // namespace tarnix
