#include "model/vbmath.h"

#include <cfloat>
#include <cmath>

namespace vesk {

float CSng(double v)
{
    // Magnitudes below FLT_MAX + half its ulp round down to FLT_MAX and still
    // fit; from that halfway point on they round to infinity. Decided here
    // rather than by converting: a double beyond float range converted to
    // float is undefined behaviour in C++.
    static const double overflowAt = static_cast<double>(FLT_MAX) + std::ldexp(1.0, FLT_MAX_EXP - FLT_MANT_DIG - 1);
    if (!std::isfinite(v) || std::fabs(v) >= overflowAt)
        throw ArithError("Overflow");
    if (std::fabs(v) > static_cast<double>(FLT_MAX))
        return v < 0 ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(v);
}

double Div(double a, double b)
{
    if (b == 0.0)
        throw ArithError("Division by zero");
    double q = a / b;
    if (!std::isfinite(q))
        throw ArithError("Overflow");
    return q;
}

static double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        throw ArithError("Overflow");
    return std::nearbyint(v);  // default rounding mode: to nearest, ties to even
}

int16_t CInt(double v)
{
    double r = roundHalfEven(v);
    if (r < -32768.0 || r > 32767.0)
        throw ArithError("Overflow");
    return static_cast<int16_t>(r);
}

int32_t CLng(double v)
{
    double r = roundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw ArithError("Overflow");
    return static_cast<int32_t>(r);
}

double Int(double v) { return std::floor(v); }

double Fix(double v) { return std::trunc(v); }

int16_t IntI16(double v)
{
    if (!std::isfinite(v))
        throw ArithError("Overflow");
    double r = std::floor(v);
    if (r < -32768.0 || r > 32767.0)
        throw ArithError("Overflow");
    return static_cast<int16_t>(r);
}

}  // namespace vesk
