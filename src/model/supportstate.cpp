#include "model/supportstate.h"

namespace vesk {

namespace {

// Copies every member between the state and the globals, in one list so the
// two directions cannot drift apart.
template <class State, class Globals>
void transfer(State& to, Globals& from)
{
    to.Cases = from.Cases;
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

}  // namespace

SupportState SupportState::Take()
{
    SupportState s;
    transfer(s, G);
    return s;
}

void SupportState::Restore() const { transfer(G, *this); }

}  // namespace vesk
