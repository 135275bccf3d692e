// The defaults file and the support templates: the file path against the built-in path, the two cost regions,
// and files that fail part-way.
#include "core_helpers.h"
#include "files/defaults.h"

using namespace vesk;

namespace {

std::vector<std::string> ShippedLines()
{
    std::ifstream in(fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / kDefaultsFile,
                     std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// Reads the lines as defaults.txt (none: no file) in a region.
int16_t Read(const std::vector<std::string>* lines, int16_t eastern)
{
    ResetGlobals();
    G.EasternMines = eastern;
    std::string bytes;
    for (const auto& l : lines ? *lines : std::vector<std::string>{})
        bytes += l + "\r\n";
    return ReadDefaultsData(bytes);
}

auto Defaults(const GlobalState& s)
{
    return std::tie(s.VersionText, s.VersionDate, s.DesignCrit, s.DesignTpf, s.EntryHt, s.EntryWid, s.SecFactor,
                    s.MaxCurves, s.PlotSet, s.TypeDefaults);
}

}  // namespace

// The shipped file holds the built-in values, but for the fields it has no place for (named in its label lines).
TEST(Defaults, ShippedFileHoldsTheBuiltInValues)
{
    const auto lines = ShippedLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kDefaultsLines));
    for (int16_t eastern : {int16_t(-1), int16_t(0)}) {
        ASSERT_EQ(Read(nullptr, eastern), -1);
        const GlobalState builtIn = G;
        ASSERT_EQ(Read(&lines, eastern), 0);
        GlobalState file = G;
        for (int k = 2; k <= 6; ++k) {
            CaseRec& f = file.TypeDefaults[k];
            EXPECT_EQ(std::make_pair(f.ActConv, f.NumPts), std::make_pair(1.0f, int16_t(k == 2 ? 10 : 7)));
            f.ActConv = builtIn.TypeDefaults[k].ActConv;
            f.NumPts = builtIn.TypeDefaults[k].NumPts;
        }
        file.TypeDefaults[2].CostBasis = builtIn.TypeDefaults[2].CostBasis;
        file.TypeDefaults[2].WtBasis = builtIn.TypeDefaults[2].WtBasis;
        for (int k = 3; k <= 4; ++k)
            file.TypeDefaults[k].Par = builtIn.TypeDefaults[k].Par;
        file.TypeDefaults[8].Par[5] = builtIn.TypeDefaults[8].Par[5];
        // Western shipping of 75: the file gives it to element 1 of templates 1..6, the built-in path to all.
        for (int k = 1; k <= 8; ++k) {
            if (k <= 6) {
                EXPECT_EQ(file.TypeDefaults[k].ShipCost[1], builtIn.TypeDefaults[k].ShipCost[1]) << k;
            }
            file.TypeDefaults[k].ShipCost = builtIn.TypeDefaults[k].ShipCost;
        }
        EXPECT_TRUE(Defaults(file) == Defaults(builtIn));
        // Typed costs start "not set" on both paths.
        for (const GlobalState* s : {static_cast<const GlobalState*>(&file), &builtIn})
            for (int k = 1; k <= 8; ++k)
                for (int i = 1; i <= 20; ++i) {
                    const CaseRec& r = s->TypeDefaults[k];
                    ASSERT_TRUE(r.UserMatCost[i] == -1 && r.UserConstrCost[i] == -1 && r.UserTransCost[i] == -1 &&
                                r.CostFlags[i] == 0)
                        << k << "/" << i;
                }
    }
    EXPECT_EQ(G.DesignCrit.CurveId, -1);
    EXPECT_EQ(G.TypeDefaults[8].CabPlateVol1()[20], 38.4f);
    EXPECT_EQ(G.BasisName, "Detached block");
}

