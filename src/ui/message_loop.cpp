#include "ui/message_loop.h"

#include <set>

#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

constexpr DWORD kIdlePollMs = 100;

std::function<bool()>& IdleHandler() {
    CheckUiThread();
    static std::function<bool()> idle;
    return idle;
}

std::set<HWND>& DialogWindows() {
    CheckUiThread();
    static std::set<HWND> windows;
    return windows;
}

void Dispatch(MSG& msg) {
    if (HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        root && DialogWindows().contains(root) && ::IsDialogMessageW(root, &msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

// False when WM_QUIT was taken from the queue (and posted again).
bool DrainQueue() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        Dispatch(msg);
    }
    return true;
}

}  // namespace

void SetIdleHandler(std::function<bool()> idle) { IdleHandler() = std::move(idle); }

bool PumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (!DrainQueue()) return false;
        if (done()) break;
        const bool poll = IdleHandler() && IdleHandler()();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, poll ? kIdlePollMs : INFINITE, QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
    }
    return true;
}

void ProcessPendingMessages() { DrainQueue(); }

WaitEnd WaitHandlingMessages(HANDLE object, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (::WaitForSingleObject(object, 0) == WAIT_OBJECT_0) return WaitEnd::Signalled;
        if (!DrainQueue()) return WaitEnd::Quit;
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) return WaitEnd::TimedOut;
        ::MsgWaitForMultipleObjectsEx(1, &object, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
    }
}

void EnableDialogKeys(HWND window) { DialogWindows().insert(window); }

}  // namespace vix::ui
