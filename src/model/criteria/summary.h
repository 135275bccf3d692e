// What the criteria summaries show and the working values that every
// evaluation reads: the security check that follows from the uncontrolled
// convergence and its timing, the load density per ft of width, and the
// design values drawn from the committed criteria.
#pragma once

#include "model/records.h"

#include <string>

namespace vesk {

struct SecurityCheck {
    bool none = true;         // no uncontrolled convergence: no security check
    bool concurrent = false;  // timing in force
    bool timingReset = false;  // Concurrent was dropped for Independent (the amount reached the design convergence)
    float controlled = 0;     // controlled component of the design convergence, in
    float conv = 0;           // security-check convergence, in
};

// The security check of criteria c. Independent timing checks at design +
// uncontrolled convergence, Concurrent at design - uncontrolled. With
// enforceTiming, Concurrent holds only while the uncontrolled convergence is
// below the design convergence; otherwise c.Timing is set to 0 and the check
// is Independent (timingReset tells the caller to say so).
SecurityCheck CheckSecurity(CritRec& c, bool enforceTiming);

// The timing name shown for a check: "Not applicable", "Concurrent" or
// "Independent".
const char* TimingName(const SecurityCheck& s);

// The load density per ft of width follows the load density while the width
// is positive and the quotient can be held; otherwise it keeps its value.
void KeepTpfPerWid(CritRec& c, float entryWid);

// Whether a width (above 0) is wide enough for c's load density per ft of it
// to be held in single precision.
bool HoldsTpfPerWid(const CritRec& c, float entryWid);

// The design basis in force and its name.
void SetDesignBasis(int16_t basis);

// The working values from the committed criteria: DesignConv, and DesignTpf
// as the load density per ft of width times the current EntryWid, written
// back into DesignCrit.Tpf.
void RefreshWorkingValues();

// The basis notes of the design-basis dialog ("Failure height: ..." and the
// like), and the same notes for the cable-bolt block.
std::string BasisNotes(int16_t basis);
std::string CableNotes();

}  // namespace vesk
