#include "spacing/edge_walk.h"

#include <algorithm>

namespace vix {
namespace {

// The stretch [low, high] of line `fixed` through `along` that monitors
// cover without a gap, in screen coordinates. `horizontal`: along a row.
std::optional<std::pair<int, int>> CoveredStretch(std::span<const Rect> monitors, Point at,
                                                  bool horizontal) {
    const int along = horizontal ? at.x : at.y;
    const int fixed = horizontal ? at.y : at.x;
    const auto low = [&](const Rect& m) { return horizontal ? m.left : m.top; };
    const auto high = [&](const Rect& m) { return (horizontal ? m.right : m.bottom) - 1; };
    const auto crosses = [&](const Rect& m) {
        return horizontal ? fixed >= m.top && fixed < m.bottom : fixed >= m.left && fixed < m.right;
    };
    std::optional<std::pair<int, int>> stretch;
    for (const Rect& m : monitors)
        if (crosses(m) && along >= low(m) && along <= high(m)) stretch = {low(m), high(m)};
    if (!stretch) return std::nullopt;
    // Monitors side by side extend it; a handful at most, so a few rounds.
    for (bool grew = true; grew;) {
        grew = false;
        for (const Rect& m : monitors) {
            // Touching or overlapping the stretch, and reaching beyond it.
            if (!crosses(m) || low(m) > stretch->second + 1 || high(m) < stretch->first - 1)
                continue;
            if (low(m) < stretch->first || high(m) > stretch->second) {
                stretch->first = std::min(stretch->first, low(m));
                stretch->second = std::max(stretch->second, high(m));
                grew = true;
            }
        }
    }
    return stretch;
}

// How many steps of `step` words from `start` stay like the start pixel,
// at most `limit`.
int LikeSteps(const std::uint32_t* start, std::ptrdiff_t step, int limit, int tolerance) {
    const std::uint32_t first = *start;
    const std::uint32_t* p = start;
    int n = 0;
    while (n < limit) {
        p += step;
        if (*p != first && !WithinTolerance(*p, first, tolerance)) break;
        ++n;
    }
    return n;
}

}  // namespace

std::optional<EdgeSpans> WalkEdges(const DesktopPixels& desktop, Point at, int tolerance) {
    const int x = at.x - desktop.origin.x;
    const int y = at.y - desktop.origin.y;
    if (x < 0 || y < 0 || x >= desktop.width || y >= desktop.height) return std::nullopt;
    auto row = CoveredStretch(desktop.monitors, at, true);
    auto column = CoveredStretch(desktop.monitors, at, false);
    if (!row || !column) return std::nullopt;
    // The copy may be smaller than the monitors say (a monitor added since).
    row->first = std::max(row->first, desktop.origin.x);
    row->second = std::min(row->second, desktop.origin.x + desktop.width - 1);
    column->first = std::max(column->first, desktop.origin.y);
    column->second = std::min(column->second, desktop.origin.y + desktop.height - 1);

    const std::uint32_t* start =
        desktop.pixels.data() + static_cast<std::ptrdiff_t>(y) * desktop.width + x;
    const std::ptrdiff_t down = desktop.width;
    return EdgeSpans{.left = at.x - LikeSteps(start, -1, at.x - row->first, tolerance),
                     .right = at.x + LikeSteps(start, 1, row->second - at.x, tolerance),
                     .top = at.y - LikeSteps(start, -down, at.y - column->first, tolerance),
                     .bottom = at.y + LikeSteps(start, down, column->second - at.y, tolerance)};
}

}  // namespace vix
