#pragma once

#include <windows.h>

#include "common/clipboard.h"

// The clipboard of the window station: opened for one operation and closed
// again, also when the operation fails.

namespace vix::platform {

class ClipboardSession {
  public:
    // Another program may hold the clipboard for a moment: try a few times.
    explicit ClipboardSession(HWND owner);
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession();
    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

class WinClipboard final : public TextClipboard {
  public:
    explicit WinClipboard(HWND owner = nullptr) : owner_(owner) {}
    bool SetText(std::wstring_view text) override;

  private:
    HWND owner_;
};

}  // namespace vix::platform
