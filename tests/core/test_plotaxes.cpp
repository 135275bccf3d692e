// The numbers of the plot of all performance curves: axis maxima and ticks,
// the design criteria over it and the clipping of the curves.
#include "model/compare/plotaxes.h"
#include "model/globals.h"

#include <gtest/gtest.h>

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
    }
    void TearDown() override { ResetGlobals(); }

    static std::vector<std::string> labels(const PlotAxis& a)
    {
        std::vector<std::string> out;
        for (const PlotTick& t : a.ticks)
            out.push_back(t.label);
        return out;
    }

    CurveTable curves_;
};

using Strokes = std::vector<PlotStroke>;

void ExpectStroke(const PlotStroke& s, double x1, double y1, double x2, double y2, PlotLineType type)
{
    EXPECT_NEAR(s.x1, x1, 1e-5);
    EXPECT_NEAR(s.y1, y1, 1e-5);
    EXPECT_NEAR(s.x2, x2, 1e-5);
    EXPECT_NEAR(s.y2, y2, 1e-5);
    EXPECT_EQ(s.type, type);
}

}  // namespace

TEST_F(PlotAxesTest, AutomaticYAxisRaisesTheLeadingDigitOfTheLargestValue)
{
    curves_.max = {0, 37, 9, 0.5f};
    PlotAxes a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.y.english, 40);
    EXPECT_EQ(a.y.step, 5);
    EXPECT_EQ(labels(a.y), (std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30", "35", "40"}));
    EXPECT_EQ(a.yTitle, "SUPPORT LOAD, tons");

    curves_.max[1] = 40;
    EXPECT_EQ(MakePlotAxes(curves_, 1, 0).y.english, 50);

    // The density axis takes its own column.
    G.PlotSet.YType = 1;
    a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.y.english, 10);
    EXPECT_EQ(a.yTitle, "LOAD DENSITY, tons/ft");
}

TEST_F(PlotAxesTest, FixedMaximumNotAbove0TurnsItsAxisAutomaticForGood)
{
    curves_.max = {0, 37, 9, 0.5f};
    G.PlotSet.YAuto[0] = 0;
    G.PlotSet.YMax[0] = 25;
    G.PlotSet.XAuto = 0;
    G.PlotSet.XMax = 2.5f;
    PlotAxes a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.y.english, 25);
    EXPECT_EQ(a.x.english, 2.5f);
    EXPECT_EQ(G.PlotSet.YAuto[0], 0);

    G.PlotSet.YMax[0] = 0;
    G.PlotSet.XMax = -1;
    a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.y.english, 40);
    EXPECT_EQ(a.x.english, 4);
    EXPECT_EQ(G.PlotSet.YAuto[0], -1);
    EXPECT_EQ(G.PlotSet.XAuto, -1);
    EXPECT_EQ(G.PlotSet.YAuto[1], -1);  // the other quantities are left alone
}

