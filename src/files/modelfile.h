// Model data files: the sizes (models) of a file-defined support type with
// their names, plot axis maxima, dimensions, costs, handling data, yield
// point and load-convergence curves.
//
// Header line: number of models (1..20), the largest point count of any
// model, and the layout flag (0 standing support, else cable bolt). Then per
// model a block (12 lines standing, 9 lines cable bolt) followed by its point
// lines "convergence, load". The Eastern and Western cost lines are a pair of
// which EasternMines picks one; the other is never parsed.
#pragma once

#include "model/modelcurve.h"
#include "model/records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vesk {

struct ModelFileRead {
    // The catalogue type whose NumModels entry and ModelName row are filled.
    int16_t type = 0;
    // The layout the type's category asks for; a file of the other layout is
    // refused before anything is changed.
    bool cable = false;
    // Full read: every model's values go into the per-size arrays of this
    // record, at the model's number (SizeIdx is set to 0 first). nullptr:
    // only names, axis maxima and curves are read.
    CaseRec* record = nullptr;
    // Curves only: the model a support has chosen (0-based), which the file
    // must hold; -1 for none.
    int16_t sizeIdx = -1;
    // Standing layout: loads scaled by HeightFactor at G.EntryHt.
    bool scaleByHeight = true;
    // When given, a failure is explained here in a sentence for the user.
    std::string* reason = nullptr;
};

// Reads a model file into NumModels(type), ModelName(type, m), ModelYMax,
// ModelXMax, PerfConv and PerfLoad (re-dimensioned for the file's models),
// and for a full read into how.record. False on any failure: the file
// missing, a layout against the category, no models or more than 20, a
// largest point count below 1, a chosen model beyond the file's models, a
// model with no points or more than the largest count, a value that is not
// a number, the end of the file before the last point. Header failures
// change nothing; later ones leave the tables and the record filled as far as
// read (a model's point count is stored once all its points are read).
bool ReadModelFile(const std::string& path, const ModelFileRead& how);
bool ReadModelData(std::string bytes, const ModelFileRead& how);

// The model file of type `type` (TypeFile, in the program's folder) for the
// support Cases(CurCaseNo): a full read when its SizeIdx is below 0, after
// which DefCases(CurCaseNo) becomes a copy of the filled record; otherwise
// curves only, the record untouched. False on failure (the support list
// then removes a support just added, "Error reading .dat file, support
// cannot be added.").
bool LoadModelFile(int16_t type, std::string* reason = nullptr);

// Reads model `model` (0-based) of the file. With clampToLast, a model beyond
// the file's count reads its last model; otherwise that is a failure. False
// on any failure, explained in `reason` when given; `out` is then empty.
bool ReadModelCurve(const std::string& path, int model, bool clampToLast, ModelCurve& out,
                    std::string* reason = nullptr);
bool ReadModelCurveData(std::string bytes, int model, bool clampToLast, ModelCurve& out,
                        std::string* reason = nullptr);

}  // namespace vesk
