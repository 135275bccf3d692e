// Cost of the comparison's table page: the table of ten supports built and
// drawn on the off-screen page, as opening the window and every change of the
// base support do. Opening must stay well under 100 ms.
#include "compare/comparepage.h"
#include "files/datafiles.h"
#include "model/compare/comparedoc.h"
#include "model/globals.h"
#include "model/supportlist.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace vesk;

namespace {

void BM_CompareTablePage(benchmark::State& state)
{
    ResetGlobals();
    SetBuiltInTypes();
    for (int i = 0; i < kMaxCases; ++i) {
        const int k = AppendSupport(static_cast<int16_t>(i % 6 + 1), "Support " + std::to_string(i + 1));
        CaseRec& c = G.Cases[static_cast<std::size_t>(k)];
        c.Spacing = 48 + static_cast<float>(i);
        c.Rows = 2;
        c.ActTpf = 12.5f;
        c.ActConv = 1.2f;
        c.TotCost = 150 + static_cast<float>(i);
        c.Warn[1 + i % 10] = -1;
    }
    for (auto _ : state) {
        const CompareDoc doc = BuildTableDoc(1);
        benchmark::DoNotOptimize(PaintComparePage(doc, true, 96));
    }
}
BENCHMARK(BM_CompareTablePage)->Unit(benchmark::kMillisecond);

}  // namespace
