// Controls of the performance dialogs: the picture of a plot, which the
// dialog draws and which reports the mouse over it, the read-outs of the
// plot's coordinates, and the warnings list, which blinks while it holds
// warnings.
#pragma once

#include "platform/curveplot.h"

#include <QListWidget>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QBoxLayout;
class QLabel;
class QPainter;
class QTimer;

namespace vesk {

class PlotPicture : public QWidget {
public:
    PlotPicture(QWidget* parent, const QString& name, QSize minimum);

    // Draws the plot on a page; marks are sized in twips, of which the page
    // has pagePerTwip units each.
    std::function<void(QPainter& p, const QRect& page, double pagePerTwip)> paint;
    // The mouse over the picture, in its own coordinates, and off it.
    std::function<void(double x, double y)> mouseMoved;
    std::function<void()> mouseLeft;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
};

// The label of an axis's maximum beside a picture: as wide as five digits,
// so that a new scale does not widen its window.
QLabel* MakeAxisLabel(QWidget* parent, const QString& name);

// The read-outs under a plot: "Coords correspond to crosshairs" and the
// design point's displacement (or convergence), load density and unit load,
// copied from the dialog's results; while the mouse is over the picture,
// "Coords correspond to mouse cursor" and the values under it.
class PlotReadouts {
public:
    struct Labels {
        QLabel* coord;                        // LbCoord
        QLabel* conv, *tpf, *tons;            // the read-outs
        const QLabel* resultConv, *resultTpf; // the results they copy at the design point
    };
    // unitLoad: the unit load's text for a load density (tons/ft), "" for none.
    PlotReadouts(const Labels& labels, std::function<QString(double tpf)> unitLoad);

    // Puts LbCoord into `column` and under it the read-outs LbPlotConv,
    // LbPlotTpf and LbPlotTons, one a row, each after its caption (name and text).
    struct Caption {
        const char* name;
        QString text;
    };
    static std::unique_ptr<PlotReadouts> build(QWidget* frame, QBoxLayout* column, const Caption (&captions)[3],
                                               const QLabel* resultConv, const QLabel* resultTpf,
                                               std::function<QString(double tpf)> unitLoad);

    // The design point's values, and the unit load at tpf.
    void showDesignPoint(double tpf);
    // The mouse at (x, y) over a picture of this mapping.
    void followMouse(const PlotMapping& m, double x, double y);
    // The mouse off the picture: the design point's values at tpf again.
    void mouseOff(double tpf);

private:
    void showMode();

    Labels l_;
    std::function<QString(double)> unitLoad_;
    bool followsMouse_ = false;
};

// A list of warnings ("ListWarn", with its timer "Timer1"): while it holds
// warnings its background turns from white to light grey and back every
// 500 ms; without any it shows "None" steadily on light grey.
class WarningList : public QListWidget {
public:
    WarningList(QWidget* parent, int lines);

    // Empty, light grey and still.
    void clearSteady();
    // The warnings, blinking; "None" when there are none.
    void setWarnings(const std::vector<std::string>& lines);
    QTimer* timer() const { return timer_; }

private:
    void blink();
    void setColour(int colour);

    QTimer* timer_ = nullptr;
    bool blinkPhase_ = false;
};

}  // namespace vesk
