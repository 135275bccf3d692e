// Two controls of the performance dialogs: the picture of a plot, which the
// dialog draws and which reports the mouse over it, and the warnings list,
// which blinks while it holds warnings.
#pragma once

#include <QListWidget>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

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
