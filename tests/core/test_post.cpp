// The timber post's performance: the MSHA diameter, the rows and spacing
// search with its peak refinement, the warnings in their order, and the
// header and footer values that follow the diameter.
#include "core_helpers.h"
#include "files/defaults.h"
#include "model/curves.h"
#include "model/supportlist.h"
#include "model/supports/post.h"
#include "model/units.h"

using namespace vesk;

namespace {

class Post : public TemplateSupport<2> {
protected:

    PostInputs inputs() const
    {
        const CaseRec& c = G.CurCase;
        return {c.Par[0], c.Par[1], c.Par[2], c.Par[3], c.Par[4], c.Par[5]};
    }
    static LayoutInputs layout(bool user, float spacing, int16_t rows)
    {
        LayoutInputs l;
        l.userSpacing = user;
        l.spacing = spacing;
        l.rows = rows;
        return l;
    }
    static std::vector<std::string> texts(const PostOutcome& o)
    {
        std::vector<std::string> t;
        for (const Warning& w : o.warnings)
            t.push_back(w.text + " #" + std::to_string(w.flag));
        return t;
    }
    // Load density of the post's curve at a convergence for a design.
    static double density(float conv, const Design& d) { return LoadAtConv(conv, 1) * 12.0 * d.rows / d.spacing; }
};

TEST(PostRules, MshaMinimumDiameterByEntryHeight)
{
    const std::pair<float, float> table[] = {{48, 4},  {60, 4},  {61, 5},   {84, 6},   {96, 6},
                                             {108, 7}, {227, 11}, {228, 12}, {300, 12}};
    for (auto [height, diameter] : table)
        EXPECT_EQ(MshaMinDiameter(height), diameter) << height;
}

TEST_F(Post, TemplateDesignInBothSpacingModes)
{
    // Calculate mode: the fewest rows whose spacing is not below the diameter,
    // holding the requirement at the design convergence.
    PostOutcome o = RecomputePost(inputs(), layout(false, 0, 1));
    ASSERT_TRUE(o.designed()) << o.search.noDesignReason;
    // The post peaks at 0.7 in, before the 2-in design convergence: the
    // design holds the requirement at that peak.
    const Design d = *o.search.design;
    EXPECT_FLOAT_EQ(d.conv, 0.7f);
    EXPECT_NEAR(d.load, 56.5625, 1e-3);
    EXPECT_NEAR(density(d.conv, d), G.DesignTpf, 1e-3 * G.DesignTpf);
    EXPECT_GE(d.spacing, G.CurCase.Par[0]);
    if (d.rows > 1) {
        EXPECT_LT(d.spacing * (d.rows - 1) / d.rows, G.CurCase.Par[0]);
    }
    EXPECT_EQ(G.CurCase.Rows, d.rows);
    EXPECT_EQ(G.CurCase.Spacing, d.spacing);
    EXPECT_EQ(G.CurCase.SpacMode, 0);

    // User-defined: the typed spacing and rows stand, the operating point is
    // where their load density meets the requirement.
    o = RecomputePost(inputs(), layout(true, 60, 2));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(o.search.design->spacing, 60.0f);
    EXPECT_EQ(o.search.design->rows, 2);
    EXPECT_NEAR(density(o.search.design->conv, *o.search.design), G.DesignTpf, 1e-3 * G.DesignTpf);
    EXPECT_EQ(G.CurCase.UserSpacing, 60.0f);
    EXPECT_EQ(G.CurCase.SpacMode, 1);
}

TEST_F(Post, UserSpacingAtTheDiameterKeepsOneRow)
{
    G.DesignTpf = 10;
    G.CurCase.Par[0] = 8;
    const PostOutcome o = RecomputePost(inputs(), layout(true, 8, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(o.search.design->rows, 1);
    EXPECT_EQ(o.search.design->spacing, 8.0f);
}

TEST_F(Post, RowLimitCountsOnlyForTheFinalDesign)
{
    // A post crushes before the design convergence: the frame's search needs
    // 5 rows at the design point, the peak before it needs fewer.
    G.DesignTpf = 100;
    PostOutcome o = RecomputePost(inputs(), layout(false, 0, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_LT(o.search.design->conv, G.DesignConv);
    EXPECT_LE(o.search.design->rows, 4);
    EXPECT_FALSE(o.search.moreThanRowLimit);

    G.DesignTpf = 2000;
    o = RecomputePost(inputs(), layout(false, 0, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(o.search.design->rows, 5);
    EXPECT_TRUE(o.search.moreThanRowLimit);

    // User-defined spacing far too wide: the search adds rows up to 5.
    o = RecomputePost(inputs(), layout(true, 400, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(o.search.design->rows, 5);
    EXPECT_TRUE(o.search.moreThanRowLimit);
}

TEST_F(Post, WarningsInTheirOrderWithTheirFlags)
{
    CaseRec& c = G.CurCase;
    PostInputs in = inputs();
    in.diameter = 5;  // below the 6 in that a 96-in entry asks for
    G.DesignCrit.UncontrolledConv = 3;  // Independent: checked 3 in past the design convergence
    c.RoofArea[1] = 1;
    RecomputePost(in, layout(true, 200, 1));
    EXPECT_EQ(c.RoofArea[1], G.DefCases[1].RoofArea[1]) << "a new diameter takes the default areas";
    c.RoofArea[1] = 1, c.FloorArea[1] = 1;

    // Wide user spacing, a small requirement met just past a tiny design convergence.
    G.DesignConv = 0.02f, G.DesignTpf = 1;
    PostOutcome o = RecomputePost(in, layout(true, 200, 1));
    EXPECT_EQ(c.RoofArea[1], 1.0f) << "the same diameter keeps the areas";
    EXPECT_EQ(texts(o), (std::vector<std::string>{"Diameter < MSHA requirement: 6.00 in #8",
                                                  "Exceeds design convergence #4", "Skin-to-skin spacing > W/2 #3",
                                                  "Fails security-check requirement #2",
                                                  "Exceeds roof bearing strength #5",
                                                  "Exceeds floor bearing strength #6"}));
    for (int flag : {2, 3, 4, 5, 6, 8})
        EXPECT_EQ(c.Warn[flag], -1) << flag;
    EXPECT_EQ(c.Warn[1], 0);

    // No crossing at 400 in: the design point at 2 in, past the 5-in post's
    // failure at 1.07 in, holds with one row.
    G.DesignConv = 2, G.DesignTpf = 4;
    LayoutInputs wide = layout(true, 400, 1);
    wide.staggered = true;
    o = RecomputePost(in, wide);
    EXPECT_EQ(texts(o), (std::vector<std::string>{"Diameter < MSHA requirement: 6.00 in #8", "Support is in yield #1",
                                                  "Fails security-check requirement #2",
                                                  "Exceeds roof bearing strength #5",
                                                  "Exceeds floor bearing strength #6"}));
    EXPECT_EQ(c.Warn[1], -1);
    EXPECT_EQ(c.Warn[3], 0);
    EXPECT_EQ(c.Warn[4], 0);

    wide = layout(true, 300, 2);
    wide.staggered = true;
    G.DesignConv = 0.02f, G.DesignTpf = 1;
    o = RecomputePost(in, wide);
    EXPECT_EQ(texts(o)[2], "Staggered skin-to-skin spacing > W/2 #3");
}

TEST_F(Post, PostWithoutACapYieldsAtItsFailurePoint)
{
    G.CurCase.Par[3] = 0;
    const PostOutcome o = RecomputePost(inputs(), layout(false, 0, 1));
    ASSERT_EQ(G.PerfConv(1, 0), 3);
    EXPECT_EQ(G.CurCase.Yield[1], G.PerfConv(1, 2));
    EXPECT_GT(G.CurCase.Yield[1], 0);
    EXPECT_TRUE(o.designed());
}

TEST_F(Post, InvalidInputsAreCountedAndChangeNothing)
{
    const CaseRec before = G.CurCase;
    PostInputs in = inputs();
    in.diameter.reset();     // not a number
    in.capThickness = 1;
    in.capHardness = 0;      // checked only with a cap
    const PostOutcome o = RecomputePost(in, layout(true, 0, 0));  // rows 0 is one more
    EXPECT_EQ(o.errors, 3);
    EXPECT_EQ(G.CurCase, before);

    in = inputs();
    in.capThickness = 0;
    in.capStrength.reset();  // no cap: any cap value goes
    EXPECT_EQ(RecomputePost(in, layout(true, 5, 1)).errors, 1);  // 5 in is below the diameter
    EXPECT_EQ(RecomputePost(in, layout(true, 0, 1)).errors, 0);  // 0 is the diameter itself
    EXPECT_EQ(G.CurCase.UserSpacing, G.CurCase.Par[0]);
}

TEST_F(Post, SelectionModeChecksOnlyTheSupport)
{
    G.CurCase.Par[0] = 5;
    LayoutInputs l;
    l.selectMode = true;
    const CaseRec before = G.CurCase;
    const PostOutcome o = RecomputePost(inputs(), l);
    EXPECT_EQ(o.errors, 0);
    EXPECT_FALSE(o.designed());
    ASSERT_EQ(o.warnings.size(), 1u);
    EXPECT_EQ(o.warnings[0].flag, 8);
    EXPECT_EQ(G.CurCase.Rows, before.Rows);
    EXPECT_EQ(G.CurCase.UserSpacing, before.UserSpacing);
}

TEST(PostRules, RowsAreReadByTheirNumberPart)
{
    EXPECT_EQ(RowsFromText("2"), 2);
    EXPECT_EQ(RowsFromText(" 2.5 rows"), 2);  // half to even
    EXPECT_EQ(RowsFromText("3.5"), 4);
    EXPECT_EQ(RowsFromText("x"), 0);
    EXPECT_EQ(RowsFromText("-2"), -2);
    EXPECT_EQ(RowsFromText("99999"), 0);
}

}  // namespace
