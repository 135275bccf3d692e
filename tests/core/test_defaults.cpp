// The defaults file and the support templates: the built-in values against the shipped file and the tables, every
// value of a line reaching its own field in either region, and files that fail part-way.
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

// The data lines are the odd lines from 7 on; of each regional pair (Eastern line, then Western two lines on) the
// region reads one.
bool Unread(int line, int16_t eastern)
{
    for (int pair : {35, 49, 65, 79, 95, 111, 125})
        if (line == (eastern ? pair + 2 : pair))
            return true;
    return false;
}

// The fields of the data lines in file order: the criteria, the common block, templates 1 to 6 (element 1), the
// cable bolts (element 0) and the plot settings. Line 57 holds the post's height reduction, stored negated.
std::vector<double> FileFields(const GlobalState& g)
{
    std::vector<double> v;
    auto add = [&v](auto... x) { (v.push_back(static_cast<double>(x)), ...); };
    const CritRec& c = g.DesignCrit;
    add(c.EntryHt, c.EntryWid, c.Tpf, c.Conv, c.Basis, c.RoofBearing, c.FloorBearing, c.UncontrolledConv, c.Timing,
        c.BlockConv, c.FailHt, c.RockDens, c.CMRR, c.BlockFlags, c.YieldZone, c.Depth, g.MaxCurves, c.GRDesignConv,
        c.GRMaxConv, c.CurveId, c.GREndMode, c.SysConv, c.SysSpac, c.SysRows, c.ArbConv, c.ArbTpf, c.ArbTons,
        c.ArbSpac, c.ArbRows, c.CabTpf, c.CabConv, c.CabFailHt, c.CabRockDens, c.CabCMRR, c.CabBlockFlags, c.CabSF,
        c.CabYieldZone, c.CabDepth);
    const auto& T = g.TypeDefaults;
    const CaseRec &t1 = T[1], &t2 = T[2], &t8 = T[8];
    add(t1.UserSpacing, t1.Rows, t8.CabBoltSpac(), t8.CabSets, t8.CabUserNum, t1.LabCost[1], t1.Crew[1],
        t1.ShiftHrs[1], t1.CarLen[1], t1.CarWid[1], t1.CarHt[1], t1.CarsPerTrip[1], t1.TripCost[1]);
    auto cost = [&](const CaseRec& r) { add(r.FixCost[1], r.UnitCost[1], r.FabrCost[1], r.ShipCost[1]); };
    auto handling = [&](const CaseRec& r) {
        add(r.LoadCost[1], r.UnloadCost[1], r.PieceTime[1], r.FixTime[1], r.FixVol()[1], r.UnitWt[1], r.FixWt[1],
            r.SecWt[1], r.NoFixPiece[1]);
    };
    add(t1.NumPerLayer(), t1.Par[0], t1.Par[1], t1.Par[2], t1.Par[3], t1.Par[4], t1.Par[5], t1.Par[6], t1.Par[7],
        t1.Yield[1]);
    cost(t1);
    handling(t1);
    add(t2.Interlayer, t2.Par[0], t2.Par[1], t2.Par[2], t2.Par[3], t2.Par[4], t2.Par[5], t2.PlanWid[1], t2.PlanLen[1]);
    cost(t2);
    add(t2.LoadCost[1], t2.UnloadCost[1], t2.PieceTime[1], t2.FixTime[1], t2.PostShape()[1], -t2.HtAdj[1],
        t2.SecWid[1], t2.SecLen[1], t2.SecThick[1], t2.UnitWt[1], t2.FixWt[1], t2.SecWt[1], t2.NoFixPiece[1]);
    for (int k = 3; k <= 6; ++k) {
        const CaseRec& r = T[static_cast<std::size_t>(k)];
        add(r.Par[0], r.Par[1], r.Par[2]);
        if (k >= 5)
            add(r.Par[3], r.Par[4]);
        add(r.Par[5], r.Par[6], r.Interlayer);
        cost(r);
        handling(r);
    }
    add(t8.Par[0], t8.Par[1], t8.Par[6], t8.CabHole(), t8.CabCoated(), t8.CabPlate, t8.Par[3], t8.Par[4],
        t8.CabAutoMat, t8.CabResinCost[0], t8.CabResinCost1()[0], t8.CabPlateCost()[0], t8.CabPlateCost1()[0],
        t8.CabMatCost()[0], t8.CabDrillTime()[0], t8.CabDrillTime1()[0], t8.CabDrillWork()[0], t8.CabResinVol[0],
        t8.CabResinVol1[0], t8.CabPlateVol()[0], t8.CabPlateVol1()[0], t8.CabMatVol[0], t8.CabResinWt,
        t8.CabPlateWt()[0], t8.CabPlateWt1()[0], t8.CabMatWt()[0]);
    add(g.PlotSet.YType, g.PlotSet.Show, g.PlotSet.XMax, g.PlotSet.YMax[0], g.PlotSet.YMax[1]);
    return v;
}

}  // namespace

