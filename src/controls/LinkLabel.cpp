#include "controls/LinkLabel.h"

#include "controls/ControlAccessibility.h"
#include "platform/BrowserCommand.h"
#include "ui/Platform.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QUrl>

namespace tarnix
{

CLinkLabel::CLinkLabel(QWidget* parent) : QLabel(parent)
{
    Attach();
}

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    Attach();
}

void CLinkLabel::Attach()
{
    InstallControlAccessibility();
    // Reachable with Tab like any other control, and followed with Enter (keyPressEvent).
    setFocusPolicy(Qt::StrongFocus);
    // A plain dialog text sits at the top left; fitting to the text follows this alignment.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (m_url.isEmpty())
    {
        m_url = text();
    }
    if (text().isEmpty() && !m_url.isEmpty())
    {
        setText(m_url);
    }
    ResizeToText();
    m_cursor = QCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    setToolTip(m_url);
    ApplyLook();
}

void CLinkLabel::SetLinkUrl(const QString& url)
{
    m_url = url;
    ResizeToText();
    setToolTip(m_url);
}

void CLinkLabel::SetLinkColours(const QColor& link, const QColor& visited)
{
    m_linkColour = link;
    m_visitedColour = visited;
    ApplyLook();
}

void CLinkLabel::MarkVisited(bool visited)
{
    m_visited = visited;
    ApplyLook();
}

void CLinkLabel::ShowUnderline(bool underline)
{
    m_underline = underline;
    ApplyLook();
}

void CLinkLabel::FitToText(bool fit)
{
    m_fitToText = fit;
    ResizeToText();
}

QColor CLinkLabel::TextColour() const
{
    return palette().color(QPalette::WindowText);
}

void CLinkLabel::ApplyLook()
{
    QPalette colours = palette();
    const QColor text = m_visited ? m_visitedColour : m_linkColour;
    colours.setColor(QPalette::Active, QPalette::WindowText, text);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, text);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, text);
    setPalette(colours);
    QFont look = font();
    look.setUnderline(m_underline);
    setFont(look);
    update();
}

// Measured with the font the label draws with, so the fitted size is the size of the text on the screen.
void CLinkLabel::ResizeToText()
{
    if (!m_fitToText)
    {
        return;
    }
    const QSize textSize = fontMetrics().size(0, text());
    setGeometry(FitRectToText(geometry(), textSize, alignment()));
}

bool CLinkLabel::event(QEvent* event)
{
    switch (event->type())
    {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (cursor().shape() != m_cursor.shape() || m_cursor.shape() == Qt::BitmapCursor)
        {
            setCursor(m_cursor);
        }
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
    {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    Follow();
}

void CLinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key())
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        Follow();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void CLinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
    {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CLinkLabel::Follow()
{
    const QPointer<CLinkLabel> self(this);
    const int code = OpenLink(m_url,
                              [self](int late)
                              {
                                  if (self)
                                  {
                                      self->ShowFailure(late);
                                  }
                              });
    m_visited = code > 32;
    if (m_visited)
    {
        MarkVisited(true);
    }
    else
    {
        ShowFailure(code);
    }
    emit Clicked();
}

void CLinkLabel::ShowFailure(int code)
{
    m_visited = false;
    ApplyLook();
    Beep();
    ShowMessage(this, ErrorText(code), MsgButtons::Ok, MsgIcon::Exclamation);
}

int CLinkLabel::OpenLink(const QString& url, const std::function<void(int code)>& refusedLater)
{
    const QUrl address(url.trimmed());
    if (url.trimmed().isEmpty() || !address.isValid())
    {
        return LinkFileNotFound;
    }
    if (OpenUrl(url.trimmed(), refusedLater))
    {
        return LinkOpened;
    }
    int code = LinkNoAssociation;
    // The browser registered for ".htm" pages, as a last resort; off Windows there is none (-1).
    if (const int f = tarnix::OpenWithHtmBrowser(url.trimmed().toStdString()); f >= 0)
    {
        code = f;
    }
    return code;
}

QString CLinkLabel::ErrorText(int code)
{
    QString line;
    switch (code)
    {
    case 0:
        line = tr("The operating system is out\nof memory or resources.");
        break;
    case 2:
        line = tr("The specified file was not found.");
        break;
    case 3:
        line = tr("The specified path was not found.");
        break;
    case 5:
        line = tr("The operating system denied\naccess to the specified file.");
        break;
    case 8:
        line = tr("There was not enough memory to complete the operation.");
        break;
    case 11:
        line = tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        break;
    case 26:
        line = tr("A sharing violation occurred. ");
        break;
    case 27:
        line = tr("The filename association is\nincomplete or invalid.");
        break;
    case 28:
        line = tr("The DDE transaction could not\nbe completed because the request timed out.");
        break;
    case 29:
        line = tr("The DDE transaction failed.");
        break;
    case 30:
        line = tr("The DDE transaction could not\nbe completed because other DDE transactions\nwere "
                  "being processed.");
        break;
    case 31:
        line = tr("There is no application associated\nwith the given filename extension.");
        break;
    case 32:
        line = tr("The specified dynamic-link library was not found.");
        break;
    default:
        line = tr("Unknown Error (%1) occurred.").arg(code);
        break;
    }
    return tr("Unable to open hyperlink:\n\n") + line;
}

QString FallbackCommandLine(const QString& browserCommand, const QString& url)
{
    QString command = browserCommand;
    qsizetype cut = command.indexOf(QStringLiteral("\"%1\""));
    if (cut < 0)
    {
        cut = command.indexOf(QStringLiteral("%1"));
    }
    if (cut >= 0)
    {
        command.truncate(cut);
    }
    return command + QLatin1Char(' ') + url;
}

QRect FitRectToText(const QRect& rect, const QSize& textSize, Qt::Alignment alignment)
{
    QRect fitted = rect;
    if (alignment & Qt::AlignVCenter)
    {
        const int shrink = (rect.height() - textSize.height()) / 2;
        fitted.setTop(rect.top() + shrink);
        fitted.setHeight(rect.height() - 2 * shrink);
    }
    else
    {
        fitted.setHeight(textSize.height());
    }
    if (alignment & Qt::AlignHCenter)
    {
        const int shrink = (rect.width() - textSize.width()) / 2;
        fitted.setLeft(rect.left() + shrink);
        fitted.setWidth(rect.width() - 2 * shrink);
    }
    else if (alignment & Qt::AlignRight)
    {
        const int right = rect.x() + rect.width();
        fitted.setWidth(textSize.width());
        fitted.moveLeft(right - textSize.width());
    }
    else
    {
        fitted.setWidth(textSize.width());
    }
    return fitted;
}

} // namespace tarnix
