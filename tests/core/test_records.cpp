// Record byte layouts against their offset tables, and the support list rules.
#include "core_helpers.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/records.h"
#include "model/costs/storedcosts.h"
#include "model/supportlist.h"

#include <bit>
#include <functional>
#include <random>

using namespace vesk;

namespace {

const float kF = std::bit_cast<float>(0x41424344u);  // no zero byte

// Each change, applied to a zero record, first alters the byte at its offset.
// The tables list one of every two neighbouring fields of the same type: two
// such fields exchanged in a field list survive every round trip, not this.
template <class Rec>
void expectOffsets(const std::vector<std::pair<std::size_t, std::function<void(Rec&)>>>& changes)
{
    for (const auto& [offset, change] : changes) {
        Rec changed{};
        change(changed);
        const std::string a = EncodeRec(Rec{}), b = EncodeRec(changed);
        const auto first = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first;
        EXPECT_EQ(static_cast<std::size_t>(first - a.begin()), offset) << "field expected at " << offset;
    }
}
#define AT(offset, change) {offset, [](auto& r) { r.change; }}

template <class Rec>
Rec decode(const std::string& bytes)
{
    BinReader rd(bytes);
    Rec r{};
    ReadRec(rd, r);
    EXPECT_TRUE(rd.atEnd());
    return r;
}

}  // namespace

TEST(CaseRecLayout, SizesOffsetsAndSharedSlots)
{
    CaseRec r{};
    EXPECT_EQ(EncodeRec(r).size(), 4040u);
    r.CabSeq[3] = "(0-4-4)";
    r.PlotColor = 9;
    r.CostFlags[0] = 5;
    std::string s = EncodeRec(r);
    ASSERT_EQ(s.size(), 4047u);
    // The string sits in its slot, and every later field moves by 7 bytes.
    EXPECT_EQ(At<int16_t>(s, 880 + 6), 7);
    EXPECT_EQ(s.substr(880 + 8, 7), "(0-4-4)");
    EXPECT_EQ(At<int16_t>(s, 922 + 7), 5);
    EXPECT_EQ(At<int16_t>(s, 4038 + 7), 9);

    expectOffsets<CaseRec>({
        AT(0, SizeIdx = 1),               AT(4, Interlayer = 1),            AT(8, Updated = 1),
        AT(12, CabAutoMat = 1),           AT(14, Reserved14[0] = 1),        AT(16, CabUserNum = 1),
        AT(20, CabSets = 1),              AT(22, Reserved22[0] = 1),        AT(41, Reserved22[19] = 1),
        AT(42, Rows = 1),                 AT(44, Warn[0] = 1),              AT(64, Warn[10] = 1),
        AT(66, Spacing = kF),             AT(74, ActConv = kF),             AT(78, ActTpf = kF),
        AT(82, Par[0] = kF),              AT(110, Par[7] = kF),             AT(114, TotCost = kF),
        AT(122, SuppVol = kF),            AT(130, TransCost = kF),          AT(138, MatCost = kF),
        AT(146, TotWork = kF),            AT(154, CribA = kF),              AT(162, CribB = kF),
        AT(170, CabPreDisp = kF),         AT(178, CabMatLen = kF),          AT(182, Reserved182[0] = 1),
        AT(242, SafetyFactor = kF),       AT(246, Coverage = kF),           AT(250, Avail[0] = 1),
        AT(292, Yield[0] = kF),           AT(460, MaxHt[0] = kF),           AT(628, FloorArea[0] = kF),
        AT(712, PlanWid[0] = kF),         AT(796, PlanLen[0] = kF),         AT(880, CabSeq[0] = "x"),
        AT(964, CostBasis[0] = 1),        AT(1006, UnitCost[0] = kF),       AT(1174, PcsPerFt[0] = kF),
        AT(1342, FabrCost[0] = kF),       AT(1510, ShipCost[0] = kF),       AT(1678, Crew[0] = kF),
        AT(1846, UserConstrCost[0] = kF), AT(2010, UserTransCost[20] = kF), AT(2014, TimeBasis[0] = 1),
        AT(2056, PieceTime[0] = kF),      AT(2140, FixTime[0] = kF),        AT(2308, CarsPerTrip[0] = 1),
        AT(2350, PkgWid[0] = kF),         AT(2518, HtAdj[0] = kF),          AT(2686, SecLen[0] = kF),
        AT(2854, PackFactor[0] = kF),     AT(3022, CabResinVol[0] = kF),    AT(3190, CarLen[0] = kF),
        AT(3358, CarHt[0] = kF),          AT(3526, LoadCost[0] = kF),       AT(3690, UnloadCost[20] = kF),
        AT(3694, WtBasis[0] = 1),         AT(3736, NoFixPiece[0] = 1),      AT(3778, UnitWt[0] = kF),
        AT(3862, FixWt[0] = kF),          AT(4030, PlotVis = 1),            AT(4032, NumPts = 1),
        AT(4036, PlotLine = 1),           AT(4038, PlotColor = 1),
    });

    // Other meanings share the slots of their fields.
    r = CaseRec{};
    r.CabDrillTime()[1] = 2.5f;   // PlanWid
    r.CabDrillTime1()[1] = 3.5f;  // PlanLen
    r.CabPerSet() = 4;            // Rows
    r.CabRefLen()[2] = 48;        // PackFactor, also PostShape
    r.NumPerLayer() = 2;          // SizeIdx
    EXPECT_EQ(std::tie(r.Rows, r.SizeIdx), std::make_tuple(int16_t(4), int16_t(2)));
    EXPECT_EQ(r.PostShape()[2], 48);
    s = EncodeRec(r);
    EXPECT_EQ(std::make_tuple(At<float>(s, 712 + 4), At<float>(s, 796 + 4)), std::make_tuple(2.5f, 3.5f));
}

