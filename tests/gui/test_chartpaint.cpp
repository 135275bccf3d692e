// The bar chart and its legend strip, drawn on a recording device.
#include "compare/chartpaint.h"
#include "platform/palette.h"

#include "recording_device.h"

#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vesk;
using vesk::test::RecordingDevice;

namespace {

void Paint(RecordingDevice& page, const ChartData& c)
{
    QPainter p(&page);
    PaintChart(p, QRect(0, 0, 400, 400), c);
}

// The rectangles filled in a palette colour, bigger than a legend's sample box, in drawing order.
std::vector<QRectF> Bars(const RecordingDevice& page, int colour)
{
    std::vector<QRectF> out;
    for (const auto& f : page.engine().fills)
        if (f.colour == QBColor(colour) && f.rect.width() > 20)
            out.push_back(f.rect);
    return out;
}

}  // namespace

TEST(ChartPaint, OneBarPerSupportInOrderWithHeightsInProportion)
{
    ChartData c;
    c.title = "Support Spacing, in", c.footnote = "North Mains", c.colours = {12, 0, 0};
    c.values = {{48, 0, 0}, {96, 0, 0}, {24, 0, 0}}, c.rowLabels = {"Base", "1", "2"};
    RecordingDevice page(400, 400);
    Paint(page, c);
    const auto bars = Bars(page, 12);
    ASSERT_EQ(bars.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        // On one base line, 48 : 96 : 24, each labelled under itself.
        EXPECT_NEAR(bars[i].height() / bars[0].height(), c.values[i][0] / 48, 0.01) << i;
        EXPECT_EQ(std::make_pair(bars[i].bottom(), bars[i].width()), std::make_pair(bars[0].bottom(), bars[0].width()));
        const auto* label = page.text(QString::fromStdString(c.rowLabels[i]));
        ASSERT_TRUE(label);
        EXPECT_TRUE(label->at.x() > bars[i].left() && label->at.x() < bars[i].right() && label->at.y() > bars[i].bottom());
        EXPECT_TRUE(i == 0 || bars[i - 1].right() < bars[i].left()) << i;
    }
    EXPECT_TRUE(page.texts().contains("0") && page.texts().contains("100"));  // the value axis
    EXPECT_EQ(page.text("Support Spacing, in")->font.pointSizeF(), 12);
    EXPECT_EQ(page.text("North Mains")->font.pointSizeF(), 10);
    EXPECT_GT(page.text("North Mains")->at.y(), page.text("Base")->at.y());
}

TEST(ChartPaint, CostBarsStackLaborTransportAndMaterialsWithALegend)
{
    ChartData c;
    c.title = "Unit Costs, $/support", c.series = 3, c.values = {{30, 10, 60}}, c.rowLabels = {"Base"};
    c.colours = {12, 10, 9}, c.seriesLabels = {"Labor", "Transport", "Materials"};
    RecordingDevice page(400, 400);
    Paint(page, c);
    const auto l = Bars(page, 12), t = Bars(page, 10), m = Bars(page, 9);
    ASSERT_EQ(std::make_tuple(l.size(), t.size(), m.size()), std::make_tuple(1u, 1u, 1u));
    // Labor at the bottom, materials on top; 30 : 10 : 60.
    EXPECT_NEAR(l[0].top(), t[0].bottom(), 0.5);
    EXPECT_NEAR(t[0].top(), m[0].bottom(), 0.5);
    EXPECT_NEAR(l[0].height(), 3 * t[0].height(), 0.5);
    EXPECT_NEAR(m[0].height(), 6 * t[0].height(), 0.5);
    // The legend under the bars, in order.
    for (const char* s : {"Labor", "Transport", "Materials"})
        ASSERT_TRUE(page.text(s)) << s;
    EXPECT_LT(page.text("Labor")->at.x(), page.text("Transport")->at.x());
    EXPECT_LT(page.text("Transport")->at.x(), page.text("Materials")->at.x());
    EXPECT_GT(page.text("Labor")->at.y(), page.text("Base")->at.y());
}

TEST(ChartPaint, LegendStripHasTwoSupportsToALine)
{
    RecordingDevice strip(600, 100);
    {
        QPainter p(&strip);
        PaintChartLegend(p, QRect(0, 0, 600, 100), {"Base Support - Crib", "Support 1 - Post", "Support 2 - Can"});
    }
    const auto *base = strip.text("Base Support - Crib"), *second = strip.text("Support 1 - Post"),
               *third = strip.text("Support 2 - Can");
    ASSERT_TRUE(base && second && third);
    const double lh = QFontMetricsF(ChartLegendFont(), &strip).height();
    EXPECT_EQ(std::make_pair(second->at.x(), second->at.y()), std::make_pair(300.0, base->at.y()));
    EXPECT_EQ(std::make_pair(third->at.x(), third->at.y()), std::make_pair(0.0, base->at.y() + lh));
    // One line for two supports, two for three, and half a line more.
    EXPECT_EQ(ChartLegendHeight(2, &strip), static_cast<int>(1.5 * lh));
    EXPECT_EQ(ChartLegendHeight(3, &strip), static_cast<int>(2.5 * lh));
}
