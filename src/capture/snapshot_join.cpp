#include "capture/snapshot_join.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vix {
namespace {

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// A row's columns [from, to).
struct Span {
    int from = 0;
    int to = 0;
    bool empty() const { return to <= from; }
};

Span RowSpan(const Rect& part, int y) {
    if (y < part.top || y >= part.bottom) return {};
    return {part.left, part.right};
}

// The part of `picture`, placed with its top-left corner at `part`'s, that
// lies inside both `part` and the target of `size`.
Rect Placed(const Rect& part, const PixelView& picture, Size size) {
    Rect r = Intersection(part, {0, 0, size.width, size.height});
    if (picture.empty()) return r;
    return Intersection(r, Rect::FromBounds(part.left, part.top, picture.width, picture.height));
}

void CopySpan(std::uint8_t* row, Span s, const PixelView& picture, Point pictureAt, int y) {
    if (s.empty()) return;
    const std::uint8_t* from = picture.Row(y - pictureAt.y) +
                               static_cast<std::ptrdiff_t>(s.from - pictureAt.x) * kBytesPerPixel;
    std::memcpy(row + static_cast<std::ptrdiff_t>(s.from) * kBytesPerPixel, from,
                static_cast<std::size_t>(s.to - s.from) * kBytesPerPixel);
}

void Clear(std::uint8_t* row, Span s) {
    if (s.empty()) return;
    std::memset(row + static_cast<std::ptrdiff_t>(s.from) * kBytesPerPixel, 0,
                static_cast<std::size_t>(s.to - s.from) * kBytesPerPixel);
}

}  // namespace

std::optional<ImageError> PlanCapture(const SnapshotState& state, const Rect& area,
                                      bool multiCapture, CapturePlan& plan) {
    if (IsEmpty(area)) return ImageError{ImageError::kEmpty, L"The area to capture is empty."};
    CapturePlan p;
    p.join = multiCapture && !state.firstCapture && !state.empty();
    p.rect = p.join ? Union(area, state.rect) : area;
    const std::int64_t width = std::int64_t{p.rect.right} - p.rect.left;
    const std::int64_t height = std::int64_t{p.rect.bottom} - p.rect.top;
    constexpr std::int64_t kMaxPixels = kMaxSnapshotBytes / kBytesPerPixel;
    if (width > kMaxPixels || height > kMaxPixels || width * height > kMaxPixels)
        return ImageError{ImageError::kTooLarge,
                          L"The snapshot would be " + std::to_wstring(width) + L" x " +
                              std::to_wstring(height) + L" pixels, more than can be held."};
    const Point origin{p.rect.left, p.rect.top};
    if (p.join) p.previousPart = Moved(state.rect, -origin.x, -origin.y);
    p.capturePart = Moved(area, -origin.x, -origin.y);
    plan = p;
    return std::nullopt;
}

void ComposeCapture(const CapturePlan& plan, const PixelView& previous, const PixelView& capture,
                    const MutablePixelView& target) {
    if (target.empty()) return;
    const Size size{target.width, target.height};
    const Rect c = Placed(plan.capturePart, capture, size);
    const Rect p =
        plan.join && !previous.empty() ? Placed(plan.previousPart, previous, size) : Rect{};
    const Point captureAt{plan.capturePart.left, plan.capturePart.top};
    const Point previousAt{plan.previousPart.left, plan.previousPart.top};
    for (int y = 0; y < target.height; ++y) {
        std::uint8_t* row = target.Row(y);
        const Span cs = RowSpan(c, y);
        const Span ps = RowSpan(p, y);
        if (!capture.empty()) CopySpan(row, cs, capture, captureAt, y);
        if (cs.empty()) {
            CopySpan(row, ps, previous, previousAt, y);
        } else {
            CopySpan(row, {ps.from, std::min(ps.to, cs.from)}, previous, previousAt, y);
            CopySpan(row, {std::max(ps.from, cs.to), ps.to}, previous, previousAt, y);
        }
        // Black wherever neither picture lies: before, between and after the two spans.
        Span first = cs, second = ps;
        if (first.empty() || (!second.empty() && second.from < first.from))
            std::swap(first, second);
        if (first.empty()) {
            Clear(row, {0, target.width});
        } else if (second.empty()) {
            Clear(row, {0, first.from});
            Clear(row, {first.to, target.width});
        } else {
            Clear(row, {0, first.from});
            Clear(row, {first.to, second.from});
            Clear(row, {std::max(first.to, second.to), target.width});
        }
    }
}

Point CursorDrawPosition(Point pointer, Point hotSpot, const Rect& snapshotRect) {
    return {pointer.x - snapshotRect.left - hotSpot.x, pointer.y - snapshotRect.top - hotSpot.y};
}

}  // namespace vix
