// The hyperlink label clicked the way a user clicks it, with the desktop's browser answered by the test
// script: colours before and after opening, the failure messages, and fitting the label to its text.

#include "controls/LinkLabel.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnix;

class TestLinkLabel : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void freshLinkLooks();
    void successfulOpenMarksVisited();
    void failingOpenBeepsAndExplains();
    void aHelperThatFindsNoBrowserIsTold();
    void errorTexts();
    void emptyAddressIsReportedNotOpened();
    void fallbackCommandLine_data();
    void fallbackCommandLine();
    void fitToText();
    void attachingTakesTextAndAddressFromEachOther();
    void cursorIsTheOwnersChoice();

  private:
    QWidget* m_host = nullptr;
    QStringList m_opened;
    bool m_openAnswer = true;
};

void TestLinkLabel::init()
{
    PlatformScript::Begin();
    m_opened.clear();
    m_openAnswer = true;
    PlatformScript::SetOpenUrlHook(
        [this](const QString& url)
        {
            m_opened << url;
            return m_openAnswer;
        });
    m_host = new QWidget;
    m_host->resize(400, 200);
}

void TestLinkLabel::cleanup()
{
    delete m_host;
    m_host = nullptr;
    PlatformScript::End();
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        QVERIFY(!widget->isVisible());
    }
}

void TestLinkLabel::freshLinkLooks()
{
    CLinkLabel link(m_host);
    QCOMPARE(link.LinkColour(), QColor(0, 0, 238));
    QCOMPARE(link.VisitedColour(), QColor(85, 26, 139));
    QCOMPARE(link.TextColour(), QColor(0, 0, 238));
    QVERIFY(link.font().underline());
    QVERIFY(!link.Visited());
    QVERIFY(!link.FitsToText());
    link.ShowUnderline(false);
    QVERIFY(!link.font().underline());
    link.MarkVisited(true);
    QCOMPARE(link.TextColour(), QColor(85, 26, 139));
    link.MarkVisited(false);
    QCOMPARE(link.TextColour(), QColor(0, 0, 238));
}

void TestLinkLabel::successfulOpenMarksVisited()
{
    auto* link = new CLinkLabel(QStringLiteral("Kit guides"), m_host);
    link->setGeometry(10, 10, 200, 20);
    link->SetLinkUrl(QStringLiteral("https://example.org/kits guide"));
    link->SetLinkColours(link->LinkColour(), QColor(255, 0, 0));
    QCOMPARE(link->toolTip(), QStringLiteral("https://example.org/kits guide"));
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));

    // Drawn in the link colour before, in the visited colour after; nothing shown, no beep.
    const QPoint inside(5, link->height() / 2);
    QCOMPARE(link->TextColour(), QColor(0, 0, 238));
    QTest::mouseClick(link, Qt::LeftButton, {}, inside);
    QCOMPARE(m_opened, QStringList{"https://example.org/kits guide"});
    QVERIFY(link->Visited());
    QCOMPARE(link->TextColour(), QColor(255, 0, 0));
    QVERIFY(PlatformScript::Messages().isEmpty());
    QCOMPARE(PlatformScript::BeepCount(), 0);

    // The text is really painted in the visited colour.
    bool foundRed = false;
    const QImage image = link->grab().toImage();
    for (int y = 0; y < image.height() && !foundRed; ++y)
    {
        for (int x = 0; x < image.width() && !foundRed; ++x)
        {
            const QColor pixel = image.pixelColor(x, y);
            foundRed = pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60;
        }
    }
    QVERIFY(foundRed);

    // A right click opens nothing.
    QTest::mouseClick(link, Qt::RightButton, {}, inside);
    QCOMPARE(m_opened.size(), 1);
    m_host->hide();
}

void TestLinkLabel::failingOpenBeepsAndExplains()
{
    auto* link = new CLinkLabel(m_host);
    link->setText(QStringLiteral("Downloads"));
    link->SetLinkUrl(QStringLiteral("https://example.org/downloads"));
    link->MarkVisited(true);
    m_openAnswer = false;
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(m_opened, QStringList{"https://example.org/downloads"});
    QCOMPARE(PlatformScript::BeepCount(), 1);
    const QList<ShownMessage> messages = PlatformScript::Messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("Unable to open hyperlink:\n\nThere is no application associated\n"
                                              "with the given filename extension."));
    QCOMPARE(messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(messages[0].buttons, MsgButtons::Ok);
    // A failure leaves the link unvisited, even one marked visited before.
    QVERIFY(!link->Visited());
    QCOMPARE(link->TextColour(), QColor(0, 0, 238));
    m_host->hide();
}

void TestLinkLabel::aHelperThatFindsNoBrowserIsTold()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("the desktop's helper that opens addresses is xdg-open");
#else
    // The real opener, with a stand-in xdg-open that finds no browser (exit 3) or hands the address on.
    PlatformScript::SetOpenUrlHook({});
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    auto* link = new CLinkLabel(m_host);
    link->setText(QStringLiteral("User guide"));
    link->SetLinkUrl(QStringLiteral("https://example.org/guide"));
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
    for (const int exitCode : {3, 0})
    {
        QFile helper(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(helper.open(QIODevice::WriteOnly | QIODevice::Truncate));
        helper.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitCode).toLatin1());
        helper.close();
        helper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());
    }
    qputenv("PATH", path);
    // The first click was refused later, the second taken.
    QCOMPARE(PlatformScript::Messages().size(), 1);
    QCOMPARE(PlatformScript::Messages()[0].text, CLinkLabel::ErrorText(LinkNoAssociation));
    QCOMPARE(PlatformScript::BeepCount(), 1);
    QVERIFY(link->Visited());
    m_host->hide();
