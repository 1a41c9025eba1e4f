#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string_view>

// The program's one notification-area icon. Its callback message carries the
// mouse message in lParam.

namespace vix {

inline constexpr UINT kTrayCallback = WM_USER + 34;  // 0x422

class TrayIcon {
  public:
    void Init(HWND owner, HICON icon, std::wstring_view tip);
    bool Add();
    bool Remove();
    bool Shown() const { return shown_; }
    // The message Explorer broadcasts when the taskbar comes back after a
    // restart; the icon must then be added again.
    static UINT TaskbarCreatedMessage();

  private:
    NOTIFYICONDATAW data_{};
    bool shown_ = false;
};

}  // namespace vix
