#pragma once

#include <array>
#include <span>
#include <vector>

#include "tools/pages.h"

// Geometry of the main window's tabs: which collapsible sections each tab
// holds, how they stack, and the window height that follows from them.

namespace vix {

inline constexpr int kClientWidth = 261;
inline constexpr int kCollapsedClientHeight = 44;  // all tabs closed: the tab strip only
inline constexpr int kSectionTop = 41;
inline constexpr int kSectionWidth = 255;
inline constexpr int kBarHeight = 16;
inline constexpr int kInfoBarHeight = 22;

using PageStates = std::array<bool, kCollapsiblePages>;  // expanded, by Page

struct SectionSpec {
    Page page;
    int pageHeight;
};

// The sections of tab 0 to 3, top to bottom; empty for any other index.
std::span<const SectionSpec> SectionsOfTab(int tab);

inline constexpr bool IsCollapsible(Page page) { return page != Page::MoreLinks; }

// The default layout: Color picker, Ruler and Screen capture expanded.
PageStates DefaultPageStates();

struct SectionPlacement {
    Page page;
    int barTop;  // in the section panel
    int pageTop;
    bool pageShown;
};

struct TabLayout {
    std::vector<SectionPlacement> sections;
    int sectionHeight = 0;
    int clientHeight = kCollapsedClientHeight;
    int infoBarTop = kCollapsedClientHeight;
};

// Stacks the bars and the expanded pages of `tab` from the top and derives
// the window's client height; with no open tab (-1) only the tab strip shows.
TabLayout ArrangeSections(int tab, const PageStates& expanded, bool showInformationBar);

}  // namespace vix
