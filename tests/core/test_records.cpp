// Byte layouts of the records against their published offset tables, and the
// support list rules.
#include "model/globals.h"
#include "model/records.h"
#include "model/supportlist.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <random>

using namespace vesk;

namespace {

// A float whose four bytes all differ from zero.
const float kF = std::bit_cast<float>(0x41424344u);

// Offset of the first byte that changes when `change` is applied to a zero record.
template <class Rec>
std::size_t firstChangedByte(const std::function<void(Rec&)>& change)
{
    Rec base{};
    Rec changed{};
    change(changed);
    std::string a = EncodeRec(base), b = EncodeRec(changed);
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return i;
    return std::string::npos;
}

int16_t i16At(const std::string& s, std::size_t off)
{
    int16_t v;
    std::memcpy(&v, s.data() + off, 2);
    return v;
}

float f32At(const std::string& s, std::size_t off)
{
    float v;
    std::memcpy(&v, s.data() + off, 4);
    return v;
}

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

TEST(CaseRecLayout, SizesWithAndWithoutStrings)
{
    CaseRec r{};
    EXPECT_EQ(EncodeRec(r).size(), 4040u);
    r.CabSeq[3] = "(0-4-4)";
    r.PlotColor = 9;
    r.CostFlags[0] = 5;
    std::string s = EncodeRec(r);
    ASSERT_EQ(s.size(), 4047u);
    // The string sits in its slot, and every later field moves by 7 bytes.
    EXPECT_EQ(i16At(s, 880 + 6), 7);
    EXPECT_EQ(s.substr(880 + 8, 7), "(0-4-4)");
    EXPECT_EQ(i16At(s, 922 + 7), 5);
    EXPECT_EQ(i16At(s, 4038 + 7), 9);
}

TEST(CaseRecLayout, FieldsAtTabulatedOffsets)
{
    using F = std::function<void(CaseRec&)>;
    const std::vector<std::pair<std::size_t, F>> cases = {
        {0, [](CaseRec& r) { r.SizeIdx = 1; }},
        {12, [](CaseRec& r) { r.CabAutoMat = 1; }},
        {14, [](CaseRec& r) { r.Reserved14[0] = 1; }},
        {16, [](CaseRec& r) { r.CabUserNum = 1; }},
        {20, [](CaseRec& r) { r.CabSets = 1; }},
        {22, [](CaseRec& r) { r.Reserved22[0] = 1; }},
        {41, [](CaseRec& r) { r.Reserved22[19] = 1; }},
        {42, [](CaseRec& r) { r.Rows = 1; }},
        {44, [](CaseRec& r) { r.Warn[0] = 1; }},
        {64, [](CaseRec& r) { r.Warn[10] = 1; }},
        {66, [](CaseRec& r) { r.Spacing = kF; }},
        {78, [](CaseRec& r) { r.ActTpf = kF; }},
        {82, [](CaseRec& r) { r.Par[0] = kF; }},
        {110, [](CaseRec& r) { r.Par[7] = kF; }},
        {114, [](CaseRec& r) { r.TotCost = kF; }},
        {154, [](CaseRec& r) { r.CribA = kF; }},
        {178, [](CaseRec& r) { r.CabMatLen = kF; }},
        {182, [](CaseRec& r) { r.Reserved182[0] = 1; }},
        {242, [](CaseRec& r) { r.SafetyFactor = kF; }},
        {246, [](CaseRec& r) { r.Coverage = kF; }},
        {250, [](CaseRec& r) { r.Avail[0] = 1; }},
        {292, [](CaseRec& r) { r.Yield[0] = kF; }},
        {712, [](CaseRec& r) { r.PlanWid[0] = kF; }},
        {796, [](CaseRec& r) { r.PlanLen[0] = kF; }},
        {880, [](CaseRec& r) { r.CabSeq[0] = "x"; }},
        {1006, [](CaseRec& r) { r.UnitCost[0] = kF; }},
        {2010, [](CaseRec& r) { r.UserTransCost[20] = kF; }},
        {2014, [](CaseRec& r) { r.TimeBasis[0] = 1; }},
        {2056, [](CaseRec& r) { r.PieceTime[0] = kF; }},
        {2308, [](CaseRec& r) { r.CarsPerTrip[0] = 1; }},
        {2350, [](CaseRec& r) { r.PkgWid[0] = kF; }},
        {3690, [](CaseRec& r) { r.UnloadCost[20] = kF; }},
        {3694, [](CaseRec& r) { r.WtBasis[0] = 1; }},
        {3736, [](CaseRec& r) { r.NoFixPiece[0] = 1; }},
        {3778, [](CaseRec& r) { r.UnitWt[0] = kF; }},
        {4030, [](CaseRec& r) { r.PlotVis = 1; }},
        {4032, [](CaseRec& r) { r.NumPts = 1; }},
        {4038, [](CaseRec& r) { r.PlotColor = 1; }},
    };
    for (const auto& [offset, change] : cases)
        EXPECT_EQ(firstChangedByte<CaseRec>(change), offset) << "field expected at " << offset;
}

TEST(CaseRecLayout, OtherMeaningsShareTheirSlot)
{
    CaseRec r{};
    r.CabDrillTime()[1] = 2.5f;   // slot of PlanWid
    r.CabDrillTime1()[1] = 3.5f;  // slot of PlanLen
    r.CabPerSet() = 4;            // slot of Rows
    r.CabRefLen()[2] = 48;        // slot of PackFactor, also PostShape
    r.NumPerLayer() = 2;
    EXPECT_EQ(r.PlanWid[1], 2.5f);
    EXPECT_EQ(r.PlanLen[1], 3.5f);
    EXPECT_EQ(r.Rows, 4);
    EXPECT_EQ(r.PostShape()[2], 48);
    EXPECT_EQ(r.SizeIdx, 2);
    std::string s = EncodeRec(r);
    EXPECT_EQ(f32At(s, 712 + 4), 2.5f);
    EXPECT_EQ(f32At(s, 796 + 4), 3.5f);
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
        CaseRec r = decode<CaseRec>(bytes);
        EXPECT_EQ(EncodeRec(r), bytes);
    }
}

