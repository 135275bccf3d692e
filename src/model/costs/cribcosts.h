// The wood crib's part of the costs: its pieces, board feet and transport
// volume from the crib of the performance dialog and the entry height, and
// its transport-volume box (the fixed volume). Cost fields at element 1.
#pragma once

#include "model/costs/costpipeline.h"

namespace vesk {

// Layers of timbers up to the entry height (thickness 0 or less counts as
// 1 in; at least one layer), NumPerLayer timbers each: pieces N; board feet
// of one timber; volume N timbers plus the fixed volume, in³. Unit cost in
// $/BdFt, unit weight in lb/BdFt.
CostQuantities CribCostQuantities(const CaseRec& c, float entryHt);

// The fixed volume box TxFixVol (in³, at least 0) into FixVol.
std::vector<MemberCostBox> CribTransportBoxes(CostValue fixVol);

// The fields the "Transport" tab's reset restores besides the car's: FixVol.
std::vector<SizeF CaseRec::*> CribTransportFields();

}  // namespace vesk
