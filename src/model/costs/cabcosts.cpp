#include "model/costs/cabcosts.h"

#include "model/vbmath.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace vesk {

namespace {

constexpr double kMaxCount = 32767;

// The cable bolts' fields share the slots of other supports' fields; a
// member pointer names the slot (CabCoatCost is MinHt, CabPlateCost MaxHt,
// CabPlateCost1 RoofArea, CabDrillTime PlanWid, CabDrillTime1 PlanLen,
// CabMatCost PieceQty, CabResinCost1 PcsPerFt, CabPlateVol HtAdj,
// CabPlateVol1 FixWt, CabPlateWt SecWid, CabPlateWt1 SecLen, CabMatWt
// SecThick, CabDrillWork SecWt, CabPerPkg NoFixPiece).
constexpr SizeF CaseRec::*kCabMatCost = &CaseRec::PieceQty;
constexpr SizeF CaseRec::*kCabMatWt = &CaseRec::SecThick;
constexpr SizeF CaseRec::*kCabDrillWork = &CaseRec::SecWt;
constexpr SizeI CaseRec::*kCabPerPkg = &CaseRec::NoFixPiece;

double perPkg(const CaseRec& c, int k) { return c.CabPerPkg()[k]; }

struct Weights {
    double cable = 0, resin = 0, plate = 0, mat = 0, longestMat = 0;
};

Weights weightsOf(const CaseRec& c, int k)
{
    const CabFields f = CabFieldsOf(c);
    const double d = f.holeDiameter;
    Weights w;
    w.cable = static_cast<double>(c.UnitWt[k]) * c.Par[0];
    w.resin = c.Par[1] * 0.7854 * d * d / 144.0 * c.CabResinWt;
    w.plate = (c.*f.plateWt)[k];
    if (f.mat) {
        w.mat = c.CabMatWt()[k] * CabMatPerCable(c);
        w.longestMat = static_cast<double>(c.CabMatWt()[k]) * c.CabMatLen;
    }
    return w;
}

// A typed volume per package as stored per support; nothing when it does not
// fit.
CostValue perSupport(const CostValue& typed, double n)
{
    if (!typed)
        return std::nullopt;
    const double v = *typed * 1728.0 / n;
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(v);
}

}  // namespace

CabFields CabFieldsOf(const CaseRec& c)
{
    const bool bigHole = c.CabHole() != 0;
    const bool plate8 = c.CabPlate == 1;
    CabFields f;
    f.cableCost = c.CabCoated() != 0 ? &CaseRec::MinHt : &CaseRec::UnitCost;
    f.resinCost = bigHole ? &CaseRec::PcsPerFt : &CaseRec::CabResinCost;
    f.plateCost = plate8 ? &CaseRec::RoofArea : &CaseRec::MaxHt;
    f.drillTime = bigHole ? &CaseRec::PlanLen : &CaseRec::PlanWid;
    f.resinVol = bigHole ? &CaseRec::CabResinVol1 : &CaseRec::CabResinVol;
    f.plateVol = plate8 ? &CaseRec::FixWt : &CaseRec::HtAdj;
    f.plateWt = plate8 ? &CaseRec::SecLen : &CaseRec::SecWid;
    f.mat = c.CabPlate == 2;
    f.holeDiameter = bigHole ? 1.375 : 1.0;
    return f;
}

double CabMatPerCable(const CaseRec& c) { return c.Par[2] / static_cast<double>(std::max<int16_t>(c.CabPerSet(), 1)); }

double CabPackageVolume(const CaseRec& c, int k)
{
    const CabFields f = CabFieldsOf(c);
    const double n = perPkg(c, k);
    double v = (12.0 * c.Par[0] + 4) * c.PkgLen[k] * c.PkgWid[k] + n * (c.*f.plateVol)[k] +
               n * (c.*f.resinVol)[k] * c.Par[1];
    if (f.mat)
        v += n * c.CabMatVol[k] * CabMatPerCable(c);
    v /= 1728.0;
    return v <= 0 ? 1.0 : v;
}

double CabPackagesPerCar(const CaseRec& c, int k)
{
    const double car = static_cast<double>(c.CarWid[k]) * c.CarLen[k] * c.CarHt[k] / 12.0;
    const double packages = Int(Div(car, CabPackageVolume(c, k)));
    return packages < 1 ? 1.0 : packages;
}

double CabPerPackage(double perSupport, double perPkg) { return perSupport * perPkg / 1728.0; }

CostQuantities CabCostQuantities(const CaseRec& c, int k)
{
    return {Div(1728.0 * CabPackageVolume(c, k), perPkg(c, k)), 0, 0};
}

