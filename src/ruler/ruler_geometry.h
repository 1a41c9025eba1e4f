#pragma once

#include <array>
#include <optional>

#include "common/geometry.h"
#include "ruler/ruler_scale.h"

// The ruler window's shape and movements: its body and border, what a turn or
// a flip does to its bounds, the line it measures, dragging and arrow keys.

namespace vix {

inline constexpr int kRulerThickness = 30;
inline constexpr int kMinRulerLength = 5;
inline constexpr int kDefaultRulerLength = 200;

// The length is the width of a horizontal ruler and the height of a vertical
// one; 0 for an unknown orientation.
int RulerLength(RulerOrientation orientation, Size size);
// The window size for `length` (raised to 5) along the ruler's direction.
Size SizeForLength(RulerOrientation orientation, Size size, int length);

// The body's fill rectangle (right and bottom exclusive) and the border's
// polyline (each segment without its end point).
struct RulerBody {
    Rect fill;
    std::array<Point, 4> border;
};
RulerBody BodyOf(RulerOrientation orientation, Size client);

struct RulerPose {
    RulerOrientation orientation;
    Rect bounds;
    friend bool operator==(const RulerPose&, const RulerPose&) = default;
};

// A quarter turn that keeps the start of the graduated edge in place: 1 <-> 3
// and 2 <-> 4. Unknown orientations stay as they are.
RulerPose Rotated(const RulerPose& pose);
// The graduated edge to the other long side: 1 <-> 2 and 3 <-> 4.
RulerPose Flipped(const RulerPose& pose);

// The pictures of the main window's rotate and flip buttons after a turn,
// by resource name: a rotation sets both, a flip only the flip button's.
enum class RulerTurn { Rotate, Flip };
struct TurnPictures {
    std::optional<const wchar_t*> rotate;
    const wchar_t* flip;
};
TurnPictures PicturesAfter(RulerTurn turn, RulerOrientation orientation);

// The window's place held to the virtual desktop's left and top edges; the
// right and bottom are not held.
Point ClampRulerPosition(Point p, const Rect& desktop);

// The row or column of screen pixels just outside the graduated edge, and the
// position shown for the ruler. No line for an unknown orientation; the
// position is then (0, 0).
struct RulerLine {
    Point from;
    Point to;
    friend bool operator==(const RulerLine&, const RulerLine&) = default;
};
std::optional<RulerLine> MeasuredLine(RulerOrientation orientation, const Rect& bounds);
Point DisplayedPosition(RulerOrientation orientation, const Rect& bounds);

// What a left-button drag does, chosen from where it starts.
enum DragMode : int { kDragMove = 0, kDragWidth = 1, kDragHeight = 2, kDragNone = 99 };
// The last four pixels of the far end stretch; elsewhere the ruler moves.
DragMode DragModeAt(RulerOrientation orientation, Point client, Size size);

// An arrow key's action: a move, or a change of length.
struct KeyAction {
    Point move;
    int lengthChange;
    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};
enum class ArrowKey { Left, Right, Up, Down };
// Only no modifier, Ctrl, Shift or Shift+Ctrl act; any set with Alt does not.
std::optional<KeyAction> KeyActionFor(ArrowKey key, bool shift, bool ctrl, bool alt,
                                      RulerOrientation orientation);

}  // namespace vix
