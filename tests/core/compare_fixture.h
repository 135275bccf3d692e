// A project for the comparison tests: seven supports of six types (a wood
// crib, a capped post, a donut crib, a file-defined crib, two cable bolts,
// one with two cable sets per bolt set, and a four-point crib), warnings in
// both groups, quotes in the names.
#pragma once

#include "model/globals.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <tuple>

namespace vesk {

struct CompareFixtureCase {
    const char* name;
    int16_t type;
    float spacing;
    int16_t rows;
    float conv, tpf;  // ActConv, ActTpf
    // TotCost, MatCost, TransCost, ConstrCost, InstTime, ConstrRate, TotPieces,
    // PieceWt, TotWork, SuppVol, SuppPerTrip, SafetyFactor, Coverage
    std::array<float, 13> results;
    std::array<float, 8> par;
    std::initializer_list<int> warnings;
};

inline void AddFixtureCase(const CompareFixtureCase& f)
{
    const int k = ++G.NumCases;
    G.CaseName[k] = f.name, G.CaseType[k] = f.type;
    CaseRec& r = G.Cases[k];
    r.Spacing = f.spacing, r.Rows = f.rows, r.ActConv = f.conv, r.ActTpf = f.tpf;
    const auto& v = f.results;
    std::tie(r.TotCost, r.MatCost, r.TransCost, r.ConstrCost, r.InstTime, r.ConstrRate, r.TotPieces, r.PieceWt,
             r.TotWork, r.SuppVol, r.SuppPerTrip, r.SafetyFactor, r.Coverage) =
        std::tie(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12]);
    r.Par = f.par;
    for (int w : f.warnings)
        r.Warn[static_cast<std::size_t>(w)] = -1;
}

// The catalogue: the six built-in types, a file-defined crib (type 7) and a
// cable bolt (type 8), two models each.
inline void SetCompareCatalogue()
{
    G.NumTypes = 8;
    G.TypeCat = {0, 1, 1, 2, 2, 2, 2, 3, 7};
    G.TypeFile = {"", "", "", "", "", "", "", "engcrib.dat", "cable.dat"};
    G.NumModels = {0, 0, 0, 0, 0, 0, 0, 2, 2};
    G.ModelName.redim(8, 20);
    G.ModelName(7, 1) = "EC 36 in", G.ModelName(7, 2) = "EC 48 in \"heavy\"";
    G.ModelName(8, 1) = "0.6 in strand", G.ModelName(8, 2) = "0.5 in strand";
}

class CompareProject : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        SetCompareCatalogue();
        G.ProjName = "Main \"North\" entry";
        G.EasternMines = -1;

        G.DesignTpf = 14.2f, G.DesignConv = 2, G.EntryHt = 84, G.EntryWid = 18;
        G.NumCurves = 1;
        G.DesignCurve.Name = "Panel \"7\" GRC                   ";
        CritRec& c = G.DesignCrit;
        c.Basis = 1, c.RoofBearing = 1200, c.FloorBearing = 950, c.UncontrolledConv = 1, c.Timing = 0;
        c.CabTpf = 8.5f, c.CabConv = 0.75f, c.CabFailHt = 6, c.CabRockDens = 160, c.CabBlockFlags = 1;
        c.CabYieldZone = 2.5f, c.CabSF = 1.5f;

        AddFixtureCase({"Wood crib 6x6", 1, 60, 2, 1.2f, 12.5f,
                        {120.5f, 80.25f, 15.75f, 24.5f, 45, 10.5f, 24, 52.3f, 3250, 9.5f, 12, 1.45f, 8.2f},
                        {6, 6, 36, 6, 1100, 700}, {3, 9}});
        G.Cases[1].NumPerLayer() = 2;
        AddFixtureCase({"Post \"B\"", 2, 48, 3, 0.9f, 15,
                        {95, 60, 10, 25, 30, 16, 2, 140.5f, 1800, 1.75f, 40, 1.2f, 3.5f},
                        {7, 1250, 1300, 2, 1100, 650}, {7, 8}});
        AddFixtureCase({"Donut crib", 3, 72, 1, 1.6f, 11.25f,
                        {210, 150, 22.5f, 37.5f, 30, 16, 8, 95, 2600, 14.2f, 6, 2.1f, 12.5f},
                        {8, 24, 0, 0, 0, 6500, 1.5f}, {5, 6, 10}});
        G.Cases[3].Interlayer = 1;
        AddFixtureCase({"Engineered crib", 7, 54, 2, 2.4f, 13.1f,
                        {180, 130, 18, 32, 40, 12, 12, 60, 2900, 11, 8, 1.05f, 9},
                        {}, {1, 4}});
        G.Cases[4].SizeIdx = 1;
        AddFixtureCase({"Cable 2x", 8, 4, 2, 0.6f, 9.2f,
                        {310, 220, 12, 78, 55, 9, 6, 38, 4100, 2.5f, 20, 1.6f, 4},
                        {14, 5, 12, 0, 0, 0, 5}, {5, 8}});
        CaseRec& cable = G.Cases[5];
        cable.CabSets = 1, cable.CabBoltSpac() = 4, cable.CabPlate = 2, cable.CabCoated() = 1;
        AddFixtureCase({"Cable sets", 8, 6, 4, 0.8f, 8.8f,
                        {450, 330, 20, 100, 70, 7, 10, 45, 5200, 3.8f, 15, 1.3f, 5.5f},
                        {16, 6, 0, 0, 0, 0, 8}, {1, 2, 3, 6, 7}});
        CaseRec& sets = G.Cases[6];
        sets.CabSets = 2, sets.CabSeq[1] = "(0-4-4)", sets.CabBoltSpac() = 5, sets.CabPlate = 1, sets.CabHole() = 1;
        AddFixtureCase({"4-pt crib", 4, 66, 1, 1.9f, 10,
                        {160, 110, 20, 30, 50, 11, 16, 70, 2400, 12, 7, 1.8f, 7},
                        {6, 6, 30, 0, 0, 5000, 0.75f}, {}});
    }
    void TearDown() override { ResetGlobals(); }
};

}  // namespace vesk
