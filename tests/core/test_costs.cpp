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
#include <tuple>

using namespace vesk;

namespace {

// The cost inputs of the wood-crib example at element k: a 7 × 21 × 32 car,
// one car per trip at 70 $, 0.50 $/BdFt, 4 lb/BdFt, 0.7 min per piece and
// 1 min fixed in an 8-hour shift, a crew of 2 at 35 $/hr, 2.50 $ fixed cost;
// typed costs never set.
CaseRec costRecord(int k = 1)
{
    CaseRec c;
    c.UnitCost[k] = 0.5f, c.FixCost[k] = 2.5f, c.LabCost[k] = 35, c.Crew[k] = 2;
    c.PieceTime[k] = 0.7f, c.FixTime[k] = 1, c.ShiftHrs[k] = 8, c.UnitWt[k] = 4;
    c.CarWid[k] = 7, c.CarLen[k] = 21, c.CarHt[k] = 32, c.TripCost[k] = 70, c.CarsPerTrip[k] = 1;
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

// Each result against its value in the examples, shown to two decimals.
void expectShown(std::initializer_list<std::pair<double, double>> results)
{
    int i = 0;
    for (auto [got, want] : results)
        EXPECT_NEAR(got, want, 0.005) << "result " << i++;
}

TEST(CostMembers, WoodCribExampleThroughToTheTotal)
{
    CaseRec c = exampleCrib();
    const CostQuantities q = CribCostQuantities(c, 96);
    const CostResults r = recomputeCrib(c, StoredCostInputs(c, 1));
    expectShown({{q.pieces, 24}, {q.quantity, 18.67}, {c.SuppVol, 37.33}, {r.carVol, 392}, {r.perCar, 10},
                 {c.SuppPerTrip, 10}, {c.TransCost, 7}, {c.MatCost, 224}, {c.PieceWt, 74.67}, {r.totalWt, 1792},
                 {c.TotWork, 8064}, {c.InstTime, 17.8}, {r.laborCost, 20.77}, {c.ConstrCost, 23.27},
                 {c.TotCost, 254.27}, {c.TotPieces, 24}});
    EXPECT_EQ(FormatNum(c.ConstrRate), "27.0");
    // The typed costs were never set: they take the model costs.
    EXPECT_EQ(std::tie(c.UserMatCost[1], c.UserConstrCost[1], c.UserTransCost[1]),
              std::tie(c.MatCost, c.ConstrCost, c.TransCost));

    // Below the timber thickness one layer; a thickness of 0 counts as 1 in.
    EXPECT_EQ(CribCostQuantities(c, 5).pieces, 2);
    c.Par[1] = 0;
    EXPECT_EQ(CribCostQuantities(c, 96.5f).pieces, 192);
    // Fixed pieces count in the pieces only; no volume at all counts as 1 ft³.
    c = exampleCrib();
    c.NoFixPiece[1] = 3, c.Par[2] = 0;
    recomputeCrib(c, StoredCostInputs(c, 1));
    expectShown({{c.TotPieces, 27}, {c.SuppVol, 1}, {c.InstTime, 17.8}});
}

TEST(CostMembers, TimberPostRoundAndSquare)
{
    CaseRec c = costRecord();
    c.Par[0] = 8, c.UnitWt[1] = 2.5f;
    PostTransportInputs t{.square = false, .htAdj = -6.0f, .secWid = 12.0f, .secLen = 24.0f, .secThick = 4.0f};
    auto recompute = [&] {
        EXPECT_TRUE(ReadCostInputs(c, 1, StoredCostInputs(c, 1), PostTransportBoxes(t)).ok());
        return RunCostPipeline(c, 1, PostCostQuantities(c, 96, t.square), 96);
    };
    CostResults r = recompute();
    const CostQuantities q = PostCostQuantities(c, 96, false);
    EXPECT_EQ(c.HtAdj[1], -6);  // stored as typed: the post packs 102 in
    EXPECT_NEAR(q.volume, 102 * 64 * 0.9 + 12 * 24 * 4, 1e-3);
    expectShown({{q.quantity * 144 / 96, 50.27}, {q.quantity, 33.51}, {c.SuppVol, 4.07}, {r.perCar, 96},
                 {c.PieceWt, 83.78}, {c.TotWork, 376.99}, {c.PostShape()[1], 0}});

    t.square = true;
    c.NoFixPiece[1] = 2;
    r = recompute();
    // One post: two fixed pieces make three pieces; time counts the post once.
    expectShown({{c.PieceWt / 2.5, 42.67}, {c.SuppVol, 4.44}, {r.perCar, 88}, {c.PostShape()[1], 1},
                 {c.TotPieces, 3}, {c.InstTime, 1.7}});

    t.secWid = -1.0f;
    EXPECT_EQ(ReadCostInputs(c, 1, StoredCostInputs(c, 1), PostTransportBoxes(t)).box, "TxSwid");
}

TEST(CostMembers, ConcreteCribsByType)
{
    CaseRec c;
    c.Par = {10, 30, 6};  // donut: inner and outer diameter, thickness
    CostQuantities q = ConcreteCostQuantities(c, 3, 72);
    expectShown({{q.volume, 64800}, {q.pieces, 12}, {q.quantity, 2.18}, {RunCostPipeline(c, 1, q, 72).suppVol, 37.5},
                 {ConcreteCostQuantities(c, 3, 5).pieces, 1}});
    c.Par = {8, 6, 36};  // four-point: width, thickness, length
    q = ConcreteCostQuantities(c, 4, 72);
    expectShown({{q.volume, 41472}, {q.pieces, 24}, {q.quantity, 1}});
    // Two stacks of whole 8-in pieces up to 100 in: 2 x 12, not 200 / 8.
    c.Par = {8, 8, 36};
    EXPECT_EQ(ConcreteCostQuantities(c, 4, 100).pieces, 24);

    // Solid and stopping block cribs round V / b half up, even below the
    // piece thickness (V / b = 1.5 gives 2).
    c.Par = {1, 1, 1, 1, 100};
    EXPECT_EQ(ConcreteCostQuantities(c, 5, 8050).pieces, 81);
    EXPECT_EQ(ConcreteCostQuantities(c, 6, 8049).pieces, 80);
    c.Par = {3, 1, 1, 2, 1};
    EXPECT_EQ(ConcreteCostQuantities(c, 5, 1).pieces, 2);

    // A donut of thickness 0: 72 pieces of no concrete.
    c.Par = {10, 30, 0};
    q = ConcreteCostQuantities(c, 3, 72);
    expectShown({{q.pieces, 72}, {q.quantity, 0}});

    // An inner diameter above the outer: no weight and no concrete cost,
    // only fabrication and shipping.
    c = costRecord();
    c.Par = {30, 10, 6};
    c.FabrCost[1] = 2, c.ShipCost[1] = 5;
    ASSERT_TRUE(ReadCostInputs(c, 1, StoredCostInputs(c, 1), ConcreteTransportBoxes(0.0f), ConcreteReadOrder()).ok());
    RunCostPipeline(c, 1, ConcreteCostQuantities(c, 3, 72), 72);
    expectShown({{c.PieceWt, 0}, {c.MatCost, 12 * 2 + 5}});
}

TEST(CostMembers, FileDefinedExampleAtItsElementOnly)
{
    const int k = 3;
    CaseRec c = costRecord(k);
    c.CostBasis[k] = 0, c.PcsPerFt[k] = 8, c.WtBasis[k] = 0, c.UnitWt[k] = 12.7f;
    CommonCostInputs in = StoredCostInputs(c, k);
    in.useTransModel = false;
    ASSERT_TRUE(ReadCostInputs(c, k, in, LinkTransportBoxes({24.0f, 24.0f, 6.0f, 1.0f, 24.0f, 24.0f, 12.0f})).ok());
    const CostQuantities q = LinkCostQuantities(c, k, 96);
    const CostResults r = RunCostPipeline(c, k, q, 96, LinkCostRules(96));
    expectShown({{q.volume, 58752}, {c.SuppVol, 34.0}, {q.pieces, 64}, {c.TotPieces, 64}, {c.PieceWt, 12.7},
                 {c.InstTime, 1 + 0.7 * 64}});
    EXPECT_EQ(FormatNum(r.totalWt), "813");
    EXPECT_EQ(FormatNum(c.TotWork), "3658");
    // Nothing of element 1 was touched, the cost flags included.
    EXPECT_EQ(c.CostFlags[k], 4);
    EXPECT_TRUE(c.CostFlags[1] == 0 && c.Crew[1] == 0 && c.UserMatCost[1] == 0);

    // Per support (basis 1): the fixed pieces plus one; time per piece once;
    // weight per ft of height: the full height is the heaviest piece.
    c.CostBasis[k] = 1, c.NoFixPiece[k] = 2, c.WtBasis[k] = 1, c.UnitCost[k] = 3, c.FabrCost[k] = 10;
    RunCostPipeline(c, k, LinkCostQuantities(c, k, 96), 96, LinkCostRules(96));
    expectShown({{c.TotPieces, 3}, {c.InstTime, 1.7}, {c.PieceWt, 12.7 * 8}, {c.MatCost, 3 * 8 + 10}});
    c.CostBasis[k] = 2, c.PieceQty[k] = 0.5f, c.WtBasis[k] = 2;  // BdFt per ft of height, weight per support
    RunCostPipeline(c, k, LinkCostQuantities(c, k, 96), 96, LinkCostRules(96));
    expectShown({{c.MatCost, 0.5 * 3 * 8 + 10}, {c.PieceWt, 12.7}});
}

// A box typed into the crib example's boxes: the box refused ("" none), and
// what one field then holds.
struct Typed {
    std::function<void(CommonCostInputs&)> type;
    std::string badBox;
    std::function<float(const CaseRec&)> stored = [](const CaseRec&) { return 0.0f; };
    float want = 0;
    CostReadOrder order = {};
};

CostReadResult expectRead(const Typed& t)
{
    CaseRec c = exampleCrib();
    CommonCostInputs in = StoredCostInputs(c, 1);
    t.type(in);
    const CostReadResult res = ReadCostInputs(c, 1, in, CribTransportBoxes(0.0f), t.order);
    EXPECT_EQ(res.box, t.badBox);
    EXPECT_EQ(t.stored(c), t.want) << res.box;
    return res;
}

TEST(CostReader, WholeNumbersAndTheirLimits)
{
    auto crew = [](const CaseRec& c) { return c.Crew[1]; };
    auto fixed = [](const CaseRec& c) { return float(c.NoFixPiece[1]); };
    expectRead({[](auto& in) { in.crew = 2.7f; }, "", crew, 2});
    expectRead({[](auto& in) { in.crew = 0.9f; }, "TxCrew", crew, 2});
    expectRead({[](auto& in) { in.crew = 32768; }, "TxCrew", crew, 2});
    expectRead({[](auto& in) { in.noPiece = 2.5f; }, "", fixed, 2});
    expectRead({[](auto& in) { in.noPiece = 3.5f; }, "", fixed, 4});
    expectRead({[](auto& in) { in.noPiece = 0.4f; }, "", fixed, 0});
    expectRead({[](auto& in) { in.noPiece = -0.5f; }, "TxNoPiece", fixed, 0});
    expectRead({[](auto& in) { in.noPiece = 32767.4f; }, "", fixed, 32767});
    expectRead({[](auto& in) { in.noPiece = 32767.5f; }, "TxNoPiece", fixed, 0});
    // A member's count box above 32,767 is an error of its group.
    CaseRec c = exampleCrib();
    const MemberCostBox pcs{.value = 40000.0f, .name = "TxPcs", .count = &CaseRec::NoFixPiece};
    EXPECT_EQ(ReadCostInputs(c, 1, StoredCostInputs(c, 1), {pcs}).message(), "Error in Transport tab.");
}

TEST(CostReader, GroupsAndReadingOrder)
{
    // Each mistake named by its group; with two, the first in reading order.
    auto shift = [](const CaseRec& c) { return c.ShiftHrs[1]; };
    auto message = [](const Typed& t) { return expectRead(t).message(); };
    EXPECT_EQ(message({[](auto& in) { in.shift = -1, in.labCost = -1; }, "TxLabCost", shift, 8}), "Error in Cost tab.");
    EXPECT_EQ(message({[](auto& in) { in.tripCost = -1, in.shift = -1; }, "TxShift"}), "Error in Time tab.");
    EXPECT_EQ(message({[](auto& in) { in.tripCost = -1; }, "TxTripCost"}), "Error in Transport tab.");
    EXPECT_EQ(message({[](auto& in) { in.fixWt = -1; }, "TxFixWt"}), "Error in Work tab.");
    // The cable bolts read the transport costs in "Cost", the concrete cribs
    // the fixed cost before the fabrication cost.
    const Typed trip{[](auto& in) { in.tripCost = -1; }, "TxTripCost", shift, 8, {.transportCostsInCost = true}};
    EXPECT_EQ(message(trip), "Error in Cost tab.");
    expectRead({[](auto& in) { in.fixCost = -1, in.fabr = -1; }, "TxFabr"});
    expectRead({[](auto& in) { in.fixCost = -1, in.fabr = -1; }, "TxFixCost", shift, 8, ConcreteReadOrder()});

    // Boxes before the bad one are stored, the bad one and those after are not.
    CaseRec c = exampleCrib();
    CommonCostInputs in = StoredCostInputs(c, 1);
    in.useMatModel = false, in.time = 0.9f, in.shift = -1, in.carWid = 9;
    EXPECT_EQ(ReadCostInputs(c, 1, in, CribTransportBoxes(0.0f)).box, "TxShift");
    EXPECT_TRUE(c.CostFlags[1] == 1 && c.PieceTime[1] == 0.9f && c.ShiftHrs[1] == 8 && c.CarWid[1] == 7);

    // Reading back what the record holds changes nothing.
    c = exampleCrib();
    c.NoFixPiece[1] = 3, c.CostFlags[1] = 5, c.UserMatCost[1] = 150;
    const CaseRec before = c;
    EXPECT_TRUE(ReadCostInputs(c, 1, StoredCostInputs(c, 1), CribTransportBoxes(c.FixVol()[1])).ok());
    EXPECT_TRUE(c == before);
}

TEST(CostPipeline, TypedCostsFollowTheModelBoxes)
{
    // Once the typed costs hold the model costs, typing 150 unticks the model
    // box: the typed cost is in force.
    CaseRec c = exampleCrib();
    recomputeCrib(c, StoredCostInputs(c, 1));
    CommonCostInputs in = StoredCostInputs(c, 1);
    in.useMatModel = false, in.userMat = 150;
    const CostResults r = recomputeCrib(c, in);
    expectShown({{c.MatCost, 150}, {r.matModel, 224}, {c.TotCost, 180.27}});
    // Ticking it again: the model cost.
    in.useMatModel = true;
    recomputeCrib(c, in);
    EXPECT_NEAR(c.MatCost, 224, 0.005);
    in.useMatModel = false;
    // A typed cost of 0 is a cost; once set, a typed cost is read and checked.
    in.userMat = 0;
    recomputeCrib(c, in);
    EXPECT_EQ(c.MatCost, 0);
    in.userMat = std::nullopt;
    EXPECT_EQ(ReadCostInputs(c, 1, in, {}).box, "TxCostMat");
}

TEST(CostPipeline, GuardsAndCountsBeyondSixteenBits)
{
    // Construction and fixed time both 0: 1 min, the rate the shift's minutes.
    CaseRec c = exampleCrib();
    c.PieceTime[1] = c.FixTime[1] = 0;
    recomputeCrib(c, StoredCostInputs(c, 1));
    expectShown({{c.InstTime, 1}, {c.ConstrRate, 480}});
    // A crib larger than the car: one per car, three cars, three per trip.
    c = exampleCrib();
    c.Par[2] = 4200, c.CarsPerTrip[1] = 3;
    expectShown({{recomputeCrib(c, StoredCostInputs(c, 1)).perCar, 1}, {c.SuppPerTrip, 3}});

    // A four-point crib with a zero dimension is 1 in³; with 0.6875 in³ of
    // fixed volume 1/1024 ft³: 392 × 1024 per car, three cars a trip.
    c = costRecord();
    c.CarsPerTrip[1] = 3, c.Par = {0, 6, 36}, c.FixVol()[1] = 0.6875f;
    const CostResults r = RunCostPipeline(c, 1, ConcreteCostQuantities(c, 4, 72), 72);
    expectShown({{r.perCar, 401408}, {c.SuppPerTrip, 1204224}});
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
    c.CostFlags[1] = 7, c.UserMatCost[1] = 150;
    CaseRec def;
    for (auto f : {&CaseRec::UnitWt, &CaseRec::FixWt, &CaseRec::SecWt, &CaseRec::UnitCost, &CaseRec::CarLen,
                   &CaseRec::HtAdj, &CaseRec::PackFactor, &CaseRec::PkgWid, &CaseRec::UserMatCost})
        (def.*f)[1] = 42;
    def.NoFixPiece[1] = def.CarsPerTrip[1] = def.CostFlags[1] = 9;

    CaseRec want = c;
    want.UnitWt[1] = want.FixWt[1] = want.SecWt[1] = 42, want.NoFixPiece[1] = 9;
    ResetCostDefaults(c, def, 1, 3);
    EXPECT_TRUE(c == want);
    want.PieceTime[1] = want.FixTime[1] = want.ShiftHrs[1] = 0;
    ResetCostDefaults(c, def, 1, 1);
    EXPECT_TRUE(c == want);
    want.CarLen[1] = want.HtAdj[1] = want.PackFactor[1] = 42;  // the post's shape shares PackFactor
    want.CarWid[1] = want.CarHt[1] = 0, want.CarsPerTrip[1] = 9;
    ResetCostDefaults(c, def, 1, 2, PostTransportFields());
    EXPECT_TRUE(c == want);
}

}  // namespace
