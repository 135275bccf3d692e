// The comparison's bar chart and the legend strip under it, drawn on any
// paint device with plain strokes, rectangles and text only, so that the
// metafile writer records the same chart as the screen shows.
#pragma once

#include "model/compare/chartdata.h"

#include <QFont>

#include <string>
#include <vector>

class QPainter;
class QPaintDevice;
class QRect;

namespace vesk {

// Draws the chart over `r` (cleared to white): the title (12 pt) at the top,
// the project name as footnote (10 pt) at the bottom, one bar per support in
// the order of `chart.values` labelled by `chart.rowLabels`, stacked in three
// parts with a legend of `chart.seriesLabels` for the cost category, a value
// axis with rounded ticks (10 pt labels), colours from the 16-colour palette.
void PaintChart(QPainter& p, const QRect& r, const ChartData& chart);

// The type of the legend strip.
QFont ChartLegendFont();

// Draws the legend texts over `r` (cleared to white), two to a line: the 1st,
// 3rd, ... at the left edge, the 2nd, 4th, ... from half the width.
void PaintChartLegend(QPainter& p, const QRect& r, const std::vector<std::string>& texts,
                      const QFont& font = ChartLegendFont());

// The height of the legend strip for `supports` entries in the legend type
// on `device` (the screen when null): (supports - 1) \ 2 + 1 lines and half a
// line more, in the device's pixels.
int ChartLegendHeight(int supports, const QPaintDevice* device = nullptr);

}  // namespace vesk
