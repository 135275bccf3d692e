#include "model/units.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/vbmath.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace vesk {

namespace {

// One row per unit code. The metric value is english * mul / div, and the
// English value metric * div / mul; one of the two factors is 1 except for
// code 19, whose conversion is x 12 / 62.4.
struct UnitDef {
    const char* english;
    const char* metric;
    double mul;
    double div;
};

constexpr std::array<UnitDef, kLastUnitCode + 1> kUnits{{
    {"", "", 1, 1},  // code 0: no unit
    {"tons", "tonnes", 0.9072, 1},
    {"tons/ft", "tonnes/m", 2.9763, 1},
    {"tons/ft\u00B2", "tonnes/m\u00B2", 9.7649, 1},
    {"in", "mm", 25.4, 1},
    {"in", "cm", 2.54, 1},
    {"in", "m", 0.0254, 1},
    {"psi", "Mpa", 1, 145},
    {"ksi", "Gpa", 1, 145},
    {"lb", "kg", 1, 2.2046},
    {"lb/ft\u00B3", "g/cm\u00B3", 1, 62.4},
    {"ft", "m", 0.3048, 1},
    {"ft-lb", "J", 1, 0.7375},
    {"in\u00B2", "cm\u00B2", 6.4516, 1},
    {"in\u00B3", "cm\u00B3", 16.3871, 1},
    {"ft\u00B3", "m\u00B3", 1, 35.3147},
    {"BdFt", "m\u00B3", 1, 423.776},
    {"lb", "N", 4.448222, 1},
    {"$/BdFt", "$/m\u00B3", 423.776, 1},
    {"lb/BdFt", "g/cm\u00B3", 12, 62.4},
    {"$/ft", "$/m", 1, 0.3048},
    {"$/ft\u00B3", "$/m\u00B3", 35.3147, 1},
}};

bool knownCode(int code) { return code >= kFirstUnitCode && code <= kLastUnitCode; }

bool metricOn() { return G.MetricUnits != 0; }

// log10 x as the axis routines take it: ln x / ln 10 rounded to single
// precision, which makes exact powers of ten come out whole (1000 -> 3).
float singleLog10(double x) { return CSng(std::log(x) / std::log(10.0)); }

float convertToMetric(float v, int code)
{
    const UnitDef& u = kUnits[static_cast<std::size_t>(code)];
    return CSng(static_cast<double>(v) * u.mul / u.div);
}

}  // namespace

std::string UnitLabel(int code)
{
    if (!knownCode(code))
        return "";
    const UnitDef& u = kUnits[static_cast<std::size_t>(code)];
    return metricOn() ? u.metric : u.english;
}

float ToMetric(double v, int code)
{
    float s = CSng(v);
    if (!metricOn() || !knownCode(code))
        return s;
    return convertToMetric(s, code);
}

float ToEnglish(double v, int code)
{
    float s = CSng(v);
    if (!metricOn() || !knownCode(code))
        return s;
    const UnitDef& u = kUnits[static_cast<std::size_t>(code)];
    return CSng(static_cast<double>(s) * u.div / u.mul);
}

std::string FmtVal(double v, int code, std::string_view englishFormat, std::string_view metricFormat)
{
    float s = CSng(v);
    if (!metricOn())
        return FormatPattern(s, englishFormat);
    if (knownCode(code))
        s = convertToMetric(s, code);
    return FormatPattern(s, metricFormat);
}

std::string FormatNum(double v)
{
    float a = std::fabs(CSng(v));
    if (a == 0.0f)
        return "0";
    const char* pattern = a < 1.0f ? "0.000" : a < 10.0f ? "0.00" : a < 100.0f ? "0.0" : "0";
    return FormatPattern(v, pattern);
}

std::string FormatNum(std::string_view text)
{
    if (auto v = ParseNumber(text))
        return FormatNum(*v);
    return std::string(text);
}

std::string FormatMetric(double v, int code) { return FormatNum(ToMetric(v, code)); }

float TickStep(double x)
{
    if (x <= 0)
        return CSng(std::fabs(x) / 10);
    float e = singleLog10(x);
    double k = std::floor(static_cast<double>(e));
    double f = static_cast<double>(e) - k;
    double mantissa = f < static_cast<double>(0.176f)    ? 0.2
                      : f < static_cast<double>(0.6989f) ? 0.5
                      : f < static_cast<double>(0.903f)  ? 1.0
                                                         : 2.0;
    return CSng(mantissa * std::pow(10.0, k));
}

float NiceMax(double x)
{
    if (x <= 0)
        return 1.0f;
    float s = TickStep(x);
    int16_t n = IntI16(Div(x, s) + 0.1);
    if (n == INT16_MAX)
        throw ArithError("Overflow");
    ++n;
    return CSng(n * static_cast<double>(s));
}

AxisTop NiceAxisTop(double v, int code)
{
    AxisTop a;
    a.shown = NiceMax(ToMetric(v, code));
    a.text = PlainNumber(a.shown);
    a.english = ToEnglish(a.shown, code);
    return a;
}

float RoundUpLeadDigit(double x)
{
    if (x <= 0)
        return 1.0f;
    double k = std::floor(static_cast<double>(singleLog10(x)));
    double scale = std::pow(10.0, k);
    float d = CSng(x / scale);
    return CSng((std::floor(static_cast<double>(d)) + 1) * scale);
}

}  // namespace vesk
