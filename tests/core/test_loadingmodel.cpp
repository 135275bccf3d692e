// The loading display's curve: the model read from its file, and the load at a step.
#include "core_helpers.h"
#include "files/loadingmodel.h"

using namespace vesk;

namespace {

using Floats = std::vector<float>;

const fs::path kData = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data";

void Curve(const Floats& conv, const Floats& load)
{
    G.FailConv = conv;
    G.FailLoad = load;
}

}  // namespace

// A model number beyond the file's three models reads its last one, unscaled, into the loading curve only.
TEST(LoadingCurve, TheLastModelOfTheFileAndNoOtherGlobal)
{
    ResetGlobals();
    G.AppPath = kData.string();
    G.EntryHt = 120;  // a height that would scale the loads if anything did
    G.FailModelFile = {"engcrib.dat", "missing.dat"};
    G.FotoCount.redim(1, 2);
    G.FotoCount(0, 0) = 5;
    LoadingAxes axes;
    ASSERT_TRUE(ReadLoadingCurve(0, axes));
    ASSERT_EQ(G.FailConv.size(), 13u);
    EXPECT_EQ(G.FailConv[0], 12);
    EXPECT_EQ(std::make_pair(G.FailConv[12], G.FailLoad[12]), std::make_pair(12.f, 385.f));
    EXPECT_EQ(std::tie(axes.loadText, axes.convText), std::make_tuple("400", "12"));
    EXPECT_EQ(G.PerfConv.maxRow(), -1);
    EXPECT_TRUE(G.NumModels.empty());

    std::string why;
    EXPECT_FALSE(ReadLoadingCurve(1, axes, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(G.FailConv, Floats({0, 0}));
    EXPECT_EQ(std::make_pair(axes.loadMax, axes.convMax), std::make_pair(100.f, 12.f));
    ResetGlobals();
}

TEST(LoadingCurve, LoadAtAStepOnTheCurveFromTheOriginOrNone)
{
    ResetGlobals();
    Curve({3, 1, 2, 3}, {0, 10, 20, 30});
    EXPECT_EQ(LoadAtStep(0.5), 5.f);  // before the first point: from the origin
    EXPECT_EQ(LoadAtStep(1.5), 15.f);
    EXPECT_EQ(LoadAtStep(3), 30.f);
    EXPECT_EQ(LoadAtStep(3.01), std::nullopt);  // past the last point
    EXPECT_EQ(LoadAtStep(-0.1), std::nullopt);
    Curve({3, 1, 1, 2}, {0, 10, 30, 40});  // two points at one convergence: their mean
    EXPECT_EQ(LoadAtStep(1), 20.f);
    Curve({1, 2}, {0, 7});
    EXPECT_EQ(LoadAtStep(2), 7.f);
    EXPECT_EQ(LoadAtStep(2.5), std::nullopt);
    Curve({0, 0}, {0, 0});
    EXPECT_EQ(LoadAtStep(0), std::nullopt);
    ResetGlobals();
}
