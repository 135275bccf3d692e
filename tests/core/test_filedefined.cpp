// File-defined standing supports: smallest spacing, yield, height range,
// warnings, and the model optimisation over the shipped engineered crib.
#include "core_helpers.h"
#include "files/datafiles.h"
#include "files/modelfile.h"
#include "model/costs/storedcosts.h"
#include "model/curves.h"
#include "model/supports/filedefined.h"

using namespace vesk;

namespace {

const fs::path kData = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data";

// Three points of model m in fresh tables with room for m models.
void ThreePointModel(int m, const float (&pts)[3][2])
{
    ResetGlobals();
    G.PerfConv.redim(m, 3);
    G.PerfLoad.redim(m, 3);
    G.PerfConv(m, 0) = 3;
    for (int k = 1; k <= 3; ++k)
        G.PerfConv(m, k) = pts[k - 1][0], G.PerfLoad(m, k) = pts[k - 1][1];
}

// A spacing made to put a curve's peak on a constant requirement puts it there
// within rounding: the peak is the operating point, not a later rise.
TEST(FileDefinedRules, APeakWithinRoundingOfTheRequirementIsReached)
{
    ThreePointModel(1, {{1, 10}, {2, 5}, {4, 20}});
    G.DesignConv = 3;
    G.DesignTpf = 10 * (1 + 3e-6f);
    ASSERT_EQ(FindOpPoint(12, 1, 1), 0);
    EXPECT_EQ(G.CurrConv, 1.0f);
    G.DesignTpf = 10 * (1 + 3e-5f);  // beyond rounding: the later rise
    ASSERT_EQ(FindOpPoint(12, 1, 1), 0);
    EXPECT_GT(G.CurrConv, 2.6f);
    ResetGlobals();
}

// The plot of model k starts its load-density axis at the achieved load
// density, raised to each point of the curve below the convergence axis's end.
TEST(FileDefinedRules, PlotAxisReachesTheModelsPointsShownOnIt)
{
    ThreePointModel(2, {{1, 10}, {2, 30}, {6, 60}});
    CaseRec c;
    c.ActTpf = 4, c.Spacing = 48, c.Rows = 2;  // 2 tons a ton/ft
    EXPECT_EQ(LinkPlotYStart(c, 2, 4), 15.0);   // 30 tons at 2 in
    EXPECT_EQ(LinkPlotYStart(c, 2, 8), 30.0);   // 60 tons at 6 in
    EXPECT_EQ(LinkPlotYStart(c, 1, 8), 4.0);    // model 1 has no points
    c.ActTpf = 40;
    EXPECT_EQ(LinkPlotYStart(c, 2, 8), 40.0);
    ResetGlobals();
}

TEST(FileDefinedRules, SmallestSpacingAndYield)
{
    CaseRec c;
    EXPECT_EQ(LinkMinSpacing(c, 2), 24.0f);
    c.PkgWid[2] = 30, c.PkgLen[2] = 36;
    EXPECT_EQ(LinkMinSpacing(c, 2), 36.0f);
    EXPECT_FLOAT_EQ(LinkYieldConv(-10, 96), 9.6f);
    EXPECT_EQ(LinkYieldConv(3, 96), 3.0f);
}

class FileDefined : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        SetBuiltInDefaults();
        G.AppPath = kData.string();
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(G.TypeFile[type_], "engcrib.dat");
        G.DesignTpf = G.DesignCrit.Tpf;
        G.DesignConv = G.DesignCrit.Conv;
        G.EntryWid = 20;
        G.SecFactor = 0.95f;
        load(96);
    }
    void TearDown() override { ResetGlobals(); }

    // A new support of the type (the engineered crib unless told), its models read at this height.
    void load(float height, int16_t type = 0)
    {
        G.EntryHt = height;
        G.NumCases = 0;
        ASSERT_EQ(AppendSupport(type ? type : type_, "Crib"), 1);
        G.CurCaseNo = 1;
        G.Cases[1].SizeIdx = -1;
        ASSERT_TRUE(LoadModelFile(type ? type : type_));
        G.CurCase = G.Cases[1];
    }
    const int16_t type_ = 7;  // the engineered timber crib of the shipped config.txt
};

