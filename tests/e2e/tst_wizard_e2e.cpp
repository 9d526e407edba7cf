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
#include "archive/KitColours.h"
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

// The editor: paints picture rows 20-39, columns 30-99 of the bitmap it is given with index 63 (of a PNG
// picture, with the colour written in paint-colour.txt beside it) and saves the way many editors do,
// through a new file renamed over the old one. It notes its arguments first.
const char* const kEditorScript = R"(#!/usr/bin/env python3
import os, struct, sys, zlib
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "arguments.txt"), "w", encoding="utf-8") as f:
    f.write("\n".join(sys.argv[1:]))
path = sys.argv[1]
data = bytearray(open(path, "rb").read())

def paint_png(data, rgb):
    pos, idat = 8, b""
    while pos < len(data):
        n, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + n]
        pos += 12 + n
        if kind == b"IHDR":
            w, h, depth, ctype = struct.unpack_from(">IIBB", body)
        elif kind == b"IDAT":
            idat += body
    bpp = {2: 3, 6: 4}[ctype]
    raw, stride, prev, rows = zlib.decompress(idat), w * bpp, bytearray(w * bpp), []
    for y in range(h):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], (prev[i - bpp] if i >= bpp else 0)
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + [0, a, b, (a + b) // 2, a if pa <= pb and pa <= pc else b if pb <= pc else c][kind]) & 255
        rows.append(line)
        prev = line
    for y in range(20, 40):
        for x in range(30, 100):
            rows[y][x * bpp:x * bpp + 3] = rgb
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    packed = zlib.compress(b"".join(b"\0" + bytes(r) for r in rows))
    return (data[:8] + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, ctype, 0, 0, 0)) + chunk(b"IDAT", packed)
            + chunk(b"IEND", b""))

if data[:4] == b"\x89PNG":
    data = paint_png(data, bytes.fromhex(open(os.path.join(here, "paint-colour.txt")).read().strip()))
else:
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

// A copy of the sample game with the jersey to edit, Mardek's folder, the scripted editor in a folder with
// a space in its name, and the settings naming them.
struct Workbench
{
    explicit Workbench(const TempDir& work)
        : game(work / "game"), jersey(game / "Data" / "Player" / "Textures" / "PK012.FSH"),
          original(work / "original PK012.FSH"), mardek(work / "Mardek Editor"), editorFolder(work / "my paint"),
          settings(work / "settings.ini")
    {
        fs::create_directories(jersey.parent_path());
        fs::copy(SampleGameFolder(), game, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy_file(jersey, original);
        fs::create_directories(mardek / "Jerseys");
        fs::create_directories(editorFolder);
#ifdef Q_OS_WIN
        // The same edit as the script, built as a Windows program.
        editor = editorFolder / "paint editor.exe";
        fs::copy_file(PathFromText(TARNIX_PAINT_STANDIN), editor);
#else
        editor = editorFolder / "paint editor.py";
        QFile script(FromPath(editor));
        script.open(QIODevice::WriteOnly);
        script.write(kEditorScript);
        script.close();
        fs::permissions(editor, fs::perms::owner_all, fs::perm_options::add);
#endif
        QSettings ini(FromPath(settings), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Path"), FromPath(game));
        ini.setValue(QStringLiteral("MardekPath"), FromPath(mardek));
    }

    fs::path game, jersey, original, mardek, editorFolder, editor, settings;
};

} // namespace

class TestWizardEndToEnd : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { PlatformScript::End(); }

