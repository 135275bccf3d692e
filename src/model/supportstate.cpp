#include "model/supportstate.h"

#include <algorithm>
#include <cstddef>

namespace vesk {

namespace {

// Copies every member between the state and the globals, in one list so the
// two directions cannot drift apart.
template <class State, class Globals>
void transfer(State& to, Globals& from)
{
    to.CurCaseNo = from.CurCaseNo;
    to.CurType = from.CurType;
    to.CurCase = from.CurCase;
    to.NumModels = from.NumModels;
    to.ModelName = from.ModelName;
    to.ModelYMax = from.ModelYMax;
    to.ModelXMax = from.ModelXMax;
    to.PerfConv = from.PerfConv;
    to.PerfLoad = from.PerfLoad;
    to.PerfA = from.PerfA, to.PerfK = from.PerfK, to.PerfB = from.PerfB;
    to.CribRatio = from.CribRatio, to.PeakLoad = from.PeakLoad;
    to.CurrLoad = from.CurrLoad, to.CurrConv = from.CurrConv, to.CurrTpf = from.CurrTpf;
    to.DsnLoad = from.DsnLoad, to.DsnTpf = from.DsnTpf, to.DsnConv = from.DsnConv;
    to.CurveMaxLoad = from.CurveMaxLoad, to.CurveMaxConv = from.CurveMaxConv;
    to.EntryHt = from.EntryHt;
}

// The record with the coefficients of another.
CaseRec withCoefficientsOf(CaseRec r, const CaseRec& from)
{
    r.CribA = from.CribA, r.CribK = from.CribK, r.CribB = from.CribB;
    return r;
}

}  // namespace

SupportState SupportState::Take()
{
    SupportState s;
    transfer(s, G);
    s.Cases = G.Cases;
    s.NumCases = G.NumCases;
    return s;
}

void SupportState::Restore() const
{
    transfer(G, *this);
    // Supports deleted in the list may leave the current one beyond its end.
    if (G.CurCaseNo > G.NumCases)
        G.CurCaseNo = 0;
    const int taken = std::min<int>(NumCases, kMaxCases);
    const int now = std::min<int>(G.NumCases, kMaxCases);
    for (int i = 1; i <= now; ++i) {
        if (G.CaseType[static_cast<std::size_t>(i)] != 1)
            continue;
        CaseRec& r = G.Cases[static_cast<std::size_t>(i)];
        const auto rebuilt = [&](int j) {
            const CaseRec& old = Cases[static_cast<std::size_t>(j)];
            return j <= taken && withCoefficientsOf(r, old) == old;
        };
        // The same place first: a support moved by a deletion is found further on.
        int j = rebuilt(i) ? i : 0;
        for (int k = 1; k <= taken && j == 0; ++k)
            j = rebuilt(k) ? k : 0;
        if (j > 0)
            r = Cases[static_cast<std::size_t>(j)];
    }
}

}  // namespace vesk
