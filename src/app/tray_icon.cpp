#include "app/tray_icon.h"

#include <algorithm>

#include "platform/system_libraries.h"

namespace vix {

void TrayIcon::Init(HWND owner, HICON icon, std::wstring_view tip) {
    // The original record without the later extensions: message, icon, tip.
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kTrayCallback;
    data_.hIcon = icon;
    const std::size_t n = std::min(tip.size(), std::size(data_.szTip) - 1);
    std::copy_n(tip.begin(), n, data_.szTip);
    data_.szTip[n] = L'\0';
}

bool TrayIcon::Add() {
    shown_ = platform::late::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
    return shown_;
}

bool TrayIcon::Remove() {
    const bool removed = platform::late::Shell_NotifyIconW(NIM_DELETE, &data_) != FALSE;
    shown_ = false;
    return removed;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace vix
