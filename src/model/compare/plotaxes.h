// The numbers of the plot of all performance curves: its axis maxima, ticks
// and titles, the design criteria drawn over it and the clipping of each
// support's curve to the axes. The drawing itself is the windows' business;
// everything it places comes from here.
#pragma once

#include "model/compare/curvedata.h"

#include <string>
#include <utility>
#include <vector>

namespace vesk {

// Line types of the plot, as CaseRec.PlotLine stores them: 0 a solid line at
// twice the line width; 1 to 5 at the line width in these styles.
enum PlotLineType { kBoldLine = 0, kSolidLine = 1, kDashLine = 2, kDotLine = 3, kDashDotLine = 4, kDashDotDotLine = 5 };

struct PlotTick {
    double value = 0;   // display units
    std::string label;  // formatted with the axis's pattern
};

struct PlotAxis {
    float english = 0;  // the maximum in English units: data and overlays are placed by it
    float display = 0;  // the maximum in display units: ticks are placed by it
    float step = 0;     // tick step in display units
    std::vector<PlotTick> ticks;
};

struct PlotAxes {
    int yType = 0;  // 0 support load, 1 load density, 2 load intensity: CurveData column yType + 1
    int yUnit = 1;  // unit code of the Y axis: 1, 2 or 3
    PlotAxis x, y;
    std::string xTitle, yTitle;
};

// The axes for the settings in PlotSet over `curves`, with numStd standing
// and numCab cable-bolt supports defined. A fixed maximum that is not above
// 0 switches its axis to automatic in PlotSet. A stored Y type outside 0 to 2
// is taken as 0. Throws ArithError when a value does not fit the units.
PlotAxes MakePlotAxes(const CurveTable& curves, int numStd, int numCab);

// The pattern of tick labels for a step: "0" for steps of 1 and more, else
// one decimal for each power of ten above the step ("0.0" for 0.5).
std::string TickFormat(float step);

// Ticks 0, step, 2 step, ... up to max, labelled with TickFormat(step).
std::vector<PlotTick> AxisTicks(float max, float step);

struct PlotStroke {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // English units
    PlotLineType type = kSolidLine;
};

// The design criteria over the plot, in drawing order: the design,
// security-check and cable-bolt convergences as vertical lines (bit 1 of
// PlotSet.Show), then for the load density and intensity axes (bit 2) the
// design ground reaction curve or the required standing-support load, and
// the cable bolts' required load. Everything is clipped to the axes.
std::vector<PlotStroke> PlotCriteria(const PlotAxes& axes, int numStd, int numCab);

// The curve of one support, its `count` rows of `curves` from row `first`,
// with x from column 0 and y from column `column`, as polylines clipped to
// 0..xE and 0..yE. The curve starts at (0, 0) and ends after its first point
// at or beyond xE; a stretch above yE breaks it.
using PlotPolyline = std::vector<std::pair<double, double>>;
std::vector<PlotPolyline> ClipCurve(const CurveTable& curves, int first, int count, int column, double xE,
                                    double yE);

inline constexpr const char* kPlotTitle = "VESK - Performance Curves for All Supports";

// The project name as the plot's second title line; empty when it is blank.
std::string PlotProjectLine();

}  // namespace vesk
