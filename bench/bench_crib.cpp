// Cost of the wood crib's recompute (one Enter in its dialog) and of the crib
// design optimisation over timber widths of 4 to 24 in with a maximum spacing
// of 120 in, which must finish well inside a 16 ms frame.
#include "files/defaults.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "model/supports/crib.h"

#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

void setUpCrib()
{
    ResetGlobals();
    SetBuiltInDefaults();
    G.NumTypes = 7;
    G.TypeCat.assign(8, 1);
    AppendSupport(1, "Crib");
    G.CurCase = G.Cases[1];
    G.DesignTpf = G.DesignCrit.Tpf;
    G.DesignConv = G.DesignCrit.Conv;
    G.EntryHt = G.DesignCrit.EntryHt;
    G.EntryWid = G.DesignCrit.EntryWid;
    G.SecFactor = 0.95f;
}

void BM_CribRecompute(benchmark::State& state)
{
    setUpCrib();
    const CaseRec& c = G.CurCase;
    const CribInputs in{c.NumPerLayer(), c.Par[0], c.Par[1], c.Par[2], c.Par[3], c.Par[4], c.Par[5]};
    LayoutInputs layout;
    layout.spacing = 36;
    layout.rows = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(RecomputeCrib(in, layout));
}
BENCHMARK(BM_CribRecompute)->Unit(benchmark::kMicrosecond);

void BM_CribOptimisation(benchmark::State& state)
{
    setUpCrib();
    OptimizeInputs in;
    in.tpf = 16;
    in.conv = 2;
    in.maxSpacing = 120;
    in.minWidth = 4;
    in.maxWidth = 24;
    in.rows = 1;
    for (auto _ : state) {
        CaseRec work = G.CurCase;
        benchmark::DoNotOptimize(OptimizeCrib(work, in, 0));
    }
}
BENCHMARK(BM_CribOptimisation)->Unit(benchmark::kMicrosecond);

}  // namespace
