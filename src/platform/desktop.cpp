#include "platform/desktop.h"

#include <windows.h>

#include "platform/gdi.h"
#include "platform/system_libraries.h"

namespace vix::platform {

namespace {

Rect AskVirtualDesktop() {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Rect::FromBounds(x, y, ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

Rect& CachedDesktop() {
    static Rect desktop = AskVirtualDesktop();
    return desktop;
}

// A named callback: the 32-bit system calls it stdcall, which a lambda's
// conversion does not give.
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM into) {
    reinterpret_cast<std::vector<Rect>*>(into)->push_back(
        Rect::FromBounds(r->left, r->top, r->right - r->left, r->bottom - r->top));
    return TRUE;
}

}  // namespace

Rect VirtualDesktop() { return CachedDesktop(); }

std::vector<Rect> MonitorRects() {
    std::vector<Rect> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    // Without an answer the virtual desktop is taken for one monitor.
    if (monitors.empty()) monitors.push_back(VirtualDesktop());
    return monitors;
}

void RefreshDesktopMetrics() { CachedDesktop() = AskVirtualDesktop(); }

Size PrimaryScreen() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

int ScreenDpi() {
    WindowDC screen;
    return ::GetDeviceCaps(screen.get(), LOGPIXELSX);
}

std::vector<int> MonitorDpis(std::span<const Rect> monitors) {
    // Declared here: the header declares it only for newer targets, and
    // shcore.dll is not there before Windows 8.1.
    using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int type, UINT* x, UINT* y);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
    const auto get = BoundFunction<GetDpiForMonitor>(SystemLibrary::Shcore, "GetDpiForMonitor");
    const int system = ScreenDpi();
    std::vector<int> dpis;
    dpis.reserve(monitors.size());
    for (const Rect& m : monitors) {
        const RECT r{m.left, m.top, m.right, m.bottom};
        const HMONITOR monitor = ::MonitorFromRect(&r, MONITOR_DEFAULTTONULL);
        UINT x = 0, y = 0;
        const bool told = get && monitor && SUCCEEDED(get(monitor, kEffectiveDpi, &x, &y)) && x > 0;
        dpis.push_back(told ? static_cast<int>(x) : system);
    }
    return dpis;
}

void DeclareDpiAwareness() {
    // The manifest declares PerMonitorV2 with a fallback. On systems whose
    // loader ignores it, ask at run time; the function is looked up because
    // older headers and systems lack it. Failure (already aware) is fine.
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32) return;
    if (auto set = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(::GetProcAddress(user32, "SetProcessDpiAwarenessContext")))) {
        set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));  // PER_MONITOR_AWARE_V2
    }
}

}  // namespace vix::platform
