// The costs of one support: the reader of the cost boxes with its groups and
// limits, the cost pipeline with its guards and typed costs, the tab resets,
// and each member's quantities on its worked example.
#include "model/costs/concretecosts.h"
#include "model/costs/cribcosts.h"
#include "model/costs/linkcosts.h"
#include "model/costs/postcosts.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vesk;

namespace {

// The cost inputs of the wood-crib example at element k: a 7 × 21 × 32 car,
// one car per trip at 70 $, 0.50 $/BdFt, 4 lb/BdFt, 0.7 min per piece and
// 1 min fixed in an 8-hour shift, a crew of 2 at 35 $/hr, 2.50 $ fixed cost;
// typed costs never set.
CaseRec costRecord(int k = 1)
{
    CaseRec c;
    c.UnitCost[k] = 0.5f;
    c.FixCost[k] = 2.5f;
    c.LabCost[k] = 35;
    c.Crew[k] = 2;
    c.PieceTime[k] = 0.7f;
    c.FixTime[k] = 1;
    c.ShiftHrs[k] = 8;
    c.CarWid[k] = 7;
    c.CarLen[k] = 21;
    c.CarHt[k] = 32;
    c.TripCost[k] = 70;
    c.CarsPerTrip[k] = 1;
    c.UnitWt[k] = 4;
    c.UserMatCost[k] = c.UserConstrCost[k] = c.UserTransCost[k] = -1;
    return c;
}

// The crib of the example: 8 × 8 × 42 in timbers, 2 per layer.
CaseRec exampleCrib()
{
    CaseRec c = costRecord();
    c.Par[0] = 8, c.Par[1] = 8, c.Par[2] = 42;
    c.NumPerLayer() = 2;
    return c;
}

CostResults recomputeCrib(CaseRec& c, const CommonCostInputs& in, float entryHt = 96)
{
    EXPECT_TRUE(ReadCostInputs(c, 1, in, CribTransportBoxes(c.FixVol()[1])).ok());
    return RunCostPipeline(c, 1, CribCostQuantities(c, entryHt), entryHt);
}

TEST(CostMembers, WoodCribExampleThroughToTheTotal)
{
    CaseRec c = exampleCrib();
    const CostQuantities q = CribCostQuantities(c, 96);
    EXPECT_EQ(q.pieces, 24);  // 12 layers
    EXPECT_NEAR(q.quantity, 18.67, 0.005);
    const CostResults r = recomputeCrib(c, StoredCostInputs(c, 1));
    EXPECT_NEAR(c.SuppVol, 37.33, 0.005);
    EXPECT_EQ(r.carVol, 392);
    EXPECT_EQ(r.perCar, 10);
    EXPECT_EQ(c.SuppPerTrip, 10);
    EXPECT_NEAR(c.TransCost, 7.00, 0.005);
    EXPECT_NEAR(c.MatCost, 224.00, 0.005);
    EXPECT_NEAR(c.PieceWt, 74.67, 0.005);
    EXPECT_NEAR(r.totalWt, 1792, 0.01);
    EXPECT_NEAR(c.TotWork, 8064, 0.05);
    EXPECT_FLOAT_EQ(c.InstTime, 17.8f);
    EXPECT_EQ(FormatNum(c.ConstrRate), "27.0");
    EXPECT_NEAR(r.laborCost, 20.77, 0.005);
    EXPECT_NEAR(c.ConstrCost, 23.27, 0.005);
    EXPECT_NEAR(c.TotCost, 254.27, 0.005);
    EXPECT_EQ(c.TotPieces, 24);
    // The typed costs were never set: they take the model costs.
    EXPECT_EQ(c.UserMatCost[1], c.MatCost);
    EXPECT_EQ(c.UserConstrCost[1], c.ConstrCost);
    EXPECT_EQ(c.UserTransCost[1], c.TransCost);

    // Below the timber thickness one layer; a thickness of 0 counts as 1 in.
    EXPECT_EQ(CribCostQuantities(c, 5).pieces, 2);
    c.Par[1] = 0;
    EXPECT_EQ(CribCostQuantities(c, 96.5f).pieces, 192);
    // Fixed pieces count in the pieces only; no volume at all counts as 1 ft³.
    c = exampleCrib();
    c.NoFixPiece[1] = 3;
    c.Par[2] = 0;
    recomputeCrib(c, StoredCostInputs(c, 1));
    EXPECT_EQ(c.TotPieces, 27);
    EXPECT_EQ(c.SuppVol, 1);
    EXPECT_FLOAT_EQ(c.InstTime, 17.8f);
}

TEST(CostMembers, TimberPostRoundAndSquare)
{
    CaseRec c = costRecord();
    c.Par[0] = 8;
    c.UnitWt[1] = 2.5f;
    PostTransportInputs t{.square = false, .htAdj = -6.0f, .secWid = 12.0f, .secLen = 24.0f, .secThick = 4.0f};
    auto recompute = [&] {
        EXPECT_TRUE(ReadCostInputs(c, 1, StoredCostInputs(c, 1), PostTransportBoxes(t)).ok());
        return RunCostPipeline(c, 1, PostCostQuantities(c, 96, t.square), 96);
    };
    CostResults r = recompute();
    EXPECT_EQ(c.HtAdj[1], -6);  // stored as typed: the post packs 102 in
    EXPECT_EQ(c.PostShape()[1], 0);
    const CostQuantities q = PostCostQuantities(c, 96, false);
    EXPECT_NEAR(q.quantity * 144 / 96, 50.27, 0.005);
    EXPECT_NEAR(q.quantity, 33.51, 0.005);
    EXPECT_NEAR(q.volume, 102 * 64 * 0.9 + 12 * 24 * 4, 1e-3);
    EXPECT_NEAR(c.SuppVol, 4.07, 0.005);
    EXPECT_EQ(r.perCar, 96);
    EXPECT_NEAR(c.PieceWt, 83.78, 0.005);
    EXPECT_NEAR(c.TotWork, 376.99, 0.005);

    t.square = true;
    c.NoFixPiece[1] = 2;
    r = recompute();
    EXPECT_EQ(c.PostShape()[1], 1);
    EXPECT_NEAR(c.PieceWt / 2.5, 42.67, 0.005);
    EXPECT_NEAR(c.SuppVol, 4.44, 0.005);
    EXPECT_EQ(r.perCar, 88);
    // One post: two fixed pieces make three pieces; time counts the post once.
    EXPECT_EQ(c.TotPieces, 3);
    EXPECT_FLOAT_EQ(c.InstTime, 1.7f);

    t.secWid = -1.0f;
    const CostReadResult bad = ReadCostInputs(c, 1, StoredCostInputs(c, 1), PostTransportBoxes(t));
    EXPECT_EQ(bad.message(), "Error in Transport tab.");
    EXPECT_EQ(bad.box, "TxSwid");
}

TEST(CostMembers, ConcreteCribsByType)
{
    CaseRec c;
    c.Par = {10, 30, 6};  // donut: inner and outer diameter, thickness
    CostQuantities q = ConcreteCostQuantities(c, 3, 72);
    EXPECT_EQ(q.volume, 64800);
    EXPECT_EQ(q.pieces, 12);
    EXPECT_NEAR(q.quantity, 2.18, 0.005);
    EXPECT_EQ(RunCostPipeline(c, 1, q, 72).suppVol, 37.5);
    EXPECT_EQ(ConcreteCostQuantities(c, 3, 5).pieces, 1);  // below the piece thickness
    c.Par = {8, 6, 36};  // four-point: width, thickness, length
    q = ConcreteCostQuantities(c, 4, 72);
    EXPECT_EQ(q.volume, 41472);
    EXPECT_EQ(q.pieces, 24);
    EXPECT_EQ(q.quantity, 1);
    EXPECT_EQ(ConcreteCostQuantities(c, 4, 5).pieces, 1);  // one, not two

    // Solid and stopping block cribs round V / b half up, even below the
    // piece thickness (V / b = 1.5 gives 2).
    c.Par = {1, 1, 1, 1, 100};
    for (int type : {5, 6}) {
        EXPECT_EQ(ConcreteCostQuantities(c, type, 8050).pieces, 81);
        EXPECT_EQ(ConcreteCostQuantities(c, type, 8049).pieces, 80);
    }
    c.Par = {3, 1, 1, 2, 1};
    EXPECT_EQ(ConcreteCostQuantities(c, 5, 1).pieces, 2);

    // A donut of thickness 0: 72 pieces of no concrete.
    c.Par = {10, 30, 0};
    q = ConcreteCostQuantities(c, 3, 72);
    EXPECT_EQ(q.pieces, 72);
    EXPECT_EQ(q.quantity, 0);

    // An inner diameter above the outer: no weight and no concrete cost,
    // only fabrication and shipping.
    c = costRecord();
    c.Par = {30, 10, 6};
    c.FabrCost[1] = 2;
    c.ShipCost[1] = 5;
    ASSERT_TRUE(ReadCostInputs(c, 1, StoredCostInputs(c, 1), ConcreteTransportBoxes(0.0f), ConcreteReadOrder()).ok());
    RunCostPipeline(c, 1, ConcreteCostQuantities(c, 3, 72), 72);
    EXPECT_EQ(c.PieceWt, 0);
    EXPECT_EQ(c.MatCost, 12 * 2 + 5);
}

TEST(CostMembers, FileDefinedExampleAtItsElementOnly)
{
    const int k = 3;
    CaseRec c = costRecord(k);
    c.CostBasis[k] = 0;
    c.PcsPerFt[k] = 8;
    c.WtBasis[k] = 0;
    c.UnitWt[k] = 12.7f;
    CommonCostInputs in = StoredCostInputs(c, k);
    in.useTransModel = false;
    ASSERT_TRUE(ReadCostInputs(c, k, in, LinkTransportBoxes({24.0f, 24.0f, 6.0f, 1.0f, 24.0f, 24.0f, 12.0f})).ok());
    const CostQuantities q = LinkCostQuantities(c, k, 96);
    EXPECT_EQ(q.volume, 58752);
    EXPECT_EQ(q.pieces, 64);
    const CostResults r = RunCostPipeline(c, k, q, 96, LinkCostRules(96));
    EXPECT_EQ(c.SuppVol, 34.0f);
    EXPECT_EQ(c.TotPieces, 64);
    EXPECT_EQ(c.PieceWt, 12.7f);
    EXPECT_EQ(FormatNum(r.totalWt), "813");
    EXPECT_EQ(FormatNum(c.TotWork), "3658");
    EXPECT_FLOAT_EQ(c.InstTime, 1 + 0.7f * 64);
    // Nothing of element 1 was touched, the cost flags included.
    EXPECT_EQ(c.CostFlags[k], 4);
    EXPECT_EQ(c.CostFlags[1], 0);
    EXPECT_EQ(c.Crew[1], 0);
    EXPECT_EQ(c.UserMatCost[1], 0);

    // Per support (basis 1): the fixed pieces plus one; time per piece once;
    // weight per ft of height: the full height is the heaviest piece.
    c.CostBasis[k] = 1;
    c.NoFixPiece[k] = 2;
    c.WtBasis[k] = 1;
    c.UnitCost[k] = 3;
    c.FabrCost[k] = 10;
    RunCostPipeline(c, k, LinkCostQuantities(c, k, 96), 96, LinkCostRules(96));
    EXPECT_EQ(c.TotPieces, 3);
    EXPECT_FLOAT_EQ(c.InstTime, 1.7f);
    EXPECT_FLOAT_EQ(c.PieceWt, 12.7f * 8);
    EXPECT_EQ(c.MatCost, 3 * 8 + 10);
    c.CostBasis[k] = 2;  // BdFt per ft of height
    c.PieceQty[k] = 0.5f;
    c.WtBasis[k] = 2;
    RunCostPipeline(c, k, LinkCostQuantities(c, k, 96), 96, LinkCostRules(96));
    EXPECT_EQ(c.MatCost, 0.5 * 3 * 8 + 10);
    EXPECT_EQ(c.PieceWt, 12.7f);
}

TEST(CostReader, WholeNumbersAndTheirLimits)
{
    struct Case {
        std::function<void(CommonCostInputs&)> type;
        const char* badBox;  // nullptr: accepted
        std::function<float(const CaseRec&)> stored;
        float want;
    };
    auto crew = [](const CaseRec& c) { return c.Crew[1]; };
    auto cars = [](const CaseRec& c) { return float(c.CarsPerTrip[1]); };
    auto fixed = [](const CaseRec& c) { return float(c.NoFixPiece[1]); };
    const Case cases[] = {
        {[](auto& in) { in.crew = 2.7f; }, nullptr, crew, 2},
        {[](auto& in) { in.crew = 0.9f; }, "TxCrew", crew, 2},
        {[](auto& in) { in.crew = 32767.9f; }, nullptr, crew, 32767},
        {[](auto& in) { in.crew = 32768; }, "TxCrew", crew, 2},
        {[](auto& in) { in.cars = 0; }, "TxCars", cars, 1},
        {[](auto& in) { in.cars = 32768; }, "TxCars", cars, 1},
        {[](auto& in) { in.noPiece = 2.5f; }, nullptr, fixed, 2},
        {[](auto& in) { in.noPiece = 3.5f; }, nullptr, fixed, 4},
        {[](auto& in) { in.noPiece = 0.4f; }, nullptr, fixed, 0},
        {[](auto& in) { in.noPiece = -0.5f; }, "TxNoPiece", fixed, 0},
        {[](auto& in) { in.noPiece = 32767.4f; }, nullptr, fixed, 32767},
        {[](auto& in) { in.noPiece = 32767.5f; }, "TxNoPiece", fixed, 0},
    };
    for (const Case& t : cases) {
        CaseRec c = exampleCrib();
        CommonCostInputs in = StoredCostInputs(c, 1);
        t.type(in);
        const CostReadResult res = ReadCostInputs(c, 1, in, CribTransportBoxes(0.0f));
        EXPECT_EQ(res.box, t.badBox ? t.badBox : "");
        EXPECT_EQ(t.stored(c), t.want) << res.box;
    }
    // A member's count box above 32,767 is an error of its group.
    CaseRec c = exampleCrib();
    const MemberCostBox pcs{.value = 40000.0f, .name = "TxPcs", .count = &CaseRec::NoFixPiece};
    EXPECT_EQ(ReadCostInputs(c, 1, StoredCostInputs(c, 1), {pcs}).message(), "Error in Transport tab.");
}

TEST(CostReader, GroupsAndReadingOrder)
{
    // Each mistake with the group named; with two, the first in reading order.
    struct Case {
        std::function<void(CommonCostInputs&)> type;
        const char* message;
        const char* box;
        CostReadOrder order = {};
    };
    const Case cases[] = {
        {[](auto& in) { in.labCost = std::nullopt; }, "Error in Cost tab.", "TxLabCost"},
        {[](auto& in) { in.labCost = -1; }, "Error in Cost tab.", "TxLabCost"},
        {[](auto& in) { in.shift = -1; }, "Error in Time tab.", "TxShift"},
        {[](auto& in) { in.tripCost = -1; }, "Error in Transport tab.", "TxTripCost"},
        {[](auto& in) { in.tripCost = -1; }, "Error in Cost tab.", "TxTripCost", {.transportCostsInCost = true}},
        {[](auto& in) { in.fixWt = -1; }, "Error in Work tab.", "TxFixWt"},
        {[](auto& in) { in.shift = -1, in.labCost = -1; }, "Error in Cost tab.", "TxLabCost"},
        {[](auto& in) { in.tripCost = -1, in.shift = -1; }, "Error in Time tab.", "TxShift"},
        {[](auto& in) { in.fixCost = -1, in.fabr = -1; }, "Error in Cost tab.", "TxFabr"},
        {[](auto& in) { in.fixCost = -1, in.fabr = -1; }, "Error in Cost tab.", "TxFixCost", ConcreteReadOrder()},
    };
    for (const Case& t : cases) {
        CaseRec c = exampleCrib();
        CommonCostInputs in = StoredCostInputs(c, 1);
        t.type(in);
        const CostReadResult res = ReadCostInputs(c, 1, in, CribTransportBoxes(0.0f), t.order);
        EXPECT_EQ(res.message(), t.message) << t.box;
        EXPECT_EQ(res.box, t.box);
    }

    // Boxes before the bad one are stored, the bad one and those after are not.
    CaseRec c = exampleCrib();
    CommonCostInputs in = StoredCostInputs(c, 1);
    in.useMatModel = false;
    in.time = 0.9f, in.shift = -1, in.carWid = 9;
    EXPECT_FALSE(ReadCostInputs(c, 1, in, CribTransportBoxes(0.0f)).ok());
    EXPECT_EQ(c.CostFlags[1], 1);
    EXPECT_EQ(c.PieceTime[1], 0.9f);
    EXPECT_EQ(c.ShiftHrs[1], 8);
    EXPECT_EQ(c.CarWid[1], 7);

    // Reading back what the record holds changes nothing.
    c = exampleCrib();
    c.NoFixPiece[1] = 3, c.CostFlags[1] = 5, c.UserMatCost[1] = 150;
    const CaseRec before = c;
    EXPECT_TRUE(ReadCostInputs(c, 1, StoredCostInputs(c, 1), CribTransportBoxes(c.FixVol()[1])).ok());
    EXPECT_TRUE(c == before);
}

TEST(CostPipeline, TypedCostsFollowTheModelBoxes)
{
    CaseRec c = exampleCrib();
    CommonCostInputs in = StoredCostInputs(c, 1);
    in.userMat = std::nullopt;  // never set: not read
    recomputeCrib(c, in);
    EXPECT_NEAR(c.UserMatCost[1], 224, 0.005);

    // Typing 150 unticks the model box: the typed cost is in force.
    in = StoredCostInputs(c, 1);
    in.useMatModel = false;
    in.userMat = 150;
    CostResults r = recomputeCrib(c, in);
    EXPECT_EQ(c.MatCost, 150);
    EXPECT_NEAR(r.matModel, 224, 0.005);
    EXPECT_NEAR(c.TotCost, 180.27, 0.005);
    // Ticking it again: the model cost, which the box then shows ...
    in.useMatModel = true;
    recomputeCrib(c, in);
    EXPECT_NEAR(c.MatCost, 224, 0.005);
    // ... so unticking again takes the model cost, not 150.
    in.useMatModel = false;
    in.userMat = c.MatCost;
    recomputeCrib(c, in);
    EXPECT_NEAR(c.MatCost, 224, 0.005);
    // A typed cost of 0 is a cost, not one never set.
    in.userMat = 0;
    recomputeCrib(c, in);
    EXPECT_EQ(c.MatCost, 0);
    // Once set, a typed cost is read and checked.
    in.userMat = std::nullopt;
    EXPECT_EQ(ReadCostInputs(c, 1, in, {}).box, "TxCostMat");
}

TEST(CostPipeline, GuardsAndCountsBeyondSixteenBits)
{
    // Construction and fixed time both 0: 1 min, the rate the shift's minutes.
    CaseRec c = exampleCrib();
    c.PieceTime[1] = c.FixTime[1] = 0;
    recomputeCrib(c, StoredCostInputs(c, 1));
    EXPECT_EQ(c.InstTime, 1);
    EXPECT_EQ(c.ConstrRate, 480);
    // A crib larger than the car: one per car, three cars, three per trip.
    c = exampleCrib();
    c.Par[2] = 4200;
    c.CarsPerTrip[1] = 3;
    EXPECT_EQ(recomputeCrib(c, StoredCostInputs(c, 1)).perCar, 1);
    EXPECT_EQ(c.SuppPerTrip, 3);

    // A four-point crib with a zero dimension is 1 in³; with 0.6875 in³ of
    // fixed volume 1/1024 ft³: 392 × 1024 per car, three cars a trip.
    c = costRecord();
    c.CarsPerTrip[1] = 3;
    c.Par = {0, 6, 36};
    c.FixVol()[1] = 0.6875f;
    const CostResults r = RunCostPipeline(c, 1, ConcreteCostQuantities(c, 4, 72), 72);
    EXPECT_EQ(r.perCar, 401408);
    EXPECT_EQ(c.SuppPerTrip, 1204224);
    EXPECT_FLOAT_EQ(c.TransCost, 70.0f / 1204224);

    // A result beyond single precision stores nothing.
    c = exampleCrib();
    c.UnitCost[1] = 3e38f;
    const CaseRec before = c;
    EXPECT_THROW(RunCostPipeline(c, 1, CribCostQuantities(c, 96), 96), ArithError);
    EXPECT_TRUE(c == before);
}

TEST(CostPipeline, TabResetsRestoreTheirGroupOnly)
{
    CaseRec c = costRecord();
    c.CostFlags[1] = 7;
    c.UserMatCost[1] = 150;
    CaseRec def;
    for (auto f : {&CaseRec::UnitWt, &CaseRec::FixWt, &CaseRec::SecWt, &CaseRec::UnitCost, &CaseRec::CarLen,
                   &CaseRec::HtAdj, &CaseRec::PackFactor, &CaseRec::PkgWid, &CaseRec::UserMatCost})
        (def.*f)[1] = 42;
    def.NoFixPiece[1] = def.CarsPerTrip[1] = def.CostFlags[1] = 9;

    CaseRec want = c;
    want.UnitWt[1] = want.FixWt[1] = want.SecWt[1] = 42;
    want.NoFixPiece[1] = 9;
    ResetCostDefaults(c, def, 1, 3);
    EXPECT_TRUE(c == want);

    want.CarLen[1] = want.HtAdj[1] = want.PackFactor[1] = 42;  // the post's shape shares PackFactor
    want.CarWid[1] = want.CarHt[1] = 0;
    want.CarsPerTrip[1] = 9;
    ResetCostDefaults(c, def, 1, 2, PostTransportFields());
    EXPECT_TRUE(c == want);
}

}  // namespace
