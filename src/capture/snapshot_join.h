#pragma once

#include <cstdint>
#include <optional>

#include "capture/image_error.h"
#include "capture/pixel_view.h"
#include "common/geometry.h"

// The snapshot's geometry: whether a capture replaces the snapshot or is
// joined to it, the union it then covers and where each picture lands.
// Screen coordinates may be negative (monitors left of or above the primary
// one); joined captures keep their true screen positions.
//
// A capture is taken in three steps so that a refusal or a failed allocation
// leaves the previous snapshot as it was: PlanCapture, then the caller makes
// a bitmap of the plan's size and fills it with ComposeCapture (or with
// ComposeCapture and its own screen copy), and only then takes the new state.

namespace vix {

// The largest snapshot held: 2 GB of pixels, which a bitmap's 32-bit size
// field and a 32-bit process can still hold.
inline constexpr std::int64_t kMaxSnapshotBytes = 0x7FFFFFFF;

struct SnapshotState {
    Rect rect;                 // the screen area the picture covers (right, bottom exclusive)
    bool firstCapture = true;  // until the first capture arrives: it always replaces

    // 0 x 0 before the first capture: the outputs have nothing to write.
    bool empty() const { return rect.right <= rect.left || rect.bottom <= rect.top; }
};

struct CapturePlan {
    bool join = false;  // false: the capture replaces the snapshot
    Rect rect;          // the screen area of the new snapshot
    // Where the previous snapshot (join only; else empty) and the capture
    // lie in the new picture, in its own pixels.
    Rect previousPart;
    Rect capturePart;

    Size size() const { return {rect.width(), rect.height()}; }
    // The state once the new picture is in place.
    SnapshotState After() const { return {rect, false}; }
};

// How a capture of the screen area `area` changes the snapshot: with
// `multiCapture` ticked it is joined to a snapshot that exists, otherwise it
// replaces it. Refused (and nothing changes) when the area is empty or the
// new picture would be larger than kMaxSnapshotBytes.
std::optional<ImageError> PlanCapture(const SnapshotState& state, const Rect& area,
                                      bool multiCapture, CapturePlan& plan);

// Fills `target` (of the plan's size) with the new snapshot: the previous
// picture in previousPart (join only), the capture in capturePart over it
// (the newest wins where they overlap), black with a zero fourth byte where
// neither lies. Each pixel is written once. An empty `capture` leaves its
// area untouched for the caller to copy the screen straight into. Anything
// that would fall outside `target` is cut off.
void ComposeCapture(const CapturePlan& plan, const PixelView& previous, const PixelView& capture,
                    const MutablePixelView& target);

// Where the cursor image goes in the snapshot: its hot spot on the pointer,
// relative to the top-left corner of the area the snapshot covers.
Point CursorDrawPosition(Point pointer, Point hotSpot, const Rect& snapshotRect);

}  // namespace vix
