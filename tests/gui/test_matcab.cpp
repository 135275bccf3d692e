// The cost dialog of a cable-bolt support over the shipped cable-bolt type:
// the package example, the fields chosen by the cable options, the
// per-package volume boxes and their edits, and "&Ok" without an edit.
#include "costs/matcab.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "platform/qtext.h"

#include "cost_dialog_test.h"

#include <tuple>

using namespace vesk;
using namespace vesk::test;

namespace {

constexpr std::size_t k = 2;  // the second size of the shipped cable model

class MatCabTest : public CostDialogTest {
protected:
    void SetUp() override
    {
        CostDialogTest::SetUp();
        ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(ReadDefaults(), 0);
        int16_t type = 0;
        for (int16_t t = 7; t <= G.NumTypes && type == 0; ++t)
            if (G.TypeCat[static_cast<std::size_t>(t)] == kCableBoltCategory)
                type = t;
        ASSERT_GT(type, 0);
        ASSERT_EQ(AppendSupport(type, "Cables"), 1);
        G.Cases[1].SizeIdx = -1;
        ASSERT_TRUE(LoadModelFile(type));
        G.EntryHt = 96;

        // The package example: cable 14 ft, resin 5 ft at 12 in³/ft, the 6-in
        // plate of 20 in³, 50 bolts in a 16 × 16 in package; a 392 ft³ car, one
        // a trip at 70 $, no loading or unloading cost.
        CaseRec& c = G.Cases[1];
        c.SizeIdx = static_cast<int16_t>(k - 1);
        c.Par[0] = 14, c.Par[1] = 5, c.Par[2] = 32, c.CabPerSet() = 2, c.CabMatLen = 16;
        c.PkgWid[k] = c.PkgLen[k] = 16, c.CabPerPkg()[k] = 50;
        c.CabPlateVol()[k] = 20, c.CabResinVol[k] = 12, c.CabPlateVol1()[k] = 40, c.CabResinVol1[k] = 24;
        c.CarWid[k] = 7, c.CarLen[k] = 21, c.CarHt[k] = 32, c.CarsPerTrip[k] = 1;
        c.TripCost[k] = 70, c.LoadCost[k] = c.UnloadCost[k] = 0;
        c.UnitCost[k] = 0.85f, c.CabCoatCost()[k] = 1.35f, c.CabResinCost[k] = 0.2f, c.CabResinCost1()[k] = 0.4f;
        c.CabPlateCost()[k] = 1.4f, c.CabPlateCost1()[k] = 2.5f, c.CabDrillTime()[k] = 0.35f;
        c.CabDrillTime1()[k] = 0.5f, c.CabPlateWt()[k] = 3.8f, c.CabPlateWt1()[k] = 6.8f;
        G.DefCases[1] = c;
    }

