#include "model/criteria/changes.h"

#include "model/globals.h"
#include "model/supportlist.h"

namespace vesk {

namespace {

constexpr int16_t kTrue = -1;

// Under the curve basis another curve or end treatment changes the
// requirement beyond the measured points even with the same design values.
bool standingValuesDiffer(const CritRec& a, const CritRec& b)
{
    if (a.Basis == 1 && (a.CurveId != b.CurveId || a.GREndMode != b.GREndMode))
        return true;
    return a.Conv != b.Conv || a.Tpf != b.Tpf || a.TpfPerWid != b.TpfPerWid ||
           a.UncontrolledConv != b.UncontrolledConv || a.Timing != b.Timing || a.RoofBearing != b.RoofBearing ||
           a.FloorBearing != b.FloorBearing;
}

// The design safety factor counts with the cable values: the cable-bolt
// design is held to it, so supports designed for another one are stale.
bool cableValuesDiffer(const CritRec& a, const CritRec& b)
{
    return a.CabConv != b.CabConv || a.CabTpf != b.CabTpf || a.Reserved20 != b.Reserved20 || a.CabSF != b.CabSF;
}

void clearChangeFlags()
{
    G.SizeChanged = 0;
    G.CritChangedSS = 0;
    G.CritChangedCB = 0;
}

}  // namespace

void CommitCriteria(const CritRec& copy, bool copiedAcross, CritGroup group)
{
    const CritRec& old = G.DesignCrit;
    const bool standing = group == CritGroup::Standing;
    if (copy.EntryWid != old.EntryWid || copy.EntryHt != old.EntryHt || copiedAcross) {
        (standing ? G.VerifyCB : G.VerifySS) = kTrue;
        G.SizeChanged = kTrue;
    } else if (standing ? standingValuesDiffer(copy, old) : cableValuesDiffer(copy, old)) {
        (standing ? G.CritChangedSS : G.CritChangedCB) = kTrue;
    }
    G.DesignCrit = copy;
    (standing ? G.VerifySS : G.VerifyCB) = 0;
}

std::string VerifyCriteriaText()
{
    if (G.VerifySS == 0 && G.VerifyCB == 0)
        return "";
    std::string text = "Verify design criteria for:";
    if (G.VerifySS != 0)
        text += G.CrLf + "Standing supports";
    if (G.VerifyCB != 0)
        text += G.CrLf + "Cable bolts";
    return text;
}

std::string PropagateCriteriaChange()
{
    if (G.NumCases < 1) {
        clearChangeFlags();
        return "";
    }
    if (G.SizeChanged != 0) {
        G.CritChangedSS = kTrue;
        G.CritChangedCB = kTrue;
    }
    if (G.CritChangedSS == 0 && G.CritChangedCB == 0) {
        clearChangeFlags();
        return "";
    }
    bool standing = false, cable = false;
    for (int i = 1; i <= G.NumCases && i <= kMaxCases; ++i) {
        const bool isCable = IsCableType(G.CaseType[i]);
        (isCable ? cable : standing) = true;
        if ((isCable ? G.CritChangedCB : G.CritChangedSS) != 0)
            G.Cases[i].Updated = 0;
    }
    if (!standing)
        G.CritChangedSS = 0;
    if (!cable)
        G.CritChangedCB = 0;
    std::string text;
    if (G.CritChangedSS != 0 || G.CritChangedCB != 0) {
        text = "Design criteria have changed. Check performance of all defined";
        if (G.CritChangedSS != 0)
            text += G.CrLf + "standing supports";
        if (G.CritChangedCB != 0)
            text += G.CrLf + "cable bolt supports";
    }
    clearChangeFlags();
    return text;
}

}  // namespace vesk
