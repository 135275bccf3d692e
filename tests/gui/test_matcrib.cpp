// The wood crib's cost dialog over the cost frame: the locked "Cost Models" tab, Ok and Cancel on "Summary"
// only, the typed costs and their model boxes, the resets of each tab, "&Ok" refused with a bad box, the
// commit and cancel of the working record, a metric round trip, the crib's results and labels in either
// units, and its place in the support list's dispatch. The cost arithmetic itself is the core's.
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
    // The texts of labels and boxes (whose names start with "Tx"), or with "Caption" their captions,
    // joined by "|".
    QString texts(std::initializer_list<QString> names, const QString& suffix = "") const
    {
        QStringList out;
        for (const QString& n : names)
            out << (n.startsWith("Tx") && suffix.isEmpty() ? box(n)->text() : text(n + suffix));
        return out.join('|');
    }
    // Which of the three model boxes are ticked, as "101".
    QString ticked() const
    {
        QString s;
        for (const char* n : {"ChkMat", "ChkConstr", "ChkTrans"})
            s += check(n)->isChecked() ? '1' : '0';
        return s;
    }
};

TEST_F(MatCribTest, CostModelsOpenOnlyThroughEditCostModelsAndOkOnlyOnSummary)
{
    open();
    auto* selExit = d_->findChild<QLabel*>("LbSelExit");
    EXPECT_EQ(tabs()->currentIndex(), kSummaryTab);
    EXPECT_FALSE(tabs()->isTabEnabled(kCostModelsTab));
    EXPECT_TRUE(button("ComDone")->isVisible() && button("ComCancel")->isVisible() && !selExit->isVisible());
    for (int tab : {kCostsTab, kConstructionTab, kTransportTab, kWorkTab}) {
        clickTab(tab);
        EXPECT_EQ(tabs()->currentIndex(), tab);
        EXPECT_TRUE(button("ComDone")->isHidden() && button("ComCancel")->isHidden() && selExit->isVisible()) << tab;
    }
    clickTab(kCostModelsTab);
    EXPECT_EQ(tabs()->currentIndex(), kWorkTab) << "a locked tab cannot be chosen";

    clickTab(kCostsTab);
    button("ComEdMat")->click();
    EXPECT_EQ(tabs()->currentIndex(), kCostModelsTab);
    EXPECT_TRUE(button("ComDef(0)")->isVisible());
    clickTab(kConstructionTab);
    clickTab(kCostModelsTab);
    EXPECT_EQ(tabs()->currentIndex(), kConstructionTab) << "locked again once left";

    clickTab(kSummaryTab);
    EXPECT_TRUE(button("ComDone")->isVisible() && !selExit->isVisible());
}

TEST_F(MatCribTest, ATypedCostUnticksItsModelBoxOnlyWhenItsTextChanged)
{
    openActive();
    clickTab(kCostsTab);
    EXPECT_EQ(ticked(), "111");

    // Enter and leaving without typing: the model stays in use.
    box("TxCostMat")->setFocus(Qt::TabFocusReason);
    box("TxCostMat")->pressEnter();
    box("TxCostConstr")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ticked(), "111");

    // Typing and Enter: the typed cost is used; the box left afterwards stays so, and getting the focus
    // does not count as typing.
    box("TxCostConstr")->selectAll();
    TypeText(box("TxCostConstr"), "150");
    box("TxCostConstr")->pressEnter();
    box("TxCostTrans")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ticked(), "101");

    // Typing and leaving by a click on another tab.
    TypeText(box("TxCostTrans"), "5");
    clickTab(kWorkTab);
    EXPECT_EQ(ticked(), "100");

    // Typing and leaving by the keyboard's next tab, which hides the box.
    clickTab(kCostsTab);
    box("TxCostMat")->setFocus(Qt::TabFocusReason);
    TypeText(box("TxCostMat"), "7");
    QTest::keyClick(box("TxCostMat"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), kConstructionTab);
    EXPECT_EQ(ticked(), "000");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCribTest, TypedCostsTakeTheModelCostsFirstAndAgainWhenTheModelBoxIsTicked)
{
    openActive();
    const CaseRec& c = G.CurCase;
    EXPECT_EQ(texts({"TxCostMat", "TxCostConstr", "TxCostTrans"}), "224.00|23.27|7.00");

    clickTab(kCostsTab);
    box("TxCostMat")->setFocus(Qt::TabFocusReason);
    box("TxCostMat")->selectAll();
    TypeText(box("TxCostMat"), "150");
    box("TxCostMat")->pressEnter();
    EXPECT_EQ(c.CostFlags[1], 1);
    // The totals take 150; the model's cost is still shown.
    EXPECT_EQ(texts({"LbTotCost", "LbSumCost", "LbMatCost"}), "180.27|180.27|224.00");

    clickCheck("ChkMat");
    EXPECT_EQ(box("TxCostMat")->text(), "224.00");
    EXPECT_EQ(c.CostFlags[1], 0);
    clickCheck("ChkMat");
    EXPECT_EQ(c.CostFlags[1], 1);
    EXPECT_EQ(text("LbTotCost"), "254.27") << "the typed 150 is not kept";
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
        EXPECT_EQ(ticked(), "010") << i;
    }
    EXPECT_EQ(texts({"TxCrew", "TxFixVol", "TxCars", "TxNoPiece"}), "2|0|1|0");
    EXPECT_EQ(text("LbSumCost"), "63.27") << "10 and 30 typed, the construction from its model";
    EXPECT_TRUE(messages().isEmpty());
}

