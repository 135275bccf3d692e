#include "model/costs/concretecosts.h"

#include "model/vbmath.h"

#include <algorithm>

namespace vesk {

CostQuantities ConcreteCostQuantities(const CaseRec& c, int type, float entryHt)
{
    const double h = entryHt;
    const double d0 = c.Par[0], d1 = c.Par[1], d2 = c.Par[2], d3 = c.Par[3], d4 = c.Par[4];
    auto atLeastOne = [](double v) { return v <= 0 ? 1.0 : v; };

    double gross = 0, pieces = 0, piece = 0;
    switch (type) {
    case 3:
        gross = atLeastOne(d1 * d1 * h);
        pieces = Int(Div(h, atLeastOne(d2)));
        piece = 0.7854 * (d1 * d1 - d0 * d0) * d2;
        break;
    case 4:
        gross = atLeastOne(2 * d2 * d0 * h);
        pieces = 2 * Int(Div(h, atLeastOne(d1)));
        piece = d1 * d0 * d2;
        break;
    default:
        gross = atLeastOne(d1 * d0 * h);
        pieces = Int(Div(gross, atLeastOne(d3 * d2 * d4)) + 0.5);
        piece = d3 * d2 * d4;
        break;
    }
    if (pieces < 1)
        pieces = 1;
    return {gross + c.FixVol()[1], pieces, std::max(piece, 0.0) / 1728.0};
}

// FixVol shares its slot with PkgWid.
std::vector<MemberCostBox> ConcreteTransportBoxes(CostValue fixVol)
{
    return {{.value = fixVol, .field = &CaseRec::PkgWid, .name = "TxFixVol"}};
}

std::vector<SizeF CaseRec::*> ConcreteTransportFields() { return {&CaseRec::PkgWid}; }

CostReadOrder ConcreteReadOrder() { return {.fixCostBeforeFabr = true}; }

}  // namespace vesk
