#include "model/cribmodel.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/vbmath.h"

#include <cmath>

namespace vesk {

namespace {

// Limit of the convergence stepping of the operating-point search (in).
constexpr float kMaxCribConv = 100.0f;
// The bisection ends when load density and requirement differ by this much.
constexpr float kCribTpfTolerance = 0.001f;
// Enough halvings to narrow any bracket of 0..100 in down to adjacent floats;
// the bisection stops there even when the tolerance is never met (a jump of
// the requirement curve).
constexpr int kMaxBisectSteps = 200;

}  // namespace

int16_t CalcCribParams(int16_t n, float s, float hd, float w, float t, float len, float h, float o)
{
    if (!(n >= 1 && s > 0 && hd > 0 && w > 0 && t > 0 && len > 0 && h > 0 && o >= 0))
        return -1;
    // Free span of a timber between the crossing timbers; the crib ratio
    // cannot be formed without one.
    const double span = static_cast<double>(len) - w - 2.0 * o;
    if (span == 0)
        return -1;

    const double nd = n;
    float p0 = CSng(s * (static_cast<double>(w) * w * nd * nd) / 1000);
    const float e = o > 0 ? CSng(4.633 * hd - 1060) : CSng(4.45 * hd - 1400);
    // Read left to right as the formula stands: the thickness cancels.
    const float k0 = CSng(Div(nd * nd * Div(static_cast<double>(w) * w * e / t, 1000), h) * t);
    const float b = CSng(Div(63, h) - 0.15);
    if (b <= 0)
        p0 = 0;

    const float bearing = CSng(Div(nd * w, len) * 100);  // % of the length under crossing timbers
    const float f1 = bearing <= 55.01f ? 1.0f : 0.9f;
    const float ratio = CSng(Div(h, span));
    float f3 = 1.0f;
    if (ratio > 4.3f) {
        f3 = CSng(2.41 - 0.33 * ratio);
        if (f3 < 0)
            f3 = 0;
    }
    const float f2 = CSng(w / 2.0) <= o ? 1.0f : 0.9f;
    const float a = CSng(static_cast<double>(p0) * f2 * f1);
    const float k = CSng(static_cast<double>(f1) * f3 * k0);

    G.PerfA = a;
    G.PerfK = k;
    G.PerfB = b;
    G.CribRatio = ratio;
    return 0;
}

int16_t UpdateCrib(int16_t i)
{
    if (i < 1 || i > G.NumCases || i > kMaxCases || G.CaseType[static_cast<std::size_t>(i)] != 1)
        return -1;
    CaseRec& c = G.Cases[static_cast<std::size_t>(i)];
    if (CalcCribParams(c.NumPerLayer(), c.Par[4], c.Par[5], c.Par[0], c.Par[1], c.Par[2], G.EntryHt, c.Par[3]) != 0)
        return -1;
    c.CribA = G.CurCase.CribA = G.PerfA;
    c.CribK = G.CurCase.CribK = G.PerfK;
    c.CribB = G.CurCase.CribB = G.PerfB;
    return 0;
}

float CribLoad(float c) { return CribLoad(c, G.PerfA, G.PerfK, G.PerfB); }

float CribLoad(float c, float a, float k, float b)
{
    return CSng((a * (1 - std::exp(-static_cast<double>(b) * c)) + static_cast<double>(k) * c) / 2);
}

int16_t FindCribOpPoint([[maybe_unused]] float conv, float spacing, int16_t rows)
{
    // Every caller passes DesignConv as conv; the search reads it from G.
    const float dc = G.DesignConv;
    // Load density of the crib (tons/ft) at convergence c.
    auto density = [spacing, rows](float c) { return CSng(Div(static_cast<double>(CribLoad(c)) * 12 * rows, spacing)); };

    G.DsnTpf = ReqTpfAtConv(dc);
    G.DsnLoad = CribLoad(dc);
    if (!(dc > 0))
        return -1;

    // Step out by the design convergence until the crib carries more than
    // the requirement.
    float c = dc;
    bool bracketed = false;
    while (c <= kMaxCribConv) {
        if (density(c) > ReqTpfAtConv(c)) {
            bracketed = true;
            break;
        }
        const float next = CSng(static_cast<double>(c) + dc);
        if (next == c)  // a step too small to advance
            break;
        c = next;
    }
    if (!bracketed)
        return -1;

    float lo = 0, hi = c, m = 0;
    for (int step = 0; step < kMaxBisectSteps; ++step) {
        m = CSng((static_cast<double>(lo) + hi) / 2);
        const float ls = density(m), req = ReqTpfAtConv(m);
        if (ls < req)
            lo = m;
        else
            hi = m;
        // Within the tolerance the search ends on m itself, a point of the
        // crib's own curve.
        if (CSng(std::fabs(static_cast<double>(ls) - req)) <= kCribTpfTolerance)
            break;
        if (lo == hi)
            break;
    }
    const float load = CribLoad(m), tpf = ReqTpfAtConv(m);
    G.CurrConv = m;
    G.CurrLoad = load;
    G.CurrTpf = tpf;
    return 0;
}

}  // namespace vesk
