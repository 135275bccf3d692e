// The cost dialogs of timber posts, concrete cribs and file-defined supports
// over the cost frame: what each shows and computes of its own.
#include "costs/matcrete.h"
#include "costs/matlink.h"
#include "costs/matpost.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "platform/qtext.h"

#include "cost_dialog_test.h"

#include <QGroupBox>
#include <QRadioButton>

using namespace vesk;
using namespace vesk::test;

namespace {

// A car of 392 ft³ (7 x 21 ft, 32 in high), one per trip, 70 $ a trip; no
// fixed or secondary weight, pieces or costs.
void PlainCosts(CaseRec& c, std::size_t k)
{
    c.CarWid[k] = 7, c.CarLen[k] = 21, c.CarHt[k] = 32, c.CarsPerTrip[k] = 1;
    c.TripCost[k] = 70, c.LoadCost[k] = 0, c.UnloadCost[k] = 0, c.FabrCost[k] = 0, c.ShipCost[k] = 0;
    c.FixWt[k] = 0, c.SecWt[k] = 0, c.NoFixPiece[k] = 0, c.FixCost[k] = 0;
    c.UnitCost[k] = 1, c.PieceTime[k] = 1, c.FixTime[k] = 0, c.ShiftHrs[k] = 8, c.Crew[k] = 2, c.LabCost[k] = 35;
}

class CostMemberTest : public CostDialogTest {
protected:
    void SetUp() override
    {
        CostDialogTest::SetUp();
        SetBuiltInDefaults();
        SetBuiltInTypes();
    }
    QRadioButton* option(const char* name) const { return d_->findChild<QRadioButton*>(name); }
    QString frameTitle(const char* name) const { return d_->findChild<QGroupBox*>(name)->title(); }
    QString texts(std::initializer_list<const char*> names) const { return Texts(d_.get(), names); }
};

// ---- Timber posts ---------------------------------------------------------

TEST_F(CostMemberTest, PostRoundOrSquareChangesItsCaptionAndRecomputes)
{
    ASSERT_EQ(AppendSupport(2, "Post"), 1);
    G.EntryHt = 96;
    CaseRec& c = G.Cases[1];
    PlainCosts(c, 1);
    c.Par[0] = 8, c.PostShape()[1] = 0, c.HtAdj[1] = -6, c.SecWid[1] = 12, c.SecLen[1] = 24, c.SecThick[1] = 4;
    c.UnitWt[1] = 2.5f;
    open<MatPost>();
    EXPECT_EQ(d_->windowTitle(), "Costs and Material Handling - Timber Posts");
    EXPECT_EQ(frameTitle("FrameQty"), "Transport quantites");
    EXPECT_EQ(box("TxLabCost")->text(), "35") << "the labour rate without a pattern";
    EXPECT_EQ(texts({"LbLen", "LbWid", "LbSumPiece"}), "96.0|8.00|1");
    EXPECT_TRUE(option("OptRound")->isChecked());
    EXPECT_EQ(texts({"LbDiam", "LbSuppVol", "LbMatCost"}), "Post diameter, in|4.07|33.51");

    // The worked numbers of both shapes are the core's test; here the
    // caption and the recompute that a click brings.
    clickTab(kTransportTab);
    QTest::mouseClick(option("OptSquare"), Qt::LeftButton, {}, QPoint(8, option("OptSquare")->height() / 2));
    EXPECT_EQ(G.CurCase.PostShape()[1], 1.0f);
    EXPECT_EQ(texts({"LbDiam", "LbSuppVol", "LbMatCost"}), "Post width, in|4.44|42.67");
    QTest::mouseClick(option("OptRound"), Qt::LeftButton, {}, QPoint(8, option("OptRound")->height() / 2));
    EXPECT_EQ(texts({"LbDiam", "LbSuppVol", "LbMatCost"}), "Post diameter, in|4.07|33.51");

    // The reset of "Transport" brings the record's shape back.
    G.DefCases[1] = G.Cases[1];
    G.DefCases[1].PostShape()[1] = 1;
    option("OptRound")->setChecked(true);
    button("ComDef(2)")->click();
    EXPECT_TRUE(option("OptSquare")->isChecked());
    EXPECT_EQ(texts({"LbDiam", "LbSuppVol"}), "Post width, in|4.44");
}

// ---- Concrete cribs -------------------------------------------------------

TEST_F(CostMemberTest, ConcreteDimensionLabelsFollowTheCribType)
{
    // The type, its plan dimensions' captions and values ("-" hidden).
    const std::pair<int16_t, const char*> cases[] = {
        {4, "Piece width, in|8.00|Piece length, in|36.0"},
        {5, "Crib width, in|8.00|Crib length, in|30.0"},
        {3, "Piece diameter, in|30.0|-"},
    };
    G.EntryHt = 72;
    for (auto [type, dims] : cases) {
        G.NumCases = 0;
        ASSERT_EQ(AppendSupport(type, "Crib"), 1);
        CaseRec& c = G.Cases[1];
        PlainCosts(c, 1);
        c.Par[0] = type == 3 ? 10 : 8, c.Par[1] = 30, c.Par[2] = type == 3 ? 6 : 36, c.FixVol()[1] = 0;
        open<MatCrete>();
        EXPECT_EQ(d_->windowTitle(), "Costs and Material Handling - Concrete Supports");
        EXPECT_EQ(frameTitle("FrameQty"), "Transport quantities");
        EXPECT_EQ(text("LbHt"), "72.0");
        const bool hidden = d_->findChild<QLabel*>("LbDim1")->isHidden();
        EXPECT_EQ(hidden, d_->findChild<QLabel*>("LbLen")->isHidden()) << type;
        EXPECT_EQ(texts({"LbDim2", "LbWid"}) + "|" + (hidden ? "-" : texts({"LbDim1", "LbLen"})), dims);
    }
    // The last, the donut of the core's worked crib, in metric units.
    G.MetricUnits = -1;
    open<MatCrete>();
    EXPECT_EQ(text("LbSuppVol"), qs(FormatMetric(37.5, 15)));
    EXPECT_EQ(caption("TxCost"), "Unit cost, $/m³");
    EXPECT_EQ(texts({"Label21", "LbDim2", "LbHt", "LbWid"}), "Entry height, m|Piece diameter, cm|1.83|76.2");
    EXPECT_TRUE(messages().isEmpty());
}

// ---- File-defined supports ------------------------------------------------

constexpr std::size_t kSize2 = 3;  // the element of the third size

class LinkCostTest : public CostMemberTest {
protected:
    void SetUp() override
    {
        CostMemberTest::SetUp();
        G.NumTypes = 7;
        G.SupTypeName.resize(8);
        G.SupTypeName[7] = "Link crib";
        G.NumCases = 1, G.CurCaseNo = 1, G.CurType = 7, G.CaseType[1] = 7;
        G.EntryHt = 96;
        CaseRec c;
        // Every element holds something of its own; the third size is the
        // worked support.
        for (std::size_t k = 0; k < 21; ++k) {
            PlainCosts(c, k);
            c.UnitCost[k] = 0.5f + static_cast<float>(k), c.UnitWt[k] = 2 + static_cast<float>(k);
            c.CostFlags[k] = 2, c.UserMatCost[k] = 10, c.UserConstrCost[k] = 20, c.UserTransCost[k] = 30;
            c.PkgWid[k] = c.PkgLen[k] = c.SecWid[k] = c.SecLen[k] = 12, c.PackFactor[k] = 1;
        }
        c.SizeIdx = 2;
        c.PkgWid[kSize2] = 24, c.PkgLen[kSize2] = 24, c.HtAdj[kSize2] = 6, c.PackFactor[kSize2] = 1;
        c.SecWid[kSize2] = 24, c.SecLen[kSize2] = 24, c.SecThick[kSize2] = 12;
        c.CostBasis[kSize2] = 0, c.TimeBasis[kSize2] = 0, c.WtBasis[kSize2] = 0;
        c.PcsPerFt[kSize2] = 8, c.PieceQty[kSize2] = 1, c.UnitWt[kSize2] = 12.7f, c.UnitCost[kSize2] = 0.5f;
        c.CostFlags[kSize2] = 4;
        c.UserMatCost[kSize2] = c.UserConstrCost[kSize2] = -1, c.UserTransCost[kSize2] = 5;
        G.Cases[1] = G.DefCases[1] = c;
    }
};

TEST_F(LinkCostTest, OnItsSizeTouchesOnlyThatElementAndComputesTheWorkedSupport)
{
    const CaseRec before = G.Cases[1];
    open<MatLink>();
    EXPECT_EQ(d_->windowTitle(), "Costs and Material Handling - Link crib");
    EXPECT_EQ(texts({"LbSuppVol", "LbSumPiece", "LbSumWt", "LbSumWork", "LbMatCost"}), "34.0|64|813|3658|32.00");
    EXPECT_EQ(texts({"TxCost", "TxBwid", "TxAdj", "TxPack", "TxCostTrans"}), "0.50|24.0|6.00|1|5.00");
    EXPECT_TRUE(check("ChkMat")->isChecked());
    EXPECT_FALSE(check("ChkTrans")->isChecked()) << "the flags of the third size";

    clickCheck("ChkMat");
    enter("TxCrew", "3");
    enter("TxSthick", "6");
    button("ComDone")->click();
    ASSERT_EQ(d_->result(), QDialog::Accepted);
    const CaseRec& after = G.Cases[1];
    EXPECT_EQ(after.CostFlags[kSize2], 5);
    EXPECT_EQ(after.Crew[kSize2], 3);
    EXPECT_EQ(after.SecThick[kSize2], 6.0f);
    EXPECT_FLOAT_EQ(after.UserMatCost[kSize2], 32.0f);
    // Every other element (each holds values of its own) is as it was.
    for (std::size_t e : {std::size_t(1), std::size_t(2), kSize2 + 1}) {
        EXPECT_EQ(after.UnitCost[e], before.UnitCost[e]) << e;
        EXPECT_EQ(after.Crew[e], before.Crew[e]) << e;
        EXPECT_EQ(after.SecThick[e], before.SecThick[e]) << e;
        EXPECT_EQ(after.CostFlags[e], before.CostFlags[e]) << e;
        EXPECT_EQ(after.UserMatCost[e], before.UserMatCost[e]) << e;
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(LinkCostTest, PerFootOfHeightEntriesReadInEitherUnits)
{
    CaseRec& c = G.Cases[1];
    c.CostBasis[kSize2] = 1, c.TimeBasis[kSize2] = 1, c.WtBasis[kSize2] = 1;
    c.UnitCost[kSize2] = 3, c.PieceTime[kSize2] = 2, c.UnitWt[kSize2] = 3;
    open<MatLink>();
    EXPECT_EQ(texts({"LbCost", "LbFab", "LbTime", "LbWt"}), "Unit cost, $/ft of ht|Fabrication cost, $/support|"
                                                            "Construction time, min/ft of ht|Unit weight, lb/ft of ht");
    EXPECT_EQ(texts({"TxTime", "TxWt", "LbSumPiece"}), "2.00|3.00|1");
    // The unit captions by their own names.
    EXPECT_EQ(texts({"Label21", "Label35", "Label28", "Label33", "Label37", "Label39", "Label23"}),
              "Package width, in|Package width, in|Package length, in|Package length, in|Height reduction, in|"
              "Package thickness, in|Transport height, in");
    EXPECT_EQ(texts({"Label25", "Label32", "Label27", "Label31", "Label50", "Label52", "Label54", "Label68", "Label70",
                     "Label45"}),
              "Support transport volume, ft³|Car volume, ft³|Length, ft|Width, ft|Fixed weight, lb/support|"
              "Secondary wt, lb/support|Total weight, lb/support|lb/support|ft-lb/support|Total work, ft-lb/support");
    EXPECT_EQ(d_->findChild<QLabel*>("Label21")->parentWidget(), box("TxBwid")->parentWidget()) << "the primary package";
    EXPECT_EQ(d_->findChild<QLabel*>("Label35")->parentWidget(), box("TxSwid")->parentWidget());
    for (const char* control : {"TxBwid", "TxAdj", "TxHt", "TxFixWt", "LbTotWork", "LbSuppVol"})
        EXPECT_EQ(d_->findChild<QLabel*>(QString(control) + "Caption"), nullptr) << control;
    EXPECT_EQ(text("LbSumWt"), "24.0") << "3 lb/ft over 8 ft";
    enter("TxWt", "4");
    enter("TxTime", "1.5");
    EXPECT_EQ(G.CurCase.UnitWt[kSize2], 4.0f);
    EXPECT_EQ(G.CurCase.PieceTime[kSize2], 1.5f);
    EXPECT_EQ(text("LbSumMin"), "12.0");
    EXPECT_EQ(text("LbNote1"), text("LbNote")) << "the cost note on both tabs";

    G.MetricUnits = -1;
    open<MatLink>();
    EXPECT_EQ(texts({"LbCost", "LbTime", "LbWt"}),
              "Unit cost, $/m of ht|Construction time, min/m of ht|Unit weight, kg/m of ht");
    EXPECT_EQ(texts({"TxCost", "TxTime", "TxWt"}), "9.84|6.56|4.46") << "3 $/ft, 2 min/ft, 3 lb/ft";
    enter("TxWt", "1");
    enter("TxTime", "1");
    enter("TxCost", "1");
    EXPECT_NEAR(G.CurCase.UnitWt[kSize2], 2.2046 * 0.3048, 1e-5) << "1 kg/m in lb/ft";
    EXPECT_NEAR(G.CurCase.PieceTime[kSize2], 0.3048, 1e-6) << "1 min/m in min/ft";
    EXPECT_NEAR(G.CurCase.UnitCost[kSize2], 0.3048, 1e-6) << "1 $/m in $/ft";
    EXPECT_TRUE(messages().isEmpty());
}

}  // namespace
