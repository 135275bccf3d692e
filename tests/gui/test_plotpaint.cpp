// The plot of all performance curves, drawn on a recording device: on the
// screen in pixels and on a 300-dpi printer in points.
#include "compare/plotcurves.h"
#include "model/compare/plotaxes.h"
#include "model/globals.h"
#include "platform/palette.h"

#include "recording_device.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using namespace vesk;
using vesk::test::RecordingDevice;

namespace {

// Support 1, "Crib A", bold red through (1, 10) (2, 20) (3, 30) from the curve table's third row, in the
// second column; support 2 hidden.
bool Paint(RecordingDevice& device, const QRect& page, bool printer)
{
    ResetGlobals();
    G.NumCases = 2;
    G.CaseName = {"", "Crib A", "Post B"};
    G.Cases[1].PlotVis = -1, G.Cases[1].PlotLine = kBoldLine, G.Cases[1].PlotColor = 12;
    G.Cases[1].PlotOfs = 2, G.Cases[1].NumPts = 3;
    G.Cases[2].PlotVis = 0, G.Cases[2].PlotColor = 9, G.Cases[2].NumPts = 2;
    G.DesignConv = 2;
    G.PlotSet = {0, 1, -1, 0, {-1, -1, -1, -1}, {}};
    G.ProjName = "North Mains";
    CurveTable curves;
    curves.rows = {{1, 5, 0, 0}, {2, 6, 0, 0}, {1, 10, 0, 0}, {2, 20, 0, 0}, {3, 30, 0, 0}};
    curves.max = {0, 30, 0, 0};
    SupportGroups groups;
    groups.numStd = 2;
    QPainter p(&device);
    if (printer)
        p.scale(300 / 72.0, 300 / 72.0);
    const bool whole = PaintPlot(p, page, curves, ColumnOrder{0, 2, 1}, groups, printer);
    ResetGlobals();
    return whole;
}

// The strokes drawn in a palette colour.
std::vector<test::RecordedLine> InColour(const RecordingDevice& d, int colour)
{
    std::vector<test::RecordedLine> out;
    std::copy_if(d.engine().lines.begin(), d.engine().lines.end(), std::back_inserter(out),
                 [&](const auto& l) { return l.pen.color() == QBColor(colour); });
    return out;
}

}  // namespace

TEST(PlotPaint, ScreenPlotHasTitlesTicksTheVisibleCurvesAndTheirLegendOverTheGrid)
{
    RecordingDevice page(800, 600);
    EXPECT_TRUE(Paint(page, QRect(0, 0, 800, 600), false));
    for (const char* s : {kPlotTitle, "North Mains", "CONVERGENCE, in", "SUPPORT LOAD, tons", "4.0", "40", "Crib A"})
        EXPECT_TRUE(page.texts().contains(s)) << s;
    EXPECT_FALSE(page.texts().contains("Post B"));  // hidden: no curve, no legend entry
    EXPECT_TRUE(InColour(page, 9).empty());
    EXPECT_TRUE(page.text(kPlotTitle)->font.bold() && !page.text("North Mains")->font.bold());
    EXPECT_EQ(page.text(kPlotTitle)->font.pointSizeF(), 12);

    // The grid spans the plot, 0 to 4 in across and 0 to 40 tons up; the curve from the origin through its
    // points and the design convergence, a solid black line up the plot, are placed by it.
    QRectF grid;
    for (const auto& l : InColour(page, 7))
        grid |= l.points.boundingRect();
    const auto at = [&](double in, double tons) {
        return QPointF(grid.left() + grid.width() * in / 4, grid.bottom() - grid.height() * tons / 40);
    };
    const auto near = [](QPointF a, QPointF b) { return (a - b).manhattanLength() < 0.01; };
    const auto red = InColour(page, 12);
    ASSERT_EQ(red.size(), 2u);  // the curve and its legend sample, under the plot
    EXPECT_EQ(red[0].pen.widthF(), 2);
    ASSERT_EQ(red[0].points.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(near(red[0].points[i], at(i, 10 * i))) << i;
    EXPECT_GT(red[1].points[0].y(), grid.bottom());
    const auto black = InColour(page, 0);
    EXPECT_TRUE(std::any_of(black.begin(), black.end(), [&](const auto& l) {
        return l.pen.style() == Qt::SolidLine && near(l.points[0], at(2, 0)) && near(l.points[1], at(2, 40));
    }));
}

TEST(PlotPaint, PrinterPlotIsLaidOutInPointsWith10PointTypeAndLinesOf4Dots)
{
    // A landscape letter page at 300 dpi with 1/4-in margins: 756 x 576 points printable.
    RecordingDevice printer(3150, 2400, 300);
    Paint(printer, QRect(0, 0, 756, 576), true);
    ASSERT_TRUE(printer.text(kPlotTitle) && printer.text("Crib A"));
    EXPECT_NEAR(printer.text(kPlotTitle)->font.pointSizeF() * 300 / 72, 10, 1e-6);
    // The legend's line sample 4 points right of the 1-in margin, 54 pt inside the printable area.
    EXPECT_NEAR(printer.text("Crib A")->at.x(), (54 + 4 + 40 + 4) * 300 / 72.0, 0.01);
    const auto red = InColour(printer, 12);
    ASSERT_FALSE(red.empty());
    EXPECT_NEAR(red[0].pen.widthF() * 300 / 72, 2 * 4, 1e-6);  // bold: twice the line
}
