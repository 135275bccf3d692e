// The list operations of the support list window on the global support list:
// duplicating and deleting supports and the check of their updated marks.
#pragma once

#include <cstdint>

namespace vesk {

// A support is marked updated by any nonzero mark (a file may hold -1).

// "Yes" when support caseNo is marked updated, else "No".
const char* UpdatedText(int caseNo);

// True when every support 1..NumCases is marked updated (also with none).
bool AllSupportsUpdated();

// Appends a copy of support caseNo (type, name, record and default record,
// so also its updated mark) as the new last support and makes it current.
// Returns its number; 0, changing nothing, when the list is full or caseNo
// is not a support.
int DuplicateSupport(int caseNo);

// Removes support caseNo; the supports after it move up by one. The current
// support number stays, unless it now lies beyond the list, when it becomes
// the last support (0 when none is left). The support chosen as the system in
// use (DesignCrit.SysCase) keeps pointing at the same support, or at none (0)
// when it was the one removed. Returns false, changing nothing, when caseNo is
// not a support.
bool DeleteSupport(int caseNo);

// A support number held outside the list (the system in use in a dialog's
// working copy of the criteria): while the hold lives, a deletion renumbers
// it as it does DesignCrit.SysCase.
class SupportNumberHold {
public:
    explicit SupportNumberHold(int16_t& number);
    ~SupportNumberHold();
    SupportNumberHold(const SupportNumberHold&) = delete;
    SupportNumberHold& operator=(const SupportNumberHold&) = delete;

private:
    int16_t* number_;
};

}  // namespace vesk