TEST(CaseRecLayout, ShortOrMalformedInputIsAReadError)
{
    CaseRec r{};
    r.CabSeq[5] = "(0-2-2)";
    const std::string full = EncodeRec(r);
    for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(879), std::size_t(881), std::size_t(900),
                          full.size() - 1}) {
        BinReader rd(std::string_view(full).substr(0, n));
        CaseRec out;
        EXPECT_THROW(ReadRec(rd, out), ReadError) << "length " << n;
    }
    std::string negative = full;
    negative[880] = '\xff';
    negative[881] = '\xff';  // count -1
    BinReader rd1(negative);
    CaseRec out;
    EXPECT_THROW(ReadRec(rd1, out), ReadError);
    std::string tooLong = EncodeRec(CaseRec{});
    tooLong[880 + 40] = '\x10';  // last string claims 4096 bytes
    tooLong[880 + 41] = '\x10';
    BinReader rd2(tooLong);
    EXPECT_THROW(ReadRec(rd2, out), ReadError);
}

TEST(CaseRecLayout, TextOutsideTheCodePageIsRefusedOnWrite)
{
    CaseRec r{};
    r.CabSeq[1] = "\xe6\xbc\xa2";  // a CJK character
    EXPECT_THROW(EncodeRec(r), WriteError);
    r.CabSeq[1] = "caf\xc3\xa9 \xe2\x82\xac";  // "café €" fits the code page
    std::string s = EncodeRec(r);
    EXPECT_EQ(s.size(), 4046u);
    EXPECT_EQ(decode<CaseRec>(s).CabSeq[1], r.CabSeq[1]);
}

TEST(CritRecLayout, SizeAndOffsets)
{
    using F = std::function<void(CritRec&)>;
    EXPECT_EQ(EncodeRec(CritRec{}).size(), 144u);
    const std::vector<std::pair<std::size_t, F>> cases = {
        {2, [](CritRec& r) { r.Timing = 1; }},
        {20, [](CritRec& r) { r.Reserved20 = kF; }},
        {40, [](CritRec& r) { r.UncontrolledConv = kF; }},
        {44, [](CritRec& r) { r.CurveId = 1; }},
        {46, [](CritRec& r) { r.GRMaxConv = kF; }},
        {54, [](CritRec& r) { r.GREndMode = 1; }},
        {80, [](CritRec& r) { r.BlockFlags = 1; }},
        {82, [](CritRec& r) { r.SysCase = 1; }},
        {86, [](CritRec& r) { r.SysSpac = kF; }},
        {110, [](CritRec& r) { r.ArbRows = kF; }},
        {114, [](CritRec& r) { r.CabFailHt = kF; }},
        {138, [](CritRec& r) { r.CabDepth = kF; }},
        {142, [](CritRec& r) { r.CabBlockFlags = 1; }},
    };
    for (const auto& [offset, change] : cases)
        EXPECT_EQ(firstChangedByte<CritRec>(change), offset) << "field expected at " << offset;
}

