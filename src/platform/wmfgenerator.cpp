#include "platform/wmfgenerator.h"

#include "model/encoding.h"

#include <QIODevice>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainterPath>
#include <QSaveFile>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vesk {

namespace {

// Record functions.
enum : uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kSetBkMode = 0x0102,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDeleteObject = 0x01F0,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kCreatePen = 0x02FA,
    kCreateFont = 0x02FB,
    kCreateBrush = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kRectangle = 0x041B,
    kExtTextOut = 0x0A32,
};

enum : uint16_t {
    kTransparent = 1,   // background mode
    kAlternate = 1,     // polygon fill modes
    kWinding = 2,
    kBaseline = 24,     // text alignment: left end of the baseline
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
    kBrushSolid = 0,
    kBrushNull = 1,
};

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kFaceBytes = 32;

using Words = std::vector<uint16_t>;

uint16_t word(int v) { return static_cast<uint16_t>(std::clamp(v, -32768, 32767)); }

uint16_t coord(double v)
{
    return std::isfinite(v) ? word(static_cast<int>(std::lround(std::clamp(v, -32768.0, 32767.0)))) : 0;
}

void putColor(Words& w, const QColor& c)
{
    const QColor rgb = c.toRgb();
    w.push_back(static_cast<uint16_t>(rgb.red() | rgb.green() << 8));
    w.push_back(static_cast<uint16_t>(rgb.blue()));
}

// Bytes packed two to a word, low byte first, the last word padded with 0.
void putBytes(Words& w, const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const auto lo = static_cast<uint8_t>(bytes[i]);
        const auto hi = i + 1 < bytes.size() ? static_cast<uint8_t>(bytes[i + 1]) : uint8_t{0};
        w.push_back(static_cast<uint16_t>(lo | hi << 8));
    }
}

// Windows-1252 bytes of a text; a character the code page lacks becomes '?'.
QByteArray Cp1252(const QString& text)
{
    QByteArray out;
    for (char32_t c : text.toUcs4()) {
        const auto b = Utf8ToCp1252(QString::fromUcs4(&c, 1).toStdString());
        out += b ? QByteArray::fromStdString(*b) : QByteArray("?");
    }
    return out;
}