TEST(CaseRecLayout, AnyRecordSurvivesReadAndWriteByteIdentical)
{
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> byte(0, 255), len(0, 12);
    for (int round = 0; round < 20; ++round) {
        std::string bytes;
        for (int i = 0; i < 880; ++i)
            bytes += static_cast<char>(byte(rng));
        for (int k = 0; k < 21; ++k) {
            int n = len(rng);
            bytes += static_cast<char>(n);
            bytes += '\0';
            for (int i = 0; i < n; ++i)
                bytes += static_cast<char>(byte(rng));  // the code page's undefined bytes included
        }
        for (int i = 922; i < 4040; ++i)
            bytes += static_cast<char>(byte(rng));
        EXPECT_EQ(EncodeRec(decode<CaseRec>(bytes)), bytes);
    }
}

TEST(CaseRecLayout, ShortOrMalformedInputIsAReadErrorForeignTextAWriteError)
{
    CaseRec r{};
    r.CabSeq[5] = "(0-2-2)";
    const std::string full = EncodeRec(r);
    std::vector<std::string> bad;
    for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(879), std::size_t(881), std::size_t(900),
                          full.size() - 1})
        bad.push_back(full.substr(0, n));
    bad.push_back(full);
    bad.back()[880] = bad.back()[881] = '\xff';  // count -1
    bad.push_back(EncodeRec(CaseRec{}));
    bad.back()[880 + 40] = bad.back()[880 + 41] = '\x10';  // last string claims 4096 bytes
    for (const std::string& bytes : bad) {
        BinReader rd(bytes);
        CaseRec out;
        EXPECT_THROW(ReadRec(rd, out), ReadError) << "length " << bytes.size();
    }

    r.CabSeq[1] = "\xe6\xbc\xa2";  // a CJK character
    EXPECT_THROW(EncodeRec(r), WriteError);
    r.CabSeq[1] = "caf\xc3\xa9 \xe2\x82\xac";  // "café €" fits the code page
    const std::string s = EncodeRec(r);
    EXPECT_EQ(s.size(), 4053u);
    EXPECT_EQ(decode<CaseRec>(s).CabSeq[1], r.CabSeq[1]);
}

