// Texts cross between the plain C++ core (UTF-8 std::string) and the windows (QString) here.
#pragma once

#include <QString>
#include <string>

namespace vesk {

inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

inline std::string ss(const QString& text) { return text.toStdString(); }

}  // namespace vesk
