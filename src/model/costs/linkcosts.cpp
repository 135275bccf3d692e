#include "model/costs/linkcosts.h"

namespace vesk {

namespace {

bool piecesFollowHeight(const CaseRec& c, int k) { return c.CostBasis[k] == 0 || c.CostBasis[k] == 3; }

// The weight of the support's primary material by the weight basis.
double basisWeight(const CaseRec& c, int k, const CostQuantities& q, double h)
{
    switch (c.WtBasis[k]) {
    case 0: return c.UnitWt[k] * q.pieces;
    case 1: return c.UnitWt[k] * h / 12.0;
    default: return c.UnitWt[k];
    }
}

}  // namespace

CostQuantities LinkCostQuantities(const CaseRec& c, int k, float entryHt)
{
    const double h = entryHt;
    const double primary = static_cast<double>(c.PackFactor[k]) * c.PkgWid[k] * c.PkgLen[k] * (h - c.HtAdj[k]);
    const double secondary = static_cast<double>(c.SecLen[k]) * c.SecWid[k] * c.SecThick[k];
    double pieces = 1;
    if (piecesFollowHeight(c, k)) {
        pieces = c.PcsPerFt[k] * h / 12.0;
        if (pieces <= 0)
            pieces = 1;
    }
    return {primary + secondary, pieces, c.PieceQty[k]};
}

CostRules LinkCostRules(float entryHt)
{
    const double h = entryHt;
    CostRules r;
    r.totalPieces = [](const CaseRec& c, int k, const CostQuantities& q) {
        const double total = c.NoFixPiece[k] + q.pieces;
        return total <= 0 ? 1.0 : total;
    };
    r.pieceWeight = [h](const CaseRec& c, int k, const CostQuantities& q) {
        return c.WtBasis[k] == 1 ? basisWeight(c, k, q, h) : c.UnitWt[k];
    };
    r.primaryWeight = [h](const CaseRec& c, int k, const CostQuantities& q) {
        return basisWeight(c, k, q, h) + c.FixWt[k];
    };
    r.installTime = [h](const CaseRec& c, int k, const CostQuantities& q) {
        const double per = c.TimeBasis[k] == 0 ? q.pieces : c.TimeBasis[k] == 1 ? h / 12.0 : 1.0;
        return c.FixTime[k] + c.PieceTime[k] * per;
    };
    r.materialsCost = [h](const CaseRec& c, int k, const CostQuantities& q) {
        const double u = c.UnitCost[k], f = c.FabrCost[k];
        double m = 0;
        if (piecesFollowHeight(c, k))
            m = (q.quantity * u + f) * q.pieces;
        else if (c.CostBasis[k] == 1)
            m = u * h / 12.0 + f;
        else
            m = q.quantity * u * h / 12.0 + f;
        return c.ShipCost[k] + m;
    };
    return r;
}

std::vector<MemberCostBox> LinkTransportBoxes(const LinkTransportInputs& in)
{
    return {{.value = in.pkgWid, .field = &CaseRec::PkgWid, .name = "TxBwid"},
            {.value = in.pkgLen, .field = &CaseRec::PkgLen, .name = "TxBlen"},
            {.value = in.htAdj, .field = &CaseRec::HtAdj, .anySign = true, .name = "TxAdj"},
            {.value = in.packFactor, .field = &CaseRec::PackFactor, .name = "TxPack"},
            {.value = in.secWid, .field = &CaseRec::SecWid, .name = "TxSwid"},
            {.value = in.secLen, .field = &CaseRec::SecLen, .name = "TxSlen"},
            {.value = in.secThick, .field = &CaseRec::SecThick, .name = "TxSthick"}};
}

std::vector<SizeF CaseRec::*> LinkTransportFields()
{
    return {&CaseRec::PkgWid,   &CaseRec::PkgLen, &CaseRec::HtAdj,     &CaseRec::SecWid,
            &CaseRec::SecLen, &CaseRec::SecThick, &CaseRec::PackFactor};
}

}  // namespace vesk
