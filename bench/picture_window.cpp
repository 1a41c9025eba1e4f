// picture_window.exe X Y W H: a window of many colours at (X, Y), W x H, for
// the pointer to move over in the CPU benchmarks, so that every tick of a
// picker sees new pixels. It paints once and then only waits.
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "one_colour_window.h"

namespace {

int g_width = 300, g_height = 300;
std::vector<DWORD> g_pixels;

void DrawPicture() {
    g_pixels.resize(static_cast<std::size_t>(g_width) * g_height);
    DWORD* p = g_pixels.data();
    for (int y = 0; y < g_height; ++y)
        for (int x = 0; x < g_width; ++x)
            *p++ = static_cast<DWORD>((x * 7) % 256 << 16 | (y * 5 + x) % 256 << 8 | (x * y) % 256);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return OneColourWindowProc<RGB(0, 0, 0)>(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = g_width;
    bi.bmiHeader.biHeight = -g_height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    SetDIBitsToDevice(dc, 0, 0, g_width, g_height, 0, 0, 0, g_height, g_pixels.data(), &bi,
                      DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const bool placed = __argc > 4;
    const int x = placed ? _wtoi(__wargv[1]) : 0, y = placed ? _wtoi(__wargv[2]) : 0;
    if (placed) {
        g_width = _wtoi(__wargv[3]);
        g_height = _wtoi(__wargv[4]);
    }
    DrawPicture();
    RegisterYardstickClass(instance, L"VixPictureWindow", Proc);
    HWND w =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"VixPictureWindow", L"picture", WS_POPUP,
                        x, y, g_width, g_height, nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    return RunMessages();
}
