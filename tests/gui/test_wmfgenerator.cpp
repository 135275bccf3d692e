// The metafile writer: a small bar chart painted on it, read back record by
// record and through libwmf's wmf2svg.
#include "platform/wmfgenerator.h"

#include "wmf_check.h"

#include <QBuffer>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk;
using namespace vesk::test;

namespace {

constexpr QSize kSize(360, 240);
constexpr int kDpi = 120;
// The chart's axes cross here; it is painted upward from it.
constexpr QPoint kOrigin(50, 200);

struct Bar {
    int value;
    QColor color;
};
// Colours with SVG names, which wmf2svg writes as the nearest name.
const Bar kBars[] = {{120, QColor(70, 130, 180)}, {60, QColor(128, 0, 0)}, {180, QColor(0, 128, 0)},
                     {90, QColor(255, 215, 0)}};

QRect BarRect(int i) { return QRect(i * 50 + 10, -kBars[i].value, 30, kBars[i].value); }

// Texts as painted, and as the metafile's code page holds them.
const QString kTitle = QString::fromUtf8("Cost per ft² – ő");
const QString kTitleStored = QString::fromUtf8("Cost per ft² – ?");
const QString kLabel = QString::fromUtf8("Café");
const QString kAxis = "Load";

void PaintChart(QPainter& p)
{
    p.fillRect(QRect(QPoint(0, 0), kSize), Qt::white);
    p.translate(kOrigin);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(kBars[i].color);
        p.drawRect(BarRect(i));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(0, 0, 280, 0);
    p.drawLine(0, 0, 0, -190);
    p.setPen(QPen(Qt::darkGray, 2, Qt::DashLine));
    p.drawPolyline(QPolygon({{25, -120}, {75, -60}, {125, -180}, {175, -90}}));
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 0, 128));
    p.drawPolygon(QPolygon({{220, -20}, {240, -20}, {230, -40}}));
    QPainterPath diamond;
    diamond.addPolygon(QPolygonF({{260, -30}, {270, -40}, {280, -30}, {270, -20}}));
    diamond.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawPath(diamond);

    QFont label("Liberation Serif");
    label.setPixelSize(14);
    p.setFont(label);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QPoint(10, 16), kLabel);
    QFont title("Liberation Serif");
    title.setPointSize(12);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QPoint(60, -195), kTitle);
    p.translate(-30, -60);
    p.rotate(-90);
    p.drawText(QPoint(0, 0), kAxis);
}

QByteArray ChartWmf()
{
    WmfGenerator g;
    g.setSize(kSize);
    g.setResolution(kDpi);
    QPainter p(&g);
    PaintChart(p);
    EXPECT_TRUE(p.end());
    return g.bytes();
}

double Height(const QPolygonF& points) { return points.boundingRect().height(); }

}  // namespace

TEST(WmfGenerator, RecordsHoldTheChartAsPainted)
{
    const WmfPicture w = ReadWmf(ChartWmf());
    ASSERT_TRUE(w.faults.isEmpty()) << w.faults.join('\n').toStdString();
    EXPECT_EQ(w.bounds, QRect(QPoint(0, 0), kSize));
    EXPECT_EQ(w.inch, kDpi);
    // Objects are deleted as soon as others replace them.
    EXPECT_LE(w.peakObjects, 4);

    ASSERT_EQ(w.shapes.size(), 7u);
    EXPECT_TRUE(w.shapes[0].rectangle);
    EXPECT_EQ(w.shapes[0].points.boundingRect(), QRectF(QPoint(0, 0), kSize));
    EXPECT_EQ(w.shapes[0].fill, QColor(Qt::white));
    for (int i = 0; i < 4; ++i) {
        const WmfShape& s = w.shapes[i + 1];
        EXPECT_TRUE(s.rectangle);
        EXPECT_EQ(s.points.boundingRect(), QRectF(BarRect(i).translated(kOrigin))) << i;
        EXPECT_EQ(s.fill, kBars[i].color) << i;
        EXPECT_FALSE(s.pen.isValid()) << i;
    }
    const WmfShape& triangle = w.shapes[5];
    EXPECT_FALSE(triangle.rectangle);
    EXPECT_EQ(triangle.points, QPolygonF({{270, 180}, {290, 180}, {280, 160}}));
    EXPECT_EQ(triangle.fill, QColor(128, 0, 128));
    EXPECT_EQ(triangle.pen, QColor(Qt::black));
    const WmfShape& diamond = w.shapes[6];
    EXPECT_EQ(diamond.points.boundingRect(), QRectF(310, 160, 20, 20));
    EXPECT_EQ(diamond.fill, QColor(0, 128, 128));
    EXPECT_FALSE(diamond.pen.isValid());

    ASSERT_EQ(w.lines.size(), 3u);
    EXPECT_EQ(w.lines[0].points, QPolygonF({{50, 200}, {330, 200}}));
    EXPECT_EQ(w.lines[1].points, QPolygonF({{50, 200}, {50, 10}}));
    EXPECT_EQ(w.lines[0].pen, QColor(Qt::black));
    EXPECT_EQ(w.lines[2].points, QPolygonF({{75, 80}, {125, 140}, {175, 20}, {225, 110}}));
    EXPECT_EQ(w.lines[2].pen, QColor(Qt::darkGray));
    EXPECT_EQ(w.lines[2].penWidth, 2);
    EXPECT_EQ(w.lines[2].penStyle, 1);  // dashed

    ASSERT_EQ(w.texts.size(), 3u);
    const WmfText& label = w.texts[0];
    EXPECT_EQ(label.text, kLabel);
    EXPECT_EQ(label.pos, QPointF(60, 216));
    EXPECT_EQ(label.height, -14);
    EXPECT_EQ(label.weight, 400);
    EXPECT_FALSE(label.italic);
    EXPECT_EQ(label.face, "Liberation Serif");
    EXPECT_EQ(label.color, QColor(0, 0, 128));
    EXPECT_EQ(label.align, 24);  // left end of the baseline
    EXPECT_EQ(label.escapement, 0);
    const WmfText& title = w.texts[1];
    EXPECT_EQ(title.text, kTitleStored);
    EXPECT_EQ(title.pos, QPointF(110, 5));
    EXPECT_EQ(title.height, -12 * kDpi / 72);
    EXPECT_EQ(title.weight, 700);
    const WmfText& axis = w.texts[2];
    EXPECT_EQ(axis.text, kAxis);
    EXPECT_EQ(axis.pos, QPointF(20, 140));
    EXPECT_EQ(axis.escapement, 900);  // reading upward
}

