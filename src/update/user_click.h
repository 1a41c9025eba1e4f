#pragma once

#include <cstdint>
#include <optional>

// The user's last click (or Enter) in the links panel, good for one
// navigation that leaves the site, and only for a moment: the control
// starts a link's navigation at once, a page's timer or script later.

namespace vix {

class UserClick {
  public:
    // How long after the click a navigation may still be its own.
    static constexpr std::uint64_t kFreshMs = 1000;

    void Record(std::uint64_t nowMs) { at_ = nowMs; }
    // True when a click not used yet came at most kFreshMs before `nowMs`.
    bool Fresh(std::uint64_t nowMs) const;
    // Uses the click up: one click opens one address at most.
    void Use() { at_.reset(); }

  private:
    std::optional<std::uint64_t> at_;
};

}  // namespace vix
