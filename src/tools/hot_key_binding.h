#pragma once

#include <functional>

#include "hotkeys/hot_key_table.h"
#include "tools/pages.h"

// What one of the global hot keys does for the tool that declares it. A key
// may have several bindings (Ctrl+Alt+S saves the library on the Picker tab
// and the snapshot on the Capture tab); the key's letter is in the hot-key
// table only.

namespace vix {

struct HotKeyBinding {
    enum class Reach : unsigned char {
        // The action runs whatever tab is open; it opens its own tab if it
        // needs one.
        Anywhere,
        // `tab` is opened first unless it is open, then the page `expand`
        // (if any) is expanded, then the action runs.
        OpenTab,
        // The action runs only when `tab` was open as the key arrived; the
        // tab never changes.
        OnTabOnly,
    };

    HotKeyId key;
    // A key the tool brings, beyond the program's fifteen (key is its id),
    // declared on one of its bindings only; static storage.
    const HotKeyRow* ownKey = nullptr;
    Reach reach = Reach::Anywhere;
    int tab = -1;
    const PageSpec* expand = nullptr;
    std::function<void()> action{};  // may be empty: the key only opens its tab
};

}  // namespace vix
