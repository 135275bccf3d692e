// The performance of a cable-bolt support: the curve routines, the worked
// example with and without the limit of 4 cables per roof-bolt set, the cable
// count and arrangement, the mat, the input checks and the guards that keep
// the previous results.
#include "model/cablebolts/cableperf.h"
#include "model/globals.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vesk {
namespace {

using Curve = std::vector<std::pair<float, float>>;
using Texts = std::vector<std::string>;

// Size 1 holds this curve.
void SetCurve(const Curve& pts)
{
    G.PerfConv.redim(2, 8);
    G.PerfLoad.redim(2, 8);
    G.PerfConv(1, 0) = static_cast<float>(pts.size());
    for (std::size_t i = 0; i < pts.size(); ++i)
        std::tie(G.PerfConv(1, static_cast<int>(i) + 1), G.PerfLoad(1, static_cast<int>(i) + 1)) = pts[i];
}

// The warnings with the flags they raise ("text/flag"), and the messages ("title: text").
Texts Said(const CabOutcome& o, bool messages = false)
{
    Texts out;
    for (const Warning& w : o.warnings)
        if (!messages)
            out.push_back(w.text + "/" + std::to_string(w.flag));
    for (const CabMessage& m : o.messages)
        if (messages)
            out.push_back(m.title + ": " + m.text);
    return out;
}

// The worked example: curve (0.5, 10), (1, 15), (2, 20) on 60 in, yield
// value 0; cable 14 ft with 5 ft of resin, no preload, 6-in plates, 3 sets
// at 4 ft; 10 tons/ft at 0.75 in, safety factor 1.5, failure height 5 ft, a
// 20-ft entry.
class CablePerf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        SetCurve({{0.5f, 10}, {1, 15}, {2, 20}});
        G.CurCase.CabRefLen()[1] = 60;
        G.DesignTpf = 10, G.DesignConv = 0.75f, G.EntryWid = 20;
        G.DesignCrit.CabSF = 1.5f, G.DesignCrit.CabFailHt = 5;
        in = {};
        in.listIndex = 0, in.cables = 1, in.sets = 3, in.boltSpacing = 4;
        in.cableLength = 14, in.resinLength = 5, in.preload = 0, in.matLength = 0;
    }
    void TearDown() override { ResetGlobals(); }

    CabOutcome run() { return CalcPerfCab(in); }
    const CaseRec& c = G.CurCase;
    CabInputs in;
};

TEST_F(CablePerf, CurveRoutinesWalkTheSegmentsFromTheOrigin)
{
    SetCurve({{0.5f, 10}, {0.5f, 14}, {1, 14}, {1.5f, 12}, {2, 20}});
    EXPECT_FLOAT_EQ(LoadAtDisp(0.25f), 5);
    EXPECT_FLOAT_EQ(LoadAtDisp(0.5f), 10);  // the first segment that holds it
    EXPECT_FLOAT_EQ(LoadAtDisp(1.25f), 13);
    EXPECT_EQ(LoadAtDisp(-0.1f), -1);
    EXPECT_EQ(LoadAtDisp(2.5f), -1);
    EXPECT_FLOAT_EQ(DispAtLoad(12), 0.5f);  // on the vertical segment: its start
    EXPECT_FLOAT_EQ(DispAtLoad(16), 1.75f);
    EXPECT_EQ(DispAtLoad(21), -1);

    SetCurve({{0, 8}, {1, 8}});
    EXPECT_FLOAT_EQ(LoadAtDisp(0), 8);  // a vertical segment gives its larger load
    SetCurve({{0.5f, 0}, {1, 10}});
    EXPECT_FLOAT_EQ(DispAtLoad(0), 0);  // a level segment gives its start
    G.CurCase.SizeIdx = 1;  // a size without points
    EXPECT_EQ(LoadAtDisp(0), -1);
    EXPECT_EQ(DispAtLoad(0), -1);
}

