// The "Associate" dialog: the teams' two strips, and assigning the current jersey to selected strips.

#include "../app/AppTestSupport.h"
#include "app/TarnixApp.h"
#include "teams/TeamDatabase.h"
#include "ui/Platform.h"
#include "wizard/AssociateDlg.h"
#include "wizard/PageOne.h"
#include "wizard/WizardSheet.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace tarnix;
using namespace tarnix::test;

namespace
{

void LoadSampleTeams(CTarnixApp& app)
{
    app.m_model.SetGameFolder(Q(SampleGameFolder()));
    QVERIFY(ReadTeamDatabase(SampleGameFolder(), app.m_model.m_teams).ok());
    ReadLeagueNames(SampleGameFolder(), app.m_model.m_teams);
}

QTreeWidgetItem* RowNamed(QTreeWidget* list, const QString& text)
{
    const QList<QTreeWidgetItem*> found = list->findItems(text, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.first();
}

void ClickRow(QTreeWidget* list, QTreeWidgetItem* row, Qt::KeyboardModifiers modifiers = {})
{
    list->scrollToItem(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(row).center());
}

const CTeamRecord* TeamNamed(const CTarnixApp& app, const std::string& name)
{
    for (const auto& team : app.m_model.m_teams)
    {
        if (team && team->name == name)
        {
            return team;
        }
    }
    return nullptr;
}

} // namespace

class TestAssociateDlg : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateTempFolder> m_temp;

  private slots:
    void initTestCase() { m_temp = std::make_unique<PrivateTempFolder>(); }
    void init() { PlatformScript::Begin(); }
    void cleanup()
    {
        PlatformScript::End();
        QCOMPARE(VisibleTopLevels(), QStringList());
        QCOMPARE(m_temp->OurFiles(), QStringList());
    }

