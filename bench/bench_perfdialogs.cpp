// Cost of one recompute of the concrete crib and of the file-defined support
// dialogs, as Enter in one of their boxes runs it: the solid crib of the
// built-in template (its curve, the search with the peak rule, the checks),
// and model 1 of the shipped engineered timber crib read at the built-in
// criteria's entry height (the design-point search, the peak rule, the search
// at the typed spacing, the checks).
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "model/supports/concrete.h"
#include "model/supports/filedefined.h"

#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

// The built-in defaults and their criteria in force.
void builtInCriteria()
{
    ResetGlobals();
    SetBuiltInDefaults();
    G.DesignTpf = G.DesignCrit.Tpf;
    G.DesignConv = G.DesignCrit.Conv;
    G.EntryHt = G.DesignCrit.EntryHt;
    G.EntryWid = G.DesignCrit.EntryWid;
    G.SecFactor = 0.95f;
}

// 0: calculate the required spacing; 1: user-defined spacing of 60 in.
LayoutInputs layout(const benchmark::State& state)
{
    LayoutInputs l;
    l.userSpacing = state.range(0) != 0;
    l.spacing = 60;
    l.rows = 1;
    return l;
}

void BM_ConcreteRecompute(benchmark::State& state)
{
    builtInCriteria();
    SetBuiltInTypes();
    AppendSupport(5, "Solid crib");
    G.CurCase = G.Cases[1];
    const CaseRec& c = G.CurCase;
    ConcreteInputs in;
    for (std::size_t i = 0; i < in.dims.size(); ++i)
        in.dims[i] = c.Par[i];
    in.strength = c.Par[5];
    in.woodThickness = c.Par[6];
    if (const ConcreteOutcome o = RecomputeConcrete(in, layout(state)); o.errors > 0 || !o.designed()) {
        state.SkipWithError("the template crib has no design");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(RecomputeConcrete(in, layout(state)));
}
BENCHMARK(BM_ConcreteRecompute)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The shipped engineered timber crib (the largest shipped model file) as the
// current support; its type code, 0 when it cannot be read.
int16_t engineeredCrib()
{
    builtInCriteria();
    G.AppPath = VESK_DATA_DIR;
    int16_t type = 0;
    if (!ReadConfig())
        for (int16_t t = 7; t <= G.NumTypes; ++t)
            if (G.TypeFile[static_cast<std::size_t>(t)] == "engcrib.dat")
                type = t;
    if (type == 0 || AppendSupport(type, "Crib") == 0 || !LoadModelFile(type))
        return 0;
    G.CurCase = G.Cases[1];
    return type;
}

void BM_LinkRecompute(benchmark::State& state)
{
    if (engineeredCrib() == 0) {
        state.SkipWithError("engcrib.dat cannot be read");
        return;
    }
    if (!RecomputeLink(0, layout(state)).designed()) {
        state.SkipWithError("the crib has no design");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(RecomputeLink(0, layout(state)));
}
BENCHMARK(BM_LinkRecompute)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The model optimisation over every model of the file, in either mode, with
// a maximum spacing that leaves the calculate mode dropping rows from 4.
void BM_LinkOptimisation(benchmark::State& state)
{
    const int16_t type = engineeredCrib();
    if (type == 0) {
        state.SkipWithError("engcrib.dat cannot be read");
        return;
    }
    CaseRec work = G.CurCase;
    work.SpacMode = static_cast<int16_t>(state.range(0));
    if (!OptimizeLink(work, type, 48.0f, 4).error.empty()) {
        state.SkipWithError("no model is chosen");
        return;
    }
    for (auto _ : state) {
        CaseRec w = work;
        benchmark::DoNotOptimize(OptimizeLink(w, type, 48.0f, 4));
    }
}
BENCHMARK(BM_LinkOptimisation)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
