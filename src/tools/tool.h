#pragma once

#include <span>
#include <vector>

#include "settings/setting_rows.h"
#include "settings/settings.h"
#include "tools/active_mode.h"
#include "tools/hook_report.h"
#include "tools/hot_key_binding.h"
#include "tools/pages.h"
#include "tools/tool_windows.h"

// What every tool of the main window is to the window: the one contract
// through which the window builds it, tells it of the settings and of its
// own showing, changes tabs, and hands on the hook library's reports and
// the hot keys. The window keeps the tools in a ToolTable and knows nothing
// else of any one of them.
//
// A tool gets what it needs of the main window through the ToolHost it is
// built with (tool_host.h): the running mode, the prompt, the settings, and
// services such as arming a hook or running a dialog behind the window.

namespace vix {

namespace ui {
class Panel;
}

// The pages of the main window, while a tool builds its controls: the page
// `spec` declares, one of the tool's Pages(), made by the window.
class ToolPages {
  public:
    virtual ~ToolPages() = default;
    virtual ui::Panel& Page(const PageSpec& spec) = 0;
};

class Tool {
  public:
    virtual ~Tool() = default;

    // For the start-up timeline.
    virtual const char* Name() const = 0;

    // The value of ActiveMode while this tool runs; None for a part of the
    // window that never runs on its own. A tool sets it through its host
    // when it starts and clears it when it stops. A tool with a mode
    // declares it as `static constexpr ActiveMode kMode` too, for the build
    // to check (tool_checks.h).
    virtual ActiveMode Mode() const { return ActiveMode::None; }
    // The tool's button: starts the tool when it is not running and stops it
    // when it is.
    virtual void Toggle() {}
    // Stops the running tool, as a change of tab does. Most tools stop as
    // their button does.
    virtual void Stop() { Toggle(); }
    // A report of the hook the tool armed through its host; it only arrives
    // while the tool runs.
    virtual void OnHookReport(const HookReport& report) { (void)report; }
    // The keys it brings beyond the program's fifteen, registered after
    // them; declared as `static constexpr HotKeyRow kOwnKeys[]` too, for
    // the build to check (tool_checks.h). Static storage.
    virtual std::span<const HotKeyRow> OwnKeys() const { return {}; }
    // What the hot keys it answers do for it, its own keys' among them.
    virtual std::vector<HotKeyBinding> HotKeys() { return {}; }

    // The values it keeps in the settings key beyond the shell's, declared
    // in its own folder; the table appends them to the key's rows. Those
    // with a caption are on the settings dialog, on a page of the tool's.
    virtual SettingGroup SettingRows() const { return {}; }

    // The pages its controls stand on, in the order they stack on their
    // tabs; the window makes their bars. Static storage.
    virtual std::span<const PageSpec* const> Pages() const { return {}; }

    // Its life with the main window. Its controls are built on its pages
    // once: at the window's creation when one of its pages shows at start,
    // otherwise just after the window's first paint, or earlier when
    // something needs them first (ToolTable says what). Its own windows are
    // created after the main window. Once its controls exist it is told of
    // every load of the settings (`keyOpened`: the settings key could be
    // opened), of a load before that as soon as they are built. It hears of
    // every showing of the main window and of the window's closing whether
    // its controls are built or not.
    virtual void Build(ToolPages& pages) { (void)pages; }
    virtual OwnedWindows Windows() { return {}; }
    virtual void SettingsLoaded(const Settings& settings, bool keyOpened) {
        (void)settings;
        (void)keyOpened;
    }
    virtual void Shown() {}
    virtual void Closing() {}
};

}  // namespace vix
