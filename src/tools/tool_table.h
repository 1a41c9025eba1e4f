#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "tools/active_mode.h"
#include "tools/hook_report.h"
#include "tools/tool.h"

// The main window's tools in one table, with the running mode: the tab
// change stops the running tool through it, the hook library's reports are
// routed through it, and so are the hot keys.

namespace vix {

// A hot key's action. `letter` is the key ('A' to 'Z'); an action bound to a
// tab runs only while that tab is open when the key arrives.
struct HotKeyBinding {
    char letter = 0;
    std::optional<int> onlyOnTab;
    std::function<void()> action;
};

class ToolTable {
  public:
    // Adds a tool; one tool per mode. The table does not own it.
    void Add(Tool& tool);
    Tool* Find(ActiveMode mode) const;

    ActiveMode Mode() const { return mode_; }
    void SetMode(ActiveMode mode) { mode_ = mode; }

    // Stops the running tool, as a change of tab does. The running mode is
    // tested for the picker, the ruler, the rectangle capture, the control
    // capture and the screen capture in turn; every stop clears it, so at
    // most one applies.
    void StopActiveTool();

    // Hands a report to the tool it is meant for if that tool is the running
    // one; a report for a tool that is not running is dropped. Returns
    // whether a tool took it.
    bool Route(const HookReport& report);

    void BindHotKey(HotKeyBinding binding);
    // Runs the actions bound to the key in the low byte of `virtualKey`, in
    // the order they were bound; `openTab` is the tab open when it arrived.
    void DispatchHotKey(unsigned virtualKey, int openTab) const;

  private:
    std::array<Tool*, kActiveModeCount> tools_{};
    ActiveMode mode_ = ActiveMode::None;
    std::vector<HotKeyBinding> hotKeys_;
};

}  // namespace vix
