// The ground-reaction-curve basis: how a library curve continues beyond its
// measured points, the load density it asks for at a convergence, the design
// values drawn from it, and where a wood crib's load density meets it.
//
// A curve holds its measured points in slots 1..n and its two end slots 0 and
// n + 1, which the end treatment fills. Intensities are tons/ft² of entry
// width; load densities are intensities times the entry width (tons/ft).
#pragma once

#include "model/records.h"

#include <cstdint>
#include <optional>

namespace vesk {

// End treatments of a ground reaction curve.
enum EndMode : int16_t { kEndDisallow = 0, kEndConstant = 1, kEndExtrapolate = 2 };

constexpr float kMinGrIntensity = 0.05f;  // tons/ft², the floor of an extrapolated end

// Fills the end slots of c by the treatment. A one-point curve cannot be
// extrapolated: mode 2 turns into 1 and nothing is filled (the caller selects
// mode 1 and runs again). Returns the mode that holds. The constant-load
// extension reaches the largest of 100 in, twice the last convergence and
// twice the uncontrolled plus design convergence. A curve without points is
// left as it is.
int16_t ApplyEndTreatment(CurveRec& c, int16_t mode, double uncontrolled, double designConv);

// Load density (tons/ft) of curve c at conv: the end slots' values beyond
// them, else the first segment that holds conv.
float GrTpfAtConv(const CurveRec& c, float conv, float entryWid);

struct GrDesign {
    float maxConv = 0;     // maximum allowable convergence, clamped to [Conv(1), Conv(n+1)]
    float minTpf = 0;      // minimum acceptable load density there
    float designConv = 0;  // design convergence, not above maxConv, clamped to [Conv(0), Conv(n)]
    float designTpf = 0;   // load density at the design convergence
    std::optional<float> safetyFactor;  // designTpf / minTpf; none when minTpf is 0
};

// Design values of curve c (n >= 1 points) from the typed maximum allowable
// and design convergences. A design convergence that the clamp would put at
// 0 or below (a constant-load extension starts at 0) is the first measured
// point's convergence instead: a support cannot be designed for none.
GrDesign CalcGrDesign(const CurveRec& c, float typedMax, float typedDesign, float entryWid);

struct CribCrossing {
    float conv = 0;  // in
    float load = 0;  // crib load there, tons
    float tpf = 0;   // the curve's load density there, tons/ft
};

// Where the crib in G.PerfA/K/B at this spacing (in) and these rows meets
// curve c, by bisection from 0 to the upper end slot. Ends on the first
// point within 0.001 tons/ft of the curve (a point of the crib's own curve),
// when the bracket no longer narrows, or after a bounded number of halvings.
// Arithmetic errors (a spacing of 0) raise ArithError.
CribCrossing CribGrcPoint(const CurveRec& c, float spacing, int16_t rows, float entryWid);

// Whether the crib's load density stays below the curve at the upper end
// slot, so that the two never cross within the curve's range.
bool CribBelowCurveAtEnd(const CurveRec& c, float spacing, int16_t rows, float entryWid);

// Load density (tons/ft) of supports carrying `load` tons each at this
// spacing (in) in this many rows: load x 12 x rows / spacing.
float LoadDensity(double load, double spacing, double rows);

}  // namespace vesk
