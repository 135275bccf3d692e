// The 16 standard console colours by number, as the program's colour settings store them.
#pragma once

#include <QColor>

namespace vesk {

// Colour number 0 to 15; any other number gives black.
QColor QBColor(int n);

}  // namespace vesk
