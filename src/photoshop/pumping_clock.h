#pragma once

#include "photoshop/busy_retry.h"

// The retry clock of the program: the tick counter, and pauses during which
// the program's own messages (input, painting, timers) are handled. Once the
// quit message has come by, it is left for the program's own loop and every
// pause ends at once with false.

namespace vix {

class PumpingClock final : public RetryClock {
  public:
    std::uint32_t NowMs() override;
    bool Pause(std::uint32_t ms) override;

  private:
    bool quitting_ = false;
};

}  // namespace vix
