// The concrete cribs' performance: dimensions by type, the safety factor of
// the worked solid crib, the minimum base width, the warnings in order.
#include "core_helpers.h"
#include "model/curves.h"
#include "model/supports/concrete.h"

using namespace vesk;

namespace {

class Concrete : public TemplateSupport<5> {
protected:
    void SetUp() override
    {
        TemplateSupport<5>::SetUp();
        G.EntryHt = 84;
    }

    // Support 1 of the type with these dimensions, 4000 psi and 8 in of wood on every layer.
    void make(int16_t type, std::array<float, 5> dims)
    {
        TemplateSupport<5>::make(type);
        std::copy(dims.begin(), dims.end(), G.CurCase.Par.begin());
        G.CurCase.Par[5] = 4000, G.CurCase.Par[6] = 8, G.CurCase.Interlayer = 0;
    }
    ConcreteInputs inputs() const
    {
        const CaseRec& c = G.CurCase;
        ConcreteInputs in;
        std::copy_n(c.Par.begin(), 5, in.dims.begin());
        in.strength = c.Par[5], in.woodThickness = c.Par[6], in.interlayer = c.Interlayer;
        return in;
    }
};

TEST_F(Concrete, SolidCribSafetyFactorAtTwoInches)
{
    make(5, {24, 24, 24, 6, 24});
    ASSERT_EQ(RecomputeConcrete(inputs(), Selection()).errors, 0);
    EXPECT_NEAR(LoadAtConv(2, 1), 683.3, 0.5);
    Design d;
    d.conv = 2;
    EXPECT_NEAR(PeakSafetyFactor(d, 1), 1.634, 0.001);  // the peak 1116.56 tons at 5.07 in, over 683.3
    d.conv = 7;  // beyond the peak: the load there over the peak, not above 1
    EXPECT_LT(PeakSafetyFactor(d, 1), 1.0f);
    EXPECT_EQ(G.CurCase.Yield[1], G.PerfConv(1, 6));
    EXPECT_NEAR(G.CurCase.Yield[1], 5.0677, 1e-3);
}

TEST_F(Concrete, FourPointBaseWidthAgainstTheEntryHeight)
{
    G.EntryHt = 72;  // just enough for a base of 12 in; the warnings' test has it too small
    make(4, {6, 6, 12, 0, 0});
    ASSERT_TRUE(RecomputeConcrete(inputs(), Layout(false, 12, 1)).designed());
    EXPECT_EQ(G.CurCase.Warn[8], 0);
    EXPECT_EQ(G.DefCases[1].RoofArea[1], 2.0f * 6 * 12);
}

TEST_F(Concrete, SolidAndStoppingBlockBaseWidthIsTheSmallerSide)
{
    // 84 in high: a base of 12 in (72 in six times over) is too small, one of 14 in (84) is not.
    for (int16_t type : {5, 6})
        for (auto [dims, warned] : {std::pair{std::array<float, 5>{12, 24, 24, 6, 24}, int16_t(-1)},
                                    {{24, 12, 24, 6, 24}, int16_t(-1)},
                                    {{24, 14, 24, 6, 24}, int16_t(0)}}) {
            make(type, dims);
            ASSERT_TRUE(RecomputeConcrete(inputs(), Layout(false, 30, 1)).designed()) << type;
            EXPECT_EQ(G.CurCase.Warn[8], warned) << type << " " << dims[0] << " x " << dims[1];
        }
}

TEST_F(Concrete, MoreThanFourRowsOnlyWhenTheDesignChosenNeedsThem)
{
    // Past the template solid crib's peak (1.42 in) its load falls fast: at 1.55 in more than four rows would be
    // needed, at the peak one row carries 500 tons/ft.
    G.EntryHt = 96, G.DesignConv = 1.55f;
    for (auto [tpf, rows] : {std::pair{500.f, 1}, {4000.f, 5}}) {
        G.DesignTpf = tpf;
        const ConcreteOutcome o = RecomputeConcrete(inputs(), Layout(false, G.CurCase.UserSpacing, 1));
        ASSERT_TRUE(o.designed()) << o.search.noDesignReason;
        EXPECT_EQ(o.search.design->rows, rows);
        EXPECT_EQ(o.search.moreThanRowLimit, rows == 5);
    }
}

TEST_F(Concrete, DimensionsByTypeAndTheirErrors)
{
    make(3, {30, 20, 6, 0, 0});  // donut: inner and outer given the wrong way round
    ConcreteOutcome o = RecomputeConcrete(inputs(), Selection());
    EXPECT_EQ(o.errors, 0);
    EXPECT_EQ(std::make_pair(G.CurCase.Par[0], G.CurCase.Par[1]), std::make_pair(20.0f, 30.0f));
    EXPECT_NEAR(G.DefCases[1].RoofArea[1], 0.7854 * (900 - 400), 0.01);

    make(5, {24, 36, 24, 6, 24});
    const CaseRec before = G.CurCase;
    ConcreteInputs in = inputs();
    in.dims[1] = -3;
    in.dims[2].reset();  // not a number: an error, not a dimension of 0
    in.strength.reset();
    o = RecomputeConcrete(in, Layout(false, 30, 1));  // below the 36-in support width
    EXPECT_EQ(o.errors, 4);
    EXPECT_TRUE(o.dimRejected[1] && o.dimRejected[2]);
    EXPECT_EQ(G.CurCase, before);
}

TEST_F(Concrete, WarningsInTheirOrderWithTheirFlags)
{
    G.EntryHt = 96;
    make(4, {6, 6, 12, 0, 0});  // base 12 in: too small at 96 in
    G.CurCase.RoofArea[1] = G.CurCase.FloorArea[1] = 1;
    G.DesignCrit.UncontrolledConv = 1;
    G.DesignCrit.Timing = 1;  // checked at 1 in below the design convergence
    G.DesignConv = 0.02f, G.DesignTpf = 1;
    ConcreteOutcome o = RecomputeConcrete(inputs(), Layout(true, 400, 1));
    ASSERT_TRUE(o.designed());
    EXPECT_EQ(Flags(o.warnings), (std::vector<int>{4, 3, 8, 2, 5, 6}));
    EXPECT_EQ(G.CurCase.Warn[7] + G.CurCase.Warn[9], 0);

    G.EntryWid = 0;  // from a file: no design rather than a division by 0
    o = RecomputeConcrete(inputs(), Layout(true, 400, 1));
    EXPECT_FALSE(o.designed());
    EXPECT_FALSE(o.search.noDesignReason.empty());
}

}  // namespace
