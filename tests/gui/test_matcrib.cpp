// The wood crib's cost dialog over the cost frame: the locked "Cost Models"
// tab, Ok and Cancel on "Summary" only, the typed costs and their model
// boxes, the resets of each tab, "&Ok" refused with a bad box, the commit and
// cancel of the working record, a metric round trip, the crib's quantities,
// captions and timber labels, and its place in the support list's dispatch.
#include "costs/matcrib.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "model/supportlist.h"
#include "shell/supportdialogs.h"

#include "cost_dialog_test.h"

using namespace vesk;
using namespace vesk::test;

namespace {


// 8 x 8 x 42 in timbers, 2 per layer, in a 96-in entry; a 7 x 21 ft car
// with a 32-in transport height, 70 $ a trip; 0.50 $/BdFt, 4 lb/BdFt;
// 0.7 min per piece and 1 min fixed; a crew of 2 at 35 $/hr, 2.50 $ fixed.
void WorkedCrib(CaseRec& c)
{
    c.Par[0] = 8, c.Par[1] = 8, c.Par[2] = 42, c.NumPerLayer() = 2, c.FixVol()[1] = 0;
    c.CarWid[1] = 7, c.CarLen[1] = 21, c.CarHt[1] = 32, c.CarsPerTrip[1] = 1;
    c.TripCost[1] = 70, c.LoadCost[1] = 0, c.UnloadCost[1] = 0;
    c.UnitCost[1] = 0.5f, c.FabrCost[1] = 0, c.ShipCost[1] = 0;
    c.UnitWt[1] = 4, c.FixWt[1] = 0, c.SecWt[1] = 0, c.NoFixPiece[1] = 0;
    c.PieceTime[1] = 0.7f, c.FixTime[1] = 1, c.ShiftHrs[1] = 8;
    c.Crew[1] = 2, c.LabCost[1] = 35, c.FixCost[1] = 2.5f;
}

class MatCribTest : public CostDialogTest {
protected:
    void SetUp() override
    {
        CostDialogTest::SetUp();
        SetBuiltInDefaults();
        SetBuiltInTypes();
        ASSERT_EQ(AppendSupport(1, "Crib"), 1);
        G.EntryHt = 96;
        WorkedCrib(G.Cases[1]);
        WorkedCrib(G.DefCases[1]);
    }
    void TearDown() override
    {
        ResetSupportDialogs();
        CostDialogTest::TearDown();
    }
    void open() { CostDialogTest::open<MatCrib>(); }
    void openActive() { CostDialogTest::openActive<MatCrib>(); }
};

TEST_F(MatCribTest, CostModelsOpenOnlyThroughEditCostModelsAndOkOnlyOnSummary)
{
    open();
    QStringList captions;
    for (int i = 0; i < tabs()->count(); ++i)
        captions << tabs()->tabText(i);
    EXPECT_EQ(captions, QStringList({"Summary", "Costs", "Cost Models", "Construction", "Transport", "Work"}));
    EXPECT_EQ(tabs()->currentIndex(), kSummaryTab);
    EXPECT_FALSE(tabs()->isTabEnabled(kCostModelsTab));
    EXPECT_TRUE(button("ComDone")->isVisible());
    EXPECT_TRUE(button("ComCancel")->isVisible());
    EXPECT_FALSE(d_->findChild<QLabel*>("LbSelExit")->isVisible());

    for (int tab : {kCostsTab, kConstructionTab, kTransportTab, kWorkTab}) {
        clickTab(tab);
        EXPECT_EQ(tabs()->currentIndex(), tab);
        EXPECT_TRUE(button("ComDone")->isHidden()) << tab;
        EXPECT_TRUE(button("ComCancel")->isHidden()) << tab;
        EXPECT_TRUE(d_->findChild<QLabel*>("LbSelExit")->isVisible()) << tab;
        EXPECT_EQ(d_->findChild<QLabel*>("LbSelExit")->text(), "Select Summary tab to exit");
    }
    clickTab(kCostModelsTab);
    EXPECT_EQ(tabs()->currentIndex(), kWorkTab) << "a locked tab cannot be chosen";

    clickTab(kCostsTab);
    button("ComEdMat")->click();
    EXPECT_EQ(tabs()->currentIndex(), kCostModelsTab);
    EXPECT_TRUE(tabs()->isTabEnabled(kCostModelsTab));
    EXPECT_TRUE(button("ComDef(0)")->isVisible());
    clickTab(kConstructionTab);
    EXPECT_FALSE(tabs()->isTabEnabled(kCostModelsTab)) << "locked again once left";
    clickTab(kCostModelsTab);
    EXPECT_EQ(tabs()->currentIndex(), kConstructionTab);

    clickTab(kSummaryTab);
    EXPECT_TRUE(button("ComDone")->isVisible());
    EXPECT_FALSE(d_->findChild<QLabel*>("LbSelExit")->isVisible());
}

TEST_F(MatCribTest, ATypedCostUnticksItsModelBoxOnlyWhenItsTextChanged)
{
    openActive();
    clickTab(kCostsTab);
    for (const char* name : {"ChkMat", "ChkConstr", "ChkTrans"})
        EXPECT_TRUE(check(name)->isChecked()) << name;

    // Enter and leaving without typing: the model stays in use.
    box("TxCostMat")->setFocus(Qt::TabFocusReason);
    box("TxCostMat")->pressEnter();
    box("TxCostConstr")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(check("ChkMat")->isChecked());

    // Typing and Enter: the typed cost is used; the box left afterwards stays so.
    box("TxCostConstr")->selectAll();
    TypeText(box("TxCostConstr"), "150");
    box("TxCostConstr")->pressEnter();
    EXPECT_FALSE(check("ChkConstr")->isChecked());
    box("TxCostTrans")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(check("ChkConstr")->isChecked());
    EXPECT_TRUE(check("ChkMat")->isChecked());
    EXPECT_TRUE(check("ChkTrans")->isChecked()) << "getting the focus does not count as typing";

    // Typing and leaving by a click on another tab.
    TypeText(box("TxCostTrans"), "5");
    clickTab(kWorkTab);
    EXPECT_FALSE(check("ChkTrans")->isChecked());

    // Typing and leaving by the keyboard's next tab, which hides the box.
    clickTab(kCostsTab);
    box("TxCostMat")->setFocus(Qt::TabFocusReason);
    TypeText(box("TxCostMat"), "7");
    QTest::keyClick(box("TxCostMat"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), kConstructionTab);
    EXPECT_FALSE(check("ChkMat")->isChecked());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCribTest, TypedCostsTakeTheModelCostsFirstAndAgainWhenTheModelBoxIsTicked)
{
    openActive();
    const CaseRec& c = G.CurCase;
    EXPECT_EQ(box("TxCostMat")->text(), "224.00");
    EXPECT_EQ(box("TxCostConstr")->text(), "23.27");
    EXPECT_EQ(box("TxCostTrans")->text(), "7.00");
    EXPECT_FLOAT_EQ(c.UserMatCost[1], c.MatCost);
    EXPECT_FLOAT_EQ(c.UserConstrCost[1], c.ConstrCost);
    EXPECT_FLOAT_EQ(c.UserTransCost[1], c.TransCost);

    clickTab(kCostsTab);
    box("TxCostMat")->setFocus(Qt::TabFocusReason);
    box("TxCostMat")->selectAll();
    TypeText(box("TxCostMat"), "150");
    box("TxCostMat")->pressEnter();
    EXPECT_FALSE(check("ChkMat")->isChecked());
    EXPECT_EQ(c.CostFlags[1], 1);
    EXPECT_EQ(c.MatCost, 150.0f);
    EXPECT_EQ(text("LbTotCost"), "180.27");
    EXPECT_EQ(text("LbSumCost"), "180.27");
    EXPECT_EQ(text("LbMatCost"), "224.00") << "the model's cost is still shown";

    clickCheck("ChkMat");
    EXPECT_TRUE(check("ChkMat")->isChecked());
    EXPECT_EQ(box("TxCostMat")->text(), "224.00");
    EXPECT_EQ(c.CostFlags[1], 0);
    clickCheck("ChkMat");
    EXPECT_EQ(c.CostFlags[1], 1);
    EXPECT_FLOAT_EQ(c.UserMatCost[1], 224.0f) << "the typed 150 is not kept";
    EXPECT_EQ(text("LbTotCost"), "254.27");
    EXPECT_TRUE(messages().isEmpty());
}

// The inputs of each reset, as they are restored: the tab's fields equal the
// defaults, and the others keep what was typed.
TEST_F(MatCribTest, EachResetRestoresOnlyItsTabsInputs)
{
    CaseRec& rec = G.Cases[1];
    const std::vector<std::vector<SizeF CaseRec::*>> groups = {
        {&CaseRec::UnitCost, &CaseRec::FabrCost, &CaseRec::ShipCost, &CaseRec::FixCost, &CaseRec::LabCost,
         &CaseRec::Crew, &CaseRec::TripCost, &CaseRec::LoadCost, &CaseRec::UnloadCost},
        {&CaseRec::PieceTime, &CaseRec::FixTime, &CaseRec::ShiftHrs},
        {&CaseRec::PkgWid, &CaseRec::CarLen, &CaseRec::CarWid, &CaseRec::CarHt},
        {&CaseRec::UnitWt, &CaseRec::FixWt, &CaseRec::SecWt},
    };
    for (const auto& g : groups)
        for (auto f : g)
            (rec.*f)[1] += 3;
    rec.CarsPerTrip[1] = 3, rec.NoFixPiece[1] = 2;
    rec.CostFlags[1] = 5;
    rec.UserMatCost[1] = 10, rec.UserConstrCost[1] = 20, rec.UserTransCost[1] = 30;
    const CaseRec typed = rec;
    const CaseRec& def = G.DefCases[1];
    openActive();

    for (int i = 0; i < 4; ++i) {
        if (i == 0) {
            clickTab(kCostsTab);
            button("ComEdMat")->click();
        } else {
            clickTab(kCostModelsTab + i);
        }
        button(QString("ComDef(%1)").arg(i))->click();
        const CaseRec& c = G.CurCase;
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (auto f : groups[g])
                EXPECT_EQ((c.*f)[1], static_cast<int>(g) <= i ? (def.*f)[1] : (typed.*f)[1]) << i << " " << g;
        EXPECT_EQ(c.CarsPerTrip[1], i >= 2 ? def.CarsPerTrip[1] : 3) << i;
        EXPECT_EQ(c.NoFixPiece[1], i >= 3 ? def.NoFixPiece[1] : 2) << i;
        EXPECT_EQ(c.CostFlags[1], 5) << i;
        EXPECT_EQ(c.UserMatCost[1], 10.0f) << i;
        EXPECT_EQ(c.UserTransCost[1], 30.0f) << i;
        EXPECT_FALSE(check("ChkMat")->isChecked());
        EXPECT_TRUE(check("ChkConstr")->isChecked());
        EXPECT_FALSE(check("ChkTrans")->isChecked());
    }
    EXPECT_EQ(box("TxCrew")->text(), "2");
    EXPECT_EQ(box("TxFixVol")->text(), "0");
    EXPECT_EQ(box("TxCars")->text(), "1");
    EXPECT_EQ(box("TxNoPiece")->text(), "0");
    EXPECT_EQ(text("LbSumCost"), "63.27") << "10 and 30 typed, the construction from its model";
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCribTest, OkWithABadBoxNamesItsGroupShowsItsTabAndCommitsNothing)
{
    const CaseRec before = G.Cases[1];
    open();
    const auto okRefused = [&](const char* name, const char* typed, const char* group, int tab) {
        MsgBoxTest::clear();
        box(name)->setText(typed);
        clickTab(kSummaryTab);
        button("ComDone")->click();
        EXPECT_EQ(messages(), QStringList{QString("Input error: Error in %1 tab.").arg(group)}) << name;
        EXPECT_TRUE(d_->isVisible()) << name;
        EXPECT_EQ(tabs()->currentIndex(), tab) << name;
        EXPECT_TRUE(tabs()->isTabEnabled(tab)) << name;
        EXPECT_EQ(G.Cases[1], before) << name;
        EXPECT_EQ(G.ChangeCount, 0) << name;
    };
    okRefused("TxTripCost", "-1", "Transport", kCostModelsTab);
    box("TxTripCost")->setText("70");
    okRefused("TxFixVol", "a lot", "Transport", kTransportTab);
    box("TxFixVol")->setText("0");
    okRefused("TxNoPiece", "-0.5", "Work", kWorkTab);
    box("TxNoPiece")->setText("0");
    box("TxShift")->setText("-1");
    okRefused("TxCrew", "0.9", "Cost", kCostModelsTab);  // the first bad box in reading order
    box("TxCrew")->setText("2");
    okRefused("TxShift", "-1", "Time", kConstructionTab);

    box("TxShift")->setText("8");
    clickTab(kSummaryTab);
    MsgBoxTest::clear();
    button("ComDone")->click();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1].TotCost, G.CurCase.TotCost);
    EXPECT_EQ(text("LbSumCost"), "254.27");
}