// Which group a box belongs to and which box comes first are the core's; here the tab shown for each group,
// the locked "Cost Models" tab among them.
TEST_F(MatCribTest, OkWithABadBoxNamesItsGroupShowsItsTabAndCommitsNothing)
{
    const CaseRec before = G.Cases[1];
    open();
    const auto okRefused = [&](const char* name, const char* typed, const char* group, int tab) {
        MsgBoxTest::clear();
        const QString was = box(name)->text();
        box(name)->setText(typed);
        clickTab(kSummaryTab);
        button("ComDone")->click();
        EXPECT_EQ(messages(), QStringList{QString("Input error: Error in %1 tab.").arg(group)}) << name;
        EXPECT_TRUE(d_->isVisible() && tabs()->isTabEnabled(tab)) << name;
        EXPECT_EQ(tabs()->currentIndex(), tab) << name;
        EXPECT_TRUE(G.Cases[1] == before && G.ChangeCount == 0) << name;
        box(name)->setText(was);
    };
    okRefused("TxTripCost", "-1", "Transport", kCostModelsTab);
    okRefused("TxFixVol", "a lot", "Transport", kTransportTab);
    okRefused("TxNoPiece", "-0.5", "Work", kWorkTab);
    okRefused("TxShift", "-1", "Time", kConstructionTab);

    clickTab(kSummaryTab);
    MsgBoxTest::clear();
    button("ComDone")->click();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1].TotCost, G.CurCase.TotCost);
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
    EXPECT_TRUE(G.Cases[1] == before && G.ChangeCount == 0);

    open();
    enter("TxCrew", "3");
    d_->close();
    EXPECT_EQ(d_->result(), QDialog::Rejected);
    EXPECT_TRUE(G.Cases[1] == before && G.ChangeCount == 0);

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

// The worked crib's results, each in its label; fixed pieces count as pieces only. Captions, boxes and
// timber labels in either units.
TEST_F(MatCribTest, TheWorkedCribsResultsCaptionsAndLabelsInEitherUnits)
{
    open();
    EXPECT_EQ(texts({"LbSuppVol", "LbVol", "LbPerCar", "LbSumTrip", "LbTripCost", "LbMatCost", "LbSumPiece",
                     "LbSumWt", "LbSumWork", "LbSumMin", "LbSumRate", "LbLabCost", "LbConstCost", "LbSumCost"}),
              "37.3|392|10|10|7.00|224.00|24|1792|8064|17.8|27.0|20.77|23.27|254.27");
    EXPECT_EQ(texts({"LbLen", "LbWid", "LbNoTim", "TxCost", "TxLabCost", "TxCrew", "TxTime", "TxLen", "TxHt"}),
              "42.0|8.00|2|0.50|35.00|2|0.700|21.0|32.0");
    EXPECT_EQ(texts({"TxCost", "TxFabr", "TxTime"}, "Caption"),
              "Unit cost, $/BdFt|Fabrication cost, $/piece|Construction time, min/piece");
    enter("TxNoPiece", "3");
    EXPECT_EQ(texts({"LbSumPiece", "LbSumWt", "LbSumCost", "LbLen"}), "27|1792|254.27|42.0");

    G.MetricUnits = -1;
    open();
    EXPECT_EQ(texts({"TxCost", "TxWt", "TxFixVol", "LbWid", "TxLen", "TxHt", "LbSuppVol", "LbVol", "TxFixWt",
                     "TxSecWt", "LbTotWork"}, "Caption"),
              "Unit cost, $/m³|Unit weight, g/cm³|Fixed volume, cm³|Timber width, cm|Length, m|"
              "Transport height, cm|Support transport volume, m³|Car volume, m³|Fixed weight, kg/support|"
              "Secondary wt, kg/support|Total work, J/support");
    EXPECT_EQ(texts({"LbSumWtUnit", "LbLen", "LbWid", "TxCost", "TxHt"}), "kg/support|107|20.3|211.89|81.3");
    enter("TxHt", "81.28");  // cm
    EXPECT_FLOAT_EQ(G.CurCase.CarHt[1], 32.0f);
}

}  // namespace
