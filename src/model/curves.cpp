#include "model/curves.h"

#include "model/globals.h"
#include "model/vbmath.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace vesk {

namespace {

struct Segment {
    float x1, y1, x2, y2;
};

// Slot k of a ground reaction curve's point arrays, checked.
float slot(const std::array<float, 12>& a, int k)
{
    if (k < 0 || k >= static_cast<int>(a.size()))
        throw IndexError("Subscript out of range (" + std::to_string(k) + ")");
    return a[static_cast<std::size_t>(k)];
}

// Point count of model curve m, as stored (a float) rounded to an integer.
int pointCount(int16_t m) { return CInt(G.PerfConv(m, 0)); }

// The factor that turns a curve load (tons) into a load density (tons/ft):
// rows x 12 / spacing, with rows x 12 formed as a 16-bit integer.
float densityFactor(int16_t rows, float spacing)
{
    const int r12 = rows * 12;
    if (r12 < -32768 || r12 > 32767)
        throw ArithError("Overflow");
    return CSng(Div(r12, spacing));
}

// Segment j of model curve m, its loads times f; segment 0 starts at the origin.
Segment supportSegment(int16_t m, int j, float f)
{
    if (j == 0)
        return {0.0f, 0.0f, G.PerfConv(m, 1), CSng(static_cast<double>(G.PerfLoad(m, 1)) * f)};
    return {G.PerfConv(m, j), CSng(static_cast<double>(G.PerfLoad(m, j)) * f), G.PerfConv(m, j + 1),
            CSng(static_cast<double>(G.PerfLoad(m, j + 1)) * f)};
}

// Segments 0..NumPts of a ground reaction curve in load density (tons/ft).
std::vector<Segment> requirementSegments(const CurveRec& c)
{
    std::vector<Segment> segs;
    const double wid = G.EntryWid;
    for (int k = 0; k <= c.NumPts; ++k)
        segs.push_back({slot(c.Conv, k), CSng(slot(c.Intensity, k) * wid), slot(c.Conv, k + 1),
                        CSng(slot(c.Intensity, k + 1) * wid)});
    return segs;
}

// First crossing of model m's load-density curve with a ground reaction
// curve: support segments in turn, and within each the curve's segments.
std::optional<DensityPoint> firstCrossing(int16_t m, int n, float f, const CurveRec& curve)
{
    if (n < 1)
        return std::nullopt;
    const std::vector<Segment> req = requirementSegments(curve);
    for (int j = 0; j < n; ++j) {
        const Segment s = supportSegment(m, j, f);
        for (const Segment& r : req)
            if (auto p = IntersectSegments(s.x1, s.y1, s.x2, s.y2, r.x1, r.y1, r.x2, r.y2))
                return p;
    }
    return std::nullopt;
}

bool curveBasis() { return G.DesignBasis == 1 && G.GrcDefined != 0; }

void clearCurveResults()
{
    G.CurrLoad = 0;
    G.CurrConv = 0;
    G.CurveMaxLoad = 0;
    G.CurveMaxConv = 0;
}

// Linear interpolation on the segment (x1, y1)-(x2, y2) at x, x1 <> x2.
float interpolate(float x1, float y1, float x2, float y2, float x)
{
    return CSng(y1 + Div(static_cast<double>(x) - x1, static_cast<double>(x2) - x1) * (static_cast<double>(y2) - y1));
}

// Design point of model m on its unscaled curve: DsnConv and DsnLoad.
void setDesignPoint(int16_t m, int n)
{
    const float dc = G.DesignConv;
    if (G.PerfConv(m, n) >= dc) {
        G.DsnConv = dc;
        for (int j = 0; j < n; ++j) {
            const Segment s = supportSegment(m, j, 1.0f);
            if (s.x1 <= dc && dc <= s.x2)
                G.DsnLoad = s.x1 == s.x2 ? std::max(s.y1, s.y2) : interpolate(s.x1, s.y1, s.x2, s.y2, dc);
        }
        return;
    }
    // The curve ends before the design convergence: its last point with a
    // load above 0, else a nominal load of 1 at the first point.
    for (int k = n; k >= 1; --k) {
        G.DsnConv = G.PerfConv(m, k);
        G.DsnLoad = G.PerfLoad(m, k);
        if (G.DsnLoad > 0)
            return;
    }
    G.DsnLoad = 1;
    G.DsnConv = G.PerfConv(m, 1);
}

// How many single-precision steps a crossing may lie beyond a segment's end
// and still count: the segments' points are floats, so a crossing at a shared
// end point or at a requirement curve's point can land a step or two outside
// both neighbouring segments.
constexpr int kSlackSteps = 4;

// One single-precision step at magnitude m (at least the smallest one).
double floatStep(double m)
{
    if (m < FLT_MIN)
        return std::ldexp(1.0, FLT_MIN_EXP - FLT_MANT_DIG);
    int e = 0;
    std::frexp(m, &e);
    return std::ldexp(1.0, e - FLT_MANT_DIG);
}

// Whether v lies in [lo, hi], give or take kSlackSteps single-precision steps
// of the values compared at each bound. A NaN lies nowhere.
bool withinSteps(double v, float lo, float hi)
{
    const double slackLo = kSlackSteps * floatStep(std::max(std::fabs(v), std::fabs(static_cast<double>(lo))));
    const double slackHi = kSlackSteps * floatStep(std::max(std::fabs(v), std::fabs(static_cast<double>(hi))));
    return v >= lo - slackLo && v <= hi + slackHi;
}

}  // namespace

