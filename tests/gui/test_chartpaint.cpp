// The bar chart and its legend strip: bars measured in an image, texts on a
// recording device.
#include "compare/chartpaint.h"
#include "platform/palette.h"

#include "recording_device.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vesk;
using vesk::test::RecordingDevice;

namespace {

ChartData SpacingChart()
{
    ChartData c;
    c.title = "Support Spacing, in";
    c.values = {{48, 0, 0}, {96, 0, 0}, {24, 0, 0}};
    c.rowLabels = {"Base", "1", "2"};
    c.colours = {12, 0, 0};
    c.footnote = "North Mains";
    return c;
}

ChartData CostChart()
{
    ChartData c;
    c.title = "Unit Costs, $/support";
    c.series = 3;
    c.values = {{30, 10, 60}};
    c.rowLabels = {"Base"};
    c.colours = {12, 10, 9};
    c.seriesLabels = {"Labor", "Transport", "Materials"};
    return c;
}

QImage Render(const ChartData& c)
{
    QImage img(400, 400, QImage::Format_RGB32);
    QPainter p(&img);
    PaintChart(p, img.rect(), c);
    return img;
}

// The runs of columns holding a colour, and the longest run of rows it
// covers in the middle column of each.
struct Bar {
    int left = 0, right = 0, top = 0, bottom = -1;
    int height() const { return bottom - top + 1; }
};

std::vector<Bar> BarsOf(const QImage& img, const QColor& colour)
{
    std::vector<Bar> bars;
    const auto columnHas = [&](int x) {
        for (int y = 0; y < img.height(); ++y)
            if (img.pixelColor(x, y) == colour)
                return true;
        return false;
    };
    for (int x = 0; x < img.width(); ++x) {
        if (!columnHas(x))
            continue;
        Bar b{x, x, 0, -1};
        while (b.right + 1 < img.width() && columnHas(b.right + 1))
            ++b.right;
        const int mid = (b.left + b.right) / 2;
        for (int y = 0; y < img.height(); ++y) {
            int end = y;
            while (end < img.height() && img.pixelColor(mid, end) == colour)
                ++end;
            if (end - y > b.bottom - b.top + 1)
                b.top = y, b.bottom = end - 1;
            y = end;
        }
        bars.push_back(b);
        x = b.right;
    }
    return bars;
}

}  // namespace

TEST(ChartPaint, OneBarPerSupportInOrderWithHeightsInProportion)
{
    const QImage img = Render(SpacingChart());
    const auto bars = BarsOf(img, QBColor(12));
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_LT(bars[0].right, bars[1].left);
    EXPECT_LT(bars[1].right, bars[2].left);
    // Standing on one base line, 48 : 96 : 24.
    EXPECT_NEAR(bars[0].bottom, bars[2].bottom, 0);
    EXPECT_NEAR(bars[1].height(), 2.0 * bars[0].height(), 2);
    EXPECT_NEAR(bars[2].height(), 0.5 * bars[0].height(), 2);
    EXPECT_EQ(bars[0].right - bars[0].left, bars[1].right - bars[1].left);

    RecordingDevice page(400, 400);
    {
        QPainter p(&page);
        PaintChart(p, QRect(0, 0, 400, 400), SpacingChart());
    }
    const QStringList texts = page.texts();
    for (const char* s : {"Support Spacing, in", "North Mains", "Base", "1", "2", "0", "100"})
        EXPECT_TRUE(texts.contains(s)) << s;
    EXPECT_EQ(page.text("Support Spacing, in")->font.pointSizeF(), 12);
    EXPECT_EQ(page.text("North Mains")->font.pointSizeF(), 10);
    EXPECT_EQ(page.text("Base")->font.pointSizeF(), 10);
    EXPECT_FALSE(texts.contains("Labor"));  // one series: no legend
}

TEST(ChartPaint, CostBarsStackLaborTransportAndMaterialsWithALegend)
{
    const QImage img = Render(CostChart());
    // Each colour in the bar and in the legend's sample box: the bar is the tallest.
    const auto tallest = [&](int colour) {
        Bar best;
        for (const Bar& b : BarsOf(img, QBColor(colour)))
            best = b.height() > best.height() ? b : best;
        return best;
    };
    const Bar l = tallest(12), t = tallest(10), m = tallest(9);
    // Labor at the bottom, materials on top; 30 : 10 : 60.
    EXPECT_LT(t.bottom, l.top);
    EXPECT_LT(m.bottom, t.top);
    const int transportHeight = t.bottom - m.bottom;  // from base to base, outlines alike
    EXPECT_NEAR(l.bottom - t.bottom, 3.0 * transportHeight, 2);
    EXPECT_NEAR(m.height(), 6.0 * transportHeight, 3);

    RecordingDevice page(400, 400);
    {
        QPainter p(&page);
        PaintChart(p, QRect(0, 0, 400, 400), CostChart());
    }
    const QStringList texts = page.texts();
    const auto labels = QStringList{"Labor", "Transport", "Materials"};
    for (const QString& s : labels)
        EXPECT_TRUE(texts.contains(s)) << s.toStdString();
    EXPECT_LT(page.text("Labor")->at.x(), page.text("Transport")->at.x());
    EXPECT_GT(page.text("Labor")->at.y(), page.text("Base")->at.y());  // the legend is under the bars
}

TEST(ChartPaint, LegendStripHasTwoSupportsToALine)
{
    RecordingDevice strip(600, 100);
    {
        QPainter p(&strip);
        PaintChartLegend(p, QRect(0, 0, 600, 100), {"Base Support - Crib", "Support 1 - Post", "Support 2 - Can"});
    }
    const auto* base = strip.text("Base Support - Crib");
    const auto* second = strip.text("Support 1 - Post");
    const auto* third = strip.text("Support 2 - Can");
    ASSERT_TRUE(base && second && third);
    EXPECT_EQ(second->at.y(), base->at.y());
    EXPECT_EQ(second->at.x(), 300);
    EXPECT_EQ(third->at.x(), 0);
    const double lh = QFontMetricsF(ChartLegendFont(), &strip).height();
    EXPECT_NEAR(third->at.y() - base->at.y(), lh, 1e-9);

    // Lines for 1 to 3 supports, and half a line more.
    EXPECT_EQ(ChartLegendHeight(1, &strip), static_cast<int>(1.5 * lh));
    EXPECT_EQ(ChartLegendHeight(2, &strip), static_cast<int>(1.5 * lh));
    EXPECT_EQ(ChartLegendHeight(3, &strip), static_cast<int>(2.5 * lh));
}
