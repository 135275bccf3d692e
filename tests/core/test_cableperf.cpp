// The performance of a cable-bolt support: the curve routines, the worked
// example with and without the limit of 4 cables per roof-bolt set, the cable
// count and arrangement, the mat, the input checks and the guards that keep
// the previous results.
#include "model/cablebolts/cableperf.h"
#include "model/globals.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vesk {
namespace {

using Curve = std::vector<std::pair<float, float>>;

// Size 1 holds this curve, on a free length of 60 in.
void SetCurve(const Curve& pts)
{
    G.PerfConv.redim(2, 8);
    G.PerfLoad.redim(2, 8);
    G.PerfConv(1, 0) = static_cast<float>(pts.size());
    for (std::size_t i = 0; i < pts.size(); ++i)
        std::tie(G.PerfConv(1, static_cast<int>(i) + 1), G.PerfLoad(1, static_cast<int>(i) + 1)) = pts[i];
}

std::vector<std::string> Texts(const std::vector<Warning>& ws)
{
    std::vector<std::string> out;
    for (const Warning& w : ws)
        out.push_back(w.text);
    return out;
}

std::vector<std::string> Texts(const std::vector<CabMessage>& ms)
{
    std::vector<std::string> out;
    for (const CabMessage& m : ms)
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
        G.DesignTpf = 10;
        G.DesignConv = 0.75f;
        G.DesignCrit.CabSF = 1.5f;
        G.DesignCrit.CabFailHt = 5;
        G.EntryWid = 20;
        in.listIndex = 0;
        in.cables = 1;
        in.sets = 3;
        in.boltSpacing = 4;
        in.cableLength = 14;
        in.resinLength = 5;
        in.preload = 0;
        in.matLength = 0;
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
    EXPECT_FLOAT_EQ(DispAtLoad(14), 0.5f);
    EXPECT_FLOAT_EQ(DispAtLoad(16), 1.75f);
    EXPECT_EQ(DispAtLoad(21), -1);

    SetCurve({{0.5f, 10}, {0.5f, 10}, {1, 10}});
    EXPECT_FLOAT_EQ(LoadAtDisp(0.5f), 10);
    EXPECT_FLOAT_EQ(DispAtLoad(10), 0.5f);  // a level segment gives its start
    SetCurve({{0.4f, 8}, {0.4f, 12}});
    EXPECT_FLOAT_EQ(LoadAtDisp(0.4f), 8);  // the end of the first segment
    G.CurCase.SizeIdx = 1;  // a size without points
    EXPECT_EQ(LoadAtDisp(0), -1);
    EXPECT_EQ(DispAtLoad(0), -1);
}

TEST_F(CablePerf, WorkedExampleLimitedToFourCablesPerSet)
{
    in.limit4 = true;
    const CabOutcome o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_TRUE(o.messages.empty());
    EXPECT_NEAR(o.terms.scale, 1.8, 1e-6);
    EXPECT_NEAR(o.terms.allowable, 13.3333, 1e-4);
    EXPECT_NEAR(o.terms.allowableDisp, 1.5, 1e-5);
    EXPECT_NEAR(o.terms.designLoad, 8.3333, 1e-4);
    EXPECT_NEAR(o.terms.required, 120, 1e-4);
    EXPECT_NEAR(o.terms.ratio, 14.4, 1e-4);
    EXPECT_FLOAT_EQ(c.Spacing, 12);
    EXPECT_EQ(c.CabPerSet(), 12);
    EXPECT_EQ(Texts(o.warnings),
              (std::vector<std::string>{"Limited to 4 cables per bolt set", "Displacement > design value"}));
    EXPECT_EQ(c.Warn[3], 0);
    EXPECT_EQ(c.Warn[4], -1);
    EXPECT_FLOAT_EQ(c.ActTpf, 10);
    EXPECT_FLOAT_EQ(c.ActConv, 0.9f);
    EXPECT_FLOAT_EQ(c.SafetyFactor, 2);
    EXPECT_FLOAT_EQ(c.CabPreDisp, 0);
    EXPECT_EQ(c.CabSeq[1], "(4-4-4)");
    EXPECT_FLOAT_EQ(c.Coverage, 1.25f);
    EXPECT_EQ(c.SpacMode, 0);
    EXPECT_EQ(c.NumPts, 3);

    // The yield limit is 1.8 in: 9 cables (1.5 in) are not in yield, 7 (2.57 in) are.
    in.userDefined = true;
    for (auto [cables, inYield] : {std::pair{9, false}, std::pair{7, true}}) {
        in.cables = static_cast<float>(cables);
        ASSERT_TRUE(run().complete());
        EXPECT_EQ(c.Warn[1], inYield ? -1 : 0) << cables << " cables, " << c.ActConv << " in";
    }
}

TEST_F(CablePerf, WorkedExampleWithoutTheLimit)
{
    const CabOutcome o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(c.CabPerSet(), 15);
    EXPECT_EQ(Texts(o.warnings), std::vector<std::string>{"Exceeds 4 cables per bolt set"});
    EXPECT_EQ(c.Warn[3], -1);
    EXPECT_FLOAT_EQ(c.ActTpf, 10);
    EXPECT_FLOAT_EQ(c.ActConv, 0.72f);
    EXPECT_FLOAT_EQ(c.SafetyFactor, 2.5f);
    EXPECT_EQ(c.CabSeq[1], "(7-4-4)");
}

TEST_F(CablePerf, CableCountAndArrangement)
{
    EXPECT_EQ(ArrangementText(CableArrangement(8, 3)), "(0-4-4)");
    EXPECT_EQ(ArrangementText(CableArrangement(10, 3)), "(2-4-4)");
    EXPECT_EQ(ArrangementText(CableArrangement(12, 3)), "(4-4-4)");
    EXPECT_EQ(ArrangementText(CableArrangement(9, 2)), "(5-4)");
    EXPECT_EQ(ArrangementText(CableArrangement(6, 1)), "(6)");

    // Free length 5 ft (k 1) and 0.5 in of design displacement: 10 tons per
    // cable at the design point, so the load per set fixes x.
    in.cableLength = 10;
    G.DesignConv = 0.5f;
    struct Case {
        int sets;
        float boltSpacing;
        bool even;
        int cables;
    };
    for (const Case& t : {Case{1, 3, false, 4}, Case{1, 3, true, 4}, Case{2, 2, true, 6}, Case{2, 2, false, 5}}) {
        in.sets = static_cast<float>(t.sets);
        in.boltSpacing = t.boltSpacing;
        in.evenOnly = t.even;
        const CabOutcome o = run();
        ASSERT_TRUE(o.complete());
        EXPECT_DOUBLE_EQ(o.terms.ratio, t.sets * t.boltSpacing);
        EXPECT_EQ(c.CabPerSet(), t.cables) << t.sets << " sets at " << t.boltSpacing << (t.even ? ", even" : "");
    }

    // User-defined: the typed whole number, flagged beyond 4 per set.
    in.userDefined = true;
    in.cables = 9.7f;
    ASSERT_TRUE(run().complete());
    EXPECT_EQ(c.CabUserNum, 9);
    EXPECT_EQ(c.CabPerSet(), 9);
    EXPECT_EQ(c.Warn[3], -1);
    EXPECT_EQ(c.SpacMode, 1);
}

TEST_F(CablePerf, MatOverTheLoadedSets)
{
    G.CurCase.CabPlate = 2;
    G.CurCase.Par[4] = 12;  // mat width, in
    in.userDefined = true;
    in.cables = 8;
    in.autoMat = true;
    CabOutcome o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(c.CabSeq[1], "(0-4-4)");
    EXPECT_FLOAT_EQ(c.CabMatLen, 16);
    EXPECT_FLOAT_EQ(c.Par[2], 32);
    EXPECT_FLOAT_EQ(*o.matShown, 32);
    EXPECT_FLOAT_EQ(c.Coverage, 32.0f * 100 / 240);

    // A typed length is used and kept; a bad one is refused, the automatic
    // length taking its place.
    in.autoMat = false;
    in.matLength = 20;
    o = run();
    EXPECT_FALSE(o.matShown);
    EXPECT_FLOAT_EQ(c.Par[2], 20);
    EXPECT_FLOAT_EQ(c.Par[3], 20);
    in.matLength = -1;
    o = run();
    ASSERT_TRUE(o.complete());
    EXPECT_EQ(Texts(o.messages), std::vector<std::string>{"Error: Invalid mat length. Must be >= 0"});
    EXPECT_FLOAT_EQ(c.Par[2], 32);
    EXPECT_FLOAT_EQ(c.Par[3], 32);

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
    in.sets = 2.9f;
    in.boltSpacing = 5;
    in.cableLength = 14;
    G.CurCase.ActTpf = 7;
    CabOutcome o = run();
    EXPECT_EQ(o.end, CabEnd::BadInput);
    EXPECT_EQ(Texts(o.messages), std::vector<std::string>{"Error: Invalid resin length. Must be < Hole length."});
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
        EXPECT_EQ(Texts(o.messages), std::vector<std::string>{std::string("Error: ") + text});
    }

