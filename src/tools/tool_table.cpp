#include "tools/tool_table.h"

#include <stdexcept>

namespace vix {
namespace {

std::size_t Slot(ActiveMode mode) { return static_cast<std::size_t>(mode); }

}  // namespace

void ToolTable::Add(Tool& tool) {
    Tool*& slot = tools_.at(Slot(tool.Mode()));
    if (slot || tool.Mode() == ActiveMode::None)
        throw std::logic_error("a tool needs a mode of its own");
    slot = &tool;
}

Tool* ToolTable::Find(ActiveMode mode) const {
    return Slot(mode) < tools_.size() ? tools_[Slot(mode)] : nullptr;
}

void ToolTable::StopActiveTool() {
    for (ActiveMode mode :
         {ActiveMode::ColorPicker, ActiveMode::Ruler, ActiveMode::RectangleCapture,
          ActiveMode::ControlCapture, ActiveMode::ScreenCapture}) {
        if (mode_ != mode) continue;
        if (Tool* tool = Find(mode)) tool->Stop();
    }
}

bool ToolTable::Route(const HookReport& report) {
    const ActiveMode owner = ToolOfReport(report.kind);
    Tool* tool = Find(owner);
    if (!tool || mode_ != owner) return false;
    tool->OnHookReport(report);
    return true;
}

void ToolTable::BindHotKey(HotKeyBinding binding) { hotKeys_.push_back(std::move(binding)); }

void ToolTable::DispatchHotKey(unsigned virtualKey, int openTab) const {
    const char letter = static_cast<char>(virtualKey & 0xFF);
    // An action may bind or change the tab; the list and the tab stay as
    // they were when the key arrived.
    const std::vector<HotKeyBinding> bindings = hotKeys_;
    for (const HotKeyBinding& b : bindings) {
        if (b.letter != letter) continue;
        if (b.onlyOnTab && *b.onlyOnTab != openTab) continue;
        if (b.action) b.action();
    }
}

}  // namespace vix
