#pragma once

#include <windows.h>

#include <string_view>

#include "platform/handle.h"

// A named mutex in the user's session, held for the life of the process: of
// copies started at the same moment exactly one is first, which a look for
// the other copy's window cannot tell while that window is still being made.

namespace vix::platform {

class SessionLock {
  public:
    // `name` without a namespace; the lock lives in the session's one.
    explicit SessionLock(std::wstring_view name);

    // False when another process of the session holds the lock. True also
    // when the lock could not be made at all: then nothing is known.
    bool First() const { return first_; }
    // A copy that is not first lets go at once, so that its message box
    // cannot outlive the first copy and turn away the next start.
    void Release() { mutex_.reset(); }

  private:
    KernelHandle mutex_;
    bool first_ = true;
};

}  // namespace vix::platform
