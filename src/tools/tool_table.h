#pragma once

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
//
// A tool's controls are built once, on the window's pages. The window
// builds those of the pages it shows; the table builds all that are still
// missing as soon as something beyond a shown page may reach them: a hot
// key of the program, or a tool starting (tools reach one another: the
// picker's samples go to the library). Until its controls exist a tool
// hears nothing of the settings; the last load reaches it once they do.

namespace vix {

class ToolTable {
  public:
    // `pages` are the window's, on which the tools build their controls.
    explicit ToolTable(ToolPages& pages) : pages_(pages) {}

    // Adds a tool and takes its keys, their bindings and its pages; a tool
    // with a mode is the only one with that mode, a letter is one key, a
    // page belongs to one tool (tool_set.cpp asserts the first two when it
    // builds; this is the net for what it does not name). The table does not
    // own it.
    void Add(Tool& tool);
    Tool* Find(ActiveMode mode) const;
    // The tool that declared `page`, if any.
    Tool* OwnerOf(const PageSpec& page) const;
    // Every tool, in the order added.
    std::span<Tool* const> Tools() const { return tools_; }
    // The settings key's rows: the shell's, then every tool's in the order
    // added.
    const vix::SettingRows& SettingRows() const { return settingRows_; }

    // Builds `tool`'s controls unless they are built; then it hears of the
    // last load of the settings, if there was one.
    void Build(Tool& tool);
    // Builds every tool's controls still missing, in the order added.
    void BuildAll();
    bool Built(const Tool& tool) const;
    // Tells the tools whose controls exist of a load of the settings and
    // keeps it for the others. `settings` outlives the table.
    void SettingsLoaded(const Settings& settings, bool keyOpened);

    ActiveMode Mode() const { return mode_; }
    // A tool starting finds every other tool's controls built.
    void SetMode(ActiveMode mode);

    // Stops the running tool, as a change of tab does.
    void StopActiveTool();

    // The running tool has armed a hook of the hook library: the reports
    // that come from now on are its own.
    void HookArmed();
    // Hands a report to the tool that armed the hook last while that tool
    // runs; otherwise the report is dropped. Returns whether a tool took it.
    bool Route(const HookReport& report);

    // A binding of the window's own, beside those of the tools, to one of
    // the fifteen or a key a tool brought.
    void BindHotKey(HotKeyBinding binding);
    // The keys to register: the program's fifteen, then those the tools
    // brought.
    std::vector<HotKeyRow> KeyRows() const;
    // Runs the bindings of the key whose letter is the low byte of
    // `virtualKey`, in the order they were bound, with the tabs as they
    // were when the key arrived; every tool's controls are built first.
    void DispatchHotKey(unsigned virtualKey, MainTabs& tabs);

  private:
    std::size_t IndexOf(const Tool& tool) const;
    const HotKeyRow* RowOfLetter(char letter) const;

    struct Page {
        const PageSpec* spec;
        Tool* owner;
    };

    ToolPages& pages_;
    std::vector<Tool*> tools_;
    std::vector<bool> built_;  // by the index in tools_
    std::vector<Page> pageOwners_;
    vix::SettingRows settingRows_;
    const Settings* loaded_ = nullptr;
    bool keyOpened_ = false;
    ActiveMode mode_ = ActiveMode::None;
    Tool* hookOwner_ = nullptr;
    std::vector<HotKeyBinding> hotKeys_;
    std::vector<HotKeyRow> ownKeys_;
};

}  // namespace vix
