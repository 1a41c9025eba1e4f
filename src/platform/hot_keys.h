#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

// The program's global hot keys: one global atom per key as its identifier,
// registered for one window and released, atoms and all, when the owner goes.
// A combination another program holds is not an error of the whole set: the
// result of every key is kept, and the other keys work.

namespace vix::platform {

struct HotKeySpec {
    const wchar_t* atomName;  // the key's name in the global atom table
    UINT modifiers;           // MOD_ALT, MOD_CONTROL, ...
    UINT virtualKey;
};

struct HotKeyState {
    ATOM id = 0;  // the atom, also the identifier WM_HOTKEY carries
    bool registered = false;
    DWORD error = 0;  // RegisterHotKey's or GlobalAddAtomW's error when not registered
    // ERROR_HOTKEY_ALREADY_REGISTERED (1409): another program has it.
    bool TakenElsewhere() const { return error == ERROR_HOTKEY_ALREADY_REGISTERED; }
};

class HotKeys {
  public:
    HotKeys() = default;
    // Registers every key of `keys`, in order, for `window`.
    HotKeys(HWND window, std::span<const HotKeySpec> keys);
    ~HotKeys() { Release(); }
    HotKeys(HotKeys&& other) noexcept;
    HotKeys& operator=(HotKeys&& other) noexcept;
    HotKeys(const HotKeys&) = delete;
    HotKeys& operator=(const HotKeys&) = delete;

    // One entry per key, in the order given.
    const std::vector<HotKeyState>& keys() const { return keys_; }
    // The position in the list of the key WM_HOTKEY's wParam names; -1 if none.
    int IndexOf(WPARAM id) const;
    // Unregisters every key and gives its atom back, once.
    void Release() noexcept;

  private:
    HWND window_ = nullptr;
    std::vector<HotKeyState> keys_;
};

}  // namespace vix::platform
