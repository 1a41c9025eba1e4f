#pragma once

// Holds a flag raised while a step runs, and clears it on every way out, so
// that a message let through meanwhile can see the step is under way.

namespace vix {

class BusyScope {
  public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { flag_ = false; }

  private:
    bool& flag_;
};

}  // namespace vix
