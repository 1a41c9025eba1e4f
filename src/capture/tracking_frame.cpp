#include "capture/tracking_frame.h"

namespace vix {

Rect TrackingFrameBounds(const Rect& t) {
    return {t.left - 1, t.top - 1, t.right + 1, t.bottom + 1};
}

std::array<Rect, 4> TrackingFrameRegion(Size s) {
    return {{
        {0, 0, s.width, 1},
        {0, s.height - 1, s.width, s.height},
        {0, 1, 1, s.height - 1},
        {s.width - 1, 1, s.width, s.height - 1},
    }};
}

}  // namespace vix
