#include "ui/standard_controls.h"

#include <set>
#include <string>

#include "ui/control.h"
#include "ui/skin.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

std::set<HWND>& Suppressed() {
    CheckUiThread();
    static std::set<HWND> controls;
    return controls;
}

}  // namespace

HWND CreateStandardControl(HWND parent, const wchar_t* windowClass, std::wstring_view text,
                           DWORD style, const Rect& b, int id, HFONT font) {
    const std::wstring caption(text);
    HWND control = ::CreateWindowExW(0, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style,
                                     b.left, b.top, b.width(), b.height(), parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>(font ? font : SkinFont(FontId::Main)), FALSE);
    return control;
}

HWND CreateDropDownList(HWND parent, const Rect& bounds,
                        std::initializer_list<const wchar_t*> items, int id) {
    // The list's height is that of the open list; the closed box takes the
    // font's height.
    Rect open = bounds;
    open.bottom = bounds.top + 120;
    HWND list = CreateStandardControl(parent, L"COMBOBOX", L"",
                                      WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, open, id);
    for (const wchar_t* item : items)
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return list;
}

void SuppressContextMenu(HWND control) { Suppressed().insert(control); }

bool ContextMenuSuppressed(HWND control) { return Suppressed().contains(control); }

void OnClick(HWND button, std::function<void()> handler) {
    OnCommand(button, [handler = std::move(handler)](UINT code) {
        if (code == BN_CLICKED) handler();
    });
}

bool IsChecked(HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
    ::SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace vix::ui
