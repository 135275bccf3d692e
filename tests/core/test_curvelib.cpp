// The ground reaction curve library: identifiers, new and duplicated curves, deleting, and the points of a curve.
#include "core_helpers.h"
#include "model/criteria/curvelib.h"
#include "model/vbmath.h"

using namespace vesk;

namespace {

class CurveLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.MaxCurves = 50;
        G.GRCurves.resize(51);
        G.EntryWid = 16;
        G.EntryHt = 84;
    }
    void TearDown() override { ResetGlobals(); }
    // Curves with these identifiers, named A, B, ...; curve k has k points.
    static void library(std::initializer_list<int16_t> ids)
    {
        for (int16_t id : ids) {
            CurveRec c;
            c.Id = id;
            c.NumPts = static_cast<int16_t>(G.NumCurves + 1);
            c.Name = CurveName(std::string(1, static_cast<char>('A' + G.NumCurves)));
            AppendCurve(c);
        }
    }
    static std::vector<int16_t> ids()
    {
        std::vector<int16_t> out;
        for (int k = 1; k <= G.NumCurves; ++k)
            out.push_back(G.GRCurves[static_cast<std::size_t>(k)].Id);
        return out;
    }
};

GrPoint Point(float conv, float tons, float width = 20)
{
    return {conv, 48, tons, width, 84, 2};
}

}  // namespace

TEST_F(CurveLibrary, FreeIdentifiersStepPastTheUsedOnesAndWrapToOne)
{
    library({1, 2, 3});
    G.NextCurveId = 2;
    EXPECT_EQ(FreeCurveId(), 4);
    EXPECT_EQ(FreeCurveId(), 4);  // only stepped past once in use

    NewWorkCurve();
    const CurveRec& w = G.WorkCurve;
    EXPECT_EQ(std::tie(w.Name, w.Id, w.NumPts), std::make_tuple(CurveName("Curve 4"), int16_t(4), int16_t(0)));
    EXPECT_EQ(std::make_tuple(w.Rows[10], w.Conv[10], w.Tons[10], w.Spacing[10], w.Width[10], w.Height[10]),
              std::make_tuple(int16_t(1), 1.f, 100.f, 60.f, 16.f, 84.f));
    EXPECT_EQ(w.Intensity[0], 1.25f);  // 100 x 12 / (60 x 16)
    G.EntryWid = 0;
    NewWorkCurve();
    EXPECT_EQ(std::make_pair(G.WorkCurve.Width[1], G.WorkCurve.Intensity[1]), std::make_pair(0.f, 1.f));

    ResetGlobals();
    library({kMaxCurveId, 1, 3});
    G.NextCurveId = kMaxCurveId;
    EXPECT_EQ(FreeCurveId(), 2);
}

TEST_F(CurveLibrary, DuplicatesAreNamedAfterTheCountAndDeletingClosesTheGap)
{
    library({7, 8, 9, 10});
    G.NextCurveId = 11;
    EXPECT_EQ(DuplicateCurve(2, ""), 5);
    const CurveRec& copy = G.GRCurves[5];
    EXPECT_EQ(copy.Name, "Curve 5" + std::string(25, ' '));
    EXPECT_EQ(std::make_pair(copy.Id, copy.NumPts), std::make_pair(int16_t(11), int16_t(2)));

    // Names are cut to 32 characters, not bytes.
    const std::string longName = "Entr\xc3\xa9" "e 4 north, belt side, crosscut 12";
    EXPECT_EQ(DuplicateCurve(1, longName), 6);
    EXPECT_EQ(G.GRCurves[6].Name, "Entr\xc3\xa9" "e 4 north, belt side, cross");

    DeleteCurve(2);
    EXPECT_EQ(ids(), (std::vector<int16_t>{7, 9, 10, 11, 11}));
    DeleteCurve(5);
    DeleteCurve(9);  // outside the library: nothing
    EXPECT_EQ(ids(), (std::vector<int16_t>{7, 9, 10, 11}));
}

TEST_F(CurveLibrary, PointsAreSortedByConvergenceWithTheirIntensities)
{
    CurveRec c;
    c.NumPts = 4;
    SetPoint(c, 1, Point(3, 50));
    SetPoint(c, 2, Point(1, 100));
    SetPoint(c, 3, Point(3, 40, 24));
    SetPoint(c, 4, Point(2, 80));
    c.Intensity[2] = 0;  // recomputed by the sort
    c.Intensity[5] = 7;  // the end slot is not a point
    SortPoints(c);
    // Exchanged pairwise, as the equal convergences show: the 40-ton point ends before the 50-ton one.
    EXPECT_EQ(std::vector<float>(c.Tons.begin() + 1, c.Tons.begin() + 5), (std::vector<float>{100, 80, 40, 50}));
    // 2 rows x tons x 12 / (48 in x width)
    EXPECT_EQ(std::vector<float>(c.Intensity.begin() + 1, c.Intensity.begin() + 6),
              (std::vector<float>{2.5f, 2, static_cast<float>(5.0 / 6), 1.25f, 7}));
    EXPECT_EQ(PointTpf(PointAt(c, 1)), 50.f);
    EXPECT_TRUE(HasRisingSection(c));

    DeletePoint(c, 3);
    EXPECT_EQ(c.NumPts, 3);
    EXPECT_EQ(PointAt(c, 3).tons, 50.f);
    EXPECT_FALSE(HasRisingSection(c));
    SetPoint(c, 3, Point(4, 100));
    EXPECT_TRUE(HasRisingSection(c));
    EXPECT_THROW(PointIntensity(Point(1, 100, 0)), ArithError);
}
