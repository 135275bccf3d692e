#include "platform/wheel.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace vesk {

bool ScrollByWheel(const QWheelEvent& e, QScrollBar* h, QScrollBar* v, int line)
{
    bool moved = false;
    // 120 units of the wheel's angle to a notch; turning away from the user scrolls up.
    const auto move = [&](QScrollBar* bar, int delta) {
        if (!bar || delta == 0 || !bar->isEnabled())
            return;
        const double lines = delta / 120.0 * QApplication::wheelScrollLines();
        const int before = bar->value();
        bar->setValue(before - static_cast<int>(std::lround(lines * (line > 0 ? line : bar->singleStep()))));
        moved = moved || bar->value() != before;
    };
    move(v, e.angleDelta().y());
    move(h, e.angleDelta().x());
    return moved;
}

}  // namespace vesk