TEST_F(FileDefined, HeightRangeAvailabilityAndInputs)
{
    CaseRec& c = G.CurCase;
    c.MinHt[1] = 66, c.MaxHt[1] = 90, c.Avail[1] = 1;  // eastern only
    G.EasternMines = 0;
    for (auto [height, flag] : {std::pair{60.0f, 9}, std::pair{95.0f, 8}}) {
        G.EntryHt = height;
        const LinkOutcome o = RecomputeLink(0, Layout(false, 0, 1));
        ASSERT_TRUE(o.designed());
        EXPECT_EQ(o.warnings.front().flag, flag);
        EXPECT_EQ(c.Warn[flag == 9 ? 8 : 9], 0);
        EXPECT_EQ(o.warnings.back().text, "Not available in western U.S.");
    }
    G.EasternMines = -1;
    G.EntryHt = 80;
    EXPECT_EQ(RecomputeLink(0, Layout(false, 0, 1)).warnings.size(), 0u);
    c.Avail[1] = -1;  // western only
    const LinkOutcome east = RecomputeLink(0, Layout(false, 0, 1));
    ASSERT_FALSE(east.warnings.empty());
    EXPECT_EQ(east.warnings.back().text, "Not available in eastern U.S.");
    EXPECT_EQ(c.Warn[10], -1);
    G.EasternMines = 0;
    EXPECT_EQ(RecomputeLink(0, Layout(false, 0, 1)).warnings.size(), 0u);
    EXPECT_EQ(c.Warn[10], 0);

    for (int16_t rows : {0, 6})
        EXPECT_EQ(RecomputeLink(0, Layout(false, 0, rows)).error, "Invalid no. rows (0-5)");
    EXPECT_EQ(RecomputeLink(0, Layout(true, std::nullopt, 1)).error, "Invalid user spacing");
    EXPECT_TRUE(RecomputeLink(-1, Layout(false, 0, 1)).error.empty());  // no model chosen: nothing at all
}

TEST_F(FileDefined, OptimisationLimitsAndTheDesignItFinds)
{
    CaseRec work = G.CurCase;
    EXPECT_EQ(OptimizeLink(work, type_, 23.9f, 1).error, "Invalid maximum spacing");
    EXPECT_EQ(OptimizeLink(work, type_, 24.0f, 0).error, "Invalid no. rows");
    EXPECT_TRUE(OptimizeLink(work, type_, 24.0f, 1).error.empty());

    // Model 1 at a 60-in entry, 30 tons/ft at 3 in, calculate mode, 36 in at
    // most: its spacing puts the curve's peak (2.5 in) exactly on the
    // requirement, and the operating point is that peak, not a later rise.
    load(60);
    G.DesignTpf = 30, G.DesignConv = 3;
    work = G.CurCase;
    work.SpacMode = 0;
    const LinkChoice choice = OptimizeLink(work, type_, 36.0f, 1);
    ASSERT_TRUE(choice.error.empty()) << choice.error;
    EXPECT_EQ(choice.model, 1);
    EXPECT_NEAR(choice.spacing, 31.39, 0.01);
    EXPECT_NEAR(choice.conv, 2.5, 1e-4);
    EXPECT_EQ(std::make_pair(work.SizeIdx, work.UserSpacing), std::make_pair(int16_t(0), 36.0f));
    // From 3 typed rows, at most 96 in: a model whose peak lies before the design convergence still counts
    // its rows from 1, as the support's own recompute does.
    work = G.CurCase;
    work.SpacMode = 0;
    const LinkChoice fromThree = OptimizeLink(work, type_, 96.0f, 3);
    ASSERT_TRUE(fromThree.error.empty()) << fromThree.error;
    EXPECT_EQ(fromThree.rows, 1);
    EXPECT_LE(fromThree.spacing, 96.0f);

    // A type none of whose models reaches the design convergence has no choice.
    G.DesignConv = 1000;
    work = G.CurCase;
    EXPECT_FALSE(OptimizeLink(work, type_, 36.0f, 1).error.empty());
    EXPECT_EQ(work, G.CurCase);
}

