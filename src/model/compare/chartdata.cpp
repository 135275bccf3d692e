#include "model/compare/chartdata.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int numSupports() { return std::clamp<int>(G.NumCases, 0, kMaxColumns); }

void keepColour(int16_t& c, int16_t start)
{
    if (c < 0 || c > 14)
        c = start;
}

std::string legendEntry(const ColumnOrder& colCase, int i)
{
    const std::string& name = G.CaseName[at(colCase[at(i)])];
    return i == 1 ? "Base Support - " + name : "Support " + std::to_string(i - 1) + " - " + name;
}

std::string lengthWord() { return G.MetricUnits != 0 ? "meters" : "feet"; }

std::string chartTitle(int cat, int parm)
{
    switch (cat * 10 + parm) {
    case 11: return "Support Spacing, " + UnitLabel(6);
    case 12: return "Roof Coverage, %";
    case 21: return "Support Load, " + UnitLabel(1);
    case 22: return "Support Load Density, " + UnitLabel(2) + " of entry";
    case 23: return "Convergence, " + UnitLabel(5);
    case 24: return "Safety factor";
    case 31: return "Unit Costs, $/support";
    case 32: return "Normalized Costs, " + UnitLabel(20) + " of entry";
    case 41: return "Installation Rate, min/support";
    case 42: return "Installation Rate, supports/shift";
    case 43: return "Installation Rate, " + lengthWord() + " of entry/shift";
    case 51: return "Number of Pieces per Support";
    case 52: return "Maximum Lifting Weight, " + UnitLabel(9);
    case 53: return "Physical Work, " + UnitLabel(12) + "/support";
    case 54: return "Normalized Work, " + UnitLabel(12) + "/" + UnitLabel(11) + " of entry";
    case 55: return "Transport Volume, " + UnitLabel(15) + "/support";
    case 56: return "Supply Car Capacity, supports/car";
    default: return "";
    }
}

// The bar or bars of one support in display units; s is its spacing along
// the entry in ft, r its rows (cables per set for a cable bolt).
std::array<float, 3> chartValues(int cat, int parm, const CaseRec& c, bool cable, double s, double r)
{
    switch (cat * 10 + parm) {
    case 11: return {ToMetric(cable ? c.Spacing * 12.0 : c.Spacing, 6)};
    case 12: return {c.Coverage};
    case 21: return {ToMetric(c.ActTpf * s / r, 1)};
    case 22: return {ToMetric(c.ActTpf, 2)};
    case 23: return {ToMetric(c.ActConv, 5)};
    case 24: return {c.SafetyFactor};
    case 31: return {c.ConstrCost, c.TransCost, c.MatCost};
    case 32:
        return {ToMetric(c.ConstrCost * r / s, 20), ToMetric(c.TransCost * r / s, 20), ToMetric(c.MatCost * r / s, 20)};
    case 41: return {c.InstTime};
    case 42: return {c.ConstrRate};
    case 43: return {ToMetric(c.ConstrRate * s / r, 11)};
    case 51: return {c.TotPieces};
    case 52: return {ToMetric(c.PieceWt, 9)};
    case 53: return {ToMetric(c.TotWork, 12)};
    case 54: return {ToMetric(ToMetric(c.TotWork / s * r, 12), 20)};
    case 55: return {ToMetric(c.SuppVol, 15)};
    case 56: return {c.SuppPerTrip};
    default: return {};
    }
}

}  // namespace

ChartData BuildChart(const ColumnOrder& colCase)
{
    if (G.ChartCat < 1 || G.ChartCat > 5)
        G.ChartCat = 1;
    if (G.ChartParm < 1 || G.ChartParm > kChartParmCount[at(G.ChartCat)])
        G.ChartParm = 1;
    keepColour(G.ChartColor, kDefaultChartColor);
    keepColour(G.LaborColor, kDefaultLaborColor);
    keepColour(G.TransColor, kDefaultTransColor);
    keepColour(G.MatColor, kDefaultMatColor);

    ChartData d;
    d.cat = G.ChartCat;
    d.parm = G.ChartParm;
    const bool costs = d.cat == kCostCategory;
    d.series = costs ? 3 : 1;
    d.colours = costs ? std::array<int16_t, 3>{G.LaborColor, G.TransColor, G.MatColor}
                      : std::array<int16_t, 3>{G.ChartColor, 0, 0};
    if (costs)
        d.seriesLabels = {"Labor", "Transport", "Materials"};
    d.footnote = G.ProjName;
    const int n = numSupports();
    for (int j = 1; j <= n; ++j) {
        d.legend.push_back(legendEntry(colCase, j));
        d.rowLabels.push_back(j == 1 ? "Base" : std::to_string(j - 1));
    }

    for (int j = 1; j <= n; ++j) {
        const int k = colCase[at(j)];
        const CaseRec& c = G.Cases[at(k)];
        const bool cable = IsCableType(G.CaseType[at(k)]);
        const double s = cable ? c.Spacing : c.Spacing / 12.0;
        if (!(s > 0)) {
            d.error = "Support " + std::to_string(j - 1) + " spacing invalid";
            return d;
        }
        if (c.Rows < 1) {
            d.error = "No. rows for support " + std::to_string(j - 1) + " are invalid";
            return d;
        }
        try {
            d.values.push_back(chartValues(d.cat, d.parm, c, cable, s, c.Rows));
        } catch (const ArithError& e) {
            d.error = e.what();
            return d;
        }
        d.title = chartTitle(d.cat, d.parm);
    }
    try {
        ChartValueAxis(d);
    } catch (const ArithError& e) {
        d.error = e.what();
    }
    return d;
}

ChartAxis ChartValueAxis(const ChartData& chart)
{
    const auto finite = [](float v) { return std::isfinite(v) ? static_cast<double>(v) : 0.0; };
    double top = 0, bottom = 0;
    for (const auto& bar : chart.values) {
        double up = 0, down = 0;
        for (int s = 0; s < chart.series && s < 3; ++s) {
            const double v = finite(bar[at(s)]);
            (v >= 0 ? up : down) += v;
        }
        top = std::max(top, up);
        bottom = std::min(bottom, down);
    }
    ChartAxis a;
    const double hi = top > 0 ? NiceMax(top) : 0, lo = bottom < 0 ? -NiceMax(-bottom) : 0;
    if (hi > lo) {
        a.step = TickStep(hi - lo);
        a.hi = std::ceil(hi / a.step - 1e-6) * a.step;
        a.lo = std::floor(lo / a.step + 1e-6) * a.step;
    }
    const std::string format = TickFormat(static_cast<float>(a.step));
    const int n = static_cast<int>(std::lround((a.hi - a.lo) / a.step));
    for (int i = 0; i <= n && i <= 1000; ++i) {
        const double v = a.lo + i * a.step;
        a.ticks.push_back({v, FormatPattern(std::abs(v) < a.step * 1e-6 ? 0.0 : v, format)});
    }
    return a;
}

std::string ChartLegendText(const ColumnOrder& colCase)
{
    const int n = numSupports();
    std::string s;
    for (int i = 1; i <= n; ++i) {
        s += legendEntry(colCase, i);
        if (i < n)
            s += i % 2 == 0 ? "\r\n" : "\t";
    }
    return s;
}

}  // namespace vesk