#endif
}

void TestLinkLabel::errorTexts()
{
    QCOMPARE(CLinkLabel::ErrorText(4), QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (4) occurred."));
    QCOMPARE(CLinkLabel::ErrorText(-7),
             QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (-7) occurred."));
    QCOMPARE(CLinkLabel::ErrorText(0),
             QStringLiteral("Unable to open hyperlink:\n\nThe operating system is out\nof memory or resources."));
    QCOMPARE(CLinkLabel::ErrorText(26),
             QStringLiteral("Unable to open hyperlink:\n\nA sharing violation occurred. "));
    QCOMPARE(
        CLinkLabel::ErrorText(30),
        QStringLiteral("Unable to open hyperlink:\n\nThe DDE transaction could not\nbe completed because other "
                       "DDE transactions\nwere being processed."));
    QCOMPARE(CLinkLabel::ErrorText(32),
             QStringLiteral("Unable to open hyperlink:\n\nThe specified dynamic-link library was not found."));
    QCOMPARE(CLinkLabel::ErrorText(33),
             QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (33) occurred."));
}

void TestLinkLabel::emptyAddressIsReportedNotOpened()
{
    auto* link = new CLinkLabel(m_host);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(PlatformScript::BeepCount(), 1);
    QCOMPARE(PlatformScript::Messages().value(0).text,
             QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
    QCOMPARE(CLinkLabel::OpenLink(QStringLiteral("https://example.org")), LinkOpened);
    m_openAnswer = false;
    QCOMPARE(CLinkLabel::OpenLink(QStringLiteral("https://example.org")), LinkNoAssociation);
    m_host->hide();
}

void TestLinkLabel::fallbackCommandLine_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    const QString browser = QStringLiteral("\"C:\\Program Files\\Browser\\browser.exe\"");
    QTest::newRow("quoted placeholder at the end")
        << browser + " -osint -url \"%1\"" << browser + " -osint -url  https://example.org/a b";
    QTest::newRow("bare placeholder with options after it")
        << browser + " %1 -new-window" << browser + "  https://example.org/a b";
    QTest::newRow("no placeholder") << browser + " -nohome" << browser + " -nohome https://example.org/a b";
    QTest::newRow("quoted wins over an earlier bare one")
        << QStringLiteral("b.exe %1x \"%1\"") << QStringLiteral("b.exe %1x  https://example.org/a b");
    QTest::newRow("empty command") << QString() << QStringLiteral(" https://example.org/a b");
}

void TestLinkLabel::fallbackCommandLine()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(FallbackCommandLine(command, QStringLiteral("https://example.org/a b")), expected);
}

void TestLinkLabel::fitToText()
{
    // Pure rule for each alignment: a 40 x 10 text in a 100 x 30 rectangle at (10, 20).
    const QRect rect(10, 20, 100, 30);
    const QSize text(40, 10);
    QCOMPARE(FitRectToText(rect, text, Qt::AlignLeft | Qt::AlignTop), QRect(10, 20, 40, 10));
    QCOMPARE(FitRectToText(rect, text, Qt::AlignRight | Qt::AlignTop), QRect(70, 20, 40, 10));
    QCOMPARE(FitRectToText(rect, text, Qt::AlignHCenter | Qt::AlignTop), QRect(40, 20, 40, 10));
    QCOMPARE(FitRectToText(rect, text, Qt::AlignLeft | Qt::AlignVCenter), QRect(10, 30, 40, 10));
    // Odd differences shrink by the rounded-down half on each side.
    QCOMPARE(FitRectToText(QRect(0, 0, 45, 15), text, Qt::AlignCenter), QRect(2, 2, 41, 11));

    // Off: never moved or resized, whatever the address or text.
    auto* link = new CLinkLabel(QStringLiteral("Guides and graphics"), m_host);
    link->setGeometry(30, 40, 250, 60);
    link->SetLinkUrl(QStringLiteral("https://example.org/a-much-longer-address-than-the-text"));
    link->FitToText(false);
    QCOMPARE(link->geometry(), QRect(30, 40, 250, 60));

    // On, left aligned: left and top stay, the size becomes the text's.
    link->FitToText(true);
    const QSize measured = link->fontMetrics().size(0, link->text());
    QCOMPARE(link->geometry(), QRect(QPoint(30, 40), measured));
    QVERIFY(measured.width() < 250);
    // A new address refits (to the text, not the address).
    link->resize(300, 50);
    link->SetLinkUrl(QStringLiteral("https://example.org/x"));
    QCOMPARE(link->geometry(), QRect(QPoint(30, 40), measured));
}

void TestLinkLabel::attachingTakesTextAndAddressFromEachOther()
{
    CLinkLabel fromText(QStringLiteral("https://example.org/fifa"));
    QCOMPARE(fromText.Url(), QStringLiteral("https://example.org/fifa"));
    QCOMPARE(fromText.toolTip(), QStringLiteral("https://example.org/fifa"));
    CLinkLabel empty;
    QVERIFY(empty.Url().isEmpty());
    QVERIFY(empty.text().isEmpty());
    QVERIFY(empty.toolTip().isEmpty());
}

void TestLinkLabel::cursorIsTheOwnersChoice()
{
    auto* link = new CLinkLabel(QStringLiteral("x"), m_host);
    link->setGeometry(0, 0, 50, 20);
    QCOMPARE(link->m_cursor.shape(), Qt::ArrowCursor);
    link->m_cursor = QCursor(Qt::PointingHandCursor);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
    QTest::mouseMove(link, QPoint(5, 5));
    QTest::mouseMove(link, QPoint(6, 6));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    m_host->hide();
}

QTEST_MAIN(TestLinkLabel)
#include "tst_linklabel.moc"
