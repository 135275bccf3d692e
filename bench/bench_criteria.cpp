// Cost of the ground-reaction-curve basis on a full ten-point curve: the end
// treatments, the design values, and the crossing of a wood crib with it.
#include "model/criteria/grc.h"
#include "model/globals.h"

#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

CurveRec tenPointCurve()
{
    CurveRec c;
    c.NumPts = 10;
    for (int k = 1; k <= 10; ++k) {
        c.Conv[static_cast<std::size_t>(k)] = 0.5f * static_cast<float>(k);
        c.Intensity[static_cast<std::size_t>(k)] = 2.0f / (1.0f + 0.4f * static_cast<float>(k));
    }
    ApplyEndTreatment(c, kEndExtrapolate, 0.5, 2);
    return c;
}

void BM_EndTreatment(benchmark::State& state)
{
    CurveRec c = tenPointCurve();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyEndTreatment(c, kEndExtrapolate, 0.5, 2));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EndTreatment);

void BM_DesignValues(benchmark::State& state)
{
    const CurveRec c = tenPointCurve();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcGrDesign(c, 4.2f, 2.3f, 16));
}
BENCHMARK(BM_DesignValues);

void BM_CribCrossing(benchmark::State& state)
{
    const CurveRec c = tenPointCurve();
    G.PerfA = 200, G.PerfK = 5, G.PerfB = 1.5f;
    for (auto _ : state)
        benchmark::DoNotOptimize(CribGrcPoint(c, 60, 1, 16));
}
BENCHMARK(BM_CribCrossing);

}  // namespace
