// The plot of all performance curves, drawn on a recording device: on the
// screen in pixels and on a 300-dpi printer in points.
#include "compare/plotcurves.h"
#include "model/compare/plotaxes.h"
#include "model/globals.h"
#include "platform/palette.h"

#include "recording_device.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vesk;
using vesk::test::RecordingDevice;

namespace {

class PlotPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.NumCases = 2;
        G.CaseName[1] = "Crib A";
        G.CaseName[2] = "Post B";
        CaseRec& a = G.Cases[1];
        a.PlotVis = -1, a.PlotLine = kBoldLine, a.PlotColor = 12, a.PlotOfs = 0, a.NumPts = 3;
        CaseRec& b = G.Cases[2];
        b.PlotVis = 0, b.PlotLine = kDashLine, b.PlotColor = 9, b.PlotOfs = 3, b.NumPts = 2;
        curves_.rows = {{1, 10, 0, 0}, {2, 20, 0, 0}, {3, 30, 0, 0}, {1, 5, 0, 0}, {2, 6, 0, 0}};
        curves_.max = {0, 30, 0, 0};
        colCase_ = {0, 2, 1};
        groups_.numStd = 2;
        G.DesignConv = 2;
        G.PlotSet.XAuto = -1;
        G.PlotSet.YAuto = {-1, -1, -1, -1};
        G.PlotSet.Show = 1;
        G.ProjName = "North Mains";
    }
    void TearDown() override { ResetGlobals(); }

    // The strokes drawn in a palette colour.
    static std::vector<test::RecordedLine> inColour(const RecordingDevice& d, int colour)
    {
        std::vector<test::RecordedLine> out;
        for (const auto& l : d.engine().lines)
            if (l.pen.color() == QBColor(colour))
                out.push_back(l);
        return out;
    }

    CurveTable curves_;
    ColumnOrder colCase_{};
    SupportGroups groups_;
};

}  // namespace

TEST_F(PlotPaint, ScreenPlotHasTitlesTicksVisibleCurvesAndTheirLegend)
{
    RecordingDevice page(800, 600);
    {
        QPainter p(&page);
        EXPECT_TRUE(PaintPlot(p, QRect(0, 0, 800, 600), curves_, colCase_, groups_, false));
    }
    const QStringList texts = page.texts();
    for (const char* s : {"VESK - Performance Curves for All Supports", "North Mains", "CONVERGENCE, in",
                          "SUPPORT LOAD, tons", "0.0", "2.5", "4.0", "0", "40", "Crib A"})
        EXPECT_TRUE(texts.contains(s)) << s;
    EXPECT_FALSE(texts.contains("Post B"));  // hidden: no curve, no legend entry
    EXPECT_TRUE(inColour(page, 9).empty());
    const auto* title = page.text("VESK - Performance Curves for All Supports");
    EXPECT_TRUE(title->font.bold());
    EXPECT_EQ(title->font.pointSizeF(), 12);
    EXPECT_FALSE(page.text("North Mains")->font.bold());

    // The bold curve from the origin through its three points, and its legend sample.
    const auto red = inColour(page, 12);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].pen.widthF(), 2);
    ASSERT_EQ(red[0].points.size(), 4);
    const QPointF origin = red[0].points[0];
    EXPECT_EQ(origin.x(), 100);  // the plot area starts 100 pixels in
    // 1 in of 4 across the plot, 10 tons of 40 up it.
    const double pw = 800 - 1 - 200;
    EXPECT_NEAR(red[0].points[1].x() - origin.x(), pw / 4, 0.01);
    EXPECT_EQ(red[1].points.size(), 2);
    EXPECT_EQ(red[1].points[1].x() - red[1].points[0].x(), 40);
    EXPECT_EQ(page.text("Crib A")->at.x(), 48);

    // The design convergence as a solid black line across the plot at 2 in.
    bool designLine = false;
    for (const auto& l : inColour(page, 0))
        designLine |= l.points.size() == 2 && l.pen.style() == Qt::SolidLine &&
                      std::abs(l.points[0].x() - (100 + pw / 2)) < 0.01 && l.points[0].x() == l.points[1].x() &&
                      std::abs(l.points[0].y() - l.points[1].y()) > 100;
    EXPECT_TRUE(designLine);
}

TEST_F(PlotPaint, PrinterPlotIsLaidOutInPointsWith10PointType)
{
    // A landscape letter page at 300 dpi with 1/4-in margins: 756 x 576 points printable.
    RecordingDevice printer(3150, 2400, 300);
    {
        QPainter p(&printer);
        p.scale(300 / 72.0, 300 / 72.0);
        PaintPlot(p, QRect(0, 0, 756, 576), curves_, colCase_, groups_, true);
    }
    const auto* title = printer.text("VESK - Performance Curves for All Supports");
    ASSERT_NE(title, nullptr);
    // 10 pt on paper: the font's points are resolved at 300 dpi and then scaled by 300/72.
    EXPECT_NEAR(title->font.pointSizeF() * 300 / 72, 10, 1e-6);
    // The legend starts 4 points right of the 1-in margin (54 pt inside the printable area).
    EXPECT_NEAR(printer.text("Crib A")->at.x(), (54 + 4 + 44) * 300 / 72.0, 0.01);
    // The bold curve is twice the printer's line of 4 dots.
    const auto red = inColour(printer, 12);
    ASSERT_FALSE(red.empty());
    EXPECT_NEAR(red[0].pen.widthF() * 300 / 72, 8, 1e-6);
}
