#include "wmf_check.h"

#include "model/encoding.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <map>

namespace vesk::test {

namespace {

QString Cp1252Text(const QByteArray& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes.toStdString())); }

// A GDI object in the table: a pen or brush (an invalid colour for a null
// one) or a font. What a record draws with are the objects selected, by slot
// for each kind.
struct Object {
    enum Kind { Pen, Brush, Font } kind;
    QColor color;
    int width = 0, style = 0;
    WmfText font = {};
};

class Walker {
public:
    explicit Walker(const QByteArray& b) : b_(b) {}
    WmfPicture walk();

private:
    // Words read little-endian from a byte offset.
    int u16(qsizetype at) const { return static_cast<uint8_t>(b_[at]) | static_cast<uint8_t>(b_[at + 1]) << 8; }
    int s16(qsizetype at) const { return static_cast<int16_t>(u16(at)); }
    uint32_t u32(qsizetype at) const { return static_cast<uint32_t>(u16(at)) | static_cast<uint32_t>(u16(at + 2)) << 16; }
    QColor color(qsizetype at) const { return QColor(u16(at) & 0xFF, u16(at) >> 8, u16(at + 2) & 0xFF); }

    void fault(const QString& what) { pic_.faults << QStringLiteral("at byte %1: %2").arg(at_).arg(what); }
    // The point x, y; a fault when it lies outside the box.
    QPointF point(int x, int y)
    {
        if (!QRect(pic_.bounds.topLeft(), pic_.bounds.size() + QSize(1, 1)).contains(x, y))
            fault(QStringLiteral("point (%1, %2) outside the box").arg(x).arg(y));
        return QPointF(x, y);
    }
    // The object in `slot`, or null (a fault if `needed`) when there is none.
    const Object* live(int slot, bool needed = false)
    {
        if (const auto it = table_.find(slot); it != table_.end())
            return &it->second;
        if (needed)
            fault(QStringLiteral("no object %1").arg(slot));
        return nullptr;
    }
    // An object takes the lowest free slot, as a player numbers them: the
    // table needs as many slots as objects are ever alive at once.
    void create(const Object& o)
    {
        int slot = 0;
        while (table_.count(slot))
            ++slot;
        table_.emplace(slot, o);
        pic_.peakObjects = std::max(pic_.peakObjects, static_cast<int>(table_.size()));
    }
    void record(int function, qsizetype p, int words);

    const QByteArray& b_;
    WmfPicture pic_;
    qsizetype at_ = 0;
    std::map<int, Object> table_;
    using Selection = std::array<int, 3>;
    Selection sel_{-1, -1, -1};
    std::vector<Selection> saved_;
    QColor textColor_ = Qt::black;
    int textAlign_ = 0;
};

