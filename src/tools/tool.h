#pragma once

#include <vector>

#include "tools/active_mode.h"
#include "tools/hook_report.h"
#include "tools/hot_key_binding.h"

// What every tool of the main window is to the window: the one contract
// through which the tab change, the hook library's reports and the hot keys
// reach it. The window keeps the tools in a ToolTable and knows nothing else
// of any one of them.
//
// A tool gets what it needs of the main window through the ToolHost it is
// built with (tool_host.h): the running mode, the prompt, the settings, and
// services such as arming a hook or running a dialog behind the window.

namespace vix {

class Tool {
  public:
    virtual ~Tool() = default;

    // The value of ActiveMode while this tool runs; None for a part of the
    // window that never runs on its own. A tool sets it through its host
    // when it starts and clears it when it stops.
    virtual ActiveMode Mode() const { return ActiveMode::None; }
    // The tool's button: starts the tool when it is not running and stops it
    // when it is.
    virtual void Toggle() {}
    // Stops the running tool, as a change of tab does. Most tools stop as
    // their button does.
    virtual void Stop() { Toggle(); }
    // A report of the hook library for this tool; it only arrives while the
    // tool runs.
    virtual void OnHookReport(const HookReport& report) { (void)report; }
    // The hot keys it answers.
    virtual std::vector<HotKeyBinding> HotKeys() { return {}; }
};

}  // namespace vix
