// What a screen reader meets: every control of every page and dialog, walked through Qt's accessibility
// tree, has a role and a name; the kit colour pickers, their grid, the links and the previews say what
// they are.

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/TarnixApp.h"
#include "controls/ColourGridWnd.h"
#include "controls/ColourPicker.h"
#include "controls/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/AssociateDlg.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/WizardSheet.h"

#include <QAccessible>
#include <QSettings>
#include <QtTest>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace
{

// Roles that only arrange or decorate other controls; a reader announces none of them on its own.
bool IsStructural(QAccessible::Role role)
{
    switch (role)
    {
    case QAccessible::Client:
    case QAccessible::Pane:
    case QAccessible::Border:
    case QAccessible::Separator:
    case QAccessible::Whitespace:
    case QAccessible::ScrollBar:
    case QAccessible::Indicator:
        return true;
    default:
        return false;
    }
}

// "path (role)" of every visible control below `node` without a role or a name.
void CollectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed)
{
    if (node == nullptr || node->state().invisible)
    {
        return;
    }
    const QAccessible::Role role = node->role();
    if (role == QAccessible::NoRole || (!IsStructural(role) && node->text(QAccessible::Name).trimmed().isEmpty()))
    {
        unnamed << QStringLiteral("%1 (role 0x%2)").arg(path).arg(int(role), 0, 16);
    }
    // The rows of a long list are data, not controls; the list's own name is what matters here.
    if (role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table)
    {
        return;
    }
    for (int i = 0; i < node->childCount(); ++i)
    {
        QAccessibleInterface* child = node->child(i);
        const QObject* object = child != nullptr ? child->object() : nullptr;
        CollectUnnamed(child, path + u'/' + (object != nullptr ? object->objectName() : QString::number(i)),
                       unnamed);
    }
}

QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), window->metaObject()->className(), unnamed);
    return unnamed;
}

QString UnnamedReport(QWidget* window)
{
    const QStringList unnamed = Unnamed(window);
    return unnamed.isEmpty() ? QString() : QStringLiteral("without a name:\n") + unnamed.join(u'\n');
}

#define EXPECT_ALL_NAMED(window) QVERIFY2(UnnamedReport(window).isEmpty(), qPrintable(UnnamedReport(window)))

QString NameOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

  private slots:
    void init() { PlatformScript::Begin(); }
    void cleanup()
    {
        PlatformScript::End();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void everyControlOfEveryPageAndDialogHasARoleAndAName()
    {
        TempDir work;
        const fs::path game = work / "game";
        fs::copy(SampleGameFolder(), game, fs::copy_options::recursive);
        QSettings ini(FromPath(work / "settings.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Path"), FromPath(game));
        ini.sync();
        CTarnixApp app;
        app.m_settingsFile = FromPath(work / "settings.ini");
        const fs::path jersey = FindCaseInsensitive(game, "Data/Player/Textures") / "PK001.FSH";
        QVERIFY(app.StartUp({FromPath(jersey)}));
        app.m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.m_sheet.get()));

        for (int page = 0; page < 3; ++page)
        {
            EXPECT_ALL_NAMED(app.m_sheet.get());
            if (page < 2)
            {
                QTest::mouseClick(app.m_sheet->button(QWizard::NextButton), Qt::LeftButton);
            }
        }

        // The colours page: a picker names its kit colour and the colour it holds, the grid each cell.
        auto* picker = Control<CColourPicker>(app.m_pageThree, CPageThree::Shorts2Picker);
        QAccessibleInterface* pickerNode = QAccessible::queryAccessibleInterface(picker);
        QCOMPARE(pickerNode->role(), QAccessible::ButtonDropDown);
        const int shorts2 = KitColour(app.m_model.m_jerseyColours, 4);
        QCOMPARE(pickerNode->text(QAccessible::Name),
                 QStringLiteral("Shorts 2nd colour: ") + PaletteName(shorts2));
        QTest::mouseClick(picker, Qt::LeftButton);
        auto* grid = picker->findChild<CColourGridWnd*>();
        QVERIFY(grid != nullptr);
        QAccessibleInterface* gridNode = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(gridNode->childCount(), GridColourCount);
        EXPECT_ALL_NAMED(grid);
        grid->MoveHighlight(0, 1);
        QAccessibleInterface* cell = gridNode->child(1);
        QCOMPARE(cell->text(QAccessible::Name), PaletteName(1));
        QVERIFY(cell->state().focused);
        QCOMPARE(gridNode->indexOfChild(cell), 1);
        QCOMPARE(cell->rect(), QRect(grid->mapToGlobal(CellRect(0, 1, grid->Margin()).topLeft()),
                                     CellRect(0, 1, grid->Margin()).size()));
        QCOMPARE(gridNode->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(NameOf(picker), QStringLiteral("Shorts 2nd colour: ") + PaletteName(1));

        // A link is a link, reached with Tab and followed with Enter.
        auto* link = Control<CLinkLabel>(app.m_pageThree, CPageThree::GuideLink);
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
        QVERIFY(link->focusPolicy() & Qt::TabFocus);
        QStringList opened;
        PlatformScript::SetOpenUrlHook(
            [&opened](const QString& url)
            {
                opened << url;
                return true;
            });
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(opened, QStringList{link->Url()});

        CAssociateDlg associate(app.m_model);
        associate.show();
        QVERIFY(QTest::qWaitForWindowExposed(&associate));
        EXPECT_ALL_NAMED(&associate);
        associate.hide();

        app.m_sheet->hide();
        app.ExitInstance();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
