#pragma once

#include <windows.h>

#include <functional>

// Keys typed into a standard edit field, seen before the field takes them,
// and the field being left for another control of its window.

namespace vix::ui {

// `onChar` gets every character typed into `edit`; returning true keeps the
// character from the field (as for Enter, which would beep).
void OnEditChar(HWND edit, std::function<bool(wchar_t)> onChar);

// `onExit` runs when the focus moves from `edit` to another control of the
// same top-level window. Focus going to another window (another program, a
// floating tool window, a message box raised by the field's own handler)
// is not leaving the field: the focus comes back to it.
void OnEditExit(HWND edit, std::function<void()> onExit);

// Whether focus moving from `from` to `to` leaves `from` for another control
// of its window.
bool LeavesForSameWindow(HWND from, HWND to);

}  // namespace vix::ui
