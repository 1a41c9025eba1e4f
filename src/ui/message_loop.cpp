#include "ui/message_loop.h"

#include <algorithm>
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
// `other` is set when a message other than a timer's tick was dispatched.
bool DrainQueue(bool& other) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (msg.message != WM_TIMER) other = true;
        Dispatch(msg);
    }
    return true;
}

bool DrainQueue() {
    bool other = false;
    return DrainQueue(other);
}

}  // namespace

void SetIdleHandler(std::function<bool()> idle) { IdleHandler() = std::move(idle); }

bool PumpUntil(const std::function<bool()>& done) {
    bool poll = false;
    bool other = true;  // the first time the queue runs dry counts
    ULONGLONG lastIdle = 0;
    while (!done()) {
        if (!DrainQueue(other)) return false;
        if (done()) break;
        // A timer's tick (the picker's, 66 times a second) moves no pointer:
        // after ticks alone the idle handler waits for its poll, instead of
        // asking the system where the pointer is after every tick.
        const ULONGLONG now = ::GetTickCount64();
        if (other || (poll && now - lastIdle >= kIdlePollMs)) {
            poll = IdleHandler() && IdleHandler()();
            lastIdle = now;
            other = false;
        }
        const DWORD wait =
            poll
                ? static_cast<DWORD>(kIdlePollMs - std::min<ULONGLONG>(now - lastIdle, kIdlePollMs))
                : INFINITE;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
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
