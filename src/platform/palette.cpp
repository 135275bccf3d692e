#include "platform/palette.h"

#include <array>

namespace vesk {

QColor QBColor(int n)
{
    static constexpr std::array<QRgb, 16> kTable = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
    };
    if (n < 0 || n >= static_cast<int>(kTable.size()))
        return QColor(Qt::black);
    return QColor(kTable[static_cast<std::size_t>(n)]);
}

}  // namespace vesk
