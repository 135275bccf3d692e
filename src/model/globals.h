// The program's global state: one struct whose members carry the names the
// whole program uses, with one instance G. Every window reads and writes it
// directly; tests reset it with ResetGlobals().
//
// Flags are 0 for false and -1 for true. Arrays indexed from 1 keep an unused
// element 0, as the support list and the type catalogue number from 1.
#pragma once

#include "model/records.h"
#include "model/table2d.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vesk {

constexpr int kMaxCases = 10;

// What the main window's navigation opens next (`NextStep`): nothing, the
// information center, the design-basis dialog, the support list or the
// comparison window.
enum StepCode { StepNone = 0, StepInfo = 1, StepCriteria = 2, StepSupports = 3, StepCompare = 4 };
constexpr int16_t kMaxModels = 20;

struct GlobalState {
    // --- The support list ---
    int16_t NumCases = 0;
    std::array<std::string, kMaxCases + 1> CaseName;  // element 0: the list heading
    std::array<int16_t, kMaxCases + 1> CaseType{};
    std::array<CaseRec, kMaxCases + 1> Cases;
    std::array<CaseRec, kMaxCases + 1> DefCases;
    int16_t CurCaseNo = 0;
    int16_t CurType = 0;
    CaseRec CurCase;
    int16_t ChangeCount = 0;
    std::array<CaseRec, 9> TypeDefaults;  // templates 1..8

    // --- Design criteria and their working values ---
    CritRec DesignCrit;
    int16_t DesignBasis = 0;
    float DesignTpf = 0;   // tons/ft
    float DesignConv = 0;  // in
    float EntryHt = 0;     // in
    float EntryWid = 0;    // ft
    float SecFactor = 0;

    // --- Flags and navigation ---
    int16_t MetricUnits = 0;
    int16_t EasternMines = 0;
    int16_t GrcDefined = 0;
    int16_t NextStep = 0;
    int16_t SelectMode = 0;
    int16_t CompareView = 0;
    int16_t AddMode = 0;
    int16_t DesignNow = 0;
    int16_t RecalcAll = 0;
    int16_t SizeChanged = 0;
    int16_t CritChangedSS = 0;
    int16_t CritChangedCB = 0;
    int16_t VerifySS = 0;
    int16_t VerifyCB = 0;
    int16_t WoodTable = 0;
    int16_t WoodSel = 0;
    int16_t WoodWet = 0;

    // --- Type catalogue and model tables ---
    int16_t NumTypes = 0;
    std::vector<std::string> SupTypeName;  // 0..NumTypes
    std::vector<int16_t> TypeCat;          // 0..NumTypes
    std::vector<std::string> TypeFile;     // 0..NumTypes
    int16_t MaxModels = kMaxModels;
    std::vector<int16_t> NumModels;        // 0..NumTypes
    Table2D<std::string> ModelName;        // (type, model)
    List1D<float> ModelYMax, ModelXMax;    // per model of the type last read
    // Load-convergence points per model; (m, 0) of PerfConv holds the count.
    Table2D<float> PerfConv, PerfLoad;

    // --- Wood species ---
    int16_t NumCribWoods = 0;
    int16_t NumPostWoods = 0;
    std::vector<std::string> CribWoodName;  // species from 1
    std::vector<std::string> PostWoodName;
    Table2D<float> CribWoodProp;  // (species, 1 strength psi | 2 hardness lb)
    Table2D<float> PostWoodProp;  // (species, 1 wet strength | 2 wet E | 3 dry strength | 4 dry E)

    // --- Ground reaction curves ---
    std::vector<CurveRec> GRCurves;  // 1..MaxCurves
    int16_t NumCurves = 0;
    int16_t MaxCurves = 0;
    int16_t NextCurveId = 0;
    int16_t CurveSel = 0;
    CurveRec WorkCurve;
    CurveRec DesignCurve;

    // --- Results of the engineering routines ---
    float CurrLoad = 0, CurrConv = 0, CurrTpf = 0;
    float DsnLoad = 0, DsnTpf = 0, DsnConv = 0;
    float CurveMaxLoad = 0, CurveMaxConv = 0;
    float PerfA = 0, PerfK = 0, PerfB = 0;
    float CribRatio = 0;
    float PeakLoad = 0;

    // --- Comparison plot and chart settings ---
    PlotRec PlotSet;
    int16_t ChartCat = 0, ChartParm = 0, ChartColor = 0, LaborColor = 0, TransColor = 0, MatColor = 0;
    float PlotXMax = 0, PlotYMax = 0;

    // --- Paths, names and texts ---
    std::string AppPath;  // program folder, no trailing separator
    std::string BmpPath;
    std::string ProjName;
    std::string DefProjName;
    std::string ProjectPath;
    std::string CrLf;
    std::string BasisName;
    std::string VersionText, VersionDate;
    int16_t NewType = 0;
    std::string NewName;

    // --- Information center, figure viewer and loading display ---
    int16_t InfoType = 0;
    Table2D<int16_t> InfoTable;  // (entry 0..NumTypes, 0..5)
    std::vector<std::string> FigFile, FigCaption;
    std::vector<std::string> FailModelFile, FailModelName;
    Table2D<int16_t> FotoCount;  // (loading model, 0..2)
    std::vector<float> FotoConv;
    std::vector<std::string> FotoFile;
    int16_t FailModel = 0;
    std::vector<float> FailConv, FailLoad;  // element 0 of FailConv: point count
};

extern GlobalState G;

// Every global back to zero or empty, as at program start.
void ResetGlobals();

// Display names of the design bases, by code 0..3.
extern const std::array<const char*, 4> kBasisNames;

}  // namespace vesk
