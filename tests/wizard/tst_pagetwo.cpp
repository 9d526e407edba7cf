// The design page driven through its real widgets: exporting once per jersey, opening each part file in
// the editor, the editor path, the pictures and their reload.

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/TarnixApp.h"
#include "archive/GimpPalette.h"
#include "archive/KitColours.h"
#include "archive/PartExport.h"
#include "archive/ShirtPictures.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QtTest>
#include <cstring>
#include <memory>

using namespace tarnix;
namespace fs = std::filesystem;
using namespace tarnix::test;

namespace
{

struct Started
{
    QString program;
    QStringList arguments;
};

// The sheet with a stand-in first and last page around the design page.
struct Fixture
{
    explicit Fixture(CTarnixApp& app)
    {
        sheet = std::make_unique<CWizardSheet>();
        sheet->AddPage(new CWizardPage);
        page = new CPageTwo(app.m_model);
        sheet->AddPage(page);
        sheet->AddPage(new CWizardPage);
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
    }
    ~Fixture() { sheet->close(); }
    void Next() { QTest::mouseClick(sheet->button(QWizard::NextButton), Qt::LeftButton); }
    void Back() { QTest::mouseClick(sheet->button(QWizard::BackButton), Qt::LeftButton); }
    QImage Picture(int id) const { return Control<QLabel>(page, id)->pixmap().toImage(); }

    std::unique_ptr<CWizardSheet> sheet;
    CPageTwo* page = nullptr;
};

} // namespace

