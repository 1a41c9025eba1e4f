#pragma once

#include <windows.h>

#include <functional>

// Keys typed into a standard edit field, seen before the field takes them.

namespace vix::ui {

// `onChar` gets every character typed into `edit`; returning true keeps the
// character from the field (as for Enter, which would beep).
void OnEditChar(HWND edit, std::function<bool(wchar_t)> onChar);

}  // namespace vix::ui
