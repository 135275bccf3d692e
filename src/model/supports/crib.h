// The wood crib's performance: its inputs, the crib model in place of a
// stored curve, the rows and spacing search against the timber length, the
// default header and footer, and the crib's checks in their own order. And
// the crib design optimisation, which chooses timbers and rows for a
// maximum spacing.
#pragma once

#include "model/supports/perfframe.h"

#include <optional>
#include <string>
#include <vector>

namespace vesk {

// The overhang that goes with a timber width typed in (in): half the width,
// or half of it rounded up to a whole inch when its fraction is one half or
// more; none for widths of 0 or less, or of 24 in and more.
std::optional<float> AutoOverhang(float width);

// Whether an overhang is less than half the stored timber width, which the
// dialog notes as a recommendation.
bool OverhangBelowHalfWidth(float storedWidth, float overhang);

// The rows typed for a crib: the leading number rounded down, 1 when below 1;
// nullopt beyond a 16-bit count.
std::optional<int16_t> CribRowsFromText(const std::string& text);

// The crib boxes in English units; nullopt for text that is not a number.
struct CribInputs {
    int16_t perLayer = 0;  // the leading number of the box, rounded half to even
    std::optional<float> width, thickness, length, overhang, strength, hardness;
};

struct CribOutcome {
    bool inputErrors = false;  // "Input errors": faulty boxes, or inputs the crib model refuses
    std::vector<Warning> warnings;
    SearchResult search;  // none in selection mode
    float safetyFactor = 0;
    float coverage = 0;
    bool designed() const { return search.design.has_value(); }
};

// Recomputes the crib in G.CurCase (support G.CurCaseNo): reads the spacing
// (raised to the timber length) and rows, checks the inputs, builds the crib
// model, designs rows and spacing unless in selection mode, fills the default
// header and footer in DefCases (and in CurCase where they are 0 or less),
// checks the design and stores inputs, coefficients and results.
CribOutcome RecomputeCrib(const CribInputs& in, const LayoutInputs& layout);

// The length (in) of a crib of square timbers of width w, n per layer, at an
// entry height (in), rounded down to a half inch with half an inch added.
float OptimumTimberLength(float w, int n, float entryHt);

// How many widths the optimisation tries in one pass, stepping from the
// smallest in single precision until it is no longer below the largest;
// limit + 1 when that is more than limit (or when a step is too small to
// advance at all).
int CountTrialWidths(float minWidth, float maxWidth, float step, int limit);

// The smallest maximum spacing (in) that the widest timbers allow.
float SmallestMaxSpacing(float maxWidth, float entryHt);

struct OptimizeInputs {
    std::optional<float> tpf;      // the required load density as shown, tons/ft
    std::optional<float> conv;     // the design convergence as shown, in
    std::optional<float> maxSpacing;  // in
    std::optional<float> minWidth, maxWidth;  // in
    std::optional<int16_t> rows;   // the leading number, rounded half to even
    float widthStep = 0.5f;        // in: half an inch, or a centimetre in metric units
};

struct OptimizeOutcome {
    std::string error;         // why nothing was searched (the bad field, or no crib can reach it)
    bool spacingRaised = false;  // "Max spacing was too small for mining height"
    float maxSpacing = 0;      // as searched, raised to the smallest where it was below
    int16_t perLayer = 0;
    float width = 0, length = 0;
    int16_t rows = 0;
    float load = 0, tpf = 0, conv = 0, spacing = 0;
};

// Searches crib widths, timbers per layer and rows for one that carries the
// required load density at the maximum spacing, and writes the choice into
// `work`. Rule 0 takes the last crib that fell short (at its required
// spacing, with the rows it was tried with); any other rule the crib found
// (at the maximum spacing). Inputs out of range (among them more than 1,000
// trial widths), or a search that cannot succeed within 32,767 rows, change
// nothing and say why.
OptimizeOutcome OptimizeCrib(CaseRec& work, const OptimizeInputs& in, int rule);

}  // namespace vesk
