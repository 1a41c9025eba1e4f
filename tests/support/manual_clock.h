#pragma once

#include <cstdint>

#include "photoshop/busy_retry.h"

// A retry clock that moves only when the code under test pauses, and at
// once: a busy Photoshop's bound is reached after the same tries on any
// machine, however loaded.

namespace vix::test {

class ManualClock final : public RetryClock {
  public:
    std::uint32_t NowMs() override { return now; }
    bool Pause(std::uint32_t ms) override {
        now += ms;
        ++pauses;
        return true;
    }
    std::uint32_t now = 0;
    int pauses = 0;
};

}  // namespace vix::test
