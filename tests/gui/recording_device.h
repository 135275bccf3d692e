// A paint device that records what is drawn on it, in device coordinates:
// texts with their font and baseline start, lines and polylines with their
// pen, solid-filled rectangles with their colour.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <vector>

namespace vesk::test {

struct RecordedText {
    QString text;
    QFont font;
    QPointF at;
};

struct RecordedLine {
    QPen pen;
    QPolygonF points;
};

struct RecordedFill {
    QColor colour;
    QRectF rect;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& s) override
    {
        pen_ = s.state() & DirtyPen ? s.pen() : pen_;
        brush_ = s.state() & DirtyBrush ? s.brush() : brush_;
        transform_ = s.state() & DirtyTransform ? s.transform() : transform_;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& ti) override
    {
        texts.push_back({ti.text(), ti.font(), transform_.map(p)});
    }
    void drawLines(const QLineF* l, int n) override
    {
        for (int i = 0; i < n; ++i)
            lines.push_back({pen_, transform_.map(QPolygonF({l[i].p1(), l[i].p2()}))});
    }
    void drawPolygon(const QPointF* pts, int n, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            lines.push_back({pen_, transform_.map(QPolygonF(QList<QPointF>(pts, pts + n)))});
    }
    void drawRects(const QRectF* rects, int n) override
    {
        for (int i = 0; i < n && brush_.style() == Qt::SolidPattern; ++i)
            fills.push_back({brush_.color(), transform_.mapRect(rects[i])});
    }

    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    std::vector<RecordedFill> fills;

private:
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(int width, int height, int dpi = 96) : w_(width), h_(height), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const RecordingEngine& engine() const { return engine_; }

    // The texts drawn, in order, and the first one drawn of a text.
    QStringList texts() const
    {
        QStringList out;
        for (const RecordedText& t : engine_.texts)
            out << t.text;
        return out;
    }
    const RecordedText* text(const QString& s) const
    {
        for (const RecordedText& t : engine_.texts)
            if (t.text == s)
                return &t;
        return nullptr;
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return w_;
        case PdmHeight: return h_;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    int w_, h_, dpi_;
    mutable RecordingEngine engine_;
};

}  // namespace vesk::test
