#include "model/supports/crib.h"

#include "model/cribmodel.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vesk {

namespace {

constexpr int kMaxRows = 32767;
// The most timber widths one pass of the crib optimisation tries.
constexpr int kMaxTrialWidths = 1000;

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// Load density (tons/ft) of the crib in PerfA/K/B at c for rows at spacing.
double cribDensity(double c, double rows, double spacing)
{
    return CribLoad(static_cast<float>(c)) * rows * 12 / spacing;
}

// Design values of one step of the crib's search.
Design cribStep(int16_t rows, float spacing, bool userSpacing)
{
    const bool found = FindCribOpPoint(G.DesignConv, spacing, rows) == 0;
    Design d;
    d.rows = rows;
    if (userSpacing && found) {
        d.conv = G.CurrConv, d.load = G.CurrLoad, d.tpf = G.CurrTpf;
        d.spacing = spacing;  // the user's own, not a bisection's approximation of it
    } else {
        // Also without an operating point: the design point, as the frame shows it.
        d.conv = G.DesignConv, d.load = G.DsnLoad, d.tpf = G.DsnTpf;
    }
    return d;
}

SearchResult searchCrib(int16_t rows, float spacing, float length, bool userSpacing)
{
    SearchResult r;
    for (;;) {
        Design d = cribStep(rows, spacing, userSpacing);
        if (!(d.load > 0) || !(d.tpf > 0)) {
            r.noDesignReason = d.load > 0 ? "The required load density is 0: there is nothing to design for."
                                          : "The crib carries no load at the design convergence.";
            return r;
        }
        // Rows that a spacing of the timber length needs: beyond a count the
        // record can hold, there is no design.
        const double perRow = static_cast<double>(d.load) / d.tpf * 12;
        if (std::ceil(length / perRow) > kMaxRows) {
            r.noDesignReason = "More than 32,767 rows would be needed: the crib is far too weak for the requirement.";
            return r;
        }
        if (!(userSpacing && d.spacing > 0))
            d.spacing = CSng(perRow * rows);
        if (d.spacing >= length) {
            r.design = d;
            return r;
        }
        ++rows;
        spacing = CSng(perRow * rows);
    }
}

float safetyFactor(const Design& d)
{
    const double c20 = 0.2 * G.EntryHt;
    const double p = CribLoad(static_cast<float>(c20)), load = d.load;
    if (p <= 0 || load <= 0)
        return 0;
    if (d.conv <= c20)
        return CSng(p / load);
    return CSng(load / p > 1 ? p / load : load / p);
}

}  // namespace

std::optional<float> AutoOverhang(float width)
{
    if (!(width > 0 && width < 24))
        return std::nullopt;
    return CSng(std::max(Int(width + 0.5) / 2, width / 2.0));
}

bool OverhangBelowHalfWidth(float storedWidth, float overhang) { return CSng(storedWidth / 2.0) > overhang; }

std::optional<int16_t> CribRowsFromText(const std::string& text)
{
    const char* s = text.c_str();
    while (*s == ' ' || *s == '\t')
        ++s;
    char* end = nullptr;
    const double v = std::strtod(s, &end);
    if (end == s || !std::isfinite(v) || v < 1)
        return int16_t(1);
    if (std::floor(v) > kMaxRows)
        return std::nullopt;
    return static_cast<int16_t>(std::floor(v));
}

