// The plot of the design criteria dialog: the working ground reaction curve,
// the design point of the basis with its security-check point, the current
// support's curve, and the mouse read-out and clicks.
#include "criteria/formmine.h"

#include "criteria/blockframe.h"

#include "model/cribmodel.h"
#include "model/criteria/grc.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/curveplot.h"
#include "platform/guard.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr int kCurveColour = 1, kDesignColour = 2, kSupportColour = 12;

class PlotPicture : public QWidget {
public:
    PlotPicture(QWidget* parent, FormMine* form) : QWidget(parent), form_(form)
    {
        setObjectName("Pic1");
        setMinimumSize(320, 240);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        // Criteria that cannot be drawn (not finite numbers) leave the picture as far as it got.
        Guarded([&] { form_->drawPlot(p, rect()); });
    }
    void mouseMoveEvent(QMouseEvent* e) override { form_->plotMouseMove(e->position().x(), e->position().y()); }
    void mousePressEvent(QMouseEvent* e) override
    {
        form_->plotMouseDown(e->button(), e->position().x(), e->position().y());
    }
    void leaveEvent(QEvent*) override { form_->plotMouseLeave(); }

private:
    FormMine* form_;
};

// An axis maximum rounded up in display units, shown, and back in English.
double niceAxis(double v, int code, QLabel* label)
{
    try {
        const float shown = NiceMax(ToMetric(v, code));
        label->setText(qs(FormatNum(shown)));
        return ToEnglish(shown, code);
    } catch (const ArithError&) {
        label->setText(qs(FormatNum(v)));
        return v;
    }
}

}  // namespace

QWidget* MakePlotPicture(QWidget* parent, FormMine* form) { return new PlotPicture(parent, form); }

void FormMine::drawPlot(QPainter& p, const QRect& page)
{
    if (!hover_) {
        lbPlotTons_->setText(lbTpf_->text());
        lbPlotConv_->setText(lbConv_->text());
    }
    const CritRec& c = crit_;
    const CurveRec& w = G.WorkCurve;
    const int basis = G.DesignBasis;
    const int n = w.NumPts >= 1 && w.NumPts <= 10 ? w.NumPts : 0;
    const double wid = G.EntryWid;

    double xmax = c.Conv, ymax = c.Tpf;
    if (c.Timing == 0)
        xmax += c.UncontrolledConv;
    if (n >= 1) {
        xmax = std::max<double>(xmax, static_cast<double>(w.Conv[static_cast<std::size_t>(n)]) + w.Conv[1]);
        ymax = std::max({ymax, w.Intensity[1] * wid, w.Intensity[static_cast<std::size_t>(n)] * wid});
    }
    if (basis == 2)
        xmax = std::max<double>(xmax, c.GRMaxConv);
    xmax_ = niceAxis(xmax, 5, lbXmax_);
    ymax_ = niceAxis(ymax, 2, lbYmax_);

    CurvePlot plot(p, page, xmax_, ymax_, 1);
    const auto pt = [&](int k) {
        return std::pair<double, double>(w.Conv[static_cast<std::size_t>(k)],
                                         w.Intensity[static_cast<std::size_t>(k)] * wid);
    };
    if (n >= 1) {
        plot.pen(kCurveColour);
        std::vector<std::pair<double, double>> measured;
        for (int k = 1; k <= n; ++k)
            measured.push_back(pt(k));
        plot.polyline(measured);
        if (basis == 1) {
            plot.pen(kCurveColour, Qt::DotLine);
            plot.polyline({pt(0), pt(1)});
            plot.polyline({pt(n), pt(n + 1)});
            plot.pen(kCurveColour);
        }
        if (n == 1)
            plot.plus(pt(1).first, pt(1).second);
    }

    // The security-check mark at the load density of the design point.
    const auto securityMark = [&] {
        const double u = c.UncontrolledConv;
        if (u == 0)
            return;
        double x = c.Timing != 0 ? std::max(0.0, c.Conv - u) : c.Conv + u;
        if (plot.at(x, c.Tpf).x() > page.left())
            plot.cross(x, c.Tpf);
    };
    plot.pen(kDesignColour);
    switch (basis) {
    case 0:
        plot.plus(c.Conv, c.Tpf);
        securityMark();
        break;
    case 1: {
        plot.vline(c.GRDesignConv);
        plot.hline(c.Tpf);
        securityMark();
        plot.pen(kSupportColour, Qt::DotLine);
        plot.vline(c.GRMaxConv);
        if (const auto minTpf = ParseNumber(ss(lbMaxTpf_->text()))) {
            try {
                plot.hline(ToEnglish(*minTpf, 2));
            } catch (const ArithError&) {
            }
        }
        plot.pen(kDesignColour);
        break;
    }
    case 2:
        if (sysSelected_ && c.SysSpac > 0) {
            plot.pen(kSupportColour);
            const double f = 12.0 * c.SysRows / c.SysSpac;
            std::vector<std::pair<double, double>> curve;
            const int i = G.CurCaseNo;
            const int type = i >= 1 && i <= G.NumCases ? G.CaseType[i] : 0;
            if (type == 1) {
                G.PerfA = G.CurCase.CribA, G.PerfK = G.CurCase.CribK, G.PerfB = G.CurCase.CribB;
                for (int step = 0; step * 0.2 <= xmax_ + 1e-9 && step < 100000; ++step) {
                    const double x = step * 0.2;
                    curve.emplace_back(x, CribLoad(static_cast<float>(x)) * f);
                }
            } else {
                const int m = type >= 7 ? G.CurCase.SizeIdx + 1 : 1;
                curve.emplace_back(0, 0);
                for (int k = 1; k <= G.CurCase.NumPts; ++k) {
                    if (m < 0 || m > G.PerfConv.maxRow() || k > G.PerfConv.maxCol())
                        break;
                    curve.emplace_back(G.PerfConv(m, k), G.PerfLoad(m, k) * f);
                }
            }
            plot.polyline(curve);
            plot.pen(kDesignColour);
            plot.plus(c.SysConv, c.Tpf);
            securityMark();
        }
        break;
    default:
        plot.plus(c.ArbConv, c.Tpf);
        securityMark();
        break;
    }
}

