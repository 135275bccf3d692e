#include "wmf_check.h"

#include "model/encoding.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <optional>

namespace vesk::test {

namespace {

QString Cp1252Text(const QByteArray& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes.toStdString())); }

// The words of a metafile, read little-endian from a byte offset.
struct Words {
    const QByteArray& b;
    int u16(qsizetype at) const
    {
        return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
    }
    int s16(qsizetype at) const { return static_cast<int16_t>(u16(at)); }
    uint32_t u32(qsizetype at) const { return static_cast<uint32_t>(u16(at)) | static_cast<uint32_t>(u16(at + 2)) << 16; }
    QColor color(qsizetype at) const { return QColor(u16(at) & 0xFF, u16(at) >> 8, u16(at + 2) & 0xFF); }
};

// A GDI object in the table.
struct Object {
    enum Kind { Pen, Brush, Font };
    Object(Kind k, QColor c, int w = 0, int s = 0, WmfText f = {}) : kind(k), color(c), width(w), style(s), font(f) {}
    Kind kind;
    QColor color;  // invalid for a null pen or brush
    int width, style;
    WmfText font;
};

// What a record's drawing uses: the objects selected, by slot.
struct Selection {
    int pen = -1, brush = -1, font = -1;
    bool holds(int slot) const { return pen == slot || brush == slot || font == slot; }
};

class Walker {
public:
    explicit Walker(const QByteArray& b) : w_{b} {}
    WmfPicture walk();

private:
    void fault(const QString& what) { pic_.faults << QStringLiteral("at byte %1: %2").arg(at_).arg(what); }
    QPointF point(int x, int y);
    QPolygonF points(qsizetype from, int count);
    void create(Object o);
    // The object in `slot`, or null (a fault if `needed`) when there is none.
    Object* live(int slot, bool needed = false);
    void record(int function, qsizetype p, int words);

    Words w_;
    WmfPicture pic_;
    qsizetype at_ = 0;
    std::vector<std::optional<Object>> table_;
    Selection sel_;
    std::vector<Selection> saved_;
    QColor textColor_ = Qt::black;
    int textAlign_ = 0;
};

QPointF Walker::point(int x, int y)
{
    const QRect& b = pic_.bounds;
    if (x < b.left() || x > b.left() + b.width() || y < b.top() || y > b.top() + b.height())
        fault(QStringLiteral("point (%1, %2) outside the box").arg(x).arg(y));
    return QPointF(x, y);
}

QPolygonF Walker::points(qsizetype from, int count)
{
    QPolygonF poly;
    for (int i = 0; i < count; ++i)
        poly << point(w_.s16(from + 4 * i), w_.s16(from + 4 * i + 2));
    return poly;
}

void Walker::create(Object o)
{
    auto free = std::find_if(table_.begin(), table_.end(), [](const auto& s) { return !s; });
    if (free == table_.end())
        free = table_.insert(free, std::nullopt);
    *free = std::move(o);
    const auto slot = static_cast<int>(free - table_.begin());
    if (slot >= pic_.objects)
        fault(QStringLiteral("object %1 beyond the table of %2").arg(slot).arg(pic_.objects));
    pic_.peakObjects = std::max(pic_.peakObjects, static_cast<int>(std::count_if(
                                                      table_.begin(), table_.end(), [](const auto& s) { return s.has_value(); })));
}

Object* Walker::live(int slot, bool needed)
{
    if (slot >= 0 && slot < static_cast<int>(table_.size()) && table_[static_cast<std::size_t>(slot)])
        return &*table_[static_cast<std::size_t>(slot)];
    if (needed)
        fault(QStringLiteral("no object %1").arg(slot));
    return nullptr;
}

