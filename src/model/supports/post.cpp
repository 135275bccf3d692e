#include "model/supports/post.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/postcurve.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr int16_t kModel = 1;
constexpr int kRowLimit = 4;

}  // namespace

float MshaMinDiameter(float entryHt)
{
    if (entryHt <= 60)
        return 4;
    if (entryHt <= 228)
        return static_cast<float>(Int((entryHt - 60.0) / 24) + 5);
    return 12;
}

PostOutcome RecomputePost(const PostInputs& in, const LayoutInputs& layout)
{
    PostOutcome out;
    const auto positive = [](const std::optional<float>& v) { return v && *v > 0; };
    int errors = 0;
    errors += !positive(in.diameter);
    errors += !positive(in.strength);
    errors += !positive(in.elasticity);
    const bool capValid = in.capThickness && *in.capThickness >= 0;
    errors += !capValid;
    const bool cap = capValid && *in.capThickness > 0;
    if (cap) {
        errors += !positive(in.capStrength);
        errors += !positive(in.capHardness);
    }
    float spacing = 0;
    if (!layout.selectMode) {
        if (!layout.spacing) {
            ++errors;
        } else {
            spacing = *layout.spacing;
            if (spacing <= 0 && in.diameter)
                spacing = *in.diameter;
            if (in.diameter && spacing < *in.diameter)
                ++errors;
        }
        errors += layout.rows <= 0;
    }
    if (errors > 0) {
        out.errors = errors;
        return out;
    }

    CaseRec& c = G.CurCase;
    const CaseRec& def = G.DefCases[static_cast<std::size_t>(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))];
    const float diameter = *in.diameter;
    const bool diameterChanged = diameter != c.Par[0];
    c.Par[0] = diameter;
    c.Par[1] = *in.strength;
    c.Par[2] = *in.elasticity;
    c.Par[3] = *in.capThickness;
    // Cap values that were not checked keep what the record holds.
    if (in.capStrength)
        c.Par[4] = *in.capStrength;
    if (in.capHardness)
        c.Par[5] = *in.capHardness;
    if (!layout.selectMode)
        c.UserSpacing = spacing;
    for (auto field : {&CaseRec::RoofArea, &CaseRec::FloorArea, &CaseRec::PlanWid, &CaseRec::PlanLen}) {
        float& v = (c.*field)[1];
        if (v <= 0 || diameterChanged)
            v = (def.*field)[1];
    }

    c.Warn.fill(0);
    const int16_t mode = CalcPostCurve();
    if (mode < 0) {
        out.curveFailed = true;
        return out;
    }
    // The post yields where it fails: the last but one point of its curve.
    const int n = CInt(G.PerfConv(kModel, 0));
    c.Yield[1] = n >= 2 ? G.PerfConv(kModel, n - 1) : G.PerfConv(kModel, n);
    out.buckles = mode == 1;
    if (out.buckles)
        c.Warn[7] = -1;
    const float msha = MshaMinDiameter(G.EntryHt);
    if (diameter < msha)
        AddWarning(c, out.warnings, "Diameter < MSHA requirement: " + FormatMetric(msha, 5) + " " + UnitLabel(5), 8);
    if (layout.selectMode)
        return out;

    try {
        out.search = SearchRowsAndSpacing(layout.rows, spacing, diameter, kModel, layout.userSpacing, kRowLimit);
        if (out.search.design && !layout.userSpacing)
            RefineAtPeak(out.search, diameter, kModel, kRowLimit);
    } catch (const std::exception&) {  // an overflow, or a curve beyond the tables
        out.search = {};
        out.search.noDesignReason = "The design cannot be computed in single precision.";
    }
    if (!out.search.design)
        return out;

    const Design& d = *out.search.design;
    c.Rows = d.rows;
    c.Spacing = d.spacing;
    c.ActTpf = d.tpf;
    c.ActConv = d.conv;
    c.SpacMode = layout.userSpacing ? 1 : 0;
    CheckDesign(c, out.warnings, d, layout.userSpacing, layout.staggered, diameter, c.Yield[1], kModel);
    c.SafetyFactor = out.safetyFactor = PeakSafetyFactor(d, kModel);
    G.PeakLoad = PeakLoadUpTo(c, kModel, static_cast<double>(c.ActTpf) * c.Spacing / 12 / c.Rows);
    CheckBearing(c, out.warnings, G.PeakLoad, 1);
    c.Coverage = out.coverage = RoofCoverage(c, d, 1);
    return out;
}

}  // namespace vesk
