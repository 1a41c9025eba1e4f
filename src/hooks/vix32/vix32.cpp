// Vix32.dll: the screen-wide mouse hook of the picker and the three capture
// modes. One low-level mouse hook serves whichever tool is armed; its callback
// only decides which report to post to the main window and whether the event
// goes on to the window under the pointer.

#define VIX32_BUILDING
#include "hooks/vix32_api.h"

#include "hooks/hook_protocol.h"
#include "platform/handle.h"

#ifndef VIX32_VERSION
#define VIX32_VERSION 2
#endif

namespace {

using namespace vix::hooks;

enum class Mode { None, Picker, ScreenCapture, RectangleCapture, ControlCapture, Draining };

struct HookState {
    HWND main = nullptr;
    vix::platform::Hook hook;
    Mode mode = Mode::None;
    vix::Rect area;
    Zone zone = Zone::None;
    bool dragging = false;
    // A right-button press was kept from the window underneath: keep its
    // release too, even when the tool is switched off in between.
    bool rightPressKept = false;
};

// The hook runs on the thread that installed it (the program's UI thread),
// so this state is only ever touched from that thread.
HookState g_state;

void Post(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    if (g_state.main) ::PostMessageW(g_state.main, message, wParam, lParam);
}

WPARAM Packed(POINT pt) { return PackPoint({pt.x, pt.y}); }

void Unhook() {
    g_state.hook.reset();
    g_state.mode = Mode::None;
    g_state.dragging = false;
}

// Right button: every armed tool takes the press as its "do it" click.
bool RightButton(WPARAM event, POINT pt) {
    if (event == WM_RBUTTONDOWN) {
        switch (g_state.mode) {
            case Mode::Picker: Post(kPickerSample, Packed(pt)); break;
            case Mode::ScreenCapture: Post(kScreenCaptureClick, 0); break;
            case Mode::ControlCapture: Post(kControlCaptureClick, 0); break;
            case Mode::RectangleCapture: Post(kRectangleEvent, kCaptureClick); break;
            default: return false;
        }
        g_state.rightPressKept = true;
        return true;
    }
    if (!g_state.rightPressKept) return false;
    g_state.rightPressKept = false;
    if (g_state.mode == Mode::Draining) Unhook();
    return true;
}

bool RectangleEvent(WPARAM event, POINT pt) {
    const Zone zone = HitZone(g_state.area, {pt.x, pt.y});
    switch (event) {
        case WM_MOUSEMOVE:
            if (!g_state.dragging && zone != g_state.zone) {
                g_state.zone = zone;
                Post(kRectangleEvent, kZoneChanged, static_cast<LPARAM>(zone));
            }
            return false;
        case WM_LBUTTONDOWN:
            if (zone == Zone::None) return false;
            g_state.dragging = true;
            Post(kRectangleEvent, kDragStart);
            return true;
        case WM_LBUTTONUP:
            if (!g_state.dragging) return false;
            g_state.dragging = false;
            Post(kRectangleEvent, kDragEnd);
            return true;
        default: return false;
    }
}

// True when the event must not reach the window under the pointer.
bool Decide(WPARAM event, POINT pt) {
    if (event == WM_RBUTTONDOWN || event == WM_RBUTTONUP) return RightButton(event, pt);
    switch (g_state.mode) {
        case Mode::Picker:
            if (event == WM_MOUSEMOVE) Post(kPickerMoved, Packed(pt));
            return false;
        case Mode::RectangleCapture: return RectangleEvent(event, pt);
        default: return false;
    }
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && Decide(wParam, reinterpret_cast<MSLLHOOKSTRUCT*>(lParam)->pt))
        return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void Arm(Mode mode) {
    g_state.mode = mode;
    g_state.dragging = false;
    g_state.zone = Zone::None;
    if (!g_state.hook) {
        HMODULE self = nullptr;
        ::GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&MouseHook), &self);
        g_state.hook.reset(::SetWindowsHookExW(WH_MOUSE_LL, MouseHook, self, 0));
    }
}

void Disarm(Mode mode) {
    if (g_state.mode != mode) return;
    if (g_state.rightPressKept) {
        // Keep listening until the kept press is released, then let go.
        g_state.mode = Mode::Draining;
        return;
    }
    Unhook();
}

}  // namespace

int WINAPI GetDllVersion() { return VIX32_VERSION; }
void WINAPI SetMainHandle(HWND window) { g_state.main = window; }
void WINAPI SetColorPickerHook() { Arm(Mode::Picker); }
void WINAPI UnSetColorPickerHook() { Disarm(Mode::Picker); }
void WINAPI SetScreenCaptureHook() { Arm(Mode::ScreenCapture); }
void WINAPI UnSetScreenCaptureHook() { Disarm(Mode::ScreenCapture); }
void WINAPI SetRectangleCaptureHook() { Arm(Mode::RectangleCapture); }
void WINAPI UnSetRectangleCaptureHook() { Disarm(Mode::RectangleCapture); }
void WINAPI SetControlCaptureHook() { Arm(Mode::ControlCapture); }
void WINAPI UnSetControlCaptureHook() { Disarm(Mode::ControlCapture); }

void WINAPI SetCaptureRectangleArea(LONG left, LONG top, LONG right, LONG bottom) {
    g_state.area = {left, top, right, bottom};
}
