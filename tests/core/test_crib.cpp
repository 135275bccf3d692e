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

TEST_F(Crib, OptimisationsThatCannotSucceedSayWhyAndChangeNothing)
{
    CaseRec work = G.CurCase;
    const CaseRec before = work;
    EXPECT_FALSE(OptimizeCrib(work, Opt(64.33f, 20, 20), 0).error.empty());  // the shortest crib is 73 in
    EXPECT_EQ(OptimizeCrib(work, Opt(-1, 6, 12), 0).error, "Invalid maximum spacing");
    EXPECT_EQ(OptimizeCrib(work, Opt(60, 12, 6), 0).error, "Invalid maximum timber width");
    EXPECT_EQ(OptimizeCrib(work, Opt(60, 6, 12, 0), 0).error, "Invalid number of rows");
    EXPECT_EQ(work, before);
}

}  // namespace
