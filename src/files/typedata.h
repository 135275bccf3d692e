// Selecting a support of the support list: it becomes the current support and
// the data of its type are brought up to date for the entry height in force.
#pragma once

#include <string>

namespace vesk {

struct TypeDataRefresh {
    // The type's model file could not be read, or its layout contradicts the
    // type's category; the model tables then hold what was read before the
    // failure and must not be used for this support.
    bool modelFileFailed = false;
    // The model file's name as the catalogue gives it, and why it failed
    // (for the message).
    std::string modelFile;
    std::string reason;
    // The read was the full read of a support just added (SizeIdx below 0).
    bool fullRead = false;
};

// Makes support caseNo (1..NumCases) current (CurCaseNo, CurType) and
// refreshes its type data: a wood crib's model coefficients (UpdateCrib);
// in selection mode the curve of a timber post or a concrete crib, built from
// the support's record copied into CurCase; for a file-defined or cable-bolt
// type its model file, read whole into the support's record and defaults
// when the support was just added, else for the curves only. A crib or curve
// that cannot be computed leaves the previous values and is no failure here.
// Nothing is done for a number outside the list.
TypeDataRefresh SelectSupport(int caseNo, bool selectMode);

}  // namespace vesk