TEST(CurveRecLayout, SizeOffsetsAndName)
{
    using F = std::function<void(CurveRec&)>;
    EXPECT_EQ(EncodeRec(CurveRec{}).size(), 348u);
    const std::vector<std::pair<std::size_t, F>> cases = {
        {32, [](CurveRec& r) { r.Id = 1; }},
        {34, [](CurveRec& r) { r.NumPts = 1; }},
        {36, [](CurveRec& r) { r.Rows[0] = 1; }},
        {60, [](CurveRec& r) { r.Conv[0] = kF; }},
        {108, [](CurveRec& r) { r.Tons[0] = kF; }},
        {156, [](CurveRec& r) { r.Spacing[0] = kF; }},
        {204, [](CurveRec& r) { r.Width[0] = kF; }},
        {252, [](CurveRec& r) { r.Height[0] = kF; }},
        {344, [](CurveRec& r) { r.Intensity[11] = kF; }},
    };
    for (const auto& [offset, change] : cases)
        EXPECT_EQ(firstChangedByte<CurveRec>(change), offset) << "field expected at " << offset;

    CurveRec c{};
    c.Name = "Panel 3 tailgate";
    std::string s = EncodeRec(c);
    EXPECT_EQ(s.substr(0, 32), "Panel 3 tailgate                ");
    c.Name = std::string(40, 'x') + "tail";
    s = EncodeRec(c);
    EXPECT_EQ(s.size(), 348u);
    EXPECT_EQ(s.substr(0, 32), std::string(32, 'x'));
    // A padded name read back is written back unchanged.
    CurveRec back = decode<CurveRec>(s);
    EXPECT_EQ(EncodeRec(back), s);
}

TEST(PlotRecLayout, SizeOffsetsAndStoredYType)
{
    using F = std::function<void(PlotRec&)>;
    EXPECT_EQ(EncodeRec(PlotRec{}).size(), 34u);
    EXPECT_EQ(firstChangedByte<PlotRec>(F([](PlotRec& r) { r.XMax = kF; })), 6u);
    EXPECT_EQ(firstChangedByte<PlotRec>(F([](PlotRec& r) { r.YAuto[0] = 1; })), 10u);
    EXPECT_EQ(firstChangedByte<PlotRec>(F([](PlotRec& r) { r.YMax[0] = kF; })), 18u);
    PlotRec p{};
    p.YType = 2;
    p.YMax[3] = 12.5f;
    PlotRec back = decode<PlotRec>(EncodeRec(p));
    EXPECT_EQ(back.YType, 2);
    EXPECT_EQ(back, p);
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

TEST_F(SupportList, TemplateFollowsCategoryNotCode)
{
    EXPECT_EQ(TemplateIndex(1), 1);
    EXPECT_EQ(TemplateIndex(6), 6);
    EXPECT_EQ(TemplateIndex(7), 8);  // category 7: cable bolts
    EXPECT_EQ(TemplateIndex(9), 7);  // file-defined standing type
    EXPECT_EQ(TemplateIndex(0), 0);
    EXPECT_EQ(TemplateIndex(10), 0);
    ASSERT_EQ(AppendSupport(9, "Crib A"), 1);
    EXPECT_EQ(G.Cases[1].Par[0], 7.0f);
    EXPECT_EQ(G.DefCases[1].Par[0], 7.0f);
    ASSERT_EQ(AppendSupport(7, "Cables"), 2);
    EXPECT_EQ(G.Cases[2].Par[0], 8.0f);
    EXPECT_EQ(G.CurCaseNo, 2);
    EXPECT_EQ(G.CaseName[2], "Cables");
}

TEST_F(SupportList, AtMostTenSupports)
{
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(AppendSupport(2, "Post"), i);
    EXPECT_EQ(AppendSupport(2, "Post"), 0);
    EXPECT_EQ(G.NumCases, 10);
    EXPECT_EQ(G.CurCaseNo, 10);
}

TEST_F(SupportList, UpdateProtocolCountsCommits)
{
    AppendSupport(1, "Crib");
    auto commit = [] { ++G.ChangeCount; };
    auto cancel = [] {};
    // A new support becomes updated only when both dialogs commit.
    EXPECT_EQ(RunUpdateProtocol(1, commit, cancel), 0);
    EXPECT_EQ(RunUpdateProtocol(1, commit, commit), 1);
    // An updated support stays updated when both are cancelled.
    EXPECT_EQ(RunUpdateProtocol(1, cancel, cancel), 1);
    // Selection mode skips the cost dialog and leaves the mark alone.
    G.Cases[1].Updated = 0;
    G.SelectMode = -1;
    bool costShown = false;
    EXPECT_EQ(RunUpdateProtocol(1, commit, [&] { costShown = true; }), 0);
    EXPECT_FALSE(costShown);
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
