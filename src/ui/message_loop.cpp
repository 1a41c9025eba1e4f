#include "ui/message_loop.h"

#include <algorithm>
#include <set>
#include <utility>

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

std::set<std::pair<HWND, UINT>>& QuietMessages() {
    CheckUiThread();
    static std::set<std::pair<HWND, UINT>> quiet;
    return quiet;
}

// A timer's tick or a message marked quiet: it needs no idle work after it,
// and, being no key, none of a dialog's keyboard handling either.
bool IsQuiet(const MSG& msg) {
    return msg.message == WM_TIMER ||
           (msg.hwnd && QuietMessages().contains({msg.hwnd, msg.message}));
}

// Set when a message that is not quiet is dispatched, also by a loop
// nested in a handler (a tick that draws handles what waits meanwhile):
// the idle handler is due once the queue is dry again.
bool& OtherDispatched() {
    static bool other = true;
    return other;
}

void Dispatch(MSG& msg) {
    if (IsQuiet(msg)) {
        ::DispatchMessageW(&msg);
        return;
    }
    OtherDispatched() = true;
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

// The outermost loop, with nothing to poll, waits in GetMessage and handles
// timer ticks there until another message comes: a tick alone needs no idle
// work, and under Wine the empty peek and the wait after each tick (the
// picker's, 66 times a second) cost a call to the system's server and a
// yield more than GetMessage does. A nested loop cannot wait so: its `done`
// may turn true in a message sent from another thread, which GetMessage
// handles without returning. False on WM_QUIT (posted again).
bool WaitTakingTicks() {
    MSG msg;
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got < 0) return true;
        Dispatch(msg);
        if (OtherDispatched()) return true;
    }
}

bool Pump(const std::function<bool()>& done, bool outermost) {
    bool poll = false;
    ULONGLONG lastIdle = 0;
    OtherDispatched() = true;  // the first time the queue runs dry counts
    while (!done()) {
        if (!DrainQueue()) return false;
        if (done()) break;
        // After quiet messages alone (the picker's ticks, 66 times a second,
        // and the hook's reports of the pointer's moves) the idle handler
        // waits for its poll, instead of asking the system where the
        // pointer is after every one.
        const ULONGLONG now = ::GetTickCount64();
        if (OtherDispatched() || (poll && now - lastIdle >= kIdlePollMs)) {
            OtherDispatched() = false;
            poll = IdleHandler() && IdleHandler()();
            lastIdle = now;
        }
        if (outermost && !poll) {
            if (!WaitTakingTicks()) return false;
            continue;
        }
        const DWORD wait =
            poll
                ? static_cast<DWORD>(kIdlePollMs - std::min<ULONGLONG>(now - lastIdle, kIdlePollMs))
                : INFINITE;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return true;
}

}  // namespace

void SetIdleHandler(std::function<bool()> idle) { IdleHandler() = std::move(idle); }

void MarkQuiet(HWND window, UINT message) { QuietMessages().insert({window, message}); }

bool PumpUntil(const std::function<bool()>& done) { return Pump(done, false); }

void PumpUntilQuit() {
    Pump([] { return false; }, true);
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
