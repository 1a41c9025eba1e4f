#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "hotkeys/hot_key_plan.h"
#include "platform/hot_keys.h"

// The main window's global hot keys: registered at its creation, after the
// settings are loaded, and released at its close. The keys that type a
// character on an installed keyboard layout are left out, and each
// registration's result is kept, so the settings dialog can say which keys
// do nothing and why.

namespace vix {

class HotKeyService {
  public:
    // Registers for `window` the keys of `rows` that the plan made from
    // `layouts` keeps.
    void Register(HWND window, std::span<const HotKeyRow> rows,
                  std::span<const LayoutFacts> layouts);
    // Reads the installed layouts, then registers.
    void Register(HWND window, std::span<const HotKeyRow> rows = HotKeyRows());
    void Release() noexcept { keys_.Release(); }

    const HotKeyPlan& Plan() const { return plan_; }
    std::wstring LeftOut() const { return LeftOutLine(plan_); }

  private:
    HotKeyPlan plan_;
    platform::HotKeys keys_;
};

}  // namespace vix
