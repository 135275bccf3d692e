// The design criteria dialog of standing supports under the detached-block
// basis: derivations reaching the stored criteria, the commit and its flags,
// cancel, and boxes that keep what the program wrote.
#include "criteria/criteria.h"
#include "criteria/formmine.h"
#include "model/criteria/block.h"
#include "platform/numbox.h"
#include "program_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace vesk;
using namespace vesk::test;

namespace {

class FormMineTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.CrLf = "\r\n";
        CritRec& c = G.DesignCrit;
        c.EntryHt = 96, c.EntryWid = 20, c.RoofBearing = 500, c.FloorBearing = 400;
        c.FailHt = 10, c.RockDens = 160, c.CMRR = 80, c.YieldZone = 10, c.Depth = 800, c.BlockConv = 1.5f;
        c.Conv = 1.5f, c.Tpf = 20, c.TpfPerWid = 1, c.CurveId = -1;
        G.EntryHt = 96, G.EntryWid = 20;
        G.GRCurves.resize(51);
    }

    void open()
    {
        form_ = std::make_unique<FormMine>();
        form_->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LbTpf").isEmpty(); }));
    }
    NumBox* box(const char* name) const { return form_->findChild<NumBox*>(name); }
    QString text(const char* name) const { return form_->findChild<QLabel*>(name)->text(); }
    QCheckBox* check(const char* name) const { return form_->findChild<QCheckBox*>(name); }
    void click(const char* name) const { form_->findChild<QPushButton*>(name)->click(); }
    void type(const char* name, const QString& s, bool enter = true) const
    {
        NumBox* b = box(name);
        b->setFocus();
        b->selectAll();
        b->setText(s);
        if (enter)
            QTest::keyClick(b, Qt::Key_Return);
    }

    std::unique_ptr<FormMine> form_;
};

TEST_F(FormMineTest, CMRRAndDepthDerivationsReachTheStoredCriteria)
{
    open();
    EXPECT_EQ(text("LabDS"), "20.0");
    EXPECT_EQ(text("LabDA"), "15.7");
    EXPECT_EQ(text("LbBlockTpf"), "20.0");
    EXPECT_EQ(text("LbTpf"), "20.0");
    EXPECT_FALSE(box("TextRMR")->isEnabled());

    check("ChkCMRR")->click();  // derives the failure height from CMRR 80 at once
    EXPECT_FALSE(box("TextFail")->isEnabled());
    EXPECT_EQ(box("TextFail")->text(), "4.0");
    EXPECT_EQ(text("LabDS"), "8.00");  // (5 + 20) x 4 x 160 / 2000
    type("TextRMR", "33");
    EXPECT_EQ(box("TextFail")->text(), "13.4");  // 67 % of 20 ft

    check("ChkDepth")->click();
    type("TxDepth", "500");
    EXPECT_EQ(box("TxYield")->text(), "9");
    type("TxDepth", "499");
    EXPECT_EQ(box("TxYield")->text(), "0");
    type("TxDepth", "-3");
    EXPECT_EQ(messages(), QStringList{"Error: Depth must be non-zero"});
    type("TextRMR", "101");
    EXPECT_EQ(messages().last(), "Error: CMRR must be in the range: 1 to 100");

    check("ChkBlockArch")->click();
    EXPECT_FALSE(check("ChkBlockShear")->isChecked());
    EXPECT_EQ(text("LbBlockTpf"), text("LabDA"));
    click("ComDone");
    EXPECT_EQ(Criteria::CritEditorDone, -1);
    const CritRec& c = G.DesignCrit;
    EXPECT_FLOAT_EQ(c.FailHt, 13.4f);
    EXPECT_EQ(c.CMRR, 33.0f);  // the refused 101 is not stored
    EXPECT_EQ(c.Depth, 499.0f);
    EXPECT_EQ(c.YieldZone, 0.0f);
    EXPECT_FLOAT_EQ(c.Tpf, 0.7854f * 20 * 13.4f * 160 / 2000);
    EXPECT_FLOAT_EQ(c.TpfPerWid, c.Tpf / 20);
    EXPECT_EQ(c.BlockFlags, kBlockArch | kBlockFromCMRR | kBlockFromDepth);
    EXPECT_EQ(G.CritChangedSS, -1);
    EXPECT_EQ(G.SizeChanged, 0);
}

