#include "ui/form.h"

#include <vector>

#include "platform/gdi.h"
#include "ui/dialog_placement.h"
#include "ui/control.h"
#include "ui/message_loop.h"
#include "ui/skin.h"

namespace vix::ui {
namespace {

// The windows a modal form disables: every other enabled, visible
// top-level window of this thread.
struct ThreadWindows {
    HWND except;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectEnabled(HWND w, LPARAM param) {
    auto* windows = reinterpret_cast<ThreadWindows*>(param);
    if (w != windows->except && ::IsWindowVisible(w) && ::IsWindowEnabled(w))
        windows->found.push_back(w);
    return TRUE;
}

std::vector<HWND> DisableOthers(HWND except) {
    ThreadWindows windows{except, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectEnabled,
                        reinterpret_cast<LPARAM>(&windows));
    for (HWND w : windows.found)
        ::EnableWindow(w, FALSE);
    return windows.found;
}

}  // namespace

void Form::CreateForm(const FormSpec& spec) {
    RECT frame{0, 0, spec.client.width, spec.client.height};
    ::AdjustWindowRectEx(&frame, spec.style, FALSE, spec.exStyle);
    Create({.name = spec.className},
           {.exStyle = spec.exStyle,
            .style = spec.style & ~WS_VISIBLE,
            .text = spec.caption,
            .bounds = Rect::FromBounds(CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                       frame.bottom - frame.top),
            .parent = spec.owner});
    background_.reset(::CreateSolidBrush(FaceColor().Ref()));
    if (spec.dialogKeys) EnableDialogKeys(hwnd());
}

void Form::CreateDialogForm(const wchar_t* className, std::wstring_view caption, Size client,
                            HWND owner) {
    CreateForm({.className = className,
                .caption = caption,
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                .client = client,
                .owner = owner,
                .dialogKeys = true});
}

void Form::EnsureContent() {
    // Without its window a form has nothing to put controls on.
    if (contentMade_ || !hwnd()) return;
    contentMade_ = true;
    CreateContent();
}

void Form::Show() {
    EnsureContent();
    FormShow();
    ::ShowWindow(hwnd(), SW_SHOW);
}

void Form::Hide() {
    if (!Visible()) return;
    ::ShowWindow(hwnd(), SW_HIDE);
    FormHide();
}

int Form::ShowModal() {
    const HWND previous = ::GetActiveWindow();
    const std::vector<HWND> disabled = DisableOthers(hwnd());
    ended_ = false;
    modalResult_ = IDCANCEL;
    Show();
    PumpUntil([this] { return ended_ || !Visible(); });
    // Enable the others before hiding, so that activation goes back to them.
    for (HWND w : disabled)
        ::EnableWindow(w, TRUE);
    Hide();
    if (previous && ::IsWindow(previous)) ::SetActiveWindow(previous);
    return modalResult_;
}

void Form::EndModal(int result) {
    modalResult_ = result;
    ended_ = true;
}

void Form::CenterOn(HWND window) {
    RECT target{};
    ::GetWindowRect(window, &target);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const Rect b = Bounds();
    const Point at = DialogPosition({b.width(), b.height()}, platform::FromRECT(target),
                                    platform::FromRECT(monitor.rcWork));
    ::SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
    const Rect b = Bounds();
    ::SetWindowPos(hwnd(), nullptr, (::GetSystemMetrics(SM_CXSCREEN) - b.width()) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - b.height()) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(Size client) {
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(hwnd(), GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(hwnd(), GWL_EXSTYLE)));
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            // Also when shown by other means than Show.
            if (wParam) EnsureContent();
            break;
        case WM_CLOSE:
            EndModal(IDCANCEL);
            Hide();
            return 0;
        case WM_ERASEBKGND: {
            RECT r{};
            ::GetClientRect(hwnd(), &r);
            platform::FillSolid(reinterpret_cast<HDC>(wParam), r, FaceColor());
            return 1;
        }
        case WM_COMMAND:
            if (lParam && DispatchCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) return 0;
            if (LOWORD(wParam) == IDCANCEL) {
                ::SendMessageW(hwnd(), WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            ::SetBkColor(reinterpret_cast<HDC>(wParam), FaceColor().Ref());
            return reinterpret_cast<LRESULT>(background_.get());
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace vix::ui
