#include "tools/tool_table.h"

#include <algorithm>
#include <stdexcept>

#include "tools/tool_checks.h"

namespace vix {

std::size_t ToolTable::IndexOf(const Tool& tool) const {
    const auto it = std::find(tools_.begin(), tools_.end(), &tool);
    if (it == tools_.end()) throw std::logic_error("a tool not in the table");
    return static_cast<std::size_t>(it - tools_.begin());
}

void ToolTable::Add(Tool& tool) {
    if (tool.Mode() != ActiveMode::None && Find(tool.Mode()))
        throw std::logic_error("a tool needs a mode of its own");
    for (const PageSpec* page : tool.Pages())
        if (OwnerOf(*page)) throw std::logic_error("a page belongs to one tool");
    const std::vector<HotKeyRow> taken = KeyRows();
    const std::span<const HotKeyRow> keys[] = {taken, tool.OwnKeys()};
    if (!DistinctLetters(keys)) throw std::logic_error("a key needs a letter of its own");
    tools_.push_back(&tool);
    built_.push_back(false);
    for (const PageSpec* page : tool.Pages())
        pageOwners_.push_back({page, &tool});
    for (const HotKeyRow& own : tool.OwnKeys())
        ownKeys_.push_back(own);
    for (HotKeyBinding& binding : tool.HotKeys())
        BindHotKey(std::move(binding));
    if (const SettingGroup rows = tool.SettingRows(); !rows.rows.empty()) settingRows_.Append(rows);
}

Tool* ToolTable::Find(ActiveMode mode) const {
    if (mode == ActiveMode::None) return nullptr;
    for (Tool* tool : tools_)
        if (tool->Mode() == mode) return tool;
    return nullptr;
}

Tool* ToolTable::OwnerOf(const PageSpec& page) const {
    for (const Page& p : pageOwners_)
        if (p.spec == &page) return p.owner;
    return nullptr;
}

bool ToolTable::Built(const Tool& tool) const { return built_[IndexOf(tool)]; }

void ToolTable::Build(Tool& tool) {
    const std::size_t index = IndexOf(tool);
    if (built_[index]) return;
    // Marked first: whatever the build sets off finds it built, and a build
    // that fails half-way is not tried again.
    built_[index] = true;
    tool.Build(pages_);
    if (loaded_) tool.SettingsLoaded(*loaded_, keyOpened_);
}

void ToolTable::BuildAll() {
    // By index, as what a tool's build sets off may build another tool.
    for (std::size_t i = 0; i < tools_.size(); ++i)
        Build(*tools_[i]);
}

void ToolTable::SettingsLoaded(const Settings& settings, bool keyOpened) {
    loaded_ = &settings;
    keyOpened_ = keyOpened;
    for (std::size_t i = 0; i < tools_.size(); ++i)
        if (built_[i]) tools_[i]->SettingsLoaded(settings, keyOpened);
}

void ToolTable::SetMode(ActiveMode mode) {
    if (mode != ActiveMode::None) BuildAll();
    mode_ = mode;
}

void ToolTable::StopActiveTool() {
    if (Tool* tool = Find(mode_)) tool->Stop();
}

void ToolTable::HookArmed() { hookOwner_ = Find(mode_); }

bool ToolTable::Route(const HookReport& report) {
    // A report still under way when its tool has stopped is nobody's; a
    // tool that runs without a hook of its own gets none of another's.
    if (!hookOwner_ || hookOwner_->Mode() != mode_) return false;
    hookOwner_->OnHookReport(report);
    return true;
}

void ToolTable::BindHotKey(HotKeyBinding binding) {
    if (!RowOfLetter(static_cast<char>(binding.key)))
        throw std::logic_error("a binding to a key nobody declared");
    hotKeys_.push_back(std::move(binding));
}

const HotKeyRow* ToolTable::RowOfLetter(char letter) const {
    if (const HotKeyRow* row = HotKeyRowOfLetter(letter)) return row;
    for (const HotKeyRow& own : ownKeys_)
        if (own.letter == letter) return &own;
    return nullptr;
}

std::vector<HotKeyRow> ToolTable::KeyRows() const {
    std::vector<HotKeyRow> rows(HotKeyRows().begin(), HotKeyRows().end());
    rows.insert(rows.end(), ownKeys_.begin(), ownKeys_.end());
    return rows;
}

void ToolTable::DispatchHotKey(unsigned virtualKey, MainTabs& tabs) {
    const HotKeyRow* row = RowOfLetter(static_cast<char>(virtualKey & 0xFF));
    if (!row) return;
    // A key may come before the tools' controls are all built; its action
    // may reach any of them, also through another tool.
    BuildAll();
    const int arrivedOn = tabs.OpenTab();
    // An action may change the tab; the bindings stay as they were when the
    // key arrived.
    const std::vector<HotKeyBinding> bindings = hotKeys_;
    for (const HotKeyBinding& b : bindings) {
        if (b.key != row->id()) continue;
        switch (b.reach) {
            case HotKeyBinding::Reach::Anywhere: break;
            case HotKeyBinding::Reach::OnTabOnly:
                if (arrivedOn != b.tab) continue;
                break;
            case HotKeyBinding::Reach::OpenTab:
                // A key on its own tab leaves the running tool alone.
                if (tabs.OpenTab() != b.tab) tabs.ChangePage(b.tab);
                if (b.expand) tabs.ExpandPage(*b.expand);
                break;
        }
        if (b.action) b.action();
    }
}

}  // namespace vix
