// Arithmetic as the program's formulas need it: results rounded to single
// precision with overflow detected, checked division, and the integer
// conversions CInt, Int and Fix.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vesk {

// An arithmetic error (overflow, division by zero, a non-finite result).
// The dialogs catch it like any invalid input.
class ArithError : public std::runtime_error {
public:
    explicit ArithError(const std::string& what) : std::runtime_error(what) {}
};

// An array subscript outside the bounds of a table.
class IndexError : public std::out_of_range {
public:
    explicit IndexError(const std::string& what) : std::out_of_range(what) {}
};

// Rounds a double result to the float that stores it; throws ArithError
// when the value is not finite or does not fit in single precision.
float CSng(double v);

// a / b; throws ArithError when b is zero or the quotient is not finite.
double Div(double a, double b);

// Round half to even, to a 16-bit integer; throws ArithError beyond its range.
int16_t CInt(double v);
// Round half to even, to a 32-bit integer; throws ArithError beyond its range.
int32_t CLng(double v);
// Largest integer not above v (as a double).
double Int(double v);
// v truncated toward zero (as a double).
double Fix(double v);
// Int(v) as a 16-bit integer; throws ArithError beyond its range.
int16_t IntI16(double v);

}  // namespace vesk
