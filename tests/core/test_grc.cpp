// The ground-reaction-curve basis: end treatments, design values and the
// crossing of a wood crib with the curve.
#include "core_helpers.h"
#include "model/criteria/grc.h"
#include "model/cribmodel.h"
#include "model/units.h"

using namespace vesk;

namespace {

// A curve of these points, its end treatment applied.
CurveRec curve(std::initializer_list<std::pair<float, float>> pts, int16_t mode = kEndDisallow, float uncontrolled = 0,
               float design = 0)
{
    CurveRec c;
    for (auto [x, y] : pts) {
        ++c.NumPts;
        std::tie(c.Conv[std::size_t(c.NumPts)], c.Intensity[std::size_t(c.NumPts)]) = std::pair(x, y);
    }
    ApplyEndTreatment(c, mode, uncontrolled, design);
    return c;
}

// Slot k holds this convergence and intensity, each to a few ulps.
::testing::AssertionResult Slot(const CurveRec& c, int k, float conv, float intensity)
{
    const std::size_t i = std::size_t(k);
    const auto near = [](float got, float want) { return std::fabs(got - want) <= 4e-7f * std::fabs(want); };
    if (near(c.Conv[i], conv) && near(c.Intensity[i], intensity))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "slot " << k << " holds (" << c.Conv[i] << ", " << c.Intensity[i] << ")";
}

TEST(GroundReaction, EndTreatmentsFillTheEndSlots)
{
    // The falling end stops where it reaches 0.05.
    const CurveRec c = curve({{1, 1.5f}, {2, 1.0f}, {4, 0.2f}}, kEndExtrapolate);
    EXPECT_TRUE(Slot(c, 0, 0, 2));
    EXPECT_TRUE(Slot(c, 4, 4.375f, 0.05f));
    // Already below the floor at the first point: that point; a rising end at twice the last convergence.
    const CurveRec rising = curve({{1, 0.02f}, {2, 0.5f}, {3, 0.6f}}, kEndExtrapolate);
    EXPECT_TRUE(Slot(rising, 0, 1, 0.02f));
    EXPECT_TRUE(Slot(rising, 4, 6, 0.9f));

    // A constant end reaches 100 in, twice the last convergence or twice
    // uncontrolled plus design, the farthest of them.
    EXPECT_TRUE(Slot(curve({{1, 1.5f}, {40, 0.4f}}, kEndConstant, 1, 2), 0, 0, 1.5f));
    EXPECT_TRUE(Slot(curve({{1, 1.5f}, {40, 0.4f}}, kEndConstant, 1, 2), 3, 100, 0.4f));
    EXPECT_TRUE(Slot(curve({{1, 1.5f}, {60, 0.4f}}, kEndConstant, 1, 2), 3, 120, 0.4f));
    EXPECT_TRUE(Slot(curve({{1, 1.5f}, {20, 0.4f}}, kEndConstant, 30, 30), 3, 120, 0.4f));

    const CurveRec off = curve({{1, 1.5f}, {2, 1.0f}});
    EXPECT_TRUE(Slot(off, 0, 1, 1.5f));
    EXPECT_TRUE(Slot(off, 3, 2, 1.0f));

    CurveRec one = curve({{2, 1.0f}});
    const CurveRec before = one;
    EXPECT_EQ(ApplyEndTreatment(one, kEndExtrapolate, 0, 0), kEndConstant);
    EXPECT_EQ(one, before);
}

TEST(GroundReaction, DesignValuesClampEachConvergenceToItsOwnRange)
{
    const CurveRec c = curve({{1, 1.5f}, {2, 1.0f}, {4, 0.2f}}, kEndExtrapolate);
    GrDesign g = CalcGrDesign(c, 3, 1.5f, 20);
    EXPECT_FLOAT_EQ(g.minTpf, 12.0f);
    EXPECT_FLOAT_EQ(g.designTpf, 25.0f);
    ASSERT_TRUE(g.safetyFactor);
    EXPECT_EQ(FormatNum(*g.safetyFactor), "2.08");
    EXPECT_FLOAT_EQ(GrTpfAtConv(c, 3, 20), 12.0f);
    EXPECT_FLOAT_EQ(GrTpfAtConv(c, 9, 20), 1.0f);  // the end slot beyond it

    g = CalcGrDesign(c, 4.2f, 5, 20);  // max reaches into the end slot, design not past the last point
    EXPECT_EQ(std::make_pair(g.maxConv, g.designConv), std::make_pair(4.2f, 4.0f));
    g = CalcGrDesign(c, 9, 0.5f, 20);  // design reaches into the lower end slot
    EXPECT_EQ(std::make_pair(g.maxConv, g.designConv), std::make_pair(4.375f, 0.5f));
    EXPECT_FLOAT_EQ(g.minTpf, 1.0f);  // the end slot's 0.05 tons/ft², not the last point's 0.2
    EXPECT_FLOAT_EQ(g.designTpf, 35.0f);
    g = CalcGrDesign(c, 0.2f, 3, 20);  // max not below the first point; design not above max
    EXPECT_EQ(std::make_pair(g.maxConv, g.designConv), std::make_pair(1.0f, 1.0f));

    // A constant-load extension starts at 0: a design convergence of 0 or less
    // takes the first measured point instead.
    const CurveRec k = curve({{1, 1.5f}, {2, 1.0f}}, kEndConstant, 0, 1);
    g = CalcGrDesign(k, 2, 0, 20);
    EXPECT_EQ(g.designConv, 1.0f);
    EXPECT_FLOAT_EQ(g.designTpf, 30.0f);
    EXPECT_FALSE(CalcGrDesign(curve({{1, 0}, {2, 0}}), 2, 1, 20).safetyFactor);
}

TEST(GroundReaction, CribCrossingEndsAlsoAtAVerticalDrop)
{
    ResetGlobals();
    G.PerfA = 200, G.PerfK = 5, G.PerfB = 1.5f;  // about 100 tons at 4 in
    const CurveRec c = curve({{0.5f, 2.0f}, {2, 1.5f}, {6, 1.0f}});
    CribCrossing x = CribGrcPoint(c, 60, 1, 20);
    EXPECT_EQ(x.tpf, GrTpfAtConv(c, x.conv, 20));
    // Where they cross, the crossing lies on the crib's own curve and meets the curve within 0.001 tons/ft.
    for (float spacing = 30; spacing <= 120; spacing += 2.5f)
        for (int16_t rows : {1, 2}) {
            if (CribBelowCurveAtEnd(c, spacing, rows, 20))
                continue;
            x = CribGrcPoint(c, spacing, rows, 20);
            EXPECT_EQ(x.load, CribLoad(x.conv));
            EXPECT_LE(std::fabs(LoadDensity(x.load, spacing, rows) - x.tpf), 0.001 + 1e-5) << spacing << " " << rows;
        }

    // The requirement drops from 40 to 10 tons/ft at 1 in, where the crib
    // carries about 16: no point meets the tolerance.
    const CurveRec drop = curve({{0.2f, 2.0f}, {1, 2.0f}, {1, 0.5f}, {5, 0.5f}});
    x = CribGrcPoint(drop, 60, 1, 20);
    EXPECT_NEAR(x.conv, 1.0f, 1e-6);
    EXPECT_FALSE(CribBelowCurveAtEnd(drop, 60, 1, 20));
    EXPECT_TRUE(CribBelowCurveAtEnd(drop, 600, 1, 20));
    EXPECT_FLOAT_EQ(LoadDensity(30, 48, 2), 15.0f);
    EXPECT_THROW(CribGrcPoint(drop, 0, 1, 20), ArithError);
}

}  // namespace
