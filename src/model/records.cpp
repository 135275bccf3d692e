#include "model/records.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

// One field list per record serves reading and writing: S is BinReader or
// BinWriter, R the record or the const record.

template <class S, class R>
void fields(S& s, R& r)  // CaseRec
{
    s.i16(r.SizeIdx);
    s.i16(r.SpacMode);
    s.i16(r.Interlayer);
    s.i16(r.Stagger);
    s.i16(r.Updated);
    s.i16(r.CabPlate);
    s.i16(r.CabAutoMat);
    s.raw(r.Reserved14);
    s.i16(r.CabUserNum);
    s.i16(r.CabLimit4);
    s.i16(r.CabSets);
    s.raw(r.Reserved22);
    s.i16(r.Rows);
    s.i16(r.Warn);
    for (auto* f : {&r.Spacing, &r.UserSpacing, &r.ActConv, &r.ActTpf})
        s.f32(*f);
    s.f32(r.Par);
    for (auto* f : {&r.TotCost, &r.InstTime, &r.SuppVol, &r.SuppPerTrip, &r.TransCost, &r.ConstrCost,
                    &r.MatCost, &r.ConstrRate, &r.TotWork, &r.TotPieces, &r.CribA, &r.CribK, &r.CribB,
                    &r.PieceWt, &r.CabPreDisp, &r.CabResinWt, &r.CabMatLen})
        s.f32(*f);
    s.raw(r.Reserved182);
    s.f32(r.SafetyFactor);
    s.f32(r.Coverage);
    s.i16(r.Avail);
    for (auto* a : {&r.Yield, &r.MinHt, &r.MaxHt, &r.RoofArea, &r.FloorArea, &r.PlanWid, &r.PlanLen})
        s.f32(*a);
    for (auto& str : r.CabSeq)
        s.countedStr(str);
    s.i16(r.CostFlags);
    s.i16(r.CostBasis);
    for (auto* a : {&r.UnitCost, &r.PieceQty, &r.PcsPerFt, &r.CabResinCost, &r.FabrCost, &r.FixCost,
                    &r.ShipCost, &r.LabCost, &r.Crew, &r.UserMatCost, &r.UserConstrCost, &r.UserTransCost})
        s.f32(*a);
    s.i16(r.TimeBasis);
    for (auto* a : {&r.PieceTime, &r.FixTime, &r.ShiftHrs})
        s.f32(*a);
    s.i16(r.CarsPerTrip);
    for (auto* a : {&r.PkgWid, &r.PkgLen, &r.HtAdj, &r.SecWid, &r.SecLen, &r.SecThick, &r.PackFactor,
                    &r.CabMatVol, &r.CabResinVol, &r.CabResinVol1, &r.CarLen, &r.CarWid, &r.CarHt,
                    &r.TripCost, &r.LoadCost, &r.UnloadCost})
        s.f32(*a);
    s.i16(r.WtBasis);
    s.i16(r.NoFixPiece);
    for (auto* a : {&r.UnitWt, &r.FixWt, &r.SecWt})
        s.f32(*a);
    for (auto* f : {&r.PlotVis, &r.NumPts, &r.PlotOfs, &r.PlotLine, &r.PlotColor})
        s.i16(*f);
}

template <class S, class R>
void critFields(S& s, R& r)
{
    s.i16(r.Basis);
    s.i16(r.Timing);
    for (auto* f : {&r.Tpf, &r.TpfPerWid, &r.Conv, &r.CabTpf, &r.Reserved20, &r.EntryHt, &r.EntryWid,
                    &r.RoofBearing, &r.FloorBearing, &r.UncontrolledConv})
        s.f32(*f);
    s.i16(r.CurveId);
    s.f32(r.GRMaxConv);
    s.f32(r.GRDesignConv);
    s.i16(r.GREndMode);
    for (auto* f : {&r.FailHt, &r.RockDens, &r.CMRR, &r.YieldZone, &r.Depth, &r.BlockConv})
        s.f32(*f);
    s.i16(r.BlockFlags);
    s.i16(r.SysCase);
    s.i16(r.SysRows);
    for (auto* f : {&r.SysSpac, &r.SysConv, &r.ArbConv, &r.ArbTpf, &r.ArbTons, &r.ArbSpac, &r.ArbRows,
                    &r.CabFailHt, &r.CabRockDens, &r.CabCMRR, &r.CabConv, &r.CabSF, &r.CabYieldZone,
                    &r.CabDepth})
        s.f32(*f);
    s.i16(r.CabBlockFlags);
}

