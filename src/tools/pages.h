#pragma once

#include "settings/settings_table.h"

// The main window's four tabs, numbered as ActivePageIndex numbers them,
// and the pages (collapsible sections) on them that the tools' controls
// stand on: each tool declares its pages, and the window builds their bars
// and stacks them on their tab in the order the tools ask for them.

namespace vix {

inline constexpr int kPickerTab = 0;
inline constexpr int kRulerTab = 1;
inline constexpr int kCaptureTab = 2;
inline constexpr int kMoreTab = 3;
inline constexpr int kTabCount = 4;

// One page: a bar with its caption and its toggle, and the page under it.
// Declared once, with static storage: the window keeps a pointer to it.
struct PageSpec {
    int tab = kPickerTab;
    const wchar_t* caption = L"";
    // The toggle's hint; none: the page is always shown, its bar has no
    // toggle.
    const wchar_t* toggleHint = nullptr;
    int height = 0;  // of the page, when it is shown
    // The flag that keeps whether it is shown, when the interface layout is
    // remembered (a row of the shell's or of the tool's own); none: it opens
    // as `shownByDefault` says.
    const SettingDef* shownSetting = nullptr;
    bool shownByDefault = false;

    bool Collapsible() const { return toggleHint != nullptr; }
};

// What the tools and their hot keys ask of the main window's tabs.
class MainTabs {
  public:
    virtual ~MainTabs() = default;
    // The open tab, -1 when all are closed.
    virtual int OpenTab() const = 0;
    // Opens tab `index` (-1 closes them all); the running tool is stopped
    // first (ChangePage).
    virtual void ChangePage(int index) = 0;
    // Expands `page` when it is collapsed.
    virtual void ExpandPage(const PageSpec& page) = 0;
};

}  // namespace vix
