// Vix32.dll: the screen-wide mouse hook of the picker and the three capture
// modes. One low-level mouse hook serves whichever tool is armed. Its callback
// only hands the event to the decisions (hooks/hook_decisions.h) and carries
// out what they say: post a report, keep the event from the window under the
// pointer, remove the hook.

#define VIX32_BUILDING
#include "hooks/vix32_api.h"

#include "hooks/hook_decisions.h"
#include "platform/handle.h"

#ifndef VIX32_VERSION
#define VIX32_VERSION 2
#endif

namespace {

using namespace vix::hooks;

struct HookState {
    HWND main = nullptr;
    vix::platform::Hook hook;
    HookDecisions decisions;
};

// The hook runs on the thread that installed it (the program's UI thread),
// so this state is only ever touched from that thread.
HookState g_state;

MouseEvent EventOf(WPARAM message) {
    switch (message) {
        case WM_MOUSEMOVE: return MouseEvent::Move;
        case WM_LBUTTONDOWN: return MouseEvent::LeftDown;
        case WM_LBUTTONUP: return MouseEvent::LeftUp;
        case WM_RBUTTONDOWN: return MouseEvent::RightDown;
        case WM_RBUTTONUP: return MouseEvent::RightUp;
        default: return MouseEvent::Other;
    }
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION) return ::CallNextHookEx(nullptr, code, wParam, lParam);
    const POINT pt = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
    const Decision d = g_state.decisions.OnMouse(EventOf(wParam), {pt.x, pt.y});
    for (const auto& report : {d.before, d.report})
        if (report && g_state.main)
            ::PostMessageW(g_state.main, report->message, report->wParam,
                           static_cast<LPARAM>(report->lParam));
    // Removing the hook inside its own callback is allowed; the event is
    // answered below either way.
    if (d.releaseHook) g_state.hook.reset();
    if (d.swallow) return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

HHOOK InstallHook(HMODULE self) {
#ifdef VIX32_REFUSE_HOOKS
    // Test build: the system refuses the hook (an unknown hook type), so the
    // failure path runs against the real call.
    return ::SetWindowsHookExW(-100, MouseHook, self, 0);
#else
    return ::SetWindowsHookExW(WH_MOUSE_LL, MouseHook, self, 0);
#endif
}

vix::Rect VirtualDesktop() {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return vix::Rect::FromBounds(x, y, ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                 ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

// TRUE once the hook is in place for `tool`; FALSE with the system's error
// code for GetLastError when it could not be installed (the tool is then
// not armed and nothing is reported).
BOOL Arm(HookTool tool) {
    if (!g_state.hook) {
        HMODULE self = nullptr;
        ::GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&MouseHook), &self);
        g_state.hook.reset(InstallHook(self));
        if (!g_state.hook) {
            const DWORD error = ::GetLastError();
            ::SetLastError(error ? error : ERROR_HOOK_NOT_INSTALLED);
            return FALSE;
        }
    }
    g_state.decisions.Arm(tool, VirtualDesktop());
    return TRUE;
}

void Disarm(HookTool tool) {
    if (g_state.decisions.Disarm(tool)) g_state.hook.reset();
}

}  // namespace

int WINAPI GetDllVersion() { return VIX32_VERSION; }
void WINAPI SetMainHandle(HWND window) { g_state.main = window; }
BOOL WINAPI SetColorPickerHook() { return Arm(HookTool::Picker); }
void WINAPI UnSetColorPickerHook() { Disarm(HookTool::Picker); }
BOOL WINAPI SetScreenCaptureHook() { return Arm(HookTool::ScreenCapture); }
void WINAPI UnSetScreenCaptureHook() { Disarm(HookTool::ScreenCapture); }
BOOL WINAPI SetRectangleCaptureHook() { return Arm(HookTool::RectangleCapture); }
void WINAPI UnSetRectangleCaptureHook() { Disarm(HookTool::RectangleCapture); }
BOOL WINAPI SetControlCaptureHook() { return Arm(HookTool::ControlCapture); }
void WINAPI UnSetControlCaptureHook() { Disarm(HookTool::ControlCapture); }

void WINAPI SetCaptureRectangleArea(LONG left, LONG top, LONG right, LONG bottom) {
    g_state.decisions.SetArea({left, top, right, bottom});
}
