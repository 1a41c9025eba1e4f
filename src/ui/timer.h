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
    void Stop();
    bool Running() const { return id_ != 0 && !paused_; }
    // Holds the ticks while a tick's work runs; Resume starts the interval
    // anew from now. Cheaper than Stop and Restart, with the same timing.
    void Pause() { paused_ = id_ != 0; }
    void Resume();
    // Lets the ticks through again, keeping the timer's own cadence: no
    // call to the system, for a timer whose every tick pauses it.
    void Continue() { paused_ = false; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    UINT_PTR id_ = 0;
    bool paused_ = false;
    UINT interval_ = 0;
    std::function<void()> onTick_;
};

}  // namespace vix::ui
