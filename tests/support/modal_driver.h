#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Drives modal windows from inside their own message loops: a thread timer
// calls a step every few milliseconds until it answers true.

namespace vix::test {

class ModalDriver {
  public:
    // `step` runs on this thread while any message loop of it runs.
    explicit ModalDriver(std::function<bool()> step);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool finished() const { return finished_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);

    std::function<bool()> step_;
    UINT_PTR timer_ = 0;
    bool finished_ = false;
    bool inStep_ = false;
};

// A message box shown by this thread, or null.
HWND FindMessageBox();
// Its text.
std::wstring MessageBoxText(HWND box);
// Presses its OK button.
void PressOk(HWND box);
// A button's click, as the user's; posted, so the step returns before
// the click's handler runs its own loops.
void Click(HWND button);

}  // namespace vix::test
