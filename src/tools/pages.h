#pragma once

// The main window's four tabs, numbered as ActivePageIndex numbers them,
// and the pages (collapsible sections) the tools' controls stand on.

namespace vix {

inline constexpr int kPickerTab = 0;
inline constexpr int kRulerTab = 1;
inline constexpr int kCaptureTab = 2;
inline constexpr int kMoreTab = 3;
inline constexpr int kTabCount = 4;

// The seven collapsible pages, in the order of their layout settings' fields,
// and the links page.
enum class Page {
    ColorPicker,
    ColorLib,
    ColorInfo,
    Ruler,
    RulerViews,
    RulerInfo,
    Capture,
    MoreLinks,  // always shown, has no toggle
};
inline constexpr int kCollapsiblePages = 7;

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
    virtual void ExpandPage(Page page) = 0;
};

}  // namespace vix