// One record whose parameters start at byte p and hold `words` words.
void Walker::record(int function, qsizetype p, int words)
{
    // The words a record needs: for most the function's high byte says.
    int needed = function >> 8;
    if (function == 0x02FA || function == 0x02FC || function == 0x02FB)  // pen, brush, font
        needed = function == 0x02FA ? 5 : function == 0x02FC ? 4 : 9;
    else if (function == 0x0324 || function == 0x0325)  // a count of points, then the points
        needed = words < 1 ? 1 : 1 + 2 * std::max(0, s16(p));
    else if (function == 0x0A32)
        needed = 4;
    if (words < needed) {
        fault(QStringLiteral("record %1 too short").arg(function, 4, 16, QChar('0')));
        return;
    }
    // A player's defaults stand for objects never selected.
    const Object pen = live(sel_[Object::Pen]) ? *live(sel_[Object::Pen]) : Object{Object::Pen, Qt::black, 1};
    const QColor brush = live(sel_[Object::Brush]) ? live(sel_[Object::Brush])->color : QColor(Qt::white);
    switch (function) {
    case 0x001E:  // SaveDC
        saved_.push_back(sel_);
        break;
    case 0x0127:  // RestoreDC
        if (s16(p) != -1 || saved_.empty())
            fault("restore without a saved state");
        else
            sel_ = saved_.back(), saved_.pop_back();
        break;
    case 0x020B:  // SetWindowOrg
        if (QPoint(s16(p + 2), s16(p)) != pic_.bounds.topLeft())
            fault("window origin is not the box's");
        break;
    case 0x020C:  // SetWindowExt
        if (QSize(s16(p + 2), s16(p)) != pic_.bounds.size())
            fault("window extent is not the box's");
        break;
    case 0x0102:  // SetBkMode
    case 0x0106:  // SetPolyFillMode
        break;
    case 0x012E:  // SetTextAlign
        textAlign_ = u16(p);
        break;
    case 0x0209:  // SetTextColor
        textColor_ = color(p);
        break;
    case 0x02FA:  // CreatePenIndirect
        create({Object::Pen, (u16(p) & 0xFF) == 5 ? QColor() : color(p + 6), s16(p + 2), u16(p)});
        break;
    case 0x02FC:  // CreateBrushIndirect
        create({Object::Brush, u16(p) == 1 ? QColor() : color(p + 2)});
        break;
    case 0x02FB: {  // CreateFontIndirect
        WmfText f;
        f.height = s16(p);
        f.escapement = s16(p + 4);
        f.weight = s16(p + 8);
        f.face = Cp1252Text(b_.mid(p + 18, 2 * words - 18)).section(QChar(0), 0, 0);
        create({Object::Font, {}, 0, 0, f});
        break;
    }
    case 0x012D:  // SelectObject
        if (const Object* o = live(u16(p), true))
            sel_[o->kind] = u16(p);
        break;
    case 0x01F0:  // DeleteObject
        if (live(u16(p), true)) {
            if (std::count(sel_.begin(), sel_.end(), u16(p)))
                fault(QStringLiteral("object %1 deleted while selected").arg(u16(p)));
            table_.erase(u16(p));
        }
        break;
    case 0x041B: {  // Rectangle: bottom, right, top, left
        const QPointF tl = point(s16(p + 6), s16(p + 4)), br = point(s16(p + 2), s16(p));
        pic_.shapes.push_back({true, QPolygonF({tl, {br.x(), tl.y()}, br, {tl.x(), br.y()}}), brush, pen.color});
        break;
    }
    case 0x0324:  // Polygon
    case 0x0325: {  // Polyline
        QPolygonF poly;
        for (int i = 0; i < s16(p); ++i)
            poly << point(s16(p + 2 + 4 * i), s16(p + 4 + 4 * i));
        if (function == 0x0324)
            pic_.shapes.push_back({false, poly, brush, pen.color});
        else
            pic_.lines.push_back({poly, pen.color, pen.width, pen.style});
        break;
    }
    case 0x0A32: {  // ExtTextOut: y, x, length, options, [clip rectangle], text
        const int length = s16(p + 4);
        const qsizetype text = p + 8 + ((u16(p + 6) & 0x6) ? 8 : 0);
        if (length < 0 || text + length > p + 2 * words)
            fault("text beyond its record");
        else if (!live(sel_[Object::Font]))
            fault("text without a font");
        else {
            WmfText t = live(sel_[Object::Font])->font;
            t.pos = point(s16(p + 2), s16(p));
            t.text = Cp1252Text(b_.mid(text, length));
            t.color = textColor_;
            t.align = textAlign_;
            pic_.texts.push_back(t);
        }
        break;
    }
    default:
        fault(QStringLiteral("unexpected record %1").arg(function, 4, 16, QChar('0')));
    }
}

