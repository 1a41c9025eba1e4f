#pragma once

#include <windows.h>
#include <oaidl.h>

// The owner of the strings a server leaves in an EXCEPINFO when an
// IDispatch call fails with DISP_E_EXCEPTION.

namespace vix::platform {

class ExceptionInfo {
  public:
    ExceptionInfo() noexcept = default;
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() { reset(); }

    // For IDispatch::Invoke: emptied first, so that a call made again keeps
    // nothing of the one before.
    EXCEPINFO* put() noexcept {
        reset();
        return &info_;
    }
    EXCEPINFO& get() noexcept { return info_; }
    const EXCEPINFO& get() const noexcept { return info_; }
    void reset() noexcept;

  private:
    EXCEPINFO info_{};
};

}  // namespace vix::platform
