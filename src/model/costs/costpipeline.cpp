#include "model/costs/costpipeline.h"

#include "model/vbmath.h"

#include <cmath>

namespace vesk {

const char* CostGroupName(CostGroup group)
{
    switch (group) {
    case CostGroup::Cost: return "Cost";
    case CostGroup::Time: return "Time";
    case CostGroup::Transport: return "Transport";
    case CostGroup::Work: return "Work";
    case CostGroup::None: break;
    }
    return "";
}

std::string CostReadResult::message() const { return std::string("Error in ") + CostGroupName(bad) + " tab."; }

CommonCostInputs StoredCostInputs(const CaseRec& c, int k)
{
    CommonCostInputs in;
    in.useMatModel = !(c.CostFlags[k] & 1);
    in.useConstrModel = !(c.CostFlags[k] & 2);
    in.useTransModel = !(c.CostFlags[k] & 4);
    in.userMat = c.UserMatCost[k], in.userConstr = c.UserConstrCost[k], in.userTrans = c.UserTransCost[k];
    in.unitCost = c.UnitCost[k], in.fabr = c.FabrCost[k], in.fixCost = c.FixCost[k], in.ship = c.ShipCost[k];
    in.labCost = c.LabCost[k], in.crew = c.Crew[k];
    in.time = c.PieceTime[k], in.fixTime = c.FixTime[k], in.shift = c.ShiftHrs[k];
    in.carWid = c.CarWid[k], in.carLen = c.CarLen[k], in.carHt = c.CarHt[k], in.tripCost = c.TripCost[k];
    in.loadCost = c.LoadCost[k], in.unloadCost = c.UnloadCost[k], in.cars = c.CarsPerTrip[k];
    in.unitWt = c.UnitWt[k], in.fixWt = c.FixWt[k], in.secWt = c.SecWt[k], in.noPiece = c.NoFixPiece[k];
    return in;
}

namespace {

constexpr double kMaxCount = 32767;

// Takes the boxes one by one into element k; the first bad one ends the
// reading with its group and name in `result`.
class BoxReader {
public:
    BoxReader(CaseRec& c, int k) : c_(c), k_(k) {}

    CostReadResult result;

    bool in(CostGroup group)
    {
        group_ = group;
        return true;
    }

    // A number at least 0 (or of any sign) into a float field.
    bool amount(const char* box, const CostValue& v, SizeF CaseRec::*field, bool anySign = false)
    {
        if (!v || !std::isfinite(*v) || (!anySign && !(*v >= 0)))
            return bad(box);
        (c_.*field)[k_] = *v;
        return true;
    }

    // A typed cost, read only once it has been set.
    bool typed(const char* box, const CostValue& v, SizeF CaseRec::*field)
    {
        return (c_.*field)[k_] < 0 || amount(box, v, field);
    }

    // The largest whole number not above the value, from `least` to 32,767.
    bool whole(const char* box, const CostValue& v, double least, double& out)
    {
        if (!v || !std::isfinite(*v))
            return bad(box);
        out = Int(*v);
        return (out >= least && out <= kMaxCount) || bad(box);
    }

    bool count(const char* box, const CostValue& v, SizeI CaseRec::*field)
    {
        double n = 0;
        if (!whole(box, v, 1, n))
            return false;
        (c_.*field)[k_] = static_cast<int16_t>(n);
        return true;
    }

    bool crew(const CostValue& v)
    {
        double n = 0;
        if (!whole("TxCrew", v, 1, n))
            return false;
        c_.Crew[k_] = static_cast<float>(n);
        return true;
    }

    // Fixed pieces: a whole part of at least 0, stored rounded half to even.
    bool fixedPieces(const CostValue& v)
    {
        double n = 0;
        if (!whole("TxNoPiece", v, 0, n))
            return false;
        const double r = std::nearbyint(static_cast<double>(*v));
        if (r > kMaxCount)
            return bad("TxNoPiece");
        c_.NoFixPiece[k_] = static_cast<int16_t>(r);
        return true;
    }

    bool member(const MemberCostBox& b)
    {
        const bool good = b.count ? count(b.name, b.value, b.count)
                                  : !b.field || amount(b.name, b.value, b.field, b.anySign);
        if (good)
            ++result.membersRead;
        return good;
    }

private:
    bool bad(const char* box)
    {
        result.bad = group_;
        result.box = box;
        return false;
    }

