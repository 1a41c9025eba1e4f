#pragma once

#include <optional>

#include "common/geometry.h"
#include "hooks/hook_protocol.h"

// Moving and sizing the rectangle overlay, and the areas derived from its
// window bounds: the hook library's hit-test area, the size labels and the
// screen area a capture takes.

namespace vix {

// The point of the overlay's bounds that follows the pointer while `area`
// is dragged (an unused coordinate is 0); none for Zone::None.
std::optional<Point> HitAnchor(hooks::Zone area, const Rect& bounds);

inline constexpr int kMinimumSpan = 26;  // opposite edges never come closer while sizing

// One drag: started when the button goes down, then one Tick per timer
// tick. The area is the one under the pointer when the drag started.
class RectangleDrag {
  public:
    void Start(hooks::Zone area, Point pointer, const Rect& bounds);

    struct Step {
        Rect bounds;   // the overlay's new window bounds
        bool resized;  // false for a move: the shape and the size labels stay
    };
    // Nothing when the pointer has not moved since the last tick that acted,
    // or when the drag holds nothing to move.
    std::optional<Step> Tick(Point pointer);

  private:
    hooks::Zone area_ = hooks::Zone::None;
    Point grabOffset_;
    Rect dragRect_;
    Point lastPointer_;
    Size size_;  // of the overlay, kept while it is moved
};

// The overlay's bounds when the mode starts: a side shorter than 18 pixels
// becomes 200 pixels long, from the same corner.
Rect StartBounds(const Rect& lastBounds);

// The area the hook library hit-tests: the bounds inset by 4 (the handles' band).
Rect HookArea(const Rect& bounds);

// The size labels: the inside of the frame line and the line itself.
Size RectangleLabels(const Rect& bounds);

// The screen area a capture takes: the bounds inset by 5, exactly the
// pixels inside the dashed line, cut to the virtual desktop `desktop`
// (whose left and top may be negative). Empty (0 x 0 at the cut corner)
// when nothing of it lies on the desktop.
Rect CaptureArea(const Rect& bounds, const Rect& desktop);

}  // namespace vix
