// The yardstick for the picker's CPU use: the least a program can do that
// looks at the pixels under a still pointer every 15 ms, as the picker
// must to see a change there at the next tick. A window, a 15 ms timer, and
// at each tick the 13 x 13 pixels round a point copied from a screen DC
// held for the program's life into a bitmap of its own.
#include <windows.h>

#include "one_colour_window.h"

namespace {

constexpr int kBlock = 13;
constexpr UINT kIntervalMs = 15;

HDC g_screen;
HDC g_copy;

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        BitBlt(g_copy, 0, 0, kBlock, kBlock, g_screen, 800 - kBlock / 2, 600 - kBlock / 2, SRCCOPY);
        GdiFlush();
        return 0;
    }
    return OneColourWindowProc<RGB(34, 56, 12)>(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RegisterYardstickClass(instance, L"VixTickFloor", Proc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST, L"VixTickFloor", L"tick floor", WS_POPUP, 0, 0, 64, 64,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    g_screen = GetDC(nullptr);
    g_copy = CreateCompatibleDC(g_screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kBlock;
    bi.bmiHeader.biHeight = -kBlock;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    SelectObject(g_copy, CreateDIBSection(g_copy, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    SetTimer(w, 1, kIntervalMs, nullptr);
    return RunMessages();
}
