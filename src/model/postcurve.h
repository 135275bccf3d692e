// The load-convergence curve of a timber post, with or without a wooden cap.
#pragma once

#include <cstdint>

namespace vesk {

// Builds the curve of the timber post in G.CurCase (Par(0) diameter in,
// Par(1) strength psi, Par(2) modulus ksi, Par(3) cap thickness in (0: no
// cap), Par(4) cap strength psi, Par(5) cap hardness lb) at the entry height
// G.EntryHt. The post fails at the smaller of its crushing and buckling
// loads; a cap adds a soft first part that follows the wood-crib model up to
// that failure load (cap and post carry the load in series).
//
// G.PerfConv/G.PerfLoad are re-dimensioned to models 0..1 and hold the curve
// as model 1: 10 points with a cap, 3 without, CurCase.NumPts set to match
// (with a cap G.PerfA/K/B hold the cap's crib model). Returns 0 when the post
// crushes, 1 when it buckles (equal loads count as buckling), and -1 when the
// curve cannot be built: no free length (entry height not above the cap
// thickness), a cap whose crib model refuses its inputs, or an arithmetic
// error (a diameter or modulus of 0). After -1, model 1 has no points and
// CurCase.NumPts keeps its former value.
int16_t CalcPostCurve();

}  // namespace vesk
