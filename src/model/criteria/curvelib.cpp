#include "model/criteria/curvelib.h"

#include "model/globals.h"
#include "model/vbmath.h"

#include <algorithm>
#include <utility>

namespace vesk {

namespace {

std::size_t at(int k) { return static_cast<std::size_t>(k); }

bool inLibrary(int k) { return k >= 1 && k <= G.NumCurves && at(k) < G.GRCurves.size(); }

std::string numberedName(int n) { return CurveName("Curve " + std::to_string(n)); }

// Every field of point slots i and j exchanged, or slot j copied into slot i.
template <class Op>
void eachField(CurveRec& c, int i, int j, Op op)
{
    for (auto* a : {&c.Conv, &c.Tons, &c.Spacing, &c.Width, &c.Height, &c.Intensity})
        op((*a)[at(i)], (*a)[at(j)]);
    op(c.Rows[at(i)], c.Rows[at(j)]);
}

}  // namespace

std::string CurveName(std::string_view name)
{
    std::size_t bytes = 0;
    std::size_t chars = 0;
    while (bytes < name.size() && chars < CurveRec::NameLen) {
        ++bytes;
        while (bytes < name.size() && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80)
            ++bytes;
        ++chars;
    }
    std::string s(name.substr(0, bytes));
    s.append(CurveRec::NameLen - chars, ' ');
    return s;
}

int16_t FreeCurveId()
{
    int id = std::clamp<int>(G.NextCurveId, 1, kMaxCurveId);
    const int n = std::min<int>(G.NumCurves, static_cast<int>(G.GRCurves.size()) - 1);
    // Every identifier is tried at most once; a library cannot hold them all.
    for (int tries = 0; tries < kMaxCurveId; ++tries) {
        bool used = false;
        for (int k = 1; k <= n && !used; ++k)
            used = G.GRCurves[at(k)].Id == id;
        if (!used)
            break;
        id = id == kMaxCurveId ? 1 : id + 1;
    }
    G.NextCurveId = static_cast<int16_t>(id);
    return G.NextCurveId;
}

void NewWorkCurve()
{
    CurveRec c;
    c.Name = numberedName(G.NumCurves + 1);
    c.Id = G.NextCurveId;
    c.NumPts = 0;
    const double w = G.EntryWid > 0 ? G.EntryWid : 20;
    const float intensity = CSng(100.0 * 1 * 12 / (60 * w));
    for (int k = 0; k <= kMaxGrPoints; ++k) {
        c.Rows[at(k)] = 1;
        c.Conv[at(k)] = 1;
        c.Tons[at(k)] = 100;
        c.Spacing[at(k)] = 60;
        c.Width[at(k)] = G.EntryWid;
        c.Height[at(k)] = G.EntryHt;
        c.Intensity[at(k)] = intensity;
    }
    G.WorkCurve = std::move(c);
}

int AppendCurve(const CurveRec& c)
{
    const int k = std::max<int>(G.NumCurves, 0) + 1;
    if (G.GRCurves.size() <= at(k))
        G.GRCurves.resize(at(k) + 1);
    G.GRCurves[at(k)] = c;
    G.NumCurves = static_cast<int16_t>(k);
    return k;
}

int DuplicateCurve(int k, std::string_view name)
{
    if (!inLibrary(k))
        return 0;
    CurveRec copy = G.GRCurves[at(k)];
    copy.Id = G.NextCurveId;
    copy.Name = name.empty() ? numberedName(G.NumCurves + 1) : CurveName(name);
    return AppendCurve(copy);
}

void DeleteCurve(int k)
{
    if (!inLibrary(k))
        return;
    for (int i = k; i < G.NumCurves; ++i)
        G.GRCurves[at(i)] = G.GRCurves[at(i + 1)];
    --G.NumCurves;
}

float PointTpf(const GrPoint& p) { return CSng(Div(static_cast<double>(p.rows) * p.tons, p.spacing) * 12); }

float PointIntensity(const GrPoint& p)
{
    return CSng(Div(static_cast<double>(p.tons) * p.rows * 12, static_cast<double>(p.spacing) * p.width));
}

void SetPoint(CurveRec& c, int k, const GrPoint& p)
{
    const auto i = at(k);
    c.Conv[i] = p.conv;
    c.Spacing[i] = p.spacing;
    c.Tons[i] = p.tons;
    c.Width[i] = p.width;
    c.Height[i] = p.height;
    c.Rows[i] = p.rows;
    c.Intensity[i] = PointIntensity(p);
}

GrPoint PointAt(const CurveRec& c, int k)
{
    const auto i = at(k);
    return {c.Conv[i], c.Spacing[i], c.Tons[i], c.Width[i], c.Height[i], c.Rows[i]};
}

void CalcIntensity(CurveRec& c, int k)
{
    const GrPoint p = PointAt(c, k);
    if (!(p.spacing > 0 && p.width > 0))
        return;
    try {
        c.Intensity[at(k)] = PointIntensity(p);
    } catch (const ArithError&) {
        // Beyond single precision: the stored intensity stays.
    }
}

void SortPoints(CurveRec& c)
{
    const int n = c.NumPts;
    if (n < 1 || n > kMaxGrPoints)
        return;
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (c.Conv[at(i)] > c.Conv[at(j)])
                eachField(c, i, j, [](auto& a, auto& b) { std::swap(a, b); });
    for (int k = 1; k <= n; ++k)
        CalcIntensity(c, k);
}

void DeletePoint(CurveRec& c, int k)
{
    const int n = c.NumPts;
    if (k < 1 || k > n || n > kMaxGrPoints)
        return;
    for (int i = k; i < n; ++i)
        eachField(c, i, i + 1, [](auto& a, const auto& b) { a = b; });
    --c.NumPts;
}

bool HasRisingSection(const CurveRec& c)
{
    const int n = std::min<int>(c.NumPts, kMaxGrPoints);
    for (int i = 1; i < n; ++i)
        if (c.Intensity[at(i + 1)] > c.Intensity[at(i)])
            return true;
    return false;
}

}  // namespace vesk
