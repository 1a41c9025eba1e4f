#pragma once

#include <array>
#include <optional>
#include <string>

#include "ruler/ruler_scale.h"

// What the ruler page shows of a length and what it makes of typed input.

namespace vix {

// The five displayed lengths of a ruler n pixels long: pixels as an integer,
// the rest with two decimals and the user's decimal separator. `desktopSize`
// is the whole virtual desktop's width (horizontal ruler) or height.
struct RulerLengths {
    std::wstring pixels, inches, centimetres, picas, percent;
    // The value of `unit`; empty for kNoUnit.
    std::wstring InUnit(RulerUnits unit) const;
    friend bool operator==(const RulerLengths&, const RulerLengths&) = default;
};
RulerLengths LengthsOf(int n, int dpi, int desktopSize, wchar_t decimal = L'.');

// The one value of `unit`, as the length field shows it; empty for kNoUnit.
std::wstring LengthInUnit(int n, RulerUnits unit, int dpi, int desktopSize, wchar_t decimal = L'.');

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
