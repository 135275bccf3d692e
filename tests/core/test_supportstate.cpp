// What a dialog puts back after building supports' curves in passing: the
// current support and the tables, and the coefficients of a crib rebuilt at
// another height, wherever the support list has since moved it; what was done
// in the list itself stays.
#include "model/cribmodel.h"
#include "model/supportedit.h"
#include "model/supportstate.h"

#include <gtest/gtest.h>

using namespace vesk;

TEST(SupportState, PutsBackWhatWasBuiltInPassingAndKeepsTheListsOwnEdits)
{
    ResetGlobals();
    G.NumCases = 3;
    G.CaseType = {0, 1, 2, 1};  // two cribs of 6 x 6 x 36 in, 1200 psi, 900 lb, around a post
    for (int i : {1, 3}) {
        G.Cases[i].NumPerLayer() = 2;
        G.Cases[i].Par = {6, 6, 36, 3, 1200, 900, 0, 0};
    }
    G.Cases[3].UserSpacing = 40;
    G.Cases[2].Rows = 2;
    G.EntryHt = 84;
    ASSERT_TRUE(UpdateCrib(1) == 0 && UpdateCrib(3) == 0);
    ASSERT_EQ(G.Cases[1].CribB, 0.6f);  // 63 / 84 - 0.15
    G.CurCaseNo = 2, G.CurCase = G.Cases[2];
    const GlobalState before = G;
    const SupportState state = SupportState::Take();

    // At 63 in both cribs are rebuilt; crib 1 is duplicated and then deleted, crib 3 redesigned.
    G.EntryHt = 63;
    ASSERT_TRUE(UpdateCrib(1) == 0 && UpdateCrib(3) == 0);
    ASSERT_EQ(G.Cases[1].CribB, 0.85f);  // 63 / 63 - 0.15
    DuplicateSupport(1);
    DeleteSupport(1);
    G.Cases[2].UserSpacing = 50;
    state.Restore();

    EXPECT_EQ(G.NumCases, 3);
    EXPECT_EQ(G.Cases[1], before.Cases[2]);
    EXPECT_EQ(G.Cases[2].CribB, 0.85f);  // the redesign stays whole
    EXPECT_EQ(G.Cases[2].UserSpacing, 50.0f);
    EXPECT_EQ(G.Cases[3], before.Cases[1]);  // the duplicate, moved to 3, built for 84 in again
    EXPECT_TRUE(G.CurCaseNo == 2 && G.CurCase == before.CurCase && G.EntryHt == 84 && G.PerfB == 0.6f);

    // A current support deleted meanwhile is no current support.
    DeleteSupport(3);
    DeleteSupport(2);
    state.Restore();
    EXPECT_EQ(G.CurCaseNo, 0);
}
