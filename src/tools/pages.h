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

}  // namespace vix
