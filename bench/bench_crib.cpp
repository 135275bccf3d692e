// Cost of the wood crib's recompute (one Enter in its dialog) and of the crib
// design optimisation over timber widths of 4 to 24 in with a maximum spacing
// of 120 in, which must finish well inside a 16 ms frame, and over the
// widest range of widths the optimisation accepts.
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

// Runs the optimisation of the built-in crib at 2 in over these widths (in).
void runOptimisation(benchmark::State& state, float tpf, float maxSpacing, float minWidth, float maxWidth)
{
    setUpCrib();
    OptimizeInputs in;
    in.tpf = tpf;
    in.conv = 2;
    in.maxSpacing = maxSpacing;
    in.minWidth = minWidth;
    in.maxWidth = maxWidth;
    in.rows = 1;
    for (auto _ : state) {
        CaseRec work = G.CurCase;
        benchmark::DoNotOptimize(OptimizeCrib(work, in, 0));
    }
}

void BM_CribOptimisation(benchmark::State& state) { runOptimisation(state, 16, 120, 4, 24); }
BENCHMARK(BM_CribOptimisation)->Unit(benchmark::kMicrosecond);

// The widest range of widths the optimisation takes, 1 to 500 in in half-inch
// steps (999 widths, 2,997 cribs a pass of rows), at the smallest maximum
// spacing those widths allow (1,024 in): 16 tons/ft is reached in the first
// pass, 60,000 tons/ft after 45 passes; and at a maximum spacing of 1e30 in,
// where no number of rows can serve.
void BM_CribOptimisationWideWidths(benchmark::State& state)
{
    const float tpf = state.range(0) == 1 ? 60000.0f : 16.0f;
    runOptimisation(state, tpf, state.range(0) == 2 ? 1e30f : 0.0f, 1, 500);
}
BENCHMARK(BM_CribOptimisationWideWidths)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