TEST(OtherRecordLayouts, SizesAndOffsets)
{
    EXPECT_EQ(EncodeRec(CritRec{}).size(), 144u);
    expectOffsets<CritRec>({
        AT(2, Timing = 1),      AT(8, TpfPerWid = kF),    AT(16, CabTpf = kF),           AT(20, Reserved20 = kF),
        AT(24, EntryHt = kF),   AT(32, RoofBearing = kF), AT(40, UncontrolledConv = kF), AT(44, CurveId = 1),
        AT(46, GRMaxConv = kF), AT(54, GREndMode = 1),    AT(60, RockDens = kF),         AT(68, YieldZone = kF),
        AT(76, BlockConv = kF), AT(80, BlockFlags = 1),   AT(82, SysCase = 1),           AT(86, SysSpac = kF),
        AT(94, ArbConv = kF),   AT(102, ArbTons = kF),    AT(110, ArbRows = kF),         AT(114, CabFailHt = kF),
        AT(122, CabCMRR = kF),  AT(130, CabSF = kF),      AT(138, CabDepth = kF),        AT(142, CabBlockFlags = 1),
    });
    EXPECT_EQ(EncodeRec(CurveRec{}).size(), 348u);
    expectOffsets<CurveRec>({
        AT(32, Id = 1),           AT(34, NumPts = 1),      AT(36, Rows[0] = 1),     AT(60, Conv[0] = kF),
        AT(108, Tons[0] = kF),    AT(156, Spacing[0] = kF), AT(204, Width[0] = kF), AT(252, Height[0] = kF),
        AT(344, Intensity[11] = kF),
    });
    EXPECT_EQ(EncodeRec(PlotRec{}).size(), 34u);
    expectOffsets<PlotRec>({AT(2, Show = 1), AT(6, XMax = kF), AT(10, YAuto[0] = 1), AT(18, YMax[0] = kF)});
}

TEST(OtherRecordLayouts, CurveNamePaddedOrCutAndStoredYTypeKept)
{
    CurveRec c{};
    c.Name = "Panel 3 tailgate";
    EXPECT_EQ(EncodeRec(c).substr(0, 32), "Panel 3 tailgate                ");
    c.Name = std::string(40, 'x') + "tail";
    const std::string s = EncodeRec(c);
    EXPECT_EQ(s.size(), 348u);
    EXPECT_EQ(s.substr(0, 32), std::string(32, 'x'));
    EXPECT_EQ(EncodeRec(decode<CurveRec>(s)), s);  // a padded name read back is written back unchanged

    PlotRec p{};
    p.YType = 2;
    p.YMax[3] = 12.5f;
    EXPECT_EQ(decode<PlotRec>(EncodeRec(p)), p);
}

class SupportList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.NumTypes = 9;
        G.TypeCat = {0, 1, 1, 2, 2, 2, 2, 7, 3, 3};
        for (int t = 1; t <= 8; ++t)
            G.TypeDefaults[static_cast<std::size_t>(t)].Par[0] = static_cast<float>(t);
    }
};

TEST_F(SupportList, TemplateFollowsCategoryNotCodeAndTenSupportsAtMost)
{
    // Category 7 (type 7) takes the cable-bolt template 8, file-defined standing type 9 template 7.
    for (auto [type, tmpl] : {std::pair{1, 1}, {6, 6}, {7, 8}, {9, 7}, {0, 0}, {10, 0}})
        EXPECT_EQ(TemplateIndex(static_cast<int16_t>(type)), tmpl) << type;
    ASSERT_EQ(AppendSupport(9, "Crib A"), 1);
    EXPECT_EQ(std::tie(G.Cases[1].Par[0], G.DefCases[1].Par[0]), std::make_tuple(7.0f, 7.0f));
    ASSERT_EQ(AppendSupport(7, "Cables"), 2);
    EXPECT_EQ(G.Cases[2].Par[0], 8.0f);
    EXPECT_EQ(G.CaseName[2], "Cables");
    for (int i = 3; i <= 10; ++i)
        EXPECT_EQ(AppendSupport(2, "Post"), i);
    EXPECT_EQ(AppendSupport(2, "Post"), 0);
    EXPECT_EQ(std::tie(G.NumCases, G.CurCaseNo), std::make_tuple(int16_t(10), int16_t(10)));
}

