// The numbers of the plot of all performance curves: axis maxima and ticks,
// the design criteria over it and the clipping of the curves.
#include "model/compare/plotaxes.h"
#include "model/globals.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace vesk;

namespace {

class PlotAxesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.PlotSet.XAuto = -1;
        G.PlotSet.YAuto = {-1, -1, -1, -1};
        G.DesignConv = 2;
        G.EntryWid = 16;
        curves_.max = {0, 37, 9, 0.5f};
    }
    void TearDown() override { ResetGlobals(); }

    PlotAxes axes(int numStd = 1, int numCab = 0) { return MakePlotAxes(curves_, numStd, numCab); }

    // The criteria over the axes in force, each as "x1,y1 x2,y2 type|".
    std::string criteria(int numStd = 1, int numCab = 0)
    {
        std::string out;
        for (const PlotStroke& s : PlotCriteria(axes(numStd, numCab), numStd, numCab)) {
            char line[100];
            std::snprintf(line, sizeof line, "%g,%g %g,%g %d|", s.x1, s.y1, s.x2, s.y2, static_cast<int>(s.type));
            out += line;
        }
        return out;
    }

    CurveTable curves_;
};

// The design ground reaction curve, points 0 to n + 1 as held: in intensities.
void SetGroundReaction(int16_t n, const std::array<float, 12>& conv, const std::array<float, 12>& intensity)
{
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCurve.NumPts = n;
    G.DesignCurve.Conv = conv;
    G.DesignCurve.Intensity = intensity;
}

}  // namespace

TEST_F(PlotAxesTest, AutomaticYAxisRaisesTheLargestValueAndAFixedMaximumNotAbove0TurnsAutomatic)
{
    PlotAxes a = axes();
    EXPECT_EQ(std::make_tuple(a.y.english, a.y.step, a.yTitle), std::make_tuple(40.f, 5.f, "SUPPORT LOAD, tons"));
    curves_.max[1] = 40;
    EXPECT_EQ(axes().y.english, 50);
    G.PlotSet.YType = 1;  // the density axis takes its own column
    EXPECT_EQ(std::make_tuple(axes().y.english, axes().yTitle), std::make_tuple(10.f, "LOAD DENSITY, tons/ft"));

    G.PlotSet.YType = 0;
    G.PlotSet.YAuto[0] = G.PlotSet.XAuto = 0;
    G.PlotSet.YMax = {25, 0, 0, 0};
    G.PlotSet.XMax = 2.5f;
    EXPECT_EQ(std::make_pair(axes().y.english, axes().x.english), std::make_pair(25.f, 2.5f));
    G.PlotSet.YMax = {0, 0, 0, 0};
    G.PlotSet.XMax = -1;
    EXPECT_EQ(std::make_pair(axes().y.english, axes().x.english), std::make_pair(50.f, 4.f));
    EXPECT_EQ(std::make_pair(int{G.PlotSet.YAuto[0]}, int{G.PlotSet.XAuto}), std::make_pair(-1, -1));
}

TEST_F(PlotAxesTest, AutomaticXAxisCoversTheDesignSecurityCheckAndCableConvergences)
{
    G.PlotSet.Show = 1;
    PlotAxes a = axes();  // 1.5 x 2 in, raised to 4
    EXPECT_EQ(std::make_tuple(a.x.english, a.x.step, a.x.ticks.size(), a.x.ticks.back().label, a.xTitle),
              std::make_tuple(4.f, 0.5f, std::size_t{9}, "4.0", "CONVERGENCE, in"));
    EXPECT_EQ(criteria(), "2,0 2,40 1|");
    G.DesignCrit.UncontrolledConv = 1;  // independent: the security check at 3 in
    EXPECT_EQ(axes().x.english, 4);
    EXPECT_EQ(criteria(), "2,0 2,40 1|3,0 3,40 4|");
    G.DesignCrit.Timing = 1;  // concurrent: at 1 in, the axis to 3 in
    EXPECT_EQ(axes().x.english, 3);
    EXPECT_EQ(criteria(), "2,0 2,40 1|1,0 1,40 4|");
    SetGroundReaction(2, {0, 0, 4.5f}, {});  // its last point stretches the axis
    EXPECT_EQ(axes().x.english, 5);

    G.DesignCrit.CabConv = 0.75f;  // cable bolts only: 1.5 x 0.75 in raised to 2
    a = axes(0, 2);
    EXPECT_EQ(std::make_pair(a.x.english, a.xTitle), std::make_pair(2.f, std::string("DISPLACEMENT, in")));
    EXPECT_EQ(criteria(0, 2), "0.75,0 0.75,40 3|");
    G.DesignCrit.CabConv = 1;  // 1.5 x 1 in raised to 2 (twice 1 in would give 3)
    EXPECT_EQ(axes(0, 1).x.english, 2);
    G.DesignCrit.CabConv = 0.75f;
    EXPECT_EQ(axes(1, 1).xTitle, "CONVERGENCE and DISPLACEMENT, in");
    G.PlotSet.XAuto = 0;  // a convergence at or beyond a fixed maximum draws no line
    G.PlotSet.XMax = 2;
    G.DesignCrit.UncontrolledConv = 0;
    EXPECT_EQ(criteria(), "");
}