void appendWord(QByteArray& out, uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void appendDword(QByteArray& out, uint32_t v)
{
    appendWord(out, static_cast<uint16_t>(v & 0xFFFF));
    appendWord(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

class WmfPaintEngine : public QPaintEngine {
public:
    explicit WmfPaintEngine(WmfGenerator& device) : QPaintEngine(AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPath(const QPainterPath& path) override;
    void drawTextItem(const QPointF& p, const QTextItem& item) override;
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }

private:
    // A GDI object held selected: its slot in the object table and the
    // parameters it was made with.
    struct Held {
        int slot = -1;
        Words params;
    };

    void record(uint16_t function, const Words& params);
    void select(Held& held, uint16_t create, Words params);
    void release(Held& held);
    void usePen();
    void useBrush();
    void setPolyFill(Qt::FillRule rule);
    Words points(const QPolygonF& polygon) const;
    void polygon(const QPolygonF& polygon, Qt::FillRule rule);
    void polyline(const QPolygonF& polygon);
    bool hasPen() const { return pen_.style() != Qt::NoPen && pen_.color().alpha() > 0; }
    bool hasBrush() const { return brush_.style() != Qt::NoBrush && brush_.color().alpha() > 0; }

    WmfGenerator& device_;
    QByteArray records_;
    uint32_t maxRecord_ = 0;
    std::vector<bool> table_;  // slots of the object table in use
    Held penObj_, brushObj_, fontObj_;
    int textColor_ = -1;
    int polyFill_ = -1;
    QPen pen_;
    QBrush brush_;
    QTransform xf_;
};

void WmfPaintEngine::record(uint16_t function, const Words& params)
{
    const auto size = static_cast<uint32_t>(3 + params.size());
    maxRecord_ = std::max(maxRecord_, size);
    appendDword(records_, size);
    appendWord(records_, function);
    for (uint16_t w : params)
        appendWord(records_, w);
}

// An object takes the lowest free slot of the table, as a player numbers them.
// The new object is selected before the one it replaces is deleted, so that no
// selected object is ever deleted.
void WmfPaintEngine::select(Held& held, uint16_t create, Words params)
{
    if (held.slot >= 0 && held.params == params)
        return;
    const auto free = std::find(table_.begin(), table_.end(), false);
    const auto slot = static_cast<int>(free - table_.begin());
    if (free == table_.end())
        table_.push_back(true);
    else
        *free = true;
    record(create, params);
    record(kSelectObject, {word(slot)});
    release(held);
    held = {slot, std::move(params)};
}

void WmfPaintEngine::release(Held& held)
{
    if (held.slot < 0)
        return;
    record(kDeleteObject, {word(held.slot)});
    table_[static_cast<std::size_t>(held.slot)] = false;
    held.slot = -1;
}

void WmfPaintEngine::usePen()
{
    Words p;
    if (!hasPen()) {
        p = {kPenNull, 0, 0, 0, 0};
    } else {
        uint16_t style = kPenSolid;
        switch (pen_.style()) {
        case Qt::DashLine:
        case Qt::CustomDashLine: style = kPenDash; break;
        case Qt::DotLine: style = kPenDot; break;
        case Qt::DashDotLine: style = kPenDashDot; break;
        case Qt::DashDotDotLine: style = kPenDashDotDot; break;
        default: break;
        }
        double width = pen_.widthF();
        if (!pen_.isCosmetic())
            width *= std::sqrt(std::abs(xf_.determinant()));
        p = {style, coord(std::max(1.0, width)), 0};
        putColor(p, pen_.color());
    }
    select(penObj_, kCreatePen, std::move(p));
}

void WmfPaintEngine::useBrush()
{
    Words p = {hasBrush() ? kBrushSolid : kBrushNull};
    putColor(p, hasBrush() ? brush_.color() : QColor(Qt::black));
    p.push_back(0);
    select(brushObj_, kCreateBrush, std::move(p));
}

void WmfPaintEngine::setPolyFill(Qt::FillRule rule)
{
    const int mode = rule == Qt::WindingFill ? kWinding : kAlternate;
    if (mode != polyFill_)
        record(kSetPolyFillMode, {word(mode)});
    polyFill_ = mode;
}

// At most the 32767 points that a record's count can hold.
Words WmfPaintEngine::points(const QPolygonF& polygon) const
{
    const auto n = static_cast<int>(std::min<qsizetype>(polygon.size(), 32767));
    Words w = {word(n)};
    for (int i = 0; i < n; ++i) {
        const QPointF q = xf_.map(polygon[i]);
        w.push_back(coord(q.x()));
        w.push_back(coord(q.y()));
    }
    return w;
}

// Outlined with the current pen, filled with the current brush.
void WmfPaintEngine::polygon(const QPolygonF& polygon, Qt::FillRule rule)
{
    if (polygon.size() < 2 || (!hasPen() && !hasBrush()))
        return;
    usePen();
    useBrush();
    setPolyFill(rule);
    record(kPolygon, points(polygon));
}

void WmfPaintEngine::polyline(const QPolygonF& polygon)
{
    if (polygon.size() < 2 || !hasPen())
        return;
    usePen();
    record(kPolyline, points(polygon));
}

bool WmfPaintEngine::begin(QPaintDevice*)
{
    const QSize size = device_.size_;
    if (size.width() < 1 || size.height() < 1 || size.width() > 32767 || size.height() > 32767
        || device_.dpi_ < 1 || device_.dpi_ > 32767)
        return false;
    records_.clear();
    maxRecord_ = 0;
    table_.clear();
    penObj_ = brushObj_ = fontObj_ = Held{};
    textColor_ = polyFill_ = -1;
    xf_.reset();
    record(kSaveDc, {});
    record(kSetWindowOrg, {0, 0});
    record(kSetWindowExt, {word(size.height()), word(size.width())});
    record(kSetBkMode, {kTransparent});
    record(kSetTextAlign, {kBaseline});
    return true;
}

// Restoring the device context puts back the objects it had selected, so every
// object of ours can be deleted.
bool WmfPaintEngine::end()
{
    record(kRestoreDc, {word(-1)});
    release(penObj_);
    release(brushObj_);
    release(fontObj_);
    record(kEof, {});

    const QSize size = device_.size_;
    QByteArray wmf;
    Words placeable = {static_cast<uint16_t>(kPlaceableKey & 0xFFFF), static_cast<uint16_t>(kPlaceableKey >> 16),
                       0, 0, 0, word(size.width()), word(size.height()), word(device_.dpi_), 0, 0};
    uint16_t checksum = 0;
    for (uint16_t w : placeable)
        checksum ^= w;
    placeable.push_back(checksum);
    for (uint16_t w : placeable)
        appendWord(wmf, w);
    constexpr uint16_t kHeaderWords = 9;
    appendWord(wmf, 1);  // a metafile on disk
    appendWord(wmf, kHeaderWords);
    appendWord(wmf, 0x0300);
    appendDword(wmf, static_cast<uint32_t>(kHeaderWords + records_.size() / 2));
    appendWord(wmf, word(static_cast<int>(table_.size())));
    appendDword(wmf, maxRecord_);
    appendWord(wmf, 0);
    wmf += records_;
    records_.clear();
    return device_.finish(std::move(wmf));
}

void WmfPaintEngine::updateState(const QPaintEngineState& state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen)
        pen_ = state.pen();
    if (dirty & DirtyBrush)
        brush_ = state.brush();
    if (dirty & DirtyTransform)
        xf_ = state.transform();
}

void WmfPaintEngine::drawRects(const QRectF* rects, int count)
{
    if (!hasPen() && !hasBrush())
        return;
    for (int i = 0; i < count; ++i) {
        if (xf_.type() > QTransform::TxScale) {
            polygon(QPolygonF(rects[i]), Qt::OddEvenFill);
            continue;
        }
        const QRectF r = xf_.mapRect(rects[i].normalized());
        usePen();
        useBrush();
        record(kRectangle, {coord(r.bottom()), coord(r.right()), coord(r.top()), coord(r.left())});
    }
}

void WmfPaintEngine::drawLines(const QLineF* lines, int count)
{
    for (int i = 0; i < count; ++i)
        polyline(QPolygonF({lines[i].p1(), lines[i].p2()}));
}

void WmfPaintEngine::drawPolygon(const QPointF* pts, int count, PolygonDrawMode mode)
{
    const QPolygonF poly(QList<QPointF>(pts, pts + count));
    if (mode == PolylineMode)
        polyline(poly);
    else
        polygon(poly, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
}

// A path is filled as polygons without outline, then stroked along each of
// its subpaths: its fill polygons join subpaths by edges that are no outline.
void WmfPaintEngine::drawPath(const QPainterPath& path)
{
    if (hasBrush()) {
        const QPen pen = pen_;
        pen_ = QPen(Qt::NoPen);
        for (const QPolygonF& p : path.toFillPolygons())
            polygon(p, path.fillRule());
        pen_ = pen;
    }
    for (const QPolygonF& p : path.toSubpathPolygons())
        polyline(p);
}

// The text starts at `p` on its baseline. A turned painter turns the text
// with it; the font's height follows the painter's scale.
void WmfPaintEngine::drawTextItem(const QPointF& p, const QTextItem& item)
{
    const QByteArray text = Cp1252(item.text()).left(32767);
    if (text.isEmpty() || !hasPen())
        return;
    const QFont& f = item.font();
    const double px = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * device_.dpi_ / 72.0;
    const double height = px * std::hypot(xf_.m21(), xf_.m22());
    const double degrees = -qRadiansToDegrees(std::atan2(xf_.m12(), xf_.m11()));
    const int tenths = (static_cast<int>(std::lround(degrees * 10)) % 3600 + 3600) % 3600;
    QByteArray face = Cp1252(f.family()).left(kFaceBytes - 1);
    face.resize(kFaceBytes, '\0');
    Words font = {word(-static_cast<int>(std::lround(height))), 0, word(tenths), word(tenths),
                  word(f.weight()), static_cast<uint16_t>((f.italic() ? 1 : 0) | (f.underline() ? 1 : 0) << 8),
                  static_cast<uint16_t>(f.strikeOut() ? 1 : 0), 0, 0};
    putBytes(font, face);
    select(fontObj_, kCreateFont, std::move(font));

    const QRgb rgb = pen_.color().rgb();
    const int color = qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16;
    if (color != textColor_) {
        Words c;
        putColor(c, pen_.color());
        record(kSetTextColor, c);
        textColor_ = color;
    }
    const QPointF at = xf_.map(p);
    Words w = {coord(at.y()), coord(at.x()), word(static_cast<int>(text.size())), 0};
    putBytes(w, text);
    record(kExtTextOut, w);
}

WmfGenerator::WmfGenerator() : engine_(std::make_unique<WmfPaintEngine>(*this)) {}

WmfGenerator::~WmfGenerator() = default;

void WmfGenerator::setOutputDevice(QIODevice* device)
{
    device_ = device;
    fileName_.clear();
}

void WmfGenerator::setFileName(const QString& name)
{
    fileName_ = name;
    device_ = nullptr;
}

QPaintEngine* WmfGenerator::paintEngine() const { return engine_.get(); }

int WmfGenerator::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return static_cast<int>(std::lround(size_.width() * 25.4 / dpi_));
    case PdmHeightMM: return static_cast<int>(std::lround(size_.height() * 25.4 / dpi_));
    case PdmNumColors: return 0x7FFFFFFF;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return dpi_;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metric);
    }
}

bool WmfGenerator::finish(QByteArray wmf)
{
    bytes_ = std::move(wmf);
    if (!fileName_.isEmpty()) {
        QSaveFile file(fileName_);
        return file.open(QIODevice::WriteOnly) && file.write(bytes_) == bytes_.size() && file.commit();
    }
    if (!device_)
        return true;
    const bool opened = !device_->isOpen();
    if (opened && !device_->open(QIODevice::WriteOnly))
        return false;
    const bool written = device_->write(bytes_) == bytes_.size();
    if (opened)
        device_->close();
    return written;
}

void PutMetafile(QMimeData& mime, const QByteArray& wmf) { mime.setData(kWmfMimeType, wmf); }

}  // namespace vesk
