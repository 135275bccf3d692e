// A copy of what designing a support in passing changes: the current support,
// the model tables, the results of the curve routines and the entry height. A
// dialog that builds a support's curve for a look (at a height it may not
// commit) takes one first and puts it back afterwards. The support list itself
// (count, names, types, records, default records, updated marks) is not put
// back: what the user did in the list opened from such a dialog stays.
#pragma once

#include "model/globals.h"

namespace vesk {

struct SupportState {
    // The records at the take. A wood crib found later whose record differs
    // from one of them in its model coefficients alone had them rebuilt in
    // passing (at another height) and gets them back.
    std::array<CaseRec, kMaxCases + 1> Cases;
    int16_t NumCases = 0;
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
