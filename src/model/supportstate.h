// A copy of everything that designing a support in passing changes: the
// support records, the current support, the model tables and the results of
// the curve routines. A dialog that builds a support's curve for a look (at a
// height it may not commit) takes one first and puts it back afterwards, so
// no support and no table is left changed behind the user's back.
#pragma once

#include "model/globals.h"

namespace vesk {

struct SupportState {
    std::array<CaseRec, kMaxCases + 1> Cases;
    int16_t CurCaseNo = 0, CurType = 0;
    CaseRec CurCase;
    std::vector<int16_t> NumModels;
    Table2D<std::string> ModelName;
    List1D<float> ModelYMax, ModelXMax;
    Table2D<float> PerfConv, PerfLoad;
    float PerfA = 0, PerfK = 0, PerfB = 0, CribRatio = 0, PeakLoad = 0;
    float CurrLoad = 0, CurrConv = 0, CurrTpf = 0, DsnLoad = 0, DsnTpf = 0, DsnConv = 0;
    float CurveMaxLoad = 0, CurveMaxConv = 0;
    float EntryHt = 0;

    static SupportState Take();
    void Restore() const;
};

}  // namespace vesk
