#include "platform/curveplot.h"

#include "platform/palette.h"

#include <cmath>

namespace vesk {

CurvePlot::CurvePlot(QPainter& p, const QRect& page, double xmax, double ymax, int inset)
    : p_(p), origin_(page.topLeft()), xmax_(xmax), ymax_(ymax)
{
    p_.fillRect(page, Qt::white);
    w_ = std::round(static_cast<double>(page.width()) - inset);
    h_ = std::round(static_cast<double>(page.height()) - inset);
    pen(0);
}

QPointF CurvePlot::at(double x, double y) const
{
    if (!valid())
        return origin_;
    return origin_ + QPointF(x / xmax_ * w_, (1 - y / ymax_) * h_);
}

double CurvePlot::xAt(double px) const { return w_ > 0 ? (px - origin_.x()) / w_ * xmax_ : 0; }

double CurvePlot::yAt(double py) const { return h_ > 0 ? (1 - (py - origin_.y()) / h_) * ymax_ : 0; }

void CurvePlot::pen(int colour, Qt::PenStyle style)
{
    QPen pen(QBColor(colour));
    pen.setStyle(style);
    pen.setWidth(1);
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
        p_.drawLine(QPointF(at(x, 0).x(), origin_.y()), QPointF(at(x, 0).x(), origin_.y() + h_));
}

void CurvePlot::hline(double y)
{
    if (valid())
        p_.drawLine(QPointF(origin_.x(), at(0, y).y()), QPointF(origin_.x() + w_, at(0, y).y()));
}

void CurvePlot::plus(double x, double y)
{
    if (!valid())
        return;
    const QPointF c = at(x, y);
    p_.drawLine(c + QPointF(0, -10), c + QPointF(0, 10));
    p_.drawLine(c + QPointF(-10, 0), c + QPointF(10, 0));
}

void CurvePlot::cross(double x, double y)
{
    if (!valid())
        return;
    const QPointF c = at(x, y);
    p_.drawLine(c + QPointF(-7, -7), c + QPointF(7, 7));
    p_.drawLine(c + QPointF(-7, 7), c + QPointF(7, -7));
}

void CurvePlot::dot(double x, double y)
{
    if (valid())
        p_.drawPoint(at(x, y));
}

}  // namespace vesk
