// The load-convergence curve of a concrete crib (donut, four-point, solid or
// stopping block crib) from its bearing area, concrete strength and the wood
// laid between its layers.
#pragma once

#include <cstdint>

namespace vesk {

// Builds the curve of the concrete crib in G.CurCase (its type from
// CaseType(CurCaseNo), 3 to 6) as model 1 of G.PerfConv/G.PerfLoad, which are
// created anew with models 0..1 and points 0..7; sets CurCase.NumPts to 7
// first of all. Returns 0 with the seven points written; -1 when the type is
// not a concrete crib or CurCaseNo is outside the list (the tables untouched),
// and -1 when the crib's stress is 0 or less or the arithmetic fails (the
// tables created anew, model 1 with no points).
int16_t CalcConcreteCurve();

}  // namespace vesk
