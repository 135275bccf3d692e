// Cost of one cable-bolt performance calculation, as every change in its
// dialog runs it: the largest size of the shipped cable model file at the
// built-in cable-bolt criteria, with the number of cables calculated (0) or
// typed (1), over a mat and 6-in plates with the automatic mat length.
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/cablebolts/cableperf.h"
#include "model/globals.h"
#include "model/supportlist.h"

#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

// The shipped cable bolts as the current support at their largest size;
// false when the files cannot be read.
bool shippedCable()
{
    ResetGlobals();
    SetBuiltInDefaults();
    G.DesignTpf = G.DesignCrit.CabTpf;
    G.DesignConv = G.DesignCrit.CabConv;
    G.EntryWid = G.DesignCrit.EntryWid;
    G.AppPath = VESK_DATA_DIR;
    int16_t type = 0;
    if (!ReadConfig())
        for (int16_t t = 7; t <= G.NumTypes; ++t)
            if (G.TypeFile[static_cast<std::size_t>(t)] == "cable.dat")
                type = t;
    if (type == 0 || AppendSupport(type, "Cables") == 0 || !LoadModelFile(type))
        return false;
    G.CurCase = G.Cases[1];
    G.CurCase.CabPlate = 2;
    return true;
}

void BM_CalcPerfCab(benchmark::State& state)
{
    if (!shippedCable()) {
        state.SkipWithError("cable.dat cannot be read");
        return;
    }
    const CaseRec& c = G.CurCase;
    CabInputs in;
    in.listIndex = G.NumModels[static_cast<std::size_t>(G.CaseType[1])] - 1;
    in.userDefined = state.range(0) != 0;
    in.limit4 = true;
    in.autoMat = true;
    in.cables = 6;
    in.sets = c.CabSets;
    in.boltSpacing = c.CabBoltSpac();
    in.cableLength = c.Par[0];
    in.resinLength = c.Par[1];
    in.preload = c.Par[6];
    in.matLength = c.Par[3];
    if (!CalcPerfCab(in).complete()) {
        state.SkipWithError("the shipped cable bolts are not designed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcPerfCab(in));
}
BENCHMARK(BM_CalcPerfCab)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
