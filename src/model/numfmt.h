// Reading typed numbers and writing numbers with format patterns.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Strict reading of a typed number: blanks around it, an optional sign,
// digits with at most one decimal point ("." whatever the locale), an
// optional exponent. Anything else, or a value beyond double range, is nullopt.
std::optional<double> ParseNumber(std::string_view text);

// Formats v with a numeric pattern such as "0", "0.0" or "0.000": a digit
// placeholder "0" before an optional "." and the decimal places. The value is
// rounded half away from zero on its exact decimal value; a result that
// rounds to zero carries no minus sign.
std::string FormatPattern(double v, std::string_view pattern);

// Number of decimal places a pattern asks for.
int PatternDecimals(std::string_view pattern);

// Plain text of a number, as the program shows a value without a pattern:
// up to seven significant digits for a float, no trailing zeros.
std::string PlainNumber(float v);

}  // namespace vesk
