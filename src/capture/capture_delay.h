#pragma once

#include <array>
#include <string>

#include "settings/settings_table.h"

// The wait before the whole screen or the control under the pointer is
// taken, so that a menu or a tool tip can be opened first: the capture
// page's "Delay" list, remembered in the settings.

namespace vix {

// The list's choices in seconds, "none" first.
inline constexpr std::array<int, 5> kDelayChoices = {0, 1, 3, 5, 10};

inline constexpr SettingDef kCaptureDelay = ToolNumber(L"CaptureDelay", 0, 0, 10);

// The list item of a stored delay: a number that is none of the choices
// (written by hand) is "none".
int DelayChoiceIndex(int seconds);
// The item's text: "none", "1 s", "10 s".
std::wstring DelayChoiceText(int seconds);

// The information bar while the delay runs, `msLeft` milliseconds before
// the capture: whole seconds, rounded up, so that it never shows 0 s.
std::wstring CountdownText(long long msLeft);

}  // namespace vix
