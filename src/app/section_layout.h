#pragma once

#include <span>
#include <vector>

#include "tools/pages.h"

// Geometry of the main window's tabs: how the open tab's sections stack,
// and the window height that follows from them.

namespace vix {

inline constexpr int kClientWidth = 261;
inline constexpr int kCollapsedClientHeight = 44;  // all tabs closed: the tab strip only
inline constexpr int kSectionTop = 41;
inline constexpr int kSectionWidth = 255;
inline constexpr int kBarHeight = 16;
inline constexpr int kInfoBarHeight = 22;

// One section of the open tab, top to bottom.
struct SectionState {
    int pageHeight;
    bool pageShown;
};

struct SectionPlacement {
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

// Stacks the bars and the shown pages of the open tab from the top and
// derives the window's client height; with no sections (all tabs closed)
// only the tab strip shows.
TabLayout ArrangeSections(std::span<const SectionState> sections, bool showInformationBar);

}  // namespace vix
