// The colours and save page driven through its real widgets: colours from the record or the defaults,
// picks through the grid, the preview, saving with its questions and refusals, the thumbnail, leaving
// the page and cancelling.

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/TarnixApp.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"
#include "archive/PartExport.h"
#include "archive/ShirtPictures.h"
#include "archive/Thumbnail.h"
#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/LogoTagline.h"
#include "wizard/PageThree.h"
#include "wizard/PageThreeBanner.h"
#include "wizard/PaintedParts.h"
#include "wizard/WizardSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QtTest>
#include <memory>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

constexpr int kPickerIds[7] = {CPageThree::Jersey1Picker, CPageThree::Jersey2Picker, CPageThree::Jersey3Picker,
                               CPageThree::Shorts1Picker, CPageThree::Shorts2Picker, CPageThree::Socks1Picker,
                               CPageThree::Socks2Picker};

QColor Ramp(int index)
{
    const std::uint32_t rgb = ShadeRamps[index][15];
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A jersey copied into a private folder, its parts exported as page two does, and the sheet with a
// stand-in first and second page before the colours page.
struct Fixture
{
    explicit Fixture(int number = 12)
    {
        jersey = dir / "PK012 copy.FSH";
        fs::copy_file(SampleJerseyPath(number), jersey);
        app.m_model.m_jerseyPath = FromPath(jersey);
        PartFiles files;
        for (int slot = 0; slot < PartSlotCount; ++slot)
        {
            files[slot] = *CreateTempFile(".bmp");
            app.m_model.m_partFiles[slot] = FromPath(files[slot]);
        }
        Status exported = ExportParts(jersey, files);
        if (!exported.ok())
        {
            qWarning("%s", exported.error().c_str());
        }
        app.m_model.MarkPartFilesClean(); // as page two leaves them after the export
        sheet = std::make_unique<CWizardSheet>();
        sheet->AddPage(new CWizardPage);
        sheet->AddPage(new CWizardPage);
        page = new CPageThree(app.m_model);
        sheet->AddPage(page);
    }
    ~Fixture()
    {
        sheet.reset();
        app.m_model.DeletePartFiles();
    }
    void Show()
    {
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
        Next();
        Next();
        QCOMPARE(sheet->currentPage(), page);
    }
    void Next() { QTest::mouseClick(sheet->button(QWizard::NextButton), Qt::LeftButton); }
    void Back() { QTest::mouseClick(sheet->button(QWizard::BackButton), Qt::LeftButton); }
    void Save() { QTest::mouseClick(sheet->button(QWizard::FinishButton), Qt::LeftButton); }
    CColourPicker* Picker(int k) const { return Control<CColourPicker>(page, kPickerIds[k]); }
    QImage Front() const { return Control<QLabel>(page, CPageThree::FrontPicture)->pixmap().toImage(); }
    QLineEdit* SaveTo() const { return Control<QLineEdit>(page, CPageThree::SaveToEdit); }
    QLineEdit* Label() const { return Control<QLineEdit>(page, CPageThree::LabelEdit); }

    TempDir dir;
    fs::path jersey;
    CTarnixApp app;
    std::unique_ptr<CWizardSheet> sheet;
    CPageThree* page = nullptr;
};

QStringList Texts(const QList<ShownMessage>& messages)
{
    QStringList texts;
    for (const ShownMessage& m : messages)
    {
        texts.append(m.text);
    }
    return texts;
}

// The line that says where Mardek's thumbnail goes.
QLabel* Note(QWidget* page)
{
    return Control<QLabel>(page, CPageThree::ThumbnailNoteText);
}

} // namespace

class TestPageThree : public QObject
{
    Q_OBJECT

