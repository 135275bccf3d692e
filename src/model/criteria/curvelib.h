// The library of ground reaction curves (GRCurves 1..NumCurves) and the
// points of one curve: identifiers, new and duplicated curves, deleting, and
// the measured points kept in ascending convergence with their intensities.
//
// A point's intensity (tons/ft²) is Tons x Rows x 12 / (Spacing x Width):
// the load density of its supports spread over the width of its entry.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

constexpr int16_t kMaxGrPoints = 10;
constexpr int16_t kMaxCurveId = 32767;

// A curve name as the record holds it: cut to 32 characters and padded with
// blanks to 32.
std::string CurveName(std::string_view name);

// The first identifier from NextCurveId on (32767 is followed by 1) that no
// curve 1..NumCurves uses; NextCurveId keeps it.
int16_t FreeCurveId();

// A new curve in WorkCurve: name "Curve " and NumCurves + 1, identifier
// NextCurveId, no points, and every point slot 0..10 preset with 1 row, 1 in,
// 100 tons, 60 in, the entry's width and height and their intensity.
void NewWorkCurve();

// Appends c as curve NumCurves + 1, making room in GRCurves when needed.
// Returns its number.
int AppendCurve(const CurveRec& c);

// Appends a copy of curve k with identifier NextCurveId and the given name,
// or "Curve " and the new NumCurves when the name is empty. Returns its
// number.
int DuplicateCurve(int k, std::string_view name);

// Removes curve k (1..NumCurves); the later curves move down by one.
void DeleteCurve(int k);

// The measured values of one point.
struct GrPoint {
    float conv = 0;     // in
    float spacing = 0;  // in, center to center
    float tons = 0;     // support load
    float width = 0;    // entry width, ft
    float height = 0;   // entry height, in
    int16_t rows = 0;   // rows across the entry
};

// Load density (tons/ft) and intensity (tons/ft²) of a point; ArithError when
// the spacing or width is 0 or a result does not fit in single precision.
float PointTpf(const GrPoint& p);
float PointIntensity(const GrPoint& p);

// Writes p into slot k of c with its intensity (which must be computable).
void SetPoint(CurveRec& c, int k, const GrPoint& p);
GrPoint PointAt(const CurveRec& c, int k);

// Recomputes the intensity of point k from its fields; it stays as stored
// when the spacing or width is not above 0 or the result does not fit.
void CalcIntensity(CurveRec& c, int k);

// Puts points 1..NumPts in ascending convergence by exchanging points i < j
// whenever Conv(i) > Conv(j) (equal convergences are not exchanged), then
// recomputes every intensity. A count outside 1..10 is left alone.
void SortPoints(CurveRec& c);

// Removes point k; the later points move down by one.
void DeletePoint(CurveRec& c, int k);

// Whether some point's intensity rises above that of the point before it.
bool HasRisingSection(const CurveRec& c);

}  // namespace vesk
