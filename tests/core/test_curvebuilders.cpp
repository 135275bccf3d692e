// The curves built for timber posts and concrete cribs as model 1 of the shared curve tables.
#include "core_helpers.h"
#include "model/concretecurve.h"
#include "model/postcurve.h"

#include <array>

using namespace vesk;

namespace {

class CurveBuilders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        // Curves of some earlier type in models 1..4, to be discarded.
        G.PerfConv.redim(4, 12);
        G.PerfLoad.redim(4, 12);
        for (int m = 1; m <= 4; ++m) {
            G.PerfConv(m, 0) = 12;
            G.PerfLoad(m, 5) = 99;
        }
    }

    // Model 1 holds these points (hand values to 7 digits), and the tables nothing but model 1.
    static void expectModel1(const Points& pts)
    {
        const int n = static_cast<int>(pts.size());
        ASSERT_EQ(std::make_tuple(G.PerfConv.maxRow(), G.PerfConv.maxCol(), G.PerfLoad.maxRow()),
                  std::make_tuple(1, n, 1));
        EXPECT_EQ(G.PerfConv(1, 0), static_cast<float>(n));
        for (int p = 1; p <= n; ++p) {
            const auto [conv, load] = pts[static_cast<std::size_t>(p - 1)];
            EXPECT_NEAR(G.PerfConv(1, p), conv, 2e-6f * conv) << p;
            EXPECT_NEAR(G.PerfLoad(1, p), load, 2e-6f * load) << p;
        }
        for (int p = 0; p <= n; ++p)
            EXPECT_EQ(G.PerfConv(0, p) + G.PerfLoad(0, p) + G.PerfLoad(1, 0), 0.0f);
    }

    static void expectNoCurve()
    {
        ASSERT_EQ(G.PerfConv.maxRow(), 1);
        EXPECT_EQ(G.PerfConv(1, 0), 0.0f);
        for (int p = 1; p <= G.PerfConv.maxCol(); ++p)
            EXPECT_EQ(G.PerfLoad(1, p), 0.0f);
    }
};

// A 6-in post of 1500 psi and 1400 ksi in an 84-in entry crushes: Pc = 42411.504 lb below Pb = 45440.9 lb, so
// Pf = 21.2057514 tons; the shortening is 1500 / 1.4e6 x 84 = 0.09 in.
class PostCurve : public CurveBuilders {
protected:
    void SetUp() override
    {
        CurveBuilders::SetUp();
        G.EntryHt = 84;
        G.CurCase.NumPts = 5;
        G.CurCase.Par = {6, 1500, 1400, 0, 0, 0, 0, 0};
    }
};

TEST_F(PostCurve, CrushingBucklingAndACap)
{
    EXPECT_EQ(CalcPostCurve(), 0);
    expectModel1({{0, 0}, {0.09f, 21.20575f}, {0.135f, 0}});
    EXPECT_EQ(G.CurCase.NumPts, 3);
    // 4 in thick and 120 in long it buckles: Fcr = 0.225 E D² / L² = 350 psi, Pb = 4398.23 lb below Pc.
    G.CurCase.Par[0] = 4;
    G.EntryHt = 120;
    EXPECT_EQ(CalcPostCurve(), 1);
    expectModel1({{0, 0}, {0.03f, 2.199115f}, {0.045f, 0}});
    // At 60 in and 1500 ksi, Fcr = the strength: equal loads (18849.5586 lb) count as buckling.
    G.CurCase.Par[2] = 1500;
    G.EntryHt = 60;
    EXPECT_EQ(CalcPostCurve(), 1);
    expectModel1({{0, 0}, {0.06f, 9.424779f}, {0.09f, 0}});

    // With a 4-in cap of 1200 psi, 900 lb wood as a crib layer (A = 33.929203, K = 21.981176, B = 15.6) in an 84-in
    // entry: the cap model passes Pf = 21.20575 tons before 0.56 in (23.1166 there), and the post carries no more;
    // Pf at 1.1 x 0.0857143 + 2 in; the secant 10.125529 beats the flat slope and is halved.
    G.EntryHt = 84;
    G.CurCase.Par = {6, 1500, 1400, 4, 1200, 900, 0, 0};
    EXPECT_EQ(CalcPostCurve(), 0);
    expectModel1({{0, 0}, {0.07f, 12.04156f}, {0.14f, 16.59323f}, {0.28f, 19.82691f}, {0.56f, 21.20575f},
                  {0.84f, 21.20575f}, {1.12f, 21.20575f}, {1.4f, 21.20575f}, {2.094286f, 21.20575f}, {6.282857f, 0}});
    EXPECT_EQ(G.CurCase.NumPts, 10);
    EXPECT_EQ(G.PerfB, 15.6f);
    // A soft cap (500 psi, 400 lb): the rise to Pf, 14.709227 tons/in, is steeper than the secant; halved.
    G.CurCase.Par[4] = 500;
    G.CurCase.Par[5] = 400;
    EXPECT_EQ(CalcPostCurve(), 0);
    EXPECT_NEAR(G.PerfLoad(1, 8), 10.99334f, 2e-5f);
    EXPECT_NEAR(G.PerfConv(1, 10), 4.977612f, 1e-5f);  // 2.0942857 + 21.205751 / 7.3546144
}