    void EditSaveAndStartOver()
    {
        TempDir work;
        const Workbench bench(work);
        const auto& [game, jersey, original, mardek, editorFolder, editor, settings] = bench;
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
        // Starting the stand-in editor can take many seconds under Wine on a loaded machine.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(FromPath(editorFolder / "arguments.txt")), 60000);
        const Bitmap8 exported = *ReadBmp8File(ToPath(frontDesign));
        const auto* c63 = &exported.colours[63 * 4];
        auto frontPicture = [&]
        { return Control<QLabel>(app->m_pageTwo, CPageTwo::FrontPicture)->pixmap().toImage(); };
        QTRY_COMPARE_WITH_TIMEOUT(frontPicture().pixel(50, 25), qRgb(c63[2], c63[1], c63[0]), 60000);
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

    void PaintTheWholeShirtAndSave()
    {
        TempDir work;
        const Workbench bench(work);
        QSettings(FromPath(bench.settings), QSettings::IniFormat)
            .setValue(QStringLiteral("PaintWholeShirt"), true);
        PlatformScript::Begin();
        auto app = std::make_unique<CTarnixApp>();
        QVERIFY(app->StartUp({FromPath(bench.jersey), QStringLiteral("--settings"), FromPath(bench.settings)}));
        CWizardSheet* sheet = app->m_sheet.get();
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        auto next = [&] { QTest::mouseClick(sheet->button(QWizard::NextButton), Qt::LeftButton); };
        const JerseyModel& model = app->m_model;

        // Page two: the four pictures in the jersey's kit colours; the editor paints jersey 2nd on the front.
        next();
        QCOMPARE(model.m_paintMode, PaintMode::Pictures);
        const KitColours exported = KitColoursOf(model.m_jerseyColours);
        const std::uint32_t paint = ShadeRamps[exported[1]][15];
        const QByteArray colourText = QByteArray::number(paint, 16).rightJustified(6, '0');
        WriteBytes(bench.editorFolder / "paint-colour.txt", Bytes(colourText.begin(), colourText.end()));
        auto* editorEdit = Control<QLineEdit>(app->m_pageTwo, CPageTwo::EditorEdit);
        editorEdit->setText(FromPath(bench.editor));
        Click(app->m_pageTwo, CPageTwo::FrontButton);
        auto shown = [&](int id) { return Control<QLabel>(app->m_pageTwo, id)->pixmap().toImage(); };
        QTRY_COMPARE_WITH_TIMEOUT(shown(CPageTwo::FrontPicture).pixel(50, 25), paint | 0xFF000000u, 60000);
        QTRY_COMPARE(shown(CPageTwo::KitFrontPicture).pixel(32, 15), paint | 0xFF000000u);
        QVERIFY(PlatformScript::Messages().isEmpty());
        editorEdit->setText(QStringLiteral("/usr/bin/gimp"));
        Screenshot(sheet, "page-two-pictures.png");

        // What tarnix-cli saves from its own export in the same kit colours, with the painted front.
        const fs::path parts = work / "parts";
        QString kitText;
        for (int colour : exported)
        {
            kitText += (kitText.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(colour);
        }
        CommandResult cli = RunCli({"export", PathText(bench.original), PathText(parts), "--pictures", "--colours",
                                    kitText.toStdString()});
        QVERIFY2(cli.exitCode == 0, cli.err.c_str());
        fs::copy_file(ToPath(model.m_pictureFiles[0]), parts / "front.png", fs::copy_options::overwrite_existing);

        // Page three: other kit colours re-map nothing; Save over the jersey, and no other jersey.
        next();
        PickThroughGrid(Control<CColourPicker>(app->m_pageThree, CPageThree::Jersey1Picker), 9);
        PickThroughGrid(Control<CColourPicker>(app->m_pageThree, CPageThree::Jersey2Picker), 15);
        QString savedKit;
        for (int colour : app->m_pageThree->Colours())
        {
            savedKit += (savedKit.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(colour);
        }
        PlatformScript::QueueAnswer(MsgAnswer::Yes); // overwrite
        PlatformScript::QueueAnswer(MsgAnswer::No);  // no other jersey
        QTest::mouseClick(sheet->button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(PlatformScript::Messages().size(), 2);
        QVERIFY(!sheet->isVisible());

        const fs::path reference = work / "reference.FSH";
        cli = RunCli({"save", PathText(bench.original), PathText(reference), "--parts", PathText(parts),
                      "--colours", savedKit.toStdString(), "--label", model.m_label.toStdString()});
        QVERIFY2(cli.exitCode == 0, cli.err.c_str());
        QVERIFY(ReadBytes(bench.jersey) == ReadBytes(reference));
        const Bitmap8 saved = *ReadPartImage(ReadBytes(bench.jersey), Part::Front, "PK012.FSH");
        const Bitmap8 before = *ReadPartImage(ReadBytes(bench.original), Part::Front, "PK012.FSH");
        QCOMPARE(int(saved.At(50, 25)), 63); // jersey 2nd at full shade, whatever colours it shows now
        QCOMPARE(saved.At(5, 5), before.At(5, 5));
        QVERIFY(saved.pixels != before.pixels);

        app->ExitInstance();
        app.reset();
        QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
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
