#pragma once

#include <array>
#include <span>
#include <vector>

#include "tools/active_mode.h"
#include "tools/hook_report.h"
#include "tools/hot_key_binding.h"
#include "tools/pages.h"
#include "tools/tool.h"

// The main window's tools in one table, with the running mode: the window
// builds them, tells them of its life, stops the running one at a change
// of tab and routes the hook library's reports and the hot keys through it.

namespace vix {

class ToolTable {
  public:
    // Adds a tool and takes its hot keys; a tool with a mode is the only one
    // with that mode. The table does not own it.
    void Add(Tool& tool);
    Tool* Find(ActiveMode mode) const;
    // Every tool, in the order added.
    std::span<Tool* const> Tools() const { return tools_; }

    ActiveMode Mode() const { return mode_; }
    void SetMode(ActiveMode mode) { mode_ = mode; }

    // Stops the running tool, as a change of tab does.
    void StopActiveTool();

    // Hands a report to the tool it is meant for if that tool is the running
    // one; a report for a tool that is not running is dropped. Returns
    // whether a tool took it.
    bool Route(const HookReport& report);

    // A key of the window's own, beside those of the tools.
    void BindHotKey(HotKeyBinding binding);
    // The keys to register: the program's fifteen, then those the tools
    // brought.
    std::vector<HotKeyRow> KeyRows() const;
    // Runs the bindings of the key whose letter is the low byte of
    // `virtualKey`, in the order they were bound, with the tabs as they
    // were when the key arrived.
    void DispatchHotKey(unsigned virtualKey, MainTabs& tabs) const;

  private:
    std::vector<Tool*> tools_;
    std::array<Tool*, 256> byMode_{};  // by every value ActiveMode can take
    ActiveMode mode_ = ActiveMode::None;
    std::vector<HotKeyBinding> hotKeys_;
    std::vector<HotKeyRow> ownKeys_;
};

}  // namespace vix
