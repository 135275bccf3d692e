// The performance of a cable-bolt support: from the load-displacement curve of
// the chosen cable size, the cable, resin and free lengths, the preload, the
// layout and the bearing plate, the number of cables per cable set, the
// spacing of cable sets, the load per cable, the roof displacement, the safety
// factor, the roof coverage, the mat length, the arrangement of the cables
// over the roof-bolt sets and the warnings, all written into G.CurCase.
//
// The curve of size m lives in G.PerfConv/G.PerfLoad: displacement (in) and
// load per cable (tons) of points 1..N, N in PerfConv(m, 0), starting at the
// origin. Its displacements hold for a free cable length of CabRefLen(m) in;
// a support of another free length scales them by k = free length / that.
// Every value is in English units: lengths ft, displacements in, loads tons,
// load densities tons/ft.
#pragma once

#include "model/supports/perfframe.h"
#include "model/units.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vesk {

// The load on the curve of the current size (CurCase.SizeIdx + 1) at
// displacement x, on the curve's own scale: interpolated on the first segment
// that holds x, the larger load on a vertical one. -1 when no segment holds x
// or the curve has no points.
float LoadAtDisp(float x);

// The displacement on the curve of the current size at which the load first
// reaches y: interpolated on the first segment whose loads hold y, its start
// on a level one; a falling segment never holds it. -1 when none does or the
// curve has no points.
float DispAtLoad(float y);

// The dialog's controls as the calculation reads them.
struct CabInputs {
    int listIndex = -1;        // the size list's selection, 0-based; -1: none
    bool userDefined = false;  // "User-defined" rather than "Calculate"
    bool evenOnly = false;     // "Even no. of cables only"
    bool limit4 = false;       // "Limit to 4 cables per roof-bolt set"
    bool autoMat = false;      // "Auto" mat length
    // The boxes in English units (ft, tons; counts as typed); nullopt: not a number.
    std::optional<float> cables, sets, boltSpacing, cableLength, resinLength, preload, matLength;
};

// A message box of the calculation, shown with the single button OK.
struct CabMessage {
    std::string text, title;
};

// Where a calculation ended.
enum class CabEnd {
    Complete,      // every result written
    NoSize,        // no size chosen, or one the curve tables do not hold
    TooFewPoints,  // the size's curve has fewer than 2 points
    BadInput,      // a box failed its check; the inputs checked before it are stored
    NoLoad,        // the cable model carries no load at the design point, or the count of cables is too large
    Arithmetic,    // a value beyond single precision or a division by zero; nothing stored
};

inline constexpr const char* kNoLoadText =
    "The cable model carries no load at the design point; the previous results are kept.";

struct CabOutcome {
    CabEnd end = CabEnd::NoSize;
    std::vector<CabMessage> messages;  // in the order they are shown
    // A complete calculation's warnings, the roof-bolt sets it used, and what
    // the boxes are to show besides the record's results.
    std::vector<Warning> warnings;
    int16_t sets = 0;
    // The terms on the way: the curve's scale k, the allowable load per cable
    // and its displacement on the support (in), the load per cable at the
    // design point, the load per cable set required and the cables it takes.
    struct Terms {
        double scale = 1, allowable = 0, allowableDisp = 0, designLoad = 0, required = 0, ratio = 0;
    } terms;
    bool preloadReset = false;      // the preload box shows "0"
    bool safetyFactorReset = false; // the design safety factor became 1.25
    std::optional<float> matShown;  // the mat-length box shows this automatic length (ft)
    bool complete() const { return end == CabEnd::Complete; }
};

// The calculation of the support in G.CurCase with the criteria in force
// (DesignTpf, DesignConv, DesignCrit.CabSF and CabFailHt, EntryWid). The size
// and the inputs are checked and stored one by one; the first bad one ends
// the calculation with its message. A design point without load, a load per
// cable of 0 or a count of cables beyond 32,767 ends it with kNoLoadText
// before anything else is written, so every previous result stays. An
// arithmetic error puts the record and the criteria back as they were.
CabOutcome CalcPerfCab(const CabInputs& in);

// The arrangement of n cables over s roof-bolt sets in groups of 4: the
// earlier sets get the smaller shares and set 1 the remainder.
std::vector<int> CableArrangement(int n, int s);
// Its text: "(0-4-4)".
std::string ArrangementText(const std::vector<int>& perSet);

// The reference free length (in) of size m's curve: CabRefLen(m), or 60 when
// that is 0 or less.
float CabRefLength(const CaseRec& c, int m);

// The scale of the curve of size m for free length f (ft).
double CabScale(const CaseRec& c, int m, double freeLength);

// The plot of size m: load density over roof displacement. A point of the
// curve stands at k x its displacement less the preload's displacement, and
// at its load over the entry width per cable (spacing / cables, ft). The
// displacement axis reaches 1.5 x the larger of the design and the achieved
// displacement, the load-density axis the largest of the achieved and the
// required load density and the curve's. Sets PlotXMax and PlotYMax; a count
// of cables below 1 becomes 1 and a reference length of 0 or less 60 in the
// record. Arithmetic errors pass to the caller.
struct CabPlot {
    AxisTop x, y;  // the axis tops, shown and in English units
    std::vector<std::pair<double, double>> curve;
};
CabPlot ScaleCabPlot(int m);

}  // namespace vesk