// User-defined optimisation: each model's spacing at the typed rows, at its
// highest load up to the design convergence; the smallest spacing not below
// the maximum wins, rows rising one at a time.
TEST_F(FileDefined, UserDefinedOptimisationKeepsTheTypedRows)
{
    struct Case {
        float height, tpf, conv, smax;
        int rows;
        int16_t model, rowsChosen;
        float spacing;  // the model's spacing: at its peak load the shown spacing is the same
    };
    // 72 tons at 2.5 in: 72 / 16 x 2 x 12; 162 tons at 2 in: 162 / 50 x 2 x 12;
    // model 3 at 120 in and 6 in: 406.08 in at 2 rows.
    for (const Case& k : {Case{96, 16, 3, 36, 2, 1, 2, 108}, Case{96, 50, 3, 72, 1, 2, 2, 77.76f},
                          Case{120, 16, 6, 250, 1, 3, 2, 406.08f}}) {
        SCOPED_TRACE(k.smax);
        load(k.height);
        G.DesignTpf = k.tpf, G.DesignConv = k.conv;
        CaseRec work = G.CurCase;
        work.SpacMode = 1;
        const LinkChoice choice = OptimizeLink(work, type_, k.smax, k.rows);
        ASSERT_TRUE(choice.error.empty()) << choice.error;
        EXPECT_EQ(std::make_pair(choice.model, choice.rows), std::make_pair(k.model, k.rowsChosen));
        EXPECT_NEAR(choice.spacing, k.spacing, 1e-4 * k.spacing);
        EXPECT_FALSE(choice.moreThanRowLimit);
        EXPECT_EQ(std::make_pair(work.Rows, work.UserSpacing), std::make_pair(k.rowsChosen, k.smax));
    }
    // No model reaches 400 in with 5 rows at 16 tons/ft and 3 in: rows stop
    // at 5, with the model that comes nearest (model 3).
    load(96);
    G.DesignTpf = 16, G.DesignConv = 3;
    CaseRec work = G.CurCase;
    work.SpacMode = 1;
    const LinkChoice choice = OptimizeLink(work, type_, 10000, 1);
    ASSERT_TRUE(choice.error.empty()) << choice.error;
    EXPECT_EQ(std::make_pair(choice.model, choice.rows), std::make_pair(int16_t(3), int16_t(5)));
    EXPECT_TRUE(choice.moreThanRowLimit);
}

// No search goes past 5 rows: one that would ends at 5 rows with the spacing
// of 5 rows and says so; one that reaches 5 from fewer says nothing.
TEST_F(FileDefined, NoSearchEndsPastFiveRows)
{
    // Model 1 at 16 tons/ft, 24 in typed, below its 30-in smallest spacing.
    LinkOutcome o = RecomputeLink(0, Layout(true, 24, 5));
    ASSERT_TRUE(o.designed()) << o.search.noDesignReason;
    EXPECT_EQ(std::make_pair(o.search.design->rows, o.search.design->spacing), std::make_pair(int16_t(5), 24.0f));
    EXPECT_TRUE(o.search.moreThanRowLimit);

    // 24 tons at 0.5 in, 50 tons/ft: 24 / 50 x 12 = 5.76 in a row.
    G.DesignConv = 0.5f, G.DesignTpf = 50;
    for (int16_t rows : {5, 4}) {
        o = RecomputeLink(0, Layout(false, 0, rows));
        ASSERT_TRUE(o.designed()) << o.search.noDesignReason;
        EXPECT_EQ(o.search.design->rows, 5);
        EXPECT_NEAR(o.search.design->spacing, 28.8, 1e-4);
        EXPECT_EQ(o.search.moreThanRowLimit, rows == 5);
    }
}