CostRules CabCostRules()
{
    CostRules r;
    r.supportsPerCar = [](const CaseRec& c, int k, double) { return perPkg(c, k) * CabPackagesPerCar(c, k); };
    r.transportCost = [](const CaseRec& c, int k, double perTrip) {
        return Div(static_cast<double>(c.UnloadCost[k]) + c.LoadCost[k], perPkg(c, k)) + Div(c.TripCost[k], perTrip);
    };
    r.totalPieces = [](const CaseRec& c, int, const CostQuantities&) { return CabFieldsOf(c).mat ? 4.0 : 3.0; };
    r.pieceWeight = [](const CaseRec& c, int k, const CostQuantities&) {
        const Weights w = weightsOf(c, k);
        double heaviest = w.cable;
        for (double piece : {w.resin, w.plate, w.longestMat})
            if (piece > heaviest)
                heaviest = piece;
        return heaviest;
    };
    r.primaryWeight = [](const CaseRec& c, int k, const CostQuantities&) {
        const Weights w = weightsOf(c, k);
        return w.cable + w.resin + w.plate + w.mat;
    };
    r.secondaryWeight = [](const CaseRec&, int) { return 0.0; };
    r.work = [](const CaseRec& c, int k, const CostQuantities&, float entryHt) {
        const Weights w = weightsOf(c, k);
        const double h = entryHt / 12.0, L = c.Par[0], R = c.Par[1];
        return (h + L / 2) * w.cable + (h + L - R / 2) * w.resin + (w.plate + w.mat) * h +
               static_cast<double>(c.CabDrillWork()[k]) * L;
    };
    r.installTime = [](const CaseRec& c, int k, const CostQuantities&) {
        const CabFields f = CabFieldsOf(c);
        return (static_cast<double>(c.PieceTime[k]) + (c.*f.drillTime)[k]) * c.Par[0] + c.FixTime[k];
    };
    r.materialsCost = [](const CaseRec& c, int k, const CostQuantities&) {
        const CabFields f = CabFieldsOf(c);
        double m = static_cast<double>((c.*f.cableCost)[k]) * c.Par[0] +
                   static_cast<double>((c.*f.resinCost)[k]) * c.Par[1] + Div(c.ShipCost[k], perPkg(c, k)) +
                   c.FabrCost[k] + (c.*f.plateCost)[k];
        if (f.mat)
            m += c.CabMatCost()[k] * CabMatPerCable(c);
        return m;
    };
    return r;
}

CostReadOrder CabReadOrder(const CaseRec& c)
{
    return {.transportCostsInCost = true, .noFixedParts = true, .unitCostField = CabFieldsOf(c).cableCost};
}

std::vector<MemberCostBox> CabCostBoxes(const CaseRec& c, const CabCostInputs& in)
{
    const CabFields f = CabFieldsOf(c);
    // The count that TxPcs stores; with a bad count the reading ends there.
    double n = 1;
    if (in.perPkg && std::isfinite(*in.perPkg) && Int(*in.perPkg) >= 1 && Int(*in.perPkg) <= kMaxCount)
        n = Int(*in.perPkg);

    using P = CostPlace;
    std::vector<MemberCostBox> boxes;
    auto add = [&](const char* name, const CostValue& v, SizeF CaseRec::*field, CostPlace place) {
        boxes.push_back({.value = v, .field = field, .name = name, .place = place});
    };
    add("TxResinCost", in.resinCost, f.resinCost, P::AfterUnitCost);
    add("TxPlateCost", in.plateCost, f.plateCost, P::AfterUnitCost);
    if (f.mat)
        add("TxMatCost", in.matCost, kCabMatCost, P::AfterUnitCost);
    add("TxDrillTime", in.drillTime, f.drillTime, P::AfterTime);
    add("TxBwid", in.pkgWid, &CaseRec::PkgWid, P::Transport);
    add("TxBlen", in.pkgLen, &CaseRec::PkgLen, P::Transport);
    boxes.push_back({.value = in.perPkg, .name = "TxPcs", .count = kCabPerPkg});
    if (in.plateVol)
        add("TxPlateVol", perSupport(*in.plateVol, n), f.plateVol, P::Transport);
    if (f.mat && in.matVol)
        add("TxMatVol", perSupport(*in.matVol, n), &CaseRec::CabMatVol, P::Transport);
    if (in.resinVol)
        add("TxSwid", perSupport(*in.resinVol, n), f.resinVol, P::Transport);
    if (f.mat)
        add("TxMatWt", in.matWt, kCabMatWt, P::AfterUnitWt);
    add("TxPlateWt", in.plateWt, f.plateWt, P::AfterUnitWt);
    add("TxDrillWork", in.drillWork, kCabDrillWork, P::AfterUnitWt);
    return boxes;
}

void CabResetDefaults(CaseRec& c, const CaseRec& def, int k, int tab)
{
    const CabFields f = CabFieldsOf(c);
    auto take = [&](auto CaseRec::*field) { (c.*field)[k] = (def.*field)[k]; };
    auto takeAll = [&](std::initializer_list<SizeF CaseRec::*> fields) {
        for (auto field : fields)
            take(field);
    };
    switch (tab) {
    case 0:
        takeAll({f.cableCost, &CaseRec::FabrCost, &CaseRec::ShipCost, f.resinCost, f.plateCost, &CaseRec::FixCost,
                 &CaseRec::LabCost, &CaseRec::Crew, &CaseRec::TripCost, &CaseRec::LoadCost, &CaseRec::UnloadCost});
        if (f.mat)
            take(kCabMatCost);
        break;
    case 1:
        takeAll({&CaseRec::PieceTime, &CaseRec::FixTime, &CaseRec::ShiftHrs, f.drillTime});
        break;
    case 2:
        take(kCabPerPkg);
        takeAll({&CaseRec::PkgWid, &CaseRec::PkgLen, f.resinVol, f.plateVol, &CaseRec::CarLen, &CaseRec::CarWid,
                 &CaseRec::CarHt});
        if (f.mat)
            take(&CaseRec::CabMatVol);
        take(&CaseRec::CarsPerTrip);
        break;
    case 3:
        takeAll({&CaseRec::UnitWt, kCabDrillWork, f.plateWt});
        if (f.mat)
            take(kCabMatWt);
        break;
    default: break;
    }
}

}  // namespace vesk
