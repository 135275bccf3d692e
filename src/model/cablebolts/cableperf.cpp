#include "model/cablebolts/cableperf.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr float kDefaultRefLen = 60;    // in
constexpr float kLeastDesignSF = 1.25f;
constexpr int kCablesPerBoltSet = 4;
constexpr double kMaxCount = 32767;

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// The points of curve m that the tables hold; 0 for a row they do not hold.
int curvePoints(int m)
{
    if (m < 1 || m > G.PerfConv.maxRow() || m > G.PerfLoad.maxRow() || G.PerfConv.maxCol() < 0)
        return 0;
    const double n = G.PerfConv(m, 0);
    if (!(n >= 1))
        return 0;
    const int held = std::min(G.PerfConv.maxCol(), G.PerfLoad.maxCol());
    return static_cast<int>(std::min<double>(std::nearbyint(n), held));
}

int currentSize() { return G.CurCase.SizeIdx + 1; }

struct Segment {
    double x0, y0, x1, y1;
};

// Walks the segments of curve m from the origin; the first for which `holds`
// is true gives the result of `take`, else -1.
template <class Holds, class Take>
float walk(int m, Holds holds, Take take)
{
    const int n = curvePoints(m);
    double x0 = 0, y0 = 0;
    for (int i = 1; i <= n; ++i) {
        const Segment s{x0, y0, G.PerfConv(m, i), G.PerfLoad(m, i)};
        if (holds(s))
            return CSng(take(s));
        x0 = s.x1, y0 = s.y1;
    }
    return -1;
}

float loadAtDisp(int m, double x)
{
    return walk(
        m, [x](const Segment& s) { return s.x0 <= x && x <= s.x1; },
        [x](const Segment& s) {
            return s.x1 != s.x0 ? s.y0 + (x - s.x0) * (s.y1 - s.y0) / (s.x1 - s.x0) : std::max(s.y0, s.y1);
        });
}

float dispAtLoad(int m, double y)
{
    return walk(
        m, [y](const Segment& s) { return s.y0 <= y && y <= s.y1; },
        [y](const Segment& s) { return s.y1 != s.y0 ? s.x0 + (y - s.y0) * (s.x1 - s.x0) / (s.y1 - s.y0) : s.x0; });
}

CabOutcome stop(CabOutcome& out, CabEnd end, const char* text, const char* title)
{
    out.end = end;
    out.messages.push_back({text, title});
    return out;
}

// Everything a complete calculation writes, worked out before anything is.
struct Plan {
    int16_t sets = 0;
    float spacing = 0;  // S, ft
    float freeLength = 0;
    double k = 1;
    bool refLenReset = false;
    bool sfReset = false;
    float designSF = 0;
    float ultimate = 0;  // U
    bool preloadReset = false;
    float preDisp = 0;
    int16_t cables = 0;  // n
    bool limited = false;
    float perCable = 0;  // T
    bool exceeded = false;
    float disp = 0;  // Δ
    float tpf = 0;
    float safetyFactor = 0;
    float yieldLimit = 0;
    CabOutcome::Terms terms;
};

