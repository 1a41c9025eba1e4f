#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// A Photoshop that is busy (a modal dialog open, a long filter running)
// rejects automation calls. Such a call is tried again for a bounded time
// while the program's own input and painting go on; past the bound it
// fails like any other call, so a hung Photoshop never freezes the program.

namespace vix {

struct BusyRetryPolicy {
    std::uint32_t boundMs = 30000;
    // COM retries at once for answers below 100 ms; keep this at 100 or more
    // so that a rejected call waits between tries.
    std::uint32_t pauseMs = 100;

    // The answer to a rejection `elapsedMs` after the call was first made:
    // the pause before the next try, or nothing to give the call up.
    std::optional<std::uint32_t> NextPause(std::uint32_t elapsedMs) const;
};

enum class CallStatus { Done, Busy };

class RetryClock {
  public:
    virtual ~RetryClock() = default;
    virtual std::uint32_t NowMs() = 0;
    // Waits while the program's messages are handled; false when the program
    // is quitting, and a retry would only keep it from ending.
    virtual bool Pause(std::uint32_t ms) = 0;
};

// Makes `call` until it is not rejected as busy; Busy when the bound passed
// or the program began to quit during a pause.
CallStatus RetryWhileBusy(const BusyRetryPolicy& policy, RetryClock& clock,
                          const std::function<CallStatus()>& call);

}  // namespace vix
