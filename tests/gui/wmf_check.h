// Reading back the program's metafiles in tests: a strict walk over the
// records of a placeable metafile, libwmf's wmf2svg as a reader from outside,
// and a small reader of the SVG that wmf2svg writes.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPolygonF>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace vesk::test {

// A Rectangle or Polygon record, with the brush and pen selected when it was
// drawn; an invalid colour stands for a null brush or pen. A rectangle's
// points are its four corners from the top left, clockwise.
struct WmfShape {
    bool rectangle = false;
    QPolygonF points;
    QColor fill;
    QColor pen;
    int penWidth = 0;
};

// A Polyline record and its pen.
struct WmfLine {
    QPolygonF points;
    QColor pen;
    int penWidth = 0;
    int penStyle = 0;
};

// A text record with the font, text colour and alignment current for it.
// `height` is the font's height as stored (negative: the height of the
// characters); `escapement` is in tenths of a degree, counter-clockwise.
struct WmfText {
    QPointF pos;
    QString text;
    QColor color;
    int height = 0;
    int weight = 0;
    bool italic = false;
    int escapement = 0;
    QString face;
    int align = 0;
};

struct WmfPicture {
    // Every fault of the file's structure, one line each; empty when sound.
    QStringList faults;
    QRect bounds;  // the placeable header's box
    int inch = 0;
    int objects = 0;      // the header's size of the object table
    int peakObjects = 0;  // most objects alive at once
    std::vector<WmfShape> shapes;
    std::vector<WmfLine> lines;
    std::vector<WmfText> texts;
};

// Walks a placeable metafile record by record. Checks the placeable header
// (key, checksum), the metafile header (file size, largest record, object
// table large enough), each record's size, the window origin and extent
// against the header's box, every coordinate inside that box, objects made,
// selected and deleted in the table as a player numbers them (none deleted
// while selected, none left at the end), saved and restored states in pairs,
// and the end record last.
WmfPicture ReadWmf(const QByteArray& wmf);

// wmf2svg run on a metafile: its exit code (-1 when it did not run to its
// end), what it wrote on standard error and the SVG it wrote.
struct Wmf2Svg {
    int exitCode = -1;
    QByteArray errors;
    QByteArray svg;
};
Wmf2Svg RunWmf2Svg(const QByteArray& wmf);

// A rect or polygon element of an SVG, with its fill (invalid for none).
struct SvgShape {
    bool rectangle = false;
    QPolygonF points;
    QColor fill;
};

// A text element: its anchor after the element's transform, the angle of
// its baseline in degrees (negative: turned upward), and its style.
struct SvgText {
    QPointF pos;
    double angle = 0;
    QString text;
    double size = 0;
    bool bold = false;
    bool italic = false;
    QColor color;
};

struct SvgPicture {
    QSizeF size;
    std::vector<SvgShape> shapes;
    std::vector<QPolygonF> lines;  // polyline elements
    std::vector<SvgText> texts;
};

// Reads the elements above from an SVG as wmf2svg writes it: texts are
// Windows-1252 bytes, whatever the file says of its encoding.
SvgPicture ReadSvg(const QByteArray& svg);

}  // namespace vesk::test
