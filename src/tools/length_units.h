#pragma once

#include <string>
#include <string_view>

// Lengths on the screen in the five units the ruler offers, as every tool
// that measures shows them: pixels, and inches, centimetres and picas at the
// screen's DPI, and percent of the virtual desktop.

namespace vix {

// The units, as the items of the ruler's unit list (and settings' RulerUnit);
// kNoUnit while none is chosen.
enum RulerUnits : int {
    kNoUnit = -1,
    kPixels = 0,
    kInches = 1,
    kCentimetres = 2,
    kPicas = 3,
    kPercent = 4,
};

// The unit of list item `index`; kNoUnit for anything else.
constexpr RulerUnits RulerUnitAt(int index) {
    return index >= kPixels && index <= kPercent ? static_cast<RulerUnits>(index) : kNoUnit;
}

// The unit's short name written after a number: "px", "in", "cm", "pc", "%";
// empty for kNoUnit.
std::wstring_view UnitSymbol(RulerUnits unit);

// The five displayed lengths of n pixels: pixels as an integer, the rest
// with two decimals and the user's decimal separator. `desktopSize` is the
// whole virtual desktop's width (a horizontal length) or height.
struct RulerLengths {
    std::wstring pixels, inches, centimetres, picas, percent;
    // The value of `unit`; empty for kNoUnit.
    std::wstring InUnit(RulerUnits unit) const;
    friend bool operator==(const RulerLengths&, const RulerLengths&) = default;
};
RulerLengths LengthsOf(int n, int dpi, int desktopSize, wchar_t decimal = L'.');

// The one value of `unit`, as the ruler's length field shows it; empty for
// kNoUnit.
std::wstring LengthInUnit(int n, RulerUnits unit, int dpi, int desktopSize, wchar_t decimal = L'.');

}  // namespace vix