TEST_F(PlotAxesTest, AutomaticXAxisCoversDesignSecurityCheckAndCableConvergences)
{
    // Design convergence 2 in alone: 1.5 x 2 = 3, raised to 4, step 0.5.
    G.PlotSet.Show = 1;
    PlotAxes a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.x.english, 4);
    EXPECT_EQ(a.x.step, 0.5f);
    const auto x = labels(a.x);
    ASSERT_EQ(x.size(), 9u);
    EXPECT_EQ(x.front(), "0.0");
    EXPECT_EQ(x.back(), "4.0");
    EXPECT_EQ(a.xTitle, "CONVERGENCE, in");
    Strokes s = PlotCriteria(a, 1, 0);
    ASSERT_EQ(s.size(), 1u);
    ExpectStroke(s[0], 2, 0, 2, a.y.english, kSolidLine);

    // Uncontrolled convergence 1 in, independent: security check at 3 in.
    G.DesignCrit.UncontrolledConv = 1;
    a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.x.english, 4);
    s = PlotCriteria(a, 1, 0);
    ASSERT_EQ(s.size(), 2u);
    ExpectStroke(s[1], 3, 0, 3, a.y.english, kDashDotLine);

    // Concurrent: security check at 1 in, axis to 3 in.
    G.DesignCrit.Timing = 1;
    a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.x.english, 3);
    s = PlotCriteria(a, 1, 0);
    ASSERT_EQ(s.size(), 2u);
    ExpectStroke(s[1], 1, 0, 1, a.y.english, kDashDotLine);

    // The design ground reaction curve's last point stretches the axis.
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCurve.NumPts = 2;
    G.DesignCurve.Conv[2] = 4.5f;
    EXPECT_EQ(MakePlotAxes(curves_, 1, 0).x.english, 5);

    // Cable bolts only: 1.5 x 0.75 in raised to 2 in; the standing supports' criteria are not drawn.
    G.DesignCrit.CabConv = 0.75f;
    a = MakePlotAxes(curves_, 0, 2);
    EXPECT_EQ(a.x.english, 2);
    EXPECT_EQ(a.xTitle, "DISPLACEMENT, in");
    s = PlotCriteria(a, 0, 2);
    ASSERT_EQ(s.size(), 1u);
    ExpectStroke(s[0], 0.75, 0, 0.75, a.y.english, kDotLine);
    EXPECT_EQ(MakePlotAxes(curves_, 1, 1).xTitle, "CONVERGENCE and DISPLACEMENT, in");

    // A design convergence at or beyond a fixed maximum draws no line.
    G.PlotSet.XAuto = 0;
    G.PlotSet.XMax = 2;
    G.DesignCrit.UncontrolledConv = 0;
    EXPECT_TRUE(PlotCriteria(MakePlotAxes(curves_, 1, 0), 1, 0).empty());
}

TEST_F(PlotAxesTest, MetricAxesRoundInMetricUnitsAndPlaceDataInEnglish)
{
    G.MetricUnits = -1;
    curves_.max = {0, 37, 9, 0.5f};
    const PlotAxes a = MakePlotAxes(curves_, 1, 0);
    // 3 in = 7.62 cm, raised to 8 cm; 37 tons -> 40 -> 36.3 tonnes, raised to 40 tonnes.
    EXPECT_FLOAT_EQ(a.x.display, 8);
    EXPECT_NEAR(a.x.english, 8 / 2.54, 1e-5);
    EXPECT_FLOAT_EQ(a.y.display, 40);
    EXPECT_NEAR(a.y.english, 40 / 0.9072, 1e-4);
    EXPECT_EQ(a.xTitle, "CONVERGENCE, cm");
    EXPECT_EQ(a.yTitle, "SUPPORT LOAD, tonnes");
    EXPECT_EQ(labels(a.x).back(), "8");
}

TEST_F(PlotAxesTest, StoredIntensityAxisUsesItsOwnUnitAndPlainIntensities)
{
    G.PlotSet.YType = 2;
    G.PlotSet.Show = 2;
    curves_.max = {0, 37, 9, 1.3f};
    PlotAxes a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.yUnit, 3);
    EXPECT_EQ(a.y.english, 2);
    EXPECT_EQ(a.yTitle, "LOAD INTENSITY, tons/ft\u00B2");

    // The required density 8 tons/ft over a 16-ft entry.
    G.DesignTpf = 8;
    Strokes s = PlotCriteria(a, 1, 0);
    ASSERT_EQ(s.size(), 1u);
    ExpectStroke(s[0], 0, 0.5, a.x.english, 0.5, kSolidLine);

    // The ground reaction curve as it is held, in intensities.
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCurve.NumPts = 1;
    G.DesignCurve.Conv = {0.5f, 1, 1.5f};
    G.DesignCurve.Intensity = {1.5f, 1, 0.75f};
    s = PlotCriteria(a, 1, 0);
    ASSERT_EQ(s.size(), 2u);
    ExpectStroke(s[0], 0.5, 1.5, 1, 1, kDotLine);

    G.MetricUnits = -1;
    a = MakePlotAxes(curves_, 1, 0);
    // 2 tons/ft² = 19.5 tonnes/m², raised to 20.
    EXPECT_FLOAT_EQ(a.y.display, 20);
    EXPECT_EQ(a.yTitle, "LOAD INTENSITY, tonnes/m\u00B2");

    // Any other stored type is the support load.
    G.MetricUnits = 0;
    G.PlotSet.YType = 7;
    a = MakePlotAxes(curves_, 1, 0);
    EXPECT_EQ(a.yType, 0);
    EXPECT_EQ(a.y.english, 40);
    EXPECT_TRUE(PlotCriteria(a, 1, 0).empty());  // no required load on the load axis
}

