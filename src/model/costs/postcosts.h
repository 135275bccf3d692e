// The timber post's part of the costs: one post of the full entry height,
// round or square, its board feet and the transport volume of the packed
// post with its package of secondary materials. Cost fields at element 1.
#pragma once

#include "model/costs/costpipeline.h"

namespace vesk {

// One piece, the post: board feet over the full entry height (round: the
// cross-section D² × 0.7854; square: D²), D = Par[0]. Volume: the square
// prism of side D over the entry height less HtAdj, times 0.9 for a round
// post, plus the secondary package SecLen × SecWid × SecThick, in³. Unit cost
// in $/BdFt, unit weight in lb/BdFt.
CostQuantities PostCostQuantities(const CaseRec& c, float entryHt, bool square);

// The Transport tab's own inputs as typed (English units).
struct PostTransportInputs {
    bool square = false;  // OptSquare selected
    CostValue htAdj, secWid, secLen, secThick;
};

// In reading order: the shape (0 round, 1 square, into PostShape; never
// bad), TxAdj (any sign) into HtAdj, TxSwid, TxSlen, TxSthick (at least 0)
// into SecWid, SecLen, SecThick.
std::vector<MemberCostBox> PostTransportBoxes(const PostTransportInputs& in);

// The fields the "Transport" tab's reset restores besides the car's: HtAdj,
// SecWid, SecLen, SecThick and PostShape.
std::vector<SizeF CaseRec::*> PostTransportFields();

}  // namespace vesk
