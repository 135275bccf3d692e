// The costs of a cable bolt: the package example, the fields that the cable
// options choose for reading, computing and resetting, and the guards.
#include "model/costs/cabcosts.h"
#include "model/vbmath.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vesk;

namespace {

constexpr int k = 3;  // the third size

// The package example at element k: cable 14 ft with 5 ft of resin in the
// 1-in hole (12 in³/ft), the 6-in plate (20 in³), 50 bolts in a 16 × 16 in
// package; a 7 × 21 ft car 32 in high, one a trip at 70 $; no loading,
// unloading or shipping cost. Weights: 1 lb/ft of cable, 3.8 lb plate, resin
// 125 lb/ft³; 20 ft-lb/ft of drilling.
CaseRec example()
{
    CaseRec c;
    c.SizeIdx = k - 1;
    c.Par[0] = 14, c.Par[1] = 5;
    c.PkgWid[k] = 16, c.PkgLen[k] = 16, c.CabPerPkg()[k] = 50;
    c.CabPlateVol()[k] = 20, c.CabResinVol[k] = 12;
    c.CarWid[k] = 7, c.CarLen[k] = 21, c.CarHt[k] = 32, c.CarsPerTrip[k] = 1, c.TripCost[k] = 70;
    c.UnitWt[k] = 1, c.CabPlateWt()[k] = 3.8f, c.CabResinWt = 125, c.CabDrillWork()[k] = 20;
    c.UnitCost[k] = 0.85f, c.CabResinCost[k] = 0.2f, c.CabPlateCost()[k] = 1.4f, c.FabrCost[k] = 1;
    c.PieceTime[k] = 0.1f, c.CabDrillTime()[k] = 0.35f, c.FixTime[k] = 2, c.ShiftHrs[k] = 8;
    c.Crew[k] = 2, c.LabCost[k] = 30;
    c.UserMatCost[k] = c.UserConstrCost[k] = c.UserTransCost[k] = -1;
    return c;
}

// What the boxes hold when nothing was typed: the fields in use, no volume.
CabCostInputs stored(const CaseRec& c)
{
    const CabFields f = CabFieldsOf(c);
    CabCostInputs in;
    in.resinCost = (c.*f.resinCost)[k], in.plateCost = (c.*f.plateCost)[k], in.matCost = c.CabMatCost()[k];
    in.drillTime = (c.*f.drillTime)[k];
    in.pkgWid = c.PkgWid[k], in.pkgLen = c.PkgLen[k], in.perPkg = c.CabPerPkg()[k];
    in.matWt = c.CabMatWt()[k], in.plateWt = (c.*f.plateWt)[k], in.drillWork = c.CabDrillWork()[k];
    return in;
}

CommonCostInputs common(const CaseRec& c)
{
    CommonCostInputs in = StoredCostInputs(c, k);
    in.unitCost = (c.*CabFieldsOf(c).cableCost)[k];
    return in;
}

// The boxes read into c, and whether a member box was taken.
struct Read {
    std::vector<MemberCostBox> boxes;
    CostReadResult res;
    bool taken(const char* name) const { return MemberBoxTaken(res, boxes, name); }
};

Read read(CaseRec& c, const CabCostInputs& cab, const CommonCostInputs& in)
{
    Read r{CabCostBoxes(c, cab), {}};
    r.res = ReadCostInputs(c, k, in, r.boxes, CabReadOrder(c));
    return r;
}

CostResults recompute(CaseRec& c, float entryHt = 96)
{
    EXPECT_TRUE(read(c, stored(c), common(c)).res.ok());
    return RunCostPipeline(c, k, CabCostQuantities(c, k), entryHt, CabCostRules());
}

TEST(CableCosts, PackageExampleAndTheRestOfOneBolt)
{
    CaseRec c = example();
    EXPECT_NEAR(CabPackageVolume(c, k), (172.0 * 256 + 20 * 50 + 50 * 12 * 5) / 1728, 1e-9);
    const CostResults r = recompute(c);
    EXPECT_NEAR(c.SuppVol, 0.556, 0.0005);  // 27.80 ft³ a package of 50
    EXPECT_EQ(CabPackagesPerCar(c, k), 14);
    EXPECT_EQ(r.perCar, 700);
    EXPECT_NEAR(c.TransCost, 0.10, 1e-6);

    // Cable 14 lb, resin 5 × 0.7854 / 144 × 125 = 3.409 lb, plate 3.8 lb.
    const double resin = 5 * 0.7854 / 144 * 125;
    EXPECT_NEAR(r.totalWt, 14 + resin + 3.8, 1e-4);
    EXPECT_EQ(c.TotPieces, 3);
    EXPECT_EQ(c.PieceWt, 14.0f);
    EXPECT_NEAR(c.TotWork, (8 + 7) * 14 + (8 + 14 - 2.5) * resin + 3.8 * 8 + 20 * 14, 1e-3);
    EXPECT_NEAR(c.InstTime, 0.45 * 14 + 2, 1e-5);
    EXPECT_NEAR(c.MatCost, 0.85 * 14 + 0.2 * 5 + 1 + 1.4, 1e-5);

    // Loading and unloading are per package, shipping too.
    c.LoadCost[k] = 5, c.UnloadCost[k] = 10, c.ShipCost[k] = 25;
    recompute(c);
    EXPECT_NEAR(c.TransCost, 0.10 + 15.0 / 50, 1e-6);
    EXPECT_NEAR(c.MatCost, 0.85 * 14 + 0.2 * 5 + 1 + 1.4 + 0.5, 1e-5);

    // A car smaller than one package carries one; cars per trip that a record
    // holds as 0 count as 1 and are stored so.
    c.CarHt[k] = 1, c.CarsPerTrip[k] = 0;
    const CostResults small = RunCostPipeline(c, k, CabCostQuantities(c, k), 96, CabCostRules());
    EXPECT_EQ(small.perCar, 50);
    EXPECT_EQ(c.CarsPerTrip[k], 1);
    EXPECT_EQ(c.SuppPerTrip, 50);
}

TEST(CableCosts, OptionsChooseTheFieldsReadComputedAndReset)
{
    // Every field of the options holds a value of its own.
    CaseRec c = example();
    c.CabCoatCost()[k] = 1.1f, c.CabResinCost1()[k] = 0.4f, c.CabPlateCost1()[k] = 2.5f, c.CabMatCost()[k] = 3;
    c.CabDrillTime1()[k] = 0.5f, c.CabResinVol1[k] = 26.73f, c.CabPlateVol1()[k] = 38.4f, c.CabMatVol[k] = 25.2f;
    c.CabPlateWt1()[k] = 6.8f, c.CabMatWt()[k] = 4.8f;
    c.Par[2] = 32, c.CabPerSet() = 2, c.CabMatLen = 20;

    // Pieces 3, 3 and 4; the 8-in plate only with option 1, the mat with 2.
    const double pieces[] = {3, 3, 4};
    const float plateWt[] = {3.8f, 6.8f, 3.8f};
    const double matWt[] = {0, 0, 4.8 * 16};
    const double resin = 5 * 0.7854 / 144 * 125;
    for (int16_t plate = 0; plate <= 2; ++plate) {
        c.CabPlate = plate;
        const CostResults r = recompute(c);
        EXPECT_EQ(c.TotPieces, pieces[plate]) << plate;
        EXPECT_NEAR(r.totalWt, 14 + resin + plateWt[plate] + matWt[plate], 1e-4) << plate;
        EXPECT_EQ(c.PieceWt, plate == 2 ? 4.8f * 20 : 14.0f) << "the longest mat, not the bolt's share";
    }
    // The two cables of a set share its mat; fewer than one counts as one.
    for (int16_t perSet : {2, 0}) {
        c.CabPerSet() = perSet;
        const double share = perSet ? 16 : 32;
        EXPECT_NEAR(recompute(c).totalWt, 14 + resin + 3.8 + 4.8 * share, 1e-4) << perSet;
        EXPECT_NEAR(c.MatCost, 0.85 * 14 + 0.2 * 5 + 1 + 1.4 + 3 * share, 1e-4) << perSet;
        EXPECT_NEAR(CabPackageVolume(c, k), (172.0 * 256 + 50 * (20 + 25.2 * share + 12 * 5)) / 1728, 1e-5);
    }
    // The bolt's share of the mat is lifted to the roof: 32 ft a set of 4 at
    // 1 lb/ft is 8 lb a cable, 8 ft up, when nothing else weighs or drills.
    CaseRec mat = c;
    mat.CabPerSet() = 4, mat.CabMatWt()[k] = 1;
    mat.UnitWt[k] = mat.CabPlateWt()[k] = mat.CabResinWt = mat.CabDrillWork()[k] = 0;
    recompute(mat, 96);
    EXPECT_NEAR(mat.TotWork, 8 * 8, 1e-4);

    // Coated cable, the 1-3/8-in hole and the 8-in plate.
    c.CabPlate = 1, c.CabCoated() = 1, c.CabHole() = 1, c.CabPerSet() = 2;
    recompute(c);
    const double resin1 = 5 * 0.7854 * 1.375 * 1.375 / 144 * 125;
    EXPECT_NEAR(c.PieceWt, 14, 1e-6);
    EXPECT_NEAR(c.MatCost, 1.1 * 14 + 0.4 * 5 + 1 + 2.5, 1e-5);
    EXPECT_NEAR(c.InstTime, 0.6 * 14 + 2, 1e-5);
    EXPECT_NEAR(CabPackageVolume(c, k), (172.0 * 256 + 50 * (38.4 + 26.73 * 5)) / 1728, 1e-5);
    EXPECT_NEAR(c.TotWork, 15 * 14 + 19.5 * resin1 + 6.8 * 8 + 20 * 14, 1e-3);

    // Each reset restores its tab's fields in use, and nothing of another tab
    // that shares a slot (CabPerPkg, CabPlateVol1, CabDrillWork).
    CaseRec def;
    for (auto f : {&CaseRec::UnitCost, &CaseRec::MinHt, &CaseRec::PcsPerFt, &CaseRec::CabResinCost,
                   &CaseRec::RoofArea, &CaseRec::MaxHt, &CaseRec::PlanWid, &CaseRec::PlanLen, &CaseRec::SecLen,
                   &CaseRec::SecWid, &CaseRec::SecWt, &CaseRec::FixWt, &CaseRec::HtAdj, &CaseRec::CabResinVol1,
                   &CaseRec::UnitWt})
        (def.*f)[k] = 42;
    def.CabPerPkg()[k] = 9;
    CaseRec typed = c;
    CaseRec want = typed;
    want.CabCoatCost()[k] = want.CabResinCost1()[k] = want.CabPlateCost1()[k] = 42;
    want.FabrCost[k] = want.ShipCost[k] = want.FixCost[k] = want.LabCost[k] = want.Crew[k] = want.TripCost[k] = 0;
    CabResetDefaults(typed, def, k, 0);
    EXPECT_TRUE(typed == want);
    want.CabDrillTime1()[k] = 42, want.PieceTime[k] = want.FixTime[k] = want.ShiftHrs[k] = 0;
    CabResetDefaults(typed, def, k, 1);
    EXPECT_TRUE(typed == want);
    want.UnitWt[k] = want.CabPlateWt1()[k] = want.CabDrillWork()[k] = 42;
    CabResetDefaults(typed, def, k, 3);
    EXPECT_TRUE(typed == want);
    want.CabPerPkg()[k] = 9, want.CabPlateVol1()[k] = want.CabResinVol1[k] = 42;
    want.PkgWid[k] = want.PkgLen[k] = want.CarLen[k] = want.CarWid[k] = want.CarHt[k] = 0, want.CarsPerTrip[k] = 0;
    CabResetDefaults(typed, def, k, 2);
    EXPECT_TRUE(typed == want);
}

TEST(CableCosts, ReaderTakesTypedVolumesPerSupportInItsOrder)
{
    CaseRec c = example();
    CabCostInputs cab = stored(c);
    // 25 a package: a typed plate volume of 0.5 ft³ a package is 34.56 in³
    // a bolt, a resin volume of 0.25 ft³/ft 17.28 in³/ft.
    cab.perPkg = 25.9f, cab.plateVol = CostValue(0.5f), cab.resinVol = CostValue(0.25f);
    const Read typed = read(c, cab, common(c));
    ASSERT_TRUE(typed.res.ok());
    EXPECT_EQ(c.CabPerPkg()[k], 25);
    EXPECT_FLOAT_EQ(c.CabPlateVol()[k], 34.56f);
    EXPECT_FLOAT_EQ(c.CabResinVol[k], 17.28f);
    EXPECT_TRUE(typed.taken("TxSwid"));

    // A volume not typed is not read at all; no fixed or secondary weight or
    // fixed pieces are read into the slots that hold the package count, the
    // 8-in plate's volume and the drilling work.
    const CaseRec before = c;
    CommonCostInputs in = common(c);
    in.fixWt = -1, in.secWt = std::nullopt, in.noPiece = -1;
    EXPECT_TRUE(read(c, stored(c), in).res.ok());
    EXPECT_TRUE(c == before);

    // The groups: the transport costs in "Cost", the package in "Transport",
    // the drilling in "Time" and "Work".
    struct Bad {
        std::function<void(CommonCostInputs&, CabCostInputs&)> type;
        const char* box;
        const char* message;
    };
    const Bad bad[] = {
        {[](auto& in, auto&) { in.unloadCost = -1, in.shift = -1; }, "TxUnloadCost", "Error in Cost tab."},
        {[](auto&, auto& cab) { cab.drillTime = -1; }, "TxDrillTime", "Error in Time tab."},
        {[](auto&, auto& cab) { cab.perPkg = 0.9f; }, "TxPcs", "Error in Transport tab."},
        {[](auto&, auto& cab) { cab.plateVol = CostValue(-0.1f); }, "TxPlateVol", "Error in Transport tab."},
        {[](auto&, auto& cab) { cab.drillWork = -1; }, "TxDrillWork", "Error in Work tab."},
    };
    for (const Bad& b : bad) {
        c = example();
        in = common(c);
        cab = stored(c);
        b.type(in, cab);
        const CostReadResult res = read(c, cab, in).res;
        EXPECT_EQ(res.box, b.box);
        EXPECT_EQ(res.message(), b.message) << b.box;
    }
    // A refused volume is not taken, nor one after it; those before are.
    c = example();
    cab = stored(c);
    cab.plateVol = CostValue(-1.0f), cab.resinVol = CostValue(1.0f);
    const Read refused = read(c, cab, common(c));
    EXPECT_TRUE(refused.taken("TxPcs"));
    EXPECT_FALSE(refused.taken("TxPlateVol") || refused.taken("TxSwid"));
    EXPECT_EQ(c.CabResinVol[k], 12.0f);
}

}  // namespace
