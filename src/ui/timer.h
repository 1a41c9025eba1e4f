#pragma once

#include <windows.h>

#include <functional>

// A window-message timer of the user-interface thread that calls a handler.
// It is dispatched by every message loop of the thread (also those of menus
// and message boxes) and exists only between Start and Stop.

namespace vix::ui {

class Timer {
  public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer() { Stop(); }

    void Start(UINT intervalMs, std::function<void()> onTick);
    // Starts again with the interval and handler of the last Start.
    void Restart();
    void Stop();
    bool Running() const { return id_ != 0; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    UINT_PTR id_ = 0;
    UINT interval_ = 0;
    std::function<void()> onTick_;
};

}  // namespace vix::ui
