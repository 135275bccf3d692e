// The costs of a support as its cost dialog stores them when it is opened
// and closed with "&Ok", nothing changed: for a support whose design changed
// while its costs were already accepted.
#pragma once

#include "model/records.h"

namespace vesk {

// Reads the record's own cost inputs back through the cost dialog's reader,
// with the member's quantities and rules of a support of this type, and runs
// the cost pipeline as the dialog does (once when it opens, once on "&Ok",
// the typed costs then holding the costs in force). false, with the record as
// it was, when a stored input is refused or the pipeline fails.
bool RecomputeStoredCosts(CaseRec& c, int type, float entryHt);

}  // namespace vesk