WmfPicture Walker::walk()
{
    const qsizetype size = b_.size();
    if (size < 40 || u32(0) != 0x9AC6CDD7u) {
        pic_.faults << "not a placeable metafile";
        return pic_;
    }
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= u16(2 * i);
    if (sum != u16(20))
        fault("checksum of the placeable header");
    pic_.bounds = QRect(s16(6), s16(8), s16(10) - s16(6), s16(12) - s16(8));
    pic_.inch = u16(14);

    const qsizetype h = 22;
    if (u16(h) != 1 || u16(h + 2) != 9 || u16(h + 4) != 0x0300 || u16(h + 16) != 0)
        fault("metafile header: type, header size, version or members");
    if (h + 2 * qsizetype(u32(h + 6)) != size)
        fault(QStringLiteral("header says %1 words, the file holds %2").arg(u32(h + 6)).arg((size - h) / 2));
    pic_.objects = u16(h + 10);

    uint32_t largest = 0;
    bool ended = false;
    for (at_ = h + 18; !ended && at_ + 6 <= size;) {
        const uint32_t words = u32(at_);
        if (words < 3 || at_ + 2 * qsizetype(words) > size) {
            fault(QStringLiteral("record of %1 words").arg(words));
            break;
        }
        largest = std::max(largest, words);
        ended = u16(at_ + 4) == 0;
        if (ended && (words != 3 || at_ + 6 != size))
            fault("end record not 3 words at the end of the file");
        else if (!ended)
            record(u16(at_ + 4), at_ + 6, static_cast<int>(words) - 3);
        at_ += 2 * qsizetype(words);
    }
    if (!ended)
        fault("no end record");
    if (largest != u32(h + 12))
        fault(QStringLiteral("largest record %1 words, header says %2").arg(largest).arg(u32(h + 12)));
    if (pic_.peakObjects > pic_.objects)
        fault(QStringLiteral("%1 objects alive at once, header says %2").arg(pic_.peakObjects).arg(pic_.objects));
    if (!table_.empty())
        fault("objects never deleted");
    if (!saved_.empty())
        fault("saved state never restored");
    return pic_;
}

}  // namespace

WmfPicture ReadWmf(const QByteArray& wmf) { return Walker(wmf).walk(); }

ToolRun RunWmf2Svg(const QByteArray& wmf)
{
    QTemporaryDir dir;
    QFile in(dir.filePath("in.wmf"));
    if (!in.open(QIODevice::WriteOnly) || in.write(wmf) != wmf.size() || !in.flush()) {
        ToolRun run;
        run.program = "wmf2svg";
        run.failure = "had no metafile to read: " + in.errorString();
        return run;
    }
    return RunTool("wmf2svg", {in.fileName()});
}

SvgPicture ReadSvg(const QByteArray& svg)
{
    // Latin-1 keeps every byte as one character, so the text's own bytes
    // come back whole; wmf2svg writes them without escapes.
    const QString s = QString::fromLatin1(svg);
    static const QRegularExpression element(R"(<(rect|polygon|text)\b([^>]*)>(?:([^<]*)</text>)?)");
    static const QRegularExpression attribute(R"(([\w:-]+)\s*=\s*"([^"]*)\")");
    static const QRegularExpression separators("[\\s,]+");
    SvgPicture pic;
    for (auto it = element.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        QHash<QString, QString> a;  // attributes, and the items of a style attribute
        for (auto at = attribute.globalMatch(m.captured(2)); at.hasNext();) {
            const auto n = at.next();
            a[n.captured(1)] = n.captured(2);
        }
        for (const QString& item : a.value("style").split(';', Qt::SkipEmptyParts))
            if (const auto kv = item.split(':'); kv.size() == 2)
                a[kv[0].trimmed()] = kv[1].trimmed();
        const QColor fill = QColor::fromString(a.value("fill"));  // a colour's name; invalid for "none"
        if (m.captured(1) == "rect") {
            const QRectF r(a.value("x").toDouble(), a.value("y").toDouble(), a.value("width").toDouble(),
                           a.value("height").toDouble());
            pic.shapes.push_back({QPolygonF(r), fill});
        } else if (m.captured(1) == "polygon") {
            const QStringList v = a.value("points").split(separators, Qt::SkipEmptyParts);
            QPolygonF poly;
            for (qsizetype i = 0; i + 1 < v.size(); i += 2)
                poly << QPointF(v[i].toDouble(), v[i + 1].toDouble());
            pic.shapes.push_back({poly, fill});
        } else {
            pic.texts.push_back({Cp1252Text(m.captured(3).toLatin1())});
        }
    }
    return pic;
}

}  // namespace vesk::test
