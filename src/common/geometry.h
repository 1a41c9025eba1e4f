#pragma once

// Screen geometry shared by the portable logic. Plain value types: the Windows
// side converts to and from POINT and RECT at its own boundary.

namespace vix {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive, as in GDI.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromBounds(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// `r` moved by `dx` across and `dy` down.
constexpr Rect Moved(const Rect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// The part both rectangles cover; empty (width or height 0 or less) if none.
constexpr Rect Intersection(const Rect& a, const Rect& b) {
    return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

}  // namespace vix