TEST(WmfGenerator, LibwmfReadsTheChartAsPainted)
{
    const Wmf2Svg run = RunWmf2Svg(ChartWmf());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, QByteArray());
    const SvgPicture svg = ReadSvg(run.svg);

    std::vector<SvgShape> rects;
    std::copy_if(svg.shapes.begin(), svg.shapes.end(), std::back_inserter(rects),
                 [](const SvgShape& s) { return s.rectangle; });
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_EQ(rects[0].fill, QColor(Qt::white));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rects[i + 1].fill, kBars[i].color) << i;
        const double ratio = Height(rects[i + 1].points) / Height(rects[1].points);
        EXPECT_NEAR(ratio, double(kBars[i].value) / kBars[0].value, 0.01 * ratio) << i;
        EXPECT_NEAR(rects[i + 1].points.boundingRect().bottom(), rects[1].points.boundingRect().bottom(), 0.5);
    }
    EXPECT_EQ(svg.shapes.size(), 7u);
    EXPECT_EQ(svg.lines.size(), 3u);

    ASSERT_EQ(svg.texts.size(), 3u);
    EXPECT_EQ(svg.texts[0].text, kLabel);
    EXPECT_FALSE(svg.texts[0].bold);
    EXPECT_EQ(svg.texts[0].color, QColor(0, 0, 128));
    EXPECT_EQ(svg.texts[1].text, kTitleStored);
    EXPECT_TRUE(svg.texts[1].bold);
    EXPECT_NEAR(svg.texts[1].size / svg.texts[0].size, 20.0 / 14, 0.01);
    EXPECT_EQ(svg.texts[2].text, kAxis);
    EXPECT_NEAR(svg.texts[2].angle, -90, 0.5);
}

TEST(WmfGenerator, MetafileGoesToFileDeviceAndClipboard)
{
    const QByteArray wmf = ChartWmf();
    QTemporaryDir dir;
    WmfGenerator g;
    g.setSize(kSize);
    g.setResolution(kDpi);
    g.setFileName(dir.filePath("chart.wmf"));
    QPainter p(&g);
    PaintChart(p);
    ASSERT_TRUE(p.end());
    EXPECT_EQ(g.bytes(), wmf);
    QFile file(dir.filePath("chart.wmf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), wmf);

    // Painted again on the same generator, into a device it opens and closes.
    QBuffer buffer;
    g.setOutputDevice(&buffer);
    p.begin(&g);
    PaintChart(p);
    ASSERT_TRUE(p.end());
    EXPECT_EQ(buffer.data(), wmf);
    EXPECT_FALSE(buffer.isOpen());

    QMimeData mime;
    PutMetafile(mime, wmf);
    EXPECT_EQ(mime.data("image/x-wmf"), wmf);

    // A file that cannot be written fails the painter's end.
    g.setFileName(dir.filePath("no such folder/chart.wmf"));
    p.begin(&g);
    PaintChart(p);
    EXPECT_FALSE(p.end());
}
