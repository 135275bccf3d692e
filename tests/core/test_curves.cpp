// Model-curve interpolation, the required load density, the library lookup and the operating points of
// curve-defined supports.
#include "core_helpers.h"
#include "model/curves.h"

using namespace vesk;

namespace {

class Curves : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.PerfConv.redim(3, 10);
        G.PerfLoad.redim(3, 10);
        G.EntryWid = 16;
    }

    static void setModel(int16_t m, const Points& pts)
    {
        G.PerfConv(m, 0) = static_cast<float>(pts.size());
        for (int k = 1; k <= static_cast<int>(pts.size()); ++k)
            std::tie(G.PerfConv(m, k), G.PerfLoad(m, k)) = pts[static_cast<std::size_t>(k - 1)];
    }

    // A yielding support: rises, softens to 30 tons and rises again.
    static void setYieldingModel() { setModel(1, {{0.5f, 20}, {1.5f, 45}, {3, 60}, {4, 30}, {6, 70}}); }

    // Falling; in a 16-ft entry 24, 24, 16, 9.6, 9.6 tons/ft.
    static Points falling() { return {{0, 1.5f}, {0.5f, 1.5f}, {2, 1.0f}, {5, 0.6f}, {12, 0.6f}}; }

    // CurrLoad, CurrConv, CurveMaxLoad, CurveMaxConv.
    static auto results() { return std::make_tuple(G.CurrLoad, G.CurrConv, G.CurveMaxLoad, G.CurveMaxConv); }
};

TEST_F(Curves, SegmentIntersection)
{
    // The support (1, 5)-(3, 9) passes 2 in at 7 tons/ft, below a requirement jumping there from 8 to 12: no
    // meeting in either orientation or with the roles swapped.
    EXPECT_FALSE(IntersectSegments(1, 5, 3, 9, 2, 8, 2, 12));
    EXPECT_FALSE(IntersectSegments(1, 5, 3, 9, 2, 12, 2, 8));
    EXPECT_FALSE(IntersectSegments(2, 8, 2, 12, 1, 5, 3, 9));
    // A jump spanning 7, or ending on it, meets it at (2, 7); so does a vertical support drop 10 -> 4 across a
    // requirement falling from 9 to 5.
    for (auto [x1, y1, x2, y2, x3, y3, x4, y4] : {std::array<float, 8>{1, 5, 3, 9, 2, 6, 2, 12},
                                                  {1, 5, 3, 9, 2, 7, 2, 12}, {2, 10, 2, 4, 1, 9, 3, 5}}) {
        auto p = IntersectSegments(x1, y1, x2, y2, x3, y3, x4, y4);
        ASSERT_TRUE(p) << y3;
        EXPECT_EQ(std::make_tuple(p->conv, p->tpf), std::make_tuple(2.0f, 7.0f));
    }
    EXPECT_FALSE(IntersectSegments(0, 0, 2, 2, 0, 1, 2, 3));   // parallel
    EXPECT_FALSE(IntersectSegments(0, 0, 1, 1, 2, 0, 3, -1));  // lines meet at 1.5, beyond both

    // A steep support against a nearly flat requirement: 20000 (c - 2) = 300.001 - 0.0002 c at c = 2.015000016 in,
    // 300.000601 tons/ft (by hand, in double, from the float ends).
    const DensityPoint p = IntersectSegments(2, 0, 2.1f, 2000, 0, 300.001f, 5, 300).value_or(DensityPoint{});
    EXPECT_TRUE(WithinUlp(p.conv, 2.015000016f));
    EXPECT_TRUE(WithinUlp(p.tpf, 300.000601f));
}

TEST_F(Curves, OperatingPointAtARequirementCurvesPoint)
{
    // A support density through a point of the requirement curve between two sloped segments is found by one of
    // them. 36-in spacing, 14-ft entry: 159.6 tons at 1 in is 53.2 c tons/ft, through (0.5, 26.6) where 28 - 2.8 c
    // turns to 26.6 - 0.7 (c - 0.5).
    setModel(1, {{1, 159.599991f}});
    G.EntryWid = 14;
    G.DesignConv = 1;
    UseDesignCurve({{0, 2.0f}, {0.5f, 1.9f}, {2.5f, 1.8f}});
    EXPECT_EQ(FindOpPoint(36, 1, 1), 0);
    EXPECT_TRUE(WithinUlp(G.CurrConv, 0.5f));
    EXPECT_TRUE(WithinUlp(G.CurrTpf, 26.6f));
    // 12-in spacing, 16-ft entry: 30 c through (0.8, 24), where 28.8 - 6 c turns to 24 - 0.8 (c - 0.8).
    setModel(1, {{1.6f, 48}});
    G.EntryWid = 16;
    UseDesignCurve({{0, 1.8f}, {0.8f, 1.5f}, {2.8f, 1.4f}});
    EXPECT_EQ(FindOpPoint(12, 1, 1), 0);
    EXPECT_EQ(std::make_tuple(G.CurrConv, G.CurrTpf, G.CurrLoad), std::make_tuple(0.8f, 24.f, 24.f));
}

