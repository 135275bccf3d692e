// The wood crib's performance and its design optimisation.
#include "core_helpers.h"
#include "files/defaults.h"
#include "model/cribmodel.h"
#include "model/supportlist.h"
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
    static LayoutInputs layout(bool user, float spacing, int16_t rows)
    {
        LayoutInputs l;
        l.userSpacing = user;
        l.spacing = spacing;
        l.rows = rows;
        return l;
    }
    static std::vector<int> flags(const CribOutcome& o)
    {
        std::vector<int> f;
        for (const Warning& w : o.warnings)
            f.push_back(w.flag);
        return f;
    }
};

TEST(CribRules, AutomaticOverhangAndTypedRows)
{
    EXPECT_EQ(AutoOverhang(8), 4.0f);
    EXPECT_FLOAT_EQ(*AutoOverhang(7.3f), 3.65f);
    EXPECT_EQ(AutoOverhang(7.6f), 4.0f);
    EXPECT_FALSE(AutoOverhang(24));
    EXPECT_FALSE(AutoOverhang(30));
    EXPECT_FALSE(AutoOverhang(0));
    EXPECT_TRUE(OverhangBelowHalfWidth(8, 3));
    EXPECT_FALSE(OverhangBelowHalfWidth(8, 4));

    for (const char* one : {"0", "-2", "x", ""})
        EXPECT_EQ(CribRowsFromText(one), int16_t(1)) << one;
    EXPECT_EQ(CribRowsFromText("2.9"), int16_t(2));
    EXPECT_EQ(CribRowsFromText("32767"), int16_t(32767));
    EXPECT_FALSE(CribRowsFromText("40000"));
}

TEST_F(Crib, SpacingBelowTheTimberLengthIsRaisedAndTheSmallestSpacingKeepsOneRow)
{
    G.DesignTpf = 8;
    G.DesignConv = 1;
    const CribOutcome o = RecomputeCrib(inputs(), layout(true, 20, 1));
    EXPECT_EQ(G.CurCase.UserSpacing, 36.0f);
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(o.search.design->rows, 1);
    EXPECT_EQ(o.search.design->spacing, 36.0f);
    EXPECT_EQ(G.CurCase.Spacing, 36.0f);
}

