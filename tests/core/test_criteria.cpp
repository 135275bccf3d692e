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

    // Valid boxes: density 160 lb/ft³, CMRR 50, depth 800 ft, safety factor 2.
    static BlockInputs inputs(float failHt, float yieldZone = 10, float conv = 1.5f)
    {
        BlockInputs in;
        in.failHt = failHt, in.dens = 160, in.cmrr = 50, in.yieldZone = yieldZone;
        in.depth = 800, in.conv = conv, in.sf = 2;
        return in;
    }
};

TEST_F(Criteria, BlockLoadsAndDerivedInputsFollowTheWorkedNumbers)
{
    const BlockLoads standing = BlockLoadDensity(10, 20, 10, 160);
    EXPECT_FLOAT_EQ(standing.shear, 20.0f);
    EXPECT_FLOAT_EQ(standing.arch, 15.708f);
    EXPECT_FLOAT_EQ(FailHtFromCMRR(33, 17), 11.4f);  // 11.39 to the tenth
    EXPECT_EQ(YieldZoneFromDepth(499, 96), 0.0f);
    EXPECT_EQ(YieldZoneFromDepth(500, 96), 9.0f);    // 8.77
    EXPECT_EQ(YieldZoneFromDepth(1000, 96), 10.0f);  // 10.34
    EXPECT_EQ(YieldZoneFromDepth(1000, 48), 5.0f);   // half the height, half the zone (5.17)
    EXPECT_TRUE(ValidCMRR(100.0f));
    EXPECT_FALSE(ValidCMRR(0.0f) || ValidCMRR(101.0f) || ValidCMRR(std::nullopt));
}

TEST_F(Criteria, CalcBlockStoresInOrderAndStopsAtTheFirstInvalidBox)
{
    CritRec c;
    c.FailHt = 3, c.RockDens = 150, c.YieldZone = 7;
    BlockInputs in = inputs(10);
    in.dens = 0;
    BlockResult r = CalcBlock(c, in, kStandingBlock, 20);
    EXPECT_EQ(r.bad, BlockBox::Dens);
    EXPECT_EQ(r.message, "Invalid density");
    EXPECT_EQ(c.FailHt, 10.0f);    // read before the bad box: stored
    EXPECT_EQ(c.RockDens, 150.0f);  // the bad box: kept
    EXPECT_EQ(c.YieldZone, 7.0f);   // after it: not read
    EXPECT_EQ(c.Tpf, 0.0f);

    EXPECT_EQ(CalcBlock(c, inputs(10, -1), kStandingBlock, 20).message, "Invalid yield zone width");
    EXPECT_EQ(CalcBlock(c, inputs(10, 0, 0), kStandingBlock, 20).message, "Invalid design convergence");
    EXPECT_EQ(CalcBlock(c, inputs(10, 0, 0), kCableBlock, 20).message, "Invalid design displacement");
    EXPECT_EQ(CalcBlock(c, inputs(0), kStandingBlock, 20).message, "Invalid failure height");

    in = inputs(10);
    in.shear = false, in.fromDepth = true;
    c.BlockFlags = 8 | kBlockFromCMRR;  // bits of no meaning here are kept
    EXPECT_TRUE(CalcBlock(c, in, kStandingBlock, 20).message.empty());
    EXPECT_FLOAT_EQ(c.Tpf, 15.708f);
    EXPECT_EQ(c.Conv, 1.5f);
    EXPECT_EQ(c.BlockConv, 1.5f);
    EXPECT_EQ(c.BlockFlags, 8 | kBlockArch | kBlockFromDepth);
    EXPECT_EQ(c.CabTpf, 0.0f);  // the other group's fields stay
    EXPECT_EQ(c.CabConv, 0.0f);
}

TEST_F(Criteria, ASkippedCMRROrDepthKeepsThePreviousValue)
{
    CritRec c;
    c.CMRR = 60, c.Depth = 900, c.CabCMRR = 60;
    BlockInputs in = inputs(10);
    in.cmrr = 150, in.depth = 0;
    EXPECT_TRUE(CalcBlock(c, in, kStandingBlock, 20).message.empty());
    EXPECT_EQ(std::make_pair(c.CMRR, c.Depth), std::make_pair(60.0f, 900.0f));
    in.cmrr = 0, in.depth = 5;
    CalcBlock(c, in, kStandingBlock, 20);
    EXPECT_EQ(std::make_pair(c.CMRR, c.Depth), std::make_pair(60.0f, 5.0f));

    in.cmrr = std::nullopt;
    EXPECT_TRUE(CalcBlock(c, in, kCableBlock, 20).message.empty());
    EXPECT_EQ(c.CabCMRR, 60.0f);
    in.cmrr = 150;  // the cable frame takes any CMRR above 0
    CalcBlock(c, in, kCableBlock, 20);
    EXPECT_EQ(c.CabCMRR, 150.0f);
}

