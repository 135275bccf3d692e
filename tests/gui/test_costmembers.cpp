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
    EXPECT_EQ(caption("TxFabr"), "Fabrication cost, $/support");
    EXPECT_EQ(caption("TxTime"), "Construction time, min/support");
    EXPECT_EQ(box("TxLabCost")->text(), "35") << "the labour rate without a pattern";
    EXPECT_EQ(text("LbLen"), "96.0");
    EXPECT_EQ(text("LbWid"), "8.00");
    EXPECT_TRUE(option("OptRound")->isChecked());
    EXPECT_EQ(text("LbDiam"), "Post diameter, in");
    EXPECT_EQ(text("LbSuppVol"), "4.07");
    EXPECT_EQ(text("LbPerCar"), "96");
    EXPECT_EQ(text("LbSumWt"), "83.8");
    EXPECT_EQ(text("LbSumWork"), "377");
    EXPECT_EQ(text("LbSumPiece"), "1");

    clickTab(kTransportTab);
    QTest::mouseClick(option("OptSquare"), Qt::LeftButton, {}, QPoint(8, option("OptSquare")->height() / 2));
    EXPECT_EQ(text("LbDiam"), "Post width, in");
    EXPECT_EQ(G.CurCase.PostShape()[1], 1.0f);
    EXPECT_EQ(text("LbSuppVol"), "4.44");
    EXPECT_EQ(text("LbPerCar"), "88");
    EXPECT_NEAR(G.CurCase.PieceWt, 42.67 * 2.5, 0.01);
    EXPECT_EQ(text("LbMatCost"), "42.67") << "1 $/BdFt";
    EXPECT_EQ(text("LbSumWork"), "480");

    QTest::mouseClick(option("OptRound"), Qt::LeftButton, {}, QPoint(8, option("OptRound")->height() / 2));
    EXPECT_EQ(text("LbDiam"), "Post diameter, in");
    EXPECT_EQ(text("LbSuppVol"), "4.07");
    EXPECT_EQ(text("LbMatCost"), "33.51");

    // The reset of "Transport" brings the record's shape back.
    G.DefCases[1] = G.Cases[1];
    G.DefCases[1].PostShape()[1] = 1;
    option("OptRound")->setChecked(true);
    button("ComDef(2)")->click();
    EXPECT_TRUE(option("OptSquare")->isChecked());
    EXPECT_EQ(text("LbDiam"), "Post width, in");
    EXPECT_EQ(text("LbSuppVol"), "4.44");

    enter("TxSwid", "-1");
    EXPECT_EQ(messages(), QStringList("Input error: Error in Transport tab."));
}

// ---- Concrete cribs -------------------------------------------------------

