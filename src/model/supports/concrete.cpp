#include "model/supports/concrete.h"

#include "model/concretecurve.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/vbmath.h"

#include <algorithm>

namespace vesk {

namespace {

constexpr int16_t kModel = 1;
constexpr int kRowLimit = 4;

int currentType()
{
    return G.CurCaseNo >= 1 && G.CurCaseNo <= kMaxCases ? G.CaseType[static_cast<std::size_t>(G.CurCaseNo)] : 0;
}

}  // namespace

int ConcreteDimCount(int type) { return type >= 5 ? 5 : 3; }

ConcreteShape ConcreteShapeOf(int type, const std::array<float, 5>& d)
{
    ConcreteShape s;
    switch (type) {
    case 3:
        s.supportWidth = s.baseWidth = d[1];
        s.area = CSng(0.7854 * (static_cast<double>(d[1]) * d[1] - static_cast<double>(d[0]) * d[0]));
        s.planLen = s.planWid = d[1];
        break;
    case 4:
        s.supportWidth = s.baseWidth = d[2];
        s.area = CSng(2.0 * d[0] * d[2]);
        s.planLen = s.planWid = d[2];
        break;
    default:
        s.supportWidth = std::max(d[0], d[1]);
        s.baseWidth = std::min(d[0], d[1]);
        s.area = CSng(static_cast<double>(d[1]) * d[0]);
        s.planLen = d[0];
        s.planWid = d[1];
        break;
    }
    return s;
}

ConcreteOutcome RecomputeConcrete(const ConcreteInputs& in, const LayoutInputs& layout)
{
    ConcreteOutcome out;
    CaseRec& c = G.CurCase;
    const int type = currentType();
    const int count = ConcreteDimCount(type);
    std::array<float, 5> d{};
    for (int i = 0; i < 5; ++i)
        d[static_cast<std::size_t>(i)] = c.Par[static_cast<std::size_t>(i)];
    int errors = 0;
    for (int i = 0; i < count; ++i) {
        const auto& v = in.dims[static_cast<std::size_t>(i)];
        if (v && *v > 0) {
            d[static_cast<std::size_t>(i)] = *v;
        } else {  // also text that is not a number: it would be a dimension of 0
            ++errors;
            out.dimRejected[static_cast<std::size_t>(i)] = true;
        }
    }
    if (type == 3 && d[0] > d[1])
        std::swap(d[0], d[1]);
    const ConcreteShape shape = ConcreteShapeOf(type, d);
    errors += !(in.woodThickness && *in.woodThickness > 0);
    errors += !(in.strength && *in.strength > 0);
    float spacing = 0;
    if (!layout.selectMode) {
        if (!layout.spacing || *layout.spacing < shape.supportWidth)
            ++errors;
        else
            spacing = *layout.spacing;
        errors += layout.rows <= 0;
    }
    if (errors > 0) {
        out.errors = errors;
        return out;
    }

    for (int i = 0; i < count; ++i)
        c.Par[static_cast<std::size_t>(i)] = d[static_cast<std::size_t>(i)];
    c.Par[5] = *in.strength;
    c.Par[6] = *in.woodThickness;
    c.Interlayer = static_cast<int16_t>(std::clamp(in.interlayer, 0, 4));
    CaseRec& def = G.DefCases[static_cast<std::size_t>(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))];
    def.RoofArea[1] = def.FloorArea[1] = shape.area;
    def.PlanWid[1] = shape.planLen;
    def.PlanLen[1] = shape.planWid;
    for (auto [field, value] :
         {std::pair{&CaseRec::RoofArea, shape.area}, std::pair{&CaseRec::FloorArea, shape.area},
          std::pair{&CaseRec::PlanWid, shape.planLen}, std::pair{&CaseRec::PlanLen, shape.planWid}})
        if ((c.*field)[1] <= 0)
            (c.*field)[1] = value;

    c.Warn.fill(0);
    if (CalcConcreteCurve() != 0) {
        out.curveFailed = true;
        return out;
    }
    c.Yield[1] = G.PerfConv(kModel, 6);
    if (layout.selectMode)
        return out;
    c.UserSpacing = spacing;

    if (!(G.EntryWid > 0)) {
        out.search.noDesignReason = "The entry width is 0: no design can be made.";
        return out;
    }
    try {
        out.search = SearchRowsAndSpacing(layout.rows, spacing, shape.supportWidth, kModel, layout.userSpacing,
                                          kRowLimit);
        if (out.search.design && !layout.userSpacing)
            RefineAtPeak(out.search, shape.supportWidth, kModel, kRowLimit);
    } catch (const std::exception&) {
        out.search = {};
        out.search.noDesignReason = "The design cannot be computed in single precision.";
    }
    if (!out.search.design)
        return out;

    const Design& r = *out.search.design;
    c.Rows = r.rows, c.Spacing = r.spacing, c.ActTpf = r.tpf, c.ActConv = r.conv;
    c.SpacMode = layout.userSpacing ? 1 : 0;
    if (layout.userSpacing)
        CheckDesignConv(c, out.warnings, r);
    CheckSkinToSkin(c, out.warnings, r, layout.staggered, shape.supportWidth);
    CheckYield(c, out.warnings, r, c.Yield[1]);
    if (6.0 * shape.baseWidth < G.EntryHt)
        AddWarning(c, out.warnings, "Min base width too small", 8);
    CheckSecurity(c, out.warnings, r, [](float conv) { return LoadAtConv(conv, kModel); });
    c.SafetyFactor = out.safetyFactor = PeakSafetyFactor(r, kModel);
    G.PeakLoad = PeakLoadUpTo(c, kModel, static_cast<double>(c.ActTpf) * c.Spacing / 12 / c.Rows);
    CheckBearing(c, out.warnings, G.PeakLoad, 1);
    c.Coverage = out.coverage = RoofCoverage(c, r, 1);
    return out;
}

}  // namespace vesk
