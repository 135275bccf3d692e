// Cost of painting the design criteria plot (a ten-point curve under the
// ground-reaction basis) into an image the size of the dialog's picture: it
// must stay well inside a 16 ms frame.
#include "criteria/formmine.h"
#include "files/defaults.h"
#include "model/criteria/grc.h"
#include "model/globals.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace vesk;

namespace {

void BM_CriteriaPlotPaint(benchmark::State& state)
{
    SetBuiltInDefaults();
    G.GRCurves.resize(51);
    CurveRec& c = G.GRCurves[1];
    c.NumPts = 10;
    c.Id = 1;
    for (int k = 1; k <= 10; ++k) {
        c.Conv[static_cast<std::size_t>(k)] = 0.5f * static_cast<float>(k);
        c.Intensity[static_cast<std::size_t>(k)] = 2.0f / (1.0f + 0.4f * static_cast<float>(k));
    }
    G.NumCurves = 1;
    G.DesignCrit.CurveId = 1;
    G.DesignBasis = 1;
    FormMine form;
    form.show();
    QApplication::processEvents();
    QImage page(480, 320, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&page);
        form.drawPlot(p, page.rect());
    }
}
BENCHMARK(BM_CriteriaPlotPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
