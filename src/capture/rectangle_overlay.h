#pragma once

#include <array>
#include <vector>

#include "common/geometry.h"

// The rectangle overlay's look, in its window's own pixels for a window of
// W x H: a one-pixel frame line (the columns 4 and W - 5, the rows 4 and
// H - 5) drawn in marching dashes, and eight 8 x 8 handles at the corners
// and the middles of the sides, each without its centre and without the
// part on the inner side of the frame line. Everything else is not part of
// the window's region: transparent to the eye and to the mouse.

namespace vix {

inline constexpr int kHandleSize = 8;
inline constexpr int kFrameInset = 4;  // the frame line's distance from the window's edge
inline constexpr int kDashPhases = 10;

// The handle squares in the order they are drawn: the corners top-left,
// top-right, bottom-left, bottom-right, then the middles of the left, right,
// top and bottom sides.
std::array<Rect, 8> HandleSquares(Size window);

// Rectangles whose union is the window's region (they may overlap).
std::vector<Rect> OverlayRegion(Size window);
bool InOverlayRegion(Size window, Point p);

// A dash pixel at position c along its line (x on the horizontal lines, y on
// the vertical ones) is black for (c + phase) mod 10 in 0..4, white else.
bool DashIsBlack(int c, int phase);
// Each tick lowers the phase by one (after 0 comes 9): the dashes march one
// pixel towards larger coordinates.
int NextDashPhase(int phase);

enum class Ink { kNone, kBlack, kWhite };

// What the overlay shows at `p` after the handles (black outline, white
// fill) and then the dashed line are drawn: kNone outside the region.
Ink OverlayInk(Size window, int phase, Point p);

// The dashed line as one-pixel-thick runs of one colour, to be filled after
// the handles are drawn. Together they are exactly the frame line's pixels
// that the four dashed lines reach (each drawn without its end point, so the
// bottom-right corner pixel keeps the handle's white).
struct InkRun {
    Rect rect;
    bool black;
    friend bool operator==(const InkRun&, const InkRun&) = default;
};
std::vector<InkRun> DashRuns(Size window, int phase);

}  // namespace vix