TEST_F(CablePerf, WorkedExampleWithAndWithoutTheLimitOfFourCablesPerSet)
{
    in.limit4 = true;
    CabOutcome o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_TRUE(o.messages.empty());
    EXPECT_NEAR(o.terms.allowable, 13.3333, 1e-4);
    EXPECT_NEAR(o.terms.allowableDisp, 1.5, 1e-5);  // on the scale k = 1.8
    EXPECT_NEAR(o.terms.ratio, 14.4, 1e-4);         // 120 tons a set over 8.33 a cable
    EXPECT_FLOAT_EQ(c.Spacing, 12);
    EXPECT_EQ(c.CabPerSet(), 12);
    EXPECT_EQ(Said(o), (Texts{"Limited to 4 cables per bolt set/0", "Displacement > design value/4"}));
    EXPECT_FLOAT_EQ(c.ActTpf, 10);
    EXPECT_FLOAT_EQ(c.ActConv, 0.9f);
    EXPECT_FLOAT_EQ(c.SafetyFactor, 2);
    EXPECT_EQ(c.CabSeq[1], "(4-4-4)");
    EXPECT_FLOAT_EQ(c.Coverage, 1.25f);

    in.limit4 = false;
    o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(c.CabPerSet(), 15);
    EXPECT_EQ(Said(o), Texts{"Exceeds 4 cables per bolt set/3"});
    EXPECT_FLOAT_EQ(c.ActConv, 0.72f);
    EXPECT_FLOAT_EQ(c.SafetyFactor, 2.5f);
    EXPECT_EQ(c.CabSeq[1], "(7-4-4)");

    // The yield limit is 1.8 in: 9 cables (1.5 in) are not in yield, 7 (2.57 in) are.
    // A negative yield value is a percentage of the 9 ft of free length: -1 %
    // is 1.08 in, above the 0.9 in of 12 cables; -0.5 % is 0.54 in, below the
    // 0.72 in of 15. A positive value is a displacement on the curve's scale:
    // 0.6 in is 1.08 in, above the 0.9 in of 12 cables, below the 1.5 in of 9.
    in.userDefined = true;
    for (auto [cables, yield, inYield] : {std::tuple{9, 0.0f, false}, std::tuple{7, 0.0f, true},
                                          std::tuple{12, -1.0f, false}, std::tuple{15, -0.5f, true},
                                          std::tuple{12, 0.6f, false}, std::tuple{9, 0.6f, true}}) {
        in.cables = static_cast<float>(cables);
        G.CurCase.Yield[1] = yield;
        ASSERT_TRUE(run().complete());
        EXPECT_EQ(c.Warn[1], inYield ? -1 : 0) << cables << " cables, " << c.ActConv << " in";
    }
}

TEST_F(CablePerf, CableCountAndArrangement)
{
    EXPECT_EQ(ArrangementText(CableArrangement(10, 3)), "(2-4-4)");
    EXPECT_EQ(ArrangementText(CableArrangement(9, 2)), "(5-4)");
    EXPECT_EQ(ArrangementText(CableArrangement(6, 1)), "(6)");

    // Free length 5 ft (k 1) and 0.5 in of design displacement: 10 tons per
    // cable. Two sets at 2 ft: x = 4, the next whole number 5, the next even 6.
    in.cableLength = 10, in.sets = 2, in.boltSpacing = 2;
    G.DesignConv = 0.5f;
    for (bool even : {false, true}) {
        in.evenOnly = even;
        const CabOutcome o = run();
        ASSERT_TRUE(o.complete());
        EXPECT_DOUBLE_EQ(o.terms.ratio, 4);
        EXPECT_EQ(c.CabPerSet(), even ? 6 : 5);
        EXPECT_EQ(c.SpacMode, 0);
    }

    // User-defined: the typed whole number, flagged beyond 4 per set.
    in.userDefined = true;
    in.cables = 9.7f;
    EXPECT_EQ(Said(run()), Texts{"Exceeds 4 cables per bolt set/3"});
    EXPECT_EQ(c.CabUserNum, 9);
    EXPECT_EQ(c.CabPerSet(), 9);
    EXPECT_EQ(c.SpacMode, 1);
}

