#pragma once

#include <array>

#include "common/geometry.h"

// The slanted outline of a tab. The frame and its caption panel get polygons
// that differ by one pixel along the slant, which leaves a black slanted edge.

namespace vix {

struct TabShape {
    std::array<Point, 5> frame;    // in the frame panel's coordinates
    std::array<Point, 5> caption;  // in the caption panel's coordinates
};

// `frame` is the tab frame panel's size.
TabShape ShapeTab(Size frame);

}  // namespace vix
