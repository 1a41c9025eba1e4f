#include "ui/edit_keys.h"

#include <commctrl.h>

#include <unordered_map>

#include "platform/window.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x56495845;  // "VIXE"

std::unordered_map<HWND, std::function<bool(wchar_t)>>& Handlers() {
    CheckUiThread();
    static std::unordered_map<HWND, std::function<bool(wchar_t)>> handlers;
    return handlers;
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    if (message == WM_CHAR) {
        auto it = Handlers().find(hwnd);
        bool keep = false;
        if (it != Handlers().end()) {
            const auto handler = it->second;
            // An error raised by the handler is shown; the field goes on.
            platform::Guarded([&] { keep = handler(static_cast<wchar_t>(wParam)); });
        }
        if (keep) return 0;
    } else if (message == WM_NCDESTROY) {
        Handlers().erase(hwnd);
        ::RemoveWindowSubclass(hwnd, &EditProc, kSubclassId);
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void OnEditChar(HWND edit, std::function<bool(wchar_t)> onChar) {
    Handlers()[edit] = std::move(onChar);
    ::SetWindowSubclass(edit, &EditProc, kSubclassId, 0);
}

}  // namespace vix::ui
