// A jersey edited from end to end through the real wizard: start-up with a jersey, /j7 and Mardek's
// folder; the design page exports the parts; a scripted bitmap editor (started as a user's editor is,
// from a folder with a space in its name) repaints part of the front and saves; the colours page picks
// colours through the grid with the keys and saves over the jersey; the result equals what tarnix-cli
// saves from the same part files, colours and label; Mardek's thumbnail is written; "Yes" leads back to
// page one; nothing of ours is left in the temporary folder.
//
// With TARNIX_SCREENSHOTS set to a folder, the three pages are also captured from the screen there (run
// under xvfb-run with QT_QPA_PLATFORM=xcb for pictures from a real X server).

#include "../wizard/PageTestSupport.h"
#include "TestSupport.h"
#include "app/TarnixApp.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/Thumbnail.h"
#include "controls/ColourPicker.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QtTest>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

// The editor: paints picture rows 20-39, columns 30-99 of the bitmap it is given with index 63 and saves
// the way many editors do, through a new file renamed over the old one. It notes its arguments first.
const char* const kEditorScript = R"(#!/usr/bin/env python3
import os, struct, sys
log = os.path.join(os.path.dirname(os.path.abspath(__file__)), "arguments.txt")
with open(log, "w", encoding="utf-8") as f:
    f.write("\n".join(sys.argv[1:]))
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
offset = struct.unpack_from("<I", data, 10)[0]
width, height = struct.unpack_from("<ii", data, 18)
stride = (width + 3) & ~3
for y in range(20, 40):
    row = (abs(height) - 1 - y) if height > 0 else y
    start = offset + row * stride
    data[start + 30:start + 100] = bytes([63]) * 70
with open(path + ".saving", "wb") as f:
    f.write(data)
os.replace(path + ".saving", path)
)";

const char* const kPartNames[PartSlotCount] = {
    "front-design.bmp", "back-design.bmp", "long-sleeve-design.bmp", "short-sleeve-design.bmp",
    "front-shade.bmp",  "back-shade.bmp",  "long-sleeve-shade.bmp",  "short-sleeve-shade.bmp",
};

void Screenshot(QWidget* sheet, const char* name)
{
    const QString folder = qEnvironmentVariable("TARNIX_SCREENSHOTS");
    if (folder.isEmpty())
    {
        return;
    }
    QTest::qWait(300); // let the window manager and the X server settle
    QApplication::processEvents();
    QPixmap shot = sheet->screen()->grabWindow(sheet->winId());
    if (shot.isNull() || QGuiApplication::platformName() == QStringLiteral("offscreen"))
    {
        shot = sheet->grab();
    }
    QVERIFY(shot.save(folder + QLatin1Char('/') + QLatin1String(name)));
}

} // namespace

