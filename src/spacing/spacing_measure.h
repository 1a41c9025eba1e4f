#pragma once

#include <string>
#include <string_view>

#include "common/geometry.h"
#include "spacing/edge_walk.h"
#include "tools/length_units.h"

// What the spacing measure measures and how it says it: its four modes in
// the order Tab goes through them, the tolerance the wheel changes, the box
// a drag spans and the label beside the pointer in the ruler's unit.

namespace vix {

enum class SpacingMode : unsigned char { BothSpans, Horizontal, Vertical, Box };

// The mode Tab goes to from `mode`: both spans, horizontal, vertical, box,
// and back to both spans.
SpacingMode NextMode(SpacingMode mode);
// As the page names it: "Both spans", "Horizontal", "Vertical", "Box".
std::wstring_view ModeName(SpacingMode mode);
// Whether the mode measures along a row, and along a column.
constexpr bool MeasuresWidth(SpacingMode mode) { return mode != SpacingMode::Vertical; }
constexpr bool MeasuresHeight(SpacingMode mode) { return mode != SpacingMode::Horizontal; }

inline constexpr int kDefaultTolerance = 30;
inline constexpr int kMaxTolerance = 255;
inline constexpr int kToleranceStep = 5;  // per notch of the wheel

// The tolerance after the wheel turned by `wheelDelta` (120 a notch, forward
// positive): a step a notch, held within 0 to 255.
int ToleranceAfterWheel(int tolerance, int wheelDelta);

// The page's line: "Both spans, Tolerance: 30".
std::wstring ModeLine(SpacingMode mode, int tolerance);

// The box dragged from `from` to `to`, both corners' pixels included.
EdgeSpans BoxBetween(Point from, Point to);

// How lengths are shown: the ruler's unit, the DPI of the monitor measured
// on, the virtual desktop (the base of percent: its width for a width, its
// height for a height) and the user's decimal separator.
struct LengthFormat {
    RulerUnits unit = kPixels;
    int dpi = 96;
    Size desktop;
    wchar_t decimal = L'.';
};

// The label of a measurement, the unit's short name after the numbers:
// "120 × 80 px" for both spans and the box, "120 px" horizontally,
// "80 px" vertically. A unit the ruler does not know counts in pixels.
std::wstring MeasureLabel(const EdgeSpans& spans, SpacingMode mode, const LengthFormat& format);

}  // namespace vix
