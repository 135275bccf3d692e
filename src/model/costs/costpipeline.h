// The costs and material handling of one support: the reading of the cost
// boxes into the record (in groups, each with its own error), and the cost
// pipeline that turns a member's quantities (transport volume, pieces,
// material per piece) into supports per car and trip, costs, time, weights
// and work. Every member of the cost dialog family (wood cribs, timber posts,
// concrete supports, file-defined supports, cable bolts) uses it; a member
// only supplies its quantity model, its own transport-volume boxes, and
// where it needs them, its own rules for some steps.
//
// All values are in English units; the element is the record's size slot (1
// for built-in types, SizeIdx + 1 for file-defined types and cable bolts).
#pragma once

#include "model/records.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// The error groups of the reader and their names in "Error in <name> tab.".
enum class CostGroup { None, Cost, Time, Transport, Work };
const char* CostGroupName(CostGroup group);

// A box as read: its value in English units, nullopt for text that is not a
// number (read strictly) or does not fit.
using CostValue = std::optional<float>;

// The boxes and check boxes that every member has.
struct CommonCostInputs {
    bool useMatModel = true, useConstrModel = true, useTransModel = true;  // the three model check boxes ticked
    CostValue userMat, userConstr, userTrans;                              // typed costs, $/support
    CostValue unitCost, fabr, fixCost, ship, labCost, crew;                // group "Cost"
    CostValue time, fixTime, shift;                                        // group "Time"
    CostValue carWid, carLen, carHt, tripCost, loadCost, unloadCost, cars;  // group "Transport" (after the member's)
    CostValue unitWt, fixWt, secWt, noPiece;                               // group "Work"
};

// The boxes holding what element k of the record holds (English units), the
// check boxes ticked where CostFlags has no bit: what the dialog's fill
// shows, and what a box whose text was not changed reads as.
CommonCostInputs StoredCostInputs(const CaseRec& c, int k);

// Where the reader takes a member's own box: right after the unit cost
// (group "Cost"), right after the construction time (group "Time"), first in
// group "Transport", or right after the unit weight (group "Work").
enum class CostPlace { AfterUnitCost, AfterTime, Transport, AfterUnitWt };

// One of a member's own boxes (most of them transport-volume boxes), read at
// its place in the order given: its value goes into the field's element. A
// box with `count` set instead of `field` is a whole-number box: the largest
// whole number not above its value must be at least 1 and at most 32,767,
// and goes into that 16-bit field. The boxes of a member are listed in
// reading order, their places in the order above.
struct MemberCostBox {
    CostValue value;
    SizeF CaseRec::*field = nullptr;
    bool anySign = false;  // otherwise at least 0
    const char* name = "";  // the box's name, reported when it is the bad box
    SizeI CaseRec::*count = nullptr;
    CostPlace place = CostPlace::Transport;
};

// How a member departs from the frame's reading order.
struct CostReadOrder {
    bool fixCostBeforeFabr = false;     // the concrete supports read the fixed cost first
    bool transportCostsInCost = false;  // cable bolts: trip, loading and unloading costs in group "Cost"
    bool noFixedParts = false;          // cable bolts: no fixed weight, secondary weight or fixed pieces
    SizeF CaseRec::*unitCostField = &CaseRec::UnitCost;  // where the unit cost box goes
};

struct CostReadResult {
    CostGroup bad = CostGroup::None;  // the group of the first bad box
    std::string box;                  // that box's name ("TxCrew"), so the window can show its tab
    int membersRead = 0;              // how many of the member's boxes were taken, in their order
    bool ok() const { return bad == CostGroup::None; }
    std::string message() const;      // "Error in <group> tab."
};

// Whether the member's box of that name was taken by the reading that gave
// `read` from `boxes` (false for a box not in the list).
bool MemberBoxTaken(const CostReadResult& read, const std::vector<MemberCostBox>& boxes, std::string_view name);

