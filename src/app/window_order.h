#pragma once

#include <windows.h>

// The main window's place in the window order. It stays above other
// windows; while one of its own dialogs or message boxes runs it lies at the
// bottom, and afterwards it is topmost again, on every way out.

namespace vix {

// Puts `window` into the topmost layer without moving, sizing or activating it.
void KeepOnTop(HWND window);

// Moves `main` to the bottom of the window order for as long as it lives.
class BehindMainWindow {
  public:
    explicit BehindMainWindow(HWND main);
    BehindMainWindow(const BehindMainWindow&) = delete;
    BehindMainWindow& operator=(const BehindMainWindow&) = delete;
    ~BehindMainWindow();

  private:
    HWND main_;
};

}  // namespace vix
