// The concrete cribs' performance (donut, four-point, solid and stopping
// block cribs): their dimensions by type, the values that follow from them,
// the curve of the concrete-crib builder, the default header and footer, and
// the design with the frame's search, the peak rule and the minimum base
// width check.
#pragma once

#include "model/supports/perfframe.h"

#include <array>
#include <optional>
#include <vector>

namespace vesk {

// The number of dimension boxes a concrete crib type uses (3 or 5).
int ConcreteDimCount(int type);

// What the dimensions give (after a donut crib's diameters are put in order).
struct ConcreteShape {
    float supportWidth = 0;  // smallest spacing and skin-to-skin width, in
    float baseWidth = 0;     // for the minimum base width check, in
    float area = 0;          // default header and footer area, in²
    float planLen = 0, planWid = 0;  // default footprint, in
};
ConcreteShape ConcreteShapeOf(int type, const std::array<float, 5>& d);

// The concrete boxes in English units; nullopt for text that is not a number.
struct ConcreteInputs {
    std::array<std::optional<float>, 5> dims;
    std::optional<float> strength, woodThickness;
    int interlayer = 0;  // list index, clamped to 0..4
};

struct ConcreteOutcome {
    int errors = 0;  // "n errors."
    std::array<bool, 5> dimRejected{};  // dimension boxes to show the stored value again
    bool curveFailed = false;
    std::vector<Warning> warnings;
    SearchResult search;
    float safetyFactor = 0;
    float coverage = 0;
    bool designed() const { return search.design.has_value(); }
};

// Recomputes the concrete crib in G.CurCase (type CaseType(CurCaseNo)).
ConcreteOutcome RecomputeConcrete(const ConcreteInputs& in, const LayoutInputs& layout);

}  // namespace vesk
