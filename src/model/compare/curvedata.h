// The load-convergence curves of every support, rebuilt from the support
// records when the comparison opens (the engineering routines' working
// arrays hold only the curve of the support worked on last).
#pragma once

#include "model/modelcurve.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vesk {

// Columns of a curve point.
enum CurveColumn { kColConv = 0, kColLoad = 1, kColDensity = 2, kColIntensity = 3 };

// CurveData and CurveMax: one row per point, every support's rows from its
// CaseRec.PlotOfs, CaseRec.NumPts of them.
struct CurveTable {
    std::vector<std::array<float, 4>> rows;
    // Elements 1 to 3: the largest value of columns 1 to 3 over all rows.
    std::array<float, 4> max{};
};

// Reads the curve of model `model` (0-based) of type `type`'s model file;
// false with a reason in plain words when the file cannot be used.
using ModelCurveSource = std::function<bool(int16_t type, int model, ModelCurve& out, std::string* reason)>;

// A model file that could not be read while the curves were rebuilt.
struct CurveReadFailure {
    std::string file;    // the type's model file name, as the catalogue gives it
    std::string reason;  // one line in plain words
};

// Rebuilds the curve of every support 1..NumCases from its record and sets
// each record's PlotOfs and NumPts to its rebuilt rows. Wood cribs: 24
// points from 0.5 to 12 in; posts and concrete cribs: their curve routines;
// file-defined and cable-bolt types: their model through readModel (height
// scaled, or stretched to the support's free length and shifted by its
// preload). A support whose curve cannot be built has no rows. Leaves
// CurCaseNo, CurType and CurCase as the curve routines leave them. Each
// failed file is listed once in `failures`.
CurveTable RebuildCurves(const ModelCurveSource& readModel, std::vector<CurveReadFailure>* failures = nullptr);

}  // namespace vesk
