#pragma once

#include "common/geometry.h"

// The screen as the program sees it: physical pixels (the process is
// per-monitor DPI aware), the primary screen's origin at (0, 0).

namespace vix::platform {

// All monitors together; left and top are negative when a monitor lies left
// of or above the primary one.
Rect VirtualDesktop();
Size PrimaryScreen();
// The screen's logical pixels per inch (96 on a standard screen).
int ScreenDpi();
// Makes the process per-monitor DPI aware where the manifest could not.
void DeclareDpiAwareness();

}  // namespace vix::platform