    // No size, and a size with a single point.
    in.listIndex = -1;
    EXPECT_EQ(run().end, CabEnd::NoSize);
    SetCurve({{1, 10}});
    in.listIndex = 0;
    o = run();
    EXPECT_EQ(o.end, CabEnd::TooFewPoints);
    EXPECT_EQ(Texts(o.messages), std::vector<std::string>{"Attention: Too few data points for this model"});
}

TEST_F(CablePerf, NoLoadAtTheDesignPointKeepsEveryPreviousResult)
{
    ASSERT_TRUE(run().complete());
    const CaseRec done = c;
    G.DesignCrit.CabSF = 1;  // would be reset by a calculation that goes on

    // No design load density and no preload: no load per cable.
    G.DesignTpf = 0;
    CabOutcome o = run();
    EXPECT_EQ(o.end, CabEnd::NoLoad);
    EXPECT_EQ(Texts(o.messages), std::vector<std::string>{std::string("Attention: ") + kNoLoadText});
    EXPECT_EQ(c, done);
    EXPECT_FLOAT_EQ(G.DesignCrit.CabSF, 1);

    // No design displacement: no load at the design point.
    G.DesignTpf = 10;
    G.DesignConv = 0;
    EXPECT_EQ(run().end, CabEnd::NoLoad);
    EXPECT_EQ(c, done);
    // A curve that carries nothing up to the design point.
    G.DesignConv = 0.75f;
    SetCurve({{0.5f, 0}, {1, 15}, {2, 20}});
    EXPECT_EQ(run().end, CabEnd::NoLoad);
    EXPECT_EQ(c, done);

    // 10,000 ft between roof bolts: 36,001 cables, beyond the count's field.
    SetCurve({{0.5f, 10}, {1, 15}, {2, 20}});
    in.boltSpacing = 10000;
    EXPECT_EQ(run().end, CabEnd::NoLoad);
    CaseRec typed = done;
    typed.CabBoltSpac() = 10000;
    EXPECT_EQ(c, typed);
    EXPECT_FLOAT_EQ(G.DesignCrit.CabSF, 1);
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
    EXPECT_EQ(Texts(o.messages), (std::vector<std::string>{"Attention: Design safety factor reset",
                                                           "Attention: Preload reset. Must be < 20.0 tons"}));
    EXPECT_FLOAT_EQ(G.DesignCrit.CabSF, 1.25f);
    EXPECT_TRUE(o.safetyFactorReset && o.preloadReset);
    EXPECT_FLOAT_EQ(c.Par[6], 0);
    EXPECT_FLOAT_EQ(c.CabPreDisp, 0);
    EXPECT_FLOAT_EQ(c.CabRefLen()[1], 60);

    // A preload of 15 tons: its displacement on the scaled curve, the design
    // point measured from it.
    in.preload = 15;
    o = run();
    EXPECT_FLOAT_EQ(c.CabPreDisp, 1.8f);
    EXPECT_TRUE(o.messages.empty());

    // Short resin and free length, in English and metric display.
    in.preload = 0;
    in.resinLength = 4.9f;
    in.cableLength = 9;
    G.DesignCrit.CabFailHt = 5;
    o = run();
    EXPECT_EQ(c.Warn[5], -1);
    EXPECT_EQ(c.Warn[6], -1);
    EXPECT_EQ(o.warnings[0].text, "Resin length < 5 ft");
    EXPECT_EQ(o.warnings[1].text, "Free length < failure height");
    G.MetricUnits = -1;
    for (auto [metres, flagged] : {std::pair{1.49f, true}, std::pair{1.6f, false}}) {
        in.resinLength = metres / 0.3048f;
        o = run();
        EXPECT_EQ(c.Warn[5], flagged ? -1 : 0) << metres;
        EXPECT_EQ(!o.warnings.empty() && o.warnings[0].text == "Resin length < 1.5 m", flagged);
    }
    G.MetricUnits = 0;

    // A load per cable above the ultimate load is cut to it.
    in.resinLength = 5;
    in.cableLength = 14;
    in.userDefined = true;
    in.cables = 4;
    G.DesignTpf = 10;
    o = run();
    EXPECT_FLOAT_EQ(c.SafetyFactor, 1);
    EXPECT_FLOAT_EQ(c.ActConv, 3.6f);
    for (int flag : {7, 8, 2, 1})
        EXPECT_EQ(c.Warn[flag], -1) << flag;

    // Availability by region.
    in.userDefined = false;
    G.CurCase.Avail[1] = 1;
    o = run();
    EXPECT_EQ(o.warnings.back().text, "Not available in western U.S.");
    EXPECT_EQ(c.Warn[10], -1);
    G.EasternMines = -1;
    o = run();
    EXPECT_EQ(c.Warn[10], 0);
    G.CurCase.Avail[1] = -1;
    o = run();
    EXPECT_EQ(o.warnings.back().text, "Not available in eastern U.S.");
}

TEST_F(CablePerf, NegativeYieldIsAPercentageOfTheFreeLengthInInches)
{
    // 9 ft of free length: -0.5 % gives 0.54 in, -1 % gives 1.08 in.
    G.CurCase.Yield[1] = -0.5f;
    ASSERT_TRUE(run().complete());  // 0.72 in
    EXPECT_EQ(c.Warn[1], -1);
    G.CurCase.Yield[1] = -1;
    in.limit4 = true;
    ASSERT_TRUE(run().complete());  // 0.9 in
    EXPECT_EQ(c.Warn[1], 0);
}

}  // namespace
}  // namespace vesk
