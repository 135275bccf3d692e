// The cable bolts' part of the costs. A support is one cable bolt: the cable
// of length L = Par[0], the resin over R = Par[1], a bearing plate, and with
// the mat option (CabPlate 2) its share of the mat, M = Par[2] per cable set
// of CabPerSet cables. Bolts travel in packages of CabPerPkg; the package's
// cross-section PkgWid × PkgLen, and the plate, mat and resin volumes of each
// bolt (in³ per support; mat and resin per ft) make the package volume, and
// loading, unloading and shipping are paid per package. The cable options
// chosen in the performance dialog (coated cable, hole, plate) choose the
// fields that hold the cable cost, the resin cost, volume and drilling time,
// and the plate cost, volume and weight. Every field at element k =
// SizeIdx + 1.
#pragma once

#include "model/costs/costpipeline.h"

namespace vesk {

// The fields in use for the support's cable options.
struct CabFields {
    SizeF CaseRec::*cableCost;  // CabCoatCost for coated cable, else UnitCost ($/ft)
    SizeF CaseRec::*resinCost;  // by hole: CabResinCost (1 in) or CabResinCost1 (1-3/8 in), $/ft
    SizeF CaseRec::*plateCost;  // CabPlateCost1 with the 8-in plate, else CabPlateCost ($)
    SizeF CaseRec::*drillTime;  // by hole: CabDrillTime or CabDrillTime1, min/ft
    SizeF CaseRec::*resinVol;   // by hole: CabResinVol or CabResinVol1, in³ per ft of resin
    SizeF CaseRec::*plateVol;   // CabPlateVol1 with the 8-in plate, else CabPlateVol (in³)
    SizeF CaseRec::*plateWt;    // CabPlateWt1 with the 8-in plate, else CabPlateWt (lb)
    bool mat = false;           // the mat option: the mat's cost, volume and weight count too
    double holeDiameter = 1;    // in
};
CabFields CabFieldsOf(const CaseRec& c);

// The mat length that one cable bolt carries: M / CabPerSet, a count of
// cables below 1 taken as 1 (ft).
double CabMatPerCable(const CaseRec& c);

// The transport volume of one package, ft³: (12 L + 4) × PkgLen × PkgWid +
// n × (plate volume + mat volume × mat per cable + resin volume × R), over
// 1728; 0 or less becomes 1.
double CabPackageVolume(const CaseRec& c, int k);
// Whole packages in the supply car CarWid × CarLen × CarHt / 12, at least 1.
double CabPackagesPerCar(const CaseRec& c, int k);

// A volume stored per support (in³) as shown per package (ft³), and back.
double CabPerPackage(double perSupport, double perPkg);

// The volume of one support (the package's over CabPerPkg, in³); the rules
// below give everything else.
CostQuantities CabCostQuantities(const CaseRec& c, int k);

// The cable bolts' rules:
// - supports per car CabPerPkg × packages per car; transport cost (loading
//   + unloading) / CabPerPkg + trip cost / supports per trip;
// - pieces 3 (cable, resin, plate), 4 with the mat;
// - weights: cable UnitWt × L, resin R × 0.7854 d² / 144 × CabResinWt (d the
//   hole diameter), the plate, the mat CabMatWt × mat per cable; the
//   heaviest piece of cable, resin, plate and the longest mat (CabMatWt ×
//   CabMatLen); no secondary weight;
// - work (H/12 + L/2) cable + (H/12 + L − R/2) resin + (plate + mat) × H/12
//   + CabDrillWork × L;
// - time (PieceTime + drilling time) × L + FixTime;
// - materials cable cost × L + resin cost × R + ShipCost / CabPerPkg +
//   FabrCost + plate cost + CabMatCost × mat per cable.
CostRules CabCostRules();

// The reading order: the unit cost box holds the cable cost in use, the
// trip, loading and unloading costs are read in group "Cost", and there are
// no fixed or secondary weights or fixed pieces.
CostReadOrder CabReadOrder(const CaseRec& c);

// The dialog's own boxes as typed (English units).
struct CabCostInputs {
    CostValue resinCost, plateCost, matCost;  // after the cable cost
    CostValue drillTime;                       // after the installation time
    CostValue pkgWid, pkgLen, perPkg;          // the package
    // The volumes per package (ft³; resin and mat per ft of their length),
    // each taken only when it was typed: empty otherwise.
    std::optional<CostValue> plateVol, matVol, resinVol;
    CostValue matWt, plateWt, drillWork;  // after the cable weight
};

// In reading order: TxResinCost, TxPlateCost, TxMatCost (mat only) into the
// fields in use; TxDrillTime; TxBwid, TxBlen into PkgWid, PkgLen; TxPcs into
// CabPerPkg; the typed volumes TxPlateVol, TxMatVol (mat only), TxSwid, each
// stored per support (× 1728 / the CabPerPkg just read); TxMatWt (mat only),
// TxPlateWt, TxDrillWork. All at least 0.
std::vector<MemberCostBox> CabCostBoxes(const CaseRec& c, const CabCostInputs& in);

// "Reset defaults" of a tab (0 Cost Models, 1 Construction, 2 Transport,
// 3 Work): the cable bolts' inputs of that tab, in the fields in use, from
// the default record.
void CabResetDefaults(CaseRec& c, const CaseRec& def, int k, int tab);

}  // namespace vesk