TEST_F(FormMineTest, ReopeningRestoresTheCheckBoxesAndTheirEnabledBoxes)
{
    G.DesignCrit.BlockFlags = kBlockArch | kBlockFromCMRR | kBlockFromDepth;
    open();
    EXPECT_TRUE(check("ChkCMRR")->isChecked());
    EXPECT_TRUE(check("ChkDepth")->isChecked());
    EXPECT_TRUE(check("ChkBlockArch")->isChecked());
    EXPECT_FALSE(check("ChkBlockShear")->isChecked());
    EXPECT_FALSE(box("TextFail")->isEnabled());
    EXPECT_TRUE(box("TextRMR")->isEnabled());
    EXPECT_FALSE(box("TxYield")->isEnabled());
    EXPECT_TRUE(box("TxDepth")->isEnabled());
    EXPECT_EQ(text("LbBlockTpf"), "15.7");
    // Opening derives nothing: the stored inputs stand as they are.
    EXPECT_EQ(box("TextFail")->text(), "10.0");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(FormMineTest, AnInvalidBoxKeepsTheDialogOpenOnOk)
{
    open();
    const CritRec before = G.DesignCrit;
    type("TextDens", "dense", false);
    click("ComDone");
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(messages(), QStringList{"Error: Invalid density"});
    EXPECT_EQ(QApplication::focusWidget(), box("TextDens"));
    EXPECT_EQ(G.DesignCrit, before);

    type("TextDens", "150", false);
    type("TxWid", "0", false);
    click("ComDone");
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(messages().last(), "Error: Invalid entry width");
    EXPECT_EQ(box("TxWid")->text(), "20.0");
    EXPECT_EQ(G.DesignCrit, before);
    click("ComDone");
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(G.DesignCrit.RockDens, 150.0f);
}

TEST_F(FormMineTest, CancelDropsTheCopyAndRestoresTheEntrySize)
{
    open();
    const CritRec before = G.DesignCrit;
    type("TxWid", "18");
    type("TxHt", "80");
    EXPECT_EQ(G.EntryWid, 18.0f);
    EXPECT_EQ(text("LabDS"), "18.4");  // the block follows the new width
    click("ComCopy");
    click("ComCancel");
    EXPECT_EQ(Criteria::CritEditorDone, 0);
    EXPECT_EQ(G.EntryWid, 20.0f);
    EXPECT_EQ(G.EntryHt, 96.0f);
    EXPECT_EQ(G.DesignCrit, before);
    EXPECT_EQ(G.SizeChanged, 0);
    EXPECT_EQ(G.VerifyCB, 0);
}

TEST_F(FormMineTest, MetricOkStoresExactlyWhatWasThere)
{
    CritRec& c = G.DesignCrit;
    c.FailHt = 11.39f, c.RockDens = 157.3f, c.YieldZone = 7.7f, c.BlockConv = c.Conv = 1.37f;
    c.EntryHt = 83.3f, c.EntryWid = 17.3f, c.RoofBearing = 433.3f;
    c.Tpf = BlockLoadDensity(c.YieldZone, c.EntryWid, c.FailHt, c.RockDens).shear;
    c.TpfPerWid = c.Tpf / c.EntryWid;
    G.EntryWid = c.EntryWid, G.EntryHt = c.EntryHt;
    G.MetricUnits = -1;
    const CritRec before = c;
    open();
    EXPECT_EQ(box("TxHt")->text(), "2.12");  // 83.3 in in metres
    click("ComDone");
    EXPECT_EQ(G.DesignCrit, before);
    EXPECT_EQ(G.CritChangedSS, 0);
    EXPECT_EQ(G.SizeChanged, 0);
}

TEST_F(FormMineTest, CopyToCableMarksBothGroupsAndTheCurvePointSetsTheConvergence)
{
    CurveRec& curve = G.GRCurves[1];
    curve.Name = "Panel 3 headgate";
    curve.Id = 4;
    curve.NumPts = 2;
    curve.Conv[1] = 1.0f, curve.Conv[2] = 2.37f;
    curve.Intensity[1] = 1.2f, curve.Intensity[2] = 0.9f;
    G.NumCurves = 1;
    G.DesignCrit.CurveId = 4;
    G.MetricUnits = -1;
    open();
    auto* list = form_->findChild<QComboBox*>("Combo1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(text("LabID"), "4");
    click("ComSetBlock");
    EXPECT_EQ(box("TxBlockConv")->text(), "6.02");  // 2.37 in in centimetres
    click("ComCopy");
    click("ComDone");
    const CritRec& c = G.DesignCrit;
    EXPECT_EQ(c.Conv, 2.37f);  // exactly the curve's point, not the rounded display
    EXPECT_EQ(c.BlockConv, 2.37f);
    EXPECT_EQ(c.CabConv, 2.37f);
    EXPECT_EQ(c.CabFailHt, 10.0f);
    EXPECT_EQ(c.CurveId, 4);
    EXPECT_EQ(G.SizeChanged, -1);
    EXPECT_EQ(G.VerifyCB, -1);
    EXPECT_EQ(G.VerifySS, 0);
}

TEST_F(FormMineTest, SummaryShowsTheSecurityCheckAndEndsConcurrentTimingThatCannotHold)
{
    G.DesignCrit.UncontrolledConv = 0.5f;
    G.DesignCrit.Timing = 1;
    open();
    EXPECT_EQ(text("LbAtype"), "Concurrent");
    EXPECT_EQ(text("LbYield"), "1.00");
    EXPECT_EQ(text("LbCont"), "1.00");
    EXPECT_EQ(text("LbYieldReq"), "Security-check convergence, in (x)");
    type("TxBlockConv", "0.5");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith("Attention: The uncontrolled convergence exceeds"));
    EXPECT_EQ(text("LbAtype"), "Independent");
    EXPECT_EQ(text("LbYield"), "1.00");
    click("ComDone");
    EXPECT_EQ(G.DesignCrit.Timing, 0);
    EXPECT_EQ(G.CritChangedSS, -1);
}

}  // namespace