    // Types into a box as the user does, and presses Enter.
    void type(const QString& name, const QString& s) const
    {
        NumBox* b = box(name);
        b->selectAll();
        QTest::keyClicks(b, s);
        b->pressEnter();
    }
    bool hidden(const char* name) const { return d_->findChild<QWidget*>(name)->isHidden(); }
    QString texts(std::initializer_list<const char*> names) const { return Texts(d_.get(), names); }
};

TEST_F(MatCabTest, PackageExampleInEitherUnits)
{
    open<MatCab>();
    EXPECT_EQ(d_->windowTitle(), "Costs and Material Handling - Cable bolts");
    EXPECT_EQ(texts({"LbSuppVol", "LbPkgCar", "LbPerCar", "LbTripCost", "LbPcs", "TxSwid", "TxPlateVol"}),
              "27.8|14|700|0.10|50|0.347|0.579");
    for (const char* none : {"TxNoPiece", "TxFixWt", "TxSecWt"})
        EXPECT_TRUE(hidden(none)) << none;
    EXPECT_TRUE(messages().isEmpty());

    // Per ft in metric units: 12.7 lb/ft is 18.9 kg/m, and back.
    G.MetricUnits = -1;
    G.Cases[1].UnitWt[k] = 12.7f;
    open<MatCab>();
    EXPECT_EQ(texts({"LbWt", "Label25", "TxWt"}), "Cable weight, kg/m|Package transport volume, m³|18.9");
    enter("TxWt", "18.90");
    EXPECT_NEAR(G.CurCase.UnitWt[k], 12.7, 0.01);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCabTest, CableOptionsChooseTheFieldsShownReadAndReset)
{
    // Coated, large hole, plate: the fields of the cable, resin, drilling
    // and plate, and the pieces.
    const std::tuple<int16_t, int16_t, int16_t, const char*> options[] = {
        {0, 0, 0, "0.85|0.20|1.40|0.350|0.347|0.579|3.80|3"},
        {0, 0, 2, "0.85|0.20|1.40|0.350|0.347|0.579|3.80|4"},
        {1, 1, 1, "1.35|0.40|2.50|0.500|0.694|1.16|6.80|3"},
    };
    for (auto [coated, hole, plate, shown] : options) {
        CaseRec& c = G.Cases[1];
        c.CabCoated() = coated, c.CabHole() = hole, c.CabPlate = plate;
        open<MatCab>();
        EXPECT_EQ(texts({"TxCost", "TxResinCost", "TxPlateCost", "TxDrillTime", "TxSwid", "TxPlateVol", "TxPlateWt",
                         "LbSumPiece"}),
                  shown);
        for (const char* mat : {"TxMatCost", "LbMat", "TxMatVol", "LbMatVol", "TxMatWt", "LbMatWt"})
            EXPECT_EQ(hidden(mat), plate != 2) << mat << " " << shown;
    }

    // Coated cable, the large hole and the 8-in plate, as the last: typed
    // values go to their fields, the plain cable's, the small hole's and the
    // 6-in plate's stay; each reset brings back its tab's fields in use.
    enter("TxCost", "2");
    enter("TxResinCost", "3");
    enter("TxDrillTime", "4");
    enter("TxPlateWt", "5");
    const CaseRec& w = G.CurCase;
    EXPECT_TRUE(w.CabCoatCost()[k] == 2 && w.UnitCost[k] == 0.85f);
    EXPECT_TRUE(w.CabResinCost1()[k] == 3 && w.CabResinCost[k] == 0.2f);
    EXPECT_TRUE(w.CabDrillTime1()[k] == 4 && w.CabDrillTime()[k] == 0.35f);
    EXPECT_TRUE(w.CabPlateWt1()[k] == 5 && w.CabPlateWt()[k] == 3.8f);
    G.DefCases[1].CabPerPkg()[k] = 10;
    button("ComEdMat")->click();  // "Cost Models" with its reset
    for (int i : {0, 1, 3})
        button(QString("ComDef(%1)").arg(i))->click();
    EXPECT_EQ(texts({"TxCost", "TxResinCost", "TxDrillTime", "TxPlateWt"}), "1.35|0.40|0.500|6.80");
    EXPECT_EQ(w.CabPerPkg()[k], 50) << "the Work tab's reset leaves the package (its slot is shared)";
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCabTest, OkWithoutAnEditKeepsEveryInputAsStored)
{
    // Volumes that the boxes show rounded: a 21.6 in³ plate at one bolt a
    // package is "0.000" m³.
    CaseRec& c = G.Cases[1];
    c.CabPlate = 2, c.CabPerPkg()[k] = 1, c.CabPlateVol()[k] = 21.6f, c.CabResinVol[k] = 14.13f;
    c.CabMatVol[k] = 25.2f, c.CabMatWt()[k] = 4.8f, c.CabMatCost()[k] = 2.5f, c.UnitWt[k] = 0.74f;
    c.CabDrillWork()[k] = 20, c.PkgWid[k] = 6.3f;
    for (int16_t metric : {0, -1}) {
        G.MetricUnits = metric;
        const CaseRec before = G.Cases[1];
        open<MatCab>();
        if (metric) {
            EXPECT_EQ(box("TxPlateVol")->text(), "0.000");
        }
        button("ComDone")->click();
        ASSERT_EQ(d_->result(), QDialog::Accepted);
        CaseRec kept = G.Cases[1];
        for (auto f : {&CaseRec::SuppVol, &CaseRec::SuppPerTrip, &CaseRec::TransCost, &CaseRec::ConstrCost,
                       &CaseRec::MatCost, &CaseRec::TotCost, &CaseRec::InstTime, &CaseRec::ConstrRate,
                       &CaseRec::TotWork, &CaseRec::TotPieces, &CaseRec::PieceWt})
            kept.*f = before.*f;
        for (auto f : {&CaseRec::UserMatCost, &CaseRec::UserConstrCost, &CaseRec::UserTransCost})
            (kept.*f)[k] = (before.*f)[k];  // the model's costs for those never typed
        EXPECT_EQ(kept, before) << "metric " << metric;
        EXPECT_EQ(G.Cases[1].CabPlateVol()[k], 21.6f);
        EXPECT_EQ(G.Cases[1].TotPieces, 4);
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MatCabTest, VolumeBoxesTakeTheUsersEditsAndFollowThePackage)
{
    open<MatCab>();
    clickTab(kTransportTab);
    type("TxPlateVol", "1");
    EXPECT_FLOAT_EQ(G.CurCase.CabPlateVol()[k], 34.56f);

    // A refused volume is read again at every recompute until it is mended; a
    // new package shows the others' volumes for it and leaves it as typed.
    type("TxSwid", "-1");
    type("TxPcs", "25");
    EXPECT_EQ(messages(), QStringList(2, "Input error: Error in Transport tab."));
    EXPECT_EQ(texts({"LbPcs", "TxPlateVol", "TxSwid"}), "25|0.500|-1");
    EXPECT_EQ(G.CurCase.CabResinVol[k], 12.0f);
    type("TxSwid", "0.25");
    EXPECT_FLOAT_EQ(G.CurCase.CabResinVol[k], 17.28f);
    EXPECT_EQ(text("LbSuppVol"), qs(FormatNum((172.0 * 256 + 25 * (34.56 + 17.28 * 5)) / 1728)));

    // Reading again keeps the volumes per bolt.
    enter("TxLen", "21.0");
    EXPECT_FLOAT_EQ(G.CurCase.CabPlateVol()[k], 34.56f);
    EXPECT_FLOAT_EQ(G.CurCase.CabResinVol[k], 17.28f);

    // The reset of "Transport" shows the default package's volumes.
    button("ComDef(2)")->click();
    EXPECT_EQ(texts({"LbPcs", "TxPlateVol"}), "50|0.579");
    EXPECT_EQ(G.CurCase.CabPlateVol()[k], 20.0f);
    EXPECT_EQ(messages().size(), 2);
}

}  // namespace