TEST_F(MatCribTest, CancelAndTheCloseBoxChangeNothingOkCommitsOnce)
{
    const CaseRec before = G.Cases[1];
    AnswerNextModal([](QWidget* w) {
        EXPECT_EQ(w->objectName(), "MatCrib");
        EXPECT_EQ(w->windowTitle(), "Costs and Material Handling - Wood Cribs");
        auto* unitCost = w->findChild<NumBox*>("TxCost");
        unitCost->setText("0.75");
        unitCost->pressEnter();
        EXPECT_TRUE(ClickButton(w, "Cancel"));
    });
    EXPECT_TRUE(ShowCostDialog(1, nullptr));
    EXPECT_EQ(G.Cases[1], before);
    EXPECT_EQ(G.ChangeCount, 0);

    open();
    enter("TxCrew", "3");
    d_->close();
    EXPECT_EQ(d_->result(), QDialog::Rejected);
    EXPECT_EQ(G.Cases[1], before);
    EXPECT_EQ(G.ChangeCount, 0);

    open();
    enter("TxCrew", "3");
    button("ComDone")->click();
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1], G.CurCase);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCribTest, AMetricRoundTripOfEveryBoxLeavesTheRecordAsItWas)
{
    G.MetricUnits = -1;
    CaseRec& rec = G.Cases[1];
    rec.UnitCost[1] = 0.537f, rec.UnitWt[1] = 3.71f, rec.FixVol()[1] = 123.4f;
    rec.CarLen[1] = 21.37f, rec.CarWid[1] = 7.13f, rec.CarHt[1] = 31.77f;
    rec.FixWt[1] = 12.34f, rec.SecWt[1] = 45.67f, rec.PieceTime[1] = 0.737f, rec.FixTime[1] = 1.13f;
    rec.ShiftHrs[1] = 7.55f, rec.FabrCost[1] = 1.234f, rec.CostFlags[1] = 5;
    rec.UserMatCost[1] = 12.345f, rec.UserTransCost[1] = 3.456f;
    // A first pass takes the model's costs where none were typed.
    open();
    button("ComDone")->click();
    const CaseRec settled = G.Cases[1];

    openActive();
    const QList<NumBox*> boxes = d_->findChildren<NumBox*>();
    EXPECT_EQ(boxes.size(), 24);
    for (NumBox* b : boxes)
        focusAndEnter(b);
    clickTab(kSummaryTab);
    button("ComDone")->click();
    EXPECT_EQ(G.Cases[1], settled);
    EXPECT_TRUE(check("ChkConstr")->isChecked());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCribTest, TheWorkedCribsCostsHandlingAndWork)
{
    open();
    EXPECT_EQ(text("LbSuppVol"), "37.3");
    EXPECT_EQ(text("LbVol"), "392");
    EXPECT_EQ(text("LbPerCar"), "10");
    EXPECT_EQ(text("LbSumTrip"), "10");
    EXPECT_EQ(text("LbTripCost"), "7.00");
    EXPECT_EQ(text("LbMatCost"), "224.00");
    EXPECT_EQ(text("LbSumPiece"), "24");
    EXPECT_EQ(text("LbSumWt"), "1792");
    EXPECT_EQ(text("LbSumWork"), "8064");
    EXPECT_EQ(text("LbSumMin"), "17.8");
    EXPECT_EQ(text("LbSumRate"), "27.0");
    EXPECT_EQ(text("LbLabCost"), "20.77");
    EXPECT_EQ(text("LbConstCost"), "23.27");
    EXPECT_EQ(text("LbSumCost"), "254.27");
    EXPECT_NEAR(G.CurCase.PieceWt, 74.67, 0.005);
    EXPECT_EQ(G.CurCase.TotPieces, 24.0f);

    // Fixed pieces count as pieces only.
    enter("TxNoPiece", "3");
    EXPECT_EQ(text("LbSumPiece"), "27");
    EXPECT_EQ(text("LbSumWt"), "1792");
    EXPECT_EQ(text("LbSumCost"), "254.27");
    EXPECT_EQ(text("LbLen"), "42.0") << "the timber labels stay";
}

