#pragma once

#include <cstdint>

#include "common/geometry.h"

// Where a pin lies and how big it is: its zoom in steps from 25 % to 800 %,
// zoomed about the pointer, its opacity in steps of a tenth, and its window
// round the picture. The frame lies outside the picture, so that at 100 %
// every pixel of the picture is on the pixel it was taken from.

namespace vix {

inline constexpr int kPinFrame = 2;  // the frame's width on each side, in pixels
inline constexpr int kZoomSteps[] = {25, 33, 50, 67, 100, 150, 200, 300, 400, 600, 800};
inline constexpr int kMinOpacity = 20;  // a pin never fades out of sight
inline constexpr int kOpacityStep = 10;
inline constexpr int kWheelNotch = 120;  // WHEEL_DELTA

// The zoom `notches` wheel notches from `percent` (positive: larger), one
// step of kZoomSteps a notch, held to the first and last steps. A percent
// between steps goes to the next step in the wheel's direction.
int ZoomAfterWheel(int percent, int notches);

// The opacity `notches` from `percent`, in kOpacityStep steps, held to
// kMinOpacity to 100; and the layered window's alpha for it.
int OpacityAfterWheel(int percent, int notches);
std::uint8_t AlphaOf(int percent);

// The picture's area on the screen at `percent` with its top-left corner at
// `origin`: each side at least one pixel.
Rect PictureArea(Point origin, Size picture, int percent);
// The pin's window round the picture's area: the frame outside it.
Rect PinWindowAround(const Rect& pictureArea);

// The picture's area after a zoom from `from` to `to` percent about the
// screen point `pointer`: the picture's point under the pointer stays there.
// A pointer off the picture (on its frame) is taken at the picture's edge.
Rect ZoomAbout(const Rect& pictureArea, Size picture, int from, int to, Point pointer);

// Whole notches from wheel deltas that may come in parts (precise wheels and
// touch pads send less than a notch at a time).
class WheelNotches {
  public:
    int Add(int delta);

  private:
    int rest_ = 0;
};

}  // namespace vix
