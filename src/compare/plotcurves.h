// The comparison's plot of all performance curves, drawn on any paint device.
#pragma once

#include "model/compare/comparedoc.h"
#include "model/compare/curvedata.h"

class QPainter;
class QRect;

namespace vesk {

// Draws the plot of the supports' curves (rows of `curves`, in the column
// order `colCase`) against the design criteria, with its legend and titles,
// for the settings in PlotSet and the support records' plot fields. An axis
// whose fixed maximum is not above 0 becomes automatic in PlotSet.
//
// Screen (`printer` false): `page` is the picture in pixels; it is cleared to
// white first; type 12 pt, lines 1 pixel wide.
// Printer: the painter's unit is the point (a 300-dpi printer's painter scaled
// by 300 / 72) and `page` is the printable area in points of a landscape
// letter page; the plot stands 1 in from the paper's left edge and 0.75 in
// from its top; type 10 pt, lines 4 dots at 300 dpi wide.
// Type keeps its size in points whatever the painter's scale.
//
// Returns false when a value does not fit the units and the drawing ended early.
bool PaintPlot(QPainter& p, const QRect& page, const CurveTable& curves, const ColumnOrder& colCase,
               const SupportGroups& groups, bool printer);

}  // namespace vesk
