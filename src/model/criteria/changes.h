// What a commit of the criteria changes for the supports already designed.
// Each criteria dialog compares its working copy with the committed criteria
// and raises flags; when the design-basis dialog closes, the supports of each
// changed group lose their updated mark and the user is told.
#pragma once

#include "model/records.h"

#include <string>

namespace vesk {

enum class CritGroup { Standing, Cable };

// Commits a criteria dialog's working copy: compares it with DesignCrit and
// raises the flags (a changed entry size, or block inputs copied to the other
// group, raises SizeChanged and asks for the other group to be verified;
// otherwise a changed value of the group raises its change flag), copies it
// into DesignCrit and clears the group's own request to be verified.
void CommitCriteria(const CritRec& copy, bool copiedAcross, CritGroup group);

// "Verify design criteria for:" with a line for each group still to be
// verified; empty when none is.
std::string VerifyCriteriaText();

// Clears the updated mark of every support of each changed group and the
// three change flags. Returns the message that names the changed groups, or
// an empty text when no defined support was affected.
std::string PropagateCriteriaChange();

}  // namespace vesk
