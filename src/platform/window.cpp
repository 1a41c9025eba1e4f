#include "platform/window.h"

#include <set>
#include <utility>

namespace vix::platform {
namespace {

ErrorReporter g_reporter = nullptr;

void RegisterOnce(const WindowClass& cls, WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (registered.contains(cls.name)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = cls.style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = cls.cursor ? cls.cursor : ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = cls.icon;
    wc.hIconSm = cls.smallIcon;
    wc.lpszClassName = cls.name;
    // A class left registered by an earlier window of another object is fine.
    if (::RegisterClassExW(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
        registered.insert(cls.name);
}

}  // namespace

void SetErrorReporter(ErrorReporter reporter) { g_reporter = reporter; }

void ReportError(const std::wstring& message) {
    if (g_reporter)
        g_reporter(message);
    else
        ::MessageBoxW(nullptr, message.c_str(), nullptr, MB_OK | MB_ICONERROR);
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

Window::~Window() {
    if (hwnd_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

void Window::Create(const WindowClass& cls, const WindowSpec& spec) {
    RegisterOnce(cls, &Window::Procedure);
    const std::wstring text(spec.text);
    ::CreateWindowExW(spec.exStyle, cls.name, text.c_str(), spec.style, spec.bounds.left,
                      spec.bounds.top, spec.bounds.width(), spec.bounds.height(), spec.parent,
                      reinterpret_cast<HMENU>(spec.id), ::GetModuleHandleW(nullptr), this);
}

HDC Window::OwnDC() {
    // A window of any other class would get one of the shared cache DCs,
    // which must be released: none then.
    if (!ownDC_ && hwnd_ && (::GetClassLongPtrW(hwnd_, GCL_STYLE) & CS_OWNDC))
        ownDC_ = ::GetDC(hwnd_);
    return ownDC_;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->ownDC_ = nullptr;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] {
        result = self->HandleMessage(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : 0;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    // Most of our windows are frameless controls: the system's frame paint
    // would only find nothing to draw, and under Wine finding that out is
    // the costliest part of showing the main window (a DC of the whole
    // window for each of its fifty children).
    if (message == WM_NCPAINT && !HasNonClientArea(hwnd_)) return 0;
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool HasNonClientArea(HWND hwnd) {
    RECT window{}, client{};
    ::GetWindowRect(hwnd, &window);
    ::GetClientRect(hwnd, &client);
    return window.right - window.left != client.right ||
           window.bottom - window.top != client.bottom;
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd ||
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != &Window::Procedure)
        return nullptr;
    return reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

std::wstring Window::Text() const { return WindowText(hwnd_); }

void Window::SetText(std::wstring_view text) {
    const std::wstring copy(text);
    if (Text() != copy) ::SetWindowTextW(hwnd_, copy.c_str());
}

void Window::SetVisible(bool visible) {
    ::ShowWindow(hwnd_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void Window::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled); }

Rect Window::Bounds() const {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    if (HWND parent = ::GetAncestor(hwnd_, GA_PARENT);
        parent && (::GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

void Window::SetBounds(const Rect& b) {
    ::SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width(), b.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Window::ClientSize() const {
    RECT r{};
    ::GetClientRect(hwnd_, &r);
    return {r.right, r.bottom};
}

void Window::Invalidate() {
    // Without a window this would ask every window of the desktop to repaint.
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void Window::BringToFront() {
    ::SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace vix::platform