TEST_F(PlotAxesTest, GroundReactionSegmentsAreClippedToTheAxesWithDottedEnds)
{
    G.PlotSet.YType = 1;
    G.PlotSet.Show = 2;
    G.PlotSet.XAuto = G.PlotSet.YAuto[1] = 0;
    G.PlotSet.XMax = 4;
    G.PlotSet.YMax[1] = 20;
    G.EntryWid = 10;
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCurve.NumPts = 3;
    // In tons/ft of entry: (0, 30) (1, 10) (3, 5) (5, 4) (8, 2).
    G.DesignCurve.Conv = {0, 1, 3, 5, 8};
    G.DesignCurve.Intensity = {3, 1, 0.5f, 0.4f, 0.2f};
    G.DesignCrit.CabTpf = 25;  // above the axis: no cable line
    const Strokes s = PlotCriteria(MakePlotAxes(curves_, 1, 1), 1, 1);
    ASSERT_EQ(s.size(), 3u);
    // The first end above the axis: ends swapped, then cut at y = 20.
    ExpectStroke(s[0], 1, 10, 0.5, 20, kDotLine);
    ExpectStroke(s[1], 1, 10, 3, 5, kSolidLine);
    // Cut at x = 4; the last extension lies wholly beyond the axis.
    ExpectStroke(s[2], 3, 5, 4, 4.5, kSolidLine);
}

TEST_F(PlotAxesTest, CurvesAreClippedAndEndAtTheXMaximum)
{
    // A cable bolt shifted left by its preload, running above the Y axis and past the X axis.
    curves_.rows = {{-1, 4, 0, 0}, {1, 8, 0, 0}, {2, 12, 0, 0}, {3, 8, 0, 0}, {5, 7, 0, 0}, {6, 7, 0, 0}};
    auto lines = ClipCurve(curves_, 0, 6, 1, 4, 10);
    ASSERT_EQ(lines.size(), 2u);
    // (0,0) -> (-1,4) lies left of the axis; (-1,4) -> (1,8) starts at x = 0, y = 6.
    EXPECT_EQ(lines[0], (PlotPolyline{{0, 6}, {1, 8}, {1.5, 10}}));
    // Back below the top at (2.5, 10), then cut at x = 4 half way to (5, 7); the curve ends there.
    EXPECT_EQ(lines[1], (PlotPolyline{{2.5, 10}, {3, 8}, {4, 7.5}}));

    // The rows of another support are not touched; a curve inside the axes is one line from (0, 0).
    curves_.rows.push_back({0.5f, 1, 0, 0});
    curves_.rows.push_back({1, 2, 0, 0});
    lines = ClipCurve(curves_, 6, 2, 1, 4, 10);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (PlotPolyline{{0, 0}, {0.5, 1}, {1, 2}}));
    // Rows past the table's end are not read.
    EXPECT_EQ(ClipCurve(curves_, 7, 5, 1, 4, 10).size(), 1u);
}

TEST(PlotTicks, LabelPatternHasADecimalForEachPowerOfTenAboveTheStep)
{
    EXPECT_EQ(TickFormat(5), "0");
    EXPECT_EQ(TickFormat(1), "0");
    EXPECT_EQ(TickFormat(0.5f), "0.0");
    EXPECT_EQ(TickFormat(0.1f), "0.0");
    EXPECT_EQ(TickFormat(0.05f), "0.00");
    EXPECT_EQ(TickFormat(0.01f), "0.00");
    // Steps of 0.2 reach the top without drift: 0 .. 1.4 is eight ticks.
    const auto t = AxisTicks(1.4f, 0.2f);
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t.back().label, "1.4");
}

TEST(PlotTitles, ProjectLineOnlyWhenTheNameIsNotBlank)
{
    ResetGlobals();
    G.ProjName = "   ";
    EXPECT_EQ(PlotProjectLine(), "");
    G.ProjName = "  North Mains";
    EXPECT_EQ(PlotProjectLine(), "  North Mains");
    ResetGlobals();
}
