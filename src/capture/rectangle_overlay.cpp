#include "capture/rectangle_overlay.h"

namespace vix {
namespace {

constexpr int kHandleHole = 2;  // the centre left out: the square inset by 2

// The part of a handle square lying on the inner side of the frame line:
// towards the window's middle from the line, the line included. A side's
// handle loses the half beyond the line; a corner's, the quarter.
Rect InnerPart(const Rect& square, Size w, int index) {
    Rect r = square;
    const bool left = index == 0 || index == 2 || index == 4;
    const bool right = index == 1 || index == 3 || index == 5;
    const bool top = index == 0 || index == 1 || index == 6;
    const bool bottom = index == 2 || index == 3 || index == 7;
    if (left) r.left = kFrameInset;
    if (right) r.right = w.width - kFrameInset;
    if (top) r.top = kFrameInset;
    if (bottom) r.bottom = w.height - kFrameInset;
    return r;
}

bool InRing(Size w, Point p) {
    const Rect outer{kFrameInset, kFrameInset, w.width - kFrameInset, w.height - kFrameInset};
    const Rect inner{kFrameInset + 1, kFrameInset + 1, w.width - kFrameInset - 1,
                     w.height - kFrameInset - 1};
    return outer.contains(p) && !inner.contains(p);
}

bool InHandleShape(const Rect& square, Size w, int index, Point p) {
    const Rect hole{square.left + kHandleHole, square.top + kHandleHole, square.right - kHandleHole,
                    square.bottom - kHandleHole};
    return square.contains(p) && !hole.contains(p) && !InnerPart(square, w, index).contains(p);
}

}  // namespace

std::array<Rect, 8> HandleSquares(Size w) {
    const int mx = w.width / 2;
    const int my = w.height / 2;
    const int right = w.width - kHandleSize;
    const int bottom = w.height - kHandleSize;
    const int h = kHandleSize / 2;
    return {{
        Rect::FromBounds(0, 0, kHandleSize, kHandleSize),
        Rect::FromBounds(right, 0, kHandleSize, kHandleSize),
        Rect::FromBounds(0, bottom, kHandleSize, kHandleSize),
        Rect::FromBounds(right, bottom, kHandleSize, kHandleSize),
        Rect::FromBounds(0, my - h, kHandleSize, kHandleSize),
        Rect::FromBounds(right, my - h, kHandleSize, kHandleSize),
        Rect::FromBounds(mx - h, 0, kHandleSize, kHandleSize),
        Rect::FromBounds(mx - h, bottom, kHandleSize, kHandleSize),
    }};
}

bool InOverlayRegion(Size w, Point p) {
    if (!Rect{0, 0, w.width, w.height}.contains(p)) return false;
    if (InRing(w, p)) return true;
    const auto squares = HandleSquares(w);
    for (int i = 0; i < 8; ++i)
        if (InHandleShape(squares[static_cast<std::size_t>(i)], w, i, p)) return true;
    return false;
}

std::vector<Rect> OverlayRegion(Size w) {
    std::vector<Rect> rects;
    const int r = w.width - kFrameInset - 1;
    const int b = w.height - kFrameInset - 1;
    if (r >= kFrameInset && b >= kFrameInset) {
        rects.push_back({kFrameInset, kFrameInset, r + 1, kFrameInset + 1});
        rects.push_back({kFrameInset, b, r + 1, b + 1});
        rects.push_back({kFrameInset, kFrameInset, kFrameInset + 1, b + 1});
        rects.push_back({r, kFrameInset, r + 1, b + 1});
    }
    // Each handle shape cut into the rows of its square that differ: the
    // outer two rows, the two beside the hole, and so on. Per row, the
    // square's pixels outside the hole and outside the inner part.
    const auto squares = HandleSquares(w);
    for (int i = 0; i < 8; ++i) {
        const Rect& s = squares[static_cast<std::size_t>(i)];
        for (int y = s.top; y < s.bottom; ++y) {
            int runStart = s.left;
            for (int x = s.left; x <= s.right; ++x) {
                const bool in =
                    x < s.right && InOverlayRegion(w, {x, y}) && InHandleShape(s, w, i, {x, y});
                if (!in) {
                    if (x > runStart) rects.push_back({runStart, y, x, y + 1});
                    runStart = x + 1;
                }
            }
        }
    }
    return rects;
}

bool DashIsBlack(int c, int phase) {
    int m = (c + phase) % kDashPhases;
    if (m < 0) m += kDashPhases;
    return m < kDashPhases / 2;
}

int NextDashPhase(int phase) { return phase <= 0 ? kDashPhases - 1 : phase - 1; }

std::vector<InkRun> DashRuns(Size w, int phase) {
    std::vector<InkRun> runs;
    const int r = w.width - kFrameInset - 1;   // the right line's column
    const int b = w.height - kFrameInset - 1;  // the bottom line's row
    if (r < kFrameInset || b < kFrameInset) return runs;
    // Runs of one colour along c in [from, to) of a line at `at`.
    auto line = [&](bool horizontal, int at, int from, int to) {
        for (int start = from; start < to;) {
            const bool black = DashIsBlack(start, phase);
            int end = start + 1;
            while (end < to && DashIsBlack(end, phase) == black)
                ++end;
            runs.push_back(
                {horizontal ? Rect{start, at, end, at + 1} : Rect{at, start, at + 1, end}, black});
            start = end;
        }
    };
    // Each line from its start to its end point, the end point left out.
    line(true, kFrameInset, kFrameInset, r);   // top
    line(false, kFrameInset, kFrameInset, b);  // left
    line(false, r, kFrameInset, b);            // right
    line(true, b, kFrameInset, r);             // bottom
    return runs;
}

Ink OverlayInk(Size w, int phase, Point p) {
    if (!InOverlayRegion(w, p)) return Ink::kNone;
    const int r = w.width - kFrameInset - 1;
    const int b = w.height - kFrameInset - 1;
    // The dashes are drawn last. The top and bottom lines count along x and
    // stop short of the right line; the side lines count along y and stop
    // short of the bottom line, so the corner (r, b) gets no dash.
    if (InRing(w, p) && !(p.x == r && p.y == b)) {
        const bool horizontal = (p.y == kFrameInset || p.y == b) && p.x < r;
        return DashIsBlack(horizontal ? p.x : p.y, phase) ? Ink::kBlack : Ink::kWhite;
    }
    // Under them the handles, outlined black and filled white, each drawn
    // over the ones before it.
    Ink ink = Ink::kNone;
    for (const Rect& s : HandleSquares(w)) {
        if (!s.contains(p)) continue;
        const bool edge =
            p.x == s.left || p.x == s.right - 1 || p.y == s.top || p.y == s.bottom - 1;
        ink = edge ? Ink::kBlack : Ink::kWhite;
    }
    return ink;
}

}  // namespace vix
