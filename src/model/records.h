// The records of the program: one support (CaseRec), the design criteria
// (CritRec), a ground reaction curve (CurveRec) and the comparison plot's
// settings (PlotRec), with their on-file encodings.
//
// Every quantity is held in English units. A record is written field by field
// in declaration order, packed and little-endian; reserved bytes are kept as
// read. Some CaseRec slots mean something else for cable bolts or posts; those
// meanings are named accessors over the one slot.
#pragma once

#include "model/binstream.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vesk {

using SizeF = std::array<float, 21>;    // per model size, elements 0..20
using SizeI = std::array<int16_t, 21>;

#define VESK_SLOT(type, alias, field)                     \
    type& alias() { return field; }                       \
    const type& alias() const { return field; }

// One support.
struct CaseRec {
    int16_t SizeIdx = 0;     // chosen model, 0-based (-1: model data not loaded); wood cribs: timbers per layer
    int16_t SpacMode = 0;    // 0 calculate spacing, 1 user spacing
    int16_t Interlayer = 0;  // concrete cribs: interlayer wood placement 0..4
    int16_t Stagger = 0;     // staggered rows 0/1
    int16_t Updated = 0;     // 1 = performance and cost dialogs committed since the last change
    int16_t CabPlate = 0;
    int16_t CabAutoMat = 0;
    std::array<uint8_t, 2> Reserved14{};
    int16_t CabUserNum = 0;
    int16_t CabLimit4 = 0;
    int16_t CabSets = 0;
    std::array<uint8_t, 20> Reserved22{};
    int16_t Rows = 0;
    std::array<int16_t, 11> Warn{};  // warning flags 1..10, -1 = raised
    float Spacing = 0;      // in; cable bolts: spacing of cable sets (ft)
    float UserSpacing = 0;  // in
    float ActConv = 0;      // in
    float ActTpf = 0;       // tons/ft
    std::array<float, 8> Par{};
    float TotCost = 0, InstTime = 0, SuppVol = 0, SuppPerTrip = 0, TransCost = 0, ConstrCost = 0,
          MatCost = 0, ConstrRate = 0, TotWork = 0, TotPieces = 0;
    float CribA = 0, CribK = 0, CribB = 0;
    float PieceWt = 0;
    float CabPreDisp = 0, CabResinWt = 0, CabMatLen = 0;
    std::array<uint8_t, 60> Reserved182{};
    float SafetyFactor = 0;
    float Coverage = 0;
    SizeI Avail{};
    SizeF Yield{}, MinHt{}, MaxHt{}, RoofArea{}, FloorArea{}, PlanWid{}, PlanLen{};
    std::array<std::string, 21> CabSeq;
    SizeI CostFlags{}, CostBasis{};
    SizeF UnitCost{}, PieceQty{}, PcsPerFt{}, CabResinCost{}, FabrCost{}, FixCost{}, ShipCost{},
          LabCost{}, Crew{}, UserMatCost{}, UserConstrCost{}, UserTransCost{};
    SizeI TimeBasis{};
    SizeF PieceTime{}, FixTime{}, ShiftHrs{};
    SizeI CarsPerTrip{};
    SizeF PkgWid{}, PkgLen{}, HtAdj{}, SecWid{}, SecLen{}, SecThick{}, PackFactor{}, CabMatVol{},
          CabResinVol{}, CabResinVol1{}, CarLen{}, CarWid{}, CarHt{}, TripCost{}, LoadCost{}, UnloadCost{};
    SizeI WtBasis{}, NoFixPiece{};
    SizeF UnitWt{}, FixWt{}, SecWt{};
    int16_t PlotVis = 0;
    int16_t NumPts = 0;
    int16_t PlotOfs = 0;
    int16_t PlotLine = 0;
    int16_t PlotColor = 0;

    // Other meanings of shared slots.
    VESK_SLOT(int16_t, NumPerLayer, SizeIdx)
    VESK_SLOT(int16_t, CabCoated, Interlayer)
    VESK_SLOT(int16_t, CabHole, Stagger)
    VESK_SLOT(int16_t, CabPerSet, Rows)
    VESK_SLOT(float, CabBoltSpac, UserSpacing)
    VESK_SLOT(SizeF, CabCoatCost, MinHt)
    VESK_SLOT(SizeF, CabPlateCost, MaxHt)
    VESK_SLOT(SizeF, CabPlateCost1, RoofArea)
    VESK_SLOT(SizeF, CabDrillTime, PlanWid)
    VESK_SLOT(SizeF, CabDrillTime1, PlanLen)
    VESK_SLOT(SizeF, CabMatCost, PieceQty)
    VESK_SLOT(SizeF, CabResinCost1, PcsPerFt)
    VESK_SLOT(SizeF, FixVol, PkgWid)
    VESK_SLOT(SizeF, CabPlateVol, HtAdj)
    VESK_SLOT(SizeF, CabPlateWt, SecWid)
    VESK_SLOT(SizeF, CabPlateWt1, SecLen)
    VESK_SLOT(SizeF, CabMatWt, SecThick)
    VESK_SLOT(SizeF, PostShape, PackFactor)
    VESK_SLOT(SizeF, CabRefLen, PackFactor)
    VESK_SLOT(SizeI, CabPerPkg, NoFixPiece)
    VESK_SLOT(SizeF, CabPlateVol1, FixWt)
    VESK_SLOT(SizeF, CabDrillWork, SecWt)

