// The loading display's curve: the model read from its file, its axes, and the load at a step.
#include "core_helpers.h"
#include "files/loadingmodel.h"

using namespace vesk;

namespace {

using Floats = std::vector<float>;

// A standing-support model file: model A with plot maxima 150 tons and 10 in; model B without maxima.
const std::string kTwoModels =
    "2, 3, 0\r\n"
    "A\r\n150, 10\r\n1, 0, 0.125\r\n36, 144\r\n648, 640\r\n36, 30\r\n0, 1, 9, 6, 0.6, 1, 6, 7, 12\r\n"
    "2, 1, 8, 5, 0.5, 2, 3, 4, 70\r\n36, 30, 3, 36, 6, 4, 0.5\r\n1, 0.8, 6\r\n2, 36, 1, 12, 3\r\n2, -10\r\n"
    "1, 50\r\n2, 90\r\n"
    "B\r\n0, -1\r\n1, 0, 0.125\r\n36, 144\r\n648, 640\r\n36, 30\r\n0, 1, 9, 6, 0.6, 1, 6, 7, 12\r\n"
    "2, 1, 8, 5, 0.5, 2, 3, 4, 70\r\n36, 30, 3, 36, 6, 4, 0.5\r\n1, 0.8, 6\r\n2, 36, 1, 12, 3\r\n3, -10\r\n"
    "1, 10\r\n2, 20\r\n3, 30\r\n";

class LoadingCurve : public ScratchFolder {
protected:
    void SetUp() override
    {
        ScratchFolder::SetUp();
        Put(at("load.dat"), kTwoModels);
        G.EntryHt = 120;  // a height that would scale the loads if anything did
        G.FailModelFile = {"load.dat", "missing.dat"};
        G.FotoCount.redim(1, 2);
    }
    static void curve(const Floats& conv, const Floats& load)
    {
        G.FailConv = conv;
        G.FailLoad = load;
    }
};

}  // namespace

// A model number beyond the file's models reads its last model, unscaled, into the loading curve only; a
// model without plot maxima gets 100 tons and 12 in, in metric display rounded up to 100 t and 35 cm.
TEST_F(LoadingCurve, TheModelOfTheFileItsCurveAndItsAxes)
{
    LoadingAxes axes;
    G.FotoCount(0, 0) = 5;
    ASSERT_TRUE(ReadLoadingCurve(0, axes));
    EXPECT_EQ(G.FailConv, Floats({3, 1, 2, 3}));
    EXPECT_EQ(G.FailLoad, Floats({0, 10, 20, 30}));
    EXPECT_EQ(std::tie(axes.loadText, axes.convText), std::make_tuple("100", "12"));
    EXPECT_EQ(std::make_pair(axes.loadMax, axes.convMax), std::make_pair(100.f, 12.f));
    EXPECT_EQ(G.PerfConv.maxRow(), -1);
    EXPECT_EQ(G.NumModels.size(), 0u);

    G.FotoCount(0, 0) = 1;
    ASSERT_TRUE(ReadLoadingCurve(0, axes));
    EXPECT_EQ(G.FailLoad, Floats({0, 50, 90}));
    EXPECT_EQ(std::tie(axes.loadText, axes.convText), std::make_tuple("150", "10"));

    G.MetricUnits = 1;
    G.FotoCount(0, 0) = 2;
    ASSERT_TRUE(ReadLoadingCurve(0, axes));
    EXPECT_EQ(std::tie(axes.loadText, axes.convText), std::make_tuple("100", "35"));
    // The curve stays in tons and inches, drawn against the metric tops.
    EXPECT_NEAR(axes.loadMax, 100 / 0.90718, 0.01);
    EXPECT_NEAR(axes.convMax, 35 / 2.54, 0.001);

    // A file that cannot be read: no points and the axes of a model without maxima.
    std::string why;
    EXPECT_FALSE(ReadLoadingCurve(1, axes, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(G.FailConv, Floats({0, 0}));
    EXPECT_EQ(std::tie(axes.loadText, axes.convText), std::make_tuple("100", "35"));
    EXPECT_FALSE(ReadLoadingCurve(2, axes));
}

TEST_F(LoadingCurve, LoadAtAStepOnTheCurveFromTheOriginOrNone)
{
    curve({3, 1, 2, 3}, {0, 10, 20, 30});
    EXPECT_EQ(LoadAtStep(0.5), 5.f);  // before the first point: from the origin
    EXPECT_EQ(LoadAtStep(1.5), 15.f);
    EXPECT_EQ(LoadAtStep(3), 30.f);
    EXPECT_EQ(LoadAtStep(3.01), std::nullopt);  // past the last point
    EXPECT_EQ(LoadAtStep(-0.1), std::nullopt);

    curve({3, 1, 1, 2}, {0, 10, 30, 40});  // two points at one convergence: their mean
    EXPECT_EQ(LoadAtStep(1), 20.f);
    curve({1, 2}, {0, 7});
    EXPECT_EQ(LoadAtStep(2), 7.f);
    EXPECT_EQ(LoadAtStep(2.5), std::nullopt);
    curve({0, 0}, {0, 0});
    EXPECT_EQ(LoadAtStep(0), std::nullopt);
}
