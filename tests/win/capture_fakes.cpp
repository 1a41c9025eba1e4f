#include "capture_fakes.h"

#include <cstdio>

namespace vix::test {
namespace {

COLORREF Ref(DWORD rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

PaintedWindow::PaintedWindow(const RECT& b, DWORD left, DWORD right, HWND parent)
    : left_(left), right_(right) {
    static const ATOM cls = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &PaintedWindow::Procedure;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VixTestPainted";
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        return ::RegisterClassW(&wc);
    }();
    (void)cls;
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
    hwnd_ = ::CreateWindowExW(parent ? 0 : WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VixTestPainted",
                              L"Painted", style, b.left, b.top, b.right - b.left, b.bottom - b.top,
                              parent, nullptr, ::GetModuleHandleW(nullptr), this);
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::InvalidateRect(hwnd_, nullptr, TRUE);
    ::UpdateWindow(hwnd_);
}

PaintedWindow::~PaintedWindow() { ::DestroyWindow(hwnd_); }

LRESULT CALLBACK PaintedWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PaintedWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT && self) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT r{};
        ::GetClientRect(hwnd, &r);
        const int half = r.right / 2;
        const RECT leftPart{0, 0, half, r.bottom}, rightPart{half, 0, r.right, r.bottom};
        HBRUSH a = ::CreateSolidBrush(Ref(self->left_));
        HBRUSH b = ::CreateSolidBrush(Ref(self->right_));
        ::FillRect(dc, &leftPart, a);
        ::FillRect(dc, &rightPart, b);
        ::DeleteObject(a);
        ::DeleteObject(b);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring TempFolder(const std::wstring& name) {
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    const std::wstring folder = std::wstring(dir) + name;
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::uint8_t> ReadFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* f = _wfopen(path.c_str(), L"rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}

}  // namespace vix::test
