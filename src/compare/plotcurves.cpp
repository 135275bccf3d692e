#include "compare/plotcurves.h"

#include "model/compare/plotaxes.h"
#include "model/globals.h"
#include "platform/curveplot.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/qtext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <exception>

namespace vesk {

namespace {

constexpr int kGridColour = 7;  // lt gray
constexpr double kTickLength = 6;
constexpr double kSampleLength = 40;

// The pen style of a line type: 0 and 1 solid, 2 to 5 the dashed styles.
Qt::PenStyle penStyle(int type)
{
    return type >= kSolidLine && type <= kDashDotDotLine ? static_cast<Qt::PenStyle>(type) : Qt::SolidLine;
}

class PlotPage {
public:
    PlotPage(QPainter& p, bool printer) : p_(p)
    {
        // Type keeps its size in points: the painter's scale is taken out of the font.
        const double scale = std::abs(p.worldTransform().m22());
        const double points = printer ? 10 : 12;
        plain_ = SerifFont(points / (scale > 0 ? scale : 1));
        bold_ = plain_;
        bold_.setBold(true);
        const QFontMetricsF fm(plain_, p.device());
        th_ = fm.height();
        ascent_ = fm.ascent();
    }

    double lineHeight() const { return th_; }

    void setBold(bool on) { p_.setFont(on ? bold_ : plain_); }

    double width(const std::string& text) const
    {
        return QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(qs(text));
    }

    // Text with its top at y.
    void text(double x, double y, const std::string& s)
    {
        p_.setPen(QBColor(0));
        p_.drawText(QPointF(x, y + ascent_), qs(s));
    }

private:
    QPainter& p_;
    QFont plain_, bold_;
    double th_ = 0, ascent_ = 0;
};

}  // namespace

bool PaintPlot(QPainter& p, const QRect& page, const CurveTable& curves, const ColumnOrder& colCase,
               const SupportGroups& groups, bool printer)
{
    p.save();
    double usableW = page.width() - 1, usableH = page.height() - 1, prnLeft = 0, prnTop = 0, w = 1;
    if (printer) {
        // One inch from the left edge and 3/4 in from the top of a landscape letter page.
        prnLeft = 72 - (792 - page.width()) / 2;
        prnTop = 54 - (612 - page.height()) / 2;
        usableW = page.width();
        usableH = page.height() - 2 * prnTop;
        w = 4 * 72.0 / 300;
    } else {
        p.fillRect(page, Qt::white);
    }
    PlotPage text(p, printer);
    text.setBold(false);
    const double th = text.lineHeight();
    const double halfTh = std::floor(th / 2);
    const double x0 = page.left(), y0 = page.top();
    bool whole = true;

    // The plot area, with room below it for the axis labels, the axis title and the legend.
    const int left = static_cast<int>(std::lround(x0 + prnLeft + 100));
    const int top = static_cast<int>(std::lround(y0 + prnTop + 4 * th));
    const int pw = static_cast<int>(std::lround(usableW - 200));
    const int ph = static_cast<int>(
        std::lround(usableH - 4 * th - ((G.NumCases + 1) / 2 + 2) * th - halfTh - 4));
    try {
        if (pw > 0 && ph > 0) {
            const PlotAxes axes = MakePlotAxes(curves, groups.numStd, groups.numCab);
            CurvePlot plot(p, QRect(left, top, pw, ph), axes.x.display, axes.y.display, 0);

            // Grid, tick marks and labels, placed in display units.
            for (const PlotTick& t : axes.y.ticks) {
                const double y = plot.at(0, t.value).y();
                plot.pen(kGridColour, Qt::SolidLine, w);
                plot.hline(t.value);
                plot.pen(0, Qt::SolidLine, w);
                p.drawLine(QPointF(left, y), QPointF(left + kTickLength, y));
                p.drawLine(QPointF(left + pw - kTickLength, y), QPointF(left + pw, y));
                text.text(left - 4 - text.width(t.label), y - halfTh, t.label);
            }
            for (const PlotTick& t : axes.x.ticks) {
                const double x = plot.at(t.value, 0).x();
                plot.pen(kGridColour, Qt::SolidLine, w);
                plot.vline(t.value);
                plot.pen(0, Qt::SolidLine, w);
                p.drawLine(QPointF(x, top + ph), QPointF(x, top + ph - kTickLength));
                p.drawLine(QPointF(x, top), QPointF(x, top + kTickLength));
                text.text(x - text.width(t.label) / 2, top + ph + 2, t.label);
            }

            // The design criteria and the curves, placed in English units.
            plot.setScale(axes.x.english, axes.y.english);
            for (const PlotStroke& s : PlotCriteria(axes, groups.numStd, groups.numCab)) {
                plot.pen(0, penStyle(s.type), w);
                plot.line(s.x1, s.y1, s.x2, s.y2);
            }
            const auto supportPen = [&](const CaseRec& c) {
                plot.pen(c.PlotColor, penStyle(c.PlotLine), c.PlotLine == kBoldLine ? 2 * w : w);
            };
            const auto visible = [&](int k) -> const CaseRec* {
                const int i = colCase[static_cast<std::size_t>(k)];
                if (i < 1 || i > G.NumCases || G.Cases[static_cast<std::size_t>(i)].PlotVis == 0)
                    return nullptr;
                return &G.Cases[static_cast<std::size_t>(i)];
            };
            for (int k = 1; k <= G.NumCases && k <= kMaxColumns; ++k) {
                if (const CaseRec* c = visible(k)) {
                    supportPen(*c);
                    for (const PlotPolyline& line :
                         ClipCurve(curves, c->PlotOfs, c->NumPts, axes.yType + 1, axes.x.english, axes.y.english))
                        plot.polyline(line);
                }
            }

            // Frame and axis titles.
            plot.pen(0, Qt::SolidLine, 2 * w);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(left, top, pw, ph));
            text.text(left + pw / 2.0 - text.width(axes.xTitle) / 2, top + 4 + ph + th, axes.xTitle);
            text.text(left - text.width(axes.yTitle) / 2, top - 1.5 * th, axes.yTitle);

            // Legend: two supports to a line, each with a sample of its line.
            double y = top + 4 + ph + th + halfTh;
            int shown = 0;
            for (int k = 1; k <= G.NumCases && k <= kMaxColumns; ++k) {
                const CaseRec* c = visible(k);
                if (!c)
                    continue;
                double x = x0 + prnLeft + 4;
                if (++shown % 2 == 1)
                    y += th;
                else
                    x = x0 + std::floor(usableW / 2);
                supportPen(*c);
                p.drawLine(QPointF(x, y + halfTh), QPointF(x + kSampleLength, y + halfTh));
                text.text(x + kSampleLength + 4, y,
                          G.CaseName[static_cast<std::size_t>(colCase[static_cast<std::size_t>(k)])]);
            }
        }

        // Title, and the project's name under it.
        text.setBold(true);
        const std::string title = kPlotTitle;
        text.text(x0 + (usableW - text.width(title)) / 2, y0 + prnTop + 4, title);
        text.setBold(false);
        if (const std::string project = PlotProjectLine(); !project.empty())
            text.text(x0 + (usableW - text.width(project)) / 2, y0 + prnTop + 4 + th, project);
    } catch (const std::exception&) {
        whole = false;  // the drawing ends where the value did not fit
    }
    p.restore();
    return whole;
}

}  // namespace vesk
