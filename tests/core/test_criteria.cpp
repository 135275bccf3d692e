// The criteria core: detached-block loads and the derived inputs, the security
// check, the working values, and what a commit of the criteria does to the
// supports already designed.
#include "core_helpers.h"
#include "model/criteria/block.h"
#include "model/criteria/changes.h"
#include "model/criteria/summary.h"
#include "model/units.h"

using namespace vesk;

namespace {

class Criteria : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.CrLf = "\r\n";
    }
    void TearDown() override { ResetGlobals(); }

    static BlockInputs inputs(float failHt, float dens, float yieldZone, float conv)
    {
        BlockInputs in;
        in.failHt = failHt;
        in.dens = dens;
        in.cmrr = 50;
        in.yieldZone = yieldZone;
        in.depth = 800;
        in.conv = conv;
        in.sf = 2;
        return in;
    }
};

TEST_F(Criteria, BlockLoadsAndDerivedInputsFollowTheWorkedNumbers)
{
    const BlockLoads standing = BlockLoadDensity(10, 20, 10, 160);
    EXPECT_FLOAT_EQ(standing.shear, 20.0f);
    EXPECT_FLOAT_EQ(standing.arch, 15.708f);
    EXPECT_EQ(FormatMetric(standing.arch, 2), "15.7");
    const BlockLoads cable = BlockLoadDensity(10, 20, 5, 160);
    EXPECT_FLOAT_EQ(cable.shear, 10.0f);
    EXPECT_FLOAT_EQ(cable.arch, 7.854f);

    EXPECT_FLOAT_EQ(FailHtFromCMRR(80, 20), 4.0f);
    EXPECT_FLOAT_EQ(FailHtFromCMRR(33, 17), 11.4f);  // 11.39 to the tenth
    EXPECT_FLOAT_EQ(FailHtFromCMRR(100, 20), 0.0f);

    EXPECT_EQ(YieldZoneFromDepth(499, 96), 0.0f);
    EXPECT_EQ(YieldZoneFromDepth(500, 96), 9.0f);    // 8.77
    EXPECT_EQ(YieldZoneFromDepth(1000, 96), 10.0f);  // 10.34
    EXPECT_EQ(YieldZoneFromDepth(2000, 96), 12.0f);  // 12.11
    EXPECT_EQ(YieldZoneFromDepth(1000, 48), 5.0f);   // half the height, half the zone (5.17)

    EXPECT_TRUE(ValidCMRR(0.5f));
    EXPECT_TRUE(ValidCMRR(100.0f));
    EXPECT_FALSE(ValidCMRR(0.0f));
    EXPECT_FALSE(ValidCMRR(101.0f));
    EXPECT_FALSE(ValidCMRR(std::nullopt));
}

TEST_F(Criteria, CalcBlockStoresInOrderAndStopsAtTheFirstInvalidBox)
{
    CritRec c;
    c.FailHt = 3;
    c.RockDens = 150;
    c.YieldZone = 7;
    BlockInputs in = inputs(10, 160, 10, 1.5f);
    in.dens = 0;
    BlockResult r = CalcBlock(c, in, kStandingBlock, 20);
    EXPECT_EQ(r.bad, BlockBox::Dens);
    EXPECT_EQ(r.message, "Invalid density");
    EXPECT_EQ(c.FailHt, 10.0f);    // read before the bad box: stored
    EXPECT_EQ(c.RockDens, 150.0f);  // the bad box: kept
    EXPECT_EQ(c.YieldZone, 7.0f);   // after it: not read
    EXPECT_EQ(c.Tpf, 0.0f);

    in = inputs(10, 160, -1, 1.5f);
    EXPECT_EQ(CalcBlock(c, in, kStandingBlock, 20).message, "Invalid yield zone width");
    in = inputs(10, 160, 0, 0);
    EXPECT_EQ(CalcBlock(c, in, kStandingBlock, 20).message, "Invalid design convergence");
    EXPECT_EQ(CalcBlock(c, in, kCableBlock, 20).message, "Invalid design displacement");
    in = inputs(0, 160, 0, 1);
    EXPECT_EQ(CalcBlock(c, in, kStandingBlock, 20).message, "Invalid failure height");

    in = inputs(10, 160, 10, 1.5f);
    in.shear = false;
    in.fromDepth = true;
    c.BlockFlags = 8 | kBlockFromCMRR;  // bits of no meaning here are kept
    r = CalcBlock(c, in, kStandingBlock, 20);
    EXPECT_TRUE(r.message.empty());
    EXPECT_FLOAT_EQ(c.Tpf, 15.708f);
    EXPECT_EQ(c.Conv, 1.5f);
    EXPECT_EQ(c.BlockConv, 1.5f);
    EXPECT_EQ(c.BlockFlags, 8 | kBlockArch | kBlockFromDepth);
    EXPECT_EQ(c.CabTpf, 0.0f);  // the other group's fields stay
    EXPECT_EQ(c.CabConv, 0.0f);
}

