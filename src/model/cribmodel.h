// The wood-crib model. A crib has no table of points: its load at
// convergence c (in) is P(c) = (A (1 - e^(-B c)) + K c) / 2 tons, with A in
// kips, K in kips/in and B in 1/in, computed from its geometry and wood. The
// coefficients are held in G.PerfA, G.PerfK, G.PerfB while a crib is computed
// and in CribA, CribK, CribB of its support record.
#pragma once

#include <cstdint>

namespace vesk {

// Model coefficients of a crib of n timbers per layer, wood strength s (psi)
// and hardness hd (lb), timber width w, thickness t and length len, crib
// height h and overhang o (in). Returns 0 with G.PerfA, PerfK, PerfB and
// CribRatio set; -1 for invalid inputs (n < 1, any of s, hd, w, t, len, h not
// above 0, a negative overhang, or no free span: len = w + 2 o), changing
// nothing. A result too large for single precision raises ArithError, also
// changing nothing.
int16_t CalcCribParams(int16_t n, float s, float hd, float w, float t, float len, float h, float o);

// Recomputes the coefficients of support i (a wood crib, 1 <= i <= NumCases)
// at the entry height and stores them in Cases(i) and in CurCase. Returns 0
// when it did; -1, changing nothing, for any other support number or type or
// when the crib's inputs are invalid.
int16_t UpdateCrib(int16_t i);

// Crib load (tons) at convergence c with the coefficients in G.PerfA, PerfK,
// PerfB.
float CribLoad(float c);
// The same with the coefficients a, k, b given (a support record's CribA,
// CribK, CribB).
float CribLoad(float c, float a, float k, float b);

// Design point and operating point of the crib in G.PerfA/K/B at this spacing
// (in) and these rows, against the requirement (ReqTpfAtConv). The stepping
// and the design point use G.DesignConv; callers pass it as conv. Always sets
// DsnTpf and DsnLoad at the design convergence. Returns 0 with CurrConv,
// CurrLoad, CurrTpf at the operating point when the crib's load density
// reaches the requirement within 100 in; -1 when it does not, when the
// design convergence is 0 or less, or when it is too small to advance the
// stepping in single precision. After -1 CurrConv, CurrLoad, CurrTpf keep
// whatever they held: they do not belong to this crib. The bisection ends on
// the first midpoint whose load density lies within 0.001 tons/ft of the
// requirement, so the operating point lies on the crib's own curve; it stops
// after a bounded number of halvings (at a jump of the requirement it cannot
// meet its tolerance) with its last midpoint. Arithmetic errors (a spacing
// of 0) raise ArithError.
int16_t FindCribOpPoint(float conv, float spacing, int16_t rows);

}  // namespace vesk