// One record whose parameters start at byte p and hold `words` words.
void Walker::record(int function, qsizetype p, int words)
{
    auto need = [&](int n) {
        if (words < n)
            fault(QStringLiteral("record %1 too short").arg(function, 4, 16, QChar('0')));
        return words >= n;
    };
    // A player's defaults stand for objects never selected.
    auto pen = [&] { return sel_.pen >= 0 && live(sel_.pen) ? *live(sel_.pen) : Object{Object::Pen, Qt::black, 1}; };
    auto brush = [&] { return sel_.brush >= 0 && live(sel_.brush) ? live(sel_.brush)->color : QColor(Qt::white); };

    switch (function) {
    case 0x001E:  // SaveDC
        saved_.push_back(sel_);
        break;
    case 0x0127:  // RestoreDC
        if (!need(1))
            break;
        if (w_.s16(p) != -1 || saved_.empty())
            fault("restore without a saved state");
        else {
            sel_ = saved_.back();
            saved_.pop_back();
        }
        break;
    case 0x020B:  // SetWindowOrg
        if (need(2) && QPoint(w_.s16(p + 2), w_.s16(p)) != pic_.bounds.topLeft())
            fault("window origin is not the box's");
        break;
    case 0x020C:  // SetWindowExt
        if (need(2) && QSize(w_.s16(p + 2), w_.s16(p)) != pic_.bounds.size())
            fault("window extent is not the box's");
        break;
    case 0x0102:  // SetBkMode
    case 0x0106:  // SetPolyFillMode
        need(1);
        break;
    case 0x012E:  // SetTextAlign
        if (need(1))
            textAlign_ = w_.u16(p);
        break;
    case 0x0209:  // SetTextColor
        if (need(2))
            textColor_ = w_.color(p);
        break;
    case 0x02FA:  // CreatePenIndirect
        if (need(5)) {
            const int style = w_.u16(p);
            create({Object::Pen, (style & 0xFF) == 5 ? QColor() : w_.color(p + 6), w_.s16(p + 2), style});
        }
        break;
    case 0x02FC:  // CreateBrushIndirect
        if (need(4))
            create({Object::Brush, w_.u16(p) == 1 ? QColor() : w_.color(p + 2)});
        break;
    case 0x02FB:  // CreateFontIndirect
        if (need(9)) {
            WmfText f;
            f.height = w_.s16(p);
            f.escapement = w_.s16(p + 4);
            f.weight = w_.s16(p + 8);
            f.italic = w_.b[p + 10] != 0;
            const QByteArray face = w_.b.mid(p + 18, 2 * words - 18);
            f.face = Cp1252Text(face.contains('\0') ? face.left(face.indexOf('\0')) : face);
            create({Object::Font, {}, 0, 0, f});
        }
        break;
    case 0x012D:  // SelectObject
        if (need(1)) {
            const int slot = w_.u16(p);
            if (const Object* o = live(slot, true))
                (o->kind == Object::Pen ? sel_.pen : o->kind == Object::Brush ? sel_.brush : sel_.font) = slot;
        }
        break;
    case 0x01F0:  // DeleteObject
        if (need(1)) {
            const int slot = w_.u16(p);
            if (live(slot, true)) {
                if (sel_.holds(slot))
                    fault(QStringLiteral("object %1 deleted while selected").arg(slot));
                table_[static_cast<std::size_t>(slot)].reset();
            }
        }
        break;
    case 0x041B:  // Rectangle: bottom, right, top, left
        if (need(4)) {
            const QPointF tl = point(w_.s16(p + 6), w_.s16(p + 4)), br = point(w_.s16(p + 2), w_.s16(p));
            const Object pn = pen();
            pic_.shapes.push_back({true, QPolygonF({tl, {br.x(), tl.y()}, br, {tl.x(), br.y()}}), brush(), pn.color, pn.width});
        }
        break;
    case 0x0324:  // Polygon
    case 0x0325:  // Polyline
        if (need(1) && need(1 + 2 * w_.s16(p))) {
            const QPolygonF poly = points(p + 2, w_.s16(p));
            const Object pn = pen();
            if (function == 0x0324)
                pic_.shapes.push_back({false, poly, brush(), pn.color, pn.width});
            else
                pic_.lines.push_back({poly, pn.color, pn.width, pn.style});
        }
        break;
    case 0x0A32:  // ExtTextOut: y, x, length, options, [clip rectangle], text
        if (need(4)) {
            const int length = w_.s16(p + 4);
            const qsizetype text = p + 8 + ((w_.u16(p + 6) & 0x6) ? 8 : 0);
            if (length < 0 || text + length > p + 2 * words) {
                fault("text beyond its record");
                break;
            }
            const Object* font = sel_.font >= 0 ? live(sel_.font) : nullptr;
            if (!font) {
                fault("text without a font");
                break;
            }
            WmfText t = font->font;
            t.pos = point(w_.s16(p + 2), w_.s16(p));
            t.text = Cp1252Text(w_.b.mid(text, length));
            t.color = textColor_;
            t.align = textAlign_;
            pic_.texts.push_back(t);
        }
        break;
    default:
        fault(QStringLiteral("unexpected record %1").arg(function, 4, 16, QChar('0')));
    }
}

WmfPicture Walker::walk()
{
    const qsizetype size = w_.b.size();
    if (size < 40 || w_.u32(0) != 0x9AC6CDD7u) {
        pic_.faults << "not a placeable metafile";
        return pic_;
    }
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= w_.u16(2 * i);
    if (sum != w_.u16(20))
        fault("checksum of the placeable header");
    if (w_.u16(4) != 0 || w_.u32(16) != 0)
        fault("handle or reserved word of the placeable header not 0");
    pic_.bounds = QRect(w_.s16(6), w_.s16(8), w_.s16(10) - w_.s16(6), w_.s16(12) - w_.s16(8));
    pic_.inch = w_.u16(14);

    const qsizetype h = 22;
    if (w_.u16(h) != 1 || w_.u16(h + 2) != 9 || w_.u16(h + 4) != 0x0300 || w_.u16(h + 16) != 0)
        fault("metafile header: type, header size, version or members");
    if (h + 2 * qsizetype(w_.u32(h + 6)) != size)
        fault(QStringLiteral("header says %1 words, the file holds %2").arg(w_.u32(h + 6)).arg((size - h) / 2));
    pic_.objects = w_.u16(h + 10);
    const uint32_t maxRecord = w_.u32(h + 12);

    uint32_t largest = 0;
    bool ended = false;
    for (at_ = h + 18; !ended && at_ + 6 <= size;) {
        const uint32_t words = w_.u32(at_);
        const int function = w_.u16(at_ + 4);
        if (words < 3 || at_ + 2 * qsizetype(words) > size) {
            fault(QStringLiteral("record of %1 words").arg(words));
            break;
        }
        largest = std::max(largest, words);
        if (function == 0) {
            ended = true;
            if (words != 3 || at_ + 6 != size)
                fault("end record not 3 words at the end of the file");
        } else {
            record(function, at_ + 6, static_cast<int>(words) - 3);
        }
        at_ += 2 * qsizetype(words);
    }
    if (!ended)
        fault("no end record");
    if (largest != maxRecord)
        fault(QStringLiteral("largest record %1 words, header says %2").arg(largest).arg(maxRecord));
    if (pic_.peakObjects > pic_.objects)
        fault(QStringLiteral("%1 objects alive at once, header says %2").arg(pic_.peakObjects).arg(pic_.objects));
    if (std::any_of(table_.begin(), table_.end(), [](const auto& s) { return s.has_value(); }))
        fault("objects never deleted");
    if (!saved_.empty())
        fault("saved state never restored");
    return pic_;
}

