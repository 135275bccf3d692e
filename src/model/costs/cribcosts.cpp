#include "model/costs/cribcosts.h"

#include "model/vbmath.h"

namespace vesk {

CostQuantities CribCostQuantities(const CaseRec& c, float entryHt)
{
    double thick = c.Par[1];
    if (thick <= 0)
        thick = 1;
    double layers = Int(Div(entryHt, thick));
    if (layers < 1)
        layers = 1;
    const double pieces = layers * c.NumPerLayer();
    const double timber = static_cast<double>(c.Par[2]) * c.Par[0] * thick;
    return {timber * pieces + c.FixVol()[1], pieces, timber / 144.0};
}

// FixVol shares its slot with PkgWid.
std::vector<MemberCostBox> CribTransportBoxes(CostValue fixVol)
{
    return {{.value = fixVol, .field = &CaseRec::PkgWid, .name = "TxFixVol"}};
}

std::vector<SizeF CaseRec::*> CribTransportFields() { return {&CaseRec::PkgWid}; }

}  // namespace vesk