TEST_F(Curves, LoadAtConv)
{
    G.CurrLoad = G.CurrConv = G.CurveMaxLoad = G.CurveMaxConv = 5;
    G.PerfConv(2, 0) = 0.4f;  // rounds to no points
    EXPECT_EQ(LoadAtConv(1, 2), -1.0f);
    EXPECT_EQ(G.PerfConv(2, 0), 0.0f);
    EXPECT_EQ(results(), std::make_tuple(0.f, 0.f, 0.f, 0.f));

    setYieldingModel();
    G.CurrLoad = G.CurveMaxConv = 5;
    EXPECT_EQ(LoadAtConv(-0.1f, 1), -1.0f);
    EXPECT_EQ(G.CurrLoad + G.CurveMaxConv, 0.0f);
    // Beyond the end: the last point, and the highest load of the points before it.
    EXPECT_EQ(LoadAtConv(7, 1), -1.0f);
    EXPECT_EQ(LoadOnCurve(7, 1).spot, CurveSpot::BeyondEnd);
    EXPECT_EQ(results(), std::make_tuple(70.f, 6.f, 60.f, 3.f));
    EXPECT_THROW(LoadAtConv(1, 4), IndexError);  // no model row 4

    G.CurrLoad = G.CurrConv = 99;
    // Below the first point: on the line from the origin, CurrLoad and CurrConv kept.
    EXPECT_EQ(LoadAtConv(0.25f, 1), 10.0f);
    EXPECT_EQ(results(), std::make_tuple(99.f, 99.f, 10.f, 0.25f));
    // On the falling segment: 60 + 0.5 x (30 - 60); the peak before it kept.
    EXPECT_EQ(LoadAtConv(3.5f, 1), 45.0f);
    EXPECT_EQ(results(), std::make_tuple(45.f, 3.5f, 60.f, 3.f));
    // Past the old peak the load at conv is the peak.
    EXPECT_EQ(LoadAtConv(5.75f, 1), 65.0f);
    EXPECT_EQ(std::make_tuple(G.CurveMaxLoad, G.CurveMaxConv), std::make_tuple(65.f, 5.75f));
    // Two points at one convergence: the mean, unless an earlier segment holds it.
    setModel(2, {{2, 30}, {2, 10}, {3, 12}});
    EXPECT_EQ(LoadAtConv(2, 2), 20.0f);
    setModel(2, {{1, 10}, {2, 30}, {2, 10}, {3, 12}});
    EXPECT_EQ(LoadAtConv(2, 2), 30.0f);
    // Mended: a curve of one point, asked at that point, gives its load (not 0) and sets the results.
    setModel(1, {{2, 40}});
    EXPECT_EQ(LoadAtConv(2, 1), 40.0f);
    EXPECT_EQ(LoadOnCurve(2, 1).spot, CurveSpot::OnCurve);
    EXPECT_EQ(results(), std::make_tuple(40.f, 2.f, 40.f, 2.f));
}

TEST_F(Curves, RequiredLoadDensityAndCurveLookup)
{
    G.DesignTpf = 11.5f;
    G.DesignCurve = GrCurve(falling());
    G.DesignBasis = 1;  // no curve defined: the constant
    EXPECT_EQ(ReqTpfAtConv(1), 11.5f);
    G.DesignBasis = 0;
    G.GrcDefined = -1;  // another basis: the constant
    EXPECT_EQ(ReqTpfAtConv(1), 11.5f);
    G.DesignBasis = 1;
    EXPECT_EQ(ReqTpfAtConv(-1), 24.0f);         // below slot 0: its intensity
    EXPECT_EQ(ReqTpfAtConv(30), 0.6f * 16.0f);  // beyond the last slot: held
    EXPECT_EQ(ReqTpfAtConv(1.25f), 20.0f);      // halfway from 1.5 to 1.0 tons/ft²
    // A jump (two points at 3 in): at the jump, the segment before it.
    UseDesignCurve({{0, 1.5f}, {3, 1.5f}, {3, 0.9f}, {20, 0.9f}});
    EXPECT_EQ(ReqTpfAtConv(3), 24.0f);
    EXPECT_EQ(ReqTpfAtConv(std::nextafter(3.0f, 4.0f)), 0.9f * 16.0f);
    G.DesignCurve.NumPts = 11;  // slot 12 does not exist
    EXPECT_THROW(ReqTpfAtConv(4), IndexError);

    G.NumCurves = -2;
    EXPECT_EQ(FindCurve(1), -1);
    EXPECT_EQ(G.NumCurves, 0);
    G.GRCurves.resize(4);
    G.NumCurves = 3;
    G.GRCurves[1].Id = 7;
    G.GRCurves[2].Id = G.GRCurves[3].Id = 9;
    EXPECT_EQ(FindCurve(9), 2);
    EXPECT_EQ(FindCurve(8), -1);
}

