// Every page and dialog in every language, at the desktop fonts and scales users have: no label, button,
// check box, list header or list cell shows less than its whole text, and no control reaches out of its page.
//
// Scales: the offscreen platform reads a configuration file that describes three screens with device
// pixel ratios 1, 1.5 and 2 (main() below writes it and points the platform at it); the wizard is moved
// onto each screen in turn. With TARNIX_SCREENSHOT_DIR set, each page is also saved there as a PNG.

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/Language.h"
#include "app/TarnixApp.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/TextFit.h"
#include "wizard/AssociateDlg.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/PartImages.h"
#include "wizard/WizardSheet.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

constexpr qreal kScales[] = {1.0, 1.5, 2.0};
constexpr int kPointSizes[] = {8, 11, 16};
const char* const kLanguages[] = {"en", "de", "fr", "es", "it"};

// Cut texts of `window`, each line prefixed with where the wizard stood.
QStringList CutTextsOf(QWidget* window, const QString& where)
{
    if (const QByteArray folder = qgetenv("TARNIX_SCREENSHOT_DIR"); !folder.isEmpty())
    {
        QString name = where;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]+")), QStringLiteral("-"));
        window->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
    }
    QStringList lines;
    const QString cuts = DescribeCutTexts(FindCutTexts(window));
    for (const QString& line : cuts.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    {
        lines << where + QStringLiteral(": ") + line;
    }
    return lines;
}

// The front preview of page three drawn without smoothing at the screen's scale: every device pixel of it
// has a colour of the composed front.
QStringList SoftPreview(const CTarnixApp& app, const QString& where)
{
    const QImage composed = LoadRecolouredBitmap(app.m_pageThree->ComposedFiles()[0], app.m_model.m_jerseyColours)
                                .convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < composed.height(); ++y)
    {
        for (int x = 0; x < composed.width(); ++x)
        {
            colours.insert(composed.pixel(x, y));
        }
    }
    auto* picture = Control<QLabel>(app.m_pageThree, CPageThree::FrontPicture);
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shown.devicePixelRatio();
    const QRect area(QPointF(QPointF(picture->contentsRect().center()) * ratio -
                             QPointF(composed.width(), composed.height()) * ratio / 2)
                         .toPoint(),
                     composed.size() * ratio);
    int soft = 0;
    // Two device pixels in from the picture's edges, which may fall half a pixel either way.
    for (int y = area.top() + 2; y < area.bottom() - 1; ++y)
    {
        for (int x = area.left() + 2; x < area.right() - 1; ++x)
        {
            soft += colours.contains(shown.pixel(x, y)) ? 0 : 1;
        }
    }
    return soft == 0 ? QStringList()
                     : QStringList{where + QStringLiteral(": %1 pixels of the preview are smoothed").arg(soft)};
}