TEST_F(CablePerf, MatOverTheLoadedSets)
{
    G.CurCase.CabPlate = 2;
    G.CurCase.Par[4] = 12;  // mat width, in
    in.userDefined = true, in.cables = 8, in.autoMat = true;
    CabOutcome o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(c.CabSeq[1], "(0-4-4)");
    EXPECT_FLOAT_EQ(c.CabMatLen, 16);
    EXPECT_FLOAT_EQ(c.Par[2], 32);
    EXPECT_FLOAT_EQ(*o.matShown, 32);
    EXPECT_FLOAT_EQ(c.Coverage, 32.0f * 100 / 240);

    // A typed length is used and kept; a bad one is refused, the automatic
    // length taking its place.
    in.autoMat = false, in.matLength = 20;
    EXPECT_FALSE(run().matShown);
    EXPECT_EQ(std::make_pair(c.Par[2], c.Par[3]), std::make_pair(20.0f, 20.0f));
    in.matLength = -1;
    o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(Said(o, true), Texts{"Error: Invalid mat length. Must be >= 0"});
    EXPECT_EQ(std::make_pair(c.Par[2], c.Par[3]), std::make_pair(32.0f, 32.0f));

    // The 8-in plate leaves the mat length as it was.
    G.CurCase.CabPlate = 1;
    G.CurCase.CabMatLen = 3;
    ASSERT_TRUE(run().complete());
    EXPECT_FLOAT_EQ(c.Coverage, 8 * 64.0f / 144 * 100 / 240);
    EXPECT_FLOAT_EQ(c.CabMatLen, 3);
}

TEST_F(CablePerf, InputChecksStopAtTheFirstBadBoxKeepingTheEarlierOnes)
{
    in.resinLength = 14;  // not below the cable length
    in.sets = 2.9f, in.boltSpacing = 5;
    G.CurCase.ActTpf = 7;
    CabOutcome o = run();
    EXPECT_EQ(o.end, CabEnd::BadInput);
    EXPECT_EQ(Said(o, true), Texts{"Error: Invalid resin length. Must be < Hole length."});
    EXPECT_EQ(c.CabSets, 2);
    EXPECT_FLOAT_EQ(c.CabBoltSpac(), 5);
    EXPECT_FLOAT_EQ(c.Par[0], 14);
    EXPECT_FLOAT_EQ(c.Par[1], 0);
    EXPECT_FLOAT_EQ(c.ActTpf, 7);

    const std::pair<void (*)(CabInputs&), const char*> bad[] = {
        {[](CabInputs& i) { i.userDefined = true, i.cables = 0.9f; }, "Invalid no. of cables"},
        {[](CabInputs& i) { i.userDefined = true, i.cables = 32768; }, "Invalid no. of cables"},
        {[](CabInputs& i) { i.sets = 5; }, "Invalid no. of sets (<= 4)"},
        {[](CabInputs& i) { i.sets = 0.5f; }, "Invalid no. of sets (<= 4)"},
        {[](CabInputs& i) { i.boltSpacing = std::nullopt; }, "Invalid bolt spacing"},
        {[](CabInputs& i) { i.cableLength = 0; }, "Invalid hole length"},
        {[](CabInputs& i) { i.resinLength = -1; }, "Invalid resin length. Must be < Hole length."},
        {[](CabInputs& i) { i.preload = -0.1f; }, "Invalid preload"},
    };
    for (const auto& [spoil, text] : bad) {
        SetUp();
        spoil(in);
        o = run();
        EXPECT_EQ(o.end, CabEnd::BadInput) << text;
        EXPECT_EQ(Said(o, true), Texts{std::string("Error: ") + text});
    }

    // No size, and a size with a single point.
    in.listIndex = -1;
    EXPECT_EQ(run().end, CabEnd::NoSize);
    SetCurve({{1, 10}});
    in.listIndex = 0;
    o = run();
    EXPECT_EQ(o.end, CabEnd::TooFewPoints);
    EXPECT_EQ(Said(o, true), Texts{"Attention: Too few data points for this model"});
}