std::optional<DensityPoint> IntersectSegments(float x1, float y1, float x2, float y2,
                                              float c1, float q1, float c2, float q2)
{
    const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    const double dc = static_cast<double>(c2) - c1, dq = static_cast<double>(q2) - q1;
    const double d = dc * dy - dx * dq;
    if (d == 0)
        return std::nullopt;
    const double xi = Div(dc * dy * x1 + (static_cast<double>(q1) - y1) * dc * dx - dq * dx * c1, d);
    const double yi = x1 != x2 ? y1 + Div(dy * (xi - x1), dx) : q1 + Div(dq * (xi - c1), dc);
    if (x1 != x2 && !withinSteps(xi, x1, x2))
        return std::nullopt;
    if (c1 != c2 && !withinSteps(xi, c1, c2))
        return std::nullopt;
    // Each segment that is not horizontal must hold yi between its end
    // values. Beside a vertical segment this is what tells the side of a
    // jump: a distance from one end alone would accept a point below it.
    if (y1 != y2 && !withinSteps(yi, std::min(y1, y2), std::max(y1, y2)))
        return std::nullopt;
    if (q1 != q2 && !withinSteps(yi, std::min(q1, q2), std::max(q1, q2)))
        return std::nullopt;
    return DensityPoint{CSng(xi), CSng(yi)};
}

CurveLoad LoadOnCurve(float conv, int16_t m)
{
    const int n = pointCount(m);
    if (n <= 0) {
        G.PerfConv(m, 0) = 0;
        clearCurveResults();
        return {-1.0f, CurveSpot::Empty};
    }
    if (conv < 0) {
        clearCurveResults();
        return {-1.0f, CurveSpot::Negative};
    }
    const float x1 = G.PerfConv(m, 1);
    if (conv < x1) {
        const float load = CSng(Div(conv, x1) * G.PerfLoad(m, 1));
        G.CurveMaxLoad = load;
        G.CurveMaxConv = conv;
        return {load, CurveSpot::BeforeFirst};
    }

    G.CurveMaxLoad = 0;
    // Sets the results for a convergence on the curve with its load there.
    auto onCurve = [conv](float load) {
        G.CurrConv = conv;
        G.CurrLoad = load;
        if (load > G.CurveMaxLoad) {
            G.CurveMaxLoad = load;
            G.CurveMaxConv = conv;
        }
        return CurveLoad{load, CurveSpot::OnCurve};
    };
    for (int k = 1; k < n; ++k) {
        const float xa = G.PerfConv(m, k), ya = G.PerfLoad(m, k);
        const float xb = G.PerfConv(m, k + 1), yb = G.PerfLoad(m, k + 1);
        if (xa <= conv && ya > G.CurveMaxLoad) {
            G.CurveMaxLoad = ya;
            G.CurveMaxConv = xa;
        }
        if (xa <= conv && conv <= xb)
            return onCurve(xa == xb ? CSng((static_cast<double>(ya) + yb) / 2) : interpolate(xa, ya, xb, yb, conv));
    }

    const float xn = G.PerfConv(m, n);
    if (conv > xn) {
        G.CurrConv = xn;
        G.CurrLoad = G.PerfLoad(m, n);
        return {-1.0f, CurveSpot::BeyondEnd};
    }
    // A curve of one point, asked at exactly that point.
    if (n == 1 && conv == xn)
        return onCurve(G.PerfLoad(m, 1));
    return {0.0f, CurveSpot::NotHeld};
}

