// The one drawing routine of every load-convergence plot: a painter over a
// page rectangle, scaled so that (0, 0) is the lower left corner and (xmax,
// ymax) the upper right one. The screen, the printer, an image and a metafile
// all draw through it; what is drawn is the caller's choice of strokes.
//
// Sizes of marks and the inset of the drawing area are in the page's units
// (pixels on the screen), as the program's pictures measure them.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>

#include <utility>
#include <vector>

namespace vesk {

class CurvePlot {
public:
    // Clears the page to white. The drawing area is the page's width and
    // height less `inset`, rounded to whole units. An axis maximum of 0 or
    // less draws nothing along that axis.
    CurvePlot(QPainter& p, const QRect& page, double xmax, double ymax, int inset = 1);

    // Page position of a value, and the value at a page position.
    QPointF at(double x, double y) const;
    double xAt(double px) const;
    double yAt(double py) const;
    double width() const { return w_; }
    double height() const { return h_; }

    // Colour by its number in the 16-colour palette, and line style.
    void pen(int colour, Qt::PenStyle style = Qt::SolidLine);

    void line(double x1, double y1, double x2, double y2);
    void polyline(const std::vector<std::pair<double, double>>& pts);
    void vline(double x);  // over the full height
    void hline(double y);  // over the full width
    void plus(double x, double y);   // "+": two strokes of 20 units
    void cross(double x, double y);  // "x": two strokes of 14 units
    void dot(double x, double y);

private:
    bool valid() const { return xmax_ > 0 && ymax_ > 0; }

    QPainter& p_;
    QPointF origin_;
    double w_ = 0, h_ = 0, xmax_ = 0, ymax_ = 0;
};

}  // namespace vesk