QColor SvgColor(const QString& text)
{
    static const QRegularExpression rgb(R"(rgb\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\))");
    if (const auto m = rgb.match(text); m.hasMatch())
        return QColor(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return text == "none" ? QColor() : QColor::fromString(text);
}

QString XmlText(QString s)
{
    s.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
    return s.replace("&amp;", "&");
}

std::vector<double> Numbers(const QString& text)
{
    static const QRegularExpression number(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
    std::vector<double> out;
    for (auto it = number.globalMatch(text); it.hasNext();)
        out.push_back(it.next().captured().toDouble());
    return out;
}

}  // namespace

WmfPicture ReadWmf(const QByteArray& wmf) { return Walker(wmf).walk(); }

Wmf2Svg RunWmf2Svg(const QByteArray& wmf)
{
    Wmf2Svg run;
    QTemporaryDir dir;
    QFile in(dir.filePath("in.wmf"));
    if (!dir.isValid() || !in.open(QIODevice::WriteOnly) || in.write(wmf) != wmf.size())
        return run;
    in.close();
    QProcess p;
    p.start("wmf2svg", {"-o", dir.filePath("out.svg"), in.fileName()});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = p.exitCode();
    run.errors = p.readAllStandardError();
    QFile out(dir.filePath("out.svg"));
    if (out.open(QIODevice::ReadOnly))
        run.svg = out.readAll();
    return run;
}

SvgPicture ReadSvg(const QByteArray& svg)
{
    // Latin-1 keeps every byte as one character, so the text's own bytes
    // come back whole.
    const QString s = QString::fromLatin1(svg);
    static const QRegularExpression element(R"(<(svg|rect|polygon|polyline|text)\b([^>]*)>(?:([^<]*)</text>)?)");
    static const QRegularExpression attribute(R"(([\w:-]+)\s*=\s*"([^"]*)\")");
    SvgPicture pic;
    for (auto it = element.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        QHash<QString, QString> a;
        for (auto at = attribute.globalMatch(m.captured(2)); at.hasNext();) {
            const auto n = at.next();
            a[n.captured(1)] = n.captured(2);
        }
        for (const QString& item : a.value("style").split(';', Qt::SkipEmptyParts)) {
            const auto kv = item.split(':');
            if (kv.size() == 2)
                a[kv[0].trimmed()] = kv[1].trimmed();
        }
        auto num = [&](const char* name) { return a.value(name).toDouble(); };
        const QString tag = m.captured(1);
        if (tag == "svg") {
            pic.size = QSizeF(num("width"), num("height"));
        } else if (tag == "rect") {
            const QRectF r(num("x"), num("y"), num("width"), num("height"));
            pic.shapes.push_back({true, QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}),
                                  SvgColor(a.value("fill", "none"))});
        } else if (tag == "polygon" || tag == "polyline") {
            const std::vector<double> v = Numbers(a.value("points"));
            QPolygonF poly;
            for (std::size_t i = 0; i + 1 < v.size(); i += 2)
                poly << QPointF(v[i], v[i + 1]);
            if (tag == "polygon")
                pic.shapes.push_back({false, poly, SvgColor(a.value("fill", "none"))});
            else
                pic.lines.push_back(poly);
        } else {
            QTransform t;
            if (const std::vector<double> v = Numbers(a.value("transform")); v.size() == 6)
                t = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
            SvgText text;
            text.pos = t.map(QPointF(num("x"), num("y")));
            text.angle = qRadiansToDegrees(std::atan2(t.m12(), t.m11()));
            text.text = XmlText(Cp1252Text(m.captured(3).toLatin1()));
            text.size = num("font-size");
            text.bold = a.value("font-weight") == "bold";
            text.italic = a.value("font-style") == "italic";
            text.color = SvgColor(a.value("fill", "black"));
            pic.texts.push_back(text);
        }
    }
    return pic;
}

}  // namespace vesk::test
