#include "model/supports/filedefined.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/vbmath.h"

#include <algorithm>

namespace vesk {

namespace {

constexpr int kRowLimit = 4;
constexpr int kMaxRows = 32767;

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// The design at the typed spacing and rows, where the curve meets the
// requirement there; none when it never does.
std::optional<Design> userDesign(float spacing, int16_t rows, int16_t k, float minSpacing, bool& moreThanLimit)
{
    for (;;) {
        G.DesignTpf = ReqTpfAtConv(G.DesignConv);
        if (FindOpPoint(spacing, rows, k) != 0)
            return std::nullopt;
        Design d;
        d.rows = rows;
        d.conv = G.CurrConv, d.load = G.CurrLoad, d.tpf = G.CurrTpf;
        if (!(d.tpf > 0) || !(d.load > 0))
            return std::nullopt;
        // At the spacing it was found for, not a recomputation of it.
        d.spacing = spacing;
        if (d.spacing >= minSpacing)
            return d;
        if (rows > kRowLimit) {  // no more than 5 rows, at the typed spacing
            moreThanLimit = true;
            return d;
        }
        ++rows;
        d.rows = rows;
        spacing = d.spacing = CSng(static_cast<double>(d.load) / d.tpf * rows * 12);
        if (rows > kRowLimit) {
            moreThanLimit = true;
            return d;
        }
    }
}

}  // namespace

float LinkMinSpacing(const CaseRec& c, int k)
{
    const float m = std::max({0.0f, c.PkgWid[at(k)], c.PkgLen[at(k)]});
    return m > 0 ? m : 24.0f;
}

float LinkYieldConv(float yield, float entryHt) { return yield < 0 ? CSng(-yield * static_cast<double>(entryHt) / 100) : yield; }

double LinkPlotYStart(const CaseRec& c, int k, double xmax)
{
    double y = c.ActTpf;
    if (k < 1 || k > G.PerfConv.maxRow() || k > G.PerfLoad.maxRow() || c.Rows <= 0 || !(c.Spacing > 0))
        return y;
    const double tonsPerTpf = c.Spacing / 12.0 / c.Rows;
    const int n = std::min({static_cast<int>(G.PerfConv(k, 0)), G.PerfConv.maxCol(), G.PerfLoad.maxCol()});
    for (int i = 1; i <= n; ++i)
        if (G.PerfConv(k, i) < xmax)
            y = std::max(y, G.PerfLoad(k, i) / tonsPerTpf);
    return y;
}

LinkOutcome RecomputeLink(int listIndex, const LayoutInputs& layout)
{
    LinkOutcome out;
    if (listIndex < 0 || listIndex + 1 > G.PerfConv.maxRow() || listIndex + 1 > kMaxModels)
        return out;
    CaseRec& c = G.CurCase;
    const int16_t k = static_cast<int16_t>(listIndex + 1);
    c.SizeIdx = static_cast<int16_t>(listIndex);
    c.NumPts = CInt(G.PerfConv(k, 0));
    out.minSpacing = LinkMinSpacing(c, k);
    if (layout.selectMode)
        return out;

    float spacing = 60;
    if (layout.userSpacing) {
        if (!layout.spacing || !(*layout.spacing > 0)) {
            out.error = "Invalid user spacing";
            return out;
        }
        spacing = c.UserSpacing = *layout.spacing;
    }
    if (layout.rows < 1 || layout.rows > 5) {
        out.error = "Invalid no. rows (0-5)";
        return out;
    }
    c.Rows = layout.rows;
    c.Warn.fill(0);

    try {
        G.DesignTpf = ReqTpfAtConv(G.DesignConv);
        out.search = SearchRowsAndSpacing(layout.rows, spacing, out.minSpacing, k, false, kRowLimit);
        // The design-point search says nothing of the rows it adds, only of
        // rows it would add past 5.
        out.search.moreThanRowLimit = out.search.rowsCut;
        RefineAtPeak(out.search, out.minSpacing, k, kRowLimit);
        if (out.search.design && layout.userSpacing) {
            bool limit = false;
            if (auto d = userDesign(spacing, layout.rows, k, out.minSpacing, limit)) {
                out.search.design = d;
                out.search.moreThanRowLimit = limit;
            } else {
                out.spacingFallback = true;
            }
        }
    } catch (const std::exception&) {
        out.search = {};
        out.search.noDesignReason = "The design cannot be computed in single precision.";
    }
    if (!out.search.design)
        return out;

    const Design& d = *out.search.design;
    c.Rows = d.rows, c.Spacing = d.spacing, c.ActTpf = d.tpf, c.ActConv = d.conv;
    if (G.EntryHt < c.MinHt[at(k)])
        AddWarning(c, out.warnings, "Support is too high", 9);
    else if (G.EntryHt > c.MaxHt[at(k)])
        AddWarning(c, out.warnings, "Support is too short", 8);
    CheckYield(c, out.warnings, d, LinkYieldConv(c.Yield[at(k)], G.EntryHt));
    CheckSecurity(c, out.warnings, d, [k](float conv) { return LoadAtConv(conv, k); });
    c.SafetyFactor = out.safetyFactor = PeakSafetyFactor(d, k);
    double start = LoadAtConv(d.conv, k);
    if (start < 0)
        start = G.CurrLoad;
    G.PeakLoad = PeakLoadUpTo(c, k, start);
    CheckBearing(c, out.warnings, G.PeakLoad, k);
    c.Coverage = out.coverage = RoofCoverage(c, d, k);
    c.SpacMode = layout.userSpacing ? 1 : 0;
    if (layout.userSpacing)
        CheckDesignConv(c, out.warnings, d);
    CheckSkinToSkin(c, out.warnings, d, layout.staggered, out.minSpacing);
    const int16_t avail = c.Avail[at(k)];
    if (avail > 0 && G.EasternMines == 0)
        AddWarning(c, out.warnings, "Not available in western U.S.", 10);
    else if (avail < 0 && G.EasternMines != 0)
        AddWarning(c, out.warnings, "Not available in eastern U.S.", 10);
    return out;
}

LinkChoice OptimizeLink(CaseRec& work, int type, std::optional<float> maxSpacing, std::optional<int> rowsTyped)
{
    LinkChoice out;
    if (!maxSpacing || *maxSpacing < 24) {
        out.error = "Invalid maximum spacing";
        return out;
    }
    if (!rowsTyped || *rowsTyped < 1 || *rowsTyped > kMaxRows) {
        out.error = "Invalid no. rows";
        return out;
    }
    const float smax = *maxSpacing;
    const int models = type >= 0 && at(type) < G.NumModels.size() ? std::min<int>(G.NumModels[at(type)], G.PerfConv.maxRow()) : 0;

    struct Candidate {
        int16_t model = 0;
        int16_t rows = 0;
        float spacing = 0, conv = 0;
    };
    const bool calculate = work.SpacMode == 0;
    // Each model that reaches the design convergence, at its highest load up
    // to the design convergence, with the requirement there: its spacing at
    // r rows. In calculate mode each model is designed as the support's own
    // dialog designs it from r rows: with rows counted from 1 when that load
    // lies before the design convergence, and added until the spacing reaches
    // the model's smallest.
    const auto candidates = [&](int r) {
        std::vector<Candidate> list;
        for (int16_t m = 1; m <= models; ++m) {
            if (CInt(LoadAtConv(G.DesignConv, m)) < 0)
                continue;
            const float q = ReqTpfAtConv(G.CurveMaxConv);
            if (!(q > 0) || !(G.CurveMaxLoad > 0))
                continue;
            const double perRow = static_cast<double>(G.CurveMaxLoad) / q * 12;
            int rows = r;
            if (calculate) {
                const float minSpacing = LinkMinSpacing(work, m);
                rows = G.CurveMaxConv < G.DesignConv ? 1 : r;
                while (perRow * rows < minSpacing && rows <= kRowLimit)
                    ++rows;
            }
            list.push_back({m, static_cast<int16_t>(rows), CSng(perRow * rows), G.CurveMaxConv});
        }
        return list;
    };

    try {
        int r = *rowsTyped;
        if (candidates(1).empty()) {
            out.error = "No model of this type carries load at the design convergence.";
            return out;
        }
        std::optional<Candidate> chosen;
        for (;;) {
            const auto list = candidates(r);
            const Candidate* best = nullptr;
            const Candidate* smallest = nullptr;
            const Candidate* largest = nullptr;
            for (const Candidate& c : list) {
                const bool fits = calculate ? c.spacing <= smax : c.spacing >= smax;
                const bool better = calculate ? best && c.spacing > best->spacing : best && c.spacing < best->spacing;
                if (fits && (!best || better))
                    best = &c;
                if (!smallest || c.spacing < smallest->spacing)
                    smallest = &c;
                if (!largest || c.spacing > largest->spacing)
                    largest = &c;
            }
            if (best) {
                chosen = *best;
                break;
            }
            if (calculate && r == 1) {
                chosen = *smallest;
                chosen->conv = 0;
                break;
            }
            if (!calculate && r > kRowLimit) {
                // Rows rise no further than 5: the model that comes nearest
                // to the maximum spacing with them.
                chosen = *largest;
                out.moreThanRowLimit = true;
                break;
            }
            r += calculate ? -1 : 1;
        }

        r = chosen->rows;
        G.DesignTpf = ReqTpfAtConv(chosen->conv);
        if (FindOpPoint(chosen->spacing, static_cast<int16_t>(r), chosen->model) != 0) {
            out.error = "The chosen model does not meet the requirement at its spacing.";
            return out;
        }
        out.model = chosen->model;
        out.rows = static_cast<int16_t>(r);
        out.conv = G.CurrConv;
        out.tpf = G.CurrTpf > 0 ? G.CurrTpf : 1;
        out.load = G.CurrLoad;
        out.spacing = CSng(static_cast<double>(out.load) / out.tpf * r * 12);
    } catch (const std::exception&) {
        out = {};
        out.error = "The choice cannot be computed in single precision.";
        return out;
    }
    work.UserSpacing = smax;
    work.Rows = out.rows;
    work.SizeIdx = static_cast<int16_t>(out.model - 1);
    work.NumPts = CInt(G.PerfConv(out.model, 0));
    work.ActConv = out.conv;
    return out;
}

}  // namespace vesk
