// The comparison's rebuilt curves: every support's points against values
// worked by hand, the offsets from the rebuilt counts, and the supports that
// get no curve.
#include "compare_fixture.h"
#include "model/compare/curvedata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace vesk {
namespace {

constexpr int16_t kStdFileType = 7, kCableType = 8;

class CompareCurves : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        SetCompareCatalogue();
        G.EntryWid = 16, G.EntryHt = 96;
    }
    void TearDown() override { ResetGlobals(); }

    CaseRec& add(int16_t type, float spacing, int16_t rows)
    {
        G.CaseType[++G.NumCases] = type;
        CaseRec& r = G.Cases[G.NumCases];
        r.Spacing = spacing, r.Rows = rows;
        return r;
    }
    // The curves rebuilt with the models of `models` for their types' files.
    CurveTable rebuild()
    {
        return RebuildCurves(
            [this](int16_t type, int, ModelCurve& out, std::string* reason) {
                const auto it = models.find(type);
                if (it == models.end())
                    *reason = "The file is missing.";
                else
                    out = it->second;
                return it != models.end();
            },
            &failures);
    }

    std::map<int16_t, ModelCurve> models;
    std::vector<CurveReadFailure> failures;
};

TEST_F(CompareCurves, WoodCribHas24PointsOfItsModelWhateverItsRecordHolds)
{
    CaseRec& r = add(1, 48, 2);
    r.CribA = 40, r.CribK = 2, r.CribB = 1.5f;
    r.NumPts = 7;  // stale
    const CurveTable t = rebuild();
    ASSERT_EQ(G.Cases[1].NumPts, 24);
    for (int j = 1; j <= 24; ++j) {
        const double c = j / 2.0;
        const float load = static_cast<float>(((1 - std::exp(-1.5 * c)) * 40 + c * 2) / 2);
        const auto& p = t.rows[j - 1];
        EXPECT_FLOAT_EQ(p[0], static_cast<float>(c));
        EXPECT_FLOAT_EQ(p[1], load);
        EXPECT_FLOAT_EQ(p[2], load * 2 / 48 * 12);  // load x rows / spacing x 12
        EXPECT_FLOAT_EQ(p[3], load * 2 / 48 * 12 / 16);
    }
    EXPECT_EQ(std::make_tuple(G.PerfA, G.PerfK, G.PerfB), std::make_tuple(40.f, 2.f, 1.5f));
    EXPECT_EQ(t.max, (std::array<float, 4>{0, t.rows[23][1], t.rows[23][2], t.rows[23][3]}));

    // A built-in type counts a spacing of 0 as 1 in.
    G.Cases[1].Spacing = 0;
    EXPECT_FLOAT_EQ(rebuild().rows[0][2], t.rows[0][1] * 2 * 12);
}

TEST_F(CompareCurves, CableBoltIsStretchedToItsFreeLengthAndShiftedByItsPreload)
{
    CaseRec& r = add(kCableType, 4, 3);  // sets 4 ft apart, 3 cables each
    r.Par[0] = 14, r.Par[1] = 5, r.CabPreDisp = 0.2f;
    ModelCurve& m = models[kCableType];
    m.cable = true;
    m.refLen = 108;  // (14 - 5) x 12: f = 1
    m.conv = {0.5f, 1, 2}, m.load = {10, 15, 20};
    const CurveTable t = rebuild();
    ASSERT_EQ(G.Cases[1].NumPts, 3);
    for (int p = 0; p < 3; ++p) {
        EXPECT_FLOAT_EQ(t.rows[p][0], m.conv[p] - 0.2f);
        EXPECT_FLOAT_EQ(t.rows[p][1], m.load[p]);
        EXPECT_FLOAT_EQ(t.rows[p][2], 3 * m.load[p] / 4);  // no factor 12: the spacing is in ft
        EXPECT_FLOAT_EQ(t.rows[p][3], 3 * m.load[p] / 4 / 16);
    }

    // A model without a free length holds for 60 in: f = 108 / 60.
    m.refLen = 0;
    EXPECT_FLOAT_EQ(rebuild().rows[2][0], 2 * 1.8f - 0.2f);
    // No spacing above 0: nothing to divide the load by, no curve.
    for (float spacing : {0.f, -4.f}) {
        r.Spacing = spacing;
        EXPECT_TRUE(rebuild().rows.empty()) << spacing;
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(CompareCurves, FileDefinedStandingLoadsScaleByTheClampedHeightFactor)
{
    add(kStdFileType, 60, 1);
    ModelCurve& m = models[kStdFileType];
    m.conv = {1, 2}, m.load = {10, 20};
    m.htB = 0.3f;  // 0.3 x 96 / 12 = 2.4: held at 2
    const CurveTable t = rebuild();
    EXPECT_FLOAT_EQ(t.rows[1][1], 40);
    EXPECT_FLOAT_EQ(t.rows[1][2], 40.f * 1 / 60 * 12);
    m.htB = 0.01f;  // 0.08: raised to 0.5
    EXPECT_FLOAT_EQ(rebuild().rows[1][1], 10);
}

TEST_F(CompareCurves, FailedOrUnusableSupportsHaveNoRowsAndLaterOffsetsFollowTheRebuiltCounts)
{
    add(1, 48, 1).NumPts = 3;                // stale count
    add(kStdFileType, 48, 1).NumPts = 10;    // its file is missing
    add(kStdFileType, 48, 1);                // the same file again
    add(2, 48, 1).Par = {6, 1000, 1200, 0};  // a post without a cap: 3 points
    add(9, 48, 1);                           // not in the catalogue
    add(kCableType, 4, 1);                   // its file holds standing supports
    models[kCableType].conv = models[kCableType].load = {1};
    const CurveTable t = rebuild();

    const std::array<int, 7> pts{0, 24, 0, 0, 3, 0, 0}, ofs{0, 0, 24, 24, 24, 27, 27};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ((std::pair<int, int>(G.Cases[k].NumPts, G.Cases[k].PlotOfs)), std::pair(pts[k], ofs[k])) << k;
    EXPECT_EQ(t.rows.size(), 27u);
    ASSERT_EQ(failures.size(), 2u);  // once per file
    EXPECT_EQ(failures[0].file, "engcrib.dat");
    EXPECT_EQ(failures[0].reason, "The file is missing.");
    EXPECT_EQ(failures[1].file, "cable.dat");
    // The post's points are those of its curve routine, which the comparison leaves in place.
    EXPECT_EQ(G.CurCaseNo, 6);
    EXPECT_FLOAT_EQ(t.rows[25][1], G.PerfLoad(1, 2));
    EXPECT_EQ(G.CurCase.Par[1], 1000);
}

}  // namespace
}  // namespace vesk
