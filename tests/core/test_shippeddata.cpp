// The data files shipped in data/: each is read by its own reader without
// error, and the catalogue's model files hold plausible supports.
#include "model/globals.h"
#include "shell/io/datafiles.h"
#include "shell/io/defaults.h"
#include "shell/io/modelfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace vesk;
namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data";

// Reads the files in data/ itself; nothing is written there.
class ShippedData : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.AppPath = kData.string();
        ASSERT_FALSE(ReadConfig());
        G.CurCaseNo = 1;
    }
    void TearDown() override { ResetGlobals(); }
    static bool cable(int t) { return G.TypeCat[static_cast<std::size_t>(t)] == kCableBoltCategory; }
    static const std::string& file(int t) { return G.TypeFile[static_cast<std::size_t>(t)]; }
    // The whole model file of type t, as for a new support.
    static CaseRec fullRead(int t)
    {
        G.Cases[1] = CaseRec{};
        G.Cases[1].SizeIdx = -1;
        EXPECT_TRUE(LoadModelFile(static_cast<int16_t>(t))) << file(t);
        return G.Cases[1];
    }
};

}  // namespace

TEST_F(ShippedData, EveryFileIsReadByItsReader)
{
    for (const auto& entry : fs::directory_iterator(kData)) {
        if (entry.path().extension() != ".txt" && entry.path().extension() != ".dat")
            continue;
        std::ostringstream s;
        s << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        const std::string b = s.str();
        // Windows-1252 text with CR LF line ends.
        EXPECT_EQ(b.substr(b.size() - 2), "\r\n") << entry.path();
        for (std::size_t i = 0; i < b.size(); ++i) {
            const auto c = static_cast<unsigned char>(b[i]);
            const bool ok = c == '\r'   ? b[i + 1] == '\n'
                            : c == '\n' ? i > 0 && b[i - 1] == '\r'
                                        : c >= 0x20 && c != 0x7F;
            ASSERT_TRUE(ok) << entry.path() << " byte " << i;
        }
    }
    for (int16_t eastern : {int16_t(-1), int16_t(0)}) {
        G.EasternMines = eastern;
        EXPECT_EQ(ReadDefaults(), 0);
    }
    EXPECT_EQ(ReadWoodData(), 0);
    EXPECT_EQ(G.NumPostWoods, kBuiltInWoods);
    EXPECT_EQ(G.PostWoodProp(3, 3), 10180);
    ReadDefName();
    EXPECT_EQ(G.ProjName, "XYZ Mine");
}

TEST_F(ShippedData, CatalogueHoldsTheBuiltInTypesAndFileDefinedOnes)
{
    const auto fromFile = G.SupTypeName;
    std::set<int16_t> standing;
    int cables = 0;
    for (int t = 7; t <= G.NumTypes; ++t) {
        EXPECT_TRUE(fs::is_regular_file(kData / file(t))) << file(t);
        if (cable(t))
            ++cables;
        else
            standing.insert(G.TypeCat[static_cast<std::size_t>(t)]);
    }
    EXPECT_GE(standing.size(), 2u);
    EXPECT_GE(cables, 1);
    SetBuiltInTypes();
    EXPECT_TRUE(std::equal(G.SupTypeName.begin() + 1, G.SupTypeName.end(), fromFile.begin() + 1));
}