// Steps from the spacing to the safety factor, on locals only. False when the
// model carries no load where the design needs it.
bool plan(const CabInputs& in, int m, int n, Plan& p)
{
    const CaseRec& c = G.CurCase;
    p.sets = c.CabSets;
    p.spacing = CSng(static_cast<double>(p.sets) * c.CabBoltSpac());
    p.freeLength = CSng(static_cast<double>(c.Par[0]) - c.Par[1]);
    p.refLenReset = !(c.CabRefLen()[at(m)] > 0);
    p.k = CabScale(c, m, p.freeLength);

    p.designSF = G.DesignCrit.CabSF;
    if (!(p.designSF > 1)) {
        p.designSF = kLeastDesignSF;
        p.sfReset = true;
    }
    p.ultimate = G.PerfLoad(m, n);
    const double U = p.ultimate;
    double allowable = Div(U, p.designSF);
    if (!(allowable > 0))
        allowable = 1;
    double dA = dispAtLoad(m, allowable);
    if (dA < 0)
        dA = G.PerfConv(m, 2);
    dA *= p.k;
    if (!(dA > 0))
        dA = 1;

    double P = c.Par[6];
    if (P > U) {
        P = 0;
        p.preloadReset = true;
    }
    double dP = dispAtLoad(m, P);
    if (dP < 0)
        dP = 0;
    p.preDisp = CSng(p.k * dP);

    double D = static_cast<double>(p.preDisp) + G.DesignConv;
    if (dA < D)
        D = dA;
    double Ld = loadAtDisp(m, Div(D, p.k));
    if (Ld < 0)
        Ld = 1;

    const double Q = static_cast<double>(p.spacing) * G.DesignTpf;
    p.terms = {p.k, allowable, dA, Ld, Q, 0};
    double count = 0;
    if (!in.userDefined) {
        if (Ld == 0)
            return false;
        const double x = p.terms.ratio = Div(Q, Ld);
        count = in.evenOnly ? 2 * (Int(x / 2) + 1) : Int(x) + 1;
        if (count > kCablesPerBoltSet * p.sets && in.limit4) {
            count = kCablesPerBoltSet * p.sets;
            p.limited = true;
        }
    } else {
        count = c.CabUserNum;
    }
    if (count < 1 || count > kMaxCount)
        return false;
    p.cables = static_cast<int16_t>(count);

    double T = Q / p.cables;
    if (T < P)
        T = P;
    if (!(T > 0))
        return false;
    double d = 0;
    if (T <= U) {
        d = dispAtLoad(m, T);
        if (d < 0)
            d = 0;
    } else {
        T = U;
        d = G.PerfConv(m, n);
        p.exceeded = true;
    }
    p.perCable = CSng(T);
    double disp = p.k * d - p.preDisp;
    if (disp < 0)
        disp = 0;
    p.disp = CSng(disp);
    p.tpf = CSng(Div(static_cast<double>(p.perCable) * p.cables, p.spacing));
    p.safetyFactor = CSng(Div(U, p.perCable));

    // The yield limit: a displacement on the curve's scale, the displacement
    // of point 2 for 0, or a percentage of the free length (ft, to in).
    const float yield = c.Yield[at(m)];
    if (yield > 0)
        p.yieldLimit = CSng(p.k * yield);
    else if (yield == 0)
        p.yieldLimit = CSng(p.k * G.PerfConv(m, 2));
    else
        p.yieldLimit = CSng(-static_cast<double>(yield) / 100 * p.freeLength * 12);
    return true;
}

// The mat length of each roof-bolt set with cables, the longest of them into
// CabMatLen, and their sum.
double matLengths(CaseRec& c, const std::vector<int>& perSet)
{
    double longest = -1, sum = 0;
    for (int cables : perSet) {
        if (cables <= 0)
            continue;
        const double len = static_cast<double>(G.EntryWid) * (cables - 1) / cables + 1;
        longest = std::max(longest, len);
        sum += len;
    }
    c.CabMatLen = longest < 0 ? G.EntryWid : CSng(longest);
    return sum;
}

}  // namespace

float LoadAtDisp(float x) { return loadAtDisp(currentSize(), x); }

float DispAtLoad(float y) { return dispAtLoad(currentSize(), y); }

float CabRefLength(const CaseRec& c, int m)
{
    const float ref = c.CabRefLen()[at(m)];
    return ref > 0 ? ref : kDefaultRefLen;
}

double CabScale(const CaseRec& c, int m, double freeLength)
{
    const double k = freeLength * 12 / CabRefLength(c, m);
    return k > 0 ? k : 1;
}

