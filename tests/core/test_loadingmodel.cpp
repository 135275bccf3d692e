// The loading display's curve: the model read from its file, and the load at a step.
#include "core_helpers.h"
#include "files/loadingmodel.h"

using namespace vesk;

// A model number beyond the file's three models reads its last one, unscaled, into the loading curve only.
TEST(LoadingCurve, TheLastModelOfTheFileAndNoOtherGlobal)
{
    ResetGlobals();
    G.AppPath = (fs::path(__FILE__).parent_path().parent_path().parent_path() / "data").string();
    G.EntryHt = 120;  // a height that would scale the loads if anything did
    G.FailModelFile = {"engcrib.dat"};
    G.FotoCount.redim(0, 2);
    G.FotoCount(0, 0) = 5;
    LoadingAxes axes;
    ASSERT_TRUE(ReadLoadingCurve(0, axes));
    ASSERT_EQ(G.FailConv.size(), 13u);
    EXPECT_EQ(std::make_tuple(G.FailConv[0], G.FailConv[12], G.FailLoad[12]), std::make_tuple(12.f, 12.f, 385.f));
    EXPECT_EQ(std::tie(axes.loadText, axes.convText), std::make_tuple("400", "12"));
    EXPECT_TRUE(G.PerfConv.maxRow() == -1 && G.NumModels.empty());
    ResetGlobals();
}

// Before the first point from the origin, between points on the line, at one convergence twice their mean.
TEST(LoadingCurve, LoadAtAStepOnTheCurveFromTheOriginOrNone)
{
    ResetGlobals();
    G.FailConv = {3, 1, 2, 3};
    G.FailLoad = {0, 10, 20, 30};
    EXPECT_EQ(LoadAtStep(0.5), 5.f);
    EXPECT_EQ(LoadAtStep(1.5), 15.f);
    EXPECT_EQ(LoadAtStep(3), 30.f);
    EXPECT_EQ(LoadAtStep(3.01), std::nullopt);
    G.FailConv = {3, 1, 1, 2};
    G.FailLoad = {0, 10, 30, 40};
    EXPECT_EQ(LoadAtStep(1), 20.f);
    G.FailConv = {1, 2};
    G.FailLoad = {0, 7};
    EXPECT_EQ(LoadAtStep(2), 7.f);
    ResetGlobals();
}