TEST_F(CostMemberTest, ConcreteDimensionLabelsFollowTheCribType)
{
    struct Case {
        int16_t type;
        const char* width;
        const char* length;  // nullptr: hidden
        const char* widthValue;
        const char* lengthValue;
    };
    const Case cases[] = {
        {3, "Piece diameter, in", nullptr, "30.0", ""},
        {4, "Piece width, in", "Piece length, in", "8.00", "36.0"},
        {5, "Crib width, in", "Crib length, in", "8.00", "30.0"},
        {6, "Crib width, in", "Crib length, in", "8.00", "30.0"},
    };
    G.EntryHt = 72;
    for (const Case& t : cases) {
        G.NumCases = 0;
        ASSERT_EQ(AppendSupport(t.type, "Crib"), 1);
        CaseRec& c = G.Cases[1];
        PlainCosts(c, 1);
        c.Par[0] = 8, c.Par[1] = 30, c.Par[2] = 36;
        if (t.type == 3)
            c.Par[0] = 10, c.Par[1] = 30, c.Par[2] = 6;
        c.FixVol()[1] = 0;
        open<MatCrete>();
        EXPECT_EQ(d_->windowTitle(), "Costs and Material Handling - Concrete Supports");
        EXPECT_EQ(frameTitle("FrameQty"), "Transport quantities");
        EXPECT_EQ(caption("TxCost"), "Unit cost, $/ft³");
        EXPECT_EQ(caption("TxWt"), "Unit weight, lb/ft³");
        EXPECT_EQ(text("Label21"), "Entry height, in");
        EXPECT_EQ(text("LbHt"), "72.0");
        EXPECT_EQ(text("LbDim2"), t.width) << t.type;
        EXPECT_EQ(text("LbWid"), t.widthValue) << t.type;
        EXPECT_EQ(d_->findChild<QLabel*>("LbDim1")->isHidden(), t.length == nullptr) << t.type;
        EXPECT_EQ(d_->findChild<QLabel*>("LbLen")->isHidden(), t.length == nullptr) << t.type;
        if (t.length) {
            EXPECT_EQ(text("LbDim1"), t.length) << t.type;
            EXPECT_EQ(text("LbLen"), t.lengthValue) << t.type;
        }
    }
    // The last (a stopping block crib 8 x 30 in): the donut's worked crib.
    G.NumCases = 0;
    ASSERT_EQ(AppendSupport(3, "Donut"), 1);
    PlainCosts(G.Cases[1], 1);
    G.Cases[1].Par[0] = 10, G.Cases[1].Par[1] = 30, G.Cases[1].Par[2] = 6, G.Cases[1].FixVol()[1] = 0;
    G.MetricUnits = -1;
    open<MatCrete>();
    EXPECT_EQ(text("LbSuppVol"), qs(FormatMetric(37.5, 15)));
    EXPECT_EQ(text("LbSumPiece"), "12");
    EXPECT_EQ(text("Label21"), "Entry height, m");
    EXPECT_EQ(text("LbDim2"), "Piece diameter, cm");
    EXPECT_EQ(text("LbHt"), "1.83");
    EXPECT_EQ(text("LbWid"), "76.2");
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
    EXPECT_EQ(text("LbSuppVol"), "34.0");
    EXPECT_EQ(text("LbSumPiece"), "64");
    EXPECT_EQ(text("LbSumWt"), "813");
    EXPECT_EQ(text("LbSumWork"), "3658");
    EXPECT_EQ(text("LbMatCost"), "32.00");
    EXPECT_EQ(box("TxCost")->text(), "0.50");
    EXPECT_EQ(box("TxBwid")->text(), "24.0");
    EXPECT_EQ(box("TxAdj")->text(), "6.00");
    EXPECT_EQ(box("TxPack")->text(), "1");
    EXPECT_TRUE(check("ChkMat")->isChecked());
    EXPECT_FALSE(check("ChkTrans")->isChecked()) << "the flags of the third size";
    EXPECT_EQ(box("TxCostTrans")->text(), "5.00");

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
    // Every other element is as it was.
    CaseRec restored = after;
    for (auto f : {&CaseRec::UnitCost, &CaseRec::FabrCost, &CaseRec::ShipCost, &CaseRec::FixCost, &CaseRec::LabCost,
                   &CaseRec::Crew, &CaseRec::TripCost, &CaseRec::LoadCost, &CaseRec::UnloadCost, &CaseRec::PieceTime,
                   &CaseRec::FixTime, &CaseRec::ShiftHrs, &CaseRec::PkgWid, &CaseRec::PkgLen, &CaseRec::HtAdj,
                   &CaseRec::PackFactor, &CaseRec::SecWid, &CaseRec::SecLen, &CaseRec::SecThick, &CaseRec::CarLen,
                   &CaseRec::CarWid, &CaseRec::CarHt, &CaseRec::UnitWt, &CaseRec::FixWt, &CaseRec::SecWt,
                   &CaseRec::UserMatCost, &CaseRec::UserConstrCost, &CaseRec::UserTransCost})
        (restored.*f)[kSize2] = (before.*f)[kSize2];
    for (auto f : {&CaseRec::CostFlags, &CaseRec::CarsPerTrip, &CaseRec::NoFixPiece})
        (restored.*f)[kSize2] = (before.*f)[kSize2];
    for (auto f : {&CaseRec::SuppVol, &CaseRec::SuppPerTrip, &CaseRec::TransCost, &CaseRec::ConstrCost,
                   &CaseRec::MatCost, &CaseRec::TotCost, &CaseRec::InstTime, &CaseRec::ConstrRate, &CaseRec::TotWork,
                   &CaseRec::TotPieces, &CaseRec::PieceWt})
        restored.*f = before.*f;
    EXPECT_EQ(restored, before);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(LinkCostTest, PerFootOfHeightEntriesReadInEitherUnits)
{
    CaseRec& c = G.Cases[1];
    c.CostBasis[kSize2] = 1, c.TimeBasis[kSize2] = 1, c.WtBasis[kSize2] = 1;
    c.UnitCost[kSize2] = 3, c.PieceTime[kSize2] = 2, c.UnitWt[kSize2] = 3;
    open<MatLink>();
    EXPECT_EQ(text("LbCost"), "Unit cost, $/ft of ht");
    EXPECT_EQ(text("LbFab"), "Fabrication cost, $/support");
    EXPECT_EQ(text("LbTime"), "Construction time, min/ft of ht");
    EXPECT_EQ(text("LbWt"), "Unit weight, lb/ft of ht");
    EXPECT_EQ(box("TxTime")->text(), "2.00");
    EXPECT_EQ(box("TxWt")->text(), "3.00");
    EXPECT_EQ(text("LbSumPiece"), "1");
    EXPECT_EQ(text("LbSumWt"), "24.0") << "3 lb/ft over 8 ft";
    enter("TxWt", "4");
    enter("TxTime", "1.5");
    EXPECT_EQ(G.CurCase.UnitWt[kSize2], 4.0f);
    EXPECT_EQ(G.CurCase.PieceTime[kSize2], 1.5f);
    EXPECT_EQ(text("LbSumMin"), "12.0");
    const QStringList note = text("LbNote").split("\r\n");
    EXPECT_EQ(note.size(), 4);
    EXPECT_EQ(note.first(), "The default cost estimates are generalized costs adjusted for different mining heights");
    EXPECT_EQ(text("LbNote1"), text("LbNote"));

    G.MetricUnits = -1;
    open<MatLink>();
    EXPECT_EQ(text("LbCost"), "Unit cost, $/m of ht");
    EXPECT_EQ(text("LbTime"), "Construction time, min/m of ht");
    EXPECT_EQ(text("LbWt"), "Unit weight, kg/m of ht");
    EXPECT_EQ(box("TxCost")->text(), "9.84") << "3 $/ft";
    EXPECT_EQ(box("TxTime")->text(), "6.56") << "2 min/ft";
    EXPECT_EQ(box("TxWt")->text(), "4.46") << "3 lb/ft";
    enter("TxWt", "1");
    enter("TxTime", "1");
    enter("TxCost", "1");
    EXPECT_NEAR(G.CurCase.UnitWt[kSize2], 2.2046 * 0.3048, 1e-5) << "1 kg/m in lb/ft";
    EXPECT_NEAR(G.CurCase.PieceTime[kSize2], 0.3048, 1e-6) << "1 min/m in min/ft";
    EXPECT_NEAR(G.CurCase.UnitCost[kSize2], 0.3048, 1e-6) << "1 $/m in $/ft";
    EXPECT_TRUE(messages().isEmpty());
}

}  // namespace
