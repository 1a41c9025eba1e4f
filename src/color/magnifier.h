#pragma once

#include "common/geometry.h"

// The enlarged view: the 13 x 13 screen pixels round the pointer, each drawn
// as a 6 x 6 cell of a 78 x 78 view, with a box round the averaged cells.

namespace vix {

inline constexpr int kViewSize = 78;
inline constexpr int kSourceSize = 13;
inline constexpr int kZoom = 6;
inline constexpr int kPointerOffset = 6;  // the pointer is the source's seventh column and row

struct MagnifierLayout {
    Rect leftStrip;    // black where the source would lie left of the desktop; may be empty
    Rect topStrip;     // black where it would lie above the desktop
    Point source;      // top-left of the 13 x 13 source square on the screen
    Rect destination;  // where the stretched source lands in the view (clipped by the view)
};

// `desktop` is the virtual desktop: its left and top edges may be negative.
MagnifierLayout LayoutMagnifier(Point pointer, const Rect& desktop);

// The sample box in view pixels, one pixel outside the averaged cells: its
// left, top, right and bottom lines (from = left = top, to = right = bottom).
struct SampleBox {
    int from;
    int to;
    friend bool operator==(const SampleBox&, const SampleBox&) = default;
};
SampleBox SampleBoxOf(int sampleSize);

}  // namespace vix