TEST_F(SupportList, UpdateProtocolCountsCommits)
{
    AppendSupport(1, "Crib");
    auto commit = [] { ++G.ChangeCount; };
    auto cancel = [] {};
    EXPECT_EQ(RunUpdateProtocol(1, commit, cancel), 0);  // updated only when both dialogs commit
    EXPECT_EQ(RunUpdateProtocol(1, commit, commit), 1);
    EXPECT_EQ(RunUpdateProtocol(1, cancel, cancel), 1);  // and stays so when both are cancelled
    G.Cases[1].Updated = -1;                              // as a file may hold it
    EXPECT_EQ(RunUpdateProtocol(1, cancel, cancel), 1);
    // Selection mode skips the cost dialog and leaves the mark alone.
    G.Cases[1].Updated = 0;
    G.SelectMode = -1;
    bool costShown = false;
    EXPECT_EQ(RunUpdateProtocol(1, commit, [&] { costShown = true; }), 0);
    EXPECT_FALSE(costShown);
}

// A new design committed for a support whose costs were accepted brings its
// costs along: the shipped cable bolt, lengthened from 14 to 20 ft, costs
// what its cost dialog shows for 20 ft even when that dialog is cancelled.
TEST_F(SupportList, NewDesignOfAnUpdatedSupportRecomputesItsCosts)
{
    G.AppPath = (fs::path(__FILE__).parent_path().parent_path().parent_path() / "data").string();
    ASSERT_FALSE(ReadConfig());
    ASSERT_EQ(ReadDefaults(), 0);
    G.EntryHt = 96;
    int16_t cable = 0;
    for (int16_t t = 7; t <= G.NumTypes && !cable; ++t)
        cable = IsCableType(t) ? t : 0;
    ASSERT_EQ(AppendSupport(cable, "Cables"), 1);
    G.Cases[1].SizeIdx = -1;
    ASSERT_TRUE(LoadModelFile(cable));
    const auto lengthen = [](float ft) {
        return [ft] {
            G.Cases[1].Par[0] = ft;
            ++G.ChangeCount;
        };
    };
    const auto cancel = [] {};
    const auto costs = [] { return std::make_tuple(G.Cases[1].MatCost, G.Cases[1].TotCost, G.Cases[1].InstTime); };
    // Accepted at 14 ft, the costs its cost dialog stored.
    ASSERT_EQ(RunUpdateProtocol(1, lengthen(14), [] {
        ASSERT_TRUE(RecomputeStoredCosts(G.Cases[1], G.CaseType[1], G.EntryHt));
        ++G.ChangeCount;
    }), 1);
    EXPECT_NEAR(std::get<0>(costs()), 22.56, 0.005);
    EXPECT_NEAR(std::get<1>(costs()), 46.07, 0.005);
    EXPECT_NEAR(std::get<2>(costs()), 19.30, 0.005);

    EXPECT_EQ(RunUpdateProtocol(1, lengthen(20), cancel), 1);
    EXPECT_NEAR(std::get<0>(costs()), 27.90, 0.005);
    EXPECT_NEAR(std::get<1>(costs()), 58.07, 0.005);
    EXPECT_NEAR(std::get<2>(costs()), 25.00, 0.005);

    // A stored input that its box refuses (a crew beyond a 16-bit count): the
    // costs stay, and the support is no longer updated until its cost dialog
    // commits.
    G.Cases[1].Crew[static_cast<std::size_t>(G.Cases[1].SizeIdx + 1)] = 40000;
    EXPECT_EQ(RunUpdateProtocol(1, lengthen(14), cancel), 0);
    EXPECT_NEAR(std::get<0>(costs()), 27.90, 0.005);
    G.Cases[1].Updated = 1;
    EXPECT_EQ(RunUpdateProtocol(1, lengthen(14), [] { ++G.ChangeCount; }), 1);
}

TEST(Tables, BoundsAreCheckedAndRedimClears)
{
    Table2D<float> t(1, 7);
    t(1, 7) = 3;
    EXPECT_EQ(t(1, 7), 3.0f);
    EXPECT_THROW(t(2, 0), IndexError);
    EXPECT_THROW(t(0, 8), IndexError);
    EXPECT_THROW(t(-1, 0), IndexError);
    t.redim(3, 2);
    EXPECT_EQ(t(1, 2), 0.0f);
    EXPECT_EQ(t.maxRow(), 3);
    EXPECT_THROW(t(1, 7), IndexError);
    List1D<float> l(2);
    EXPECT_THROW(l[3], IndexError);
}
