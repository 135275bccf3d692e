// Model data files: full and curves-only reads, the height factor, the cost regions and every failure.
#include "core_helpers.h"
#include "files/datafiles.h"
#include "files/modelfile.h"

using namespace vesk;

namespace {

using Floats = std::vector<float>;

std::string Header(int models, int maxPts, int cable)
{
    return std::to_string(models) + ", " + std::to_string(maxPts) + ", " + std::to_string(cable) + "\r\n";
}

// A standing-support model; point p lies at p in with 10 p tons.
std::string Standing(const std::string& name, int points, const std::string& htLine = "1, 0, 0.125",
                     const std::string& eastLine = "0, 0.65, 9, 6, 0.6, 1, 6, 7, 12")
{
    std::string s = name + "\r\n150, 12\r\n" + htLine + "\r\n36, 144\r\n648, 640\r\n36, 30\r\n" + eastLine +
                    "\r\n2, 0.7, 8, 5, 0.5, 2, 3, 4, 70\r\n36, 30, 3, 36, 6, 4, 0.5\r\n1, 0.8, 6\r\n2, 36, 1, 12, 3\r\n" +
                    std::to_string(points) + ", -10\r\n";
    for (int p = 1; p <= points; ++p)
        s += std::to_string(p) + ", " + std::to_string(10 * p) + "\r\n";
    return s;
}

std::string Cable(const std::string& refLen)
{
    return "0.6 in\r\n35, 2.5\r\n-1\r\n1.05, 1.6, 6.5, 0.5, 12, 11, 20\r\n1.1, 1.7, 7.5, 0.6, 13, 14, 55\r\n"
           "25, 6, 7\r\n0.6, 6\r\n0.74, " +
           refLen + "\r\n3, 0.6\r\n0.1, 5.2\r\n0.6, 26.4\r\n2.1, 29.3\r\n";
}

// Type 7 is a standing type (crib.dat), type 8 cable bolts (cable.dat); the support being read is Cases(1).
class ModelFile : public ScratchFolder {
protected:
    void SetUp() override
    {
        ScratchFolder::SetUp();
        SetBuiltInTypes();
        G.NumTypes = 8;
        G.TypeCat = {0, 1, 1, 2, 2, 2, 2, 3, 7};
        G.TypeFile = {"", "", "", "", "", "", "", "crib.dat", "cable.dat"};
        G.NumModels.assign(9, 0);
        G.ModelName.redim(8, 20);
        G.EntryHt = 96;
        G.EasternMines = -1;
        G.CurCaseNo = 1;
        newSupport();
    }
    static void newSupport()
    {
        G.Cases[1] = CaseRec{};
        G.Cases[1].SizeIdx = -1;
    }
};

}  // namespace

TEST(HeightFactor, ScalesPerFootOfHeightWithinLimits)
{
    EXPECT_FLOAT_EQ(HeightFactor(0, 0.125f, 96), 1.0f);
    EXPECT_FLOAT_EQ(HeightFactor(0, 0.3f, 96), 2.0f);  // 2.4
    EXPECT_FLOAT_EQ(HeightFactor(0.1f, 0, 96), 0.5f);
    EXPECT_FLOAT_EQ(HeightFactor(1.24f, -0.03f, 48), 1.12f);
}

TEST_F(ModelFile, FullReadFillsEachModelsElementAndTheDefaults)
{
    Put(at("crib.dat"), Header(2, 4, 0) + Standing("Small, 30 in", 3) + Standing("Large", 4, "0, 0.5, 0.0625"));
    ASSERT_TRUE(LoadModelFile(7));
    const CaseRec& r = G.Cases[1];
    EXPECT_EQ(std::tie(r.SizeIdx, G.NumModels[7]), std::make_tuple(int16_t(0), int16_t(2)));
    EXPECT_EQ(G.ModelName(7, 1), "Small, 30 in");
    EXPECT_EQ(std::make_pair(G.ModelYMax[2], G.ModelXMax[2]), std::make_pair(150.f, 12.f));
    EXPECT_EQ(Floats({r.MinHt[2], r.MaxHt[2], r.RoofArea[2], r.FloorArea[2], r.PlanWid[2], r.PlanLen[2]}),
              Floats({36, 144, 648, 640, 36, 30}));
    EXPECT_EQ(Floats({r.UnitCost[2], r.PieceQty[2], r.PcsPerFt[2], r.FabrCost[2], r.FixCost[2], r.LoadCost[2],
                      r.UnloadCost[2], r.ShipCost[2]}),
              Floats({0.65f, 9, 6, 0.6f, 1, 6, 7, 12}));  // the Eastern line
    EXPECT_EQ(Floats({r.PkgWid[2], r.PkgLen[2], r.HtAdj[2], r.SecWid[2], r.SecLen[2], r.SecThick[2], r.PackFactor[2]}),
              Floats({36, 30, 3, 36, 6, 4, 0.5f}));
    EXPECT_EQ(Floats({r.PieceTime[2], r.FixTime[2], r.UnitWt[2], r.FixWt[2], r.SecWt[2], r.Yield[2], r.UnitCost[3]}),
              Floats({0.8f, 6, 36, 1, 12, -10, 0}));
    EXPECT_EQ(std::vector<int>({r.Avail[1], r.CostBasis[2], r.TimeBasis[2], r.WtBasis[2], r.NoFixPiece[2]}),
              std::vector<int>({1, 0, 1, 2, 3}));
    EXPECT_EQ(G.PerfConv.maxCol(), 4);
    EXPECT_EQ(G.PerfConv(1, 0), 3);
    EXPECT_EQ(G.PerfLoad(2, 4), 40);  // 0.5 + 0.0625 * 8 ft = 1
    EXPECT_TRUE(G.DefCases[1] == r);
}

