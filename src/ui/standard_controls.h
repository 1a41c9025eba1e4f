#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string_view>

#include "common/geometry.h"

// The platform's own controls (buttons, radio buttons, lists, edit fields)
// placed on our panels, in the skin's font. They are destroyed with their
// parent.

namespace vix::ui {

HWND CreateStandardControl(HWND parent, const wchar_t* windowClass, std::wstring_view text,
                           DWORD style, const Rect& bounds, int id = 0, HFONT font = nullptr);

// A drop-down list (no typing) with these items.
HWND CreateDropDownList(HWND parent, const Rect& bounds,
                        std::initializer_list<const wchar_t*> items, int id = 0);

// A button's click (BN_CLICKED), also that of a check box or radio button.
void OnClick(HWND button, std::function<void()> handler);
// Whether a check box or radio button is checked, and checking it.
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// Right-clicks on `control` open no context menu.
void SuppressContextMenu(HWND control);
bool ContextMenuSuppressed(HWND control);

}  // namespace vix::ui
