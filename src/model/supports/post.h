// The timber post's performance: its inputs, its curve, the MSHA minimum
// diameter, and the design with the post's own rules for the peak before the
// design convergence, yield, safety factor and peak load.
#pragma once

#include "model/supports/perfframe.h"

#include <optional>
#include <string>
#include <vector>

namespace vesk {

// The least post diameter (in) that MSHA asks for at an entry height (in).
float MshaMinDiameter(float entryHt);

// The six post boxes in English units; nullopt for text that is not a number.
struct PostInputs {
    std::optional<float> diameter, strength, elasticity, capThickness, capStrength, capHardness;
};

struct PostOutcome {
    // The calculation stopped: the count of invalid inputs ("n errors."), or
    // the curve could not be built ("Error creating performance curve").
    int errors = 0;
    bool curveFailed = false;
    bool buckles = false;  // the failure mode: buckling, else crushing
    std::vector<Warning> warnings;
    SearchResult search;   // none in selection mode
    float safetyFactor = 0;
    float coverage = 0;
    bool designed() const { return search.design.has_value(); }
};

// Recomputes the post in G.CurCase (support G.CurCaseNo) from the boxes:
// checks and stores the inputs (a changed diameter, or an area or dimension
// of 0 or less, takes the header and footer values from DefCases), builds the
// curve, checks the diameter, and unless in selection mode designs rows and
// spacing and checks the design. Stores the design, warnings, safety factor,
// coverage and PeakLoad. Invalid inputs change nothing.
PostOutcome RecomputePost(const PostInputs& in, const LayoutInputs& layout);

}  // namespace vesk
