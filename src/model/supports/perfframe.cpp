#include "model/supports/perfframe.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace vesk {

namespace {

constexpr int16_t kRaised = -1;

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// Design values of one step of the search: the operating point where the
// user's spacing meets the requirement, else the design point.
Design stepValues(int16_t rows, float spacing, int16_t model, bool userSpacing)
{
    const int16_t found = FindOpPoint(spacing, rows, model);
    Design d;
    d.rows = rows;
    if (userSpacing && found == 0) {
        d.conv = G.CurrConv, d.load = G.CurrLoad, d.tpf = G.CurrTpf;
        d.spacing = spacing;
    } else {
        d.conv = G.DsnConv, d.load = G.DsnLoad, d.tpf = ReqTpfAtConv(G.DsnConv);
    }
    if (d.tpf <= 0)
        d.tpf = 1;
    return d;
}

bool curveBasis() { return G.DesignBasis == 1 && G.GrcDefined != 0; }

}  // namespace

void AddWarning(CaseRec& c, std::vector<Warning>& list, std::string text, int flag)
{
    list.push_back({std::move(text), flag});
    if (flag > 0 && flag < static_cast<int>(c.Warn.size()))
        c.Warn[at(flag)] = kRaised;
}

int16_t RowsFromText(const std::string& text)
{
    // The number at the start of the text, as a typed count is read.
    const char* s = text.c_str();
    while (*s == ' ' || *s == '\t')
        ++s;
    char* end = nullptr;
    const double v = std::strtod(s, &end);
    if (end == s || !std::isfinite(v))
        return 0;
    try {
        return CInt(v);
    } catch (const ArithError&) {
        return 0;
    }
}

int16_t RowsRoundedDown(std::optional<float> typed)
{
    if (!typed)
        return 0;
    const double rows = std::floor(static_cast<double>(*typed));
    return rows >= -32768 && rows <= 32767 ? static_cast<int16_t>(rows) : int16_t(0);
}

std::optional<float> SecurityCheckConv()
{
    const CritRec& c = G.DesignCrit;
    if (!(c.UncontrolledConv > 0))
        return std::nullopt;
    const double conv = c.Timing == 0 ? static_cast<double>(G.DesignConv) + c.UncontrolledConv
                                      : static_cast<double>(G.DesignConv) - c.UncontrolledConv;
    return CSng(std::max(0.0, conv));
}

SearchResult SearchRowsAndSpacing(int16_t rows, float spacing, float minSpacing, int16_t model, bool userSpacing,
                                  int rowLimit)
{
    SearchResult r;
    if (rows < 1)
        rows = 1;
    for (;;) {
        Design d = stepValues(rows, spacing, model, userSpacing);
        if (!(d.load > 0)) {
            r.noDesignReason = "The support carries no load at the design convergence.";
            return r;
        }
        if (!(userSpacing && d.spacing > 0))
            d.spacing = CSng(static_cast<double>(d.load) / d.tpf * rows * 12);
        if (d.spacing >= minSpacing) {
            r.design = d;
            return r;
        }
        if (rows > rowLimit) {
            // No search goes past rowLimit + 1 rows: it ends there, with the
            // spacing of that many rows.
            d.rows = static_cast<int16_t>(rowLimit + 1);
            if (!(userSpacing && d.spacing > 0 && rows == d.rows))
                d.spacing = CSng(static_cast<double>(d.load) / d.tpf * d.rows * 12);
            r.design = d;
            r.moreThanRowLimit = r.rowsCut = true;
            return r;
        }
        ++rows;
        d.rows = rows;
        d.spacing = CSng(static_cast<double>(d.load) / d.tpf * rows * 12);
        if (rows > rowLimit) {
            r.design = d;
            r.moreThanRowLimit = true;
            return r;
        }
        spacing = d.spacing;
    }
}

void RefineAtPeak(SearchResult& r, float minSpacing, int16_t model, int rowLimit)
{
    if (!r.design)
        return;
    const float c = r.design->conv;
    const int n = CInt(G.PerfConv(model, 0));
    double load = std::max(0.0f, LoadAtConv(c, model)), conv = c;
    for (int k = 1; k <= n; ++k)
        if (G.PerfConv(model, k) <= c && G.PerfLoad(model, k) > load)
            load = G.PerfLoad(model, k), conv = G.PerfConv(model, k);
    if (!(conv < c))
        return;
    Design d;
    d.conv = CSng(conv);
    d.load = CSng(load);
    d.tpf = ReqTpfAtConv(d.conv);
    if (d.tpf <= 0)
        d.tpf = 1;
    r.moreThanRowLimit = r.rowsCut = false;
    for (d.rows = 1;; ++d.rows) {
        d.spacing = CSng(load / d.tpf * d.rows * 12);
        if (d.spacing >= minSpacing)
            break;
        if (d.rows + 1 > rowLimit) {
            ++d.rows;
            d.spacing = CSng(load / d.tpf * d.rows * 12);
            r.moreThanRowLimit = true;
            break;
        }
    }
    r.design = d;
}

namespace {

// The largest load of model m at convergences up to `limit`, from `load` at
// `conv` on; with the convergence where it is reached.
std::pair<double, double> peakUpTo(int16_t model, double limit, double load, double conv)
{
    const int n = CInt(G.PerfConv(model, 0));
    for (int k = 1; k <= n; ++k)
        if (G.PerfConv(model, k) <= limit && G.PerfLoad(model, k) > load)
            load = G.PerfLoad(model, k), conv = G.PerfConv(model, k);
    return {load, conv};
}

}  // namespace

