// The metafile writer: every kind of record it writes, read back record by
// record, in a file and on a device (the comparison's chart test reads a real
// chart through libwmf).
#include "platform/wmfgenerator.h"

#include "wmf_check.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk;
using namespace vesk::test;

namespace {

constexpr QSize kSize(360, 240);
constexpr int kDpi = 120;

// Painted from (50, 200); the last text and square turned to read upward.
void Paint(QPainter& p)
{
    p.translate(50, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 180));
    p.drawRect(10, -120, 30, 120);
    p.setPen(QPen(Qt::darkGray, 2, Qt::DashLine));
    p.drawPolyline(QPolygon({{25, -120}, {75, -60}, {125, -180}}));
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 0, 128));
    p.drawPolygon(QPolygon({{220, -20}, {240, -20}, {230, -40}}));
    QPainterPath diamond;
    diamond.addPolygon(QPolygonF({{260, -30}, {270, -40}, {280, -30}, {270, -20}}));
    diamond.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(diamond);

    QFont font("Liberation Serif");
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QPoint(10, 16), QString::fromUtf8("Cost per ft² – ő"));
    font.setPointSize(12);
    font.setBold(true);
    p.setFont(font);
    p.translate(-30, -60);
    p.rotate(-90);
    p.drawText(QPoint(0, 0), "Load");
    p.drawRect(0, 10, 20, 20);
}

bool PaintOn(WmfGenerator& g)
{
    QPainter p(&g);
    Paint(p);
    return p.end();
}

QRectF Box(const WmfShape& s) { return s.points.boundingRect(); }

}  // namespace

TEST(WmfGenerator, RecordsHoldThePictureAsPaintedInAFileOrOnADevice)
{
    QTemporaryDir dir;
    WmfGenerator g;
    g.setSize(kSize);
    g.setResolution(kDpi);
    g.setFileName(dir.filePath("chart.wmf"));
    ASSERT_TRUE(PaintOn(g));
    QFile file(dir.filePath("chart.wmf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wmf = file.readAll();
    const WmfPicture w = ReadWmf(wmf);
    ASSERT_TRUE(w.faults.isEmpty()) << w.faults.join('\n').toStdString();
    EXPECT_EQ(std::make_pair(w.bounds, w.inch), std::make_pair(QRect(QPoint(0, 0), kSize), kDpi));
    EXPECT_LE(w.peakObjects, 4);  // pen, brush and font, and the one replacing them

    ASSERT_EQ(w.shapes.size(), 4u);
    EXPECT_TRUE(w.shapes[0].rectangle);
    EXPECT_EQ(Box(w.shapes[0]), QRectF(60, 80, 30, 120));
    EXPECT_EQ(std::make_pair(w.shapes[0].fill, w.shapes[0].pen), std::make_pair(QColor(70, 130, 180), QColor()));
    EXPECT_EQ(w.shapes[1].points, QPolygonF({{270, 180}, {290, 180}, {280, 160}}));
    EXPECT_EQ(std::make_pair(w.shapes[1].fill, w.shapes[1].pen), std::make_pair(QColor(128, 0, 128), QColor(Qt::black)));
    EXPECT_EQ(std::make_pair(Box(w.shapes[2]), w.shapes[2].pen), std::make_pair(QRectF(310, 160, 20, 20), QColor()));
    EXPECT_FALSE(w.shapes[3].rectangle);  // turned: a polygon
    EXPECT_EQ(Box(w.shapes[3]), QRectF(30, 120, 20, 20));
    ASSERT_EQ(w.lines.size(), 1u);
    EXPECT_EQ(w.lines[0].points, QPolygonF({{75, 80}, {125, 140}, {175, 20}}));
    EXPECT_EQ(w.lines[0].pen, QColor(Qt::darkGray));
    EXPECT_EQ(std::make_pair(w.lines[0].penWidth, w.lines[0].penStyle), std::make_pair(2, 1));  // dashed

    ASSERT_EQ(w.texts.size(), 2u);
    const WmfText& label = w.texts[0];
    EXPECT_EQ(label.text, QString::fromUtf8("Cost per ft² – ?"));
    EXPECT_EQ(label.pos, QPointF(60, 216));
    EXPECT_EQ(std::make_tuple(label.height, label.weight, label.escapement), std::make_tuple(-14, 400, 0));
    EXPECT_EQ(std::make_pair(label.face, label.color), std::make_pair(QString("Liberation Serif"), QColor(0, 0, 128)));
    EXPECT_EQ(label.align, 24);  // left end of the baseline
    const WmfText& axis = w.texts[1];
    EXPECT_EQ(axis.pos, QPointF(20, 140));
    EXPECT_EQ(std::make_tuple(axis.height, axis.weight, axis.escapement), std::make_tuple(-12 * kDpi / 72, 700, 900));

    // Painted again on the same generator, into a device it opens and closes.
    QBuffer buffer;
    g.setOutputDevice(&buffer);
    ASSERT_TRUE(PaintOn(g));
    EXPECT_EQ(buffer.data(), wmf);
    EXPECT_FALSE(buffer.isOpen());

    // A file that cannot be written fails the painter's end.
    g.setFileName(dir.filePath("no such folder/chart.wmf"));
    EXPECT_FALSE(PaintOn(g));
}
