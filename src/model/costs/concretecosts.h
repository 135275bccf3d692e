// The concrete cribs' part of the costs (types 3 donut, 4 four-point,
// 5 solid and 6 stopping block): gross volume, pieces and the concrete of one
// piece from the dimensions Par[0..4] and the entry height, the fixed-volume
// box, and the reading order (fixed cost before fabrication cost). Cost
// fields at element 1.
#pragma once

#include "model/costs/costpipeline.h"

namespace vesk {

// Gross volume V (type 3: outer diameter² × H; 4: 2 × length × width × H;
// 5, 6: crib length × width × H; 0 or less becomes 1 in³) plus FixVol, in³.
// Pieces: type 3: Int(H / thickness); 4: 2 × Int(H / thickness) (a
// thickness of 0 or less counts as 1 in); 5, 6: Int(V / b + 0.5) with b the
// piece's width × thickness × length (0 or less counts as 1); at least one
// piece for every type. Quantity: the volume of one piece in ft³ (type 3
// the ring of the two diameters), a negative one taken as 0, so that the
// piece weight and the materials cost are never negative. Unit cost in
// $/ft³, unit weight in lb/ft³. Any type but 3 and 4 is taken as 5 and 6.
CostQuantities ConcreteCostQuantities(const CaseRec& c, int type, float entryHt);

// The fixed volume box TxFixVol (in³, at least 0) into FixVol.
std::vector<MemberCostBox> ConcreteTransportBoxes(CostValue fixVol);

// The fields the "Transport" tab's reset restores besides the car's: FixVol.
std::vector<SizeF CaseRec::*> ConcreteTransportFields();

// The reader reads TxFixCost before TxFabr.
CostReadOrder ConcreteReadOrder();

}  // namespace vesk