    CaseRec& c_;
    int k_;
    CostGroup group_ = CostGroup::None;
};

void setBit(int16_t& flags, int bit, bool set)
{
    flags = static_cast<int16_t>(set ? (flags | bit) : (flags & ~bit));
}

bool transportCosts(BoxReader& rd, const CommonCostInputs& in)
{
    return rd.amount("TxTripCost", in.tripCost, &CaseRec::TripCost) &&
           rd.amount("TxLoadCost", in.loadCost, &CaseRec::LoadCost) &&
           rd.amount("TxUnloadCost", in.unloadCost, &CaseRec::UnloadCost);
}

}  // namespace

CostReadResult ReadCostInputs(CaseRec& c, int k, const CommonCostInputs& in, const std::vector<MemberCostBox>& member,
                              const CostReadOrder& order)
{
    int16_t& flags = c.CostFlags[k];
    setBit(flags, 1, !in.useMatModel);
    setBit(flags, 2, !in.useConstrModel);
    setBit(flags, 4, !in.useTransModel);

    BoxReader rd(c, k);
    auto fabr = [&] { return rd.amount("TxFabr", in.fabr, &CaseRec::FabrCost); };
    auto fixCost = [&] { return rd.amount("TxFixCost", in.fixCost, &CaseRec::FixCost); };
    auto members = [&](CostPlace place) {
        for (const MemberCostBox& b : member)
            if (b.place == place && !rd.member(b))
                return false;
        return true;
    };
    auto fixedParts = [&] {
        return order.noFixedParts ||
               (rd.amount("TxFixWt", in.fixWt, &CaseRec::FixWt) && rd.amount("TxSecWt", in.secWt, &CaseRec::SecWt) &&
                rd.fixedPieces(in.noPiece));
    };

    static_cast<void>(
        rd.in(CostGroup::Cost) && rd.typed("TxCostMat", in.userMat, &CaseRec::UserMatCost) &&
        rd.typed("TxCostConstr", in.userConstr, &CaseRec::UserConstrCost) &&
        rd.typed("TxCostTrans", in.userTrans, &CaseRec::UserTransCost) &&
        rd.amount("TxCost", in.unitCost, order.unitCostField) && members(CostPlace::AfterUnitCost) &&
        (order.fixCostBeforeFabr ? fixCost() && fabr() : fabr() && fixCost()) &&
        rd.amount("TxShip", in.ship, &CaseRec::ShipCost) && rd.amount("TxLabCost", in.labCost, &CaseRec::LabCost) &&
        rd.crew(in.crew) && (!order.transportCostsInCost || transportCosts(rd, in)) &&

        rd.in(CostGroup::Time) && rd.amount("TxTime", in.time, &CaseRec::PieceTime) && members(CostPlace::AfterTime) &&
        rd.amount("TxFixTime", in.fixTime, &CaseRec::FixTime) && rd.amount("TxShift", in.shift, &CaseRec::ShiftHrs) &&

        rd.in(CostGroup::Transport) && members(CostPlace::Transport) && rd.amount("TxWid", in.carWid, &CaseRec::CarWid) &&
        rd.amount("TxLen", in.carLen, &CaseRec::CarLen) && rd.amount("TxHt", in.carHt, &CaseRec::CarHt) &&
        (order.transportCostsInCost || transportCosts(rd, in)) && rd.count("TxCars", in.cars, &CaseRec::CarsPerTrip) &&

        rd.in(CostGroup::Work) && rd.amount("TxWt", in.unitWt, &CaseRec::UnitWt) && members(CostPlace::AfterUnitWt) &&
        fixedParts());
    return rd.result;
}

bool MemberBoxTaken(const CostReadResult& read, const std::vector<MemberCostBox>& boxes, std::string_view name)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].name == name)
            return static_cast<int>(i) < read.membersRead;
    return false;
}