CribOutcome RecomputeCrib(const CribInputs& in, const LayoutInputs& layout)
{
    CribOutcome out;
    CaseRec& c = G.CurCase;
    const auto positive = [](const std::optional<float>& v) { return v && *v > 0; };
    const bool faulty = !positive(in.width) || !positive(in.thickness) || !positive(in.length) ||
                        !positive(in.strength) || !positive(in.hardness) || in.perLayer <= 0 || !in.overhang ||
                        *in.overhang < 0 || !(G.EntryHt > 0) || (!layout.selectMode && layout.rows <= 0);
    float spacing = 0;
    if (!layout.selectMode) {
        spacing = layout.spacing.value_or(0);
        if (in.length && spacing < *in.length)
            spacing = *in.length;
        c.UserSpacing = spacing;
    }
    c.Warn.fill(0);
    if (faulty) {
        out.inputErrors = true;
        return out;
    }
    const float w = *in.width, t = *in.thickness, len = *in.length, o = *in.overhang;
    try {
        if (CalcCribParams(in.perLayer, *in.strength, *in.hardness, w, t, len, G.EntryHt, o) != 0) {
            out.inputErrors = true;
            return out;
        }
    } catch (const ArithError&) {
        out.inputErrors = true;
        return out;
    }

    if (!layout.selectMode) {
        try {
            out.search = searchCrib(layout.rows, spacing, len, layout.userSpacing);
        } catch (const std::exception&) {  // an overflow, or a requirement beyond the tables
            out.search = {};
            out.search.noDesignReason = "The design cannot be computed in single precision.";
        }
    }
    if (const auto& found = out.search.design) {
        const Design& d = *found;
        c.Spacing = d.spacing, c.ActConv = d.conv, c.Rows = d.rows, c.ActTpf = d.tpf;

        // Default header and footer: one layer of timbers.
        const float area = CSng(static_cast<double>(w) * len * in.perLayer);
        const float planLen = CSng(len - 2.0 * o);
        CaseRec& def = G.DefCases[at(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))];
        def.RoofArea[1] = def.FloorArea[1] = area;
        def.PlanWid[1] = len;
        def.PlanLen[1] = planLen;
        for (auto [field, value] : {std::pair{&CaseRec::RoofArea, area}, std::pair{&CaseRec::FloorArea, area},
                                    std::pair{&CaseRec::PlanWid, len}, std::pair{&CaseRec::PlanLen, planLen}})
            if ((c.*field)[1] <= 0)
                (c.*field)[1] = value;

        CheckYield(c, out.warnings, d, CSng(c.Yield[1] / 100.0 * G.EntryHt));
        CheckSecurity(c, out.warnings, d, [](float conv) { return CribLoad(conv); });
        c.SafetyFactor = out.safetyFactor = safetyFactor(d);
        double cb = d.conv;
        if (G.DesignCrit.Timing == 0)
            cb += G.DesignCrit.UncontrolledConv;
        G.PeakLoad = CribLoad(static_cast<float>(std::min(cb, 0.2 * G.EntryHt)));
        CheckBearing(c, out.warnings, G.PeakLoad, 1);
        c.Coverage = out.coverage = RoofCoverage(c, d, 1);
        if (layout.userSpacing)
            CheckDesignConv(c, out.warnings, d);
        CheckSkinToSkin(c, out.warnings, d, layout.staggered, len);
    }

    if (G.CribRatio < 2.5f)
        AddWarning(c, out.warnings, "Timber length is too long", 9);
    else if (G.CribRatio > 4.3f)
        AddWarning(c, out.warnings, "Timber length is too short", 8);

    c.NumPerLayer() = in.perLayer;
    c.Par[0] = w, c.Par[1] = t, c.Par[2] = len, c.Par[3] = o, c.Par[4] = *in.strength, c.Par[5] = *in.hardness;
    c.CribA = G.PerfA, c.CribK = G.PerfK, c.CribB = G.PerfB;
    c.SpacMode = layout.userSpacing ? 1 : 0;
    return out;
}

float OptimumTimberLength(float w, int n, float entryHt)
{
    // The length is held in single precision before it is rounded: 3 x 11 in
    // / 0.55 is 60 in, not a hair below it.
    const float l = CSng(std::max({(8.6 * w + entryHt) / 4.3, n * static_cast<double>(w) + (n + 1) * w / 2.0,
                                   n * static_cast<double>(w) / 0.55}));
    return CSng(Int(2.0 * l) / 2 + 0.5);
}

int CountTrialWidths(float minWidth, float maxWidth, float step, int limit)
{
    int count = 1;
    for (float w = minWidth; w < maxWidth;) {
        const float next = w + step;  // in single precision, as the search steps
        if (!(next > w) || count >= limit)  // a step too small to advance never ends
            return limit + 1;
        w = next;
        ++count;
    }
    return count;
}

float SmallestMaxSpacing(float maxWidth, float entryHt) { return CSng(2.0 * maxWidth + entryHt / 4.3 + 2); }

namespace {
OptimizeOutcome optimize(CaseRec& work, const OptimizeInputs& in, int rule);
}  // namespace

OptimizeOutcome OptimizeCrib(CaseRec& work, const OptimizeInputs& in, int rule)
{
    const CaseRec before = work;
    try {
        return optimize(work, in, rule);
    } catch (const std::exception&) {  // an overflow in the crib model
        work = before;
        OptimizeOutcome out;
        out.error = "The crib cannot be computed in single precision for these values.";
        return out;
    }
}

