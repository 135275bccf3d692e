// Filling and reading number boxes by unit code: the box shows a quantity in
// the unit system in force and gives it back in English units, exactly as
// the program wrote it while the text is unchanged.
#pragma once

#include "platform/numbox.h"

#include <QString>

#include <optional>
#include <string>

namespace vesk {

// A caption with the unit of a code in the unit system in force: "Width, ft".
QString UnitCaption(const char* text, int code);

// The box shows FormatMetric(v, code) and remembers v.
void PutMetric(NumBox* box, double v, int code);
// The box shows text (already formatted for the unit system in force) and remembers v.
void PutValue(NumBox* box, double v, const std::string& text);

// Text shown in display units (typed, or a computed caption) read strictly
// and converted to English units by the code; nullopt when it is not a number
// or the value does not fit in single precision.
std::optional<float> ReadShown(const QString& text, int code);

// The value of the box in English units: the remembered value while its text
// is unchanged, else the typed text read strictly and converted from display
// units by the code (code 0: no conversion). nullopt when the text is not a
// number or the value does not fit in single precision.
std::optional<float> ReadBox(const NumBox* box, int code);

// A quantity per ft shown per foot or per metre: the box shows
// FormatMetric(ToMetric(v, 20), code) and remembers v; typed text is read by
// the code and converted from per metre to per ft.
void PutPerFoot(NumBox* box, double v, int code);
std::optional<float> ReadPerFoot(const NumBox* box, int code);

// A 16-bit whole-number box: the typed value rounded half to even; nullopt
// when it is not a number or beyond the range of the field.
std::optional<int16_t> ReadCount(const NumBox* box);

}  // namespace vesk