TEST_F(Criteria, ASkippedCMRROrDepthKeepsThePreviousValue)
{
    for (float bad : {-5.0f, 0.0f, 150.0f}) {
        CritRec c;
        c.CMRR = 60;
        c.Depth = 900;
        BlockInputs in = inputs(10, 160, 10, 1.5f);
        in.cmrr = bad;
        in.depth = -bad;
        EXPECT_TRUE(CalcBlock(c, in, kStandingBlock, 20).message.empty());
        EXPECT_EQ(c.CMRR, 60.0f) << bad;
        EXPECT_EQ(c.Depth, bad < 0 ? 5.0f : 900.0f) << bad;
    }
    CritRec c;
    c.CabCMRR = 60;
    BlockInputs in = inputs(5, 160, 10, 1.5f);
    in.cmrr = std::nullopt;
    EXPECT_TRUE(CalcBlock(c, in, kCableBlock, 20).message.empty());
    EXPECT_EQ(c.CabCMRR, 60.0f);
    in.cmrr = 150;  // the cable frame takes any CMRR above 0
    CalcBlock(c, in, kCableBlock, 20);
    EXPECT_EQ(c.CabCMRR, 150.0f);
}

TEST_F(Criteria, CableBlockTakesTheSafetyFactorFromOneToTen)
{
    for (float sf : {1.0f, 1.2f, 10.0f}) {
        CritRec c;
        const BlockResult r = CalcBlock(c, [&] {
            BlockInputs in = inputs(5, 160, 10, 2);
            in.sf = sf;
            return in;
        }(), kCableBlock, 20);
        EXPECT_TRUE(r.message.empty()) << sf;
        EXPECT_EQ(c.CabSF, sf);
        EXPECT_FLOAT_EQ(c.CabTpf, 10.0f);
        EXPECT_EQ(c.CabConv, 2.0f);
        EXPECT_EQ(c.Tpf, 0.0f);
    }
    for (std::optional<float> sf : {std::optional<float>(0.9f), std::optional<float>(10.5f), std::optional<float>()}) {
        CritRec c;
        c.CabSF = 2;
        BlockInputs in = inputs(5, 160, 10, 2);
        in.sf = sf;
        EXPECT_EQ(CalcBlock(c, in, kCableBlock, 20).message, "Invalid safety factor");
        EXPECT_EQ(c.CabSF, 2.0f);
        EXPECT_EQ(c.CabTpf, 0.0f);
    }
}

TEST_F(Criteria, SecurityCheckByTiming)
{
    CritRec c;
    c.Conv = 2;
    SecurityCheck s = CheckSecurity(c, true);
    EXPECT_TRUE(s.none);
    EXPECT_STREQ(TimingName(s), "Not applicable");
    EXPECT_EQ(s.controlled, 2.0f);

    c.UncontrolledConv = 0.5f;
    c.Timing = 1;
    s = CheckSecurity(c, true);
    EXPECT_STREQ(TimingName(s), "Concurrent");
    EXPECT_EQ(FormatMetric(s.conv, 5), "1.50");
    EXPECT_EQ(FormatMetric(s.controlled, 5), "1.50");
    c.Timing = 0;
    s = CheckSecurity(c, true);
    EXPECT_STREQ(TimingName(s), "Independent");
    EXPECT_EQ(FormatMetric(s.conv, 5), "2.50");
    EXPECT_EQ(s.controlled, 2.0f);

    // An amount equal to the design convergence ends Concurrent timing where
    // the rule is enforced; the design-basis summary shows what is stored.
    c.UncontrolledConv = 2;
    c.Timing = 1;
    s = CheckSecurity(c, false);
    EXPECT_TRUE(s.concurrent);
    EXPECT_EQ(s.conv, 0.0f);
    EXPECT_EQ(c.Timing, 1);
    s = CheckSecurity(c, true);
    EXPECT_TRUE(s.timingReset);
    EXPECT_FALSE(s.concurrent);
    EXPECT_EQ(c.Timing, 0);
    EXPECT_EQ(s.conv, 4.0f);
}

