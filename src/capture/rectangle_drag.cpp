#include "capture/rectangle_drag.h"

#include <algorithm>

namespace vix {

std::optional<Point> HitAnchor(int area, const Rect& b) {
    switch (area) {
        case kHitInside: return Point{b.left, b.top};
        case kHitTop: return Point{0, b.top};
        case kHitBottom: return Point{0, b.bottom};
        case kHitLeft: return Point{b.left, 0};
        case kHitRight: return Point{b.right, 0};
        case kHitTopLeft: return Point{b.left, b.top};
        case kHitTopRight: return Point{b.right, b.top};
        case kHitBottomLeft: return Point{b.left, b.bottom};
        case kHitBottomRight: return Point{b.right, b.bottom};
        default: return std::nullopt;
    }
}

void RectangleDrag::Start(int area, Point pointer, const Rect& bounds) {
    const auto anchor = HitAnchor(area, bounds);
    area_ = anchor ? area : kHitNone;
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
        case kHitInside: return Step{Rect::FromBounds(d.x, d.y, size_.width, size_.height), false};
        case kHitTop: r.top = d.y; break;
        case kHitBottom: r.bottom = d.y; break;
        case kHitLeft: r.left = d.x; break;
        case kHitRight: r.right = d.x; break;
        case kHitTopLeft: r.left = d.x, r.top = d.y; break;
        case kHitTopRight: r.right = d.x, r.top = d.y; break;
        case kHitBottomLeft: r.left = d.x, r.bottom = d.y; break;
        case kHitBottomRight: r.right = d.x, r.bottom = d.y; break;
        default: return std::nullopt;
    }
    // The moved edge gives way to keep the minimum span; the other stays.
    const bool movesLeft = area_ == kHitLeft || area_ == kHitTopLeft || area_ == kHitBottomLeft;
    const bool movesRight = area_ == kHitRight || area_ == kHitTopRight || area_ == kHitBottomRight;
    const bool movesTop = area_ == kHitTop || area_ == kHitTopLeft || area_ == kHitTopRight;
    const bool movesBottom =
        area_ == kHitBottom || area_ == kHitBottomLeft || area_ == kHitBottomRight;
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
