#include "platform/clipboard.h"

#include <cstring>

#include "platform/handle.h"

namespace vix::platform {

ClipboardSession::ClipboardSession(HWND owner) {
    // Half a second in all: clipboard managers and a busy machine hold it
    // longer than a moment.
    for (int attempt = 0; attempt < 25 && !open_; ++attempt) {
        open_ = ::OpenClipboard(owner) != FALSE;
        if (!open_) ::Sleep(20);
    }
}

ClipboardSession::~ClipboardSession() {
    if (open_) ::CloseClipboard();
}

bool WinClipboard::SetText(std::wstring_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return false;
    if (void* p = ::GlobalLock(memory.get())) {
        std::memcpy(p, text.data(), text.size() * sizeof(wchar_t));
        static_cast<wchar_t*>(p)[text.size()] = L'\0';
        ::GlobalUnlock(memory.get());
    } else {
        return false;
    }
    ClipboardSession session(owner_ ? owner_() : nullptr);
    if (!session.IsOpen() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    // The clipboard owns the memory now.
    (void)memory.release();
    return true;
}

}  // namespace vix::platform