TEST_F(PostCurve, FailuresLeaveNoCurve)
{
    // An entry height equal to the cap or below it leaves no free length; cap wood without strength; a diameter
    // or modulus of 0; an overflowing strength.
    const std::pair<float, std::array<float, 8>> cases[] = {
        {4, {6, 1500, 1400, 4, 1200, 900, 0, 0}}, {3, {6, 1500, 1400, 4, 1200, 900, 0, 0}},
        {84, {6, 1500, 1400, 4, 0, 900, 0, 0}},   {84, {0, 1500, 1400, 0, 0, 0, 0, 0}},
        {84, {6, 1500, 0, 0, 0, 0, 0, 0}},        {84, {6, 3e38f, 1400, 0, 0, 0, 0, 0}}};
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(k);
        SetUp();
        std::tie(G.EntryHt, G.CurCase.Par) = cases[k];
        EXPECT_EQ(CalcPostCurve(), -1);
        expectNoCurve();
        EXPECT_EQ(G.CurCase.NumPts, 5);
    }
}

class ConcreteCurve : public CurveBuilders {
protected:
    void SetUp() override
    {
        CurveBuilders::SetUp();
        G.CurCaseNo = 2;
        G.CaseType[2] = 5;  // solid crib
        G.CurCase.Par = {24, 24, 0, 0, 0, 4000, 8, 0};
        G.CurCase.Interlayer = 0;  // wood on every layer
    }
};

TEST_F(ConcreteCurve, SolidCribAndTheStressOfEachPlacement)
{
    // 24 x 24 in, 4000 psi, 8 in of wood on every layer: 3876.96 psi, peak 1116.5645 tons at c_p = 5.0677 in.
    EXPECT_EQ(CalcConcreteCurve(), 0);
    expectModel1({{0, 0}, {0.202708f, 223.3129f}, {0.810832f, 446.6258f}, {2.53385f, 789.5303f},
                  {3.800775f, 966.9732f}, {5.0677f, 1116.564f}, {5.57447f, 0}});
    EXPECT_EQ(G.CurCase.NumPts, 7);
    // 24 in wide and 36 long, solid or stopping block: 864 in², peak 0.432 s tons, s by placement at 4000 psi.
    G.CurCase.Par[1] = 36;
    const double stress[] = {3876.96, 3195.07, 3027.92, 2559.98, 1544.88};
    for (int16_t type : {5, 6})
        for (int16_t k = 0; k <= 4; ++k) {
            G.CaseType[2] = type;
            G.CurCase.Interlayer = k;
            EXPECT_EQ(CalcConcreteCurve(), 0);
            EXPECT_NEAR(G.PerfLoad(1, 6), 0.432 * stress[k], 1e-3) << "type " << type << ", placement " << k;
        }
}

TEST_F(ConcreteCurve, AreaAndPeakConvergenceRules)
{
    // No interlayer wood: c_p = -0.0571 is replaced by 1 in.
    G.CurCase.Par[6] = 0;
    EXPECT_EQ(CalcConcreteCurve(), 0);
    EXPECT_EQ(std::make_pair(G.PerfConv(1, 6), G.PerfConv(1, 7)), std::make_pair(1.0f, 1.1f));
    // A donut crib's area, 0.7854 (30² - 10²), whichever diameter comes first; a four-point crib of zeros: 500 in².
    G.CaseType[2] = 3;
    for (auto [d0, d1] : {std::pair<float, float>{10, 30}, {30, 10}}) {
        G.CurCase.Par[0] = d0;
        G.CurCase.Par[1] = d1;
        EXPECT_EQ(CalcConcreteCurve(), 0);
        EXPECT_FLOAT_EQ(G.PerfLoad(1, 6), 3876.96f / 2000 * 0.7854f * 800);
    }
    G.CaseType[2] = 4;
    G.CurCase.Par[0] = 0;
    EXPECT_EQ(CalcConcreteCurve(), 0);
    EXPECT_FLOAT_EQ(G.PerfLoad(1, 6), 3876.96f / 2000 * 500);
}

TEST_F(ConcreteCurve, Failures)
{
    // Mended: 100 psi with wood on every layer gives a negative stress; no curve of negative loads. The same for a
    // placement outside 0..4.
    for (auto [strength, interlayer] : {std::pair<float, int16_t>{100, 0}, {4000, 5}, {4000, -1}}) {
        SetUp();
        G.CurCase.Par[5] = strength;
        G.CurCase.Interlayer = interlayer;
        EXPECT_EQ(CalcConcreteCurve(), -1) << strength << " psi, placement " << interlayer;
        expectNoCurve();
        EXPECT_EQ(G.CurCase.NumPts, 7);
    }
    // Not a concrete crib, or no such support: the tables untouched.
    for (auto [caseNo, type] : {std::pair<int16_t, int16_t>{2, 2}, {2, 7}, {11, 5}, {-1, 5}}) {
        SetUp();
        G.CurCaseNo = caseNo;
        if (caseNo >= 0 && caseNo <= kMaxCases)
            G.CaseType[static_cast<std::size_t>(caseNo)] = type;
        const Table2D<float> before = G.PerfConv;
        EXPECT_EQ(CalcConcreteCurve(), -1) << caseNo << " " << type;
        EXPECT_EQ(G.CurCase.NumPts, 7);
        EXPECT_EQ(G.PerfConv, before);
    }
}

}  // namespace
