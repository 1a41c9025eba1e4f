#include "app/application.h"

#include <utility>

#include "app/startup_timeline.h"
#include "app/window_order.h"
#include "hooks/hook_protocol.h"
#include "ui/hints.h"
#include "ui/message_loop.h"

namespace vix {

Application& Application::Instance() {
    static Application application;
    return application;
}

void Application::Initialize(std::wstring_view title) {
    title_ = title;
    // A popup without a frame: it never shows, it only owns the forms and
    // would carry the taskbar button while minimised.
    Create({.name = L"TApplication"}, {.style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                                       .text = title,
                                       .bounds = Rect::FromBounds(0, 0, 0, 0)});
    platform::SetErrorReporter(&Application::ShowError);
    ui::SetIdleHandler([this] { return Idle(); });
}

void Application::SetMainWindow(HWND main) {
    main_ = main;
    // The picker's report of each pointer move: handling it follows no
    // control under the pointer.
    ui::MarkQuiet(main, hooks::kPickerMoved);
}

void Application::Minimize() {
    ::ShowWindow(hwnd(), SW_MINIMIZE);
    // Windows hides the owned forms with a minimised owner; Wine leaves
    // them, so say so explicitly.
    ::ShowOwnedPopups(hwnd(), FALSE);
}

void Application::Restore() {
    ::ShowWindow(hwnd(), SW_RESTORE);
    ::ShowOwnedPopups(hwnd(), TRUE);
}

void Application::BringToFront() {
    HWND top = ::GetLastActivePopup(hwnd());
    if (top && top != hwnd() && ::IsWindowVisible(top) && ::IsWindowEnabled(top))
        ::SetForegroundWindow(top);
}

void Application::HideOwner() { ::ShowWindow(hwnd(), SW_HIDE); }

bool Application::Idle() {
    startup::Mark("first paint (queue idle)");
    startup::WriteTimeline();
    if (onFirstIdle) std::exchange(onFirstIdle, nullptr)();
    POINT pt{};
    ::GetCursorPos(&pt);
    const HWND control = ui::ControlAt(pt);
    std::wstring hint = ui::HintOfControl(control);
    if (hint != hint_) {
        hint_ = std::move(hint);
        if (onHint) onHint();
    }
    // While the pointer is over one of our windows, look again shortly: it
    // may leave without sending us a message.
    return control != nullptr;
}

int Application::Run() {
    ui::PumpUntilQuit();
    MSG msg;
    // The loop ended on WM_QUIT, which it left in the queue.
    return ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(msg.wParam)
                                                                      : 0;
}

void Application::Terminate(int exitCode) { ::PostQuitMessage(exitCode); }

void Application::ShowError(const std::wstring& message) {
    BehindMainWindow behind(Instance().main_);
    ::MessageBoxW(Instance().main_, message.c_str(), Instance().title_.c_str(),
                  MB_OK | MB_ICONERROR);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing the owner (as from the taskbar) closes the program's main window.
    if (message == WM_CLOSE && main_) {
        ::PostMessageW(main_, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace vix