TEST_F(Criteria, CableBlockTakesTheSafetyFactorFromOneToTen)
{
    for (std::optional<float> sf : {std::optional(1.0f), std::optional(10.0f), std::optional(0.9f),
                                     std::optional(10.5f), std::optional<float>()}) {
        const bool good = sf && *sf >= 1 && *sf <= 10;
        CritRec c;
        c.CabSF = 2;
        BlockInputs in = inputs(5, 10, 2);
        in.sf = sf;
        EXPECT_EQ(CalcBlock(c, in, kCableBlock, 20).message, good ? "" : "Invalid safety factor");
        EXPECT_EQ(c.CabSF, good ? *sf : 2.0f);
        EXPECT_FLOAT_EQ(c.CabTpf, good ? 10.0f : 0.0f);
        EXPECT_EQ(c.CabConv, 2.0f);
        EXPECT_EQ(c.Tpf, 0.0f);
    }
}

TEST_F(Criteria, SecurityCheckByTiming)
{
    CritRec c;
    c.Conv = 2;
    SecurityCheck s = CheckSecurity(c, true);
    EXPECT_STREQ(TimingName(s), "Not applicable");
    EXPECT_EQ(s.controlled, 2.0f);

    c.UncontrolledConv = 0.5f, c.Timing = 1;
    s = CheckSecurity(c, true);
    EXPECT_STREQ(TimingName(s), "Concurrent");
    EXPECT_EQ(std::make_pair(s.conv, s.controlled), std::make_pair(1.5f, 1.5f));
    c.Timing = 0;
    s = CheckSecurity(c, true);
    EXPECT_STREQ(TimingName(s), "Independent");
    EXPECT_EQ(std::make_pair(s.conv, s.controlled), std::make_pair(2.5f, 2.0f));

    // An amount equal to the design convergence ends Concurrent timing where
    // the rule is enforced; the design-basis summary shows what is stored.
    c.UncontrolledConv = 2, c.Timing = 1;
    EXPECT_TRUE(CheckSecurity(c, false).concurrent);
    EXPECT_EQ(c.Timing, 1);
    s = CheckSecurity(c, true);
    EXPECT_TRUE(s.timingReset && !s.concurrent);
    EXPECT_EQ(c.Timing, 0);
    EXPECT_EQ(s.conv, 4.0f);
}

TEST_F(Criteria, WorkingValuesFollowTheLoadDensityPerWidthAndTheNotesTheUnits)
{
    G.DesignCrit.Conv = 1.5f, G.DesignCrit.Tpf = 99, G.DesignCrit.TpfPerWid = 0.8f;
    G.EntryWid = 20;
    RefreshWorkingValues();
    EXPECT_EQ(G.DesignConv, 1.5f);
    EXPECT_FLOAT_EQ(G.DesignTpf, 16.0f);
    EXPECT_EQ(G.DesignCrit.Tpf, G.DesignTpf);

    // The load density per ft of width follows a width that can hold it.
    CritRec c;
    c.Tpf = 20, c.TpfPerWid = 7;
    KeepTpfPerWid(c, 0);
    KeepTpfPerWid(c, 1e-38f);
    EXPECT_FALSE(HoldsTpfPerWid(c, 1e-38f));
    EXPECT_EQ(c.TpfPerWid, 7.0f);
    KeepTpfPerWid(c, 16);
    EXPECT_EQ(c.TpfPerWid, 1.25f);

    SetDesignBasis(3);
    EXPECT_EQ(G.BasisName, "Abitrary criteria");
    G.DesignCrit.FailHt = 11.39f, G.DesignCrit.YieldZone = 10;
    EXPECT_EQ(BasisNotes(0), "Failure height: 11.4 ft\r\nYield zone width: 10 ft");
    G.MetricUnits = -1;
    EXPECT_EQ(BasisNotes(0), "Failure height: 3.5 m\r\nYield zone width: 3.0 m");
    G.DesignCrit.SysSpac = 48, G.DesignCrit.SysRows = 2;
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
    // Supports of these types, all marked updated, and the flags raised; the
    // marks they keep after the propagation.
    std::vector<int> propagate(std::initializer_list<int16_t> types, std::initializer_list<int16_t*> flags,
                               const std::string& said)
    {
        G.NumCases = 0;
        for (int16_t t : types) {
            G.CaseType[++G.NumCases] = t;
            G.Cases[G.NumCases].Updated = 1;
        }
        for (int16_t* f : flags)
            *f = -1;
        EXPECT_EQ(PropagateCriteriaChange(), said);
        EXPECT_TRUE(G.SizeChanged == 0 && G.CritChangedSS == 0 && G.CritChangedCB == 0);
        std::vector<int> m;
        for (int i = 1; i <= G.NumCases; ++i)
            m.push_back(G.Cases[i].Updated);
        return m;
    }
};

