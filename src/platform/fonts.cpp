#include "platform/fonts.h"

namespace vesk {

namespace {

QFont MakeFont(const QString& family, QFont::StyleHint hint, double pointSize)
{
    QFont f(family);
    // When the family is not installed, the hint lets font matching pick a face of the same kind.
    f.setStyleHint(hint, QFont::PreferMatch);
    if (pointSize > 0)
        f.setPointSizeF(pointSize);
    return f;
}

}  // namespace

QFont SerifFont(double pointSize) { return MakeFont(QStringLiteral("Liberation Serif"), QFont::Serif, pointSize); }

QFont SansFont(double pointSize) { return MakeFont(QStringLiteral("DejaVu Sans"), QFont::SansSerif, pointSize); }

}  // namespace vesk
