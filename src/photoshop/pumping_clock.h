#pragma once

#include "photoshop/busy_retry.h"

// The retry clock of the program: the tick counter, and pauses during which
// the program's own messages (input, painting, timers) are handled.

namespace vix {

class PumpingClock final : public RetryClock {
  public:
    std::uint32_t NowMs() override;
    void Pause(std::uint32_t ms) override;
};

}  // namespace vix
