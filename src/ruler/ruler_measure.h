#pragma once

#include <array>
#include <optional>
#include <string>

#include "ruler/ruler_scale.h"
#include "tools/length_units.h"

// What the ruler page shows of a length and what it makes of typed input.

namespace vix {

// A typed length in pixels, rounded to the nearest integer (halves to even).
// Text that is not a number raises the conversion error "'<text>' is not a
// valid floating point value"; kNoUnit gives nothing.
std::optional<int> TypedLength(const std::wstring& text, RulerUnits unit, int dpi, int desktopSize,
                               wchar_t decimal = L'.');

// A decimal floating-point number in the user's format, as the platform's
// conversion reads it: blanks around it, a sign, digits with at most one
// decimal separator, an exponent. Digits are 0-9 only: other scripts' digits
// and full-width ones are no number.
std::optional<double> ParseFloat(const std::wstring& text, wchar_t decimal);
// A decimal integer (blanks around it, a sign, digits 0-9); nothing for
// anything else.
std::optional<int> ParseInteger(const std::wstring& text);

}  // namespace vix
