// Scrolling a view by the mouse wheel through the scroll bars it shows.
#pragma once

class QScrollBar;
class QWheelEvent;

namespace vesk {

// Moves `v` by a vertical turn of the wheel and `h` by a horizontal one
// (either may be null), as many lines per notch as the desktop sets; a line
// is `line` pixels, or the bar's single step when `line` is 0. A bar that
// is disabled stays. True when a bar moved.
bool ScrollByWheel(const QWheelEvent& e, QScrollBar* h, QScrollBar* v, int line = 0);

}  // namespace vesk
