// The curve file grcurves.bin: the library of ground reaction curves shared
// by all projects, read at start-up and written by the curve list.
//
// Layout, little-endian, no header: NextCurveId (i16), NumCurves (i16), then
// MaxCurves curve records of 348 bytes: the curves in use, then blank filler
// records. Readers never look at the filler.
//
// A file holding more curves than MaxCurves keeps them all: the library grows
// to the file's count, so the next save writes every curve again.
#pragma once

#include "model/records.h"
#include "files/safesave.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

inline constexpr const char* kCurveFileName = "grcurves.bin";

// AppPath joined with grcurves.bin (the current folder when AppPath is empty).
std::string CurveFilePath();

// The filler record, also the cleared WorkCurve: name of blanks, identifier
// 0, no points, spacing and width 1 in every slot, everything else 0.
CurveRec BlankCurve();

struct CurveLibrary {
    int16_t NextCurveId = 1;       // at least 1
    std::vector<CurveRec> Curves;  // in list order, complete records only
    bool complete = true;          // false: the file broke off or held a bad curve
    std::string error;
};

// Never throws: reads the curves the file holds up to the first failure (a
// short record, a curve with more than 10 points or with a value that is not
// a finite number). An empty input is an empty library; a negative count
// reads as 0.
CurveLibrary DecodeCurves(std::string_view bytes);

// The library in memory in its file form: curves 1..NumCurves, then filler up
// to MaxCurves records.
std::string EncodeCurves();

// Start-up reading: sizes GRCurves to MaxCurves, reads the file and makes its
// first curve the DesignCurve. A missing file is created empty and reads as an
// empty library. Returns 0, or -1 when the file cannot be opened, created or
// read whole; the curves read before the failure stay in the library.
int16_t ReadCurves(const std::string& path);
int16_t ReadCurves();  // at CurveFilePath()

// "&Cancel" of the curve list: reads the library again without touching
// DesignCurve. On failure the library is empty and the result carries
// "Error reading grcurves.bin".
FileCommandResult ReloadCurves(const std::string& path);

// "&Ok" of the curve list: clears WorkCurve to the blank curve and writes the
// library. On failure ("Error saving grcurves.bin") the old file and the
// library in memory are unchanged.
FileCommandResult SaveCurves(const std::string& path);

}  // namespace vesk
