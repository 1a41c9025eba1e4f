#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "common/clipboard.h"
#include "platform/handle.h"

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

// What one clipboard format is given, held here until the clipboard takes
// it: bytes in movable global memory or a bitmap.
class ClipboardData {
  public:
    ClipboardData() = default;
    // A copy of `bytes`; no data when there are none, no memory for them or
    // no `format` (a registration that failed).
    static ClipboardData Bytes(UINT format, std::span<const std::uint8_t> bytes);
    // `text` ended by a zero, as CF_UNICODETEXT holds it.
    static ClipboardData Text(std::wstring_view text);
    // `picture` as the standard bitmap format (CF_BITMAP).
    static ClipboardData Picture(Bitmap picture);
    // A copy of `picture`, which stays the caller's.
    static ClipboardData CopyOf(HBITMAP picture);

    explicit operator bool() const { return memory_ || bitmap_; }
    UINT Format() const { return format_; }
    HANDLE Handle() const;
    // The clipboard took the data: it is no longer ours to free.
    void GiveAway();

  private:
    UINT format_ = 0;
    GlobalMemory memory_;
    Bitmap bitmap_;
};

// Every write of the program to the clipboard: the colour's text, the
// snapshot and the Photoshop export's bitmap.
class ClipboardWriter final : public TextClipboard {
  public:
    // `owner` names the window that opens the clipboard, asked at each
    // write: the writer is made before the window is.
    explicit ClipboardWriter(std::function<HWND()> owner = {}) : owner_(std::move(owner)) {}

    // Replaces the clipboard's contents by `main` and, beside it, each of
    // `extras` that has data. True only when the clipboard then holds `main`
    // as given; an extra the clipboard refuses is left out.
    bool Replace(ClipboardData main, std::span<ClipboardData> extras = {}) const;
    bool SetText(std::wstring_view text) override { return Replace(ClipboardData::Text(text)); }

  private:
    std::function<HWND()> owner_;
};

}  // namespace vix::platform