TEST_F(ModelFile, WesternRegionTakesTheSecondCostLineAndNeverParsesTheFirst)
{
    Put(at("crib.dat"), Header(1, 2, 0) + Standing("M", 2, "1, 0, 0.125", "Eastern prices on request"));
    EXPECT_FALSE(LoadModelFile(7));
    G.EasternMines = 0;
    newSupport();
    ASSERT_TRUE(LoadModelFile(7));
    EXPECT_EQ(std::make_pair(G.Cases[1].CostBasis[1], G.Cases[1].ShipCost[1]), std::make_pair(int16_t(2), 70.f));
    Put(at("cable.dat"), Header(1, 3, 1) + Cable("48"));
    newSupport();
    ASSERT_TRUE(LoadModelFile(8));
    EXPECT_EQ(std::make_pair(G.Cases[1].CabCoatCost()[1], G.Cases[1].ShipCost[1]), std::make_pair(1.7f, 55.f));
}

TEST_F(ModelFile, SelectingAgainAfterAHeightChangeRescalesOnlyTheCurves)
{
    Put(at("crib.dat"), Header(2, 4, 0) + Standing("A", 3) + Standing("B", 4));
    ASSERT_TRUE(LoadModelFile(7));
    G.Cases[1].SizeIdx = 1;
    const CaseRec added = G.Cases[1];
    // Factor 0.125 per ft: 1.25, 2.5 kept at 2, 0.25 raised to 0.5.
    for (auto [height, load] : {std::pair{120.0f, 50.0f}, {240.0f, 80.0f}, {24.0f, 20.0f}}) {
        G.EntryHt = height;
        ASSERT_TRUE(LoadModelFile(7));
        EXPECT_FLOAT_EQ(G.PerfLoad(2, 4), load) << height;
    }
    EXPECT_TRUE(G.Cases[1] == added);
}

TEST_F(ModelFile, CableLayoutKeepsLoadsAndDefaultsTheReferenceLength)
{
    Put(at("cable.dat"), Header(2, 3, 1) + Cable("48") + Cable("0"));
    G.EntryHt = 300;
    ASSERT_TRUE(LoadModelFile(8));
    const CaseRec& r = G.Cases[1];
    EXPECT_EQ(Floats({r.UnitCost[2], r.CabCoatCost()[2], r.FabrCost[2], r.FixCost[2], r.LoadCost[2], r.UnloadCost[2],
                      r.ShipCost[2], r.PkgWid[2], r.PkgLen[2], r.PieceTime[2], r.FixTime[2], r.UnitWt[2],
                      r.CabRefLen()[1], r.CabRefLen()[2], r.Yield[2]}),
              Floats({1.05f, 1.6f, 6.5f, 0.5f, 12, 11, 20, 6, 7, 0.6f, 6, 0.74f, 48, 60, 0.6f}));
    EXPECT_EQ(std::make_pair(r.Avail[2], r.CabPerPkg()[2]), std::make_pair(int16_t(-1), int16_t(25)));
    EXPECT_EQ(G.PerfLoad(2, 3), 29.3f);  // not scaled
    G.Cases[1].SizeIdx = 1;
    ASSERT_TRUE(LoadModelFile(8));
}

TEST_F(ModelFile, TwentyModelsAreReadTwentyOneRefused)
{
    std::string file = Header(20, 3, 0);
    for (int m = 1; m <= 20; ++m)
        file += Standing("Model " + std::to_string(m), 3);
    Put(at("crib.dat"), file);
    ASSERT_TRUE(LoadModelFile(7));
    EXPECT_EQ(G.ModelName(7, 20), "Model 20");
    EXPECT_EQ(G.Cases[1].ShipCost[20], 12);
    Put(at("crib.dat"), Header(21, 3, 0) + file.substr(file.find("\r\n") + 2) + Standing("Model 21", 3));
    newSupport();
    EXPECT_FALSE(LoadModelFile(7));
    EXPECT_EQ(G.Cases[1].SizeIdx, -1);  // refused at the header
}