float LoadAtConv(float conv, int16_t m) { return LoadOnCurve(conv, m).load; }

float ReqTpfAtConv(float conv)
{
    if (!curveBasis())
        return G.DesignTpf;
    const CurveRec& c = G.DesignCurve;
    const int n = c.NumPts;
    const double wid = G.EntryWid;
    if (conv <= slot(c.Conv, 0))
        return CSng(slot(c.Intensity, 0) * wid);
    if (conv >= slot(c.Conv, n + 1))
        return CSng(slot(c.Intensity, n + 1) * wid);
    for (int k = 0; k <= n; ++k) {
        const float ca = slot(c.Conv, k), cb = slot(c.Conv, k + 1);
        if (ca <= conv && conv <= cb) {
            const float ia = slot(c.Intensity, k);
            const float intensity = ca == cb ? ia : interpolate(ca, ia, cb, slot(c.Intensity, k + 1), conv);
            return CSng(intensity * wid);
        }
    }
    return 0.0f;
}

int16_t FindCurve(int16_t id)
{
    if (G.NumCurves < 1) {
        G.NumCurves = 0;
        return -1;
    }
    for (int16_t i = 1; i <= G.NumCurves; ++i) {
        if (i >= static_cast<int>(G.GRCurves.size()))
            throw IndexError("Subscript out of range (" + std::to_string(i) + ")");
        if (G.GRCurves[static_cast<std::size_t>(i)].Id == id)
            return i;
    }
    return -1;
}

int16_t FindGrcPoint(float spacing, int16_t rows, int16_t m)
{
    const float f = densityFactor(rows, spacing);
    const int n = pointCount(m);
    if (auto p = firstCrossing(m, n, f, G.WorkCurve)) {
        const float load = CSng(Div(p->tpf, f));
        G.CurrConv = p->conv;
        G.CurrTpf = p->tpf;
        G.CurrLoad = load;
        return 0;
    }
    const CurveRec& w = G.WorkCurve;
    const float mid = CSng((static_cast<double>(slot(w.Conv, w.NumPts)) + slot(w.Conv, 1)) / 2);
    LoadAtConv(mid, m);
    G.CurrTpf = ReqTpfAtConv(G.CurrConv);
    return -1;
}

int16_t FindOpPoint(float spacing, int16_t rows, int16_t m)
{
    try {
        const int n = pointCount(m);
        setDesignPoint(m, n);

        const float f = densityFactor(rows, spacing);
        std::optional<DensityPoint> op;
        if (!curveBasis()) {
            // Only a segment that reaches the requirement from below counts.
            // A spacing made to put a point exactly on the requirement puts it
            // there within rounding: a relative 1e-5 still counts as reaching it.
            const float t = G.DesignTpf;
            const double tol = 1e-5 * std::fabs(static_cast<double>(t));
            for (int j = 0; j < n && !op; ++j) {
                const Segment s = supportSegment(m, j, f);
                if (s.y1 <= t + tol && t - tol <= s.y2) {
                    float x = s.y1 == s.y2 ? s.x1 : interpolate(s.y1, s.x1, s.y2, s.x2, t);
                    x = std::clamp(x, std::min(s.x1, s.x2), std::max(s.x1, s.x2));
                    op = DensityPoint{x, t};
                }
            }
        } else {
            op = firstCrossing(m, n, f, G.DesignCurve);
        }
        if (!op)
            return -1;
        const float load = CSng(Div(op->tpf, f));
        G.CurrConv = op->conv;
        G.CurrTpf = op->tpf;
        G.CurrLoad = load;
        return 0;
    } catch (const ArithError&) {
        return -1;
    } catch (const std::out_of_range&) {  // IndexError and any other subscript error
        return -1;
    }
}

}  // namespace vesk
