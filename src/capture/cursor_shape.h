#pragma once

#include <windows.h>

#include <optional>

#include "common/geometry.h"

// The mouse cursor as the user sees it now, for drawing into a capture.

namespace vix {

struct CursorShape {
    HCURSOR cursor = nullptr;  // shared, not ours to destroy
    Point hotSpot;
};

// The cursor shown by the thread of the window under the pointer: asked
// directly when that is our own thread, else by attaching our input to that
// thread for the question. Nothing when attaching fails or no cursor shows.
std::optional<CursorShape> CurrentCursorShape(Point pointer);

// Draws `shape` at its natural size with its mask into `dc`, its top-left corner at `at`.
void DrawCursorShape(HDC dc, const CursorShape& shape, Point at);

}  // namespace vix
