// The wood crib's performance dialog: the automatic overhang and the overhang
// note, how timbers, rows and spacing are read, the optimisation handing its
// crib back, a design that cannot be made, and the commit of the record.
#include "files/datafiles.h"
#include "files/defaults.h"
#include "model/cribmodel.h"
#include "model/numfmt.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "shell/supportdialogs.h"
#include "supports/dsgncrib.h"

#include "perf_dialog_test.h"

using namespace vesk;
using namespace vesk::test;

namespace {

// The built-in crib: 2 timbers of 8 x 8 x 36 in per layer, 4-in overhang;
// 16 tons/ft at 2 in over a 96-in entry.
class PerfCribTest : public PerfDialogTest {
protected:
    void SetUp() override
    {
        PerfDialogTest::SetUp();
        SetBuiltInDefaults();
        SetBuiltInTypes();
        ASSERT_EQ(AppendSupport(1, "Crib"), 1);
    }
    void open() { PerfDialogTest::open<PerfCrib>(); }
};

TEST_F(PerfCribTest, OverhangFollowsTheWidthOnEnterOnlyAndANoteBelowHalfOfIt)
{
    open();
    box("TextOver")->setText("2");
    enter("TextWid", "8");
    EXPECT_EQ(box("TextOver")->text(), "4.00");
    EXPECT_EQ(G.CurCase.Par[3], 4.0f) << "the recompute takes up the new overhang";
    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    box("TextWid")->setFocus();
    box("TextWid")->setText("10");
    box("TextHard")->setFocus();
    EXPECT_EQ(G.CurCase.Par[0], 10.0f);
    EXPECT_EQ(G.CurCase.Par[3], 4.0f) << "leaving the width box keeps the overhang";

    enter("TextWid", "8");
    enter("TextOver", "3");
    EXPECT_EQ(G.CurCase.Par[3], 3.0f);
    EXPECT_EQ(messages(), QStringList{"Note: Overhanging the timbers makes the crib more stable and\r\n"
                                      "increases the load by about 10% at a given displacement.\r\n"
                                      "One half the timber width is recommended for the overhang distance."});
    enter("TextOver", "4");
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(PerfCribTest, TimbersRowsAndSpacingAsTyped)
{
    G.DesignCrit.Tpf = 8, G.DesignCrit.Conv = 1;
    CaseRec& rec = G.Cases[1];
    rec.SpacMode = 1, rec.UserSpacing = 200, rec.Rows = 1;
    open();
    enter("TextNum", "3.5");  // rounded, where rows are cut
    EXPECT_EQ(G.CurCase.NumPerLayer(), 4);
    enter("TextRows", "2.9");
    EXPECT_EQ(text("LbRows"), "2");
    enter("TextRows", "x");
    EXPECT_EQ(text("LbRows"), "1");
    enter("TextRows", "40000");
    EXPECT_EQ(messages(), QStringList{"Attention: Input errors"});
    EXPECT_EQ(G.CurCase.Rows, 1);

    // 36-in timbers: a spacing of 20 in becomes 36 in, in the box too.
    enter("TextRows", "1");
    enter("TextSpacing", "20");
    EXPECT_EQ(box("TextSpacing")->text(), qs(FormatMetric(36, 6)));
    EXPECT_EQ(std::make_pair(G.CurCase.Spacing, G.CurCase.Rows), std::make_pair(36.0f, int16_t(1)));
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(PerfCribTest, OptimizationHandsItsCribBackOnOkAndNothingOnCancel)
{
    open();
    const CaseRec before = G.CurCase;
    AnswerNextModal([](QWidget* w) { ClickButton(w, "Cancel"); });
    click("ComOpt");
    QTest::qWait(20);
    EXPECT_EQ(G.CurCase, before);

    CaseRec chosen;
    AnswerNextModal([&chosen](QWidget* w) {
        chosen = static_cast<DsgnCrib*>(w)->workCase();
        ClickButton(w, "Ok");
    });
    click("ComOpt");
    ASSERT_TRUE(QTest::qWaitFor([&] { return G.CurCase.CribA != before.CribA; }));
    EXPECT_EQ(box("TextLength")->text(), qs(FormatMetric(chosen.Par[2], 5)));
    EXPECT_EQ(G.CurCase.Par, chosen.Par) << "and recomputed with it";
    EXPECT_EQ(G.ChangeCount, 0);
}

TEST_F(PerfCribTest, NoDesignShowsItsReasonAndTheAxisStartsAtTheCribsDensity)
{
    open();
    const CaseRec& c = G.CurCase;
    EXPECT_EQ(G.PlotYMax, NiceMax(CribLoad(G.PlotXMax, c.CribA, c.CribK, c.CribB) * c.Rows * 12 / c.Spacing));

    G.DesignCrit.Tpf = 0;
    const CaseRec before = G.Cases[1];
    open();
    EXPECT_EQ(warnings(), "Timber length is too short\n"  // the crib's 20-in span under 96 in
                          "The required load density is 0: there is nothing to design for.");
    EXPECT_EQ(text("LbConv"), "");
    EXPECT_EQ(std::make_pair(G.CurCase.Rows, G.CurCase.Spacing), std::make_pair(before.Rows, before.Spacing));
    d_->findChild<QWidget*>("Pic")->grab();  // paints without a design
}

TEST_F(PerfCribTest, OkCommitsOnceCancelKeepsOnlyTheDefaultsAndAMetricRoundTripChangesNothing)
{
    ResetSupportDialogs();
    AnswerNextModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Wood Crib Performance");
        w->findChild<NumBox*>("TextLength")->setText("40");
        w->findChild<NumBox*>("TextLength")->pressEnter();
        w->findChild<QPushButton*>("ComMain")->click();
    });
    const CaseRec before = G.Cases[1];
    EXPECT_TRUE(ShowPerformanceDialog(1, nullptr));
    EXPECT_EQ(G.Cases[1], before);
    EXPECT_EQ(G.ChangeCount, 0);
    EXPECT_EQ(G.DefCases[1].RoofArea[1], 8.0f * 40 * 2) << "the default header survives Cancel";

    G.MetricUnits = -1;
    CaseRec& rec = G.Cases[1];
    rec.SpacMode = 1, rec.UserSpacing = 61.37f, rec.Rows = 2;
    rec.Par = {7.3f, 7.1f, 37.3f, 3.65f, 1234.5f, 1111.1f, 6, 12};  // 3.65 in: the width's own overhang
    const CaseRec typed = rec;
    open();
    for (const char* name : {"TextWid", "TextThick", "TextLength", "TextOver", "TextNum", "TextStrength",
                             "TextHard", "TextSpacing", "TextRows"})
        box(name)->pressEnter();
    click("ComDone");
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1], G.CurCase);
    EXPECT_EQ(std::tie(G.Cases[1].Par, G.Cases[1].UserSpacing), std::tie(typed.Par, typed.UserSpacing));
    EXPECT_TRUE(messages().isEmpty());
}

}  // namespace