// Two models with the same curve fit the maximum spacing alike: in calculate
// mode the lower one is chosen.
TEST_F(FileDefined, CalculateModeTieKeepsTheLowerModel)
{
    const int16_t t = 7;
    G.NumModels[t] = 2;
    G.PerfConv.redim(2, 3);
    G.PerfLoad.redim(2, 3);
    for (int m = 1; m <= 2; ++m) {
        G.PerfConv(m, 0) = 3;
        for (auto [i, conv, load] : {std::tuple{1, 1.0f, 10.0f}, {2, 2.0f, 20.0f}, {3, 4.0f, 30.0f}})
            G.PerfConv(m, i) = conv, G.PerfLoad(m, i) = load;
    }
    G.DesignConv = 2, G.DesignTpf = 10;  // 20 tons / 10 tons/ft x 12: 24 in at one row
    CaseRec work = G.CurCase;
    work.SpacMode = 0;
    work.PkgWid.fill(0), work.PkgLen.fill(0);
    const LinkChoice choice = OptimizeLink(work, t, 36.0f, 1);
    ASSERT_TRUE(choice.error.empty()) << choice.error;
    EXPECT_EQ(std::make_pair(choice.model, choice.rows), std::make_pair(int16_t(1), int16_t(1)));
    EXPECT_NEAR(choice.spacing, 24, 1e-4);
}

// The cost dialog's costs of the shipped crib, model 1 at 96 in: 4 pieces a
// ft of 30 lb, 960 lb lifted 96 / 24 + 0.5 = 4.5 ft, and its 10-lb secondary
// weight lifted a foot less than the entry height, 7 ft.
TEST_F(FileDefined, ShippedCribCostsLiftTheSecondaryWeightAFootLessThanTheEntry)
{
    CaseRec c = G.Cases[1];
    ASSERT_TRUE(RecomputeStoredCosts(c, type_, G.EntryHt));
    EXPECT_EQ(c.TotPieces, 32.0f);
    EXPECT_EQ(c.TotWork, 4390.0f);
}

// For every shipped file-defined standing type and each of its models, at the
// shipped criteria and at other entry heights and design convergences, the
// support's own recompute shows the design that the optimisation chose: the
// same model and rows, and the same operating point.
TEST_F(FileDefined, EveryShippedTypeShowsTheDesignItsOptimisationChose)
{
    int checked = 0;
    for (int16_t t = 7; t <= G.NumTypes; ++t) {
        if (IsCableType(t))
            continue;
        for (auto [height, conv] : {std::pair{96.0f, 2.0f}, {60.0f, 3.0f}, {84.0f, 0.5f}, {120.0f, 6.0f}}) {
            G.DesignConv = conv, G.DesignTpf = 16;
            load(height, t);
            for (float smax : {36.0f, 60.0f, 96.0f}) {
                CaseRec work = G.Cases[1];
                work.SpacMode = 0;
                const LinkChoice choice = OptimizeLink(work, t, smax, 1);
                SCOPED_TRACE(testing::Message() << "type " << t << " at " << height << " in, " << conv
                                                << " in, at most " << smax << " in: " << choice.error);
                if (!choice.error.empty())
                    continue;
                G.CurCase = work;
                const LinkOutcome o = RecomputeLink(work.SizeIdx, Layout(false, 0, work.Rows));
                ASSERT_TRUE(o.designed()) << o.search.noDesignReason;
                EXPECT_EQ(G.CurCase.SizeIdx + 1, choice.model);
                EXPECT_EQ(o.search.design->rows, choice.rows);
                EXPECT_NEAR(o.search.design->conv, choice.conv, 1e-4);
                EXPECT_NEAR(o.search.design->spacing, choice.spacing, 1e-3 * choice.spacing);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 8);
}

}  // namespace
