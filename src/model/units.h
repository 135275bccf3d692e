// Unit codes, display formatting of quantities, and axis scaling.
//
// Every quantity is held in English units. A unit code (1 to 21) names an
// English unit and its metric counterpart; the routines here convert,
// label and format by that code according to G.MetricUnits, so that no
// window converts on its own. Any other code has no label and converts
// nothing.
#pragma once

#include <string>
#include <string_view>

namespace vesk {

inline constexpr int kFirstUnitCode = 1;
inline constexpr int kLastUnitCode = 21;

// The label of a unit code in the unit system in force (UTF-8, with the
// superscript characters ² and ³); "" for a code outside 1 to 21.
std::string UnitLabel(int code);

// v, rounded to single precision, in display units: converted from English
// to metric when metric units are on and the code is known, else unchanged.
// Throws ArithError when v or the result does not fit in single precision.
float ToMetric(double v, int code);

// The inverse of ToMetric: a value typed in display units back in English.
float ToEnglish(double v, int code);

// v rounded to single precision, converted like ToMetric and written with
// metricFormat when metric units are on, else written unconverted with
// englishFormat. The formats are patterns such as "0.00".
std::string FmtVal(double v, int code, std::string_view englishFormat, std::string_view metricFormat);

// v with decimals chosen by its magnitude: "0" for zero, three decimals
// below 1, two below 10, one below 100, none from 100 on. Throws ArithError
// for a v beyond single precision, NaN or infinite.
std::string FormatNum(double v);
// Text that reads as a number is formatted as FormatNum does; any other
// text is returned as it is. Throws ArithError for a number beyond single
// precision ("1e39").
std::string FormatNum(std::string_view text);

// The standard display of a computed quantity: FormatNum(ToMetric(v, code)).
std::string FormatMetric(double v, int code);

// The step between axis ticks for a range of x: 0.2, 0.5, 1 or 2 times a
// power of ten; |x| / 10 for x <= 0. Throws ArithError when the step is
// beyond single precision (x from 1.5e39 on, or below -3.4e39) or x is NaN.
float TickStep(double x);

// The top of a plot axis that shows values up to x: a whole number of
// TickStep(x) steps, at least 0.9 steps above x; 1 for x <= 0. Throws
// ArithError when that top is beyond single precision (x from 2.95e38 on),
// the step is 0 in single precision (x = 1e-46) or x is NaN.
float NiceMax(double x);

// The top of a plot axis for English values up to v by a unit code: NiceMax
// of v in display units, that top as plain text, and back in English units.
struct AxisTop {
    float shown = 0;
    std::string text;
    float english = 0;
};
AxisTop NiceAxisTop(double v, int code);

// The top of a chart axis: x with its leading digit raised by one and the
// rest dropped (37 -> 40, 40 -> 50); 1 for x <= 0. Throws ArithError when
// the result is beyond single precision (x from 3e38 on) or x is NaN.
float RoundUpLeadDigit(double x);

}  // namespace vesk