TEST_F(Crib, CalculateModeAddsRowsUntilTheTimberLength)
{
    G.DesignTpf = 60;  // 54.8 tons at 1 in: 0.91 ft a crib per row, so 4 rows
    G.DesignConv = 1;
    const CribOutcome o = RecomputeCrib(inputs(), layout(false, 36, 1));
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
    const CribOutcome o = RecomputeCrib(in, layout(true, 400, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_GT(o.search.design->conv, 0.48f);
    EXPECT_EQ(flags(o), (std::vector<int>{1, 2, 5, 6, 4, 3, 9}));
    EXPECT_EQ(o.warnings.front().text, "Support is in yield");
    EXPECT_EQ(o.warnings.back().text, "Timber length is too long");
    for (int f : {1, 2, 3, 4, 5, 6, 9})
        EXPECT_EQ(c.Warn[f], -1) << f;
    EXPECT_EQ(c.RoofArea[1], 1.0f);  // a positive area is the user's and stays
}

TEST_F(Crib, TimberLengthRatioBounds)
{
    // ratio = height / (length - width - 2 x overhang); a span of 10 in.
    LayoutInputs select;
    select.selectMode = true;
    const std::pair<float, int> cases[] = {{24.9f, 9}, {25, 0}, {43, 0}, {43.1f, 8}};
    for (auto [height, flag] : cases) {
        G.EntryHt = height;
        const CribOutcome o = RecomputeCrib({2, 8, 8, 26, 4, 1000, 1000}, select);
        ASSERT_FALSE(o.inputErrors) << height;
        EXPECT_EQ(flags(o), flag ? std::vector<int>{flag} : std::vector<int>{}) << height;
    }
}

TEST_F(Crib, GuardsEndWithoutADesignAndInputErrorsChangeNothing)
{
    const CaseRec before = G.CurCase;
    G.DesignTpf = 0;
    CribOutcome o = RecomputeCrib(inputs(), layout(false, 36, 1));
    EXPECT_FALSE(o.designed());
    EXPECT_FALSE(o.search.noDesignReason.empty());
    EXPECT_EQ(G.CurCase.Rows, before.Rows);
    EXPECT_EQ(G.CurCase.Spacing, before.Spacing);

    G.DesignTpf = 16;
    CribInputs weak = inputs();
    weak.strength = 0.01f;  // with a hardness just above where the stiffness vanishes:
    weak.hardness = 228.81f;  // about 1.4 lb at 2 in
    o = RecomputeCrib(weak, layout(false, 36, 1));
    EXPECT_FALSE(o.designed());
    EXPECT_NE(o.search.noDesignReason.find("32,767"), std::string::npos) << o.search.noDesignReason;

    CribInputs bad = inputs();
    bad.perLayer = 0;
    G.CurCase = before;
    o = RecomputeCrib(bad, layout(true, 20, 1));
    EXPECT_TRUE(o.inputErrors);
    EXPECT_EQ(G.CurCase.UserSpacing, 36.0f);  // the spacing box is taken even so
    G.CurCase.UserSpacing = before.UserSpacing;
    EXPECT_EQ(G.CurCase, before);
}

TEST(CribOptimisation, TimberLengthsAndTheSmallestMaximumSpacing)
{
    EXPECT_EQ(OptimumTimberLength(6, 2, 96), 34.5f);
    EXPECT_EQ(OptimumTimberLength(8, 2, 96), 38.5f);
    EXPECT_EQ(OptimumTimberLength(10, 3, 96), 55.0f);
    EXPECT_EQ(OptimumTimberLength(12, 4, 96), 87.5f);
    EXPECT_NEAR(SmallestMaxSpacing(12, 96), 48.33f, 0.005f);
}

class Optimisation : public Crib {
protected:
    OptimizeInputs opt(float maxSpacing, float wmin, float wmax, int16_t rows = 1) const
    {
        OptimizeInputs in;
        in.tpf = 16;
        in.conv = 2;
        in.maxSpacing = maxSpacing;
        in.minWidth = wmin;
        in.maxWidth = wmax;
        in.rows = rows;
        return in;
    }
};

TEST_F(Optimisation, RaisedSpacingIsHandedBackAsRaised)
{
    CaseRec work = G.CurCase;
    const OptimizeOutcome o = OptimizeCrib(work, opt(40, 6, 12), 0);
    ASSERT_TRUE(o.error.empty()) << o.error;
    EXPECT_TRUE(o.spacingRaised);
    EXPECT_EQ(o.maxSpacing, SmallestMaxSpacing(12, 96));
    EXPECT_EQ(work.UserSpacing, o.maxSpacing);
    // Rule 0: the last crib that fell short, at its own required spacing with
    // the rows of its own pass, which lies below the maximum.
    EXPECT_LE(o.spacing, o.maxSpacing * 1.001f);
    EXPECT_EQ(work.Rows, o.rows);
    EXPECT_EQ(work.Par[1], work.Par[0]);
    EXPECT_EQ(work.Par[3], work.Par[0] / 2);
    EXPECT_EQ(work.Par[2], OptimumTimberLength(work.Par[0], work.NumPerLayer(), 96));

    // Any other rule: the crib found, at the maximum spacing.
    const OptimizeOutcome found = OptimizeCrib(work, opt(60, 6, 12), 1);
    ASSERT_TRUE(found.error.empty());
    EXPECT_NEAR(found.spacing, 60, 0.5);
    EXPECT_GE(found.tpf, 16 * 0.999f);
}

TEST_F(Optimisation, SearchesThatCannotSucceedSayWhyAndChangeNothing)
{
    CaseRec work = G.CurCase;
    const CaseRec before = work;
    OptimizeOutcome o = OptimizeCrib(work, opt(64.33f, 20, 20), 0);  // the shortest crib is 73 in
    EXPECT_FALSE(o.error.empty());
    EXPECT_EQ(work, before);
    o = OptimizeCrib(work, opt(-1, 6, 12), 0);
    EXPECT_EQ(o.error, "Invalid maximum spacing");
    o = OptimizeCrib(work, opt(60, 12, 6), 0);
    EXPECT_EQ(o.error, "Invalid maximum timber width");
    o = OptimizeCrib(work, opt(60, 6, 12, 0), 0);
    EXPECT_EQ(o.error, "Invalid number of rows");
    EXPECT_EQ(work, before);
}

}  // namespace