namespace {

OptimizeOutcome optimize(CaseRec& work, const OptimizeInputs& in, int rule)
{
    OptimizeOutcome out;
    const auto bad = [&out](const char* field) {
        out.error = std::string("Invalid ") + field;
        return out;
    };
    if (!in.tpf || *in.tpf <= 0)
        return bad("support load density");
    if (!in.maxSpacing || *in.maxSpacing < 0)
        return bad("maximum spacing");
    if (!in.conv || *in.conv <= 0)
        return bad("design convergence");
    if (!(G.EntryHt > 0))
        return bad("entry height");
    if (!in.rows || *in.rows < 1)
        return bad("number of rows");
    if (!in.minWidth || *in.minWidth <= 0)
        return bad("minimum timber width");
    if (!in.maxWidth || *in.maxWidth <= 0 || *in.maxWidth < *in.minWidth)
        return bad("maximum timber width");
    const float strength = work.Par[4], hardness = work.Par[5];
    if (!(strength > 0))
        return bad("wood strength");
    if (!(hardness > 0))
        return bad("wood hardness");
    if (!(in.widthStep > 0))
        return bad("width step");
    // The widths are walked one step at a time in every pass of rows.
    if (CountTrialWidths(*in.minWidth, *in.maxWidth, in.widthStep, kMaxTrialWidths) > kMaxTrialWidths)
        return bad("maximum timber width");

    const float q = *in.tpf, cd = *in.conv, wmin = *in.minWidth, wmax = *in.maxWidth, h = G.EntryHt;
    float smax = *in.maxSpacing;
    const float smin = SmallestMaxSpacing(wmax, h);
    if (smax < smin) {
        smax = smin;
        out.spacingRaised = true;
    }
    out.maxSpacing = smax;

    struct Crib {
        float w = 0, len = 0;
        int n = 0;
        int16_t rows = 0;
    };
    // Each pass of rows tries the cribs in this order: for 2, 3 and 4 timbers
    // per layer, the widths from the smallest up in single-precision steps,
    // the last one lying less than a step above the largest. Only cribs that
    // fit under the maximum spacing are tried; `visit` gets each with the
    // crib model computed and returns true to stop.
    const auto eachCrib = [&](const auto& visit) {
        for (int n = 2; n <= 4; ++n)
            for (float w = wmin;; w += in.widthStep) {
                const float len = OptimumTimberLength(w, n, h);
                if (len <= smax) {
                    CalcCribParams(static_cast<int16_t>(n), strength, hardness, w, w, len, h, w / 2);
                    if (visit(Crib{w, len, n, 0}))
                        return;
                }
                if (!(w < wmax))
                    break;
            }
    };
    // Whether the crib of the crib model reaches the requirement with this
    // many rows at the maximum spacing.
    const auto reaches = [&](int rows) { return cribDensity(cd, rows, smax) >= q; };
    const int firstRows = *in.rows;
    // The first pass of rows in which some crib reaches the requirement. A
    // crib that fits but carries no load at the design convergence never
    // does; beyond 32,767 rows none does.
    bool fits = false, carries = false;
    int firstReached = kMaxRows + 1;
    eachCrib([&](const Crib&) {
        fits = true;
        const double p = CribLoad(cd);
        if (!(p > 0))
            return false;
        carries = true;
        const double estimate = std::ceil(q * static_cast<double>(smax) / (12 * p));
        int r = static_cast<int>(std::clamp<double>(estimate, firstRows, kMaxRows + 1));
        while (r > firstRows && reaches(r - 1))
            --r;
        while (r <= kMaxRows && !reaches(r))
            ++r;
        firstReached = std::min(firstReached, r);
        return false;
    });
    if (!fits) {
        out.error = "No crib of these timber widths is short enough for the maximum spacing.";
        return out;
    }
    if (!carries) {
        out.error = "No crib of these timber widths carries load at the design convergence.";
        return out;
    }
    if (firstReached > kMaxRows) {
        out.error = "More than 32,767 rows would be needed: no crib of these widths can carry the requirement.";
        return out;
    }

    // The passes before the one that succeeds change nothing but the crib
    // remembered, which is then the last crib of the pass just before it:
    // the search starts there.
    Crib remembered, found;
    bool first = true, done = false;
    for (int rows = std::max(firstRows, firstReached - 1); !done && rows <= kMaxRows; ++rows) {
        eachCrib([&](Crib crib) {
            crib.rows = static_cast<int16_t>(rows);
            if (first) {
                remembered = crib;
                first = false;
            }
            if (reaches(rows)) {
                found = crib;
                done = true;
                return true;
            }
            remembered = crib;
            return false;
        });
    }
    if (!done) {  // not reached: the first pass that succeeds was found above
        out.error = "More than 32,767 rows would be needed: no crib of these widths can carry the requirement.";
        return out;
    }

    const Crib chosen = rule != 0 ? found : remembered;
    CalcCribParams(static_cast<int16_t>(chosen.n), strength, hardness, chosen.w, chosen.w, chosen.len, h,
                   chosen.w / 2);
    const bool atMax = rule != 0 && FindCribOpPoint(G.DesignConv, smax, chosen.rows) == 0;
    if (rule == 0)
        FindCribOpPoint(G.DesignConv, smax, chosen.rows);
    out.perLayer = static_cast<int16_t>(chosen.n);
    out.width = chosen.w;
    out.length = chosen.len;
    out.rows = chosen.rows;
    if (atMax)
        out.load = G.CurrLoad, out.tpf = G.CurrTpf, out.conv = G.CurrConv;
    else
        out.load = G.DsnLoad, out.tpf = G.DsnTpf, out.conv = G.DesignConv;
    out.spacing = out.tpf > 0 ? CSng(static_cast<double>(out.load) / out.tpf * 12 * chosen.rows) : 0;

    work.UserSpacing = smax;
    work.Par[6] = wmin, work.Par[7] = wmax;
    work.NumPerLayer() = out.perLayer;
    work.ActConv = out.conv;
    work.Rows = out.rows;
    work.ActTpf = out.tpf;
    work.Par[0] = work.Par[1] = chosen.w;
    work.Par[2] = chosen.len;
    work.Par[3] = CSng(chosen.w / 2.0);
    return out;
}

}  // namespace

}  // namespace vesk