class TestWizardEndToEnd : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { PlatformScript::End(); }

    void EditSaveAndStartOver()
    {
        TempDir work;
        const fs::path game = work / "game";
        const fs::path textures = game / "Data" / "Player" / "Textures";
        fs::create_directories(textures);
        fs::copy(SampleGameFolder(), game, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        const fs::path jersey = textures / "PK012.FSH";
        const fs::path original = work / "original PK012.FSH";
        fs::copy_file(jersey, original);
        const fs::path mardek = work / "Mardek Editor";
        fs::create_directories(mardek / "Jerseys");
        const fs::path editorFolder = work / "my paint";
        fs::create_directories(editorFolder);
#ifdef Q_OS_WIN
        // The same edit as the script, built as a Windows program.
        const fs::path editor = editorFolder / "paint editor.exe";
        fs::copy_file(PathFromText(TARNIX_PAINT_STANDIN), editor);
#else
        const fs::path editor = editorFolder / "paint editor.py";
        {
            QFile script(FromPath(editor));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(kEditorScript);
        }
        fs::permissions(editor, fs::perms::owner_all, fs::perm_options::add);
#endif
        const fs::path settings = work / "settings.ini";
        {
            QSettings ini(FromPath(settings), QSettings::IniFormat);
            ini.setValue(QStringLiteral("Path"), FromPath(game));
            ini.setValue(QStringLiteral("MardekPath"), FromPath(mardek));
        }

        PlatformScript::Begin();
        auto app = std::make_unique<CTarnixApp>();
        QVERIFY(app->StartUp(
            {FromPath(jersey), QStringLiteral("/j7"), QStringLiteral("--settings"), FromPath(settings)}));
        CWizardSheet* sheet = app->m_sheet.get();
        QVERIFY(app->m_pageTwo != nullptr && app->m_pageThree != nullptr);
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        QCOMPARE(app->m_model.m_thumbnailNumber, 7);
        QCOMPARE(sheet->currentPage(), app->m_pageOne);
        Screenshot(sheet, "page-one.png");
        auto next = [&] { QTest::mouseClick(sheet->button(QWizard::NextButton), Qt::LeftButton); };

        // Page two: the export, then the user's editor on the front design.
        next();
        QCOMPARE(sheet->currentPage(), app->m_pageTwo);
        for (const QString& file : app->m_model.m_partFiles)
        {
            QVERIFY(QFileInfo::exists(file));
        }
        auto* editorEdit = Control<QLineEdit>(app->m_pageTwo, CPageTwo::EditorEdit);
        editorEdit->clear();
        QTest::keyClicks(editorEdit, FromPath(editor));
        Click(app->m_pageTwo, CPageTwo::FrontButton);
        const QString frontDesign = app->m_model.m_partFiles[FrontDesign];
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(FromPath(editorFolder / "arguments.txt")), 10000);
        const Bitmap8 exported = *ReadBmp8File(ToPath(frontDesign));
        const auto* c63 = &exported.colours[63 * 4];
        auto frontPicture = [&]
        { return Control<QLabel>(app->m_pageTwo, CPageTwo::FrontPicture)->pixmap().toImage(); };
        QTRY_COMPARE_WITH_TIMEOUT(frontPicture().pixel(50, 25), qRgb(c63[2], c63[1], c63[0]), 10000);
        QVERIFY(PlatformScript::Messages().isEmpty());
        {
            QFile log(FromPath(editorFolder / "arguments.txt"));
            QVERIFY(log.open(QIODevice::ReadOnly));
            QVERIFY(frontDesign.contains(QLatin1Char(' ')));
            QCOMPARE(QString::fromUtf8(log.readAll()), frontDesign); // one argument, spaces and all
        }
        // The picture for the documentation shows the editor a reader would have.
        editorEdit->setText(QStringLiteral("/usr/bin/gimp"));
        Screenshot(sheet, "page-two.png");
        editorEdit->setText(FromPath(editor));

        // The part files as they stand now are the input of the reference save.
        const fs::path parts = work / "parts";
        fs::create_directories(parts);
        for (int slot = 0; slot < PartSlotCount; ++slot)
        {
            fs::copy_file(ToPath(app->m_model.m_partFiles[slot]), parts / kPartNames[slot]);
        }

        // Page three: colours through the grid, a label, Save over the jersey.
        next();
        QCOMPARE(sheet->currentPage(), app->m_pageThree);
        QCOMPARE(sheet->buttonText(QWizard::FinishButton), QStringLiteral("Save"));
        auto picker = [&](int id) { return Control<CColourPicker>(app->m_pageThree, id); };
        PickThroughGrid(picker(1016), 9);  // jersey 1st: Light Green
        PickThroughGrid(picker(1017), 7);  // jersey 2nd: Gold, the colour index 63 paints with
        PickThroughGrid(picker(1024), 23); // socks 2nd: Not Used, stored as Black
        auto* label = Control<QLineEdit>(app->m_pageThree, CPageThree::LabelEdit);
        label->clear();
        QTest::keyClicks(label, QStringLiteral("Wizard End To End"));
        QCOMPARE(Control<QLineEdit>(app->m_pageThree, CPageThree::SaveToEdit)->text(), FromPath(jersey));
        Screenshot(sheet, "page-three.png");

        PlatformScript::QueueAnswer(MsgAnswer::Yes); // overwrite
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // edit another jersey
        QTest::mouseClick(sheet->button(QWizard::FinishButton), Qt::LeftButton);
        const QList<ShownMessage> messages = PlatformScript::Messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].text,
                 FromPath(jersey) + QStringLiteral(" already exists. Do you want to overwrite it?"));
        // The jersey it replaced is kept in the backups folder, and the message says where.
        QVERIFY(messages[1].text.startsWith(
            QStringLiteral("Jersey has been saved\n(the file it replaced is kept as ")));
        QVERIFY(messages[1].text.endsWith(QStringLiteral(")\nWould you like to edit another jersey?")));
        QVERIFY(messages[1].text.contains(QStringLiteral("backups")));

        // Byte for byte what tarnix-cli saves from the same part files, colours and label.
        const fs::path reference = work / "reference.FSH";
        const CommandResult cli =
            RunCli({"save", PathText(original), PathText(reference), "--parts", PathText(parts), "--colours",
                    "9,7,13,1,6,1,23", "--label", "Wizard End To End"});
        QVERIFY2(cli.exitCode == 0, cli.err.c_str());
        QVERIFY(ReadBytes(jersey) == ReadBytes(reference));
        QVERIFY(ReadBytes(jersey) != ReadBytes(original));
        const Bitmap8 savedFront = *ReadPartImage(ReadBytes(jersey), Part::Front, "PK012.FSH");
        QCOMPARE(savedFront.At(50, 25) & 0xF0, 48);

        // Mardek's thumbnail of the saved jersey.
        const fs::path thumbnail = mardek / "Jerseys" / "frmd7.bmp";
        QVERIFY(fs::exists(thumbnail));
        QVERIFY(ReadBytes(thumbnail) == *BuildThumbnail(ReadBytes(jersey), "PK012.FSH"));

        // "Yes": page one again, the target and label of the colours page cleared.
        QCOMPARE(sheet->currentPage(), app->m_pageOne);
        QVERIFY(sheet->isVisible());
        QVERIFY(Control<QLineEdit>(app->m_pageThree, CPageThree::SaveToEdit)->text().isEmpty());
        QVERIFY(Control<QLineEdit>(app->m_pageThree, CPageThree::LabelEdit)->text().isEmpty());
        QCOMPARE(app->m_model.m_thumbnailNumber, -1);
        QCOMPARE(app->m_model.m_saved, 1);

        // Cancel (saved, so no question) and the exit processing.
        QTest::mouseClick(sheet->button(QWizard::CancelButton), Qt::LeftButton);
        QVERIFY(!sheet->isVisible());
        app->ExitInstance();
        app.reset();
        QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
        QSettings ini(FromPath(settings), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("EditorPath")).toString(), FromPath(editor));
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
};

int main(int argc, char** argv)
{
    // A temporary folder with spaces in its name: the part files handed to the editor carry them.
    PrivateTempFolder temp(QStringLiteral("tarnix e2e temp"));
    QApplication app(argc, argv);
    TestWizardEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wizard_e2e.moc"
