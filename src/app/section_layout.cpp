#include "app/section_layout.h"

namespace vix {

TabLayout ArrangeSections(std::span<const SectionState> sections, bool showInformationBar) {
    TabLayout layout;
    if (sections.empty()) return layout;

    int y = 0;
    for (const SectionState& s : sections) {
        layout.sections.push_back({y, y + kBarHeight, s.pageShown});
        y += kBarHeight + (s.pageShown ? s.pageHeight : 0);
    }
    layout.sectionHeight = y;
    const int infoBar = showInformationBar ? kInfoBarHeight : 0;
    layout.clientHeight = kSectionTop + y + infoBar + 4;
    layout.infoBarTop = kSectionTop + y;
    return layout;
}

}  // namespace vix
