#include "model/compare/plotaxes.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr int kXCode = 5;
constexpr int kMaxTicks = 1000;  // no axis has more; a guard against a degenerate step

// The Y quantity in force: a stored type outside 0 to 2 counts as 0.
int yTypeInForce()
{
    const int k = G.PlotSet.YType;
    return k >= 0 && k <= 2 ? k : 0;
}

PlotAxis yAxis(const CurveTable& curves, int k, int u)
{
    PlotRec& ps = G.PlotSet;
    const std::size_t ki = static_cast<std::size_t>(k);
    PlotAxis a;
    if (ps.YAuto[ki] == 0) {
        a.english = ps.YMax[ki];
        if (a.english > 0)
            a.display = ToMetric(a.english, u);
        else
            ps.YAuto[ki] = -1;
    }
    if (ps.YAuto[ki] != 0) {
        a.english = RoundUpLeadDigit(curves.max[ki + 1]);
        if (!(a.english > 0))
            a.english = k == 0 ? 200.0f : 50.0f;
        if (G.MetricUnits != 0) {
            a.display = RoundUpLeadDigit(ToMetric(a.english, u));
            a.english = static_cast<float>(a.display / static_cast<double>(ToMetric(1, u)));
        } else {
            a.display = a.english;
        }
    }
    return a;
}

// The convergence that the automatic X axis must show.
double autoXReach(int numStd, int numCab)
{
    const CritRec& c = G.DesignCrit;
    double x = 0;
    if (numStd > 0) {
        const double design = G.DesignConv;
        x = design;
        const CurveRec& grc = G.DesignCurve;
        if (G.DesignBasis == 1 && G.GrcDefined != 0 && grc.NumPts >= 0 && grc.NumPts <= 10)
            x = std::max<double>(grc.Conv[static_cast<std::size_t>(grc.NumPts)], design);
        double s = design;
        if (c.UncontrolledConv == 0)
            s = design * 1.5;
        else if (c.Timing == 0)
            s = design + c.UncontrolledConv;
        x = std::max(x, s);
    }
    if (numCab > 0)
        x = std::max(x, c.CabConv * 1.5);
    return x > 0 ? x : 6;
}

PlotAxis xAxis(int numStd, int numCab)
{
    PlotRec& ps = G.PlotSet;
    PlotAxis a;
    if (ps.XAuto == 0) {
        a.english = ps.XMax;
        if (a.english > 0)
            a.display = ToMetric(a.english, kXCode);
        else
            ps.XAuto = -1;
    }
    if (ps.XAuto != 0) {
        const double x = autoXReach(numStd, numCab);
        if (G.MetricUnits != 0) {
            a.display = RoundUpLeadDigit(ToMetric(x, kXCode));
            a.english = static_cast<float>(a.display / static_cast<double>(ToMetric(1, kXCode)));
        } else {
            a.english = a.display = RoundUpLeadDigit(x);
        }
    }
    if (!(a.english > 0))
        a.english = a.display = 6;
    return a;
}

void addTicks(PlotAxis& a)
{
    a.step = TickStep(a.display);
    a.ticks = AxisTicks(a.display, a.step);
}

// The point of segment p-q at x = x0 (or, by `alongY`, at y = y0).
std::pair<double, double> cut(std::pair<double, double> p, std::pair<double, double> q, double at, bool alongY)
{
    const double t = alongY ? (at - p.second) / (q.second - p.second) : (at - p.first) / (q.first - p.first);
    return {alongY ? p.first + t * (q.first - p.first) : at, alongY ? at : p.second + t * (q.second - p.second)};
}