    bool operator==(const CaseRec&) const = default;
};

#undef VESK_SLOT

// The design criteria.
struct CritRec {
    int16_t Basis = 0;   // 0 detached block, 1 ground reaction curve, 2 current system, 3 arbitrary
    int16_t Timing = 0;  // 0 Independent, else Concurrent
    float Tpf = 0, TpfPerWid = 0, Conv = 0, CabTpf = 0, Reserved20 = 0;
    float EntryHt = 0, EntryWid = 0, RoofBearing = 0, FloorBearing = 0, UncontrolledConv = 0;
    int16_t CurveId = 0;
    float GRMaxConv = 0, GRDesignConv = 0;
    int16_t GREndMode = 0;
    float FailHt = 0, RockDens = 0, CMRR = 0, YieldZone = 0, Depth = 0, BlockConv = 0;
    int16_t BlockFlags = 0;
    int16_t SysCase = 0;
    int16_t SysRows = 0;
    float SysSpac = 0, SysConv = 0, ArbConv = 0, ArbTpf = 0, ArbTons = 0, ArbSpac = 0, ArbRows = 0;
    float CabFailHt = 0, CabRockDens = 0, CabCMRR = 0, CabConv = 0, CabSF = 0, CabYieldZone = 0, CabDepth = 0;
    int16_t CabBlockFlags = 0;

    bool operator==(const CritRec&) const = default;
};

// One ground reaction curve: points in slots 1..NumPts, end extensions in
// slots 0 and NumPts + 1.
struct CurveRec {
    static constexpr std::size_t NameLen = 32;
    std::string Name;  // 32 characters on file, blank-padded
    int16_t Id = 0;
    int16_t NumPts = 0;
    std::array<int16_t, 12> Rows{};
    std::array<float, 12> Conv{}, Tons{}, Spacing{}, Width{}, Height{}, Intensity{};

    bool operator==(const CurveRec&) const = default;
};

// The settings of the comparison's plot of all performance curves.
struct PlotRec {
    int16_t YType = 0;  // kept as stored (2 occurs in stored settings)
    int16_t Show = 0;
    int16_t XAuto = 0;
    float XMax = 0;
    std::array<int16_t, 4> YAuto{};
    std::array<float, 4> YMax{};

    bool operator==(const PlotRec&) const = default;
};

// On-file sizes (a CaseRec grows by the length of its cable arrangement texts).
constexpr std::size_t kCaseRecBaseSize = 4040;
constexpr std::size_t kCritRecSize = 144;
constexpr std::size_t kCurveRecSize = 348;
constexpr std::size_t kPlotRecSize = 34;

// The bytes that WriteRec writes for r: the base size and its texts.
std::size_t EncodedSize(const CaseRec& r);

void WriteRec(BinWriter& w, const CaseRec& r);
void WriteRec(BinWriter& w, const CritRec& r);
void WriteRec(BinWriter& w, const CurveRec& r);
void WriteRec(BinWriter& w, const PlotRec& r);
// Readers raise ReadError on short or malformed data; the record is then
// partly overwritten, so callers read into a temporary.
void ReadRec(BinReader& rd, CaseRec& r);
void ReadRec(BinReader& rd, CritRec& r);
void ReadRec(BinReader& rd, CurveRec& r);
void ReadRec(BinReader& rd, PlotRec& r);

// Calls f on every Single field of a record (CaseRec, CritRec, CurveRec or
// PlotRec) in file order, every element of an array included.
template <class Rec>
void ForEachSingle(Rec& r, const std::function<void(float&)>& f);

// Every Single field of the record is a finite number. The program never
// stores a NaN or an infinity, so its readers refuse a record holding one.
template <class Rec>
bool AllFinite(const Rec& r);

// ReadError naming what holds the record ("Curve 3 holds") unless AllFinite(r).
template <class Rec>
void RequireFinite(const Rec& r, const std::string& holder)
{
    if (!AllFinite(r))
        throw ReadError(holder + " a value that is not a finite number: the file is damaged.");
}

template <class Rec>
std::string EncodeRec(const Rec& r)
{
    BinWriter w;
    WriteRec(w, r);
    return w.take();
}

}  // namespace vesk
