#include "ui/edit_keys.h"

#include <commctrl.h>

#include <unordered_map>

#include "platform/system_libraries.h"
#include "platform/window.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x56495845;  // "VIXE"

struct EditHandlers {
    std::function<bool(wchar_t)> onChar;
    std::function<void()> onExit;
};

std::unordered_map<HWND, EditHandlers>& Handlers() {
    CheckUiThread();
    static std::unordered_map<HWND, EditHandlers> handlers;
    return handlers;
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    if (message == WM_CHAR) {
        auto it = Handlers().find(hwnd);
        bool keep = false;
        if (it != Handlers().end() && it->second.onChar) {
            const auto handler = it->second.onChar;
            // An error raised by the handler is shown; the field goes on.
            platform::Guarded([&] { keep = handler(static_cast<wchar_t>(wParam)); });
        }
        if (keep) return 0;
    } else if (message == WM_KILLFOCUS) {
        // The field finishes losing the focus before its handler runs.
        const LRESULT result = platform::late::DefSubclassProc(hwnd, message, wParam, lParam);
        auto it = Handlers().find(hwnd);
        if (it != Handlers().end() && it->second.onExit &&
            LeavesForSameWindow(hwnd, reinterpret_cast<HWND>(wParam))) {
            const auto handler = it->second.onExit;
            platform::Guarded([&] { handler(); });
        }
        return result;
    } else if (message == WM_NCDESTROY) {
        Handlers().erase(hwnd);
        platform::late::RemoveWindowSubclass(hwnd, &EditProc, kSubclassId);
    }
    return platform::late::DefSubclassProc(hwnd, message, wParam, lParam);
}

void Subclass(HWND edit) { platform::late::SetWindowSubclass(edit, &EditProc, kSubclassId, 0); }

}  // namespace

bool LeavesForSameWindow(HWND from, HWND to) {
    if (!to || to == from) return false;
    return ::GetAncestor(to, GA_ROOT) == ::GetAncestor(from, GA_ROOT);
}

void OnEditChar(HWND edit, std::function<bool(wchar_t)> onChar) {
    Handlers()[edit].onChar = std::move(onChar);
    Subclass(edit);
}

void OnEditExit(HWND edit, std::function<void()> onExit) {
    Handlers()[edit].onExit = std::move(onExit);
    Subclass(edit);
}

}  // namespace vix::ui