TEST_F(MatCribTest, CaptionsBoxesAndTimberLabelsInEitherUnits)
{
    open();
    EXPECT_EQ(caption("TxCost"), "Unit cost, $/BdFt");
    EXPECT_EQ(caption("TxWt"), "Unit weight, lb/BdFt");
    EXPECT_EQ(caption("TxFixVol"), "Fixed volume, in³");
    EXPECT_EQ(caption("TxFabr"), "Fabrication cost, $/piece");
    EXPECT_EQ(caption("TxTime"), "Construction time, min/piece");
    EXPECT_EQ(caption("LbLen"), "Timber length, in");
    EXPECT_EQ(text("LbLen"), "42.0");
    EXPECT_EQ(text("LbWid"), "8.00");
    EXPECT_EQ(text("LbNoTim"), "2");
    EXPECT_EQ(box("TxCost")->text(), "0.50");
    EXPECT_EQ(box("TxLabCost")->text(), "35.00");
    EXPECT_EQ(box("TxCrew")->text(), "2");
    EXPECT_EQ(box("TxTime")->text(), "0.700");
    EXPECT_EQ(box("TxLen")->text(), "21.0");
    EXPECT_EQ(box("TxHt")->text(), "32.0");
    EXPECT_EQ(box("TxNoPiece")->text(), "0");

    G.MetricUnits = -1;
    open();
    EXPECT_EQ(caption("TxCost"), "Unit cost, $/m³");
    EXPECT_EQ(caption("TxWt"), "Unit weight, g/cm³");
    EXPECT_EQ(caption("TxFixVol"), "Fixed volume, cm³");
    EXPECT_EQ(caption("LbWid"), "Timber width, cm");
    EXPECT_EQ(caption("TxLen"), "Length, m");
    EXPECT_EQ(caption("TxHt"), "Transport height, cm");
    EXPECT_EQ(caption("LbSuppVol"), "Support transport volume, m³");
    EXPECT_EQ(caption("LbVol"), "Car volume, m³");
    EXPECT_EQ(caption("TxFixWt"), "Fixed weight, kg/support");
    EXPECT_EQ(caption("TxSecWt"), "Secondary wt, kg/support");
    EXPECT_EQ(caption("LbTotWork"), "Total work, J/support");
    EXPECT_EQ(text("LbSumWtUnit"), "kg/support");
    EXPECT_EQ(text("LbLen"), "107");
    EXPECT_EQ(text("LbWid"), "20.3");
    EXPECT_EQ(box("TxCost")->text(), "211.89");
    EXPECT_EQ(box("TxHt")->text(), "81.3");
}

}  // namespace
