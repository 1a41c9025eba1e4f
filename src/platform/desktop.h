#pragma once

#include <span>
#include <vector>

#include "common/geometry.h"

// The screen as the program sees it: physical pixels (the process is
// per-monitor DPI aware), the primary screen's origin at (0, 0).

namespace vix::platform {

// All monitors together; left and top are negative when a monitor lies left
// of or above the primary one. Kept from the last look, because asking is slow
// under Wine and the 15 ms tools ask all the time.
Rect VirtualDesktop();
// Every monitor's rectangle, in the order the system lists them, asked
// anew at each call (a tool asks once when it starts).
std::vector<Rect> MonitorRects();
// Looks at the monitors and the DPI again: on WM_DISPLAYCHANGE and
// WM_SETTINGCHANGE. All three answers are kept from the last look.
void RefreshDesktopMetrics();
Size PrimaryScreen();
// The screen's logical pixels per inch (96 on a standard screen).
int ScreenDpi();
// The pixels per inch of each of `monitors` (as MonitorRects lists them),
// in their order: what each one's scale makes of an inch. The system's
// figure (ScreenDpi) for a monitor the system cannot tell apart, as before
// Windows 8.1.
std::vector<int> MonitorDpis(std::span<const Rect> monitors);
// Makes the process per-monitor DPI aware where the manifest could not.
void DeclareDpiAwareness();

}  // namespace vix::platform
