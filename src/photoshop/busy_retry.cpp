#include "photoshop/busy_retry.h"

namespace vix {

std::optional<std::uint32_t> BusyRetryPolicy::NextPause(std::uint32_t elapsedMs) const {
    if (elapsedMs >= boundMs) return std::nullopt;
    return pauseMs;
}

CallStatus RetryWhileBusy(const BusyRetryPolicy& policy, RetryClock& clock,
                          const std::function<CallStatus()>& call) {
    const std::uint32_t start = clock.NowMs();
    for (;;) {
        if (call() == CallStatus::Done) return CallStatus::Done;
        // Unsigned difference: right across the tick counter's wrap.
        const auto pause = policy.NextPause(clock.NowMs() - start);
        if (!pause || !clock.Pause(*pause)) return CallStatus::Busy;
    }
}

}  // namespace vix
