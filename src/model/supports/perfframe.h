// The calculations that the four performance dialogs of standing supports
// share: the rows and spacing search, the checks of a design against the
// criteria (design convergence, skin-to-skin spacing, yield, security check,
// roof and floor bearing), the roof coverage, and the scales of the
// performance plot. Each support type adds its own inputs, curve, checks and
// rules; these routines take what a type supplies as arguments.
//
// All values are in English units: convergence in, spacing in, load tons,
// load density tons/ft, area in², bearing strength psi.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vesk {

// A warning of a design and the CaseRec.Warn slot it raises (0: none).
struct Warning {
    std::string text;
    int flag = 0;
};

// Appends a warning and raises its flag in c.
void AddWarning(CaseRec& c, std::vector<Warning>& list, std::string text, int flag);

// The row count typed in a rows box: the number at the start of the text,
// rounded to a whole number (half to even); 0 when the text does not start
// with a number or the number is beyond a 16-bit count.
int16_t RowsFromText(const std::string& text);

// The row count of a rows box that takes the typed number rounded down;
// 0 when the text is not a number or the count is beyond a 16-bit count.
int16_t RowsRoundedDown(std::optional<float> typed);

// The security-check convergence of the criteria in force: DesignConv plus
// (Independent) or minus (Concurrent) the uncontrolled convergence, not below
// 0. nullopt when there is no uncontrolled convergence.
std::optional<float> SecurityCheckConv();

// What the frame's layout boxes hold.
struct LayoutInputs {
    bool selectMode = false;   // the support alone is specified, no design
    bool userSpacing = false;  // "User-defined spacing" chosen
    bool staggered = false;    // "Staggered rows" ticked
    std::optional<float> spacing;  // in; nullopt: not a number
    int16_t rows = 0;              // as RowsFromText or RowsRoundedDown reads it
};

// A design: rows and spacing with the operating point they give.
struct Design {
    int16_t rows = 0;
    float spacing = 0;  // in
    float conv = 0;     // in
    float load = 0;     // tons per support
    float tpf = 0;      // tons/ft
};

struct SearchResult {
    std::optional<Design> design;  // none: no design can be made
    bool moreThanRowLimit = false;  // the design needs more rows than the limit allows
    bool rowsCut = false;           // the search stopped at rowLimit + 1 rows where it would have added more
    std::string noDesignReason;     // why there is no design, for the user
};

// The rows and spacing search of model m (posts, file-defined supports and
// concrete cribs). Starts from `rows` and `spacing`; at each step the
// operating point (FindOpPoint) or, in calculate mode or without a crossing,
// the design point gives load and load density, and the spacing follows as
// load / density x rows x 12. Rows are added while the spacing is below
// minSpacing, up to rowLimit + 1; a search that would go past that ends at
// rowLimit + 1 rows with their spacing (rowsCut). In user-defined mode with an operating point
// the spacing is the user's own. A load or load density of 0 or less ends the
// search without a design.
SearchResult SearchRowsAndSpacing(int16_t rows, float spacing, float minSpacing, int16_t model, bool userSpacing,
                                  int rowLimit);

// When the curve of model m peaks before the convergence of the design found,
// the design moves to that peak: its load there, the requirement at the
// peak's convergence, and rows counted again from 1 until the spacing reaches
// minSpacing (up to rowLimit + 1, flagged). Calculate mode only.
void RefineAtPeak(SearchResult& r, float minSpacing, int16_t model, int rowLimit);

// The safety factor of a design on model m: the highest load up to a fifth of
// the entry height over the operating load while the design lies before that
// highest point, else their ratio taken at most 1; 0 when either load is 0 or
// less.
float PeakSafetyFactor(const Design& d, int16_t model);

// The peak load (tons) for the bearing checks: from `start`, raised to every
// load of model m up to the design's convergence (plus the uncontrolled
// convergence under Independent timing), at most a fifth of the entry height;
// 100 when it is not above 0.
float PeakLoadUpTo(const CaseRec& c, int16_t model, double start);

// The checks of a design, each adding its warning to `list` and raising its
// flag in c: the achieved convergence beyond the design convergence, the
// skin-to-skin spacing against half the entry width (one row is never
// staggered), yield beyond yieldConv,
// and the security check with the support's load at a convergence.
void CheckDesignConv(CaseRec& c, std::vector<Warning>& list, const Design& d);
void CheckSkinToSkin(CaseRec& c, std::vector<Warning>& list, const Design& d, bool staggered, float supportWidth);
void CheckYield(CaseRec& c, std::vector<Warning>& list, const Design& d, float yieldConv);
void CheckSecurity(CaseRec& c, std::vector<Warning>& list, const Design& d, const std::function<double(float)>& loadAt);

// The frame's checks in the frame's order (design convergence with a
// user-defined spacing only, skin-to-skin, yield, security on model m).
void CheckDesign(CaseRec& c, std::vector<Warning>& list, const Design& d, bool userSpacing, bool staggered,
                 float supportWidth, float yieldConv, int16_t model);

// Roof and floor bearing under a peak load (tons) on the areas of the given
// size slot, adding their warnings.
void CheckBearing(CaseRec& c, std::vector<Warning>& list, float peakLoad, int slot);

// Roof coverage (%) of the plan dimensions of the slot at this design.
float RoofCoverage(const CaseRec& c, const Design& d, int slot);

// The scales of the performance plot, in English units, and their display
// texts. achievedShown is the achieved convergence as shown (nullopt or 0 or
// less: the design convergence is taken). The load-density axis starts at
// yStart(xmax), the frame's 2 x the achieved load density unless a type
// starts it otherwise, and is raised to the design curve's ends under the
// ground-reaction-curve basis.
struct PlotScales {
    float xmax = 0, ymax = 0;          // in, tons/ft
    std::string xText, yText;          // the axis maxima in display units
};
PlotScales PerfPlotScales(std::optional<float> achievedShown, const std::function<double(double xmax)>& yStart);
PlotScales PerfPlotScales(std::optional<float> achievedShown, float actTpf);

}  // namespace vesk
