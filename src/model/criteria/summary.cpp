#include "model/criteria/summary.h"

#include "model/globals.h"
#include "model/units.h"
#include "model/numfmt.h"
#include "model/vbmath.h"

#include <cmath>
#include <limits>

namespace vesk {

SecurityCheck CheckSecurity(CritRec& c, bool enforceTiming)
{
    SecurityCheck s;
    const double d = c.Conv, u = c.UncontrolledConv;
    if (u == 0) {
        s.controlled = c.Conv;
        return s;
    }
    s.none = false;
    if (c.Timing != 0 && enforceTiming && u >= d) {
        c.Timing = 0;
        s.timingReset = true;
    }
    s.concurrent = c.Timing != 0;
    if (s.concurrent) {
        s.controlled = CSng(d - u);
        s.conv = s.controlled;
    } else {
        s.controlled = c.Conv;
        s.conv = CSng(d + u);
    }
    return s;
}

const char* TimingName(const SecurityCheck& s)
{
    if (s.none)
        return "Not applicable";
    return s.concurrent ? "Concurrent" : "Independent";
}

bool HoldsTpfPerWid(const CritRec& c, float entryWid)
{
    if (!(entryWid > 0))
        return false;
    const double q = static_cast<double>(c.Tpf) / entryWid;
    return std::isfinite(q) && std::fabs(q) <= std::numeric_limits<float>::max();
}

void KeepTpfPerWid(CritRec& c, float entryWid)
{
    if (HoldsTpfPerWid(c, entryWid))
        c.TpfPerWid = CSng(static_cast<double>(c.Tpf) / entryWid);
}

void SetDesignBasis(int16_t basis)
{
    G.DesignBasis = basis;
    G.BasisName = basis >= 0 && basis < static_cast<int>(kBasisNames.size()) ? kBasisNames[basis] : "";
}

void RefreshWorkingValues()
{
    G.DesignConv = G.DesignCrit.Conv;
    G.DesignTpf = CSng(static_cast<double>(G.DesignCrit.TpfPerWid) * G.EntryWid);
    G.DesignCrit.Tpf = G.DesignTpf;
}

namespace {

std::string blockNotes(float failHt, float yieldZone)
{
    return "Failure height: " + FmtVal(failHt, 11, "0.0", "0.0") + " " + UnitLabel(11) + G.CrLf +
           "Yield zone width: " + FmtVal(yieldZone, 11, "0", "0.0") + " " + UnitLabel(11);
}

std::string rightTrimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

}  // namespace

std::string BasisNotes(int16_t basis)
{
    const CritRec& c = G.DesignCrit;
    switch (basis) {
    case 0:
        return blockNotes(c.FailHt, c.YieldZone);
    case 1:
        return "GR curve: " + rightTrimmed(G.DesignCurve.Name);
    case 2:
        return "Spacing: " + FormatMetric(c.SysSpac, 6) + " " + UnitLabel(6) + G.CrLf +
               "No. rows: " + FormatPattern(c.SysRows, "0");
    default:
        return "";
    }
}

std::string CableNotes() { return blockNotes(G.DesignCrit.CabFailHt, G.DesignCrit.CabYieldZone); }

}  // namespace vesk
