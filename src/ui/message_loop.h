#pragma once

#include <windows.h>

#include <functional>

// The program's message loop. Whenever the queue runs dry the idle handler
// runs (the application uses it to follow the control under the pointer);
// while it asks to, the loop also wakes up now and then without a message.

namespace vix::ui {

// Returns true to be called again after a short pause even if no message
// arrives.
void SetIdleHandler(std::function<bool()> idle);

// `message` posted to `window` comes about as often as a timer's tick and,
// like one, needs no idle work after it: the hook library's report of each
// pointer move (over the program's own windows they get mouse messages of
// their own, and the idle poll sees the pointer leave them).
void MarkQuiet(HWND window, UINT message);

// Dispatches messages until `done` says so. WM_QUIT ends the wait early and
// is posted again for the outermost loop; the result is then false.
bool PumpUntil(const std::function<bool()>& done);

// The outermost loop: dispatches messages until WM_QUIT, which it leaves in
// the queue.
void PumpUntilQuit();

// Dispatches what is waiting and returns.
void ProcessPendingMessages();

enum class WaitEnd { Signalled, TimedOut, Quit };
// Waits up to `timeoutMs` for `object` to be signalled while the thread's
// messages are dispatched as the loop does, so its windows answer input
// meanwhile. WM_QUIT ends the wait and is posted again for the outermost
// loop.
WaitEnd WaitHandlingMessages(HANDLE object, DWORD timeoutMs);

// Windows whose keyboard navigation (Tab, Enter, Esc) the loop handles.
void EnableDialogKeys(HWND window);

}  // namespace vix::ui