template <class S, class R>
void curveFields(S& s, R& r)
{
    s.fixedStr(r.Name, CurveRec::NameLen);
    s.i16(r.Id);
    s.i16(r.NumPts);
    s.i16(r.Rows);
    for (auto* a : {&r.Conv, &r.Tons, &r.Spacing, &r.Width, &r.Height, &r.Intensity})
        s.f32(*a);
}

template <class S, class R>
void plotFields(S& s, R& r)
{
    s.i16(r.YType);
    s.i16(r.Show);
    s.i16(r.XAuto);
    s.f32(r.XMax);
    s.i16(r.YAuto);
    s.f32(r.YMax);
}

// A stream over a record's fields that visits its Singles and passes over the rest.
struct SingleVisitor {
    const std::function<void(float&)>& f;

    void f32(float& v) { f(v); }
    template <std::size_t N>
    void f32(std::array<float, N>& a) { for (auto& v : a) f(v); }
    template <class T>
    void i16(T&) {}
    template <class T>
    void raw(T&) {}
    void countedStr(std::string&) {}
    void fixedStr(std::string&, std::size_t) {}
};

void visit(SingleVisitor& s, CaseRec& r) { fields(s, r); }
void visit(SingleVisitor& s, CritRec& r) { critFields(s, r); }
void visit(SingleVisitor& s, CurveRec& r) { curveFields(s, r); }
void visit(SingleVisitor& s, PlotRec& r) { plotFields(s, r); }

}  // namespace

template <class Rec>
void ForEachSingle(Rec& r, const std::function<void(float&)>& f)
{
    SingleVisitor s{f};
    visit(s, r);
}

template <class Rec>
bool AllFinite(const Rec& r)
{
    bool finite = true;
    ForEachSingle(const_cast<Rec&>(r), [&finite](float& v) { finite = finite && std::isfinite(v); });
    return finite;
}

template void ForEachSingle(CaseRec&, const std::function<void(float&)>&);
template void ForEachSingle(CritRec&, const std::function<void(float&)>&);
template void ForEachSingle(CurveRec&, const std::function<void(float&)>&);
template void ForEachSingle(PlotRec&, const std::function<void(float&)>&);
template bool AllFinite(const CaseRec&);
template bool AllFinite(const CritRec&);
template bool AllFinite(const CurveRec&);
template bool AllFinite(const PlotRec&);

std::size_t EncodedSize(const CaseRec& r)
{
    // One byte on file per character: every byte of the UTF-8 text but its continuation bytes.
    const auto isLead = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    std::size_t n = kCaseRecBaseSize;
    for (const auto& text : r.CabSeq)
        n += static_cast<std::size_t>(std::count_if(text.begin(), text.end(), isLead));
    return n;
}

void WriteRec(BinWriter& w, const CaseRec& r) { fields(w, r); }
void WriteRec(BinWriter& w, const CritRec& r) { critFields(w, r); }
void WriteRec(BinWriter& w, const CurveRec& r) { curveFields(w, r); }
void WriteRec(BinWriter& w, const PlotRec& r) { plotFields(w, r); }
void ReadRec(BinReader& rd, CaseRec& r) { fields(rd, r); }
void ReadRec(BinReader& rd, CritRec& r) { critFields(rd, r); }
void ReadRec(BinReader& rd, CurveRec& r) { curveFields(rd, r); }
void ReadRec(BinReader& rd, PlotRec& r) { plotFields(rd, r); }

}  // namespace vesk
