#include "ui/timer.h"

#include <unordered_map>

#include "platform/window.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

std::unordered_map<UINT_PTR, Timer*>& Timers() {
    CheckUiThread();
    static std::unordered_map<UINT_PTR, Timer*> timers;
    return timers;
}

}  // namespace

void Timer::Start(UINT intervalMs, std::function<void()> onTick) {
    Stop();
    interval_ = intervalMs;
    onTick_ = std::move(onTick);
    id_ = ::SetTimer(nullptr, 0, interval_, &Timer::Tick);
    if (id_) Timers()[id_] = this;
}

void Timer::Resume() {
    if (!paused_) return;
    paused_ = false;
    // Setting the same timer again counts its interval from now.
    const UINT_PTR id = ::SetTimer(nullptr, id_, interval_, &Timer::Tick);
    if (id != id_) {
        Timers().erase(id_);
        id_ = id;
        if (id_) Timers()[id_] = this;
    }
}

void Timer::Stop() {
    paused_ = false;
    if (!id_) return;
    ::KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it == Timers().end() || it->second->paused_) return;  // stopped or held meanwhile
    // A tick's handler may stop, restart or destroy its timer: copy first.
    const auto handler = it->second->onTick_;
    platform::Guarded([&] { handler(); });
}

}  // namespace vix::ui
