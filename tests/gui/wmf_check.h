// Reading back the program's metafiles in tests: a strict walk over the
// records of a placeable metafile, libwmf's wmf2svg as a reader from outside,
// and a small reader of the SVG that wmf2svg writes.
#pragma once

#include "run_tool.h"

#include <QByteArray>
#include <QColor>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace vesk::test {

// A Rectangle or Polygon record with the brush and pen selected for it (an
// invalid colour for a null one); a rectangle as its four corners.
struct WmfShape {
    bool rectangle = false;
    QPolygonF points;
    QColor fill, pen;
};

// A Polyline record and its pen.
struct WmfLine {
    QPolygonF points;
    QColor pen;
    int penWidth = 0, penStyle = 0;
};

// A text record with the font, text colour and alignment current for it:
// `height` as stored (negative: the characters' height), `escapement` in
// tenths of a degree counter-clockwise.
struct WmfText {
    QPointF pos;
    QString text, face;
    QColor color;
    int height = 0, weight = 0, escapement = 0, align = 0;
};

struct WmfPicture {
    QStringList faults;  // every fault of the file's structure; empty when sound
    QRect bounds;        // the placeable header's box
    int inch = 0;
    int objects = 0;      // the header's size of the object table
    int peakObjects = 0;  // most objects alive at once
    std::vector<WmfShape> shapes;
    std::vector<WmfLine> lines;
    std::vector<WmfText> texts;
};

// Walks a placeable metafile record by record, checking the headers (key,
// checksum, sizes, object table large enough), each record's size, the
// window origin and extent against the header's box, every coordinate inside
// that box, objects numbered as a player numbers them and none deleted while
// selected or left at the end, saved states restored, and the end record last.
WmfPicture ReadWmf(const QByteArray& wmf);

// wmf2svg run on a metafile; the SVG is what it wrote on standard output.
ToolRun RunWmf2Svg(const QByteArray& wmf);

// The rect and polygon elements of an SVG with their fills (invalid for
// none), and its texts, read as Windows-1252 bytes as wmf2svg writes them.
struct SvgShape {
    QPolygonF points;
    QColor fill;
};
struct SvgText {
    QString text;
};
struct SvgPicture {
    std::vector<SvgShape> shapes;
    std::vector<SvgText> texts;
};
SvgPicture ReadSvg(const QByteArray& svg);

}  // namespace vesk::test
