#pragma once

#include <condition_variable>
#include <mutex>

#include "photoshop/busy_retry.h"

// The retry clock of the thread that makes Photoshop's calls: a steady clock
// in milliseconds, and pauses that another thread can end. Once stopped (the
// call is no longer waited for, or the program quits), every pause ends at
// once with false, so a busy Photoshop is not retried for nobody.

namespace vix {

class StoppableClock final : public RetryClock {
  public:
    std::uint32_t NowMs() override;
    bool Pause(std::uint32_t ms) override;
    // From any thread.
    void Stop();

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopped_ = false;
};

}  // namespace vix
