#include "app/window_placement.h"

#include "settings/settings.h"

namespace vix {

Point InitialWindowPosition(const PlacementInput& in) {
    const bool unset = in.lastX == kUnsetPosition || in.lastY == kUnsetPosition;
    if (!in.rememberPosition || unset) {
        // Integer halves round toward zero, as the window has always been placed.
        return {in.primaryScreen.width / 2 - in.window.width / 2,
                in.primaryScreen.height / 2 - in.window.height / 2};
    }
    // Raise first, then lower: on a desktop smaller than the window the far
    // edge wins, as it always has.
    Point p{in.lastX, in.lastY};
    if (p.x < in.virtualDesktop.left) p.x = in.virtualDesktop.left;
    if (p.y < in.virtualDesktop.top) p.y = in.virtualDesktop.top;
    if (p.x > in.virtualDesktop.right - in.window.width)
        p.x = in.virtualDesktop.right - in.window.width;
    if (p.y > in.virtualDesktop.bottom - in.window.height)
        p.y = in.virtualDesktop.bottom - in.window.height;
    return p;
}

}  // namespace vix
