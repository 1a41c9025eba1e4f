#pragma once

#include <windows.h>

#include <functional>

#include "common/clipboard.h"

// The clipboard of the window station: opened for one operation and closed
// again, also when the operation fails.

namespace vix::platform {

class ClipboardSession {
  public:
    // Another program may hold the clipboard for a moment: try a few times.
    // What the program itself puts on the clipboard is opened with one of
    // its windows: with none, EmptyClipboard leaves the clipboard without an
    // owner, which Windows documents may refuse the data, and Wine lets a
    // second opener without a window in and hands it the clipboard between
    // our emptying and our writing.
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
    // `owner` names the window that opens the clipboard, asked at each copy:
    // the clipboard is made before the window is.
    explicit WinClipboard(std::function<HWND()> owner = {}) : owner_(std::move(owner)) {}
    bool SetText(std::wstring_view text) override;

  private:
    std::function<HWND()> owner_;
};

}  // namespace vix::platform
