#include "capture/rectangle_drag.h"

#include <algorithm>

namespace vix {

using hooks::Zone;

std::optional<Point> HitAnchor(hooks::Zone area, const Rect& b) {
    switch (area) {
        case Zone::Inside: return Point{b.left, b.top};
        case Zone::Top: return Point{0, b.top};
        case Zone::Bottom: return Point{0, b.bottom};
        case Zone::Left: return Point{b.left, 0};
        case Zone::Right: return Point{b.right, 0};
        case Zone::TopLeft: return Point{b.left, b.top};
        case Zone::TopRight: return Point{b.right, b.top};
        case Zone::BottomLeft: return Point{b.left, b.bottom};
        case Zone::BottomRight: return Point{b.right, b.bottom};
        default: return std::nullopt;
    }
}

void RectangleDrag::Start(hooks::Zone area, Point pointer, const Rect& bounds) {
    const auto anchor = HitAnchor(area, bounds);
    area_ = anchor ? area : Zone::None;
    if (anchor) grabOffset_ = {pointer.x - anchor->x, pointer.y - anchor->y};
    dragRect_ = bounds;
    size_ = {bounds.width(), bounds.height()};
}

std::optional<RectangleDrag::Step> RectangleDrag::Tick(Point pointer) {
    if (pointer == lastPointer_) return std::nullopt;
    lastPointer_ = pointer;
    const Point d{pointer.x - grabOffset_.x, pointer.y - grabOffset_.y};
    Rect& r = dragRect_;
    switch (area_) {
        case Zone::Inside:
            return Step{Rect::FromBounds(d.x, d.y, size_.width, size_.height), false};
        case Zone::Top: r.top = d.y; break;
        case Zone::Bottom: r.bottom = d.y; break;
        case Zone::Left: r.left = d.x; break;
        case Zone::Right: r.right = d.x; break;
        case Zone::TopLeft: r.left = d.x, r.top = d.y; break;
        case Zone::TopRight: r.right = d.x, r.top = d.y; break;
        case Zone::BottomLeft: r.left = d.x, r.bottom = d.y; break;
        case Zone::BottomRight: r.right = d.x, r.bottom = d.y; break;
        default: return std::nullopt;
    }
    // The moved edge gives way to keep the minimum span; the other stays.
    const bool movesLeft =
        area_ == Zone::Left || area_ == Zone::TopLeft || area_ == Zone::BottomLeft;
    const bool movesRight =
        area_ == Zone::Right || area_ == Zone::TopRight || area_ == Zone::BottomRight;
    const bool movesTop = area_ == Zone::Top || area_ == Zone::TopLeft || area_ == Zone::TopRight;
    const bool movesBottom =
        area_ == Zone::Bottom || area_ == Zone::BottomLeft || area_ == Zone::BottomRight;
    if (movesTop && r.bottom - r.top < kMinimumSpan) r.top = r.bottom - kMinimumSpan;
    if (movesBottom && r.bottom - r.top < kMinimumSpan) r.bottom = r.top + kMinimumSpan;
    if (movesLeft && r.right - r.left < kMinimumSpan) r.left = r.right - kMinimumSpan;
    if (movesRight && r.right - r.left < kMinimumSpan) r.right = r.left + kMinimumSpan;
    return Step{r, true};
}

Rect StartBounds(const Rect& last) {
    constexpr int kSmallest = 18;
    constexpr int kReset = 200;
    const int width = last.width() < kSmallest ? kReset : last.width();
    const int height = last.height() < kSmallest ? kReset : last.height();
    return Rect::FromBounds(last.left, last.top, width, height);
}

Rect HookArea(const Rect& b) { return {b.left + 4, b.top + 4, b.right - 4, b.bottom - 4}; }

Size RectangleLabels(const Rect& b) { return {b.width() - 8, b.height() - 8}; }

Rect CaptureArea(const Rect& b, const Rect& desktop) {
    Rect r{std::max(b.left + 5, desktop.left), std::max(b.top + 5, desktop.top),
           std::min(b.right - 5, desktop.right), std::min(b.bottom - 5, desktop.bottom)};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

}  // namespace vix
