// A monkey drives the whole program on a private game folder: random clicks on the current page's
// controls and the wizard's buttons, keys, text in the fields, random answers to every question and file
// chooser, and a stand-in bitmap editor that paints the part files (now and then with a colour the jersey
// cannot take). After every step: no jersey of the game folder changed unless a save to it was confirmed,
// no painted part file went without a Yes (or a save), and after each normal exit nothing of the run is
// left behind. The run lasts TARNIX_MONKEY_SECONDS (30 by default) from the seed TARNIX_MONKEY_SEED (the
// clock's by default); the seed is printed so that a failing run can be repeated.

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/TarnixApp.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"
#include "wizard/WizardSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <map>
#include <random>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

QtMessageHandler g_next = nullptr;

// The offscreen platform says for every popup that it cannot grab the keyboard; thousands of popups later
// the report would be nothing else.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QStringLiteral("This plugin does not support")))
    {
        g_next(type, context, text);
    }
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

    std::mt19937 m_random;
    TempDir m_work;
    fs::path m_game = m_work / "game";
    fs::path m_textures;
    std::unique_ptr<CTarnixApp> m_app;
    std::map<fs::path, std::uint64_t> m_jerseys; // the game folder's files as they were before the step
    // Each part file seen: its print as exported or last saved, and as the last step left it.
    std::map<QString, std::pair<std::uint64_t, std::uint64_t>> m_parts;
    QStringList m_yes;          // questions answered Yes in this step
    bool m_saved = false;       // a save succeeded in this step
    QSet<QString> m_paintedNow; // files the editor saved in this step
    long m_events = 0, m_runs = 0, m_saves = 0, m_paints = 0;
    QStringList m_trace; // the last steps, told when a check fails

    void Trace(const QString& what)
    {
        m_trace << what;
        if (m_trace.size() > 40)
        {
            m_trace.removeFirst();
        }
    }
    QByteArray Told(const QString& what) const
    {
        for (const QString& line : m_trace)
        {
            qInfo("trace: %s", qPrintable(line));
        }
        return (what + QStringLiteral("\nafter:\n  ") + m_trace.join(QStringLiteral("\n  "))).toLocal8Bit();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    QString GameJersey() { return FromPath(m_textures / ("PK00" + std::to_string(1 + Pick(5)) + ".FSH")); }

    std::map<fs::path, std::uint64_t> GameFiles() const
    {
        std::map<fs::path, std::uint64_t> files;
        for (const auto& entry : fs::directory_iterator(m_textures))
        {
            files[entry.path()] = FilePrint(FromPath(entry.path()));
        }
        return files;
    }

    // The stand-in editor: paints a rectangle of a part file and saves it as editors do.
    void Paint(const QString& file)
    {
        auto bitmap = ReadBmp8File(ToPath(file));
        if (!bitmap)
        {
            return;
        }
        const bool design = file.contains(QStringLiteral("design"));
        const int x0 = Pick(bitmap->width), y0 = Pick(bitmap->height);
        const std::uint8_t value = static_cast<std::uint8_t>(design ? 47 + 16 * Pick(3) : Pick(16));
        for (int y = y0; y < std::min(bitmap->height, y0 + 1 + Pick(20)); ++y)
        {
            for (int x = x0; x < std::min(bitmap->width, x0 + 1 + Pick(20)); ++x)
            {
                bitmap->At(x, y) = value;
            }
        }
        if (Chance(0.1))
        {
            bitmap->colours[4 * value] ^= 3; // a colour the bitmap was not exported with
        }
        ReplaceBitmap(ToPath(file), *bitmap);
        Trace(QStringLiteral("  painted ") + file);
        m_paintedNow.insert(file);
        ++m_paints;
    }

    void StartRun()
    {
        PlatformScript::Begin();
        m_app = std::make_unique<CTarnixApp>();
        m_app->m_settingsFile = FromPath(m_work / "settings.ini");
        const QStringList arguments = Chance(0.5) ? QStringList{GameJersey()} : QStringList{};
        Trace(QStringLiteral("start ") + arguments.join(QLatin1Char(' ')));
        QVERIFY(m_app->StartUp(arguments));
        m_app->m_sheet->show();
        ++m_runs;
    }

    void Script()
    {
        PlatformScript::Begin();
        PlatformScript::SetAnswerHook(
            [this](const ShownMessage& message)
            {
                if (message.text.startsWith(QStringLiteral("Jersey has been saved")))
                {
                    m_saved = true;
                }
                const MsgAnswer answer = message.buttons == MsgButtons::Ok ? MsgAnswer::Ok
                                         : Chance(0.4)                     ? MsgAnswer::Yes
                                                                           : MsgAnswer::No;
                if (answer == MsgAnswer::Yes)
                {
                    m_yes << message.text;
                }
                Trace(QStringLiteral("  asked \"%1\": %2").arg(message.text.left(90)).arg(int(answer)));
                return answer;
            });
        PlatformScript::SetFileHook(
            [this](const FileDialogRequest& request) -> std::optional<QString>
            {
                if (request.defaultSuffix != QStringLiteral("FSH"))
                {
                    return FromPath(m_work / "palette.gpl");
                }
                switch (Pick(4))
                {
                case 0:
                    return std::nullopt;
                case 1:
                    return FromPath(m_textures / ("new " + std::to_string(Pick(3)) + ".FSH"));
                case 2:
                    return FromPath(m_work / ("elsewhere " + std::to_string(Pick(3)) + ".FSH"));
                }
                return GameJersey();
            });
        PlatformScript::SetStartHook(
            [this](const QString&, const QStringList& arguments)
            {
                Paint(arguments.last());
                return true;
            });
        PlatformScript::SetOpenUrlHook([](const QString&) { return false; });
    }

    void Step()
    {
        CWizardSheet* sheet = m_app->m_sheet.get();
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup != nullptr ? popup : sheet->currentPage();
        const int action = Pick(10);
        if (action < 5 && popup == nullptr)
        {
            QList<QAbstractButton*> buttons = target->findChildren<QAbstractButton*>();
            // The wizard's own buttons weigh as much as all of the page's, forwards most: they are where work
            // is saved or lost, and a monkey that cancels at once sees little.
            for (auto [which, weight] : {std::pair{QWizard::BackButton, 2},
                                         {QWizard::NextButton, 5},
                                         {QWizard::FinishButton, 5},
                                         {QWizard::CancelButton, 1}})
            {
                for (int i = 0; i < weight; ++i)
                {
                    buttons << sheet->button(which);
                }
            }
            buttons.removeIf([](QAbstractButton* b) { return !b->isVisible() || !b->isEnabled(); });
            if (!buttons.isEmpty())
            {
                QAbstractButton* button = buttons[Pick(int(buttons.size()))];
                Trace(QStringLiteral("click %1 \"%2\"").arg(button->objectName(), button->text()));
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
        else if (action < 6)
        {
            QList<QWidget*> widgets = target->findChildren<QWidget*>();
            widgets.removeIf([](QWidget* w) { return !w->isVisible(); });
            QWidget* hit = popup != nullptr || widgets.isEmpty() ? target : widgets[Pick(int(widgets.size()))];
            Trace(QStringLiteral("click in %1 %2")
                      .arg(QString::fromLatin1(hit->metaObject()->className()), hit->objectName()));
            QTest::mouseClick(hit, Qt::LeftButton, {}, QPoint(Pick(hit->width()), Pick(hit->height())));
        }
        else if (action < 8)
        {
            const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab,  Qt::Key_Left,
                                    Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down, Qt::Key_Space};
            QWidget* focus = popup != nullptr ? popup : QApplication::focusWidget();
            const Qt::Key key = keys[Pick(8)];
            Trace(QStringLiteral("key %1 to %2")
                      .arg(key, 0, 16)
                      .arg(focus != nullptr ? focus->objectName() : QString()));
            QTest::keyClick(focus != nullptr ? focus : sheet, key);
        }
        else if (action < 9)
        {
            const QList<QLineEdit*> fields = target->findChildren<QLineEdit*>();
            if (!fields.isEmpty())
            {
                QLineEdit* field = fields[Pick(int(fields.size()))];
                field->setFocus();
                QTest::keyClicks(field, Chance(0.5) ? QStringLiteral("x") : QString());
                field->setText(Chance(0.5) ? GameJersey() : field->text() + QStringLiteral(" 2"));
                Trace(QStringLiteral("type in %1: %2").arg(field->objectName(), field->text()));
            }
        }
        else
        {
            const QString part = m_app->m_model.m_partFiles[Pick(PartSlotCount)];
            if (!part.isEmpty() && QFileInfo::exists(part))
            {
                Trace(QStringLiteral("editor saves ") + part);
                Paint(part);
            }
        }
        QCoreApplication::processEvents();
    }

    // After each step; `ended` when the wizard closed and the run has exited.
    void Check(bool ended)
    {
        if (m_saved)
        {
            ++m_saves;
        }
        QStringList confirmed;
        const QString overwrite = QStringLiteral(" already exists. Do you want to overwrite it?");
        for (const QString& question : m_yes)
        {
            if (question.endsWith(overwrite))
            {
                confirmed << QFileInfo(question.chopped(overwrite.size())).absoluteFilePath();
            }
        }
        for (const auto& [file, print] : GameFiles())
        {
            const auto before = m_jerseys.find(file);
            if (before == m_jerseys.end() || before->second != print)
            {
                if (!m_saved || (before != m_jerseys.end() &&
                                 !confirmed.contains(QFileInfo(FromPath(file)).absoluteFilePath())))
                {
                    QFAIL(Told(FromPath(file) + QStringLiteral(" changed without a confirmed save")).constData());
                }
            }
        }
        if (m_saved)
        {
            Trace(QStringLiteral("  saved"));
        }
        const bool letGo =
            m_yes.contains(JerseyModel::QuitQuestion()) ||
            std::any_of(m_yes.begin(), m_yes.end(),
                        [](const QString& q) { return q.endsWith(QStringLiteral("Discard them?")); });
        for (auto it = m_parts.begin(); it != m_parts.end();)
        {
            auto& [clean, last] = it->second;
            const std::uint64_t now = FilePrint(it->first);
            const bool painted = last != clean;
            const bool byEditor = m_paintedNow.contains(it->first);
            if (now == 0)
            {
                if (painted && !letGo && !m_saved)
                {
                    QFAIL(Told(it->first + QStringLiteral(" went unasked")).constData());
                }
                it = m_parts.erase(it);
                continue;
            }
            if (now != last && !byEditor)
            {
                // Written by the program (the jersey chosen again and exported, or the other way of painting
                // taking over what was painted): a fresh start.
                clean = now;
            }
            last = now;
            clean = m_saved ? now : clean; // a save takes the files as they are
            ++it;
        }
        if (ended)
        {
            QCOMPARE(QDir(WorkFolderRoot()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
            QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
            return;
        }
        for (const QString& file : m_app->m_model.m_partFiles)
        {
            if (const std::uint64_t print = FilePrint(file); print != 0 && m_parts.count(file) == 0)
            {
                m_parts[file] = {print, print};
                Trace(QStringLiteral("  sees ") + file);
            }
        }
    }

  private slots:
    void initTestCase()
    {
        // Qt Test's own handler is in place by now: the filter goes in front of it.
        g_next = qInstallMessageHandler(QuietPlatform);
        fs::copy(SampleGameFolder(), m_game, fs::copy_options::recursive);
        m_textures = FindCaseInsensitive(m_game, "Data/Player/Textures");
        QSettings ini(FromPath(m_work / "settings.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Path"), FromPath(m_game));
        ini.setValue(QStringLiteral("EditorPath"), QStringLiteral("stand-in editor"));
    }

    void RandomUseLosesNothing()
    {
        const unsigned seed = qEnvironmentVariableIsSet("TARNIX_MONKEY_SEED")
                                  ? qEnvironmentVariableIntValue("TARNIX_MONKEY_SEED")
                                  : unsigned(QDateTime::currentMSecsSinceEpoch() & 0x7FFFFFFF);
        const int seconds = qEnvironmentVariableIsSet("TARNIX_MONKEY_SECONDS")
                                ? qEnvironmentVariableIntValue("TARNIX_MONKEY_SECONDS")
                                : 30;
        qInfo("monkey: seed %u, %d s", seed, seconds);
        m_random.seed(seed);
        // Modal dialogs (the assignment dialog, the colour dialog) would hold the monkey's hand: each is
        // closed soon after it opens.
        QTimer closer;
        connect(&closer, &QTimer::timeout,
                [this]
                {
                    QWidget* modal = QApplication::activeModalWidget();
                    if (auto* dialog = qobject_cast<QDialog*>(modal);
                        dialog && m_app && dialog != m_app->m_sheet.get())
                    {
                        dialog->reject();
                    }
                });
        closer.start(5);
        QElapsedTimer clock;
        clock.start();
        m_jerseys = GameFiles();
        StartRun();
        while (clock.elapsed() < seconds * 1000LL && !QTest::currentTestFailed())
        {
            Script();
            m_yes.clear();
            m_saved = false;
            m_paintedNow.clear();
            Step();
            ++m_events;
            const bool ended = !m_app->m_sheet->isVisible();
            if (ended)
            {
                m_app->ExitInstance();
                m_app.reset();
            }
            Check(ended);
            if (ended)
            {
                StartRun();
            }
            m_jerseys = GameFiles();
        }
        m_app->m_sheet->hide();
        m_app->ExitInstance();
        qInfo("monkey: seed %u: %ld events, %ld runs, %ld saves, %ld editor saves in %lld s", seed, m_events,
              m_runs, m_saves, m_paints, clock.elapsed() / 1000);
    }
};

int main(int argc, char** argv)
{
    // Qt Test ends a test function after five minutes; a long monkey run asks for its budget and a margin.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
    {
        qputenv("QTEST_FUNCTION_TIMEOUT",
                QByteArray::number((qEnvironmentVariableIntValue("TARNIX_MONKEY_SECONDS") + 300) * 1000LL));
    }
    PrivateTempFolder temp(QStringLiteral("tarnix-monkey"));
    TempDir state;
#ifdef Q_OS_WIN
    qputenv("LOCALAPPDATA", QByteArray::fromStdString(PathText(state.path())));
#else
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(PathText(state.path())));
#endif
    QApplication app(argc, argv);
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