    void everyTeamAppearsWithBothStripsInNameOrder()
    {
        CTarnixApp app;
        LoadSampleTeams(app);
        CAssociateDlg dialog(app.m_model);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Associate"));
        QTreeWidget* list = Control<QTreeWidget>(&dialog, CAssociateDlg::TeamList);
        QCOMPARE(list, dialog.List());
        QCOMPARE(Control<QPushButton>(&dialog, CAssociateDlg::AssignButton)->text(), QStringLiteral("Assign..."));
        QCOMPARE(Control<QPushButton>(&dialog, CAssociateDlg::CloseButton)->text(), QStringLiteral("Close"));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Team"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("League"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Jersey File"));
        // Sized to the contents: the longest club name of the sample is not cut.
        QVERIFY(list->columnWidth(0) >
                list->fontMetrics().horizontalAdvance(QStringLiteral("1. FC Kaiserslautern - Home")));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);

        int teams = 0;
        for (const auto& team : app.m_model.m_teams)
        {
            if (!team)
            {
                continue;
            }
            ++teams;
            const QString name = QString::fromUtf8(team->name.data(), qsizetype(team->name.size()));
            QTreeWidgetItem* home = RowNamed(list, name + QStringLiteral(" - Home"));
            QTreeWidgetItem* away = RowNamed(list, name + QStringLiteral(" - Away"));
            QVERIFY2(home != nullptr && away != nullptr, qPrintable(name));
            QCOMPARE(home->data(0, Qt::UserRole).toInt(), team->id);
            QCOMPARE(away->data(0, Qt::UserRole).toInt(), team->id + 65536);
            QCOMPARE(home->text(1), QString::fromUtf8(team->league.data(), qsizetype(team->league.size())));
            QCOMPARE(away->text(2), QString());
        }
        QCOMPARE(list->topLevelItemCount(), 2 * teams);
        // Sorted by the team, then by the column whose header is clicked.
        for (int column : {0, 1, 2})
        {
            if (column != 0)
            {
                dialog.show();
                QHeaderView* header = list->header();
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            }
            for (int i = 1; i < list->topLevelItemCount(); ++i)
            {
                QVERIFY(CompareListText(list->topLevelItem(i - 1)->text(column).toStdString(),
                                        list->topLevelItem(i)->text(column).toStdString()) <= 0);
            }
        }
    }

    void assignSetsTheSelectedStripsAndKeepsLongPathsWhole()
    {
        CTarnixApp app;
        LoadSampleTeams(app);
        // Longer than the 80 characters a cell once had, with spaces and accents.
        app.m_model.m_jerseyPath =
            QStringLiteral(u"/home/modder/Mes maillots de légende (saison 1998-1999)/Équipes "
                           u"anglaises/Arsenal domicile/PK012.FSH");
        QVERIFY(app.m_model.m_jerseyPath.size() > 80);
        const std::string expected = app.m_model.m_jerseyPath.toStdString();
        {
            CAssociateDlg dialog(app.m_model);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTreeWidget* list = dialog.List();
            ClickRow(list, RowNamed(list, QStringLiteral("Arsenal - Home")));
            ClickRow(list, RowNamed(list, QStringLiteral("Arsenal - Away")), Qt::ControlModifier);
            ClickRow(list, RowNamed(list, QStringLiteral("Home Farm - Away")), Qt::ControlModifier);
            QCOMPARE(list->selectedItems().size(), 3);
            QTest::mouseClick(Control<QPushButton>(&dialog, CAssociateDlg::AssignButton), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(RowNamed(list, QStringLiteral("Arsenal - Home"))->text(2), app.m_model.m_jerseyPath);
            QCOMPARE(RowNamed(list, QStringLiteral("Arsenal - Away"))->text(2), app.m_model.m_jerseyPath);
            QCOMPARE(RowNamed(list, QStringLiteral("Chelsea - Home"))->text(2), QString());
            QTest::mouseClick(Control<QPushButton>(&dialog, CAssociateDlg::CloseButton), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        const CTeamRecord* arsenal = TeamNamed(app, "Arsenal");
        QCOMPARE(arsenal->homeJerseyFile, expected);
        QCOMPARE(arsenal->awayJerseyFile, expected);
        const CTeamRecord* homeFarm = TeamNamed(app, "Home Farm");
        QCOMPARE(homeFarm->awayJerseyFile, expected);
        QCOMPARE(homeFarm->homeJerseyFile, std::string());
        QCOMPARE(TeamNamed(app, "Chelsea")->homeJerseyFile, std::string());

        // Opened again, the dialog shows what was assigned.
        CAssociateDlg again(app.m_model);
        QCOMPARE(RowNamed(again.List(), QStringLiteral("Arsenal - Away"))->text(2), app.m_model.m_jerseyPath);
        QCOMPARE(RowNamed(again.List(), QStringLiteral("Home Farm - Home"))->text(2), QString());
    }

    void withoutTeamsOnlyTheHeadingsShow()
    {
        CTarnixApp app;
        app.m_model.m_jerseyPath = Q(SampleJerseyPath(1));
        CAssociateDlg dialog(app.m_model);
        QCOMPARE(dialog.List()->topLevelItemCount(), 0);
        QCOMPARE(dialog.List()->headerItem()->text(2), QStringLiteral("Jersey File"));
        dialog.OnAssign();
        QCOMPARE(dialog.List()->topLevelItemCount(), 0);
    }

    void pageOneOpensTheDialogForThePathInItsField()
    {
        CTarnixApp app;
        LoadSampleTeams(app);
        app.m_sheet = std::make_unique<CWizardSheet>();
        app.m_pageOne = new CPageOne(app.m_model);
        app.m_sheet->AddPage(app.m_pageOne);
        app.m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.m_sheet.get()));
        auto* assign = Control<QPushButton>(app.m_pageOne, CPageOne::AssignButton);

        // An empty field opens nothing.
        int opened = 0;
        auto closeAnyDialog = [&]
        {
            if (auto* dialog = qobject_cast<CAssociateDlg*>(QApplication::activeModalWidget()))
            {
                ++opened;
                dialog->reject();
            }
        };
        QTimer::singleShot(0, closeAnyDialog);
        QTest::mouseClick(assign, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(opened, 0);
        QVERIFY(app.m_model.m_jerseyPath.isEmpty());

        const QString jersey = Q(SampleJerseyPath(12));
        auto* path = Control<QLineEdit>(app.m_pageOne, CPageOne::PathEdit);
        QTest::mouseClick(path, Qt::LeftButton);
        QTest::keyClicks(path, jersey);
        QTimer::singleShot(
            0,
            [&]
            {
                auto* dialog = qobject_cast<CAssociateDlg*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                ++opened;
                ClickRow(dialog->List(), RowNamed(dialog->List(), QStringLiteral("Chelsea - Away")));
                QTest::mouseClick(Control<QPushButton>(dialog, CAssociateDlg::AssignButton), Qt::LeftButton);
                QTest::mouseClick(Control<QPushButton>(dialog, CAssociateDlg::CloseButton), Qt::LeftButton);
            });
        QTest::mouseClick(assign, Qt::LeftButton);
        QCOMPARE(opened, 1);
        QCOMPARE(app.m_model.m_jerseyPath, jersey);
        QCOMPARE(TeamNamed(app, "Chelsea")->awayJerseyFile, jersey.toStdString());
        QCOMPARE(PlatformScript::Messages().size(), 0);
        app.ExitInstance();
    }
};

QTEST_MAIN(TestAssociateDlg)
#include "tst_associatedlg.moc"
