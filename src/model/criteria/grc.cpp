#include "model/criteria/grc.h"

#include "model/cribmodel.h"
#include "model/globals.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

std::size_t at(int k) { return static_cast<std::size_t>(k); }

bool validCount(const CurveRec& c) { return c.NumPts >= 1 && c.NumPts + 1 < static_cast<int>(c.Conv.size()); }

void setSlot(CurveRec& c, int slot, double conv, double intensity)
{
    c.Conv[at(slot)] = CSng(conv);
    c.Intensity[at(slot)] = CSng(intensity);
}

void copySlot(CurveRec& c, int to, int from) { setSlot(c, to, c.Conv[at(from)], c.Intensity[at(from)]); }

// Intensity of curve c at x within slots 0..n+1: the first segment that holds
// x, the upper point's intensity where two convergences are equal.
double intensityAt(const CurveRec& c, double x)
{
    const int n = c.NumPts;
    for (int k = 0; k <= n; ++k) {
        const double ca = c.Conv[at(k)], cb = c.Conv[at(k + 1)];
        if (ca <= x && x <= cb) {
            if (ca == cb)
                return c.Intensity[at(k + 1)];
            return c.Intensity[at(k)] + (x - ca) / (cb - ca) * (static_cast<double>(c.Intensity[at(k + 1)]) -
                                                                 c.Intensity[at(k)]);
        }
    }
    return x < c.Conv[0] ? c.Intensity[0] : c.Intensity[at(n + 1)];
}

double cribDensity(double conv, double spacing, int rows)
{
    return LoadDensity(CribLoad(static_cast<float>(conv)), spacing, rows);
}

}  // namespace

int16_t ApplyEndTreatment(CurveRec& c, int16_t mode, double uncontrolled, double designConv)
{
    if (!validCount(c))
        return mode;
    const int n = c.NumPts;
    const auto& x = c.Conv;
    const auto& y = c.Intensity;
    if (n == 1 && mode == kEndExtrapolate)
        return kEndConstant;
    switch (mode) {
    case kEndConstant: {
        const double xext = std::max({100.0, 2.0 * x[at(n)], 2.0 * (uncontrolled + designConv)});
        setSlot(c, 0, 0, y[1]);
        setSlot(c, n + 1, xext, y[at(n)]);
        break;
    }
    case kEndExtrapolate: {
        const double min = kMinGrIntensity;
        double d = static_cast<double>(x[2]) - x[1];
        if (d == 0) {
            copySlot(c, 0, 1);
        } else {
            const double s = (static_cast<double>(y[2]) - y[1]) / d;
            const double y0 = y[1] - x[1] * s;
            if (y0 >= min)
                setSlot(c, 0, 0, y0);
            else if (y[1] < min)
                copySlot(c, 0, 1);
            else
                setSlot(c, 0, x[1] + (min - y[1]) / s, min);
        }
        d = static_cast<double>(x[at(n - 1)]) - x[at(n)];
        if (d == 0) {
            copySlot(c, n + 1, n);
        } else {
            const double s = (static_cast<double>(y[at(n - 1)]) - y[at(n)]) / d;
            const double yEnd = y[at(n)] + s * x[at(n)];
            if (yEnd >= min)
                setSlot(c, n + 1, 2.0 * x[at(n)], yEnd);
            else if (y[at(n)] >= min)
                setSlot(c, n + 1, x[at(n)] + (min - y[at(n)]) / s, min);
            else
                copySlot(c, n + 1, n);
        }
        break;
    }
    default:
        copySlot(c, 0, 1);
        copySlot(c, n + 1, n);
        break;
    }
    return mode;
}

float GrTpfAtConv(const CurveRec& c, float conv, float entryWid)
{
    const int n = c.NumPts;
    if (n < 0 || n + 1 >= static_cast<int>(c.Conv.size()))
        throw IndexError("Subscript out of range");
    const double w = entryWid;
    if (conv <= c.Conv[0])
        return CSng(c.Intensity[0] * w);
    if (conv >= c.Conv[at(n + 1)])
        return CSng(c.Intensity[at(n + 1)] * w);
    for (int i = 0; i <= n; ++i) {
        const double ca = c.Conv[at(i)], cb = c.Conv[at(i + 1)];
        if (ca <= conv && conv <= cb) {
            if (ca == cb)
                return CSng(c.Intensity[at(i)] * w);
            const double yi = c.Intensity[at(i)];
            return CSng((yi + (conv - ca) / (cb - ca) * (c.Intensity[at(i + 1)] - yi)) * w);
        }
    }
    return 0;
}

GrDesign CalcGrDesign(const CurveRec& c, float typedMax, float typedDesign, float entryWid)
{
    if (!validCount(c))
        throw IndexError("Subscript out of range");
    const int n = c.NumPts;
    const double w = entryWid;
    GrDesign g;

    double xmax = typedMax, imax;
    if (xmax < c.Conv[1]) {
        xmax = c.Conv[1];
        imax = c.Intensity[1];
    } else if (xmax > c.Conv[at(n + 1)]) {
        xmax = c.Conv[at(n + 1)];
        imax = c.Intensity[at(n + 1)];
    } else {
        imax = intensityAt(c, xmax);
    }
    g.maxConv = CSng(xmax);
    g.minTpf = CSng(imax * w);

    double xd = std::min<double>(typedDesign, g.maxConv), id;
    if (xd < c.Conv[0]) {
        xd = c.Conv[0];
        id = c.Intensity[0];
    } else if (xd > c.Conv[at(n)]) {
        xd = c.Conv[at(n)];
        id = c.Intensity[at(n)];
    } else {
        id = intensityAt(c, xd);
    }
    if (xd <= 0) {
        xd = c.Conv[1];
        id = c.Intensity[1];
    }
    g.designConv = CSng(xd);
    g.designTpf = CSng(id * w);
    if (g.minTpf != 0)
        g.safetyFactor = CSng(Div(g.designTpf, g.minTpf));
    return g;
}

CribCrossing CribGrcPoint(const CurveRec& c, float spacing, int16_t rows, float entryWid)
{
    if (!validCount(c))
        throw IndexError("Subscript out of range");
    double lo = 0, hi = c.Conv[at(c.NumPts + 1)];
    float mid = 0;
    for (int step = 0; step < 200; ++step) {
        mid = CSng((lo + hi) / 2);
        const double g = GrTpfAtConv(c, mid, entryWid);
        const double s = cribDensity(mid, spacing, rows);
        if (s < g)
            lo = mid;
        else
            hi = mid;
        if (std::fabs(s - g) <= 0.001)  // within the tolerance: mid itself, on the crib's curve
            break;
        // The bracket has closed onto two neighbouring floats: halving it
        // again changes nothing.
        if (lo == hi || CSng((lo + hi) / 2) == mid)
            break;
    }
    return {mid, CribLoad(mid), GrTpfAtConv(c, mid, entryWid)};
}

bool CribBelowCurveAtEnd(const CurveRec& c, float spacing, int16_t rows, float entryWid)
{
    const float end = c.Conv[at(c.NumPts + 1)];
    return cribDensity(end, spacing, rows) < GrTpfAtConv(c, end, entryWid);
}

float LoadDensity(double load, double spacing, double rows) { return CSng(Div(load * 12 * rows, spacing)); }

}  // namespace vesk