// The shipped file holds the built-in values, so both paths give the same fields; what the file has no place for
// comes from the built-in tables on that path alone.
TEST(Defaults, BuiltInValuesAreTheShippedFilesAndTheTablesRest)
{
    const auto lines = ShippedLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kDefaultsLines));
    for (int16_t eastern : {int16_t(-1), int16_t(0)}) {
        SCOPED_TRACE(eastern ? "Eastern" : "Western");
        ASSERT_EQ(Read(nullptr, eastern), -1);
        const std::vector<double> builtIn = FileFields(G);
        const auto& T = G.TypeDefaults;
        for (int k = 1; k <= 6; ++k) {
            const CaseRec& r = T[static_cast<std::size_t>(k)];
            EXPECT_EQ(std::make_tuple(r.ActConv, r.NumPts, r.CostBasis[1], r.WtBasis[1]),
                      std::make_tuple(k == 1 ? 1.f : 0.1f, int16_t(k == 1 ? 24 : 2), int16_t(k == 2), int16_t(k == 2)))
                << k;
        }
        EXPECT_EQ(std::make_tuple(T[3].Par[3], T[4].Par[4], T[8].Par[5], T[7].ShipCost[20], G.DesignCrit.TpfPerWid),
                  std::make_tuple(1.f, 1.f, 4.f, eastern ? 0.f : 75.f, 0.8f));
        EXPECT_EQ(std::tie(G.VersionText, G.VersionDate, G.BasisName),
                  std::make_tuple("2.3", "May 1, 2001", "Detached block"));

        ASSERT_EQ(Read(&lines, eastern), 0);
        EXPECT_EQ(FileFields(G), builtIn);
        EXPECT_EQ(std::tie(G.VersionText, G.VersionDate), std::make_tuple("2.3", "May 1, 2001"));
        auto arbitrary = lines;  // the basis's name goes with the basis read
        arbitrary[6] = "96, 20, 16, 2, 3";
        ASSERT_EQ(Read(&arbitrary, eastern), 0);
        EXPECT_EQ(std::tie(G.DesignBasis, G.BasisName), std::make_tuple(int16_t(3), "Abitrary criteria"));
    }
}

// Distinct numbers on every line, and no numbers at all on the line of each pair that the region skips.
TEST(Defaults, EachValueReachesItsOwnFieldAndTheOtherRegionsLinesAreNeverParsed)
{
    for (int16_t eastern : {int16_t(-1), int16_t(0)}) {
        SCOPED_TRACE(eastern ? "Eastern" : "Western");
        auto lines = ShippedLines();
        std::vector<double> numbers;  // all but the percentage of line 9, which is held nowhere
        for (int line = 7; line <= kDefaultsLines; line += 2) {
            std::string& text = lines[static_cast<std::size_t>(line - 1)];
            const auto values = std::count(text.begin(), text.end(), ',') + 1;
            text = Unread(line, eastern) ? "not numbers" : "";
            for (int k = 1; k <= values && !Unread(line, eastern); ++k) {
                const int n = 1000 + line * 10 + k;
                text += (k > 1 ? ", " : "") + std::to_string(n);
                if (line != 9 || k != 5)
                    numbers.push_back(n);
            }
        }
        ASSERT_EQ(Read(&lines, eastern), 0);
        EXPECT_EQ(FileFields(G), numbers);
        const CritRec& c = G.DesignCrit;
        EXPECT_EQ(std::tie(G.EntryHt, G.EntryWid, G.DesignTpf, G.DesignConv, G.DesignBasis, G.SecFactor),
                  std::make_tuple(c.EntryHt, c.EntryWid, c.Tpf, c.Conv, c.Basis, 0.95f));
        // The common block reaches every template and size, the cable-bolt values every size; typed costs start
        // "not set" in every template.
        const auto& T = G.TypeDefaults;
        EXPECT_EQ(std::make_tuple(T[7].Rows, T[5].TripCost[20], T[8].CabMatWt()[20], T[3].Crew[9]),
                  std::make_tuple(T[1].Rows, T[1].TripCost[1], T[8].CabMatWt()[0], T[1].Crew[1]));
        for (int k = 1; k <= 8; ++k)
            for (int i = 1; i <= 20; ++i) {
                const CaseRec& r = T[static_cast<std::size_t>(k)];
                ASSERT_TRUE(r.UserMatCost[i] == -1 && r.UserConstrCost[i] == -1 && r.UserTransCost[i] == -1 &&
                            r.CostFlags[i] == 0)
                    << k << "/" << i;
            }
    }
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
    ASSERT_EQ(Read(&lines, -1), 0);
    const CaseRec& post = G.TypeDefaults[2];
    EXPECT_EQ(std::vector<float>({post.PlanWid[1], post.PlanLen[1], post.RoofArea[1], post.FloorArea[1]}),
              std::vector<float>({10, 20, 200, 200}));
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