TEST_F(Propagation, EachChangeClearsTheMarksOfExactlyItsGroups)
{
    const std::string said = "Design criteria have changed. Check performance of all defined";
    const std::string standing = "\r\nstanding supports", cable = "\r\ncable bolt supports";
    EXPECT_EQ(propagate({1, 7, 1}, {&G.CritChangedSS}, said + standing), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(propagate({1, 7, 1}, {&G.CritChangedCB}, said + cable), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(propagate({1, 7}, {&G.SizeChanged}, said + standing + cable), (std::vector<int>{0, 0}));

    // A group with no support drops its flag; nothing changed, nothing said.
    EXPECT_EQ(propagate({7, 7}, {&G.CritChangedSS}, ""), (std::vector<int>{1, 1}));
    EXPECT_EQ(propagate({1}, {&G.SizeChanged}, said + standing), std::vector<int>{0});
    propagate({}, {&G.SizeChanged, &G.CritChangedSS, &G.CritChangedCB}, "");
}

TEST_F(Propagation, CommitsRaiseTheFlagsOfTheirTable)
{
    G.DesignCrit.EntryWid = 20, G.DesignCrit.EntryHt = 96, G.DesignCrit.CabSF = 2;
    G.VerifySS = -1;
    // A copy of the criteria with one change, committed by a dialog; the flags afterwards.
    auto commit = [](auto change, CritGroup group) {
        G.SizeChanged = G.CritChangedSS = G.CritChangedCB = 0;
        CritRec copy = G.DesignCrit;
        change(copy);
        CommitCriteria(copy, false, group);
        return std::make_tuple(G.SizeChanged, G.CritChangedSS, G.CritChangedCB);
    };
    using Flags = std::tuple<int16_t, int16_t, int16_t>;
    const Flags none{0, 0, 0}, standing{0, -1, 0}, cable{0, 0, -1};

    // A change of basis alone, with the same values, marks nothing; nor do
    // the other group's values.
    EXPECT_EQ(commit([](CritRec& c) { c.Basis = 3, c.CabConv = 5; }, CritGroup::Standing), none);
    EXPECT_EQ(G.VerifySS, 0);
    EXPECT_EQ(G.DesignCrit.CabConv, 5.0f);
    for (auto f : {&CritRec::Conv, &CritRec::Tpf, &CritRec::TpfPerWid, &CritRec::UncontrolledConv,
                   &CritRec::RoofBearing, &CritRec::FloorBearing})
        EXPECT_EQ(commit([f](CritRec& c) { c.*f += 1; }, CritGroup::Standing), standing);
    EXPECT_EQ(commit([](CritRec& c) { c.Timing = 1; }, CritGroup::Standing), standing);
    // Another curve or end treatment counts under the curve basis only.
    for (int16_t basis : {0, 1}) {
        G.DesignCrit.Basis = basis;
        EXPECT_EQ(commit([](CritRec& c) { ++c.CurveId; }, CritGroup::Standing), basis == 1 ? standing : none);
        EXPECT_EQ(commit([](CritRec& c) { c.GREndMode = int16_t((c.GREndMode + 1) % 3); }, CritGroup::Standing),
                  basis == 1 ? standing : none);
    }

    // A size change is reported as such, not as a value change.
    EXPECT_EQ(commit([](CritRec& c) { c.EntryHt = 90, c.Conv += 1; }, CritGroup::Standing), Flags(-1, 0, 0));
    EXPECT_EQ(G.VerifyCB, -1);
    EXPECT_EQ(VerifyCriteriaText(), "Verify design criteria for:\r\nCable bolts");
    G.SizeChanged = 0;
    CommitCriteria(G.DesignCrit, true, CritGroup::Cable);  // block inputs copied to the standing set
    EXPECT_EQ(G.SizeChanged, -1);
    EXPECT_EQ(std::make_pair(G.VerifySS, G.VerifyCB), std::make_pair(int16_t(-1), int16_t(0)));
    EXPECT_EQ(VerifyCriteriaText(), "Verify design criteria for:\r\nStanding supports");
    G.VerifySS = 0;
    EXPECT_EQ(VerifyCriteriaText(), "");

    for (auto f : {&CritRec::CabConv, &CritRec::CabTpf, &CritRec::Reserved20, &CritRec::CabSF})
        EXPECT_EQ(commit([f](CritRec& c) { c.*f += 1; }, CritGroup::Cable), cable);
    EXPECT_EQ(commit([](CritRec& c) { c.RoofBearing += 1; }, CritGroup::Cable), none);
}

}  // namespace

TEST(BlockCopy, EachGroupsInputsGoToTheOthersFields)
{
    CritRec c;
    c.FailHt = 1, c.RockDens = 2, c.CMRR = 3, c.YieldZone = 4, c.Depth = 5, c.BlockFlags = 6, c.BlockConv = 7;
    c.Conv = 8, c.Tpf = 9, c.CabTpf = 10, c.CabSF = 11;
    CopyBlockInputs(c, kStandingBlock, kCableBlock);
    // The frame's convergence, not the criteria's; load density and safety factor untouched.
    EXPECT_EQ(std::tie(c.CabFailHt, c.CabRockDens, c.CabCMRR, c.CabYieldZone, c.CabDepth, c.CabConv, c.CabTpf, c.CabSF),
              std::make_tuple(1.f, 2.f, 3.f, 4.f, 5.f, 7.f, 10.f, 11.f));
    EXPECT_EQ(c.CabBlockFlags, 6);
    CopyBlockInputs(c, kCableBlock, kStandingBlock);
    EXPECT_EQ(std::tie(c.Conv, c.Tpf), std::make_tuple(8.f, 9.f));  // the standing design values stay
}
