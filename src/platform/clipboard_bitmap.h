#pragma once

#include <windows.h>

// The clipboard's standard bitmap format.

namespace vix::platform {

// Replaces the clipboard's contents by a copy of `picture` (CF_BITMAP), then
// reads the format back: true only when the clipboard holds the handle just
// put there. False also when the clipboard cannot be opened or the copy
// cannot be made.
bool PutBitmapOnClipboard(HWND owner, HBITMAP picture);

}  // namespace vix::platform