TEST_F(PlotAxesTest, MetricAxesRoundInMetricUnitsAndPlaceDataInEnglish)
{
    G.MetricUnits = -1;
    PlotAxes a = axes();
    // 3 in = 7.62 cm, raised to 8 cm; 37 tons -> 40 -> 36.3 tonnes, raised to 40 tonnes.
    EXPECT_FLOAT_EQ(a.x.display, 8);
    EXPECT_NEAR(a.x.english, 8 / 2.54, 1e-5);
    EXPECT_FLOAT_EQ(a.y.display, 40);
    EXPECT_NEAR(a.y.english, 40 / 0.9072, 1e-4);
    EXPECT_EQ(a.xTitle + " " + a.yTitle + " " + a.x.ticks.back().label, "CONVERGENCE, cm SUPPORT LOAD, tonnes 8");
}

TEST_F(PlotAxesTest, StoredIntensityAxisUsesItsOwnUnitAndPlainIntensities)
{
    G.PlotSet.YType = 2;
    G.PlotSet.Show = 2;
    curves_.max[3] = 1.3f;
    PlotAxes a = axes();
    EXPECT_EQ(std::make_tuple(a.yUnit, a.y.english, a.yTitle), std::make_tuple(3, 2.f, "LOAD INTENSITY, tons/ft²"));
    G.DesignTpf = 8;  // tons/ft over a 16-ft entry
    EXPECT_EQ(criteria(), "0,0.5 4,0.5 1|");
    SetGroundReaction(1, {0.5f, 1, 1.5f}, {1.5f, 1, 0.75f});  // drawn as held
    EXPECT_EQ(criteria(), "0.5,1.5 1,1 3|1,1 1.5,0.75 3|");
    G.MetricUnits = -1;  // 2 tons/ft² = 19.5 tonnes/m², raised to 20
    a = axes();
    EXPECT_FLOAT_EQ(a.y.display, 20);

    G.MetricUnits = 0;
    G.PlotSet.YType = 7;  // any other stored type is the support load, with no required load over it
    EXPECT_EQ(std::make_pair(axes().yType, axes().y.english), std::make_pair(0, 40.f));
    EXPECT_EQ(criteria(), "");
}

TEST_F(PlotAxesTest, GroundReactionSegmentsAreClippedToTheAxesWithDottedEnds)
{
    G.PlotSet = {1, 2, 0, 4, {-1, 0, -1, -1}, {0, 20, 0, 0}};  // the density axis to 20 tons/ft, X to 4 in
    G.EntryWid = 10;
    // In tons/ft of entry: (0, 30) (1, 10) (3, 5) (5, 4) (8, 2).
    SetGroundReaction(3, {0, 1, 3, 5, 8}, {3, 1, 0.5f, 0.4f, 0.2f});
    G.DesignCrit.CabTpf = 25;  // above the axis: no cable line
    // The first end above the axis is swapped and cut at y = 20, the third segment cut at x = 4, the last
    // lies wholly beyond the axis.
    EXPECT_EQ(criteria(1, 1), "1,10 0.5,20 3|1,10 3,5 1|3,5 4,4.5 1|");

    // A segment whose two ends lie outside the axes but which crosses the plot: (0.5, 25) to (6, 5)
    // enters at y = 20 at x = 0.5 + 5.5 / 4 and leaves at x = 4 at y = 25 - 3.5 x 20 / 5.5.
    SetGroundReaction(2, {0, 0.5f, 6, 8}, {3, 2.5f, 0.5f, 0.2f});
    const std::vector<PlotStroke> strokes = PlotCriteria(axes(), 1, 0);
    ASSERT_EQ(strokes.size(), 1u) << criteria();
    const PlotStroke& s = strokes[0];
    EXPECT_NEAR(s.x1, 1.875, 1e-5);
    EXPECT_NEAR(s.y1, 20, 1e-5);
    EXPECT_NEAR(s.x2, 4, 1e-5);
    EXPECT_NEAR(s.y2, 25 - 3.5 * 20 / 5.5, 1e-5);
    EXPECT_EQ(s.type, kSolidLine);
}

TEST_F(PlotAxesTest, CurvesAreClippedAndEndAtTheXMaximum)
{
    // A cable bolt shifted left by its preload, running above the Y axis and past the X axis.
    curves_.rows = {{-1, 4, 0, 0}, {1, 8, 0, 0}, {2, 12, 0, 0}, {3, 8, 0, 0}, {5, 7, 0, 0}, {6, 7, 0, 0}};
    auto lines = ClipCurve(curves_, 0, 6, 1, 4, 10);
    // From x = 0 on the way to (1, 8), broken above y = 10, cut at x = 4 half way to (5, 7) and ended there.
    EXPECT_EQ(lines, (std::vector<PlotPolyline>{{{0, 6}, {1, 8}, {1.5, 10}}, {{2.5, 10}, {3, 8}, {4, 7.5}}}));
    // Another support's rows only, from (0, 0); none past the table's end.
    curves_.rows.push_back({0.5f, 1, 0, 0});
    curves_.rows.push_back({1, 2, 0, 0});
    EXPECT_EQ(ClipCurve(curves_, 6, 5, 1, 4, 10), (std::vector<PlotPolyline>{{{0, 0}, {0.5, 1}, {1, 2}}}));
}

TEST_F(PlotAxesTest, TickLabelsHaveADecimalForEachPowerOfTenAboveTheStepAndABlankProjectHasNoLine)
{
    EXPECT_EQ(TickFormat(1) + " " + TickFormat(0.5f) + " " + TickFormat(0.1f) + " " + TickFormat(0.05f),
              "0 0.0 0.0 0.00");
    const auto t = AxisTicks(1.4f, 0.2f);  // steps of 0.2 reach the top without drift
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t.back().label, "1.4");
    G.ProjName = "   ";
    EXPECT_EQ(PlotProjectLine(), "");
}
