#include "hooks/hook_protocol.h"

namespace vix::hooks {

std::uint32_t PackPoint(Point p) {
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.x))) |
           (static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.y)) << 16);
}

Point UnpackPoint(std::uintptr_t word) {
    return {static_cast<std::int16_t>(word & 0xFFFF),
            static_cast<std::int16_t>((word >> 16) & 0xFFFF)};
}

Zone HitZone(const Rect& area, Point p) {
    const Rect outer{area.left - kHandleReach, area.top - kHandleReach, area.right + kHandleReach,
                     area.bottom + kHandleReach};
    if (!outer.contains(p)) return Zone::None;
    const bool left = p.x < area.left + kHandleReach;
    const bool right = p.x >= area.right - kHandleReach;
    const bool top = p.y < area.top + kHandleReach;
    const bool bottom = p.y >= area.bottom - kHandleReach;
    // In an area narrower than both bands together (under 2 x kHandleReach)
    // the bands overlap and the nearer edge wins. On an exact tie, the middle
    // column or row of an odd size, the right or bottom edge wins: dragging it
    // widens the frame and leaves its position alone.
    const bool nearerLeft = p.x - area.left < area.right - 1 - p.x;
    const bool nearerTop = p.y - area.top < area.bottom - 1 - p.y;
    const bool onLeft = left && (!right || nearerLeft);
    const bool onRight = right && !onLeft;
    const bool onTop = top && (!bottom || nearerTop);
    const bool onBottom = bottom && !onTop;
    if (onTop && onLeft) return Zone::TopLeft;
    if (onTop && onRight) return Zone::TopRight;
    if (onBottom && onLeft) return Zone::BottomLeft;
    if (onBottom && onRight) return Zone::BottomRight;
    if (onTop) return Zone::Top;
    if (onBottom) return Zone::Bottom;
    if (onLeft) return Zone::Left;
    if (onRight) return Zone::Right;
    return Zone::Inside;
}

}  // namespace vix::hooks
