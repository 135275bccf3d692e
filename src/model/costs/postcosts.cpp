#include "model/costs/postcosts.h"

namespace vesk {

CostQuantities PostCostQuantities(const CaseRec& c, float entryHt, bool square)
{
    const double d = c.Par[0];
    const double h = entryHt;
    const double area = square ? d * d : d * d * 0.7854;
    const double packing = square ? 1.0 : 0.9;
    const double packed = (h - c.HtAdj[1]) * d * d * packing;
    const double secondary = static_cast<double>(c.SecLen[1]) * c.SecWid[1] * c.SecThick[1];
    return {packed + secondary, 1, area * h / 144.0};
}

// PostShape shares its slot with PackFactor.
std::vector<MemberCostBox> PostTransportBoxes(const PostTransportInputs& in)
{
    return {{.value = in.square ? 1.0f : 0.0f, .field = &CaseRec::PackFactor, .anySign = true, .name = "OptSquare"},
            {.value = in.htAdj, .field = &CaseRec::HtAdj, .anySign = true, .name = "TxAdj"},
            {.value = in.secWid, .field = &CaseRec::SecWid, .name = "TxSwid"},
            {.value = in.secLen, .field = &CaseRec::SecLen, .name = "TxSlen"},
            {.value = in.secThick, .field = &CaseRec::SecThick, .name = "TxSthick"}};
}

std::vector<SizeF CaseRec::*> PostTransportFields()
{
    return {&CaseRec::HtAdj, &CaseRec::SecWid, &CaseRec::SecLen, &CaseRec::SecThick, &CaseRec::PackFactor};
}

}  // namespace vesk
