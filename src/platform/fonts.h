// The program's two type faces: a serif face metric-compatible with the one the
// screens were laid out for, and a plain sans-serif face for dialog text.
#pragma once

#include <QFont>

namespace vesk {

QFont SerifFont(double pointSize);
QFont SansFont(double pointSize);

}  // namespace vesk
