#include "platform/curveplot.h"

#include "platform/palette.h"

#include <cmath>

namespace vesk {

PlotMapping::PlotMapping(const QRect& page, double xmax, double ymax, int inset)
    : origin_(page.topLeft()),
      w_(std::round(static_cast<double>(page.width()) - inset)),
      h_(std::round(static_cast<double>(page.height()) - inset)),
      xmax_(xmax),
      ymax_(ymax)
{
}

QPointF PlotMapping::at(double x, double y) const
{
    if (!valid())
        return origin_;
    return origin_ + QPointF(x / xmax_ * w_, (1 - y / ymax_) * h_);
}

double PlotMapping::xAt(double px) const { return w_ > 0 ? (px - origin_.x()) / w_ * xmax_ : 0; }

double PlotMapping::yAt(double py) const { return h_ > 0 ? (1 - (py - origin_.y()) / h_) * ymax_ : 0; }

CurvePlot::CurvePlot(QPainter& p, const QRect& page, double xmax, double ymax, int inset)
    : p_(p), map_(page, xmax, ymax, inset), page_(page), inset_(inset)
{
    p_.fillRect(page, Qt::white);
    pen(0);
}

void CurvePlot::setScale(double xmax, double ymax) { map_ = PlotMapping(page_, xmax, ymax, inset_); }

void CurvePlot::pen(int colour, Qt::PenStyle style, double width)
{
    QPen pen(QBColor(colour));
    pen.setStyle(style);
    pen.setWidthF(width);
    p_.setPen(pen);
}

void CurvePlot::line(double x1, double y1, double x2, double y2)
{
    if (valid())
        p_.drawLine(at(x1, y1), at(x2, y2));
}

void CurvePlot::polyline(const std::vector<std::pair<double, double>>& pts)
{
    if (!valid() || pts.size() < 2)
        return;
    QPolygonF poly;
    for (const auto& [x, y] : pts)
        poly << at(x, y);
    p_.drawPolyline(poly);
}

void CurvePlot::vline(double x)
{
    if (valid())
        p_.drawLine(QPointF(at(x, 0).x(), map_.origin().y()), QPointF(at(x, 0).x(), map_.origin().y() + height()));
}

void CurvePlot::hline(double y)
{
    if (valid())
        p_.drawLine(QPointF(map_.origin().x(), at(0, y).y()), QPointF(map_.origin().x() + width(), at(0, y).y()));
}

void CurvePlot::plus(double x, double y)
{
    if (!valid())
        return;
    const QPointF c = at(x, y);
    const double r = 10 * markScale_;
    p_.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    p_.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
}

void CurvePlot::cross(double x, double y)
{
    if (!valid())
        return;
    const QPointF c = at(x, y);
    const double r = 7 * markScale_;
    p_.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p_.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

void CurvePlot::dot(double x, double y)
{
    if (valid())
        p_.drawPoint(at(x, y));
}

}  // namespace vesk