TEST(Defaults, TheRegionPicksOneLineOfEachPairAndNeverParsesTheOther)
{
    auto lines = ShippedLines();
    lines[34] = "1, 2, 3, 4";  // wood crib, Eastern (line 35)
    lines[36] = "not numbers";
    lines[124] = "1.1, 2.2, 3.3, 4.4, 5.5";  // cable bolts, Eastern
    lines[126] = "x";
    ASSERT_EQ(Read(&lines, -1), 0);
    const GlobalState east = G;
    EXPECT_EQ(std::make_pair(east.TypeDefaults[1].ShipCost[1], east.TypeDefaults[8].CabMatCost()[20]),
              std::make_pair(4.f, 5.5f));
    EXPECT_EQ(Read(&lines, 0), -1);
    std::swap(lines[34], lines[36]);
    std::swap(lines[124], lines[126]);
    ASSERT_EQ(Read(&lines, 0), 0);
    GlobalState west = G;
    EXPECT_EQ(west.TypeDefaults[1].UnitCost[1], 2);
    // Otherwise the two runs agree, but for the shipping of templates 2..6.
    for (int k = 2; k <= 6; ++k) {
        EXPECT_EQ(west.TypeDefaults[k].ShipCost[1], 75);
        west.TypeDefaults[k].ShipCost = east.TypeDefaults[k].ShipCost;
    }
    EXPECT_TRUE(Defaults(west) == Defaults(east));
}

TEST(Defaults, AFileCutShortKeepsOnlyWhatTheBuiltInTablesDoNotName)
{
    auto lines = ShippedLines();
    lines[6] = "120, 24, 18, 3, 1";  // criteria read cleanly before the failure
    lines[38] = "3.5, 4.5";           // wood crib loading and unloading costs
    lines.resize(100);
    ASSERT_EQ(Read(&lines, -1), -1);
    EXPECT_EQ(std::make_tuple(G.DesignCrit.EntryHt, G.EntryWid, G.DesignTpf), std::make_tuple(96.f, 20.f, 16.f));
    EXPECT_EQ(std::tie(G.DesignCrit.Basis, G.DesignBasis, G.TypeDefaults[2].NumPts),
              std::make_tuple(int16_t(0), int16_t(0), int16_t(2)));
    EXPECT_EQ(std::make_pair(G.TypeDefaults[1].LoadCost[1], G.TypeDefaults[1].UnloadCost[1]),
              std::make_pair(3.5f, 4.5f));
}

TEST(Defaults, BadValuesAreReadErrorsAndPostFootprintsAreFilled)
{
    const std::pair<int, const char*> bad[] = {
        {7, "96, 0, 16, 2, 0"},       // an entry width of 0 would divide by zero
        {7, "96, 20, 16, 2, 40000"},  // beyond an Integer
        {7, "96, 20, 16, 2"},         // a value missing
        {7, "96, 20, 16, 2, 0, 1"},   // one too many
        {13, "10; 1000"},             // not a number
    };
    for (auto [line, text] : bad) {
        auto lines = ShippedLines();
        lines[static_cast<std::size_t>(line - 1)] = text;
        EXPECT_EQ(Read(&lines, -1), -1) << text;
        EXPECT_EQ(G.DesignCrit.TpfPerWid, 0.8f);
    }

    auto lines = ShippedLines();
    lines[46] = "2, 1000, 1000, 0, -3";  // a zero footprint
    lines[56] = "1, 6, 12, 24, 4";       // height reduction 6
    ASSERT_EQ(Read(&lines, -1), 0);
    const CaseRec& post = G.TypeDefaults[2];
    EXPECT_EQ(
        std::vector<float>({post.PlanWid[1], post.PlanLen[1], post.RoofArea[1], post.FloorArea[1], post.HtAdj[1]}),
              std::vector<float>({10, 20, 200, 200, -6}));
}

// A library capacity of 0 or less would refuse every curve: it reads as the built-in 50.
TEST(Defaults, ALibraryCapacityBelowOneIsTheBuiltInOne)
{
    for (auto [text, expected] : {std::pair{"0, 2, 4, -1, 0", 50}, {"-3, 2, 4, -1, 0", 50}, {"7, 2, 4, -1, 0", 7}}) {
        auto lines = ShippedLines();
        lines[14] = text;
        ASSERT_EQ(Read(&lines, -1), 0) << text;
        EXPECT_EQ(G.MaxCurves, expected) << text;
        EXPECT_EQ(G.DesignCrit.GRMaxConv, 4.f);
    }
}