void FormMine::plotMouseMove(double x, double y)
{
    if (!hover_) {
        hover_ = true;
        showCoordMode();
    }
    const PlotMapping map = plotMapping();
    if (map.width() <= 0 || map.height() <= 0)
        return;
    lbPlotConv_->setText(qs(FmtVal(map.xAt(x), 5, "0.00", "0.00")));
    lbPlotTons_->setText(qs(FmtVal(map.yAt(y), 2, "0.00", "0.00")));
}

// Where the plot's values fall on the picture, for the drawing and the mouse.
PlotMapping FormMine::plotMapping() const { return PlotMapping(pic1_->rect(), xmax_, ymax_, 1); }

void FormMine::plotMouseLeave()
{
    if (!hover_)
        return;
    hover_ = false;
    showCoordMode();
    lbPlotTons_->setText(lbTpf_->text());
    lbPlotConv_->setText(lbConv_->text());
}

void FormMine::plotMouseDown(Qt::MouseButton button, double x, double y)
{
    const PlotMapping map = plotMapping();
    if (map.width() <= 0 || map.height() <= 0)
        return;
    const double conv = map.xAt(x);
    const std::string s = FmtVal(conv, 5, "0.00", "0.00");
    switch (G.DesignBasis) {
    case 0:
        PutValue(block_->convBox(), conv, s);
        calcblock();
        break;
    case 1: {
        if (G.WorkCurve.NumPts <= 0)
            return;
        NumBox* box = button == Qt::LeftButton ? txGRdes_ : txGRconv_;
        PutValue(box, conv, s);
        box->pressEnter();
        break;
    }
    case 2: {
        PutValue(txCurrConv_, conv, s);
        int16_t rows = 1;
        if (const auto typed = ParseNumber(ss(txRows_->text())); typed && *typed >= 1 && *typed < 32768)
            rows = static_cast<int16_t>(std::floor(*typed));
        PutValue(txRows_, rows, FormatPattern(rows, "0"));
        const auto spacing = ReadBox(txSpac_, 6);
        if (spacing && *spacing > 0) {
            try {
                const int i = G.CurCaseNo;
                const int type = i >= 1 && i <= G.NumCases ? G.CaseType[i] : 0;
                float load = 0;
                if (type == 1) {
                    UpdateCrib(static_cast<int16_t>(i));
                    load = CribLoad(static_cast<float>(conv));
                } else {
                    load = LoadAtConv(static_cast<float>(conv), static_cast<int16_t>(type >= 7 ? G.CurCase.SizeIdx + 1 : 1));
                }
                labCurrTpf_->setText(qs(FormatMetric(LoadDensity(load, *spacing, rows), 2)));
            } catch (const std::exception&) {
            }
            calcCurrentSystem();
        }
        break;
    }
    default: {
        PutValue(txArbConv_, conv, s);
        const double q = map.yAt(y);
        PutMetric(txArbTpf_, q, 2);
        calcArbitrary();
        break;
    }
    }
    redrawPlot();
}

}  // namespace vesk