TEST_F(Criteria, WorkingValuesFollowTheLoadDensityPerWidthAndTheNotesTheUnits)
{
    G.DesignCrit.Conv = 1.5f;
    G.DesignCrit.Tpf = 99;
    G.DesignCrit.TpfPerWid = 0.8f;
    G.EntryWid = 20;
    RefreshWorkingValues();
    EXPECT_EQ(G.DesignConv, 1.5f);
    EXPECT_FLOAT_EQ(G.DesignTpf, 16.0f);
    EXPECT_EQ(G.DesignCrit.Tpf, G.DesignTpf);

    CritRec c;
    c.Tpf = 20;
    c.TpfPerWid = 7;
    KeepTpfPerWid(c, 0);
    EXPECT_EQ(c.TpfPerWid, 7.0f);
    KeepTpfPerWid(c, 16);
    EXPECT_EQ(c.TpfPerWid, 1.25f);

    SetDesignBasis(3);
    EXPECT_EQ(G.BasisName, "Abitrary criteria");
    G.DesignCrit.FailHt = 11.39f;
    G.DesignCrit.YieldZone = 10;
    EXPECT_EQ(BasisNotes(0), "Failure height: 11.4 ft\r\nYield zone width: 10 ft");
    G.MetricUnits = -1;
    EXPECT_EQ(BasisNotes(0), "Failure height: 3.5 m\r\nYield zone width: 3.0 m");
    G.DesignCrit.SysSpac = 48;
    G.DesignCrit.SysRows = 2;
    G.MetricUnits = 0;
    EXPECT_EQ(BasisNotes(2), "Spacing: 48.0 in\r\nNo. rows: 2");
    G.DesignCurve.Name = "Panel 3";
    EXPECT_EQ(BasisNotes(1), "GR curve: Panel 3");
    EXPECT_EQ(BasisNotes(3), "");
}

// Supports of both groups: types 1 (standing) and 7 (cable bolts).
class Propagation : public Criteria {
protected:
    void SetUp() override
    {
        Criteria::SetUp();
        G.NumTypes = 7;
        G.TypeCat.assign(8, 1);
        G.TypeCat[7] = 7;
    }
    void define(std::initializer_list<int16_t> types)
    {
        G.NumCases = 0;
        for (int16_t t : types) {
            ++G.NumCases;
            G.CaseType[G.NumCases] = t;
            G.Cases[G.NumCases].Updated = 1;
        }
    }
    std::vector<int> marks() const
    {
        std::vector<int> m;
        for (int i = 1; i <= G.NumCases; ++i)
            m.push_back(G.Cases[i].Updated);
        return m;
    }
    bool flagsClear() const { return G.SizeChanged == 0 && G.CritChangedSS == 0 && G.CritChangedCB == 0; }
};

TEST_F(Propagation, EachChangeClearsTheMarksOfExactlyItsGroups)
{
    const std::string both = "Design criteria have changed. Check performance of all defined\r\nstanding supports"
                             "\r\ncable bolt supports";
    define({1, 7, 1});
    G.CritChangedSS = -1;
    EXPECT_EQ(PropagateCriteriaChange(),
              "Design criteria have changed. Check performance of all defined\r\nstanding supports");
    EXPECT_EQ(marks(), (std::vector<int>{0, 1, 0}));
    EXPECT_TRUE(flagsClear());

    define({1, 7, 1});
    G.CritChangedCB = -1;
    EXPECT_EQ(PropagateCriteriaChange(),
              "Design criteria have changed. Check performance of all defined\r\ncable bolt supports");
    EXPECT_EQ(marks(), (std::vector<int>{1, 0, 1}));

    define({1, 7});
    G.SizeChanged = -1;
    EXPECT_EQ(PropagateCriteriaChange(), both);
    EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
    EXPECT_TRUE(flagsClear());

    // A group with no support drops its flag; nothing changed, nothing said.
    define({7, 7});
    G.CritChangedSS = -1;
    EXPECT_EQ(PropagateCriteriaChange(), "");
    EXPECT_EQ(marks(), (std::vector<int>{1, 1}));
    define({7});
    G.SizeChanged = -1;
    EXPECT_EQ(PropagateCriteriaChange(),
              "Design criteria have changed. Check performance of all defined\r\ncable bolt supports");
    define({});
    G.SizeChanged = G.CritChangedSS = G.CritChangedCB = -1;
    EXPECT_EQ(PropagateCriteriaChange(), "");
    EXPECT_TRUE(flagsClear());
    define({1});
    EXPECT_EQ(PropagateCriteriaChange(), "");
    EXPECT_EQ(marks(), (std::vector<int>{1}));
}

