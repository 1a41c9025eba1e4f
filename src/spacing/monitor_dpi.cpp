#include "spacing/monitor_dpi.h"

#include <algorithm>

namespace vix {
namespace {

// The square of how far `p` lies from the nearest pixel of `r`: 0 inside.
long long DistanceSquared(const Rect& r, Point p) {
    const long long dx = std::max({r.left - p.x, 0, p.x - (r.right - 1)});
    const long long dy = std::max({r.top - p.y, 0, p.y - (r.bottom - 1)});
    return dx * dx + dy * dy;
}

}  // namespace

int DpiAt(Point at, std::span<const Rect> monitors, std::span<const int> dpis, int fallback) {
    std::size_t nearest = monitors.size();
    long long nearestDistance = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long long distance = DistanceSquared(monitors[i], at);
        if (nearest == monitors.size() || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    if (nearest >= dpis.size() || dpis[nearest] <= 0) return fallback;
    return dpis[nearest];
}

}  // namespace vix
