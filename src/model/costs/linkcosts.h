// The file-defined standing supports' part of the costs: the transport
// volume of a primary package that follows the entry height and a fixed
// secondary package, the pieces that follow the height, and the model's
// bases for materials cost (CostBasis), time (TimeBasis) and weight
// (WtBasis) that decide whether a quantity counts per piece, per ft of
// height or per support. Every field at element k = SizeIdx + 1.
#pragma once

#include "model/costs/costpipeline.h"

namespace vesk {

// Volume PackFactor × PkgWid × PkgLen × (H − HtAdj) + SecLen × SecWid ×
// SecThick, in³. Pieces P: with CostBasis 0 or 3, PcsPerFt × H / 12, not
// rounded, 0 or less becoming 1; with any other basis 1. Quantity PieceQty.
CostQuantities LinkCostQuantities(const CaseRec& c, int k, float entryHt);

// The model's own rules for pieces, weights, time and materials cost, at
// entry height H:
// - total pieces NoFixPiece + P, 0 or less becoming 1;
// - weight W by WtBasis: 0 UnitWt × P, 1 UnitWt × H / 12, other UnitWt;
//   the heaviest piece W for basis 1, UnitWt otherwise; lifted weight
//   W + FixWt (the frame's work formula follows);
// - time FixTime + PieceTime × (P, H / 12 or 1 by TimeBasis 0, 1, other);
// - materials cost ShipCost + by CostBasis 0 or 3 (PieceQty × UnitCost +
//   FabrCost) × P, 1 UnitCost × H / 12 + FabrCost, other PieceQty ×
//   UnitCost × H / 12 + FabrCost.
CostRules LinkCostRules(float entryHt);

// The Transport tab's own inputs as typed (English units).
struct LinkTransportInputs {
    CostValue pkgWid, pkgLen, htAdj, packFactor, secWid, secLen, secThick;
};

// In reading order: TxBwid, TxBlen into PkgWid, PkgLen; TxAdj (any sign)
// into HtAdj; TxPack into PackFactor; TxSwid, TxSlen, TxSthick into SecWid,
// SecLen, SecThick; all but TxAdj at least 0.
std::vector<MemberCostBox> LinkTransportBoxes(const LinkTransportInputs& in);

// The fields the "Transport" tab's reset restores besides the car's: PkgWid,
// PkgLen, HtAdj, SecWid, SecLen, SecThick and PackFactor.
std::vector<SizeF CaseRec::*> LinkTransportFields();

}  // namespace vesk
