#pragma once

// The tables of this folder (hints, command handlers, timers, edit-key
// handlers, the fonts and pictures of the skin, the loop's idle handler and
// dialog windows) are plain containers without locks, as the windows they
// serve belong to one thread. Only the user-interface thread may touch them:
// a worker hands its call over with platform::UiThreadCalls.
//
// The first use fixes the thread. A use from another thread is a fault of
// the program, found where it happens rather than as a corrupted table later.

namespace vix::ui {

// Checks that the calling thread is the user-interface thread; otherwise
// calls the fault handler, which ends the program unless replaced.
void CheckUiThread();

using WrongThreadHandler = void (*)();
// Replaces the fault handler (tests), returning the previous one.
WrongThreadHandler SetWrongThreadHandler(WrongThreadHandler handler);

}  // namespace vix::ui