TEST_F(Curves, DesignPoint)
{
    setYieldingModel();
    G.DesignConv = 2.5f;
    G.DesignTpf = 1000;  // never reached
    EXPECT_EQ(FindOpPoint(60, 1, 1), -1);
    EXPECT_EQ(std::make_tuple(G.DsnConv, G.DsnLoad), std::make_tuple(2.5f, 55.0f));  // 45 + 1 / 1.5 x 15

    // A curve ending at 3 in before a design convergence of 4: its last point with a load, else 1 at the first.
    G.DesignConv = 4;
    const std::pair<Points, std::pair<float, float>> ends[] = {
        {{{1, 10}, {2, 20}, {3, 25}}, {3, 25}}, {{{1, 10}, {2, 20}, {3, 0}}, {2, 20}}, {{{1, 0}, {2, 0}, {3, 0}}, {1, 1}}};
    for (const auto& [pts, want] : ends) {
        setModel(2, pts);
        FindOpPoint(60, 1, 2);
        EXPECT_EQ(std::make_pair(G.DsnConv, G.DsnLoad), want);
    }
    // Two points at the design convergence: the larger load; of all the segments holding it, the last decides.
    G.DesignConv = 2;
    setModel(2, {{1, 10}, {2, 5}, {2, 30}});
    FindOpPoint(60, 1, 2);
    EXPECT_EQ(G.DsnLoad, 30.0f);
    setModel(2, {{1, 10}, {2, 30}, {2, 5}, {3, 8}});
    FindOpPoint(60, 1, 2);
    EXPECT_EQ(G.DsnLoad, 5.0f);
}

TEST_F(Curves, OperatingPointUnderAConstantRequirement)
{
    // 60-in spacing: load densities 4, 9, 12, 6, 14 tons/ft. 10 is first reached on the rise from 9 to 12, at
    // 2 in and 50 tons; the later rise from 6 to 14 does not count.
    setYieldingModel();
    G.DesignConv = 2.5f;
    G.DesignTpf = 10;
    EXPECT_EQ(FindOpPoint(60, 1, 1), 0);
    EXPECT_EQ(std::make_tuple(G.CurrConv, G.CurrTpf, G.CurrLoad), std::make_tuple(2.f, 10.f, 50.f));

    // Not reached, or an error (spacing 0, rows x 12 beyond 16 bits, no such model): -1, the operating point
    // kept, the design point set.
    G.CurrConv = -3;
    for (auto [spacing, rows, m, tpf] : {std::tuple<float, int16_t, int16_t, float>{60, 1, 1, 15}, {0, 1, 1, 10},
                                         {60, 3000, 1, 10}, {60, 1, 7, 10}}) {
        G.DsnLoad = 0;
        G.DesignTpf = tpf;
        EXPECT_EQ(FindOpPoint(spacing, rows, m), -1) << spacing << " " << rows << " " << m;
        EXPECT_EQ(G.CurrConv, -3.0f);
        EXPECT_EQ(G.DsnLoad, m == 1 ? 55.0f : 0.0f);
    }
}

TEST_F(Curves, OperatingPointOnAGroundReactionCurve)
{
    // 36-in spacing: the support's 15 + 10/3 (c - 1.5) meets the falling 24 - 16/3 (c - 0.5) at c = 25/13 in,
    // 16.410256 tons/ft, 49.230769 tons (by hand, in double).
    setYieldingModel();
    G.DesignConv = 2.5f;
    UseDesignCurve(falling());
    EXPECT_EQ(FindOpPoint(36, 1, 1), 0);
    EXPECT_TRUE(WithinUlp(G.CurrConv, 1.9230769f));
    EXPECT_TRUE(WithinUlp(G.CurrTpf, 16.410256f));
    EXPECT_NEAR(G.CurrLoad, 49.230769f, 1e-5f * 49.23f);

    // FindGrcPoint finds the same against WorkCurve, and passes errors to the caller.
    G.WorkCurve = GrCurve(falling());
    G.DesignBasis = 0;
    G.CurrConv = 0;
    EXPECT_EQ(FindGrcPoint(36, 1, 1), 0);
    EXPECT_TRUE(WithinUlp(G.CurrConv, 1.9230769f));
    EXPECT_TRUE(WithinUlp(G.CurrTpf, 16.410256f));
    EXPECT_THROW(FindGrcPoint(0, 1, 1), ArithError);

    // No crossing: the support's load at the middle of WorkCurve's points, 2.75 in: 57.5 tons; the requirement
    // there from DesignTpf, not WorkCurve.
    G.DesignTpf = 7;
    EXPECT_EQ(FindGrcPoint(6000, 1, 1), -1);
    EXPECT_EQ(std::make_tuple(G.CurrConv, G.CurrLoad, G.CurrTpf), std::make_tuple(2.75f, 57.5f, 7.f));
}

}  // namespace
