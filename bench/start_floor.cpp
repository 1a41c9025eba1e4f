// A second yardstick for the start-up benchmark: the steps vix.exe must take
// before its first paint, each with nothing in it. One copy per session (a
// mutex and a window search), the hook library loaded and asked its
// version, the 50 ms pause, the hidden application window, the main window
// with its tray icon, the eight other windows made hidden, the main window
// shown and painted one colour. What vix.exe takes beyond this is what its
// contents cost; what this takes beyond the bare window is fixed.
// With VIX_STARTUP_TIMELINE set it marks its steps under the names vix.exe
// gives the same steps, so that the two timelines can be read side by side.
#include <windows.h>
#include <shellapi.h>

#include "app/startup_timeline.h"
#include "one_colour_window.h"

namespace {

constexpr auto Proc = &OneColourWindowProc<RGB(56, 34, 12)>;

ATOM Register(HINSTANCE instance, const wchar_t* name) {
    return RegisterYardstickClass(instance, name, Proc);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    vix::startup::Mark("entry");
    HANDLE lock = CreateMutexW(nullptr, TRUE, L"Local\\VixStartFloor");
    if (GetLastError() == ERROR_ALREADY_EXISTS || FindWindowW(L"VixStartFloor", nullptr)) return 0;
    vix::startup::Mark("single-instance check");
    if (HMODULE hooks = LoadLibraryW(L"Vix32.dll")) {
        using Version = int(WINAPI*)();
        if (auto version = reinterpret_cast<Version>(
                reinterpret_cast<void*>(GetProcAddress(hooks, "GetDllVersion"))))
            version();
    }
    vix::startup::Mark("hook library version");
    Sleep(50);
    vix::startup::Mark("pause 50 ms");
    Register(instance, L"VixStartFloorApp");
    HWND app = CreateWindowExW(0, L"VixStartFloorApp", L"floor", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, instance, nullptr);
    vix::startup::Mark("application window");
    Register(instance, L"VixStartFloor");
    HWND main = CreateWindowExW(WS_EX_TOPMOST, L"VixStartFloor", L"floor", WS_POPUP, 382, 271, 261,
                                227, app, nullptr, instance, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = main;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(icon.szTip, L"floor", 64);
    Shell_NotifyIconW(NIM_ADD, &icon);
    vix::startup::Mark("  tray icon");
    vix::startup::Mark("main window");
    Register(instance, L"VixStartFloorOther");
    for (int i = 0; i < 8; ++i)
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"VixStartFloorOther", L"other",
                        WS_POPUP | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 300, 200,
                        app, nullptr, instance, nullptr);
    vix::startup::Mark("other eight windows");
    ShowWindow(main, SW_SHOW);
    vix::startup::Mark("main window shown");
    MSG msg;
    bool painted = false;
    for (;;) {
        // The first time the queue runs dry after the show, as vix.exe marks it.
        if (!painted && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            painted = true;
            vix::startup::Mark("first paint (queue idle)");
            vix::startup::WriteTimeline();
        }
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    CloseHandle(lock);
    return 0;
}