// The whole program on the sample game, started in `language` with a jersey and a thumbnail number, walked
// from page one (with its Associate dialog) to page three on `screen`.
QStringList CutTextsOfWizard(QScreen* screen, const QString& language, const QString& where)
{
    TempDir work;
    QSettings ini(FromPath(work / "settings.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Path"), FromPath(SampleGameFolder()));
    ini.setValue(QStringLiteral("MardekPath"), FromPath(work / "Mardek"));
    // At scale 1.5 the design page paints the whole shirt, so that its other help text is measured too.
    ini.setValue(QStringLiteral("PaintWholeShirt"), screen->devicePixelRatio() == 1.5);
    ini.sync();
    CTarnixApp app;
    app.m_settingsFile = FromPath(work / "settings.ini");
    // A copy, so that nothing is written next to the sample.
    fs::copy_file(SampleJerseyPath(1), work / "PK001.FSH");
    if (!app.StartUp({FromPath(work / "PK001.FSH"), QStringLiteral("/j7"), QStringLiteral("--lang"), language}))
    {
        return {where + QStringLiteral(": the program did not start")};
    }
    CWizardSheet& sheet = *app.m_sheet;
    sheet.setScreen(screen);
    sheet.move(screen->geometry().topLeft() + QPoint(20, 20));
    sheet.show();
    if (!QTest::qWaitForWindowExposed(&sheet) || sheet.devicePixelRatio() != screen->devicePixelRatio())
    {
        return {where + QStringLiteral(": the wizard did not come up at the screen's scale")};
    }
    QStringList cuts = CutTextsOf(&sheet, where + QStringLiteral(" page one"));
    QTimer::singleShot(0,
                       [&]
                       {
                           if (auto* dialog = qobject_cast<CAssociateDlg*>(QApplication::activeModalWidget()))
                           {
                               cuts << CutTextsOf(dialog, where + QStringLiteral(" Associate"));
                               dialog->accept();
                           }
                       });
    Click(app.m_pageOne, CPageOne::AssignButton);
    for (const char* page : {" page two", " page three"})
    {
        QTest::mouseClick(sheet.button(QWizard::NextButton), Qt::LeftButton);
        // The wizard shows its Finish button after the page has set its text ("Save", "Enregistrer"): what the
        // user sees is the row laid out again once the layout's request has been handled.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        cuts << CutTextsOf(&sheet, where + QLatin1String(page));
    }
    cuts << SoftPreview(app, where);
    sheet.hide();
    app.ExitInstance();
    return cuts;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        // The offscreen platform says on every window that it keeps no size hints; that is not news here.
        static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message)
            {
                if (!message.contains(QLatin1String("propagateSizeHints")))
                {
                    previous(type, context, message);
                }
            });
    }
    void init() { PlatformScript::Begin(); }
    void cleanup() { PlatformScript::End(); }

    void cutTextsAreFound()
    {
        QWidget page;
        page.resize(200, 100);
        auto* button = new QPushButton(QStringLiteral("FIFA99 Folder..."), &page);
        button->setObjectName(QStringLiteral("1029"));
        button->setGeometry(10, 10, button->fontMetrics().horizontalAdvance(button->text()) / 2, 24);
        QCOMPARE(FindCutTexts(&page).size(), 1);
        button->resize(button->sizeHint());
        QCOMPARE(FindCutTexts(&page).size(), 0);
    }

    void noTextIsCutAtAnyFontOrScale()
    {
        PrivateTempFolder temp;
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), qsizetype(std::size(kScales)));
        const QFont desktop = QApplication::font();
        QStringList cuts;
        for (const char* language : kLanguages)
        {
            for (QScreen* screen : screens)
            {
                for (int points : kPointSizes)
                {
                    QFont font = desktop;
                    font.setPointSize(points);
                    QApplication::setFont(font);
                    cuts << CutTextsOfWizard(screen, QLatin1String(language),
                                             QStringLiteral("%1 %2 pt at scale %3")
                                                 .arg(QLatin1String(language))
                                                 .arg(points)
                                                 .arg(screen->devicePixelRatio()));
                }
            }
        }
        QApplication::setFont(desktop);
        UseLanguage(QStringLiteral("en"));
        QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char* argv[])
{
    // The platform's arguments are split at colons, so the file is named relative to the working folder: a
    // Windows path would carry one after its drive letter.
    QTemporaryFile file(QStringLiteral("tst_layout-screens-XXXXXX.json"));
    {
        if (!file.open())
        {
            return 1;
        }
        QString screens;
        int x = 0;
        for (const qreal scale : kScales)
        {
            const int width = int(1600 * scale);
            screens += QStringLiteral("%1{\"name\":\"scale %2\",\"x\":%3,\"y\":0,\"width\":%4,\"height\":%5,"
                                      "\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":%2}")
                           .arg(screens.isEmpty() ? QString() : QStringLiteral(","))
                           .arg(scale)
                           .arg(x)
                           .arg(width)
                           .arg(int(1200 * scale));
            x += width;
        }
        file.write(QStringLiteral("{\"screens\":[%1]}").arg(screens).toUtf8());
        file.close();
    }
    const QString config = QDir::current().relativeFilePath(file.fileName());
    // The platform is chosen here, whatever the environment or the command line ask for.
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i)
    {
        if (qstrcmp(argv[i], "-platform") == 0 && i + 1 < argc)
        {
            ++i;
            continue;
        }
        arguments.push_back(argv[i]);
    }
    qputenv("QT_QPA_PLATFORM", QStringLiteral("offscreen:configfile=%1").arg(config).toLocal8Bit());
#ifdef Q_OS_WIN
    // Qt for Windows ships no fonts for the offscreen platform, and texts measured without any are all
    // empty; under Wine the build machine's DejaVu fonts stand in for the desktop's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") &&
        QDir(QStringLiteral("Z:/usr/share/fonts/truetype/dejavu")).exists())
    {
        qputenv("QT_QPA_FONTDIR", "Z:/usr/share/fonts/truetype/dejavu");
    }
#endif
    int count = int(arguments.size());
    QApplication application(count, arguments.data());
    TestLayout test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "tst_layout.moc"
