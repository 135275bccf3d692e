// The ground-reaction-curve basis: end treatments, design values and the
// crossing of a wood crib with the curve.
#include "core_helpers.h"
#include "model/criteria/grc.h"
#include "model/units.h"

using namespace vesk;

namespace {

CurveRec curve(std::initializer_list<std::pair<float, float>> pts)
{
    CurveRec c;
    int k = 0;
    for (auto [x, y] : pts) {
        ++k;
        c.Conv[static_cast<std::size_t>(k)] = x;
        c.Intensity[static_cast<std::size_t>(k)] = y;
    }
    c.NumPts = static_cast<int16_t>(k);
    return c;
}

TEST(GroundReaction, EndTreatmentsFillTheEndSlots)
{
    CurveRec c = curve({{1, 1.5f}, {2, 1.0f}, {4, 0.2f}});
    EXPECT_EQ(ApplyEndTreatment(c, kEndExtrapolate, 0, 0), kEndExtrapolate);
    EXPECT_FLOAT_EQ(c.Conv[0], 0.0f);
    EXPECT_FLOAT_EQ(c.Intensity[0], 2.0f);
    EXPECT_FLOAT_EQ(c.Conv[4], 4.375f);  // the falling end stops where it reaches 0.05
    EXPECT_FLOAT_EQ(c.Intensity[4], 0.05f);

    CurveRec rising = curve({{1, 0.02f}, {2, 0.5f}, {3, 0.6f}});
    ApplyEndTreatment(rising, kEndExtrapolate, 0, 0);
    EXPECT_EQ(rising.Conv[0], 1.0f);  // the first point, already below the floor
    EXPECT_EQ(rising.Intensity[0], 0.02f);
    EXPECT_FLOAT_EQ(rising.Conv[4], 6.0f);  // twice the last convergence
    EXPECT_FLOAT_EQ(rising.Intensity[4], 0.9f);

    for (float last : {40.0f, 60.0f}) {
        CurveRec k = curve({{1, 1.5f}, {last, 0.4f}});
        ApplyEndTreatment(k, kEndConstant, 1, 2);
        EXPECT_EQ(k.Conv[0], 0.0f);
        EXPECT_EQ(k.Intensity[0], 1.5f);
        EXPECT_EQ(k.Conv[3], last == 40 ? 100.0f : 120.0f);
        EXPECT_EQ(k.Intensity[3], 0.4f);
    }
    CurveRec wide = curve({{1, 1.5f}, {20, 0.4f}});
    ApplyEndTreatment(wide, kEndConstant, 30, 30);
    EXPECT_EQ(wide.Conv[3], 120.0f);  // twice uncontrolled plus design

    CurveRec off = curve({{1, 1.5f}, {2, 1.0f}});
    ApplyEndTreatment(off, kEndDisallow, 0, 0);
    EXPECT_EQ(off.Conv[0], 1.0f);
    EXPECT_EQ(off.Conv[3], 2.0f);
    EXPECT_EQ(off.Intensity[3], 1.0f);

    CurveRec one = curve({{2, 1.0f}});
    const CurveRec before = one;
    EXPECT_EQ(ApplyEndTreatment(one, kEndExtrapolate, 0, 0), kEndConstant);
    EXPECT_EQ(one, before);
}

TEST(GroundReaction, DesignValuesClampEachConvergenceToItsOwnRange)
{
    CurveRec c = curve({{1, 1.5f}, {2, 1.0f}, {4, 0.2f}});
    ApplyEndTreatment(c, kEndExtrapolate, 0, 0);
    GrDesign g = CalcGrDesign(c, 3, 1.5f, 20);
    EXPECT_FLOAT_EQ(g.minTpf, 12.0f);
    EXPECT_FLOAT_EQ(g.designTpf, 25.0f);
    ASSERT_TRUE(g.safetyFactor);
    EXPECT_EQ(FormatNum(*g.safetyFactor), "2.08");
    EXPECT_FLOAT_EQ(GrTpfAtConv(c, 3, 20), 12.0f);
    EXPECT_FLOAT_EQ(GrTpfAtConv(c, 9, 20), 1.0f);  // the end slot beyond it

    g = CalcGrDesign(c, 4.2f, 5, 20);  // max reaches into the end slot, design not past the last point
    EXPECT_FLOAT_EQ(g.maxConv, 4.2f);
    EXPECT_EQ(g.designConv, 4.0f);
    g = CalcGrDesign(c, 9, 0.5f, 20);  // design reaches into the lower end slot
    EXPECT_FLOAT_EQ(g.maxConv, 4.375f);
    EXPECT_EQ(g.designConv, 0.5f);
    EXPECT_FLOAT_EQ(g.designTpf, 35.0f);
    g = CalcGrDesign(c, 0.2f, 3, 20);  // max not below the first point; design not above max
    EXPECT_EQ(g.maxConv, 1.0f);
    EXPECT_EQ(g.designConv, 1.0f);

    // A constant-load extension starts at 0: a design convergence of 0 or less
    // takes the first measured point instead.
    CurveRec k = curve({{1, 1.5f}, {2, 1.0f}});
    ApplyEndTreatment(k, kEndConstant, 0, 1);
    for (float typed : {0.0f, -2.0f}) {
        g = CalcGrDesign(k, 2, typed, 20);
        EXPECT_EQ(g.designConv, 1.0f);
        EXPECT_FLOAT_EQ(g.designTpf, 30.0f);
    }
    CurveRec zero = curve({{1, 0}, {2, 0}});
    ApplyEndTreatment(zero, kEndDisallow, 0, 0);
    EXPECT_FALSE(CalcGrDesign(zero, 2, 1, 20).safetyFactor);
}

TEST(GroundReaction, CribCrossingEndsAlsoAtAVerticalDrop)
{
    ResetGlobals();
    G.PerfA = 200, G.PerfK = 5, G.PerfB = 1.5f;  // about 100 tons at 4 in
    CurveRec c = curve({{0.5f, 2.0f}, {2, 1.5f}, {6, 1.0f}});
    ApplyEndTreatment(c, kEndDisallow, 0, 0);
    CribCrossing x = CribGrcPoint(c, 60, 1, 20);
    EXPECT_NEAR(LoadDensity(x.load, 60, 1), GrTpfAtConv(c, x.conv, 20), 0.05);  // the narrowed midpoint
    EXPECT_EQ(x.tpf, GrTpfAtConv(c, x.conv, 20));

    // The requirement drops from 40 to 10 tons/ft at 1 in, where the crib
    // carries about 16: no point meets the tolerance.
    CurveRec drop = curve({{0.2f, 2.0f}, {1, 2.0f}, {1, 0.5f}, {5, 0.5f}});
    ApplyEndTreatment(drop, kEndDisallow, 0, 0);
    x = CribGrcPoint(drop, 60, 1, 20);
    EXPECT_NEAR(x.conv, 1.0f, 1e-6);
    EXPECT_FALSE(CribBelowCurveAtEnd(drop, 60, 1, 20));
    EXPECT_TRUE(CribBelowCurveAtEnd(drop, 600, 1, 20));
    EXPECT_FLOAT_EQ(LoadDensity(30, 48, 2), 15.0f);
    EXPECT_THROW(CribGrcPoint(drop, 0, 1, 20), ArithError);
}

}  // namespace
