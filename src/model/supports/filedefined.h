// File-defined standing supports (interlocking cribs and the like): the
// performance of a model of the type's data file, and the optimisation that
// chooses model and rows for a maximum spacing.
#pragma once

#include "model/supports/perfframe.h"

#include <optional>
#include <string>
#include <vector>

namespace vesk {

// The smallest centre-to-centre spacing (in) of model k: the larger package
// dimension, 24 when neither is above 0.
float LinkMinSpacing(const CaseRec& c, int k);

// The yield convergence (in) of a model's yield value: a negative value is a
// percentage of the entry height, a positive one inches.
float LinkYieldConv(float yield, float entryHt);

// Where the performance plot's load-density axis of model k starts: the
// achieved load density of c, raised to the load density, at c's spacing and
// rows, of every point of the model's curve below xmax (in).
double LinkPlotYStart(const CaseRec& c, int k, double xmax);

struct LinkOutcome {
    std::string error;      // "Invalid user spacing" or "Invalid no. rows (0-5)"; nothing designed
    std::vector<Warning> warnings;
    SearchResult search;    // none in selection mode
    bool spacingFallback = false;  // no crossing at the typed spacing: the design point's spacing goes to the box
    float minSpacing = 0;
    float safetyFactor = 0;
    float coverage = 0;
    bool designed() const { return search.design.has_value(); }
};

// Recomputes model `listIndex` (0-based; the model list's selection) of the
// file-defined support in G.CurCase. layout.rows is the rows typed, rounded
// down (0 for text that is not a number); the spacing is read in user-defined
// mode only.
LinkOutcome RecomputeLink(int listIndex, const LayoutInputs& layout);

struct LinkChoice {
    std::string error;   // the reason nothing was chosen; the working copy is unchanged
    int16_t model = 0;   // 1-based
    int16_t rows = 0;
    float conv = 0, tpf = 0, load = 0, spacing = 0;
    bool moreThanRowLimit = false;  // user-defined: no model reaches the maximum spacing with 5 rows
};

// Chooses the model and rows of type `type` for a maximum spacing (in, at
// least 24): in calculate mode the largest spacing not above the maximum
// (rows dropping until one fits, one row taking the smallest), in
// user-defined mode the smallest spacing not below it at the typed rows
// (rows rising up to 5, where the largest spacing is taken). Writes the
// choice into `work`.
LinkChoice OptimizeLink(CaseRec& work, int type, std::optional<float> maxSpacing, std::optional<int> rows);

}  // namespace vesk
