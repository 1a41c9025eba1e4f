#pragma once

#include <functional>

#include "hotkeys/hot_key_table.h"
#include "tools/pages.h"

// What one of the global hot keys does for the tool that declares it. A key
// may have several bindings (Ctrl+Alt+S saves the library on the Picker tab
// and the snapshot on the Capture tab); the key is named by its id, which is
// its letter (hotkeys/hot_key_table.h).

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

    // One of the fifteen, or a key a tool brings (its row's id()).
    HotKeyId key;
    Reach reach = Reach::Anywhere;
    int tab = -1;
    const PageSpec* expand = nullptr;
    std::function<void()> action{};  // may be empty: the key only opens its tab
};

}  // namespace vix
