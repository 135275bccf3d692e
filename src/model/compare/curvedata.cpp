#include "model/compare/curvedata.h"

#include "model/concretecurve.h"
#include "model/globals.h"
#include "model/postcurve.h"
#include "model/supportlist.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace vesk {

namespace {

using Point = std::array<float, 4>;
using Points = std::vector<Point>;

constexpr int kCribPoints = 24;

// Column 3 from column 2: per ft of entry width. An entry without a width
// has no intensity to show.
float perWidth(float density)
{
    return G.EntryWid > 0 ? CSng(static_cast<double>(density) / G.EntryWid) : 0.0f;
}

// A standing-support point: the load of one support, the load per ft of
// entry from its rows and its spacing (in), and that per ft of width.
void addStanding(Points& pts, double conv, double load, const CaseRec& r, double spacing)
{
    const float c = CSng(conv), p = CSng(load);
    const float density = CSng(static_cast<double>(p) * r.Rows / spacing * 12);
    pts.push_back({c, p, density, perWidth(density)});
}

// Types 1 to 6 count a spacing that is not above 0 as 1.
double builtInSpacing(const CaseRec& r) { return r.Spacing > 0 ? r.Spacing : 1.0; }

Points woodCribPoints(const CaseRec& r)
{
    G.PerfA = r.CribA;
    G.PerfK = r.CribK;
    G.PerfB = r.CribB;
    Points pts;
    for (int j = 1; j <= kCribPoints; ++j) {
        const double c = j / 2.0;
        const double load = ((1 - std::exp(-static_cast<double>(r.CribB) * c)) * r.CribA + c * r.CribK) / 2;
        addStanding(pts, c, load, r, builtInSpacing(r));
    }
    return pts;
}

// The points that a curve routine left as model 1 of PerfConv/PerfLoad.
Points routinePoints(int16_t outcome, const CaseRec& r)
{
    Points pts;
    if (outcome < 0 || !G.PerfConv.inBounds(1, 0))
        return pts;
    const int n = CInt(G.PerfConv(1, 0));
    if (!G.PerfConv.inBounds(1, n) || !G.PerfLoad.inBounds(1, n))
        return pts;
    for (int p = 1; p <= n; ++p)
        addStanding(pts, G.PerfConv(1, p), G.PerfLoad(1, p), r, builtInSpacing(r));
    return pts;
}

void noteFailure(int16_t type, const std::string& reason, std::vector<CurveReadFailure>* failures)
{
    if (!failures)
        return;
    std::string file = static_cast<std::size_t>(type) < G.TypeFile.size() ? G.TypeFile[static_cast<std::size_t>(type)] : "";
    for (const CurveReadFailure& f : *failures)
        if (f.file == file)
            return;
    failures->push_back({file, reason});
}

// A file-defined or cable-bolt support: its model from the type's file. The
// load per ft of entry divides by the spacing, so a spacing that is not above
// 0 leaves the support without a curve.
Points modelPoints(int16_t type, const CaseRec& r, const ModelCurveSource& readModel,
                   std::vector<CurveReadFailure>* failures)
{
    Points pts;
    if (r.SizeIdx < 0 || !(r.Spacing > 0))
        return pts;
    const bool cable = IsCableType(type);
    ModelCurve m;
    std::string why;
    bool ok = readModel && readModel(type, r.SizeIdx, m, &why);
    if (ok && m.cable != cable) {
        ok = false;
        why = cable ? "It holds standing-support models, not cable bolts." : "It holds cable-bolt models, not standing supports.";
    }
    if (ok && m.conv.size() != m.load.size()) {
        ok = false;
        why = "Its curve has convergences without loads.";
    }
    if (!ok) {
        noteFailure(type, why, failures);
        return pts;
    }

    if (cable) {
        // The model curve holds for its free length L0; the support's free
        // length stretches it, and its preload shifts it to the left.
        const double refLen = m.refLen > 0 ? m.refLen : kDefaultCabRefLen;
        const double f = (static_cast<double>(r.Par[0]) - r.Par[1]) * 12 / refLen;
        for (std::size_t p = 0; p < m.conv.size(); ++p) {
            const float load = m.load[p];
            const float density = CSng(static_cast<double>(r.CabPerSet()) * load / r.Spacing);
            pts.push_back({CSng(f * m.conv[p] - r.CabPreDisp), load, density, perWidth(density)});
        }
    } else {
        const double h = HeightFactor(m.htA, m.htB, G.EntryHt);
        for (std::size_t p = 0; p < m.conv.size(); ++p)
            addStanding(pts, m.conv[p], h * m.load[p], r, r.Spacing);
    }
    return pts;
}

Points supportPoints(int k, const ModelCurveSource& readModel, std::vector<CurveReadFailure>* failures)
{
    const int16_t type = G.CaseType[static_cast<std::size_t>(k)];
    const CaseRec& r = G.Cases[static_cast<std::size_t>(k)];
    if (type == 1)
        return woodCribPoints(r);
    if (type == 2) {
        G.CurCase = r;
        return routinePoints(CalcPostCurve(), r);
    }
    if (type >= 3 && type <= 6) {
        G.CurCase = r;
        return routinePoints(CalcConcreteCurve(), r);
    }
    if (type >= 7 && type <= G.NumTypes)
        return modelPoints(type, r, readModel, failures);
    return {};
}

}  // namespace

CurveTable RebuildCurves(const ModelCurveSource& readModel, std::vector<CurveReadFailure>* failures)
{
    CurveTable t;
    const int numCases = std::clamp<int>(G.NumCases, 0, kMaxCases);
    std::size_t ofs = 0;
    for (int k = 1; k <= numCases; ++k) {
        G.CurCaseNo = static_cast<int16_t>(k);
        G.CurType = G.CaseType[static_cast<std::size_t>(k)];
        Points pts;
        try {
            pts = supportPoints(k, readModel, failures);
        } catch (const ArithError&) {
            pts.clear();
        } catch (const IndexError&) {
            pts.clear();
        }
        // PlotOfs and NumPts are 16-bit: a curve that would run past them is not kept.
        if (ofs + pts.size() > static_cast<std::size_t>(std::numeric_limits<int16_t>::max()))
            pts.clear();
        CaseRec& rec = G.Cases[static_cast<std::size_t>(k)];
        rec.PlotOfs = static_cast<int16_t>(ofs);
        rec.NumPts = static_cast<int16_t>(pts.size());
        t.rows.insert(t.rows.end(), pts.begin(), pts.end());
        ofs += pts.size();
    }
    for (const Point& p : t.rows)
        for (int c = kColLoad; c <= kColIntensity; ++c)
            t.max[static_cast<std::size_t>(c)] = std::max(t.max[static_cast<std::size_t>(c)], p[static_cast<std::size_t>(c)]);
    return t;
}

}  // namespace vesk