CabPlot ScaleCabPlot(int m)
{
    CaseRec& c = G.CurCase;
    CabPlot plot;
    const int n = curvePoints(m);
    if (c.CabPerSet() < 1)
        c.CabPerSet() = 1;
    double width = Div(c.Spacing, c.CabPerSet());
    if (!(width > 0))
        width = 1;
    if (m >= 1 && m <= kMaxModels && !(c.CabRefLen()[at(m)] > 0))
        c.CabRefLen()[at(m)] = kDefaultRefLen;
    const double k = m >= 1 && m <= kMaxModels ? CabScale(c, m, static_cast<double>(c.Par[0]) - c.Par[1]) : 1;

    double x = 1.5 * std::max(G.DesignConv, c.ActConv);
    if (!(x > 0))
        x = 1;
    plot.x = NiceAxisTop(x, 5);
    double y = std::max(c.ActTpf, G.DesignTpf);
    for (int i = 1; i <= n; ++i) {
        const double tpf = G.PerfLoad(m, i) / width;
        y = std::max(y, tpf);
        plot.curve.emplace_back(k * G.PerfConv(m, i) - c.CabPreDisp, tpf);
    }
    plot.y = NiceAxisTop(y, 2);
    G.PlotXMax = plot.x.english;
    G.PlotYMax = plot.y.english;
    return plot;
}

std::vector<int> CableArrangement(int n, int s)
{
    if (s <= 1)
        return {n};
    std::vector<int> perSet;
    int whole = n / kCablesPerBoltSet;
    const int rest = n % kCablesPerBoltSet;
    for (int i = 1; i <= s; ++i) {
        const int g = whole / (s - i + 1);
        whole -= g;
        perSet.push_back(kCablesPerBoltSet * g + (i == 1 ? rest : 0));
    }
    return perSet;
}

std::string ArrangementText(const std::vector<int>& perSet)
{
    std::string text = "(";
    for (std::size_t i = 0; i < perSet.size(); ++i)
        text += (i ? "-" : "") + FormatPattern(perSet[i], "0");
    return text + ")";
}

