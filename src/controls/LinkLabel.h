#pragma once

// A label that links to a web address: drawn in a link colour (another once the link has been opened),
// optionally underlined, with the address as its tooltip. A click hands the address to the desktop's
// browser; when that fails it beeps and says why.

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <functional>

namespace tarnix
{

// Result codes of OpenLink, after the shell's open service: above 32 is success, the rest name a failure
// (see CLinkLabel::ErrorText).
inline constexpr int LinkOpened = 33;
inline constexpr int LinkFileNotFound = 2;   // an empty or malformed address
inline constexpr int LinkNoAssociation = 31; // the desktop has no handler that took the address

class CLinkLabel : public QLabel
{
    Q_OBJECT

  public:
    explicit CLinkLabel(QWidget* parent = nullptr);
    // Attached to a label that already has text: an address-like text becomes the address until one is
    // set, as a dialog's link usually names its own address.
    explicit CLinkLabel(const QString& text, QWidget* parent = nullptr);

    void SetLinkUrl(const QString& url);
    void SetLinkColours(const QColor& link, const QColor& visited);
    void MarkVisited(bool visited);
    void ShowUnderline(bool underline);
    void FitToText(bool fit);

    QColor LinkColour() const { return m_linkColour; }
    QColor VisitedColour() const { return m_visitedColour; }
    bool Visited() const { return m_visited; }
    bool Underlined() const { return m_underline; }
    bool FitsToText() const { return m_fitToText; }
    QString Url() const { return m_url; }
    // The colour the text is drawn in now.
    QColor TextColour() const;

    // The cursor shown over the link; the owner may replace it (the hand of the colours page).
    QCursor m_cursor;

    // What a click does: opens the address, or beeps and says why it could not. Enter, Return and Space on
    // the focused link do the same.
    void Follow();

    // Opens `url` in the desktop's browser without waiting for it. Above 32 on success, otherwise one of
    // the codes of ErrorText.
    // A failure the desktop reports only later reaches `refusedLater` with its code.
    static int OpenLink(const QString& url, const std::function<void(int code)>& refusedLater = {});
    // "Unable to open hyperlink:" and the line that explains `code`.
    static QString ErrorText(int code);

  signals:
    void Clicked();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Attach();
    void ApplyLook();
    void ResizeToText();
    void ShowFailure(int code);

    QColor m_linkColour{0, 0, 238};
    QColor m_visitedColour{85, 26, 139};
    bool m_visited = false;
    bool m_underline = true;
    bool m_fitToText = false;
    QString m_url;
};

// The browser fallback's command line: the registered command cut at the quoted placeholder "%1" or else
// at the bare %1 (a command without one is kept whole), then one space and the address.
QString FallbackCommandLine(const QString& browserCommand, const QString& url);

// The label's rectangle fitted to a text of `textSize`: centred vertically when the alignment says so,
// otherwise from the top; horizontally centred, or kept at the right edge, or kept at the left edge.
QRect FitRectToText(const QRect& rect, const QSize& textSize, Qt::Alignment alignment);

} // namespace tarnix
