#include "files/defaults.h"

#include "model/criteria/summary.h"
#include "model/globals.h"
#include "model/vbmath.h"
#include "files/fieldreader.h"
#include "files/textfile.h"

namespace vesk {

namespace {

constexpr int kTplWoodCrib = 1;
constexpr int kTplPost = 2;
constexpr int kTplCableBolt = 8;
constexpr int kLastSize = 20;
constexpr int16_t kBuiltInMaxCurves = 50;

// Values set before reading, whichever way the reading ends.
void setFixedValues()
{
    G.CurCaseNo = 0;
    G.CurType = 0;
    G.CaseName[0] = "Select cases to evaluate/compare";
    G.DesignBasis = 0;
    G.BasisName = kBasisNames[0];
    G.ChartColor = 12;
    G.LaborColor = 12;
    G.TransColor = 10;
    G.MatColor = 9;
}

// The typed costs of every size start as never set, with no cost flag.
void clearTypedCosts(CaseRec& r)
{
    for (int i = 1; i <= kLastSize; ++i) {
        r.CostFlags[i] = 0;
        r.UserMatCost[i] = -1;
        r.UserConstrCost[i] = -1;
        r.UserTransCost[i] = -1;
    }
}

// The sixteen cable arrays that the file and the built-in table give for
// element 0 and that every size then shares.
void copyCableElement0(CaseRec& r)
{
    SizeF* arrays[] = {&r.CabResinCost,    &r.CabResinCost1(), &r.CabPlateCost(), &r.CabPlateCost1(),
                       &r.CabMatCost(),    &r.CabDrillTime(),  &r.CabDrillTime1(), &r.CabDrillWork(),
                       &r.CabResinVol,     &r.CabResinVol1,    &r.CabPlateVol(),  &r.CabPlateVol1(),
                       &r.CabMatVol,       &r.CabPlateWt(),    &r.CabPlateWt1(),  &r.CabMatWt()};
    for (SizeF* a : arrays)
        for (int i = 1; i <= kLastSize; ++i)
            (*a)[i] = (*a)[0];
}

// A regional pair: label, Eastern line, label, Western line. Only the line of
// the region in force is parsed.
template <class F>
void regionalPair(FieldReader& rd, bool eastern, F&& readLine)
{
    rd.skipLine();
    if (eastern) {
        readLine();
        rd.skipLines(2);
    } else {
        rd.skipLines(2);
        readLine();
    }
}

void readFile(FieldReader& rd)
{
    const bool eastern = G.EasternMines != 0;
    auto S = [&] { return rd.single(); };
    auto I = [&] { return rd.integer(); };
    auto label = [&] { rd.skipLine(); };
    auto eol = [&] { rd.endLine(); };
    CritRec& c = G.DesignCrit;

    rd.skipLines(2);
    G.VersionText = rd.line();
    rd.skipLine();
    G.VersionDate = rd.line();

    label();  // 6, 7
    c.EntryHt = S();
    c.EntryWid = S();
    c.Tpf = S();
    c.Conv = S();
    c.Basis = I();
    eol();
    G.DesignTpf = c.Tpf;
    G.DesignConv = c.Conv;
    G.EntryHt = c.EntryHt;
    G.EntryWid = c.EntryWid;
    c.TpfPerWid = CSng(Div(c.Tpf, c.EntryWid));
    SetDesignBasis(c.Basis);  // the name goes with the basis

    label();  // 8, 9
    c.RoofBearing = S();
    c.FloorBearing = S();
    c.UncontrolledConv = S();
    c.Timing = I();
    S();  // the security-check percentage: must be a number, not used
    eol();
    // The security check always allows 5 % below the required load density.
    G.SecFactor = 0.95f;

    label();  // 10, 11
    c.BlockConv = S();
    c.FailHt = S();
    c.RockDens = S();
    c.CMRR = S();
    c.BlockFlags = I();
    eol();

    label();  // 12, 13
    c.YieldZone = S();
    c.Depth = S();
    eol();

    label();  // 14, 15
    // A library without room for a curve would refuse every new one.
    G.MaxCurves = I();
    if (G.MaxCurves <= 0)
        G.MaxCurves = kBuiltInMaxCurves;
    c.GRDesignConv = S();
    c.GRMaxConv = S();
    c.CurveId = I();
    c.GREndMode = I();
    eol();

    label();  // 16, 17
    c.SysConv = S();
    c.SysSpac = S();
    c.SysRows = I();
    eol();
    c.SysCase = 0;

    label();  // 18, 19
    c.ArbConv = S();
    c.ArbTpf = S();
    c.ArbTons = S();
    c.ArbSpac = S();
    c.ArbRows = S();
    eol();

    label();  // 20, 21
    c.CabTpf = S();
    c.CabConv = S();
    c.CabFailHt = S();
    c.CabRockDens = S();
    c.CabCMRR = S();
    c.CabBlockFlags = I();
    eol();

    label();  // 22, 23
    c.CabSF = S();
    c.CabYieldZone = S();
    c.CabDepth = S();
    eol();

    // The common block, built in template 1 and then copied to all.
    auto& T = G.TypeDefaults;
    CaseRec& t1 = T[kTplWoodCrib];
    label();  // 24, 25
    t1.UserSpacing = S();
    t1.Rows = I();
    const float cabBoltSpac = S();
    const int16_t cabSets = I();
    const int16_t cabUserNum = I();
    eol();

    label();  // 26, 27
    t1.LabCost[1] = S();
    t1.Crew[1] = S();
    t1.ShiftHrs[1] = S();
    eol();

    label();  // 28, 29
    t1.CarLen[1] = S();
    t1.CarWid[1] = S();
    t1.CarHt[1] = S();
    t1.CarsPerTrip[1] = I();
    t1.TripCost[1] = S();
    eol();

    t1.Spacing = 60;
    t1.ActConv = 1;
    t1.ActTpf = 1;
    t1.SizeIdx = -1;
    t1.SpacMode = 0;
    t1.Stagger = 0;
    t1.Updated = 0;
    t1.CabLimit4 = 1;
    t1.PlotVis = -1;
    t1.FixVol()[1] = 0;
    clearTypedCosts(t1);
    for (int i = 2; i <= kLastSize; ++i) {
        t1.LabCost[i] = t1.LabCost[1];
        t1.Crew[i] = t1.Crew[1];
        t1.ShiftHrs[i] = t1.ShiftHrs[1];
        t1.CarLen[i] = t1.CarLen[1];
        t1.CarWid[i] = t1.CarWid[1];
        t1.CarHt[i] = t1.CarHt[1];
        t1.CarsPerTrip[i] = t1.CarsPerTrip[1];
        t1.TripCost[i] = t1.TripCost[1];
    }
    for (int k = 2; k <= 8; ++k)
        T[k] = t1;

    // Cost line of templates 1..6: fixed, unit, fabrication and shipping cost.
    auto costLine = [&](CaseRec& r) {
        regionalPair(rd, eastern, [&] {
            r.FixCost[1] = S();
            r.UnitCost[1] = S();
            r.FabrCost[1] = S();
            r.ShipCost[1] = S();
            eol();
        });
    };
    // Loading and unloading, time and weight lines, as for the wood crib.
    auto handlingLines = [&](CaseRec& r) {
        label();
        r.LoadCost[1] = S();
        r.UnloadCost[1] = S();
        eol();
        label();
        r.PieceTime[1] = S();
        r.FixTime[1] = S();
        r.FixVol()[1] = S();
        eol();
        label();
        r.UnitWt[1] = S();
        r.FixWt[1] = S();
        r.SecWt[1] = S();
        r.NoFixPiece[1] = I();
        eol();
    };

    // Template 1, wood crib: lines 30 to 43.
    label();
    t1.NumPerLayer() = I();
    for (int k = 0; k <= 3; ++k)
        t1.Par[k] = S();
    eol();
    label();
    for (int k = 4; k <= 7; ++k)
        t1.Par[k] = S();
    t1.Yield[1] = S();
    eol();
    costLine(t1);
    handlingLines(t1);
    t1.NumPts = 24;

    // Template 2, timber post: lines 44 to 59.
    CaseRec& t2 = T[kTplPost];
    label();
    t2.Interlayer = I();
    for (int k = 0; k <= 2; ++k)
        t2.Par[k] = S();
    eol();
    label();
    for (int k = 3; k <= 5; ++k)
        t2.Par[k] = S();
    t2.PlanWid[1] = S();
    t2.PlanLen[1] = S();
    eol();
    if (t2.PlanWid[1] <= 0)
        t2.PlanWid[1] = 10;
    if (!(t2.PlanLen[1] > 0))
        t2.PlanLen[1] = 20;
    t2.RoofArea[1] = CSng(static_cast<double>(t2.PlanWid[1]) * t2.PlanLen[1]);
    t2.FloorArea[1] = t2.RoofArea[1];
    costLine(t2);
    label();
    t2.LoadCost[1] = S();
    t2.UnloadCost[1] = S();
    eol();
    label();
    t2.PieceTime[1] = S();
    t2.FixTime[1] = S();
    eol();
    label();
    t2.PostShape()[1] = S();
    const float heightReduction = S();
    t2.SecWid[1] = S();
    t2.SecLen[1] = S();
    t2.SecThick[1] = S();
    eol();
    t2.HtAdj[1] = -heightReduction;
    label();
    t2.UnitWt[1] = S();
    t2.FixWt[1] = S();
    t2.SecWt[1] = S();
    t2.NoFixPiece[1] = I();
    eol();
    t2.NumPts = 10;

    // Templates 3 and 4 (donut and four-point cribs): lines 60 to 87.
    for (int k = 3; k <= 4; ++k) {
        CaseRec& t = T[k];
        label();
        for (int p = 0; p <= 2; ++p)
            t.Par[p] = S();
        eol();
        label();
        t.Par[5] = S();
        t.Par[6] = S();
        t.Interlayer = I();
        eol();
        costLine(t);
        handlingLines(t);
        t.NumPts = 7;
    }

    // Templates 5 and 6 (solid and stopping block cribs): lines 88 to 119.
    for (int k = 5; k <= 6; ++k) {
        CaseRec& t = T[k];
        label();
        t.Par[0] = S();
        t.Par[1] = S();
        eol();
        label();
        for (int p = 2; p <= 4; ++p)
            t.Par[p] = S();
        eol();
        label();
        t.Par[5] = S();
        t.Par[6] = S();
        t.Interlayer = I();
        eol();
        costLine(t);
        handlingLines(t);
        t.NumPts = 7;
    }

    // Template 7 (file-defined standing types) holds the common block only.
    T[7].SizeIdx = -1;

    // Template 8, cable bolts: lines 120 to 133.
    CaseRec& t8 = T[kTplCableBolt];
    t8.CabBoltSpac() = cabBoltSpac;
    t8.CabUserNum = cabUserNum;
    t8.CabLimit4 = 1;
    t8.CabSets = cabSets;
    label();
    t8.Par[0] = S();
    t8.Par[1] = S();
    t8.Par[6] = S();
    t8.CabHole() = I();
    t8.CabCoated() = I();
    eol();
    label();
    t8.CabPlate = I();
    t8.Par[3] = S();
    t8.Par[4] = S();
    t8.CabAutoMat = I();
    eol();
    regionalPair(rd, eastern, [&] {
        t8.CabResinCost[0] = S();
        t8.CabResinCost1()[0] = S();
        t8.CabPlateCost()[0] = S();
        t8.CabPlateCost1()[0] = S();
        t8.CabMatCost()[0] = S();
        eol();
    });
    label();
    t8.CabDrillTime()[0] = S();
    t8.CabDrillTime1()[0] = S();
    t8.CabDrillWork()[0] = S();
    eol();
    label();
    t8.CabResinVol[0] = S();
    t8.CabResinVol1[0] = S();
    t8.CabPlateVol()[0] = S();
    t8.CabPlateVol1()[0] = S();
    t8.CabMatVol[0] = S();
    eol();
    label();
    t8.CabResinWt = S();
    t8.CabPlateWt()[0] = S();
    t8.CabPlateWt1()[0] = S();
    t8.CabMatWt()[0] = S();
    eol();
    copyCableElement0(t8);

    // Lines 134, 135: plot settings.
    label();
    G.PlotSet.YType = I();
    G.PlotSet.Show = I();
    G.PlotSet.XMax = S();
    G.PlotSet.YMax[0] = S();
    G.PlotSet.YMax[1] = S();
    eol();
    G.PlotSet.XAuto = -1;
    G.PlotSet.YAuto[0] = -1;
    G.PlotSet.YAuto[1] = -1;
}

struct BuiltInTemplate {
    int16_t numPerLayer;  // wood crib only
    int16_t interlayer;   // the others
    float par[8];
    bool hasPar6, hasPar7;
    float actConv;
    int16_t numPts;
    int16_t costBasis;
    float unitCost, fixCost, fabrCost, pieceTime, fixTime;
    int16_t wtBasis;
    float unitWt;
};

// Templates 1..6 in type order (wood crib, timber post, donut crib,
// four-point, solid and stopping block concrete cribs).
const BuiltInTemplate kBuiltIn[6] = {
    {2, 0, {8, 8, 36, 4, 1000, 1000, 6, 12}, true, true, 1, 24, 0, 0.25f, 2.5f, 0.25f, 0.7f, 2, 0, 4},
    {0, 0, {8, 1000, 1000, 2, 1000, 1000, 0, 0}, false, false, 0.1f, 2, 1, 0.62f, 2.5f, 0, 8, 2, 1, 4},
    {0, 0, {18, 24, 4, 1, 1, 6000, 2, 0}, true, false, 0.1f, 2, 0, 5, 0, 2, 0.7f, 1, 0, 150},
    {0, 0, {8, 8, 24, 1, 1, 6000, 2, 0}, true, false, 0.1f, 2, 0, 5, 0, 2, 0.7f, 2.5f, 0, 150},
    {0, 0, {24, 24, 8, 8, 24, 6000, 2, 0}, true, false, 0.1f, 2, 0, 5, 0, 2, 0.7f, 1, 0, 150},
    {0, 0, {24, 24, 8, 8, 24, 3000, 2, 0}, true, false, 0.1f, 2, 0, 1.5f, 0, 2, 0.7f, 1, 0, 150},
};

}  // namespace

void SetBuiltInDefaults()
{
    G.VersionText = "2.3";
    G.VersionDate = "May 1, 2001";

    CritRec& c = G.DesignCrit;
    c.EntryHt = 96;
    c.EntryWid = 20;
    c.Tpf = 16;
    c.TpfPerWid = 0.8f;
    c.Conv = 2;
    c.Basis = 0;
    c.RoofBearing = 1000;
    c.FloorBearing = 1000;
    c.UncontrolledConv = 0;
    c.Timing = 0;
    c.BlockConv = 2;
    c.FailHt = 10;
    c.RockDens = 160;
    c.CMRR = 50;
    c.BlockFlags = 0;
    c.YieldZone = 10;
    c.Depth = 1000;
    c.GRMaxConv = 4;
    c.GRDesignConv = 2;
    c.GREndMode = 0;
    c.CurveId = G.NumCurves > 0 && G.GRCurves.size() > 1 ? G.GRCurves[1].Id : int16_t(-1);
    c.SysConv = 2;
    c.SysSpac = 60;
    c.SysRows = 1;
    c.SysCase = 0;
    c.ArbConv = 2;
    c.ArbTpf = 20;
    c.ArbTons = 100;
    c.ArbSpac = 60;
    c.ArbRows = 1;
    c.CabTpf = 22.4f;
    c.CabConv = 0.75f;
    c.CabFailHt = 5;
    c.CabRockDens = 160;
    c.CabCMRR = 80;
    c.CabBlockFlags = 0;
    c.CabSF = 1.5f;
    c.CabYieldZone = 10;
    c.CabDepth = 1000;
    G.MaxCurves = kBuiltInMaxCurves;
    G.SecFactor = 0.95f;
    G.DesignTpf = c.Tpf;
    G.DesignConv = c.Conv;
    G.EntryHt = c.EntryHt;
    G.EntryWid = c.EntryWid;
    // The basis in force follows the criteria, also after a file that failed
    // once its basis had been read.
    SetDesignBasis(c.Basis);  // the name goes with the basis

    const float shipCost = G.EasternMines != 0 ? 0.0f : 75.0f;
    for (int k = 1; k <= 8; ++k) {
        CaseRec& r = G.TypeDefaults[k];
        r.Rows = 1;
        r.Spacing = 60;
        r.UserSpacing = 60;
        r.ActConv = 1;
        r.ActTpf = 1;
        r.SizeIdx = -1;
        r.SpacMode = 0;
        r.CabLimit4 = 1;
        r.PlotVis = -1;
        r.FixVol()[1] = 0;
        r.FixWt[1] = 0;
        r.SecWt[1] = 0;
        r.NoFixPiece[1] = 0;
        r.ShipCost[0] = shipCost;
        for (int i = 1; i <= kLastSize; ++i) {
            r.LabCost[i] = 35;
            r.Crew[i] = 2;
            r.ShiftHrs[i] = 8;
            r.ShipCost[i] = r.ShipCost[0];
            r.CarLen[i] = 21;
            r.CarWid[i] = 7;
            r.CarHt[i] = 32;
            r.CarsPerTrip[i] = 1;
            r.TripCost[i] = 70;
        }
        clearTypedCosts(r);
    }

    for (int k = 1; k <= 6; ++k) {
        const BuiltInTemplate& b = kBuiltIn[k - 1];
        CaseRec& r = G.TypeDefaults[k];
        if (k == kTplWoodCrib)
            r.NumPerLayer() = b.numPerLayer;
        else
            r.Interlayer = b.interlayer;
        for (int p = 0; p <= 5; ++p)
            r.Par[p] = b.par[p];
        if (b.hasPar6)
            r.Par[6] = b.par[6];
        if (b.hasPar7)
            r.Par[7] = b.par[7];
        r.ActConv = b.actConv;
        r.NumPts = b.numPts;
        r.CostBasis[1] = b.costBasis;
        r.UnitCost[1] = b.unitCost;
        r.PcsPerFt[1] = 0;
        r.FixCost[1] = b.fixCost;
        r.FabrCost[1] = b.fabrCost;
        r.TimeBasis[1] = 0;
        r.PieceTime[1] = b.pieceTime;
        r.FixTime[1] = b.fixTime;
        r.WtBasis[1] = b.wtBasis;
        r.UnitWt[1] = b.unitWt;
    }
    CaseRec& t1 = G.TypeDefaults[kTplWoodCrib];
    t1.Yield[1] = 5;
    CaseRec& t2 = G.TypeDefaults[kTplPost];
    t2.PlanWid[1] = 10;
    t2.PlanLen[1] = 20;
    t2.RoofArea[1] = 200;
    t2.FloorArea[1] = 200;
    t2.HtAdj[1] = -6;
    t2.SecWid[1] = 12;
    t2.SecLen[1] = 24;
    t2.SecThick[1] = 4;
    t2.PostShape()[1] = 0;

    CaseRec& t8 = G.TypeDefaults[kTplCableBolt];
    t8.CabBoltSpac() = 4;
    t8.Par[0] = 14;
    t8.Par[1] = 5;
    t8.Par[3] = 16;
    t8.Par[4] = 14;
    t8.Par[5] = 4;
    t8.Par[6] = 0;
    t8.CabResinWt = 125;
    t8.CabCoated() = 0;
    t8.CabHole() = 0;
    t8.CabPlate = 0;
    t8.CabAutoMat = 1;
    t8.CabUserNum = 4;
    t8.CabLimit4 = 1;
    t8.CabSets = 1;
    t8.CabResinCost1()[0] = 0.4f;
    t8.CabResinCost[0] = 0.2f;
    t8.CabPlateCost()[0] = 1.4f;
    t8.CabPlateCost1()[0] = 2.5f;
    t8.CabMatCost()[0] = 2.5f;
    t8.CabDrillTime()[0] = 0.35f;
    t8.CabDrillTime1()[0] = 0.4f;
    t8.CabDrillWork()[0] = 20;
    t8.CabResinVol[0] = 14.13f;
    t8.CabResinVol1[0] = 26.73f;
    t8.CabPlateVol()[0] = 21.6f;
    t8.CabPlateVol1()[0] = 38.4f;
    t8.CabMatVol[0] = 25.2f;
    t8.CabPlateWt()[0] = 3.8f;
    t8.CabPlateWt1()[0] = 6.8f;
    t8.CabMatWt()[0] = 4.8f;
    copyCableElement0(t8);

    PlotRec& p = G.PlotSet;
    p.YType = 1;
    p.Show = 3;
    p.XAuto = -1;
    p.XMax = 6;
    p.YAuto[0] = -1;
    p.YAuto[1] = -1;
    p.YMax[0] = 200;
    p.YMax[1] = 50;
}

int16_t ReadDefaultsData(std::string bytes)
{
    setFixedValues();
    try {
        FieldReader rd(std::move(bytes));
        readFile(rd);
        return 0;
    } catch (const ReadError&) {
    } catch (const ArithError&) {
    }
    SetBuiltInDefaults();
    return -1;
}

int16_t ReadDefaults()
{
    FileBytes f = ReadFileBytes(AppFilePath(kDefaultsFile));
    if (f.status != FileStatus::Ok) {
        setFixedValues();
        SetBuiltInDefaults();
        return -1;
    }
    return ReadDefaultsData(std::move(f.bytes));
}

}  // namespace vesk