// Cuts segment p-q down to its piece inside 0..xE by 0..yE (Liang and
// Barsky's clipping). False when no piece of it lies inside.
bool clipToAxes(std::pair<double, double>& p, std::pair<double, double>& q, double xE, double yE)
{
    if (!std::isfinite(p.first) || !std::isfinite(p.second) || !std::isfinite(q.first) || !std::isfinite(q.second))
        return false;
    const double dx = q.first - p.first, dy = q.second - p.second;
    double t0 = 0, t1 = 1;
    // Each edge as the part of the direction that leaves the box and the room left to it.
    const std::pair<double, double> edges[] = {
        {-dx, p.first}, {dx, xE - p.first}, {-dy, p.second}, {dy, yE - p.second}};
    for (const auto& [out, room] : edges) {
        if (out == 0) {
            if (room < 0)
                return false;  // parallel to the edge and outside it
            continue;
        }
        const double t = room / out;
        if (out < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const std::pair<double, double> a{p.first + t0 * dx, p.second + t0 * dy};
    q = {p.first + t1 * dx, p.second + t1 * dy};
    p = a;
    return true;
}

}  // namespace

std::string TickFormat(float step)
{
    if (step >= 1)
        return "0";
    std::string f = "0.";
    for (int n = 0; n < 10 && static_cast<float>(std::pow(10.0, -n)) > step; ++n)
        f += '0';
    return f;
}

std::vector<PlotTick> AxisTicks(float max, float step)
{
    std::vector<PlotTick> ticks;
    if (!(step > 0) || !(max >= 0))
        return ticks;
    const std::string format = TickFormat(step);
    // Whole multiples of the step, so that no rounding drift drops the last tick.
    const double slack = static_cast<double>(step) * 1e-4;
    for (int i = 0; i < kMaxTicks; ++i) {
        const double v = static_cast<double>(i) * step;
        if (v > max + slack)
            break;
        ticks.push_back({v, FormatPattern(v, format)});
    }
    return ticks;
}

PlotAxes MakePlotAxes(const CurveTable& curves, int numStd, int numCab)
{
    PlotAxes a;
    a.yType = yTypeInForce();
    a.yUnit = a.yType + 1;  // load in tons, density in tons/ft, intensity in tons/ft²
    a.y = yAxis(curves, a.yType, a.yUnit);
    a.x = xAxis(numStd, numCab);
    addTicks(a.y);
    addTicks(a.x);

    const char* quantity = numStd > 0 && numCab > 0 ? "CONVERGENCE and DISPLACEMENT"
                           : numStd == 0 && numCab > 0 ? "DISPLACEMENT"
                                                       : "CONVERGENCE";
    a.xTitle = std::string(quantity) + ", " + UnitLabel(kXCode);
    static constexpr const char* kYNames[] = {"SUPPORT LOAD, ", "LOAD DENSITY, ", "LOAD INTENSITY, "};
    a.yTitle = kYNames[a.yType] + UnitLabel(a.yUnit);
    return a;
}

std::vector<PlotStroke> PlotCriteria(const PlotAxes& axes, int numStd, int numCab)
{
    std::vector<PlotStroke> out;
    const CritRec& c = G.DesignCrit;
    const double xE = axes.x.english, yE = axes.y.english;
    const auto vertical = [&](double x, PlotLineType t) { out.push_back({x, 0, x, yE, t}); };
    const auto horizontal = [&](double y, PlotLineType t) { out.push_back({0, y, xE, y, t}); };

    if (G.PlotSet.Show & 1) {
        if (numStd > 0 && G.DesignConv < xE)
            vertical(G.DesignConv, kSolidLine);
        if (numStd > 0 && c.UncontrolledConv > 0) {
            const double check = c.Timing != 0 ? static_cast<double>(G.DesignConv) - c.UncontrolledConv
                                               : static_cast<double>(G.DesignConv) + c.UncontrolledConv;
            if (check > 0 && check < xE)
                vertical(check, kDashDotLine);
        }
        if (numCab > 0 && c.CabConv < xE)
            vertical(c.CabConv, kDotLine);
    }

    if (!(G.PlotSet.Show & 2) || axes.yType < 1)
        return out;
    const bool intensity = axes.yType == 2;
    // The required loads are densities; the intensity axis divides them by the entry width.
    const auto required = [&](double tpf, PlotLineType t) {
        if (intensity) {
            if (!(G.EntryWid > 0))
                return;
            tpf /= G.EntryWid;
        }
        if (tpf < yE)
            horizontal(tpf, t);
    };
    const CurveRec& grc = G.DesignCurve;
    if (numStd > 0 && G.DesignBasis == 1 && G.GrcDefined != 0) {
        const int n = grc.NumPts >= 0 && grc.NumPts <= 10 ? grc.NumPts : -1;
        // The curve is held in intensities: the density axis multiplies them by the entry width.
        const double f = intensity ? 1.0 : static_cast<double>(G.EntryWid);
        for (int i = 0; i <= n; ++i) {
            const std::size_t a = static_cast<std::size_t>(i), b = a + 1;
            std::pair<double, double> p{grc.Conv[a], grc.Intensity[a] * f}, q{grc.Conv[b], grc.Intensity[b] * f};
            // Drawn from its end inside the axes when it has one; a segment
            // whose two ends lie outside may still cross the plot.
            const auto outside = [&](const std::pair<double, double>& v) { return v.first > xE || v.second > yE; };
            if (outside(p) && !outside(q))
                std::swap(p, q);
            if (!clipToAxes(p, q, xE, yE))
                continue;
            out.push_back({p.first, p.second, q.first, q.second, i == 0 || i == n ? kDotLine : kSolidLine});
        }
    } else if (numStd > 0) {
        required(G.DesignTpf, kSolidLine);
    }
    if (numCab > 0)
        required(c.CabTpf, kDotLine);
    return out;
}

std::vector<PlotPolyline> ClipCurve(const CurveTable& curves, int first, int count, int column, double xE,
                                    double yE)
{
    std::vector<PlotPolyline> out;
    if (first < 0 || count <= 0 || column < 1 || column > 3 || !(xE > 0) || !(yE > 0))
        return out;
    const auto draw = [&](std::pair<double, double> p, std::pair<double, double> q) {
        if (out.empty() || out.back().back() != p)
            out.push_back({p});
        out.back().push_back(q);
    };
    std::pair<double, double> prev{0, 0};
    const std::size_t end = std::min(curves.rows.size(), static_cast<std::size_t>(first) + count);
    for (std::size_t r = static_cast<std::size_t>(first); r < end; ++r) {
        std::pair<double, double> p = prev, q{curves.rows[r][0], curves.rows[r][static_cast<std::size_t>(column)]};
        prev = q;
        const bool finite = std::isfinite(p.first) && std::isfinite(p.second) && std::isfinite(q.first) &&
                            std::isfinite(q.second);
        if (finite && !(p.first < 0 && q.first < 0)) {
            if (p.first < 0)
                p = cut(p, q, 0, false);
            if (q.first < 0)
                q = cut(p, q, 0, false);
            else if (q.first > xE)
                q = cut(p, q, xE, false);
            if (p.second <= yE) {
                if (q.second > yE)
                    q = cut(p, q, yE, true);
            } else if (q.second <= yE) {
                p = cut(p, q, yE, true);
            } else {
                p = q;  // wholly above the axis
            }
            if (p != q)  // a stretch cut down to a point draws nothing
                draw(p, q);
        }
        if (prev.first >= xE)
            break;
    }
    return out;
}

std::string PlotProjectLine()
{
    const std::string& name = G.ProjName;
    return name.find_first_not_of(' ') == std::string::npos ? std::string() : name;
}

}  // namespace vesk
