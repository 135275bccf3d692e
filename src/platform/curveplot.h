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

// Where the values of a plot fall on its page: (0, 0) at the lower left
// corner of the drawing area, (xmax, ymax) at its upper right. The drawing
// area starts at the page's upper left corner and is the page's width and
// height less `inset`, rounded to whole units. A window that reads values
// under the mouse uses the same mapping as its drawing.
class PlotMapping {
public:
    PlotMapping() = default;
    PlotMapping(const QRect& page, double xmax, double ymax, int inset = 1);

    // Page position of a value, and the value at a page position.
    QPointF at(double x, double y) const;
    double xAt(double px) const;
    double yAt(double py) const;
    double width() const { return w_; }
    double height() const { return h_; }
    QPointF origin() const { return origin_; }
    // Both axis maxima are above 0.
    bool valid() const { return xmax_ > 0 && ymax_ > 0; }

private:
    QPointF origin_;
    double w_ = 0, h_ = 0, xmax_ = 0, ymax_ = 0;
};

class CurvePlot {
public:
    // Clears the page to white. An axis maximum of 0 or less draws nothing
    // along that axis.
    CurvePlot(QPainter& p, const QRect& page, double xmax, double ymax, int inset = 1);

    // Page position of a value, and the value at a page position.
    QPointF at(double x, double y) const { return map_.at(x, y); }
    double xAt(double px) const { return map_.xAt(px); }
    double yAt(double py) const { return map_.yAt(py); }
    double width() const { return map_.width(); }
    double height() const { return map_.height(); }
    const PlotMapping& mapping() const { return map_; }

    // Page units per unit of mark size (1 unless set): a picture that sizes
    // its marks in twips gives its pixels per twip.
    void setMarkScale(double pageUnitsPerMarkUnit) { markScale_ = pageUnitsPerMarkUnit; }

    // The same drawing area with other axis maxima (a plot whose ticks are
    // placed in display units and its data in English units).
    void setScale(double xmax, double ymax);

    // Colour by its number in the 16-colour palette, line style and width.
    void pen(int colour, Qt::PenStyle style = Qt::SolidLine, double width = 1);

    void line(double x1, double y1, double x2, double y2);
    void polyline(const std::vector<std::pair<double, double>>& pts);
    void vline(double x);  // over the full height
    void hline(double y);  // over the full width
    void plus(double x, double y);   // "+": two strokes of 20 units
    void cross(double x, double y);  // "x": two strokes of 14 units
    void dot(double x, double y);

private:
    bool valid() const { return map_.valid(); }

    QPainter& p_;
    PlotMapping map_;
    QRect page_;
    int inset_ = 1;
    double markScale_ = 1;
};

}  // namespace vesk