TEST_F(ModelFile, CountsBeyondTheirRangesDamagedFilesAndWrongLayoutsAreReadErrors)
{
    const std::pair<std::string, int16_t> bad[] = {
        {Header(0, 3, 0), -1},                                       // no models
        {Header(1, 0, 0) + Standing("A", 1), -1},                    // largest point count 0
        {Header(1, 3, 0) + Standing("A", 0), -1},                    // a model without points
        {Header(1, 3, 0) + Standing("A", 4), -1},                    // more points than the largest count
        {Header(2, 3, 0) + Standing("A", 3) + Standing("B", 3), 2},  // chosen model 3 of 2
        {Header(2, 3, 0) + Standing("A", 3), 0},                     // the file ends before model 2
        {Header(1, 3, 0) + Standing("A", 3, "1, 0, 0.125", "0, 0.65, 9"), -1},  // values missing
        {Header(1, 1, 0) + "A\r\n1, 1\r\n0, 2, 0\r\n" + std::string(8, '\n') + "1, 0\r\n1, 3e38\r\n", 0},
    };
    for (const auto& [bytes, sizeIdx] : bad) {
        G.Cases[1] = CaseRec{};
        G.Cases[1].SizeIdx = sizeIdx;
        Put(at("crib.dat"), bytes);
        EXPECT_FALSE(LoadModelFile(7)) << bytes.substr(0, 40);
    }
    fs::remove(at("crib.dat"));
    EXPECT_FALSE(LoadModelFile(7));

    // A layout against the category is refused before any model.
    G.NumModels.assign(9, 0);
    G.PerfConv.redim(-1, 0);
    Put(at("crib.dat"), Header(1, 3, 1) + Cable("60"));
    Put(at("cable.dat"), Header(1, 3, 0) + Standing("A", 3));
    EXPECT_FALSE(LoadModelFile(7));
    EXPECT_FALSE(LoadModelFile(8));
    EXPECT_EQ(G.NumModels[7] + G.NumModels[8], 0);
    EXPECT_EQ(G.PerfConv.maxRow(), -1);
}

TEST_F(ModelFile, LoadingModelsAreReadWithoutHeightFactor)
{
    Put(at("load.dat"), Header(1, 3, 0) + Standing("A", 3, "0, 2, 0"));
    ModelFileRead how;
    how.type = 7;
    how.scaleByHeight = false;
    ASSERT_TRUE(ReadModelFile(at("load.dat"), how));
    EXPECT_EQ(G.PerfLoad(1, 3), 30);
}

TEST(ModelCurve, ReadsOneModelAsItStandsAndTouchesNoTable)
{
    ResetGlobals();
    ModelCurve c;
    const std::string standing = Header(2, 4, 0) + Standing("Small", 3) + Standing("Large", 4, "0, 0.5, 0.0625");
    ASSERT_TRUE(ReadModelCurveData(standing, 1, false, c));
    EXPECT_EQ(std::tie(c.numModels, c.model, c.cable), std::make_tuple(int16_t(2), int16_t(1), false));
    EXPECT_EQ(std::make_pair(c.htA, c.htB), std::make_pair(0.5f, 0.0625f));
    EXPECT_EQ(std::make_pair(c.yMax, c.xMax), std::make_pair(150.f, 12.f));
    EXPECT_EQ(c.conv, Floats({1, 2, 3, 4}));
    EXPECT_EQ(c.load, Floats({10, 20, 30, 40}));  // unscaled
    EXPECT_EQ(G.PerfConv.maxRow(), -1);  // never dimensioned

    // A model beyond the file: the last one when asked, else a failure.
    ASSERT_TRUE(ReadModelCurveData(standing, 5, true, c));
    EXPECT_EQ(c.model, 1);
    std::string why;
    EXPECT_FALSE(ReadModelCurveData(standing, 2, false, c, &why));
    EXPECT_TRUE(c.conv.empty());
    EXPECT_NE(why.find("chosen model"), std::string::npos);

    ASSERT_TRUE(ReadModelCurveData(Header(2, 3, 1) + Cable("0") + Cable("108"), 1, false, c));
    EXPECT_TRUE(c.cable);
    EXPECT_EQ(c.refLen, 108.f);
    EXPECT_EQ(std::make_pair(c.yMax, c.xMax), std::make_pair(35.f, 2.5f));
    EXPECT_EQ(c.load, Floats({5.2f, 26.4f, 29.3f}));
    ASSERT_TRUE(ReadModelCurveData(Header(2, 3, 1) + Cable("0") + Cable("108"), 0, false, c));
    EXPECT_EQ(c.refLen, 0.f);

    EXPECT_FALSE(ReadModelCurveData(Header(1, 3, 1) + "0.6 in\r\n", 0, false, c, &why));
    EXPECT_FALSE(ReadModelCurve("/nonexistent/x.dat", 0, false, c, &why));
    EXPECT_FALSE(why.empty());
}
