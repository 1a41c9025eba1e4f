// The window procedure of the start-up benchmark's yardsticks: a window
// painted all in one colour, which the driver looks for on the screen, and
// closed by WM_CLOSE.
#pragma once

#include <windows.h>

template <COLORREF Colour>
LRESULT CALLBACK OneColourWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            const COLORREF old = SetBkColor(dc, Colour);
            ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &ps.rcPaint, nullptr, 0, nullptr);
            SetBkColor(dc, old);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_CLOSE: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Registers the yardsticks' window class `name` with the procedure `proc`.
inline ATOM RegisterYardstickClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassW(&wc);
}

// The thread's messages until WM_QUIT.
inline int RunMessages() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
