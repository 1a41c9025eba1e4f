#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "common/geometry.h"

// The spacing measure's edge walk: from the pixel under the pointer, along
// its row and its column across one still copy of the desktop, as far as
// the pixels stay within the tolerance of that first pixel. Portable: the
// copy is a plain view of 0x00RRGGBB words.

namespace vix {

// The virtual desktop as copied: rows top to bottom, `width` words each,
// pixel (0, 0) at screen point `origin` (left of or above the primary
// monitor is negative). Pixels outside every monitor (where monitors of
// different sizes leave a corner empty) belong to no screen: a walk ends
// before them.
struct DesktopPixels {
    std::span<const std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    Point origin;
    std::span<const Rect> monitors;  // screen coordinates
};

// The run of like pixels through the start, in screen coordinates, both
// ends included: `left`..`right` on its row, `top`..`bottom` on its column.
struct EdgeSpans {
    int left = 0, right = 0, top = 0, bottom = 0;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    friend bool operator==(const EdgeSpans&, const EdgeSpans&) = default;
};

// Whether `a` lies within `tolerance` (0 to 255) of `b` in each of red,
// green and blue.
constexpr bool WithinTolerance(std::uint32_t a, std::uint32_t b, int tolerance) {
    if (a == b) return true;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

// The walks from screen point `at`; nothing when `at` is on no monitor or
// outside the copy.
std::optional<EdgeSpans> WalkEdges(const DesktopPixels& desktop, Point at, int tolerance);

}  // namespace vix