float PeakSafetyFactor(const Design& d, int16_t model)
{
    double op = LoadAtConv(d.conv, model);
    if (op < 0)
        op = G.CurrLoad;
    const double c20 = 0.2 * G.EntryHt;
    const auto [pmax, cmax] = peakUpTo(model, c20, LoadAtConv(static_cast<float>(c20), model), c20);
    if (!(pmax > 0) || !(op > 0))
        return 0;
    if (d.conv <= cmax)
        return CSng(pmax / op);
    const double r = op / pmax;
    return CSng(r <= 1 ? r : 1 / r);
}

float PeakLoadUpTo(const CaseRec& c, int16_t model, double start)
{
    const CritRec& k = G.DesignCrit;
    double limit = c.ActConv;
    if (k.Timing == 0)
        limit += k.UncontrolledConv;
    limit = std::min(limit, 0.2 * G.EntryHt);
    const double peak = peakUpTo(model, limit, start, 0).first;
    return peak > 0 ? CSng(peak) : 100.0f;
}

void CheckDesignConv(CaseRec& c, std::vector<Warning>& list, const Design& d)
{
    if (CSng(static_cast<double>(G.DesignConv) + 0.01) < d.conv)
        AddWarning(c, list, "Exceeds design convergence", 4);
}

void CheckSkinToSkin(CaseRec& c, std::vector<Warning>& list, const Design& d, bool staggered, float supportWidth)
{
    staggered = staggered && d.rows > 1;  // one row is never staggered
    const double gap = ((staggered ? d.spacing / 2.0 : static_cast<double>(d.spacing)) - supportWidth) / 12;
    if (CSng(G.EntryWid / 2.0) < gap)
        AddWarning(c, list, staggered ? "Staggered skin-to-skin spacing > W/2" : "Skin-to-skin spacing > W/2", 3);
}

void CheckYield(CaseRec& c, std::vector<Warning>& list, const Design& d, float yieldConv)
{
    if (d.conv > yieldConv)
        AddWarning(c, list, "Support is in yield", 1);
}

void CheckSecurity(CaseRec& c, std::vector<Warning>& list, const Design& d, const std::function<double(float)>& loadAt)
{
    if (const auto check = SecurityCheckConv()) {
        const double density = d.rows * loadAt(*check) / d.spacing * 12;
        if (density < static_cast<double>(G.DesignTpf) * G.SecFactor)
            AddWarning(c, list, "Fails security-check requirement", 2);
    }
}

void CheckDesign(CaseRec& c, std::vector<Warning>& list, const Design& d, bool userSpacing, bool staggered,
                 float supportWidth, float yieldConv, int16_t model)
{
    if (userSpacing)
        CheckDesignConv(c, list, d);
    CheckSkinToSkin(c, list, d, staggered, supportWidth);
    CheckYield(c, list, d, yieldConv);
    CheckSecurity(c, list, d, [model](float conv) { return LoadAtConv(conv, model); });
}

void CheckBearing(CaseRec& c, std::vector<Warning>& list, float peakLoad, int slot)
{
    const CritRec& k = G.DesignCrit;
    const double roof = c.RoofArea[at(slot)], floor = c.FloorArea[at(slot)];
    if (roof > 0 && peakLoad / roof * 2000 > k.RoofBearing)
        AddWarning(c, list, "Exceeds roof bearing strength", 5);
    if (floor > 0 && peakLoad / floor * 2000 > k.FloorBearing)
        AddWarning(c, list, "Exceeds floor bearing strength", 6);
}

float RoofCoverage(const CaseRec& c, const Design& d, int slot)
{
    const double plan = static_cast<double>(c.PlanLen[at(slot)]) * c.PlanWid[at(slot)] * d.rows;
    return CSng(Div(Div(plan, G.EntryWid), d.spacing) * 100 / 12);
}

PlotScales PerfPlotScales(std::optional<float> achievedShown, float actTpf)
{
    return PerfPlotScales(achievedShown, [actTpf](double) { return 2.0 * actTpf; });
}

PlotScales PerfPlotScales(std::optional<float> achievedShown, const std::function<double(double xmax)>& yStart)
{
    const CurveRec& curve = G.DesignCurve;
    const bool onCurve = curveBasis() && curve.NumPts >= 1 && curve.NumPts <= 10;
    const double start = Int(onCurve ? curve.Conv[at(curve.NumPts)] : G.DesignConv);
    double c = achievedShown && *achievedShown > 0 ? *achievedShown : G.DesignConv;
    c = std::max<double>(c, G.DesignConv);
    const CritRec& k = G.DesignCrit;
    if (k.UncontrolledConv > 0) {
        if (k.Timing == 0)
            c += k.UncontrolledConv;
    } else {
        c *= 1.5;
    }
    double x = std::max(start, c);
    if (!(x > 0))
        x = 1;
    PlotScales s;
    const AxisTop xTop = NiceAxisTop(x, 5);
    s.xText = xTop.text;
    s.xmax = xTop.english;
    double y = yStart(s.xmax);
    if (onCurve)
        y = std::max({y, curve.Intensity[1] * static_cast<double>(G.EntryWid),
                      curve.Intensity[at(curve.NumPts)] * static_cast<double>(G.EntryWid)});

    const AxisTop yTop = NiceAxisTop(y, 2);
    s.yText = yTop.text;
    s.ymax = yTop.english;
    G.PlotXMax = s.xmax;
    G.PlotYMax = s.ymax;
    return s;
}

}  // namespace vesk