TEST_F(CablePerf, NoLoadAtTheDesignPointKeepsEveryPreviousResult)
{
    ASSERT_TRUE(run().complete());
    const CaseRec done = c;
    G.DesignCrit.CabSF = 1;  // would be reset by a calculation that goes on
    auto expectKept = [&](const CaseRec& kept) {
        const CabOutcome o = run();
        EXPECT_EQ(o.end, CabEnd::NoLoad);
        EXPECT_EQ(Said(o, true), Texts{std::string("Attention: ") + kNoLoadText});
        EXPECT_EQ(c, kept);
        EXPECT_FLOAT_EQ(G.DesignCrit.CabSF, 1);
    };
    G.DesignTpf = 0;  // no design load density and no preload: no load per cable
    expectKept(done);
    G.DesignTpf = 10, G.DesignConv = 0;  // no load at the design point
    expectKept(done);
    G.DesignConv = 0.75f;
    SetCurve({{0.5f, 0}, {1, 15}, {2, 20}});  // nothing carried up to the design point
    expectKept(done);

    // 10,000 ft between roof bolts: 36,001 cables, beyond the count's field.
    SetCurve({{0.5f, 10}, {1, 15}, {2, 20}});
    in.boltSpacing = 10000;
    CaseRec typed = done;
    typed.CabBoltSpac() = 10000;
    expectKept(typed);
}

TEST_F(CablePerf, ResetsAndWarningsOnTheWay)
{
    // A design safety factor of 1 becomes 1.25; a preload above the
    // ultimate load becomes 0; a reference length of 0 becomes 60.
    G.DesignCrit.CabSF = 1;
    in.preload = 25;
    G.CurCase.CabRefLen()[1] = 0;
    CabOutcome o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(Said(o, true),
              (Texts{"Attention: Design safety factor reset", "Attention: Preload reset. Must be < 20.0 tons"}));
    EXPECT_EQ(Said(o), Texts{"Exceeds 4 cables per bolt set/3"});  // and no preload beyond the ultimate load
    EXPECT_FLOAT_EQ(G.DesignCrit.CabSF, 1.25f);
    EXPECT_TRUE(o.safetyFactorReset && o.preloadReset);
    EXPECT_FLOAT_EQ(c.Par[6], 0);
    EXPECT_FLOAT_EQ(c.CabRefLen()[1], 60);

    // A preload of 15 tons: its displacement on the scaled curve.
    in.preload = 15;
    o = run();
    EXPECT_FLOAT_EQ(c.CabPreDisp, 1.8f);
    EXPECT_TRUE(o.messages.empty());

    // Short resin and free length; in metric display the resin's limit is 1.5 m (under 5 ft).
    in.preload = 0, in.resinLength = 4.9f, in.cableLength = 9;
    EXPECT_EQ(Said(run()), (Texts{"Resin length < 5 ft/5", "Free length < failure height/6"}));
    G.MetricUnits = -1;
    in.resinLength = 1.49f / 0.3048f;
    EXPECT_EQ(Said(run()), (Texts{"Resin length < 1.5 m/5", "Free length < failure height/6"}));
    in.resinLength = 1.51f / 0.3048f;
    run();
    EXPECT_EQ(c.Warn[5], 0);
    G.MetricUnits = 0;

    // A load per cable above the ultimate load is cut to it.
    in.resinLength = 5, in.cableLength = 14, in.userDefined = true, in.cables = 4;
    EXPECT_EQ(Said(run()), (Texts{"Ultimate strength exceeded/7", "Support is in yield/1", "Safety factor < 1.25/8",
                                  "Safety factor < design value/2", "Displacement > design value/4"}));
    EXPECT_FLOAT_EQ(c.SafetyFactor, 1);
    EXPECT_FLOAT_EQ(c.ActConv, 3.6f);

    // Availability by region.
    in.userDefined = false;
    G.CurCase.Avail[1] = 1;
    EXPECT_EQ(Said(run()), (Texts{"Exceeds 4 cables per bolt set/3", "Not available in western U.S./10"}));
    G.EasternMines = -1;
    run();
    EXPECT_EQ(c.Warn[10], 0);
    G.CurCase.Avail[1] = -1;
    EXPECT_EQ(Said(run()), (Texts{"Exceeds 4 cables per bolt set/3", "Not available in eastern U.S./10"}));
}

}  // namespace
}  // namespace vesk