CostResults RunCostPipeline(CaseRec& c, int k, const CostQuantities& q, float entryHt, const CostRules& rules)
{
    // Everything is formed first and stored at the end, so that an
    // arithmetic error leaves the record as it was.
    CostResults r;
    const double H = entryHt;

    // Transport: volume, car, supports per car and per trip, transport cost.
    float suppVol = CSng(q.volume / 1728.0);
    if (suppVol <= 0)
        suppVol = 1;
    r.suppVol = suppVol;
    r.carVol = static_cast<double>(c.CarWid[k]) * c.CarLen[k] * c.CarHt[k] / 12.0;
    r.perCar = rules.supportsPerCar ? rules.supportsPerCar(c, k, suppVol) : Int(Div(r.carVol, suppVol));
    if (r.perCar < 1)
        r.perCar = 1;
    const int16_t cars = c.CarsPerTrip[k] < 1 ? int16_t{1} : c.CarsPerTrip[k];
    r.perTrip = r.perCar * cars;
    const float suppPerTrip = CSng(r.perTrip);
    r.transModel = rules.transportCost
                       ? rules.transportCost(c, k, r.perTrip)
                       : Div(c.TripCost[k], r.perTrip) + c.LoadCost[k] + c.UnloadCost[k];
    const float transModel = CSng(r.transModel);

    // Pieces, weights and work.
    const float totPieces =
        CSng(rules.totalPieces ? rules.totalPieces(c, k, q) : q.pieces + c.NoFixPiece[k]);
    const float pieceWt = CSng(rules.pieceWeight ? rules.pieceWeight(c, k, q) : q.quantity * c.UnitWt[k]);
    const double primaryWt =
        rules.primaryWeight ? rules.primaryWeight(c, k, q) : q.pieces * pieceWt + c.FixWt[k];
    const double secondaryWt = rules.secondaryWeight ? rules.secondaryWeight(c, k) : c.SecWt[k];
    r.totalWt = primaryWt + secondaryWt;
    const float work = CSng(rules.work ? rules.work(c, k, q, entryHt)
                                       : (H / 24 + 0.5) * primaryWt + (H / 12 - 1) * secondaryWt);

    // Installation time and rate.
    float instTime =
        CSng(rules.installTime ? rules.installTime(c, k, q) : q.pieces * c.PieceTime[k] + c.FixTime[k]);
    if (instTime <= 0)
        instTime = 1;
    const float rate = CSng(Div(c.ShiftHrs[k] * 60.0, instTime));

    // Materials and construction costs.
    r.matModel = rules.materialsCost ? rules.materialsCost(c, k, q)
                                     : q.pieces * (q.quantity * c.UnitCost[k] + c.FabrCost[k]) + c.ShipCost[k];
    const float matModel = CSng(r.matModel);
    r.laborCost = static_cast<double>(c.Crew[k]) * c.LabCost[k] * instTime / 60.0;
    r.constrModel = r.laborCost + c.FixCost[k];
    const float constrModel = CSng(r.constrModel);

    // Typed costs: never set ones take the model costs; a set bit of
    // CostFlags puts the typed cost in force.
    const float userMat = c.UserMatCost[k] < 0 ? matModel : c.UserMatCost[k];
    const float userConstr = c.UserConstrCost[k] < 0 ? constrModel : c.UserConstrCost[k];
    const float userTrans = c.UserTransCost[k] < 0 ? transModel : c.UserTransCost[k];
    const int16_t flags = c.CostFlags[k];
    const float matCost = (flags & 1) ? userMat : matModel;
    const float constrCost = (flags & 2) ? userConstr : constrModel;
    const float transCost = (flags & 4) ? userTrans : transModel;
    const float totCost = CSng(static_cast<double>(constrCost) + transCost + matCost);

    c.SuppVol = suppVol;
    c.CarsPerTrip[k] = cars;
    c.SuppPerTrip = suppPerTrip;
    c.TotPieces = totPieces;
    c.PieceWt = pieceWt;
    c.TotWork = work;
    c.InstTime = instTime;
    c.ConstrRate = rate;
    c.UserMatCost[k] = userMat;
    c.UserConstrCost[k] = userConstr;
    c.UserTransCost[k] = userTrans;
    c.MatCost = matCost;
    c.ConstrCost = constrCost;
    c.TransCost = transCost;
    c.TotCost = totCost;

    r.pieces = totPieces;
    r.pieceWt = pieceWt;
    r.work = work;
    r.instTime = instTime;
    r.rate = rate;
    r.totCost = totCost;
    return r;
}

void ResetCostDefaults(CaseRec& c, const CaseRec& def, int k, int tab,
                       const std::vector<SizeF CaseRec::*>& memberTransportFields)
{
    auto take = [&](auto CaseRec::*field) { (c.*field)[k] = (def.*field)[k]; };
    switch (tab) {
    case 0:
        for (auto f : {&CaseRec::UnitCost, &CaseRec::FabrCost, &CaseRec::ShipCost, &CaseRec::FixCost,
                       &CaseRec::LabCost, &CaseRec::Crew, &CaseRec::TripCost, &CaseRec::LoadCost,
                       &CaseRec::UnloadCost})
            take(f);
        break;
    case 1:
        for (auto f : {&CaseRec::PieceTime, &CaseRec::FixTime, &CaseRec::ShiftHrs})
            take(f);
        break;
    case 2:
        take(&CaseRec::CarsPerTrip);
        for (auto f : memberTransportFields)
            take(f);
        for (auto f : {&CaseRec::CarLen, &CaseRec::CarWid, &CaseRec::CarHt})
            take(f);
        break;
    case 3:
        take(&CaseRec::NoFixPiece);
        for (auto f : {&CaseRec::UnitWt, &CaseRec::FixWt, &CaseRec::SecWt})
            take(f);
        break;
    default: break;
    }
}

}  // namespace vesk
