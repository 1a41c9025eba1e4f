#include "platform/clipboard.h"

#include <cstring>
#include <string>

namespace vix::platform {
namespace {

// Movable global memory, locked while it is filled.
class LockedMemory {
  public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), bytes_(::GlobalLock(memory)) {}
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    ~LockedMemory() {
        if (bytes_) ::GlobalUnlock(memory_);
    }
    void* Bytes() const { return bytes_; }

  private:
    HGLOBAL memory_;
    void* bytes_;
};

// Puts `data` on the open clipboard; true when the clipboard took it.
bool Put(ClipboardData& data) {
    if (!data || !::SetClipboardData(data.Format(), data.Handle())) return false;
    data.GiveAway();
    return true;
}

}  // namespace

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

ClipboardData ClipboardData::Bytes(UINT format, std::span<const std::uint8_t> bytes) {
    ClipboardData data;
    if (format == 0 || bytes.empty()) return data;
    GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory) return data;
    {
        const LockedMemory locked(memory.get());
        if (!locked.Bytes()) return data;
        std::memcpy(locked.Bytes(), bytes.data(), bytes.size());
    }
    data.format_ = format;
    data.memory_ = std::move(memory);
    return data;
}

ClipboardData ClipboardData::Text(std::wstring_view text) {
    std::wstring ended(text);
    const auto* first = reinterpret_cast<const std::uint8_t*>(ended.c_str());
    return Bytes(CF_UNICODETEXT, {first, (ended.size() + 1) * sizeof(wchar_t)});
}

ClipboardData ClipboardData::Picture(Bitmap picture) {
    ClipboardData data;
    if (!picture) return data;
    data.format_ = CF_BITMAP;
    data.bitmap_ = std::move(picture);
    return data;
}

ClipboardData ClipboardData::CopyOf(HBITMAP picture) {
    if (!picture) return {};
    return Picture(Bitmap(static_cast<HBITMAP>(::CopyImage(picture, IMAGE_BITMAP, 0, 0, 0))));
}

HANDLE ClipboardData::Handle() const {
    return memory_ ? static_cast<HANDLE>(memory_.get()) : static_cast<HANDLE>(bitmap_.get());
}

void ClipboardData::GiveAway() {
    (void)memory_.release();
    (void)bitmap_.release();
}

bool ClipboardWriter::Replace(ClipboardData main, std::span<ClipboardData> extras) const {
    if (!main) return false;
    const HANDLE given = main.Handle();
    ClipboardSession session(owner_ ? owner_() : nullptr);
    if (!session.IsOpen() || !::EmptyClipboard() || !Put(main)) return false;
    // Read back: another opener let in between would have taken it.
    if (::GetClipboardData(main.Format()) != given) return false;
    for (ClipboardData& extra : extras)
        Put(extra);
    return true;
}

}  // namespace vix::platform
