#include "platform/hot_keys.h"

#include <utility>

namespace vix::platform {

HotKeys::HotKeys(HWND window, std::span<const HotKeySpec> keys) : window_(window) {
    keys_.reserve(keys.size());
    for (const HotKeySpec& spec : keys) {
        HotKeyState state;
        state.id = ::GlobalAddAtomW(spec.atomName);
        if (!state.id) {
            state.error = ::GetLastError();
        } else if (::RegisterHotKey(window, state.id, spec.modifiers, spec.virtualKey)) {
            state.registered = true;
        } else {
            state.error = ::GetLastError();
        }
        keys_.push_back(state);
    }
}

HotKeys::HotKeys(HotKeys&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), keys_(std::move(other.keys_)) {
    other.keys_.clear();
}

HotKeys& HotKeys::operator=(HotKeys&& other) noexcept {
    if (this != &other) {
        Release();
        window_ = std::exchange(other.window_, nullptr);
        keys_ = std::move(other.keys_);
        other.keys_.clear();
    }
    return *this;
}

int HotKeys::IndexOf(WPARAM id) const {
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i].id && keys_[i].id == id) return static_cast<int>(i);
    return -1;
}

void HotKeys::Release() noexcept {
    for (const HotKeyState& key : keys_) {
        // Fails only when the window is already gone, which took its keys along.
        if (key.registered) ::UnregisterHotKey(window_, key.id);
        if (key.id) ::GlobalDeleteAtom(key.id);
    }
    keys_.clear();
    window_ = nullptr;
}

}  // namespace vix::platform
