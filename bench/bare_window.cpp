// The yardstick for the start-up benchmark: the least a Win32 program with a
// window does, a topmost popup of the main window's size painted one colour.
#include <windows.h>

#include "one_colour_window.h"

namespace {

constexpr auto Proc = &OneColourWindowProc<RGB(12, 34, 56)>;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"VixBareWindow";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"bare", WS_POPUP, 382, 271, 261, 227,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
