// The timber post's performance: the MSHA diameter, the rows and spacing
// search with its peak refinement, the warnings in their order, and the
// header and footer values that follow the diameter.
#include "core_helpers.h"
#include "model/curves.h"
#include "model/supports/post.h"

using namespace vesk;

namespace {

class Post : public TemplateSupport<2> {
protected:
    PostInputs inputs() const
    {
        const CaseRec& c = G.CurCase;
        return {c.Par[0], c.Par[1], c.Par[2], c.Par[3], c.Par[4], c.Par[5]};
    }
    // The warnings, each as "text #flag".
    static std::vector<std::string> texts(const PostOutcome& o)
    {
        std::vector<std::string> t;
        for (const Warning& w : o.warnings)
            t.push_back(w.text + " #" + std::to_string(w.flag));
        return t;
    }
    // Load density of the post's curve at a design's operating point.
    static double density(const Design& d) { return LoadAtConv(d.conv, 1) * 12.0 * d.rows / d.spacing; }
};

TEST(PostRules, MshaMinimumDiameterAndRowsReadByTheirNumberPart)
{
    const std::pair<float, float> table[] = {{60, 4}, {61, 5}, {84, 6}, {108, 7}, {227, 11}, {228, 12}, {300, 12}};
    for (auto [height, diameter] : table)
        EXPECT_EQ(MshaMinDiameter(height), diameter) << height;
    EXPECT_EQ(RowsFromText(" 2.5 rows"), 2);  // half to even
    EXPECT_EQ(RowsFromText("3.5"), 4);
    EXPECT_EQ(RowsFromText("-2"), -2);
    EXPECT_EQ(RowsFromText("x"), 0);
    EXPECT_EQ(RowsFromText("99999"), 0);
}

TEST_F(Post, TemplateDesignInBothSpacingModes)
{
    // Calculate mode: the fewest rows whose spacing is not below the diameter.
    // The 8-in post crushes at pi x 4² x 1000 / 2000 = 25.13 tons, which its
    // 2-in cap reaches at 0.07 in, before the 2-in design convergence: the
    // design holds the requirement at that peak, 1 row at 25.13 x 12 / 16 in.
    PostOutcome o = RecomputePost(inputs(), Layout(false, 0, 1));
    ASSERT_TRUE(o.designed()) << o.search.noDesignReason;
    Design d = *o.search.design;
    EXPECT_FLOAT_EQ(d.conv, 0.07f);
    EXPECT_NEAR(d.load, 25.1327, 1e-3);
    EXPECT_EQ(d.rows, 1);
    EXPECT_NEAR(d.spacing, 18.85, 0.005);
    EXPECT_NEAR(density(d), G.DesignTpf, 1e-3 * G.DesignTpf);
    EXPECT_GE(d.spacing, G.CurCase.Par[0]);
    EXPECT_LT(d.spacing * (d.rows - 1) / d.rows, G.CurCase.Par[0]);
    EXPECT_EQ(std::tie(G.CurCase.Rows, G.CurCase.Spacing, G.CurCase.SpacMode),
              std::make_tuple(d.rows, d.spacing, int16_t(0)));

    // User-defined: the typed spacing and rows stand, the operating point is
    // where their load density meets the requirement (24 tons a post, on the
    // cap's rise below the post's 25.13).
    o = RecomputePost(inputs(), Layout(true, 36, 2));
    ASSERT_TRUE(o.designed());
    d = *o.search.design;
    EXPECT_EQ(std::make_pair(d.spacing, d.rows), std::make_pair(36.0f, int16_t(2)));
    EXPECT_NEAR(density(d), G.DesignTpf, 1e-3 * G.DesignTpf);
    EXPECT_EQ(std::make_pair(G.CurCase.UserSpacing, G.CurCase.SpacMode), std::make_pair(36.0f, int16_t(1)));
}

TEST_F(Post, RowLimitCountsOnlyForTheFinalDesign)
{
    // A post crushes before the design convergence: the frame's search needs
    // 5 rows at the design point, the peak before it needs fewer.
    G.DesignTpf = 100;
    PostOutcome o = RecomputePost(inputs(), Layout(false, 0, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_LT(o.search.design->conv, G.DesignConv);
    EXPECT_LE(o.search.design->rows, 4);
    EXPECT_FALSE(o.search.moreThanRowLimit);

    // Too much to carry even at the peak; a user-defined spacing far too wide
    // adds rows up to 5 all the same.
    G.DesignTpf = 2000;
    // Five rows typed stay five rows.
    for (const LayoutInputs& l : {Layout(false, 0, 1), Layout(true, 400, 1), Layout(true, 400, 5)}) {
        o = RecomputePost(inputs(), l);
        ASSERT_TRUE(o.designed());
        EXPECT_EQ(o.search.design->rows, 5);
        EXPECT_TRUE(o.search.moreThanRowLimit);
    }
}

TEST_F(Post, WarningsInTheirOrderWithTheirFlags)
{
    CaseRec& c = G.CurCase;
    PostInputs in = inputs();
    in.diameter = 5;  // below the 6 in that a 96-in entry asks for
    G.DesignCrit.UncontrolledConv = 3;  // Independent: checked 3 in past the design convergence
    c.RoofArea[1] = 1;
    RecomputePost(in, Layout(true, 200, 1));
    EXPECT_EQ(c.RoofArea[1], G.DefCases[1].RoofArea[1]) << "a new diameter takes the default areas";
    c.RoofArea[1] = 1, c.FloorArea[1] = 1;

    // Wide user spacing, a small requirement met just past a tiny design
    // convergence: 6 tons at 200 in, on the rise to the 5-in post's buckling
    // load of 6.25 tons at 0.035 in, so at 0.0336 in.
    G.DesignConv = 0.02f, G.DesignTpf = 0.36f;
    PostOutcome o = RecomputePost(in, Layout(true, 200, 1));
    EXPECT_EQ(c.RoofArea[1], 1.0f) << "the same diameter keeps the areas";
    EXPECT_EQ(texts(o), (std::vector<std::string>{
                            "Diameter < MSHA requirement: 6.00 in #8", "Exceeds design convergence #4",
                            "Skin-to-skin spacing > W/2 #3", "Fails security-check requirement #2",
                            "Exceeds roof bearing strength #5", "Exceeds floor bearing strength #6"}));
    for (int flag : {2, 3, 4, 5, 6, 8})
        EXPECT_EQ(c.Warn[flag], -1) << flag;
    EXPECT_EQ(c.Warn[1], 0);

    // No crossing at 400 in: the design point at 2 in, past the 5-in post's
    // failure at 1.07 in, holds with one row.
    G.DesignConv = 2, G.DesignTpf = 4;
    o = RecomputePost(in, Layout(true, 400, 1, true));
    EXPECT_EQ(texts(o), (std::vector<std::string>{
                            "Diameter < MSHA requirement: 6.00 in #8", "Support is in yield #1",
                            "Fails security-check requirement #2", "Exceeds roof bearing strength #5",
                            "Exceeds floor bearing strength #6"}));
    EXPECT_EQ(std::make_tuple(c.Warn[1], c.Warn[3], c.Warn[4]), std::make_tuple(-1, 0, 0));

    G.DesignConv = 0.02f, G.DesignTpf = 0.48f;  // 6 tons a post again
    o = RecomputePost(in, Layout(true, 300, 2, true));
    EXPECT_EQ(texts(o)[2], "Staggered skin-to-skin spacing > W/2 #3");

    // The security check asks for 95 % of the requirement: 1 row of 9.6 tons at 12 in gives 9.6 tons/ft,
    // enough against 10 tons/ft; 9.4 tons is not.
    G.DesignTpf = 10, G.SecFactor = 0.95f;
    for (auto [load, fails] : {std::pair{9.6, false}, std::pair{9.4, true}}) {
        std::vector<Warning> list;
        CheckSecurity(c, list, Design{.rows = 1, .spacing = 12, .conv = 1}, [load](float) { return load; });
        EXPECT_EQ(list.size(), fails ? 1u : 0u) << load;
    }
}

TEST_F(Post, CapCurveEndsAtThePostsFailureLoad)
{
    // A 5-in post 94 in long buckles at 0.3 x 1e6 x 1.25² x 12 / 94² x pi x 2.5² / 2000 = 6.25 tons; its cap
    // alone would carry 22 tons at 0.7 in. The design never rests on more than the post holds.
    PostInputs in = inputs();
    in.diameter = 5;
    const PostOutcome o = RecomputePost(in, Layout(false, 0, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_NEAR(o.search.design->load, 6.25, 1e-3);
    for (int p = 2; p <= 9; ++p)
        EXPECT_NEAR(G.PerfLoad(1, p), 6.25, 1e-3) << p;
}

TEST_F(Post, PeakLoadForBearingFollowsTheTiming)
{
    // No cap: the 8-in post crushes at 25.13 tons at 0.096 in. 2.4 tons/ft at 60 in: 12 tons at 0.046 in. With
    // 3 in of uncontrolled convergence, Independent reaches past the failure point (251 psi on 200 in²),
    // Concurrent stays at the operating point (120 psi).
    G.CurCase.Par[3] = 0;
    G.DesignTpf = 2.4f;
    G.DesignCrit.UncontrolledConv = 3;
    G.DesignCrit.RoofBearing = G.DesignCrit.FloorBearing = 200;
    for (int16_t timing : {0, 1}) {
        G.DesignCrit.Timing = timing;
        PostInputs in = inputs();
        const PostOutcome o = RecomputePost(in, Layout(true, 60, 1));
        ASSERT_TRUE(o.designed());
        EXPECT_NEAR(G.PeakLoad, timing == 0 ? 25.1327 : 12.0, 1e-3) << timing;
        EXPECT_EQ(std::make_pair(G.CurCase.Warn[5], G.CurCase.Warn[6]),
                  timing == 0 ? std::make_pair(int16_t(-1), int16_t(-1)) : std::make_pair(int16_t(0), int16_t(0)));
    }
}

TEST_F(Post, PostWithoutACapYieldsAtItsFailurePoint)
{
    G.CurCase.Par[3] = 0;
    EXPECT_TRUE(RecomputePost(inputs(), Layout(false, 0, 1)).designed());
    ASSERT_EQ(G.PerfConv(1, 0), 3);
    EXPECT_EQ(G.CurCase.Yield[1], G.PerfConv(1, 2));
}

TEST_F(Post, InvalidInputsAreCountedAndChangeNothing)
{
    const CaseRec before = G.CurCase;
    PostInputs in = inputs();
    in.diameter.reset();     // not a number
    in.capThickness = 1;
    in.capHardness = 0;      // checked only with a cap
    EXPECT_EQ(RecomputePost(in, Layout(true, 0, 0)).errors, 3);  // rows 0 is one more
    EXPECT_EQ(G.CurCase, before);

    in = inputs();
    in.capThickness = 0;
    in.capStrength.reset();  // no cap: any cap value goes
    EXPECT_EQ(RecomputePost(in, Layout(true, 5, 1)).errors, 1);  // 5 in is below the diameter
    const PostOutcome o = RecomputePost(in, Layout(true, 0, 1));  // 0 is the diameter itself, where one row stands
    EXPECT_EQ(o.errors, 0);
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(std::make_tuple(G.CurCase.UserSpacing, o.search.design->spacing, o.search.design->rows),
              std::make_tuple(G.CurCase.Par[0], G.CurCase.Par[0], int16_t(1)));
}

TEST_F(Post, SelectionModeChecksOnlyTheSupport)
{
    G.CurCase.Par[0] = 5;
    const CaseRec before = G.CurCase;
    const PostOutcome o = RecomputePost(inputs(), Selection());
    EXPECT_EQ(o.errors, 0);
    EXPECT_FALSE(o.designed());
    EXPECT_EQ(texts(o), std::vector<std::string>{"Diameter < MSHA requirement: 6.00 in #8"});
    EXPECT_EQ(std::make_pair(G.CurCase.Rows, G.CurCase.UserSpacing), std::make_pair(before.Rows, before.UserSpacing));
}

}  // namespace
