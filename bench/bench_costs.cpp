// Cost of one full recompute of a cost dialog, as Enter in one of its boxes
// runs it: the reader of every box, the member's quantities and the cost
// pipeline, for the wood crib, timber post and donut crib of the built-in
// templates and a file-defined support.
#include "files/defaults.h"
#include "model/costs/concretecosts.h"
#include "model/costs/cribcosts.h"
#include "model/costs/linkcosts.h"
#include "model/costs/postcosts.h"
#include "model/globals.h"
#include "model/supportlist.h"

#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

constexpr float kEntryHt = 96;

CaseRec templateSupport(int16_t type)
{
    ResetGlobals();
    SetBuiltInDefaults();
    G.NumTypes = 7;
    G.TypeCat.assign(8, 1);
    AppendSupport(type, "Support");
    return G.Cases[1];
}

// Recomputes once, so that the typed costs take the model costs, then
// times the recompute with the boxes as the dialog then shows them.
template <class Recompute>
void timeRecompute(benchmark::State& state, const CaseRec& c, int k, Recompute recompute)
{
    recompute(StoredCostInputs(c, k));
    const CommonCostInputs in = StoredCostInputs(c, k);
    if (!recompute(in).ok())
        state.SkipWithError("a box was refused");
    for (auto _ : state) {
        benchmark::DoNotOptimize(recompute(in));
        benchmark::DoNotOptimize(c.TotCost);
    }
}

void BM_CribCosts(benchmark::State& state)
{
    CaseRec c = templateSupport(1);
    timeRecompute(state, c, 1, [&](const CommonCostInputs& in) {
        const CostReadResult read = ReadCostInputs(c, 1, in, CribTransportBoxes(c.FixVol()[1]));
        RunCostPipeline(c, 1, CribCostQuantities(c, kEntryHt), kEntryHt);
        return read;
    });
}
BENCHMARK(BM_CribCosts);

void BM_PostCosts(benchmark::State& state)
{
    CaseRec c = templateSupport(2);
    const PostTransportInputs t{.square = false, .htAdj = c.HtAdj[1], .secWid = c.SecWid[1],
                                .secLen = c.SecLen[1], .secThick = c.SecThick[1]};
    timeRecompute(state, c, 1, [&](const CommonCostInputs& in) {
        const CostReadResult read = ReadCostInputs(c, 1, in, PostTransportBoxes(t));
        RunCostPipeline(c, 1, PostCostQuantities(c, kEntryHt, t.square), kEntryHt);
        return read;
    });
}
BENCHMARK(BM_PostCosts);

void BM_ConcreteCosts(benchmark::State& state)
{
    CaseRec c = templateSupport(3);
    timeRecompute(state, c, 1, [&](const CommonCostInputs& in) {
        const CostReadResult read =
            ReadCostInputs(c, 1, in, ConcreteTransportBoxes(c.FixVol()[1]), ConcreteReadOrder());
        RunCostPipeline(c, 1, ConcreteCostQuantities(c, 3, kEntryHt), kEntryHt);
        return read;
    });
}
BENCHMARK(BM_ConcreteCosts);

// A file-defined model at element 2: cost, time and weight per piece, 8
// pieces per ft of height.
void BM_LinkCosts(benchmark::State& state)
{
    const int k = 2;
    CaseRec c = templateSupport(1);
    c.SizeIdx = k - 1;
    c.CostBasis[k] = 0, c.UnitCost[k] = 1.2f, c.PieceQty[k] = 2, c.PcsPerFt[k] = 8, c.FabrCost[k] = 0.5f;
    c.PkgWid[k] = 24, c.PkgLen[k] = 24, c.HtAdj[k] = 6, c.PackFactor[k] = 1;
    c.SecWid[k] = 24, c.SecLen[k] = 24, c.SecThick[k] = 12;
    c.TimeBasis[k] = 0, c.PieceTime[k] = 0.5f, c.WtBasis[k] = 0, c.UnitWt[k] = 12.7f;
    const LinkTransportInputs t{c.PkgWid[k], c.PkgLen[k], c.HtAdj[k], c.PackFactor[k],
                                c.SecWid[k], c.SecLen[k], c.SecThick[k]};
    timeRecompute(state, c, k, [&](const CommonCostInputs& in) {
        const CostReadResult read = ReadCostInputs(c, k, in, LinkTransportBoxes(t));
        RunCostPipeline(c, k, LinkCostQuantities(c, k, kEntryHt), kEntryHt, LinkCostRules(kEntryHt));
        return read;
    });
}
BENCHMARK(BM_LinkCosts);

}  // namespace