CabOutcome CalcPerfCab(const CabInputs& in)
{
    CabOutcome out;
    CaseRec& c = G.CurCase;

    // The size and its curve.
    if (in.listIndex < 0 || in.listIndex + 1 > kMaxModels || in.listIndex + 1 > G.PerfConv.maxRow() ||
        in.listIndex + 1 > G.PerfLoad.maxRow() || G.PerfConv.maxCol() < 0)
        return out;
    const int m = in.listIndex + 1;
    c.SizeIdx = static_cast<int16_t>(in.listIndex);
    const double count = std::nearbyint(G.PerfConv(m, 0));
    c.NumPts = static_cast<int16_t>(std::clamp(count, -32768.0, kMaxCount));
    const int n = curvePoints(m);
    if (n < 2)
        return stop(out, CabEnd::TooFewPoints, "Too few data points for this model", "Attention");

    // The inputs, each stored once it passes.
    if (in.userDefined) {
        const double whole = in.cables ? Int(*in.cables) : 0;
        if (!(whole > 0 && whole <= kMaxCount))
            return stop(out, CabEnd::BadInput, "Invalid no. of cables", "Error");
        c.CabUserNum = static_cast<int16_t>(whole);
    }
    const double sets = in.sets ? Int(*in.sets) : 0;
    if (!(sets >= 1 && sets <= kCablesPerBoltSet))
        return stop(out, CabEnd::BadInput, "Invalid no. of sets (<= 4)", "Error");
    c.CabSets = static_cast<int16_t>(sets);
    if (!(in.boltSpacing && *in.boltSpacing > 0))
        return stop(out, CabEnd::BadInput, "Invalid bolt spacing", "Error");
    c.CabBoltSpac() = *in.boltSpacing;
    if (!(in.cableLength && *in.cableLength > 0))
        return stop(out, CabEnd::BadInput, "Invalid hole length", "Error");
    c.Par[0] = *in.cableLength;
    if (!(in.resinLength && *in.resinLength >= 0 && *in.resinLength < c.Par[0]))
        return stop(out, CabEnd::BadInput, "Invalid resin length. Must be < Hole length.", "Error");
    c.Par[1] = *in.resinLength;
    if (!(in.preload && *in.preload >= 0))
        return stop(out, CabEnd::BadInput, "Invalid preload", "Error");
    c.Par[6] = *in.preload;

    const CaseRec before = c;
    const float sfBefore = G.DesignCrit.CabSF;
    try {
        Plan p;
        if (!plan(in, m, n, p))
            return stop(out, CabEnd::NoLoad, kNoLoadText, "Attention");

        c.Warn.fill(0);
        auto& warn = out.warnings;
        out.sets = p.sets;
        out.terms = p.terms;
        c.Spacing = p.spacing;
        if (G.MetricUnits != 0 ? ToMetric(c.Par[1], 11) < 1.5f : c.Par[1] < 5)
            AddWarning(c, warn, G.MetricUnits != 0 ? "Resin length < 1.5 m" : "Resin length < 5 ft", 5);
        if (p.freeLength < G.DesignCrit.CabFailHt)
            AddWarning(c, warn, "Free length < failure height", 6);
        if (p.refLenReset)
            c.CabRefLen()[at(m)] = kDefaultRefLen;
        if (p.sfReset) {
            G.DesignCrit.CabSF = p.designSF;
            out.safetyFactorReset = true;
            out.messages.push_back({"Design safety factor reset", "Attention"});
        }
        if (p.preloadReset) {
            c.Par[6] = 0;
            out.preloadReset = true;
            out.messages.push_back(
                {"Preload reset. Must be < " + FormatMetric(p.ultimate, 1) + " " + UnitLabel(1), "Attention"});
        }
        c.CabPreDisp = p.preDisp;

        if (p.limited)
            AddWarning(c, warn, "Limited to 4 cables per bolt set", 0);
        else if (p.cables > kCablesPerBoltSet * p.sets)
            AddWarning(c, warn, "Exceeds 4 cables per bolt set", 3);
        if (p.exceeded)
            AddWarning(c, warn, "Ultimate strength exceeded", 7);

        c.CabPerSet() = p.cables;
        c.ActTpf = p.tpf;
        c.ActConv = p.disp;
        c.SafetyFactor = p.safetyFactor;

        if (c.CabPreDisp + c.ActConv > p.yieldLimit)
            AddWarning(c, warn, "Support is in yield", 1);
        if (c.SafetyFactor < kLeastDesignSF)
            AddWarning(c, warn, "Safety factor < 1.25", 8);
        if (c.SafetyFactor < G.DesignCrit.CabSF)
            AddWarning(c, warn, "Safety factor < design value", 2);
        if (c.ActConv > G.DesignConv)
            AddWarning(c, warn, "Displacement > design value", 4);

        const std::vector<int> perSet = CableArrangement(p.cables, p.sets);
        c.CabSeq[at(m)] = ArrangementText(perSet);

        double area = 0;
        if (c.CabPlate == 0) {
            area = p.cables * 36.0 / 144;
        } else if (c.CabPlate == 1) {
            area = p.cables * 64.0 / 144;
        } else {
            const double automatic = matLengths(c, perSet);
            double mat = automatic;
            if (in.autoMat) {
                out.matShown = CSng(automatic);
            } else if (in.matLength && *in.matLength >= 0) {
                mat = *in.matLength;
                c.Par[3] = *in.matLength;
            } else {
                out.messages.push_back({"Invalid mat length. Must be >= 0", "Error"});
                out.matShown = c.Par[3] = CSng(automatic);
            }
            c.Par[2] = CSng(mat);
            area = mat * c.Par[4] / 12;
        }
        c.Coverage = CSng(Div(area * 100, static_cast<double>(p.spacing) * G.EntryWid));
        c.SpacMode = in.userDefined ? 1 : 0;

        const int16_t avail = c.Avail[at(m)];
        if (avail > 0 && G.EasternMines == 0)
            AddWarning(c, warn, "Not available in western U.S.", 10);
        else if (avail < 0 && G.EasternMines != 0)
            AddWarning(c, warn, "Not available in eastern U.S.", 10);
        out.end = CabEnd::Complete;
    } catch (const ArithError& e) {
        c = before;
        G.DesignCrit.CabSF = sfBefore;
        out = {};
        return stop(out, CabEnd::Arithmetic, e.what(), "Error");
    }
    return out;
}

}  // namespace vesk
