#include "app/window_order.h"

namespace vix {

void KeepOnTop(HWND window) {
    if (window)
        ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

BehindMainWindow::BehindMainWindow(HWND main) : main_(main) {
    if (main_)
        ::SetWindowPos(main_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

BehindMainWindow::~BehindMainWindow() { KeepOnTop(main_); }

}  // namespace vix
