// Every support type of the shipped catalogue, cable bolts included, added to
// the support list from the main window, designed through its own performance
// dialog and costed through its cost dialog, so that the comparison commands let it
// pass; saved in a project and opened again with the same results.
#include "compare/compare.h"
#include "files/modelfile.h"
#include "files/projectfile.h"
#include "model/costs/storedcosts.h"
#include "model/supportlist.h"
#include "shell/editcases.h"
#include "shell/mainform.h"
#include "shell/steps.h"
#include "shell/supportdialogs.h"

#include "designed_project.h"
#include "program_folder.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace vesk;
using namespace vesk::test;

namespace {

using EveryType = WindowTest;

TEST_F(EveryType, DesignedThroughTheSupportListAndKeptByAProject)
{
    ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
    MainForm main;
    main.formLoad();
    ASSERT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
    main.navigationTimer()->stop();

    // One support of each type, cable bolts included, as the information
    // center adds them.
    const std::vector<int16_t> types = AddEveryShippedType();
    ASSERT_GE(types.size(), 9u);
    ASSERT_TRUE(std::any_of(types.begin(), types.end(), [](int16_t t) { return IsCableType(t); }));

    // The support list, as the main window's step opens it: each support's
    // "&Design && Costs" shows its performance dialog and then its cost
    // dialog, whose "&Ok"s count; with both it is updated.
    InstallStepOpeners();
    std::vector<int16_t> counts;
    const auto designEach = [&](QWidget* list) {
        DesignEachSupport(list, &counts);
        auto* rows = list->findChild<QTreeWidget*>("ListView1");
        for (int i = 0; i < G.NumCases; ++i)
            EXPECT_EQ(rows->topLevelItem(i)->text(1), "Yes") << i;
    };
    G.NextStep = StepSupports;
    AnswerNextModal(designEach);
    main.timerTick();
    EXPECT_EQ(counts, std::vector<int16_t>(types.size(), 2));
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
    for (int i = 1; i <= G.NumCases; ++i) {
        const CaseRec& c = G.Cases[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.Updated, 1) << i;
        EXPECT_GT(c.TotCost, 0) << i;
        EXPECT_GE(c.Rows, 1) << i;
        EXPECT_GT(c.Spacing, 0) << i;
        EXPECT_GT(c.ActTpf, 0) << i;
    }

    // Every support updated: the four comparison commands open the comparison
    // on their view (the plot and the chart after their settings), with a
    // curve for every support and nothing to report.
    std::vector<int> views;
    for (const char* command : {"MenCompare", "MenSumm", "MenPlot", "MenChart"}) {
        main.findChild<QAction*>(command)->trigger();
        EXPECT_EQ(G.NextStep, StepCompare) << command;
        const int16_t view = G.CompareView;
        if (view >= 2)
            OkWhenShown(view == 2 ? "PlotSetup" : "ChartSet");
        WhenModal(
            "Compare", [view](QWidget* w) { return static_cast<Compare*>(w)->view() == view; },
            [&views](QWidget* w) {
                views.push_back(static_cast<Compare*>(w)->view());
                for (int k = 1; k <= G.NumCases; ++k)
                    EXPECT_GT(G.Cases[static_cast<std::size_t>(k)].NumPts, 0) << k;
                ClickButton(w, "Main Menu");
            });
        main.timerTick();
    }
    EXPECT_EQ(views, std::vector<int>({0, 1, 2, 3}));
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
    InstallStepOpeners();

    const auto supports = G.Cases;
    const auto names = G.CaseName;
    const QString path = folder_.file("every.pro");
    ASSERT_TRUE(SaveProjectFile(ss(path)).ok());
    G.NumCases = 0;
    for (CaseRec& c : G.Cases)
        c = CaseRec{};
    ASSERT_TRUE(OpenProjectFile(ss(path)).ok());
    EXPECT_EQ(G.NumCases, static_cast<int16_t>(types.size()));
    for (int i = 1; i <= G.NumCases; ++i) {
        EXPECT_EQ(G.Cases[static_cast<std::size_t>(i)], supports[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(G.CaseName[static_cast<std::size_t>(i)], names[static_cast<std::size_t>(i)]) << i;
    }

    // Designed again from the opened project, each gives the same results.
    G.NextStep = StepSupports;
    AnswerNextModal(designEach);
    main.timerTick();
    for (int i = 1; i <= G.NumCases; ++i)
        EXPECT_EQ(G.Cases[static_cast<std::size_t>(i)], supports[static_cast<std::size_t>(i)]) << i;
}

// Supports of every type whose costs were accepted, designed anew (the standing supports in a 72-in entry
// instead of 96 in, the cable bolts 20 ft long instead of 14 ft): the performance dialog's "&Ok" stores at
// once, though the cost dialog is cancelled, the costs the cost dialog stores when it is opened and closed
// with "&Ok", and the supports stay updated.
TEST_F(EveryType, AcceptedCostsFollowANewDesignAtOnce)
{
    ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
    MainForm main;
    main.formLoad();
    main.navigationTimer()->stop();
    const std::vector<int16_t> types = DesignEveryShippedType(main);
    const auto accepted = G.Cases;

    G.EntryHt = 72;
    for (int i = 1; i <= G.NumCases; ++i)
        if (IsCableType(G.CaseType[static_cast<std::size_t>(i)]))
            G.Cases[static_cast<std::size_t>(i)].Par[0] = 20;
    G.NextStep = StepSupports;
    AnswerNextModal([](QWidget* list) {
        auto* rows = list->findChild<QTreeWidget*>("ListView1");
        for (int i = 0; i < G.NumCases; ++i) {
            QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                              rows->visualItemRect(rows->topLevelItem(i)).center());
            const SupportFamily family = FamilyOfType(G.CaseType[static_cast<std::size_t>(i + 1)]);
            OkWhenShown(PerformanceDialogName(family));
            OkWhenShown(CostDialogName(family), nullptr, "Cancel");
            list->findChild<QPushButton*>("ComDesign")->click();
        }
        ClickButton(list, "Main Menu");
    });
    main.timerTick();
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();

    for (int i = 1; i <= G.NumCases; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const CaseRec designed = G.Cases[n];
        EXPECT_EQ(designed.Updated, 1) << i;
        EXPECT_NE(designed.TotCost, accepted[n].TotCost) << i;
        G.CurCaseNo = static_cast<int16_t>(i), G.CurType = G.CaseType[n];
        OkWhenShown(CostDialogName(FamilyOfType(G.CaseType[n])));
        ASSERT_TRUE(ShowCostDialog(G.CaseType[n], &main));
        EXPECT_EQ(G.Cases[n], designed) << "support " << i << ", type " << G.CaseType[n];
    }
    EXPECT_EQ(types.size(), static_cast<std::size_t>(G.NumCases));
}

}  // namespace