TEST_F(Propagation, CommitsRaiseTheFlagsOfTheirTable)
{
    G.DesignCrit.EntryWid = 20;
    G.DesignCrit.EntryHt = 96;
    G.DesignCrit.CabSF = 2;
    G.VerifySS = -1;

    CritRec copy = G.DesignCrit;
    copy.Basis = 3;  // a change of basis alone, with the same values, marks nothing
    copy.CabConv = 5;  // the other group's values do not count for this dialog
    CommitCriteria(copy, false, CritGroup::Standing);
    EXPECT_TRUE(flagsClear());
    EXPECT_EQ(G.VerifySS, 0);
    EXPECT_EQ(G.DesignCrit, copy);

    for (auto change : {&CritRec::Conv, &CritRec::Tpf, &CritRec::TpfPerWid, &CritRec::UncontrolledConv,
                        &CritRec::RoofBearing, &CritRec::FloorBearing}) {
        copy = G.DesignCrit;
        copy.*change += 1;
        CommitCriteria(copy, false, CritGroup::Standing);
        EXPECT_EQ(G.CritChangedSS, -1);
        EXPECT_EQ(G.CritChangedCB, 0);
        G.CritChangedSS = 0;
    }
    copy.Timing = 1;
    CommitCriteria(copy, false, CritGroup::Standing);
    EXPECT_EQ(G.CritChangedSS, -1);
    G.CritChangedSS = 0;
    for (int16_t basis : {0, 1}) {  // another curve or end treatment counts under the curve basis
        copy = G.DesignCrit;
        copy.Basis = basis;
        copy.CurveId += 1;
        CommitCriteria(copy, false, CritGroup::Standing);
        copy.GREndMode = static_cast<int16_t>((copy.GREndMode + 1) % 3);
        CommitCriteria(copy, false, CritGroup::Standing);
        EXPECT_EQ(G.CritChangedSS, basis == 1 ? -1 : 0);
        G.CritChangedSS = 0;
    }

    copy.EntryHt = 90;
    copy.Conv += 1;  // a size change is reported as such, not as a value change
    CommitCriteria(copy, false, CritGroup::Standing);
    EXPECT_EQ(G.SizeChanged, -1);
    EXPECT_EQ(G.VerifyCB, -1);
    EXPECT_EQ(G.CritChangedSS, 0);
    EXPECT_EQ(VerifyCriteriaText(), "Verify design criteria for:\r\nCable bolts");

    G.SizeChanged = 0;
    CommitCriteria(G.DesignCrit, true, CritGroup::Cable);  // block inputs copied to the standing set
    EXPECT_EQ(G.SizeChanged, -1);
    EXPECT_EQ(G.VerifySS, -1);
    EXPECT_EQ(G.VerifyCB, 0);
    EXPECT_EQ(VerifyCriteriaText(), "Verify design criteria for:\r\nStanding supports");
    G.VerifySS = 0;
    EXPECT_EQ(VerifyCriteriaText(), "");

    for (auto change : {&CritRec::CabConv, &CritRec::CabTpf, &CritRec::Reserved20, &CritRec::CabSF}) {
        G.SizeChanged = G.CritChangedCB = 0;
        copy = G.DesignCrit;
        copy.*change += 1;
        CommitCriteria(copy, false, CritGroup::Cable);
        EXPECT_EQ(G.CritChangedCB, -1);
        EXPECT_EQ(G.CritChangedSS, 0);
        EXPECT_EQ(G.SizeChanged, 0);
    }
    copy = G.DesignCrit;
    copy.RoofBearing += 1;  // a standing value, not the cable dialog's concern
    G.CritChangedCB = 0;
    CommitCriteria(copy, false, CritGroup::Cable);
    EXPECT_TRUE(flagsClear());
}

}  // namespace

TEST(BlockCopy, EachGroupsInputsGoToTheOthersFields)
{
    CritRec c;
    c.FailHt = 1, c.RockDens = 2, c.CMRR = 3, c.YieldZone = 4, c.Depth = 5, c.BlockFlags = 6, c.BlockConv = 7;
    c.Conv = 8, c.Tpf = 9, c.CabTpf = 10, c.CabSF = 11;
    CopyBlockInputs(c, kStandingBlock, kCableBlock);
    EXPECT_EQ(c.CabFailHt, 1.0f);
    EXPECT_EQ(c.CabRockDens, 2.0f);
    EXPECT_EQ(c.CabCMRR, 3.0f);
    EXPECT_EQ(c.CabYieldZone, 4.0f);
    EXPECT_EQ(c.CabDepth, 5.0f);
    EXPECT_EQ(c.CabBlockFlags, 6);
    EXPECT_EQ(c.CabConv, 7.0f);  // the frame's convergence, not the criteria's
    EXPECT_EQ(c.CabTpf, 10.0f);  // load density and safety factor untouched
    EXPECT_EQ(c.CabSF, 11.0f);

    c.CabFailHt = 21, c.CabConv = 27, c.CabBlockFlags = 1;
    CopyBlockInputs(c, kCableBlock, kStandingBlock);
    EXPECT_EQ(c.FailHt, 21.0f);
    EXPECT_EQ(c.BlockConv, 27.0f);
    EXPECT_EQ(c.BlockFlags, 1);
    EXPECT_EQ(c.Conv, 8.0f);  // the standing design values stay
    EXPECT_EQ(c.Tpf, 9.0f);
}
