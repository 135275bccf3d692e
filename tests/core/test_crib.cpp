// The wood crib's performance and its design optimisation.
#include "core_helpers.h"
#include "model/cribmodel.h"
#include "model/supports/crib.h"

using namespace vesk;

namespace {

// The built-in crib: 2 timbers of 8 x 8 x 36 in per layer, 4-in overhang,
// strength 1000 psi, hardness 1000 lb, yield at 5 % of the height.
class Crib : public TemplateSupport<1> {
protected:
    CribInputs inputs() const
    {
        const CaseRec& c = G.CurCase;
        return {c.NumPerLayer(), c.Par[0], c.Par[1], c.Par[2], c.Par[3], c.Par[4], c.Par[5]};
    }
};

TEST(CribRules, AutomaticOverhangAndTypedRows)
{
    EXPECT_EQ(AutoOverhang(8), 4.0f);
    EXPECT_FLOAT_EQ(*AutoOverhang(7.3f), 3.65f);
    EXPECT_EQ(AutoOverhang(7.6f), 4.0f);
    EXPECT_FALSE(AutoOverhang(24) || AutoOverhang(0));
    EXPECT_TRUE(OverhangBelowHalfWidth(8, 3));
    EXPECT_FALSE(OverhangBelowHalfWidth(8, 4));

    for (const char* one : {"0", "x"})
        EXPECT_EQ(CribRowsFromText(one), int16_t(1)) << one;
    EXPECT_EQ(CribRowsFromText("2.9"), int16_t(2));
    EXPECT_EQ(CribRowsFromText("32767"), int16_t(32767));
    EXPECT_FALSE(CribRowsFromText("40000"));
}

TEST_F(Crib, SpacingIsRaisedToTheTimberLengthAndRowsAddedUntilItIsReached)
{
    // A typed spacing below the 36-in timbers becomes 36 in, where one row carries 8 tons/ft.
    G.DesignTpf = 8;
    G.DesignConv = 1;
    CribOutcome o = RecomputeCrib(inputs(), Layout(true, 20, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(std::make_pair(o.search.design->rows, o.search.design->spacing), std::make_pair(int16_t(1), 36.0f));
    EXPECT_EQ(std::make_pair(G.CurCase.UserSpacing, G.CurCase.Spacing), std::make_pair(36.0f, 36.0f));

    G.DesignTpf = 60;  // 54.8 tons at 1 in: 0.91 ft a crib per row, so 4 rows
    o = RecomputeCrib(inputs(), Layout(false, 36, 1));
    ASSERT_TRUE(o.designed());
    const Design& d = *o.search.design;
    EXPECT_EQ(d.rows, 4);
    EXPECT_GE(d.spacing, 36.0f);
    EXPECT_NEAR(d.load / d.spacing * 12 * d.rows, 60, 0.01);
    EXPECT_EQ(G.CurCase.SpacMode, 0);
    // One layer of timbers under the header and footer; the plan leaves out the overhangs.
    EXPECT_EQ(G.DefCases[1].RoofArea[1], 8.0f * 36 * 2);
    EXPECT_EQ(G.DefCases[1].PlanLen[1], 36.0f - 8);
}

TEST_F(Crib, TemplateDesignSafetyFactorCoverageAndPeakLoad)
{
    // 2 x 8 x 8 x 36 in, 1000 psi, 1000 lb, 96 in high: A = 256, K = 7.870127 (F3 = 0.826), B = 0.50625.
    // P(2) = 89.3665 tons: 1 row at 89.3665 x 12 / 16 = 67.02 in.
    const CribOutcome o = RecomputeCrib(inputs(), Layout(false, 60, 1));
    ASSERT_TRUE(o.designed());
    const Design& d = *o.search.design;
    EXPECT_EQ(d.rows, 1);
    EXPECT_NEAR(d.spacing, 67.02, 0.005);
    // At 2 in, before one fifth of the height: P(19.2 in) = 203.54 tons over P(2).
    EXPECT_NEAR(o.safetyFactor, 2.2776, 5e-4);
    // 36 x 28 in of plan per row, over 20 ft x 67.02 in: 6.266 %.
    EXPECT_NEAR(o.coverage, 36.0 * 28 / 20 / 67.0249 * 100 / 12, 1e-3);

    // 3 in of uncontrolled convergence: Independent takes the peak at 5 in, P(5) = 137.49 tons, 477 psi on the
    // 576 in² of one layer; Concurrent at the 2 in of the design, 310 psi.
    G.DesignCrit.UncontrolledConv = 3;
    G.DesignCrit.RoofBearing = G.DesignCrit.FloorBearing = 400;
    for (int16_t timing : {0, 1}) {
        G.DesignCrit.Timing = timing;
        const CribOutcome b = RecomputeCrib(inputs(), Layout(false, 60, 1));
        EXPECT_NEAR(G.PeakLoad, timing == 0 ? 137.49 : 89.37, 0.01) << timing;
        EXPECT_EQ(std::make_pair(G.CurCase.Warn[5], G.CurCase.Warn[6]),
                  timing == 0 ? std::make_pair(int16_t(-1), int16_t(-1)) : std::make_pair(int16_t(0), int16_t(0)));
    }
}

TEST_F(Crib, UserDefinedOperatingPointLiesOnTheCribsCurve)
{
    // 2 x 6 x 6 x 30 in, 3-in overhang, 720 psi, 490 lb, 96 in high: A = 103.68, K = 1.179916 (F3 = 0.65),
    // B = 0.50625; P(1) = 21.1833 tons. 16 tons/ft at 1 in is not met at 96 in, so 2 rows at the design point's
    // 21.1833 x 12 x 2 / 16 = 31.77 in, where the crib meets the requirement exactly at 1 in.
    const CribInputs builtIn = inputs();
    G.DesignTpf = 16, G.DesignConv = 1;
    CribOutcome o = RecomputeCrib({2, 6, 6, 30, 3, 720, 490}, Layout(true, 96, 1));
    ASSERT_TRUE(o.designed());
    const Design& d = *o.search.design;
    EXPECT_EQ(d.rows, 2);
    EXPECT_NEAR(d.spacing, 31.77, 0.005);
    EXPECT_FLOAT_EQ(d.conv, 1.0f);
    EXPECT_NEAR(d.load, 21.18, 0.005);
    EXPECT_NEAR(o.safetyFactor, 2.98, 0.005);  // P(19.2) = 63.16 tons over 21.18

    // The built-in crib at 200 tons/ft: 54.78 tons a crib at 1 in, 3.29 in a row, so 11 rows reach 36 in.
    G.DesignTpf = 200;
    o = RecomputeCrib(builtIn, Layout(true, 120, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(o.search.design->rows, 11);
    EXPECT_FLOAT_EQ(o.search.design->conv, 1.0f);
    EXPECT_NEAR(o.search.design->load, 54.78, 0.005);
}

TEST_F(Crib, UserDefinedDesignsMeetConstantRequirementsOnTheCurve)
{
    const CribInputs in = inputs();
    int designs = 0;
    for (float tpf : {2.f, 5.f, 8.f, 12.f, 16.f, 25.f, 40.f, 60.f, 100.f, 200.f})
        for (float conv : {0.25f, 0.5f, 1.f, 1.5f, 2.f, 3.f})
            for (float spacing : {36.f, 42.f, 48.f, 60.f, 72.f, 96.f, 120.f, 200.f})
                for (int16_t rows : {1, 2, 3}) {
                    G.DesignTpf = tpf, G.DesignConv = conv;
                    const CribOutcome o = RecomputeCrib(in, Layout(true, spacing, rows));
                    ASSERT_TRUE(o.designed());
                    ++designs;
                    const Design& d = *o.search.design;
                    EXPECT_EQ(d.load, CribLoad(d.conv));
                    const float density = static_cast<float>(d.load * 12.0 * d.rows / d.spacing);
                    EXPECT_LE(std::fabs(density - tpf), 0.001f)
                        << tpf << " tons/ft at " << conv << " in, " << spacing << " in, " << rows << " rows";
                }
    EXPECT_EQ(designs, 1440);
}

TEST_F(Crib, WarningsInTheirOrderWithTheirFlags)
{
    CaseRec& c = G.CurCase;
    CribInputs in = inputs();
    in.length = 60;  // a span of 44 in: a crib ratio of 2.18, too long
    c.Yield[1] = 0.5f;  // 0.48 in
    c.RoofArea[1] = 1, c.FloorArea[1] = 1;
    G.DesignConv = 0.05f;
    G.DesignCrit.UncontrolledConv = 1;
    G.DesignCrit.Timing = 1;  // Concurrent: checked at 0, where a crib carries nothing
    ASSERT_EQ(CalcCribParams(2, 1000, 1000, 8, 8, 60, 96, 4), 0);
    G.DesignTpf = static_cast<float>(0.9 * CribLoad(1) * 12 / 400);  // met just below 1 in
    const CribOutcome o = RecomputeCrib(in, Layout(true, 400, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_GT(o.search.design->conv, 0.48f);
    EXPECT_EQ(Flags(o.warnings), (std::vector<int>{1, 2, 5, 6, 4, 3, 9}));
    EXPECT_EQ(o.warnings.back().text, "Timber length is too long");
    for (int f : {1, 2, 3, 4, 5, 6, 9})
        EXPECT_EQ(c.Warn[f], -1) << f;
    EXPECT_EQ(c.RoofArea[1], 1.0f);  // a positive area is the user's and stays
}

TEST_F(Crib, TimberLengthRatioBounds)
{
    // ratio = height / (length - width - 2 x overhang); a span of 10 in.
    for (auto [height, flag] : {std::pair{24.9f, 9}, {25.f, 0}, {43.f, 0}, {43.1f, 8}}) {
        G.EntryHt = height;
        const CribOutcome o = RecomputeCrib({2, 8, 8, 26, 4, 1000, 1000}, Selection());
        ASSERT_FALSE(o.inputErrors) << height;
        EXPECT_EQ(Flags(o.warnings), flag ? std::vector<int>{flag} : std::vector<int>{}) << height;
    }
}

TEST_F(Crib, GuardsEndWithoutADesignAndInputErrorsChangeNothing)
{
    const CaseRec before = G.CurCase;
    G.DesignTpf = 0;
    CribOutcome o = RecomputeCrib(inputs(), Layout(false, 36, 1));
    EXPECT_FALSE(o.designed());
    EXPECT_FALSE(o.search.noDesignReason.empty());
    EXPECT_EQ(std::make_pair(G.CurCase.Rows, G.CurCase.Spacing), std::make_pair(before.Rows, before.Spacing));

    G.DesignTpf = 16;
    CribInputs weak = inputs();
    weak.strength = 0.01f;  // with a hardness just above where the stiffness vanishes:
    weak.hardness = 228.81f;  // about 1.4 lb at 2 in
    o = RecomputeCrib(weak, Layout(false, 36, 1));
    EXPECT_FALSE(o.designed());
    EXPECT_NE(o.search.noDesignReason.find("32,767"), std::string::npos) << o.search.noDesignReason;

    CribInputs bad = inputs();
    bad.perLayer = 0;
    G.CurCase = before;
    o = RecomputeCrib(bad, Layout(true, 20, 1));
    EXPECT_TRUE(o.inputErrors);
    EXPECT_EQ(G.CurCase.UserSpacing, 36.0f);  // the spacing box is taken even so
    G.CurCase.UserSpacing = before.UserSpacing;
    EXPECT_EQ(G.CurCase, before);
}

// The optimisation dialog's boxes at 16 tons/ft and 2 in.
OptimizeInputs Opt(float maxSpacing, float wmin, float wmax, int16_t rows = 1)
{
    return {16.f, 2.f, maxSpacing, wmin, wmax, rows};
}

TEST_F(Crib, OptimisationTimberLengthsAndARaisedSpacingHandedBackAsRaised)
{
    EXPECT_EQ(OptimumTimberLength(6, 2, 96), 34.5f);
    EXPECT_EQ(OptimumTimberLength(8, 2, 96), 38.5f);
    EXPECT_EQ(OptimumTimberLength(10, 3, 96), 55.0f);
    EXPECT_EQ(OptimumTimberLength(12, 4, 96), 87.5f);
    EXPECT_NEAR(SmallestMaxSpacing(12, 96), 48.33f, 0.005f);

    CaseRec work = G.CurCase;
    const OptimizeOutcome o = OptimizeCrib(work, Opt(40, 6, 12), 0);
    ASSERT_TRUE(o.error.empty()) << o.error;
    EXPECT_TRUE(o.spacingRaised);
    EXPECT_EQ(o.maxSpacing, SmallestMaxSpacing(12, 96));
    EXPECT_EQ(work.UserSpacing, o.maxSpacing);
    // Rule 0: the last crib that fell short, at its own required spacing with
    // the rows of its own pass, which lies below the maximum.
    EXPECT_LE(o.spacing, o.maxSpacing * 1.001f);
    EXPECT_EQ(work.Rows, o.rows);
    // Square timbers of the optimum length, overhanging by half their width.
    EXPECT_EQ(std::make_tuple(work.Par[1], work.Par[2], work.Par[3]),
              std::make_tuple(work.Par[0], OptimumTimberLength(work.Par[0], work.NumPerLayer(), 96), work.Par[0] / 2));

    // Any other rule: the crib found, at the maximum spacing.
    const OptimizeOutcome found = OptimizeCrib(work, Opt(60, 6, 12), 1);
    ASSERT_TRUE(found.error.empty());
    EXPECT_NEAR(found.spacing, 60, 0.5);
    EXPECT_GE(found.tpf, 16 * 0.999f);
}

TEST_F(Crib, OptimisationLengthsAndWidthsInSinglePrecision)
{
    // 3 x 11-in timbers: 33 / 0.55 is 60 in as a Single, 60.5 in after rounding, over a 60-in maximum. 2 x 11 in
    // take (8.6 x 11 + 96) / 4.3 = 44.33, so 44.5 in, and reach 40 tons/ft at 60 in with 2 rows.
    EXPECT_EQ(OptimumTimberLength(11, 3, 96), 60.5f);
    CaseRec work = G.CurCase;
    const OptimizeOutcome o = OptimizeCrib(work, {40.f, 1.f, 60.f, 11.f, 11.f, int16_t(1)}, 1);
    ASSERT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(std::make_tuple(o.perLayer, o.width, o.length, o.rows),
              std::make_tuple(int16_t(2), 11.0f, 44.5f, int16_t(2)));

    // Half-inch steps from 1 in: 999 widths to 500 in, 1,000 to 500.5 in; a centimetre at a time from 4 in, the
    // last of 3 widths lying above 4.75 in. From 1e8 in a half inch does not advance a Single at all.
    EXPECT_EQ(CountTrialWidths(1, 500, 0.5f, 1000), 999);
    EXPECT_EQ(CountTrialWidths(1, 500.5f, 0.5f, 1000), 1000);
    EXPECT_EQ(CountTrialWidths(1, 501, 0.5f, 1000), 1001);
    EXPECT_EQ(CountTrialWidths(4, 4.75f, 1 / 2.54f, 1000), 3);
    EXPECT_EQ(CountTrialWidths(1e8f, 1e8f + 400, 0.5f, 1000), 1001);
}

TEST_F(Crib, OptimisationsThatCannotSucceedSayWhyAndChangeNothing)
{
    CaseRec work = G.CurCase;
    const CaseRec before = work;
    // More than 1,000 widths to try is refused before any search.
    EXPECT_EQ(OptimizeCrib(work, Opt(60, 1, 1e30f), 0).error, "Invalid maximum timber width");
    EXPECT_EQ(OptimizeCrib(work, Opt(60, 1, 501), 0).error, "Invalid maximum timber width");
    // With a maximum spacing of 1e30 in no crib of 1 to 500 in reaches 16 tons/ft with 32,767 rows: refused
    // before the rows grow.
    EXPECT_NE(OptimizeCrib(work, Opt(1e30f, 1, 500), 0).error.find("32,767"), std::string::npos);
    EXPECT_FALSE(OptimizeCrib(work, Opt(64.33f, 20, 20), 0).error.empty());  // the shortest crib is 73 in
    EXPECT_EQ(OptimizeCrib(work, Opt(-1, 6, 12), 0).error, "Invalid maximum spacing");
    EXPECT_EQ(OptimizeCrib(work, Opt(60, 12, 6), 0).error, "Invalid maximum timber width");
    EXPECT_EQ(OptimizeCrib(work, Opt(60, 6, 12, 0), 0).error, "Invalid number of rows");
    EXPECT_EQ(work, before);
}

}  // namespace
