// What opening the comparison costs: the curves of ten supports rebuilt (the
// model files of the shipped file-defined and cable-bolt types read from
// disk) and the assessment table built from them, then its text file.
#include "files/comparetext.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "files/textfile.h"
#include "model/compare/comparedoc.h"
#include "model/compare/curvedata.h"
#include "model/globals.h"
#include "model/supportlist.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace vesk;

namespace {

// The comparison window's reader: the type's model file in the program's folder.
ModelCurveSource modelSource()
{
    return [](int16_t type, int model, ModelCurve& out, std::string* reason) {
        return ReadModelCurve(AppFilePath(G.TypeFile[static_cast<std::size_t>(type)]), model, false, out, reason);
    };
}

// Ten supports of every shipped type: the six built-in ones, the engineered
// crib, the yielding column and two cable bolts. False when the shipped data
// cannot be read or a support gets no curve.
bool tenSupports()
{
    ResetGlobals();
    G.AppPath = VESK_DATA_DIR;
    if (ReadConfig() || ReadDefaults() != 0 || ReadWoodData() != 0)
        return false;
    G.EntryHt = 84;
    G.EntryWid = 18;
    const int16_t types[kMaxCases] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
    for (int i = 0; i < kMaxCases; ++i) {
        const int k = AppendSupport(types[i], "Support " + std::to_string(i + 1));
        if (k == 0)
            return false;
        CaseRec& r = G.Cases[static_cast<std::size_t>(k)];
        r.SizeIdx = IsCableType(types[i]) ? 1 : types[i] >= 7 ? 0 : r.SizeIdx;
        r.Spacing = IsCableType(types[i]) ? 4 : 48;
        r.Rows = 2;
        r.Par[0] = IsCableType(types[i]) ? 14 : r.Par[0];
        r.Par[1] = IsCableType(types[i]) ? 5 : r.Par[1];
        r.ActTpf = 12;
        r.TotCost = 150;
    }
    RebuildCurves(modelSource());
    for (int k = 1; k <= kMaxCases; ++k)
        if (G.Cases[static_cast<std::size_t>(k)].NumPts == 0)
            return false;
    return true;
}

void BM_OpenComparison(benchmark::State& state)
{
    if (!tenSupports())
        state.SkipWithError("the shipped data cannot make ten supports with curves");
    const ModelCurveSource source = modelSource();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RebuildCurves(source));
        benchmark::DoNotOptimize(BuildTableDoc(1));
    }
}
BENCHMARK(BM_OpenComparison)->Unit(benchmark::kMicrosecond);

void BM_CompareTextFile(benchmark::State& state)
{
    if (!tenSupports())
        state.SkipWithError("the shipped data cannot make ten supports with curves");
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareTextBytes(BuildSummaryDoc(1)));
}
BENCHMARK(BM_CompareTextFile)->Unit(benchmark::kMicrosecond);

}  // namespace
