// The detached rock block: the load density that a block separated from the
// roof puts on the supports, and the two inputs that can be derived instead
// of typed (the failure height from the roof rating CMRR, the yield zone
// width from the depth of cover).
//
// Standing supports and cable bolts each keep a set of block inputs in the
// criteria record; one routine serves both, told by a BlockRules which set it
// works on and how the two dialogs differ in wording and limits.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

// Failure-type and derivation bits of the block flags.
constexpr int16_t kBlockArch = 1;       // set: arch, clear: shear
constexpr int16_t kBlockFromCMRR = 2;   // failure height derived from CMRR
constexpr int16_t kBlockFromDepth = 4;  // yield zone width derived from depth

struct BlockLoads {
    float shear = 0;  // tons/ft
    float arch = 0;   // tons/ft
};

// Shear load density (yield zone / 2 + entry width) x failure height x rock
// density / 2000, and the arch value 0.7854 x shear. Widths and heights in ft,
// density in lb/ft3.
BlockLoads BlockLoadDensity(double yieldZone, double entryWid, double failHt, double rockDens);

// Failure height (ft) from CMRR (%) and the entry width (ft):
// (100 - CMRR) / 100 x width, rounded to 0.1 ft.
float FailHtFromCMRR(double cmrr, double entryWid);

// Yield zone width (ft) from the depth of cover (ft) and the entry height
// (in): 0 below 500 ft, else ((2 x depth)^0.168 - 1) x half the entry height
// in ft, not below 0, rounded to whole feet.
float YieldZoneFromDepth(double depth, double entryHt);

// The boxes of a block frame, in the order they are read.
enum class BlockBox { None, FailHt, Dens, CMRR, YieldZone, Depth, Conv, SF };

// Where one group's block inputs and results live in the criteria record, and
// what its dialog says and accepts.
struct BlockRules {
    float CritRec::*failHt;
    float CritRec::*rockDens;
    float CritRec::*cmrr;
    float CritRec::*yieldZone;
    float CritRec::*depth;
    float CritRec::*conv;       // the design convergence that the load is held at
    float CritRec::*blockConv;  // the frame's own copy of it, refilled from when shown again
    int16_t CritRec::*flags;
    float CritRec::*tpf;   // the resulting design load density
    bool cmrrAtMost100;    // CMRR accepted in (0, 100]; otherwise any value above 0
    const char* convName;  // in "Invalid <name>"
    const char* depthMessage;
    bool safetyFactor;  // the frame has a design safety factor box (1 to 10)
};

extern const BlockRules kStandingBlock;  // design criteria of standing supports
extern const BlockRules kCableBlock;     // design criteria of cable bolts

// The values of the boxes in English units; nullopt for text that is not a
// number (or does not fit its field).
struct BlockInputs {
    std::optional<float> failHt, dens, cmrr, yieldZone, depth, conv, sf;
    bool shear = true;     // "Shear" ticked, else "Arch"
    bool fromCMRR = false;  // the derivation boxes
    bool fromDepth = false;
};

struct BlockResult {
    BlockBox bad = BlockBox::None;  // the first invalid box
    std::string message;            // its message; empty when all are valid
    BlockLoads loads;
};

// Reads the inputs in order into the record: failure height > 0, density > 0,
// CMRR (skipped silently when invalid, the previous value kept), yield zone
// >= 0, depth > 0 (skipped silently), convergence > 0, and the safety factor
// 1 to 10 where the frame has one. The first invalid input ends it with
// "Invalid <name>"; what was read before it stays stored. When all are valid
// the load densities are computed, the one of the failure type becomes the
// design load density, the frame's convergence and the flags are stored.
// Arithmetic errors (overflow) raise ArithError.
BlockResult CalcBlock(CritRec& c, const BlockInputs& in, const BlockRules& rules, float entryWid);

// Copies one group's block inputs (failure height, density, CMRR, yield zone,
// depth, flags and the frame's convergence) into the other group's.
void CopyBlockInputs(CritRec& c, const BlockRules& from, const BlockRules& to);

// Whether a typed CMRR is accepted by the CMRR box's own Enter (0 < v <= 100).
bool ValidCMRR(std::optional<float> v);

}  // namespace vesk
