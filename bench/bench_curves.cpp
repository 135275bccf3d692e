// Cost of the engineering routines on curves of the size the program meets:
// a 20-point model curve of a yielding support, a 10-point ground reaction
// curve, a full curve library, the wood-crib model and the two curve builders.
#include "model/concretecurve.h"
#include "model/cribmodel.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/postcurve.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace vesk;

namespace {

constexpr int kModelPoints = 20;

// A support that rises steeply, yields, and stiffens again: model 1.
void setModelCurve()
{
    G.PerfConv.redim(1, kModelPoints);
    G.PerfLoad.redim(1, kModelPoints);
    G.PerfConv(1, 0) = kModelPoints;
    for (int k = 1; k <= kModelPoints; ++k) {
        const double c = 0.4 * k;
        G.PerfConv(1, k) = static_cast<float>(c);
        G.PerfLoad(1, k) = static_cast<float>(60 * (1 - std::exp(-1.5 * c)) + 4 * c - (k == 8 ? 15 : 0));
    }
}

// A falling ground reaction curve of 10 points with constant end extensions,
// in a 16-ft entry.
CurveRec groundReactionCurve()
{
    CurveRec c;
    c.NumPts = 10;
    for (int k = 1; k <= 10; ++k) {
        c.Conv[static_cast<std::size_t>(k)] = static_cast<float>(0.5 * k);
        c.Intensity[static_cast<std::size_t>(k)] = static_cast<float>(0.6 + 1.2 * std::exp(-0.4 * k));
    }
    c.Conv[0] = 0;
    c.Intensity[0] = c.Intensity[1];
    c.Conv[11] = 30;
    c.Intensity[11] = c.Intensity[10];
    return c;
}

void setCriteria(bool curveBasis)
{
    ResetGlobals();
    G.EntryHt = 84;
    G.EntryWid = 16;
    G.DesignConv = 2;
    G.DesignTpf = 20;
    G.DesignCurve = groundReactionCurve();
    G.WorkCurve = G.DesignCurve;
    G.DesignBasis = curveBasis ? 1 : 0;
    G.GrcDefined = curveBasis ? -1 : 0;
}

void BM_LoadAtConv(benchmark::State& state)
{
    setCriteria(false);
    setModelCurve();
    float c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadAtConv(c, 1));
        c = c > 8.5f ? 0.0f : c + 0.37f;  // sweeps the curve and a little beyond
    }
}
BENCHMARK(BM_LoadAtConv);

void BM_ReqTpfAtConv(benchmark::State& state)
{
    setCriteria(true);
    float c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReqTpfAtConv(c));
        c = c > 6.0f ? 0.0f : c + 0.29f;
    }
}
BENCHMARK(BM_ReqTpfAtConv);

void BM_FindCurve(benchmark::State& state)
{
    setCriteria(false);
    G.MaxCurves = 50;
    G.NumCurves = 50;
    G.GRCurves.assign(51, groundReactionCurve());
    for (int16_t i = 1; i <= 50; ++i)
        G.GRCurves[static_cast<std::size_t>(i)].Id = static_cast<int16_t>(100 + i);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCurve(150));  // the last one
}
BENCHMARK(BM_FindCurve);

void BM_FindOpPointConstant(benchmark::State& state)
{
    setCriteria(false);
    setModelCurve();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindOpPoint(48, 1, 1));
}
BENCHMARK(BM_FindOpPointConstant);

void BM_FindOpPointGroundReaction(benchmark::State& state)
{
    setCriteria(true);
    setModelCurve();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindOpPoint(state.range(0), 1, 1));
}
// A near crossing, and a spacing so wide that the search walks every pair.
BENCHMARK(BM_FindOpPointGroundReaction)->Arg(48)->Arg(4800);

void BM_FindGrcPoint(benchmark::State& state)
{
    setCriteria(false);
    setModelCurve();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindGrcPoint(48, 1, 1));
}
BENCHMARK(BM_FindGrcPoint);

void BM_CalcCribParams(benchmark::State& state)
{
    setCriteria(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcCribParams(2, 1200, 900, 6, 6, 36, G.EntryHt, 3));
}
BENCHMARK(BM_CalcCribParams);

void BM_FindCribOpPoint(benchmark::State& state)
{
    setCriteria(state.range(0) != 0);
    CalcCribParams(2, 1200, 900, 6, 6, 36, G.EntryHt, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCribOpPoint(G.DesignConv, 48, 1));
}
// 0: constant requirement; 1: ground reaction curve.
BENCHMARK(BM_FindCribOpPoint)->Arg(0)->Arg(1);

void BM_FindCribOpPointUnreached(benchmark::State& state)
{
    // A crib too weak for the requirement steps all the way to 100 in.
    setCriteria(false);
    G.DesignConv = 0.5f;
    CalcCribParams(2, 1200, 900, 6, 6, 36, G.EntryHt, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCribOpPoint(G.DesignConv, 4800, 1));
}
BENCHMARK(BM_FindCribOpPointUnreached);

void BM_CalcPostCurve(benchmark::State& state)
{
    setCriteria(false);
    G.CurCase.Par = {6, 1500, 1400, static_cast<float>(state.range(0)), 1200, 900, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcPostCurve());
}
// Without a cap and with a 4-in cap.
BENCHMARK(BM_CalcPostCurve)->Arg(0)->Arg(4);

void BM_CalcConcreteCurve(benchmark::State& state)
{
    setCriteria(false);
    G.CurCaseNo = 1;
    G.CaseType[1] = 5;
    G.CurCase.Par = {24, 24, 0, 0, 0, 4000, 8, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcConcreteCurve());
}
BENCHMARK(BM_CalcConcreteCurve);

}  // namespace