  private slots:
    void init() { PlatformScript::Begin(); }
    void cleanup()
    {
        PlatformScript::End();
        QCOMPARE(PrivateTempFolder::OurTempFiles(), QStringList());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void DefaultColoursTargetAndLabel()
    {
        Fixture f;
        f.app.m_model.m_jerseyLabel = QStringLiteral("Stade Fran\u00e7ais");
        f.Show();
        QCOMPARE(f.sheet->buttonText(QWizard::FinishButton), QStringLiteral("Save"));
        QVERIFY(f.sheet->button(QWizard::FinishButton)->isEnabled());
        QVERIFY(f.sheet->button(QWizard::BackButton)->isEnabled());
        const int defaults[7] = {1, 20, 13, 1, 6, 1, 6};
        for (int k = 0; k < 7; ++k)
        {
            QCOMPARE(f.Picker(k)->PickerColour(), Ramp(defaults[k]));
            QCOMPARE(int(f.app.m_model.m_jerseyColours[1 + k]), defaults[k]);
        }
        QCOMPARE(int(f.app.m_model.m_jerseyColours[0]), 0);
        QCOMPARE(f.SaveTo()->text(), f.app.m_model.m_jerseyPath);
        QCOMPARE(f.Label()->text(), f.app.m_model.m_jerseyLabel);
        // The preview is the composed front in those colours.
        for (const QString& file : f.page->ComposedFiles())
        {
            QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("Tar")));
        }
        auto composed = ReadBmp8File(ToPath(f.page->ComposedFiles()[0]));
        QVERIFY(composed.ok());
        RecolourColourTable(composed->colours, f.app.m_model.m_jerseyColours);
        const QImage front = f.Front();
        QCOMPARE(front.size(), QSize(128, 128));
        for (int y = 0; y < 128; y += 7)
        {
            for (int x = 0; x < 128; x += 5)
            {
                const auto* c = &composed->colours[std::size_t(composed->At(x, y)) * 4];
                QCOMPARE(front.pixel(x, y), qRgb(c[2], c[1], c[0]));
            }
        }
        // The thumbnail controls stay out of sight.
        QVERIFY(!Control<QCheckBox>(f.page, CPageThree::ThumbnailCheck)->isVisible());
        QVERIFY(!Control<QComboBox>(f.page, CPageThree::ThumbnailList)->isVisible());
        QVERIFY(!f.page->ThumbnailWanted());
    }

    void StoredColoursAndPicksThroughTheGrid()
    {
        Fixture f;
        f.app.m_model.m_jerseyColours[0] = 1;
        SetKitColours(f.app.m_model.m_jerseyColours, {19, 2, 3, 4, 5, 6, 7});
        f.Show();
        QCOMPARE(f.Picker(0)->PickerColour(), Ramp(19));
        QCOMPARE(f.Picker(6)->PickerColour(), Ramp(7));
        QCOMPARE(f.Picker(4)->ControlId(), int(CPageThree::Shorts2Picker));

        std::array<Bytes, 4> composed;
        for (int i = 0; i < 4; ++i)
        {
            composed[i] = ReadBytes(ToPath(f.page->ComposedFiles()[i]));
        }
        const QImage before = f.Front();

        // Jersey 1st to Light Green (row 1, column 1): the record, the picker and the preview follow at once.
        PickThroughGrid(f.Picker(0), 9);
        QCOMPARE(f.page->Colours()[0], 9);
        QCOMPARE(int(f.app.m_model.m_jerseyColours[1]), 9);
        QCOMPARE(f.Picker(0)->PickerColour(), Ramp(9));
        QVERIFY(f.Front() != before);
        auto bitmap = ReadBmp8File(ToPath(f.page->ComposedFiles()[0]));
        RecolourColourTable(bitmap->colours, f.app.m_model.m_jerseyColours);
        QCOMPARE(f.Front(),
                 [&]
                 {
                     QImage image(128, 128, QImage::Format_RGB32);
                     for (int y = 0; y < 128; ++y)
                         for (int x = 0; x < 128; ++x)
                         {
                             const auto* c = &bitmap->colours[std::size_t(bitmap->At(x, y)) * 4];
                             image.setPixel(x, y, qRgb(c[2], c[1], c[0]));
                         }
                     return image;
                 }()
                     .convertToFormat(f.Front().format()));

        // "Not Used" on shorts 2nd (control 1022, the fifth colour) is stored and shown as Black.
        PickThroughGrid(f.Picker(4), 23);
        QCOMPARE(f.page->Colours()[4], 22);
        QCOMPARE(int(f.app.m_model.m_jerseyColours[5]), 22);
        QCOMPARE(f.Picker(4)->PickerColour(), Ramp(22));

        // Accepts without a named colour change nothing.
        const QImage now = f.Front();
        emit f.Picker(2)->Accept(kNoCellIndex, CPageThree::Jersey3Picker);
        emit f.Picker(2)->Accept(kPastGridIndex, CPageThree::Jersey3Picker);
        QCOMPARE(f.page->Colours()[2], 3);
        QCOMPARE(f.Picker(2)->PickerColour(), Ramp(3));
        QCOMPARE(f.Front(), now);

        // A custom colour chosen past the grid is not a kit colour: the button keeps the stored colour.
        SetColourDialogHook([](QWidget*, const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); });
        QTest::mouseClick(f.Picker(2), Qt::LeftButton);
        QWidget* grid = QApplication::activePopupWidget();
        QVERIFY(grid != nullptr);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_Return);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        SetColourDialogHook({});
        QCOMPARE(f.page->Colours()[2], 3);
        QCOMPARE(f.Picker(2)->PickerColour(), Ramp(3));
        QCOMPARE(f.Front(), now);

        // Colour picks never touch the composed files.
        for (int i = 0; i < 4; ++i)
        {
            QVERIFY(ReadBytes(ToPath(f.page->ComposedFiles()[i])) == composed[i]);
        }
    }

    void BackDeletesTheComposedFiles()
    {
        Fixture f;
        f.Show();
        PickThroughGrid(f.Picker(6), 12);
        const auto first = f.page->ComposedFiles();
        f.Back();
        for (const QString& file : first)
        {
            QVERIFY(!QFileInfo::exists(file));
        }
        QCOMPARE(int(f.app.m_model.m_jerseyColours[7]), 12);
        f.Next();
        for (int i = 0; i < 4; ++i)
        {
            QVERIFY(QFileInfo::exists(f.page->ComposedFiles()[i]));
        }
        QCOMPARE(f.Picker(6)->PickerColour(), Ramp(12));
    }

    void SaveAsksBeforeOverwritingThenOffersAnotherJersey()
    {
        Fixture f;
        f.Show();
        const Bytes original = ReadBytes(f.jersey);

        // No to the overwrite question: nothing written, the page stays.
        PlatformScript::QueueAnswer(MsgAnswer::No);
        f.Save();
        QCOMPARE(Texts(PlatformScript::Messages()),
                 QStringList{f.app.m_model.m_jerseyPath +
                             QStringLiteral(" already exists. Do you want to overwrite it?")});
        QCOMPARE(PlatformScript::Messages()[0].buttons, MsgButtons::YesNoDefaultNo);
        QCOMPARE(PlatformScript::Messages()[0].icon, MsgIcon::None);
        QVERIFY(ReadBytes(f.jersey) == original);
        QCOMPARE(f.sheet->currentPage(), f.page);
        QCOMPARE(f.app.m_model.m_saved, 0);

        // Yes, then Yes to another jersey: saved in place, back on page one with the fields cleared.
        f.Label()->setText(QStringLiteral("Caf\u00e9 Crème"));
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        const auto composed = f.page->ComposedFiles();
        f.Save();
        const auto messages = PlatformScript::Messages();
        QCOMPARE(messages.size(), 3);
        // The jersey it replaced is kept in the backups folder, and the message says where.
        QVERIFY(messages[2].text.startsWith(
            QStringLiteral("Jersey has been saved\n(the file it replaced is kept as ")));
        QVERIFY(messages[2].text.endsWith(QStringLiteral(")\nWould you like to edit another jersey?")));
        QVERIFY(messages[2].text.contains(QStringLiteral("backups")));
        QCOMPARE(messages[2].icon, MsgIcon::Question);
        QCOMPARE(f.app.m_model.m_saved, 1);
        QCOMPARE(int(f.app.m_model.m_jerseyColours[0]), 1);
        JerseyColours read{};
        const JerseyInfo info = ReadJerseyInfo(f.jersey, {}, read);
        QCOMPARE(QString::fromStdString(info.label), QStringLiteral("Caf\u00e9 Crème"));
        QVERIFY(read == f.app.m_model.m_jerseyColours);
        QCOMPARE(f.sheet->currentId(), f.sheet->pageIds().first());
        QVERIFY(f.sheet->isVisible());
        for (const QString& file : composed)
        {
            QVERIFY(!QFileInfo::exists(file));
        }
        QVERIFY(f.SaveTo()->text().isEmpty());
        QVERIFY(f.Label()->text().isEmpty());
        QCOMPARE(f.app.m_model.m_thumbnailNumber, -1);

        // Next visit: the jersey's path and label again; No to another jersey ends the wizard.
        f.app.m_model.m_jerseyLabel = QStringLiteral("Again");
        f.Next();
        f.Next();
        QCOMPARE(f.SaveTo()->text(), f.app.m_model.m_jerseyPath);
        QCOMPARE(f.Label()->text(), QStringLiteral("Again"));
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        PlatformScript::QueueAnswer(MsgAnswer::No);
        f.Save();
        QVERIFY(!f.sheet->isVisible());
        QCOMPARE(f.sheet->result(), int(QDialog::Accepted));
    }

    void SaveRefusalsKeepTheTargetAndThePage()
    {
        Fixture f;
        f.Show();
        const Bytes original = ReadBytes(f.jersey);

        f.SaveTo()->clear();
        f.Save();
        QCOMPARE(Texts(PlatformScript::Messages()),
                 QStringList{QStringLiteral("Please specify a file to save to.")});

        // A label the file's single-byte text cannot hold: refused before any question or write.
        f.SaveTo()->setText(f.app.m_model.m_jerseyPath);
        f.Label()->setText(QStringLiteral("\u0395\u03bb\u03bb\u03ac\u03b4\u03b1"));
        f.Save();
        QCOMPARE(PlatformScript::Messages().size(), 2);
        QVERIFY(PlatformScript::Messages()[1].text.contains(QStringLiteral("Windows-1252")));
        QVERIFY(ReadBytes(f.jersey) == original);

        // A save that fails says why, and the page stays.
        f.Label()->setText(QStringLiteral("ok"));
        const fs::path missing = f.dir / "no such folder" / "PK099.FSH";
        f.SaveTo()->setText(FromPath(missing));
        f.Save();
        QCOMPARE(PlatformScript::Messages().size(), 3);
        QVERIFY2(
            PlatformScript::Messages()[2].text.startsWith(QStringLiteral("The jersey could not be saved:\n\n")),
            qPrintable(PlatformScript::Messages()[2].text));
        QVERIFY(!fs::exists(missing));
        QCOMPARE(f.sheet->currentPage(), f.page);
        QCOMPARE(f.app.m_model.m_saved, 0);
        QVERIFY(ReadBytes(f.jersey) == original);

        // Colours and label that could not be read when the jersey was chosen are never saved over with the
        // defaults shown in their place.
        {
            ScopedFileFaults faults([](FileOp, const fs::path&) { return true; });
            f.app.m_model.ChooseJersey(f.app.m_model.m_jerseyPath);
        }
        QVERIFY(f.app.m_model.m_jerseyReadError.contains(QStringLiteral("cannot open")));
        f.SaveTo()->setText(f.app.m_model.m_jerseyPath);
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        f.Save();
        QCOMPARE(PlatformScript::Messages().size(), 5);
        QVERIFY2(PlatformScript::Messages()[4].text.contains(f.app.m_model.m_jerseyReadError),
                 qPrintable(PlatformScript::Messages()[4].text));
        QCOMPARE(f.app.m_model.m_saved, 0);
        QVERIFY(ReadBytes(f.jersey) == original);
    }

    void DesignsThatDoNotComposeAreToldAndNotSaved()
    {
        Fixture f;
        // An editor saved the back at the wrong size.
        Bitmap8 wrong;
        wrong.width = 32;
        wrong.height = 32;
        wrong.pixels.assign(32 * 32, 63);
        WriteBytes(ToPath(f.app.m_model.m_partFiles[BackDesign]), EncodeBmp8(wrong));
        f.Show();
        QCOMPARE(PlatformScript::Messages().size(), 1);
        QVERIFY(PlatformScript::Messages()[0].text.startsWith(QStringLiteral("The designs cannot be previewed")));
        QVERIFY(f.Front().isNull());
        const Bytes original = ReadBytes(f.jersey);
        f.Save();
        QCOMPARE(PlatformScript::Messages().size(), 2);
        QVERIFY(PlatformScript::Messages()[1].text.startsWith(QStringLiteral("The jersey cannot be saved")));
        QVERIFY(ReadBytes(f.jersey) == original);
    }

    void PicturesAreComposedAndFarColoursReportedGroupByGroup()
    {
        Fixture f;
        JerseyModel& model = f.app.m_model;
        model.m_paintMode = PaintMode::Pictures;
        QVERIFY(PreparePaintFiles(model).ok());
        const fs::path front = ToPath(model.m_pictureFiles[0]);
        const EditedImage exported = *ReadEditedImageFile(front);
        RgbPicture painted{128, 128, exported.rgb};
        for (int y = 0; y < 10; ++y)
        {
            std::fill_n(painted.pixels.begin() + y * 128, 10, 0x00FF00u); // green on a kit without it
        }
        WriteBytes(front, EncodePng(painted));
        model.m_nearestColours = true;
        f.Show();
        QCOMPARE(PlatformScript::Messages().size(), 1);
        const QString text = PlatformScript::Messages()[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("100 pixels in colours the jersey does not have were mapped")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\n\nfront: 100 changed pixels")), qPrintable(text));
        QVERIFY(!f.Front().isNull());
    }

    // The link banners: in English the size they were first drawn in, their texts drawn over the gradient;
    // a longer text makes a wider banner, drawn at the screen's scale. The logo's tagline is replaced, and
    // nothing else of the logo.
    void BannersAndTheLogoTaglineFollowTheirTexts()
    {
        Fixture f;
        f.Show();
        const QPixmap guide = Control<QLabel>(f.page, CPageThree::GuideLink)->pixmap();
        const QSize colours =
            Control<QLabel>(f.page, CPageThree::DownloadLink)->pixmap().deviceIndependentSize().toSize();
        QCOMPARE(guide.deviceIndependentSize().height(), 40.0);
        QCOMPARE(colours.height(), 54);
        // Without DejaVu Sans (Windows) another font draws the texts, and its width decides.
        if (QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family() == QLatin1String("DejaVu Sans"))
        {
            QCOMPARE(guide.deviceIndependentSize().width(), 206.0);
            QCOMPARE(colours.width(), 206);
        }
        const BannerLook look{38, QColor(0x2f, 0x5f, 0xa8), QColor(0x18, 0x34, 0x63)};
        const QImage blank = DrawBanner(look, QString(), QString(), guide.devicePixelRatio()).toImage();
        QCOMPARE(blank.pixel(0, 0), qRgb(0x1b, 0x2a, 0x44));
        QVERIFY(guide.toImage().copy(49, 0, 150, 40) != blank.copy(49, 0, 150, 40));
        const QPixmap wide = DrawBanner(look, QStringLiteral("USER GUIDE"), QString(40, u'W'), 2);
        QCOMPARE(wide.devicePixelRatio(), 2.0);
        QVERIFY(wide.deviceIndependentSize().width() > guide.deviceIndependentSize().width());
        QCOMPARE(wide.height(), 80);
        // A subtitle a little too long for its box is set smaller instead (as a wider font than DejaVu's
        // would be): the banner keeps its width.
        QFont subtitleFont = QApplication::font();
        subtitleFont.setFamilies({QStringLiteral("DejaVu Sans"), subtitleFont.family()});
        subtitleFont.setPixelSize(10);
        QString longer;
        while (QFontMetricsF(subtitleFont).horizontalAdvance(longer) <= kBannerMinWidth - 56)
        {
            longer += u'n';
        }
        QCOMPARE(DrawBanner(look, QStringLiteral("USER GUIDE"), longer, 1).width(), kBannerMinWidth + 2);

        const QImage logo = QImage(QStringLiteral(":/banner131.png")).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(LogoWithTagline(QPixmap::fromImage(logo), QLatin1String(kLogoTagline))
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32),
                 logo);
        const QImage german = LogoWithTagline(QPixmap::fromImage(logo), QStringLiteral("Trikot-Editor für FIFA99"))
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(german.copy(0, 0, logo.width(), 35), logo.copy(0, 0, logo.width(), 35));
        QVERIFY(german.copy(0, 35, 150, 18) != logo.copy(0, 35, 150, 18));
    }

    void ThumbnailForMardek()
    {
        Fixture f(3);
        TempDir mardek;
        fs::create_directories(mardek / "JERSEYS");
        f.app.m_model.m_mardekFolder = FromPath(mardek.path());
        f.app.m_model.m_thumbnailNumber = 7;
        f.Show();
        QVERIFY(f.page->ThumbnailWanted());
        QCOMPARE(Control<QComboBox>(f.page, CPageThree::ThumbnailList)->currentText(), QStringLiteral("7"));
        // The page says where the thumbnail goes: Mardek's own "JERSEYS" folder.
        const QString where = QDir::toNativeSeparators(FromPath(mardek / "JERSEYS" / "frmd7.bmp"));
        QCOMPARE(Note(f.page)->toolTip(), where);
        QVERIFY(Note(f.page)->text().startsWith(QStringLiteral("Mardek thumbnail:\n")));
        QVERIFY(Note(f.page)->text().endsWith(QStringLiteral("frmd7.bmp")));
        const fs::path target = f.dir / "saved elsewhere.FSH";
        f.SaveTo()->setText(FromPath(target));
        PlatformScript::QueueAnswer(MsgAnswer::No);
        f.Save();
        QCOMPARE(PlatformScript::Messages().size(), 1); // no overwrite question for a new file
        const fs::path thumbnail = mardek / "JERSEYS" / "frmd7.bmp";
        QVERIFY(fs::exists(thumbnail));
        QVERIFY(ReadBytes(thumbnail) == *BuildThumbnail(ReadBytes(target), "saved"));
    }

    void ThumbnailNumberOutOfRangeIsToldOnce()
    {
        Fixture f;
        TempDir mardek;
        fs::create_directories(mardek / "Jerseys");
        f.app.m_model.m_mardekFolder = FromPath(mardek.path());
        f.app.m_model.m_thumbnailNumber = 65;
        f.page->CheckThumbnailNumber(); // as start-up calls it
        QCOMPARE(PlatformScript::Messages().size(), 1);
        QVERIFY(PlatformScript::Messages()[0].text.contains(QStringLiteral("65")));
        QCOMPARE(f.app.m_model.m_thumbnailNumber, -1);
        f.Show();
        QCOMPARE(PlatformScript::Messages().size(), 1);
        QVERIFY(!f.page->ThumbnailWanted());
        QCOMPARE(Note(f.page)->text(), QStringLiteral("Mardek thumbnail:\nnone (start with /jN)"));
        // Saving goes through without the thumbnail question, and writes no thumbnail.
        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        PlatformScript::QueueAnswer(MsgAnswer::No);
        f.Save();
        QCOMPARE(PlatformScript::Messages().size(), 3);
        QVERIFY(!Texts(PlatformScript::Messages())
                     .contains(QStringLiteral("Please select a jersey number to save the thumbnail to.")));
        QVERIFY(fs::is_empty(mardek / "Jerseys"));

        // Without Mardek's folder a thumbnail number is dropped too, told at the first showing.
        PlatformScript::Begin();
        Fixture g;
        g.app.m_model.m_thumbnailNumber = 7;
        g.Show();
        QCOMPARE(PlatformScript::Messages().size(), 1);
        QVERIFY(PlatformScript::Messages()[0].text.contains(QStringLiteral("Mardek's folder")));
        QVERIFY(!g.page->ThumbnailWanted());
        QCOMPARE(Note(g.page)->text(), QStringLiteral("Mardek thumbnail:\nnone (no folder chosen)"));
    }

    void BrowseChoosesTheTarget()
    {
        Fixture f;
        f.app.m_model.m_texturesFolder = QStringLiteral("/games/FIFA99/DATA/PLAYER/TEXTURES");
        f.Show();
        PlatformScript::QueueFile(std::nullopt);
        Click(f.page, CPageThree::BrowseButton);
        QCOMPARE(f.SaveTo()->text(), f.app.m_model.m_jerseyPath);
        PlatformScript::QueueFile(QStringLiteral("/home/me/new jersey.FSH"));
        Click(f.page, CPageThree::BrowseButton);
        // As the system writes paths: backslashes on Windows.
        QCOMPARE(f.SaveTo()->text(), QDir::toNativeSeparators(QStringLiteral("/home/me/new jersey.FSH")));
        const auto requests = PlatformScript::FileRequests();
        QVERIFY(requests[0].save);
        QCOMPARE(requests[0].defaultSuffix, QStringLiteral("FSH"));
        QCOMPARE(requests[0].initialPath, f.app.m_model.m_texturesFolder);
        QVERIFY(requests[0].filter.startsWith(QStringLiteral("Jersey Files (*.FSH")));
    }

    void CancelAsksUntilSaved()
    {
        Fixture f;
        f.Show();
        const QString question =
            QStringLiteral("Do you really want to quit and lose all changes made to the jersey?");
        PlatformScript::QueueAnswer(MsgAnswer::No);
        QTest::mouseClick(f.sheet->button(QWizard::CancelButton), Qt::LeftButton);
        QCOMPARE(Texts(PlatformScript::Messages()), QStringList{question});
        QCOMPARE(PlatformScript::Messages()[0].buttons, MsgButtons::YesNoDefaultNo);
        QVERIFY(f.sheet->isVisible());

        PlatformScript::QueueAnswer(MsgAnswer::Yes);
        QTest::mouseClick(f.sheet->button(QWizard::CancelButton), Qt::LeftButton);
        QVERIFY(!f.sheet->isVisible());
        QCOMPARE(f.sheet->result(), int(QDialog::Rejected));

        // Nothing changed since the last save: Cancel asks nothing.
        Fixture g;
        g.Show();
        g.app.m_model.MarkWorkSaved();
        QTest::mouseClick(g.sheet->button(QWizard::CancelButton), Qt::LeftButton);
        QCOMPARE(PlatformScript::Messages().size(), 2);
        QVERIFY(!g.sheet->isVisible());
    }
};

int main(int argc, char** argv)
{
    PrivateTempFolder temp;
    QApplication app(argc, argv);
    TestPageThree test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagethree.moc"