// Each model: a curve from the origin rising to its loads, ascending
// convergences, a yield point on the curve at any height of the model's
// range, axis maxima that hold the curve, bearing below 1000 psi, and the
// height factor 1 at 8 ft; every size readable for curves at any height.
TEST_F(ShippedData, EveryModelHasAPlausibleCurve)
{
    for (int t = 7; t <= G.NumTypes; ++t) {
        G.EntryHt = 96;
        const CaseRec r = fullRead(t);
        const int models = G.NumModels[static_cast<std::size_t>(t)];
        EXPECT_GE(models, 3) << file(t);
        const Table2D<float> at96 = G.PerfLoad;
        ModelFileRead unscaled;
        unscaled.type = static_cast<int16_t>(t);
        unscaled.cable = cable(t);
        unscaled.scaleByHeight = false;
        ASSERT_TRUE(ReadModelFile((kData / file(t)).string(), unscaled));
        EXPECT_TRUE(at96 == G.PerfLoad) << file(t);
        for (int m = 1; m <= models; ++m) {
            SCOPED_TRACE(file(t) + ": " + G.ModelName(t, m));
            const int n = static_cast<int>(G.PerfConv(m, 0));
            ASSERT_GE(n, 5);
            EXPECT_GT(G.PerfConv(m, 1), 0);
            EXPECT_LT(0, G.PerfLoad(m, 1));
            EXPECT_LT(G.PerfLoad(m, 1), G.PerfLoad(m, 2));
            float peak = 0;
            for (int p = 1; p <= n; ++p) {
                EXPECT_GT(G.PerfLoad(m, p), 0);
                EXPECT_TRUE(p == 1 || G.PerfConv(m, p) > G.PerfConv(m, p - 1)) << p;
                peak = std::max(peak, G.PerfLoad(m, p));
            }
            const float last = G.PerfConv(m, n);
            EXPECT_GE(G.ModelXMax[m], last);
            EXPECT_GE(G.ModelYMax[m], peak);
            EXPECT_LT(G.ModelYMax[m], 2 * peak);
            if (cable(t)) {
                EXPECT_EQ(peak, G.PerfLoad(m, n)) << "the last point is the ultimate strength";
                EXPECT_TRUE(r.Yield[m] > G.PerfConv(m, 1) && r.Yield[m] < last);
                continue;
            }
            EXPECT_TRUE(r.MinHt[m] >= 24 && r.MinHt[m] < 96 && r.MaxHt[m] > 96 && r.MaxHt[m] <= 240);
            for (float ht : {r.MinHt[m], r.MaxHt[m]}) {
                const float y = r.Yield[m] < 0 ? -r.Yield[m] * ht / 100 : r.Yield[m];
                EXPECT_TRUE(y > G.PerfConv(m, 1) && y < last) << "height " << ht;
            }
            EXPECT_LT(peak / r.RoofArea[m] * 2000, 1000);
        }
        for (int m = 1; m <= models; ++m)
            for (float ht : {r.MinHt[m], r.MaxHt[m], 240.0f}) {
                G.EntryHt = ht;
                G.Cases[1].SizeIdx = static_cast<int16_t>(m - 1);
                EXPECT_TRUE(LoadModelFile(static_cast<int16_t>(t))) << file(t) << " at " << ht;
            }
    }
}

// Costs in 2004 dollars, of the order of the built-in templates: the
// materials of a support 8 ft high from $20 to $1500 in either region, a
// 14-ft cable bolt from $5 to $100.
TEST_F(ShippedData, ModelCostsArePlausible)
{
    for (int t = 7; t <= G.NumTypes; ++t)
        for (int16_t eastern : {int16_t(-1), int16_t(0)}) {
            G.EasternMines = eastern;
            const CaseRec r = fullRead(t);
            for (int m = 1; m <= G.NumModels[static_cast<std::size_t>(t)]; ++m) {
                SCOPED_TRACE(file(t) + ": " + G.ModelName(t, m));
                double cost = 0;
                if (cable(t)) {
                    EXPECT_GT(r.CabCoatCost()[m], r.UnitCost[m]);
                    EXPECT_TRUE(r.UnitWt[m] > 0.3f && r.UnitWt[m] < 1.5f && r.CabPerPkg()[m] > 0);
                    cost = r.UnitCost[m] * 14.0 + r.FabrCost[m] + r.ShipCost[m] / r.CabPerPkg()[m];
                    EXPECT_TRUE(cost > 5 && cost < 100) << cost;
                    continue;
                }
                const double h = 8, perPiece = r.PieceQty[m] * r.UnitCost[m] + r.FabrCost[m];
                switch (r.CostBasis[m]) {
                case 0:
                case 3: cost = perPiece * r.PcsPerFt[m] * h; break;
                case 1: cost = r.UnitCost[m] * h + r.FabrCost[m]; break;
                default: cost = r.PieceQty[m] * r.UnitCost[m] * h + r.FabrCost[m];
                }
                cost += r.ShipCost[m];
                EXPECT_TRUE(cost > 20 && cost < 1500) << cost;
                EXPECT_TRUE(r.PackFactor[m] >= 0.2f && r.PackFactor[m] <= 1 && r.UnitWt[m] > 0);
            }
        }
}
