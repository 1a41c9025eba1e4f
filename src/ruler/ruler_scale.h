#pragma once

#include <string>
#include <vector>

#include "common/geometry.h"
#include "tools/length_units.h"

// The ruler's scale: where its ticks fall, how long they are and what their
// labels say, in each of the five units.

namespace vix {

enum RulerOrientation : int {
    roHorizontalTop = 1,  // ticks along the top edge
    roHorizontalBottom = 2,
    roVerticalRight = 3,
    roVerticalLeft = 4,
};

constexpr bool IsHorizontal(RulerOrientation orientation) {
    return orientation == roHorizontalTop || orientation == roHorizontalBottom;
}
constexpr bool IsVertical(RulerOrientation orientation) {
    return orientation == roVerticalRight || orientation == roVerticalLeft;
}

inline constexpr int kShortTick = 3;
inline constexpr int kMediumTick = 8;
inline constexpr int kLongTick = 11;

struct Tick {
    int position;  // pixels from the ruler's start
    int length;
    std::wstring label;  // empty for none
    friend bool operator==(const Tick&, const Tick&) = default;
};

// The ticks of a ruler `length` pixels long. No tick falls on the last pixel.
// `screenSize` is the primary screen's width (horizontal ruler) or height
// (vertical), the base of the percent scale. kNoUnit has none.
std::vector<Tick> RulerTicks(RulerUnits unit, int length, int dpi, int screenSize);

// The pixels a tick covers, both ends included, in the ruler's client
// coordinates of size `client`.
struct TickLine {
    Point from;
    Point to;
    friend bool operator==(const TickLine&, const TickLine&) = default;
};
TickLine TickPixels(RulerOrientation orientation, int position, int length, Size client);

// Where a label of advance width `width` is drawn for the tick at `position`:
// the text's top-left for horizontal rulers, the reference point of the text
// turned by 270 degrees for vertical ones.
Point LabelPlace(RulerOrientation orientation, int position, int width, Size client);

}  // namespace vix
