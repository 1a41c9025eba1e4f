#include "ruler/ruler_geometry.h"

#include <algorithm>

namespace vix {

int RulerLength(RulerOrientation orientation, Size size) {
    if (IsHorizontal(orientation)) return size.width;
    if (IsVertical(orientation)) return size.height;
    return 0;
}

Size SizeForLength(RulerOrientation orientation, Size size, int length) {
    length = std::max(length, kMinRulerLength);
    if (IsVertical(orientation)) return {size.width, length};
    if (IsHorizontal(orientation)) return {length, size.height};
    return size;
}

RulerBody BodyOf(RulerOrientation orientation, Size c) {
    const int w = c.width, h = c.height;
    switch (orientation) {
        case roHorizontalTop:
            return {{1, 0, w, h - 1}, {{{0, 0}, {0, h - 1}, {w - 1, h - 1}, {w - 1, -1}}}};
        case roHorizontalBottom: return {{1, 1, w, h}, {{{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h}}}};
        case roVerticalRight: return {{0, 1, w, h - 1}, {{{w, 0}, {0, 0}, {0, h - 1}, {w, h - 1}}}};
        default: return {{0, 1, w, h - 1}, {{{-1, 0}, {w - 1, 0}, {w - 1, h - 1}, {-1, h - 1}}}};
    }
}

RulerPose Rotated(const RulerPose& p) {
    const int l = p.bounds.left, t = p.bounds.top;
    const int w = p.bounds.width(), h = p.bounds.height();
    switch (p.orientation) {
        case roHorizontalTop: return {roVerticalRight, Rect::FromBounds(l - h, t, h, w)};
        case roHorizontalBottom: return {roVerticalLeft, Rect::FromBounds(l, t + h, h, w)};
        case roVerticalRight: return {roHorizontalTop, Rect::FromBounds(l + w, t, h, w)};
        case roVerticalLeft: return {roHorizontalBottom, Rect::FromBounds(l, t - w, h, w)};
        default: return p;
    }
}

RulerPose Flipped(const RulerPose& p) {
    const int l = p.bounds.left, t = p.bounds.top;
    const int w = p.bounds.width(), h = p.bounds.height();
    switch (p.orientation) {
        case roHorizontalTop: return {roHorizontalBottom, Rect::FromBounds(l, t - h, w, h)};
        case roHorizontalBottom: return {roHorizontalTop, Rect::FromBounds(l, t + h, w, h)};
        case roVerticalRight: return {roVerticalLeft, Rect::FromBounds(l + w, t, w, h)};
        case roVerticalLeft: return {roVerticalRight, Rect::FromBounds(l - w, t, w, h)};
        default: return p;
    }
}

TurnPictures PicturesAfter(RulerTurn turn, RulerOrientation orientation) {
    const wchar_t* flip = orientation == roHorizontalBottom ? L"IMG_RULER_HU"
                          : orientation == roVerticalRight  ? L"IMG_RULER_VR"
                          : orientation == roVerticalLeft   ? L"IMG_RULER_VL"
                                                            : L"IMG_RULER_HA";
    if (turn == RulerTurn::Flip) return {std::nullopt, flip};
    return {IsVertical(orientation) ? L"IMG_RULER_HORIZONTAL" : L"IMG_RULER_VERTICAL", flip};
}

Point ClampRulerPosition(Point p, const Rect& desktop) {
    return {std::max(p.x, desktop.left), std::max(p.y, desktop.top)};
}

std::optional<RulerLine> MeasuredLine(RulerOrientation orientation, const Rect& b) {
    const int l = b.left, t = b.top, w = b.width(), h = b.height();
    switch (orientation) {
        case roHorizontalTop: return RulerLine{{l, t - 1}, {l + w - 1, t - 1}};
        case roHorizontalBottom: return RulerLine{{l, t + h}, {l + w - 1, t + h}};
        case roVerticalRight: return RulerLine{{l + w, t}, {l + w, t + h - 1}};
        case roVerticalLeft: return RulerLine{{l - 1, t}, {l - 1, t + h - 1}};
        default: return std::nullopt;
    }
}

Point DisplayedPosition(RulerOrientation orientation, const Rect& b) {
    switch (orientation) {
        case roHorizontalTop: return {b.left, b.top};
        case roHorizontalBottom: return {b.left, b.top + b.height()};
        case roVerticalRight: return {b.left + b.width() - 1, b.top};
        case roVerticalLeft: return {b.left - 1, b.top};
        default: return {0, 0};
    }
}

DragMode DragModeAt(RulerOrientation orientation, Point c, Size size) {
    if (IsVertical(orientation)) return c.y > size.height - 5 ? kDragHeight : kDragMove;
    return c.x > size.width - 5 ? kDragWidth : kDragMove;
}

std::optional<KeyAction> KeyActionFor(ArrowKey key, bool shift, bool ctrl, bool alt,
                                      RulerOrientation orientation) {
    if (alt) return std::nullopt;
    const int step = ctrl ? 5 : 1;
    const bool back = key == ArrowKey::Left || key == ArrowKey::Up;
    const bool horizontalKey = key == ArrowKey::Left || key == ArrowKey::Right;
    if (!shift) {
        const int d = back ? -step : step;
        return KeyAction{horizontalKey ? Point{d, 0} : Point{0, d}, 0};
    }
    // Shift stretches: left and right a horizontal ruler, up and down a vertical one.
    if (horizontalKey != IsHorizontal(orientation)) return std::nullopt;
    return KeyAction{{0, 0}, back ? -step : step};
}

}  // namespace vix
