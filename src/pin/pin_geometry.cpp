#include "pin/pin_geometry.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace vix {
namespace {

constexpr int kStepCount = static_cast<int>(std::size(kZoomSteps));

// The index of the step at or just above `percent`, and whether it is the
// step itself.
int StepIndexFrom(int percent, int direction) {
    if (direction > 0) {
        for (int i = 0; i < kStepCount; ++i)
            if (kZoomSteps[i] > percent) return i;
        return kStepCount - 1;
    }
    for (int i = kStepCount - 1; i >= 0; --i)
        if (kZoomSteps[i] < percent) return i;
    return 0;
}

// `value` * `numerator` / `denominator`, rounded half away from zero, in 64
// bits so that a large desktop at 800 % does not overflow on the way.
int Scaled(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

int ZoomAfterWheel(int percent, int notches) {
    for (; notches > 0; --notches)
        percent = kZoomSteps[StepIndexFrom(percent, 1)];
    for (; notches < 0; ++notches)
        percent = kZoomSteps[StepIndexFrom(percent, -1)];
    return std::clamp(percent, kZoomSteps[0], kZoomSteps[kStepCount - 1]);
}

int OpacityAfterWheel(int percent, int notches) {
    const std::int64_t next =
        static_cast<std::int64_t>(percent) + std::int64_t{notches} * kOpacityStep;
    return static_cast<int>(std::clamp<std::int64_t>(next, kMinOpacity, 100));
}

std::uint8_t AlphaOf(int percent) {
    return static_cast<std::uint8_t>(Scaled(std::clamp(percent, 0, 100), 255, 100));
}

Rect PictureArea(Point origin, Size picture, int percent) {
    return Rect::FromBounds(origin.x, origin.y, std::max(1, Scaled(picture.width, percent, 100)),
                            std::max(1, Scaled(picture.height, percent, 100)));
}

Rect PinWindowAround(const Rect& area) {
    return {area.left - kPinFrame, area.top - kPinFrame, area.right + kPinFrame,
            area.bottom + kPinFrame};
}

Rect ZoomAbout(const Rect& area, Size picture, int from, int to, Point pointer) {
    const Point held{std::clamp(pointer.x, area.left, area.right),
                     std::clamp(pointer.y, area.top, area.bottom)};
    const Point origin{held.x - Scaled(held.x - area.left, to, from),
                       held.y - Scaled(held.y - area.top, to, from)};
    return PictureArea(origin, picture, to);
}

int WheelNotches::Add(int delta) {
    rest_ += delta;
    const int notches = rest_ / kWheelNotch;
    rest_ -= notches * kWheelNotch;
    return notches;
}

}  // namespace vix