// Reads the boxes into element k of the record, in the frame's order with
// the member's boxes at their places, up to the first bad one (what was read
// before it stays stored). The check boxes
// come first and set or clear the bits of CostFlags; a typed cost is read
// only while its stored value is not negative. Whole-number boxes (crew,
// cars per trip, fixed pieces, a member's count boxes) whose stored value
// would exceed 32,767 are bad boxes of their group; the fixed pieces are
// stored rounded half to even (32767.5 gives 32768, so it is refused).
CostReadResult ReadCostInputs(CaseRec& c, int k, const CommonCostInputs& in, const std::vector<MemberCostBox>& member,
                              const CostReadOrder& order = {});

// What a member's quantity model gives for one support.
struct CostQuantities {
    double volume = 0;  // transport volume, in³
    double pieces = 0;  // primary pieces (a whole number, formed in double)
    double quantity = 0;  // material of one primary piece, in the unit of the unit cost and weight
};

// Steps of the pipeline that a member computes by its own rules (file-defined
// supports and cable bolts); empty: the frame's rule.
struct CostRules {
    std::function<double(const CaseRec&, int k, const CostQuantities&)> totalPieces;
    std::function<double(const CaseRec&, int k, const CostQuantities&)> pieceWeight;
    std::function<double(const CaseRec&, int k, const CostQuantities&)> primaryWeight;
    std::function<double(const CaseRec&, int k)> secondaryWeight;
    std::function<double(const CaseRec&, int k, const CostQuantities&, float entryHt)> work;
    std::function<double(const CaseRec&, int k, const CostQuantities&)> installTime;
    std::function<double(const CaseRec&, int k, const CostQuantities&)> materialsCost;
    std::function<double(const CaseRec&, int k, double suppVol)> supportsPerCar;
    std::function<double(const CaseRec&, int k, double perTrip)> transportCost;
};

// Everything the pipeline shows; the record's result fields are written too.
struct CostResults {
    double suppVol = 0, carVol = 0, perCar = 0, perTrip = 0;
    double transModel = 0, matModel = 0, laborCost = 0, constrModel = 0;
    double pieces = 0, pieceWt = 0, totalWt = 0, work = 0;
    double instTime = 0, rate = 0, totCost = 0;
};

// Runs the pipeline on element k of the record with the member's quantities
// (and rules), writes its results into the record (SuppVol, SuppPerTrip,
// TransCost, ConstrCost, MatCost, TotCost, InstTime, ConstrRate, TotWork,
// TotPieces, PieceWt), takes the model costs as the typed costs that were
// never set, and applies the overrides of CostFlags. Cars per trip below 1
// become 1 in the record. Counts (supports per car and trip, pieces) are
// formed in double, whatever their size. Throws ArithError when a result
// does not fit its float field; the record is then left as it was.
//
// The rules, where given, replace these steps (the frame's guards still
// apply to their results): totalPieces gives TotPieces; pieceWeight gives
// PieceWt; primaryWeight the weight lifted with the support, fixed weight
// included (secondary weight excluded); secondaryWeight the weight added to
// it in the total and lifted the entry height less a foot (SecWt); work gives
// TotWork; installTime the
// time before its guard (0 or less becomes 1 min); materialsCost the whole
// model materials cost, shipping included; supportsPerCar the count before
// its guard (below 1 becomes 1); transportCost the model transport cost.
// The rules read the record's inputs; the results of earlier steps are not
// in it yet.
CostResults RunCostPipeline(CaseRec& c, int k, const CostQuantities& q, float entryHt, const CostRules& rules = {});

// The inputs that a tab's "Reset defaults" (0 Cost Models, 1 Construction,
// 2 Transport, 3 Work) restores from the default record, with the member's
// own transport-volume fields for tab 2. (Cable bolts restore lists of
// their own.)
void ResetCostDefaults(CaseRec& c, const CaseRec& def, int k, int tab,
                       const std::vector<SizeF CaseRec::*>& memberTransportFields = {});

}  // namespace vesk
