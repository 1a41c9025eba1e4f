#pragma once

#include <array>

#include "common/geometry.h"

// The hot-tracking frame of the control capture: a red one-pixel line just
// outside the rectangle of the window under the pointer.

namespace vix {

// The frame window's bounds for a target at `target`: one pixel larger on every side.
Rect TrackingFrameBounds(const Rect& target);

// Its region in its own pixels: the outermost ring of a window of `size`.
std::array<Rect, 4> TrackingFrameRegion(Size size);

}  // namespace vix
