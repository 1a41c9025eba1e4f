// pattern.exe: paints the test pattern (see pattern.h) in two topmost
// windows and waits until it is closed.
#include <windows.h>

#include "pattern.h"
#include "platform/gdi.h"
#include "platform/handle.h"

namespace {

using namespace vix::test::pattern;

vix::platform::DibSection MainPattern() {
    vix::platform::DibSection dib(kWidth, kHeight);
    // A DIB pixel is 0x00RRGGBB, as the pattern's colours are written.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            dib.pixels()[y * kWidth + x] = MainPixel(kLeft + x, kTop + y);
    return dib;
}

vix::platform::DibSection CornerPattern() {
    vix::platform::DibSection dib(kCornerSize, kCornerSize);
    for (int y = 0; y < kCornerSize; ++y)
        for (int x = 0; x < kCornerSize; ++x)
            dib.pixels()[y * kCornerSize + x] = CornerPixel(x, y);
    return dib;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dib =
        reinterpret_cast<vix::platform::DibSection*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_PAINT && dib) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        vix::platform::MemoryDC source(CreateCompatibleDC(dc));
        vix::platform::Selection keep(source.get(), dib->get());
        BitBlt(dc, 0, 0, dib->width(), dib->height(), source.get(), 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND Show(const wchar_t* title, vix::platform::DibSection& dib, int x, int y) {
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VixTestPattern", title, WS_POPUP,
                             x, y, dib.width(), dib.height(), nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&dib));
    ShowWindow(w, SW_SHOWNOACTIVATE);
    UpdateWindow(w);
    return w;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"VixTestPattern";
    RegisterClassW(&wc);
    vix::platform::DibSection main = MainPattern();
    vix::platform::DibSection corner = CornerPattern();
    Show(L"pattern", main, kLeft, kTop);
    Show(L"corner", corner, GetSystemMetrics(SM_XVIRTUALSCREEN),
         GetSystemMetrics(SM_YVIRTUALSCREEN));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
