#pragma once

#include <windows.h>

#include <string>

// Hints are never tool tips: the main window's information bar shows the hint
// of the control under the pointer. A control without a hint of its own
// shows its parent's.

namespace vix::ui {

void SetHint(HWND control, std::wstring hint);
void ForgetHint(HWND control);
std::wstring HintOf(HWND control);

// The program's window under `screen`, to the innermost visible child,
// following window regions; null when the point is over another program.
HWND ControlAt(POINT screen);

// The hint shown for a control found with ControlAt: its own or that of the
// nearest parent that has one; empty for none (outside the program).
std::wstring HintOfControl(HWND control);

}  // namespace vix::ui
