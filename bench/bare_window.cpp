// The yardstick for the start-up benchmark: the least a Win32 program with a
// window does, a topmost popup of the main window's size painted one colour.
#include <windows.h>

#include "one_colour_window.h"

namespace {

constexpr auto Proc = &OneColourWindowProc<RGB(12, 34, 56)>;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RegisterYardstickClass(instance, L"VixBareWindow", Proc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST, L"VixBareWindow", L"bare", WS_POPUP, 382, 271, 261, 227,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOW);
    return RunMessages();
}
