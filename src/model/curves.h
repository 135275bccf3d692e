// Load-convergence curves of the supports and the requirement they are held
// against: interpolation of a model curve, the required load density at a
// convergence, the ground reaction curve library lookup, and the operating
// point where a support's load density meets the requirement.
//
// A model curve m lives in G.PerfConv/G.PerfLoad: (m, 0) of PerfConv holds the
// point count, points 1..n follow in ascending convergence (in) with their
// loads (tons). The curve starts at the origin. The requirement is DesignTpf
// (tons/ft), or under the ground-reaction-curve basis the design curve's load
// intensity times EntryWid.
//
// The routines leave their results in the globals CurrLoad, CurrConv,
// CurrTpf, DsnLoad, DsnConv, CurveMaxLoad and CurveMaxConv.
#pragma once

#include <cstdint>
#include <optional>

namespace vesk {

// A point in convergence (in) and load density (tons/ft).
struct DensityPoint {
    float conv = 0;
    float tpf = 0;
};

// Where a support segment (x1, y1)-(x2, y2) meets a requirement segment
// (c1, q1)-(c2, q2), both in convergence and load density. Parallel segments
// do not meet. The point is formed in double from the given ends and rounded
// to single precision once. It must lie within both segments: between the end
// convergences of each non-vertical segment and between the end densities of
// each non-horizontal one, bounds included and widened by a few
// single-precision steps of the values compared, so that a crossing at a
// point shared by two segments is found by at least one of them. A NaN
// end raises ArithError.
std::optional<DensityPoint> IntersectSegments(float x1, float y1, float x2, float y2,
                                              float c1, float q1, float c2, float q2);

// How a convergence relates to a model curve.
enum class CurveSpot {
    OnCurve,      // on a segment between two points (or on a single point)
    BeforeFirst,  // below the first point: on the line from the origin
    Empty,        // the model has no points
    Negative,     // a negative convergence
    BeyondEnd,    // past the last point
    NotHeld,      // no segment holds it (only a NaN convergence or point)
};

struct CurveLoad {
    float load = 0;  // what LoadAtConv returns: the load for OnCurve and BeforeFirst, else -1 (0 for NotHeld)
    CurveSpot spot = CurveSpot::Empty;
};

// Load of model curve m at convergence conv, with where conv lies on the
// curve. Sets the same globals as LoadAtConv.
CurveLoad LoadOnCurve(float conv, int16_t m);

// Load of model curve m at conv (tons); -1 when conv lies off the curve.
// Sets CurrLoad and CurrConv when conv is on the curve or beyond its end (then
// the last point), CurveMaxLoad/CurveMaxConv to the highest load up to conv,
// and clears all four for an empty curve or a negative convergence (an empty
// curve also gets its stored count set to 0). Below the first point the load
// rises linearly from the origin and CurrLoad/CurrConv keep their values.
// A model row outside the tables raises IndexError.
float LoadAtConv(float conv, int16_t m);

// Required load density (tons/ft) at conv: DesignTpf, or under the ground
// reaction curve basis (DesignBasis 1 with GrcDefined) the intensity of
// DesignCurve interpolated over slots 0..NumPts + 1 and held at its end values
// beyond them, times EntryWid; 0 when no segment holds conv (a NaN). A
// NumPts beyond the curve's slots raises IndexError.
float ReqTpfAtConv(float conv);

// Index 1..NumCurves of the library curve with this Id; -1 when there is none.
// An empty library (NumCurves below 1) also sets NumCurves to 0.
int16_t FindCurve(int16_t id);

// Where the load density of model m (at this spacing, in, and these rows)
// crosses WorkCurve: 0 with CurrConv, CurrTpf, CurrLoad set. -1 when they do
// not cross; CurrConv and CurrLoad then come from LoadAtConv at the middle of
// WorkCurve's points, and CurrTpf from ReqTpfAtConv there. Arithmetic and
// index errors (a spacing of 0) pass to the caller.
int16_t FindGrcPoint(float spacing, int16_t rows, int16_t m);

// Design point and operating point of model m at this spacing (in) and these
// rows. Always sets DsnConv and DsnLoad (on the unscaled curve, at
// DesignConv or at the last point with a positive load when the curve ends
// before it). Returns 0 with CurrConv, CurrLoad, CurrTpf at the first crossing
// of the support's load density with the requirement (a constant requirement
// counts as reached within a relative 1e-5); -1 when there is none,
// or on any arithmetic or index error (values set before it stay).
int16_t FindOpPoint(float spacing, int16_t rows, int16_t m);

}  // namespace vesk
