#include "compare/chartpaint.h"

#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/qtext.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <exception>

namespace vesk {

namespace {

constexpr int kGridColour = 7;  // lt gray
constexpr double kBarShare = 0.6;  // of each support's slot

QFont chartFont(double points, bool bold = false)
{
    QFont f = SerifFont(points);
    f.setBold(bold);
    return f;
}

class ChartText {
public:
    explicit ChartText(QPainter& p) : p_(p) {}

    void use(const QFont& f)
    {
        p_.setFont(f);
        fm_ = QFontMetricsF(f, p_.device());
    }
    double height() const { return fm_.height(); }
    double width(const std::string& s) const { return fm_.horizontalAdvance(qs(s)); }

    // Text with its top at y.
    void at(double x, double y, const std::string& s)
    {
        p_.setPen(Qt::black);
        p_.drawText(QPointF(x, y + fm_.ascent()), qs(s));
    }
    void centred(double cx, double y, const std::string& s) { at(cx - width(s) / 2, y, s); }

private:
    QPainter& p_;
    QFontMetricsF fm_{QFont()};
};

double finite(float v) { return std::isfinite(v) ? v : 0.0; }

void drawBox(QPainter& p, const QRectF& box, const QColor& fill)
{
    p.fillRect(box, fill);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
}

}  // namespace

void PaintChart(QPainter& p, const QRect& r, const ChartData& chart)
{
    p.save();
    p.fillRect(r, Qt::white);
    ChartText text(p);
    try {
        text.use(chartFont(10));
        const double lh = text.height(), pad = std::ceil(lh / 2);
        double top = r.top() + pad, bottom = r.bottom() + 1 - 4;

        text.use(chartFont(12, true));
        text.centred(r.left() + r.width() / 2.0, top, chart.title);
        top += text.height() + pad;

        text.use(chartFont(10));
        if (!chart.footnote.empty()) {
            bottom -= lh;
            text.centred(r.left() + r.width() / 2.0, bottom, chart.footnote);
            bottom -= pad / 2;
        }
        const int series = std::clamp(chart.series, 1, 3);
        if (series > 1 && !chart.seriesLabels.empty()) {
            // The legend of the stacked parts, one line centred above the footnote.
            bottom -= lh;
            const double box = std::floor(lh * 0.6), gap = lh;
            double width = 0;
            for (const std::string& s : chart.seriesLabels)
                width += box + 4 + text.width(s) + gap;
            double x = r.left() + (r.width() - (width - gap)) / 2;
            for (std::size_t s = 0; s < chart.seriesLabels.size() && s < 3; ++s) {
                drawBox(p, QRectF(x, bottom + (lh - box) / 2, box, box), QBColor(chart.colours[s]));
                text.at(x + box + 4, bottom, chart.seriesLabels[s]);
                x += box + 4 + text.width(chart.seriesLabels[s]) + gap;
            }
            bottom -= pad / 2;
        }
        bottom -= lh + 4;  // the bars' labels

        const ChartAxis axis = ChartValueAxis(chart);
        double labelWidth = 0;
        for (const PlotTick& t : axis.ticks)
            labelWidth = std::max(labelWidth, text.width(t.label));
        const double left = r.left() + pad + labelWidth + 6, right = r.right() + 1 - pad;
        if (right - left < 4 || bottom - top < 4) {
            p.restore();
            return;
        }
        const auto yOf = [&](double v) { return bottom - (v - axis.lo) / (axis.hi - axis.lo) * (bottom - top); };

        for (const PlotTick& t : axis.ticks) {
            const double y = yOf(t.value);
            p.setPen(QBColor(kGridColour));
            p.drawLine(QPointF(left, y), QPointF(right, y));
            p.setPen(Qt::black);
            p.drawLine(QPointF(left - 4, y), QPointF(left, y));
            text.at(left - 6 - text.width(t.label), y - lh / 2, t.label);
        }

        const std::size_t bars = chart.values.size();
        const double slot = bars > 0 ? (right - left) / static_cast<double>(bars) : 0;
        const double barWidth = std::max(1.0, std::floor(slot * kBarShare));
        for (std::size_t i = 0; i < bars; ++i) {
            const double x = left + slot * static_cast<double>(i) + (slot - barWidth) / 2;
            double up = 0, down = 0;
            for (int s = 0; s < series; ++s) {
                const double v = finite(chart.values[i][static_cast<std::size_t>(s)]);
                double& base = v >= 0 ? up : down;
                const double y1 = yOf(base), y2 = yOf(base + v);
                base += v;
                if (v != 0)
                    drawBox(p, QRectF(x, std::min(y1, y2), barWidth, std::abs(y2 - y1)),
                            QBColor(chart.colours[static_cast<std::size_t>(s)]));
            }
            if (i < chart.rowLabels.size())
                text.centred(left + slot * (static_cast<double>(i) + 0.5), bottom + 4, chart.rowLabels[i]);
        }

        // The axes over the grid and bars.
        p.setPen(Qt::black);
        p.drawLine(QPointF(left, top), QPointF(left, bottom));
        p.drawLine(QPointF(left, yOf(0)), QPointF(right, yOf(0)));
    } catch (const std::exception&) {
        // A value beyond single precision: the chart stays as far as it was drawn.
    }
    p.restore();
}

QFont ChartLegendFont() { return SerifFont(12); }

void PaintChartLegend(QPainter& p, const QRect& r, const std::vector<std::string>& texts, const QFont& font)
{
    p.save();
    p.fillRect(r, Qt::white);
    ChartText text(p);
    text.use(font);
    const double half = std::floor(r.width() / 2.0);
    for (std::size_t i = 0; i < texts.size(); ++i)
        text.at(r.left() + (i % 2 == 0 ? 0 : half), r.top() + static_cast<double>(i / 2) * text.height(), texts[i]);
    p.restore();
}

int ChartLegendHeight(int supports, const QPaintDevice* device)
{
    const QFontMetricsF fm = device ? QFontMetricsF(ChartLegendFont(), device) : QFontMetricsF(ChartLegendFont());
    const double lh = fm.height();
    const int rows = (supports - 1) / 2 + 1;
    return static_cast<int>(std::floor(rows * lh + lh / 2));
}

}  // namespace vesk
