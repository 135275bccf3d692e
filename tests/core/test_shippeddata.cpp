// The data files shipped in data/: each is read by its own reader without error, and the catalogue's model files
// hold plausible supports. Nothing is written there.
#include "core_helpers.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"

#include <set>

using namespace vesk;

namespace {

const fs::path kData = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data";

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

TEST_F(ShippedData, EveryFileIsReadByItsReaderAndTheCatalogueHoldsTheBuiltInTypes)
{
    for (const auto& entry : fs::directory_iterator(kData)) {
        if (entry.path().extension() != ".txt" && entry.path().extension() != ".dat")
            continue;
        const std::string b = Slurp(entry.path());  // Windows-1252 text with CR LF line ends
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
    // The labels give the units the record holds: the crib's yield point in percent of the entry height, the
    // cable-bolt volumes per package.
    const std::string defaults = Slurp(kData / "defaults.txt");
    EXPECT_NE(defaults.find(", yield point in percent of the entry height\r\n1000, 1000, 6, 12, 5"), std::string::npos);
    EXPECT_NE(defaults.find("\nCable bolts: volumes per package: resin with"), std::string::npos);
    EXPECT_EQ(defaults.find("in3/ft"), std::string::npos);
    EXPECT_EQ(ReadWoodData(), 0);
    EXPECT_EQ(G.NumPostWoods, kBuiltInWoods);
    EXPECT_EQ(G.PostWoodProp(3, 3), 10180);
    ReadDefName();
    EXPECT_EQ(G.ProjName, "XYZ Mine");

    // The types beyond the built-in ones have their files, two standing categories and cable bolts at least.
    std::set<int16_t> standing;
    int cables = 0;
    for (int t = 7; t <= G.NumTypes; ++t) {
        EXPECT_TRUE(fs::is_regular_file(kData / file(t))) << file(t);
        cables += cable(t);
        if (!cable(t))
            standing.insert(G.TypeCat[static_cast<std::size_t>(t)]);
    }
    EXPECT_GE(standing.size(), 2u);
    EXPECT_GE(cables, 1);
    const auto fromFile = G.SupTypeName;
    SetBuiltInTypes();
    EXPECT_TRUE(std::equal(G.SupTypeName.begin() + 1, G.SupTypeName.end(), fromFile.begin() + 1));
}

// Each model, in either region: a rising curve from the origin, a yield point on it at any height of the model's
// range, axis maxima that hold it, bearing below 1000 psi, the height factor 1 at 8 ft, every size readable at any
// height.
TEST_F(ShippedData, EveryModelHasAPlausibleCurve)
{
    for (int t = 7; t <= G.NumTypes; ++t)
        for (int16_t eastern : {int16_t(-1), int16_t(0)}) {
            G.EasternMines = eastern;
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
                EXPECT_TRUE(G.PerfConv(m, 1) > 0 && G.PerfLoad(m, 1) < G.PerfLoad(m, 2));
                float peak = 0;
                for (int p = 1; p <= n; ++p) {
                    EXPECT_GT(G.PerfLoad(m, p), 0);
                    EXPECT_TRUE(p == 1 || G.PerfConv(m, p) > G.PerfConv(m, p - 1)) << p;
                    peak = std::max(peak, G.PerfLoad(m, p));
                }
                const float last = G.PerfConv(m, n);
                EXPECT_TRUE(G.ModelXMax[m] >= last && G.ModelYMax[m] >= peak && G.ModelYMax[m] < 2 * peak);
                if (cable(t)) {
                    EXPECT_EQ(peak, G.PerfLoad(m, n)) << "the last point is the ultimate strength";
                    EXPECT_TRUE(r.Yield[m] > G.PerfConv(m, 1) && r.Yield[m] < last);
                    EXPECT_GT(r.CabCoatCost()[m], r.UnitCost[m]);
                    EXPECT_TRUE(r.UnitWt[m] > 0.3f && r.UnitWt[m] < 1.5f && r.CabPerPkg()[m] > 0);
                    continue;
                }
                EXPECT_TRUE(r.MinHt[m] >= 24 && r.MinHt[m] < 96 && r.MaxHt[m] > 96 && r.MaxHt[m] <= 240);
                for (float ht : {r.MinHt[m], r.MaxHt[m]}) {
                    const float y = r.Yield[m] < 0 ? -r.Yield[m] * ht / 100 : r.Yield[m];
                    EXPECT_TRUE(y > G.PerfConv(m, 1) && y < last) << "height " << ht;
                }
                EXPECT_LT(peak / r.RoofArea[m] * 2000, 1000);
                EXPECT_TRUE(r.PackFactor[m] >= 0.2f && r.PackFactor[m] <= 1 && r.UnitWt[m] > 0);
            }
            for (int m = 1; m <= models; ++m)
                for (float ht : {r.MinHt[m], r.MaxHt[m], 240.0f}) {
                    G.EntryHt = ht;
                    G.Cases[1].SizeIdx = static_cast<int16_t>(m - 1);
                    EXPECT_TRUE(LoadModelFile(static_cast<int16_t>(t))) << file(t) << " at " << ht;
                }
        }
}
