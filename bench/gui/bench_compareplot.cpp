// Cost of a repaint of the comparison's plot of ten supports' curves (24
// points each, every line type) into an image the size of the window's
// picture: it must stay inside a 16 ms frame.
#include "compare/plotcurves.h"
#include "model/globals.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>

using namespace vesk;

namespace {

void BM_ComparePlotPaint(benchmark::State& state)
{
    ResetGlobals();
    G.NumCases = 10;
    CurveTable curves;
    ColumnOrder colCase{};
    for (int k = 1; k <= 10; ++k) {
        colCase[static_cast<std::size_t>(k)] = static_cast<int16_t>(k);
        G.CaseName[static_cast<std::size_t>(k)] = "Support " + std::to_string(k);
        CaseRec& c = G.Cases[static_cast<std::size_t>(k)];
        c.PlotVis = -1;
        c.PlotLine = static_cast<int16_t>(k % 6);
        c.PlotColor = static_cast<int16_t>(k);
        c.PlotOfs = static_cast<int16_t>(curves.rows.size());
        c.NumPts = 24;
        for (int j = 1; j <= 24; ++j) {
            const float x = 0.5f * static_cast<float>(j);
            const float y = 40 * (1 - std::exp(-0.3f * x)) + 0.5f * x * static_cast<float>(k);
            curves.rows.push_back({x, y, y * 2, y / 8});
            curves.max[1] = std::max(curves.max[1], y);
        }
    }
    SupportGroups groups;
    groups.numStd = 10;
    G.DesignConv = 2;
    G.DesignCrit.UncontrolledConv = 1;
    G.PlotSet.XAuto = -1;
    G.PlotSet.YAuto = {-1, -1, -1, -1};
    G.PlotSet.Show = 3;
    G.ProjName = "North Mains";
    QImage page(900, 650, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&page);
        PaintPlot(p, page.rect(), curves, colCase, groups, false);
    }
}
BENCHMARK(BM_ComparePlotPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
