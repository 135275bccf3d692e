// Cost of one timber-post recompute, as Enter in a box of its dialog runs it:
// the curve, the diameter check, the rows and spacing search with the peak
// refinement, and the design checks, on the post of the built-in template.
#include "files/defaults.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "model/supports/post.h"

#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

void templatePost()
{
    ResetGlobals();
    SetBuiltInDefaults();
    G.NumTypes = 2;
    G.TypeCat.assign(3, 1);
    AppendSupport(2, "Post");
    G.CurCase = G.Cases[1];
}

void BM_PostRecompute(benchmark::State& state)
{
    templatePost();
    const CaseRec& c = G.CurCase;
    const PostInputs in{c.Par[0], c.Par[1], c.Par[2], c.Par[3], c.Par[4], c.Par[5]};
    LayoutInputs layout;
    layout.userSpacing = state.range(0) != 0;
    layout.spacing = 60;
    layout.rows = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(RecomputePost(in, layout));
}
// 0: calculate the required spacing; 1: user-defined spacing.
BENCHMARK(BM_PostRecompute)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
