#pragma once

#include <cstdint>

#include "common/geometry.h"

// What the hook library and the main window say to each other: the message
// numbers, how a pointer position travels in a message word, and the zones of
// the capture rectangle.

namespace vix::hooks {

inline constexpr int kLibraryVersion = 2;

inline constexpr unsigned kWmUser = 0x400;
inline constexpr unsigned kPickerMoved = kWmUser + 2;           // 0x402: x, y
inline constexpr unsigned kPickerSample = kWmUser + 6;          // 0x406: x, y
inline constexpr unsigned kControlCaptureClick = kWmUser + 15;  // 0x40F
inline constexpr unsigned kScreenCaptureClick = kWmUser + 17;   // 0x411
inline constexpr unsigned kRectangleEvent = kWmUser + 125;      // 0x47D

// The wParam of kRectangleEvent.
enum RectangleEvent : unsigned {
    kDragStart = 0,    // button pressed on the frame; lParam holds where (PackPoint)
    kZoneChanged = 1,  // lParam holds the new Zone
    kCaptureClick = 50,
    kDragEnd = 99,  // the dragging button went up; lParam holds where (PackPoint)
};

// The part of the capture rectangle under the pointer.
enum class Zone : int {
    None = 0,
    Inside = 1,
    Top = 2,
    Bottom = 3,
    Left = 4,
    Right = 5,
    TopLeft = 6,
    TopRight = 7,
    BottomLeft = 8,
    BottomRight = 9,
};

// x in the low 16 bits, y in the high 16 bits.
std::uint32_t PackPoint(Point p);
// Reads both words as signed: monitors left of or above the primary screen
// have negative coordinates.
Point UnpackPoint(std::uintptr_t word);

// The rectangle frame's handles reach this far outside the area the main
// window reports (the frame window's bounds inset by 4) and as far inside.
inline constexpr int kHandleReach = 4;

// The zone of `p` for the capture `area` (right and bottom exclusive). The
// band of kHandleReach pixels on either side of the area's edges is the frame;
// where two bands cross lies a corner; the rest of the area is its inside.
Zone HitZone(const Rect& area, Point p);

}  // namespace vix::hooks