class TestPageTwo : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        PlatformScript::Begin();
        m_started.clear();
        PlatformScript::SetStartHook(
            [this](const QString& program, const QStringList& arguments)
            {
                m_started.append({program, arguments});
                return m_startResult;
            });
        m_startResult = true;
    }
    void cleanup()
    {
        PlatformScript::End();
        QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void ExportsOncePerJerseyAndShowsTheDesigns()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(12));
        {
            Fixture f(app);
            QVERIFY(app.m_model.m_partFiles[FrontDesign].isEmpty());
            f.Next();
            QCOMPARE(f.sheet->currentPage(), f.page);

            // Eight files of ours, with the exported bytes.
            auto expected = BuildPartBitmaps(ReadBytes(SampleJerseyPath(12)), "PK012.FSH");
            QVERIFY(expected.ok());
            for (int slot = 0; slot < PartSlotCount; ++slot)
            {
                const QFileInfo info(app.m_model.m_partFiles[slot]);
                QVERIFY(info.fileName().startsWith(QStringLiteral("Tar")));
                QCOMPARE(info.suffix(), QStringLiteral("bmp"));
                QVERIFY(ReadBytes(ToPath(app.m_model.m_partFiles[slot])) == (*expected)[slot]);
            }
            // The four designs at their sizes, in the file's own colours.
            QCOMPARE(f.Picture(CPageTwo::FrontPicture).size(), QSize(128, 128));
            QCOMPARE(f.Picture(CPageTwo::BackPicture).size(), QSize(64, 64));
            QCOMPARE(f.Picture(CPageTwo::LongSleevePicture).size(), QSize(64, 64));
            QCOMPARE(f.Picture(CPageTwo::ShortSleevePicture).size(), QSize(64, 48));
            const Bitmap8 front = *ReadBmp8File(ToPath(app.m_model.m_partFiles[FrontDesign]));
            const auto* entry = &front.colours[std::size_t(front.At(40, 40)) * 4];
            QCOMPARE(f.Picture(CPageTwo::FrontPicture).pixel(40, 40), qRgb(entry[2], entry[1], entry[0]));

            // The user edits the back; a second visit keeps the edit and the file names.
            const auto files = app.m_model.m_partFiles;
            Bitmap8 back = *ReadBmp8File(ToPath(files[BackDesign]));
            std::fill(back.pixels.begin(), back.pixels.end(), std::uint8_t(63));
            WriteBytes(ToPath(files[BackDesign]), EncodeBmp8(back));
            f.Back();
            f.Next();
            QVERIFY(app.m_model.m_partFiles == files);
            QVERIFY(ReadBytes(ToPath(files[BackDesign])) == EncodeBmp8(back));
            const auto* c63 = &back.colours[63 * 4];
            QCOMPARE(f.Picture(CPageTwo::BackPicture).pixel(10, 10), qRgb(c63[2], c63[1], c63[0]));

            // Another jersey (page one empties the slots): a fresh export.
            f.Back();
            app.m_model.DeletePartFiles();
            app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(3));
            f.Next();
            QVERIFY(!app.m_model.m_partFiles[FrontDesign].isEmpty());
            QVERIFY(app.m_model.m_partFiles[FrontDesign] != files[FrontDesign]);
            QVERIFY(!QFileInfo::exists(files[FrontDesign]));
        }
        app.m_model.DeletePartFiles();
    }

    void ExportFailureIsToldAndLeavesNothing()
    {
        TempDir dir;
        WriteBytes(dir / "broken.fsh", Bytes{'S', 'H', 'P', 'I', 0, 0});
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(dir / "broken.fsh");
        Fixture f(app);
        f.Next();
        const auto messages = PlatformScript::Messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].text.startsWith(QStringLiteral("The jersey's parts could not be prepared")));
        QVERIFY2(messages[0].text.contains(QStringLiteral("broken.fsh")), qPrintable(messages[0].text));
        for (const QString& file : app.m_model.m_partFiles)
        {
            QVERIFY(file.isEmpty());
        }
        QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
        QVERIFY(f.Picture(CPageTwo::FrontPicture).isNull());
        // Nothing to open in the editor.
        Control<QLineEdit>(f.page, CPageTwo::EditorEdit)->setText(QStringLiteral("/usr/bin/editor"));
        Click(f.page, CPageTwo::FrontButton);
        QCOMPARE(m_started.size(), 0);
        QCOMPARE(PlatformScript::Messages().size(), 2);
    }

    void EditorButtonsOpenTheirSlot()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(1));
        {
            Fixture f(app);
            f.Next();
            // The setting is a command line: quotes group, %f is the file.
            const QString editor = QStringLiteral("/opt/my paint/bin/paint program");
            QTest::keyClicks(Control<QLineEdit>(f.page, CPageTwo::EditorEdit),
                             QStringLiteral("\"%1\" --new-window %f --layer \"top layer\"").arg(editor));
            const std::pair<int, int> buttons[] = {
                {CPageTwo::FrontButton, 0},           {CPageTwo::BackButton, 1},
                {CPageTwo::LongSleeveButton, 2},      {CPageTwo::ShortSleeveButton, 3},
                {CPageTwo::FrontShadeButton, 4},      {CPageTwo::BackShadeButton, 5},
                {CPageTwo::LongSleeveShadeButton, 6}, {CPageTwo::ShortSleeveShadeButton, 7}};
            for (const auto& [id, slot] : buttons)
            {
                Click(f.page, id);
                QCOMPARE(m_started.size(), 1);
                QCOMPARE(m_started[0].program, editor);
                QCOMPARE(m_started[0].arguments,
                         (QStringList{QStringLiteral("--new-window"), app.m_model.m_partFiles[slot],
                                      QStringLiteral("--layer"), QStringLiteral("top layer")}));
                m_started.clear();
            }
            // A program chosen with the file chooser, spaces and all, needs no quotes; the file is appended.
            TempDir programs;
#ifdef Q_OS_WIN
            // Windows starts only files with a program's extension.
            const fs::path program = programs / "My Paint.exe";
#else
            const fs::path program = programs / "My Paint";
#endif
            WriteBytes(program, Bytes{'#', '!'});
            fs::permissions(program, fs::perms::owner_all);
            Control<QLineEdit>(f.page, CPageTwo::EditorEdit)->setText(FromPath(program));
            Click(f.page, CPageTwo::BackShadeButton);
            QCOMPARE(m_started.size(), 1);
            QCOMPARE(m_started[0].program, FromPath(program));
            QCOMPARE(m_started[0].arguments, QStringList{app.m_model.m_partFiles[BackShade]});
            QCOMPARE(PlatformScript::Messages().size(), 0);
        }
        app.m_model.DeletePartFiles();
    }

    void EditorMessages()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(2));
        {
            Fixture f(app);
            f.Next();
            // No editor: the message, nothing started.
            Click(f.page, CPageTwo::BackButton);
            QCOMPARE(m_started.size(), 0);
            QCOMPARE(PlatformScript::Messages().size(), 1);
            QCOMPARE(PlatformScript::Messages()[0].text,
                     QStringLiteral("Please select your favourite bitmap editor."));
            QCOMPARE(PlatformScript::Messages()[0].buttons, MsgButtons::Ok);

            // An editor that does not start, through the real process start.
            PlatformScript::SetStartHook({});
            Control<QLineEdit>(f.page, CPageTwo::EditorEdit)
                ->setText(QStringLiteral("/nonexistent folder/no editor"));
            Click(f.page, CPageTwo::FrontShadeButton);
            QCOMPARE(PlatformScript::Messages().size(), 2);
            const QString failure = PlatformScript::Messages()[1].text;
            QVERIFY(failure.startsWith(
                QStringLiteral("Error starting bitmap editor, please make sure the path is correct\n\nTried: ")));
            QVERIFY(failure.contains(QStringLiteral("/nonexistent folder/no editor")));
        }
        app.m_model.DeletePartFiles();
    }

    void EditorPathBrowsedTypedAndKept()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(4));
        app.m_model.m_editorPath = QStringLiteral("/usr/bin/old editor");
        {
            Fixture f(app);
            auto* edit = Control<QLineEdit>(f.page, CPageTwo::EditorEdit);
            QCOMPARE(edit->text(), app.m_model.m_editorPath);
            f.Next();

            // Browse cancelled keeps the path; chosen replaces it.
            PlatformScript::QueueFile(std::nullopt);
            Click(f.page, CPageTwo::BrowseButton);
            QCOMPARE(edit->text(), QStringLiteral("/usr/bin/old editor"));
            PlatformScript::QueueFile(QStringLiteral("/usr/bin/new editor"));
            Click(f.page, CPageTwo::BrowseButton);
            QCOMPARE(edit->text(), QStringLiteral("/usr/bin/new editor"));
            const auto requests = PlatformScript::FileRequests();
            QCOMPARE(requests.size(), 2);
            QVERIFY(!requests[0].save);
            QVERIFY(requests[0].filter.contains(QStringLiteral("Executable Files (*.EXE")));
#ifndef Q_OS_WIN
            QVERIFY(requests[0].filter.startsWith(QStringLiteral("All Files (*)")));
#endif

            // A path typed and never confirmed is stored when the page is left, by Next and by Back.
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("/usr/local/bin/typed"));
            f.Next();
            QCOMPARE(app.m_model.m_editorPath, QStringLiteral("/usr/local/bin/typed"));
            f.Back();
            QTest::keyClicks(edit, QStringLiteral("2"));
            f.Back();
            QCOMPARE(app.m_model.m_editorPath, QStringLiteral("/usr/local/bin/typed2"));
        }
        app.m_model.DeletePartFiles();
    }

    void InstalledEditorsAreOfferedAndProposed()
    {
        // Desktop entries as the desktop and Flatpak install them; a viewer comes after the painters.
        TempDir apps;
        const auto entry = [&](const char* file, const char* text)
        { WriteBytes(apps / file, Bytes(text, text + std::strlen(text))); };
        entry("eog.desktop", "[Desktop Entry]\nName=Image Viewer\nExec=eog %U\nMimeType=image/png;image/bmp;\n"
                             "Categories=Graphics;Viewer;RasterGraphics;\n");
        entry("org.gimp.GIMP.desktop",
              "[Desktop Entry]\nName=GNU Image Manipulation Program\nExec=/usr/bin/flatpak run --branch=stable "
              "--command=gimp-2.10 --file-forwarding org.gimp.GIMP @@u %U @@\nMimeType=image/bmp;\n"
              "Categories=Graphics;RasterGraphics;\n[Desktop Action new]\nName=New\nExec=gimp --new\n");
        entry("notes.desktop", "[Desktop Entry]\nName=Notes\nExec=notes %f\nMimeType=text/plain;\n");
        const QList<InstalledEditor> found = FindInstalledEditors({FromPath(apps.path())});
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].name, QStringLiteral("GNU Image Manipulation Program"));
        QCOMPARE(found[0].command, QStringLiteral("/usr/bin/flatpak run --branch=stable --command=gimp-2.10 "
                                                  "--file-forwarding org.gimp.GIMP %f"));
        QCOMPARE(found[1].command, QStringLiteral("eog %f"));

        // A first run proposes the first; Browse offers them all before the file chooser.
        PlatformScript::SetInstalledEditors(found);
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(4));
        {
            Fixture f(app);
            auto* edit = Control<QLineEdit>(f.page, CPageTwo::EditorEdit);
            QCOMPARE(edit->text(), found[0].command);
            f.Next();
            PlatformScript::QueueMenuChoice(1);
            Click(f.page, CPageTwo::BrowseButton);
            QCOMPARE(PlatformScript::MenusShown().last(),
                     (QStringList{found[0].name, found[1].name, QStringLiteral("Other program...")}));
            QCOMPARE(edit->text(), QStringLiteral("eog %f"));
            PlatformScript::QueueMenuChoice(2);
            PlatformScript::QueueFile(QStringLiteral("/opt/paint"));
            Click(f.page, CPageTwo::BrowseButton);
            QCOMPARE(edit->text(), QStringLiteral("/opt/paint"));
        }
        app.m_model.DeletePartFiles();
    }

    void RefreshAndWatchReloadEditedDesigns()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(5));
        {
            Fixture f(app);
            f.Next();
            const QImage front = f.Picture(CPageTwo::FrontPicture);
            const QImage longSleeve = f.Picture(CPageTwo::LongSleevePicture);
            const QImage shortSleeve = f.Picture(CPageTwo::ShortSleevePicture);

            // Refresh after a plain overwrite shows the edited back; the others reload unchanged.
            Bitmap8 back = *ReadBmp8File(ToPath(app.m_model.m_partFiles[BackDesign]));
            back.At(5, 5) = 79;
            WriteBytes(ToPath(app.m_model.m_partFiles[BackDesign]), EncodeBmp8(back));
            Click(f.page, CPageTwo::RefreshButton);
            const auto* c79 = &back.colours[79 * 4];
            QCOMPARE(f.Picture(CPageTwo::BackPicture).pixel(5, 5), qRgb(c79[2], c79[1], c79[0]));
            QCOMPARE(f.Picture(CPageTwo::FrontPicture), front);
            QCOMPARE(f.Picture(CPageTwo::LongSleevePicture), longSleeve);
            QCOMPARE(f.Picture(CPageTwo::ShortSleevePicture), shortSleeve);

            // An editor that saves by replacing the file: the picture follows by itself, more than once.
            for (std::uint8_t index : {std::uint8_t(63), std::uint8_t(47)})
            {
                Bitmap8 design = *ReadBmp8File(ToPath(app.m_model.m_partFiles[FrontDesign]));
                for (int x = 0; x < 128; ++x)
                {
                    design.At(x, 0) = index;
                }
                ReplaceBitmap(ToPath(app.m_model.m_partFiles[FrontDesign]), design);
                const auto* c = &design.colours[std::size_t(index) * 4];
                QTRY_COMPARE(f.Picture(CPageTwo::FrontPicture).pixel(64, 0), qRgb(c[2], c[1], c[0]));
            }
        }
        app.m_model.DeletePartFiles();
    }

    void KitPreviewFollowsSavesAndTheNearestBox()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(12));
        SetKitColours(app.m_model.m_jerseyColours, {9, 13, 6, 1, 6, 1, 6});
        {
            Fixture f(app);
            f.Next();
            auto kit = [&](int id) { return Control<QLabel>(f.page, id)->pixmap().toImage(); };
            const QRgb secondFull = ShadeRamps[13][15] | 0xFF000000u;
            QVERIFY(kit(CPageTwo::KitFrontPicture).pixel(32, 32) != secondFull);

            // The front painted all in index 63 at full shade: the jersey's second colour, once saved.
            Bitmap8 design = *ReadBmp8File(ToPath(app.m_model.m_partFiles[FrontDesign]));
            Bitmap8 shade = *ReadBmp8File(ToPath(app.m_model.m_partFiles[FrontShade]));
            std::fill(design.pixels.begin(), design.pixels.end(), std::uint8_t(63));
            std::fill(shade.pixels.begin(), shade.pixels.end(), std::uint8_t(15));
            ReplaceBitmap(ToPath(app.m_model.m_partFiles[FrontShade]), shade);
            ReplaceBitmap(ToPath(app.m_model.m_partFiles[FrontDesign]), design);
            QTRY_COMPARE(kit(CPageTwo::KitFrontPicture).pixel(32, 32), secondFull);
            QCOMPARE(kit(CPageTwo::KitFrontPicture).size(), QSize(64, 64));
            QCOMPARE(kit(CPageTwo::KitBackPicture).size(), QSize(64, 64));

            // A colour the jersey never had: no preview, a note, until the box maps it to the nearest.
            design.colours[63 * 4 + 0] = 3;
            design.colours[63 * 4 + 1] = 254;
            design.colours[63 * 4 + 2] = 1;
            ReplaceBitmap(ToPath(app.m_model.m_partFiles[FrontDesign]), design);
            auto* note = Control<QLabel>(f.page, CPageTwo::KitPreviewNote);
            QTRY_VERIFY(note->isVisible());
            QVERIFY(note->toolTip().contains(QStringLiteral("front design")));
            QVERIFY(!Control<QLabel>(f.page, CPageTwo::KitFrontPicture)->isVisible());
            Click(f.page, CPageTwo::NearestCheck);
            QVERIFY(app.m_model.m_nearestColours);
            QVERIFY(!note->isVisible());
            QVERIFY(!kit(CPageTwo::KitFrontPicture).isNull());
            QVERIFY(PlatformScript::Messages().isEmpty());
        }
        app.m_model.DeletePartFiles();
    }

    void PictureModeOpensPicturesAndCarriesPaintingOver()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = FromPath(SampleJerseyPath(12));
        app.m_model.m_paintMode = PaintMode::Pictures;
        const KitColours kit = {9, 13, 6, 19, 22, 3, 16};
        SetKitColours(app.m_model.m_jerseyColours, kit);
        {
            Fixture f(app);
            f.Next();
            // Four pictures in the kit colours, no part bitmaps; the shade buttons are gone.
            QVERIFY(app.m_model.m_partFiles[FrontDesign].isEmpty());
            const Bytes archive = ReadBytes(SampleJerseyPath(12));
            auto expected = BuildPicturePngs(archive, "PK012.FSH", kit);
            QVERIFY(expected.ok());
            for (int part = 0; part < 4; ++part)
            {
                QVERIFY(ReadBytes(ToPath(app.m_model.m_pictureFiles[part])) == (*expected)[part]);
            }
            QVERIFY(Control<QRadioButton>(f.page, CPageTwo::PicturesRadio)->isChecked());
            QVERIFY(!Control<QWidget>(f.page, CPageTwo::FrontShadeButton)->isVisible());
            Control<QLineEdit>(f.page, CPageTwo::EditorEdit)->setText(QStringLiteral("paint"));
            Click(f.page, CPageTwo::LongSleeveButton);
            QCOMPARE(m_started.value(0).arguments, QStringList{app.m_model.m_pictureFiles[2]});

            // The front painted all in jersey 2nd at full shade: the picture and the preview follow.
            const std::uint32_t second = ShadeRamps[13][15];
            RgbPicture painted{128, 128, std::vector<std::uint32_t>(128 * 128, second)};
            const fs::path front = ToPath(app.m_model.m_pictureFiles[0]);
            WriteBytes(fs::path(front).concat(".new"), EncodePng(painted));
            fs::rename(fs::path(front).concat(".new"), front);
            QTRY_COMPARE(f.Picture(CPageTwo::FrontPicture).pixel(70, 3), second | 0xFF000000u);
            QTRY_COMPARE(f.Picture(CPageTwo::KitFrontPicture).pixel(30, 30), second | 0xFF000000u);
            // The palette to paint pictures with: the ramps of the kit colours they are in.
            TempDir saved;
            PlatformScript::QueueFile(FromPath(saved / "kit.gpl"));
            Click(f.page, CPageTwo::SavePaletteButton);
            const std::string palette =
                BuildKitRampPalette(kit, app.m_model.m_pictureReference.parts[0].colours, "Tarnix PK012");
            QVERIFY(ReadBytes(saved / "kit.gpl") == Bytes(palette.begin(), palette.end()));

            // The other way: design and shade bitmaps made from that painting, index 63 all over.
            QTest::mouseClick(Control<QRadioButton>(f.page, CPageTwo::DesignsRadio), Qt::LeftButton);
            QCOMPARE(app.m_model.m_paintMode, PaintMode::Designs);
            QVERIFY(Control<QWidget>(f.page, CPageTwo::FrontShadeButton)->isVisible());
            const Bitmap8 design = *ReadBmp8File(ToPath(app.m_model.m_partFiles[FrontDesign]));
            const Bitmap8 shade = *ReadBmp8File(ToPath(app.m_model.m_partFiles[FrontShade]));
            QVERIFY(std::all_of(design.pixels.begin(), design.pixels.end(), [](auto v) { return v == 63; }));
            QVERIFY(std::all_of(shade.pixels.begin(), shade.pixels.end(), [](auto v) { return v == 15; }));
            const Bitmap8 back = *ReadBmp8File(ToPath(app.m_model.m_partFiles[BackDesign]));
            QVERIFY(EncodeBmp8(back) == (*BuildPartBitmaps(archive, "PK012.FSH"))[BackDesign]);
            Click(f.page, CPageTwo::FrontButton);
            QCOMPARE(m_started.value(1).arguments, QStringList{app.m_model.m_partFiles[FrontDesign]});
            QVERIFY(PlatformScript::Messages().isEmpty());

            // A colour no kit ramp comes near, without the nearest box: the painting cannot carry over.
            QTest::mouseClick(Control<QRadioButton>(f.page, CPageTwo::PicturesRadio), Qt::LeftButton);
            QCOMPARE(app.m_model.m_paintMode, PaintMode::Pictures);
            painted.pixels[0] = 0x00FF00;
            WriteBytes(front, EncodePng(painted));
            QTest::mouseClick(Control<QRadioButton>(f.page, CPageTwo::DesignsRadio), Qt::LeftButton);
            QCOMPARE(app.m_model.m_paintMode, PaintMode::Pictures);
            QVERIFY(Control<QRadioButton>(f.page, CPageTwo::PicturesRadio)->isChecked());
            QCOMPARE(PlatformScript::Messages().size(), 1);
            QVERIFY(PlatformScript::Messages()[0].text.startsWith(QStringLiteral("What you painted cannot")));
        }
        app.m_model.DeletePartFiles();
    }

  private:
    QList<Started> m_started;
    bool m_startResult = true;
};

int main(int argc, char** argv)
{
    PrivateTempFolder temp;
    QApplication app(argc, argv);
    TestPageTwo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagetwo.moc"
