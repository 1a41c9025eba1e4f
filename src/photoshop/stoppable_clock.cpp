#include "photoshop/stoppable_clock.h"

#include <chrono>

namespace vix {

std::uint32_t StoppableClock::NowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps every 49 days; the retries take unsigned differences.
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

bool StoppableClock::Pause(std::uint32_t ms) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopped_; });
}

void StoppableClock::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

}  // namespace vix
