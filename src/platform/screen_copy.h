#pragma once

#include <windows.h>

#include "common/geometry.h"

// Copies of small squares of the screen for the enlarged views.

namespace vix::platform {

// Copies `square` (screen pixels) into `into` at (0, 0) with one
// screen-to-bitmap copy of the part on the virtual desktop; the rest is
// black. (Wine copies nothing at all for a square reaching past the desktop's
// edge.)
void CopyScreenSquare(HDC into, const Rect& square);
// The same from a screen DC the caller holds, for several copies in a row.
void CopyScreenSquare(HDC into, const Rect& square, HDC screen);

}  // namespace vix::platform
