#include "ui/hints.h"

#include <unordered_map>

#include "platform/gdi.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

std::unordered_map<HWND, std::wstring>& Hints() {
    CheckUiThread();
    static std::unordered_map<HWND, std::wstring> hints;
    return hints;
}

bool Contains(HWND window, POINT screen) {
    RECT r{};
    if (!::IsWindowVisible(window) || !::GetWindowRect(window, &r) || !::PtInRect(&r, screen))
        return false;
    RECT box{};
    if (::GetWindowRgnBox(window, &box) == ERROR) return true;  // no region: the rectangle
    // One region object serves every look; this runs whenever the loop idles.
    CheckUiThread();
    static const platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    ::GetWindowRgn(window, region.get());
    return ::PtInRegion(region.get(), screen.x - r.left, screen.y - r.top);
}

// The topmost child of `parent` that contains the point, regions included.
HWND ChildAt(HWND parent, POINT screen) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (Contains(child, screen)) return child;
    }
    return nullptr;
}

}  // namespace

void SetHint(HWND control, std::wstring hint) { Hints()[control] = std::move(hint); }

void ForgetHint(HWND control) { Hints().erase(control); }

std::wstring HintOf(HWND control) {
    auto it = Hints().find(control);
    return it == Hints().end() ? std::wstring() : it->second;
}

HWND ControlAt(POINT screen) {
    HWND top = ::WindowFromPoint(screen);
    if (!top) return nullptr;
    top = ::GetAncestor(top, GA_ROOT);
    DWORD process = 0;
    ::GetWindowThreadProcessId(top, &process);
    if (process != ::GetCurrentProcessId()) return nullptr;
    // WindowFromPoint skips disabled controls, whose hints still show; walk
    // down from the top-level window instead.
    HWND found = top;
    while (HWND child = ChildAt(found, screen))
        found = child;
    return found;
}

std::wstring HintOfControl(HWND control) {
    for (HWND w = control; w; w = ::GetAncestor(w, GA_PARENT)) {
        if (!(::GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) return HintOf(w);
        if (std::wstring hint = HintOf(w); !hint.empty()) return hint;
    }
    return {};
}

}  // namespace vix::ui
