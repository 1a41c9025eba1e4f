#include "app/section_layout.h"

namespace vix {
namespace {

constexpr SectionSpec kPickerSections[] = {
    {Page::ColorPicker, 112}, {Page::ColorLib, 79}, {Page::ColorInfo, 74}};
constexpr SectionSpec kRulerSections[] = {
    {Page::Ruler, 69}, {Page::RulerViews, 61}, {Page::RulerInfo, 58}};
constexpr SectionSpec kCaptureSections[] = {{Page::Capture, 93}};
constexpr SectionSpec kMoreSections[] = {{Page::MoreLinks, 291}};

}  // namespace

std::span<const SectionSpec> SectionsOfTab(int tab) {
    switch (tab) {
        case 0: return kPickerSections;
        case 1: return kRulerSections;
        case 2: return kCaptureSections;
        case 3: return kMoreSections;
        default: return {};
    }
}

PageStates DefaultPageStates() {
    PageStates states{};
    states[static_cast<int>(Page::ColorPicker)] = true;
    states[static_cast<int>(Page::Ruler)] = true;
    states[static_cast<int>(Page::Capture)] = true;
    return states;
}

TabLayout ArrangeSections(int tab, const PageStates& expanded, bool showInformationBar) {
    TabLayout layout;
    const auto sections = SectionsOfTab(tab);
    if (sections.empty()) return layout;

    int y = 0;
    for (const SectionSpec& spec : sections) {
        const bool shown = !IsCollapsible(spec.page) || expanded[static_cast<int>(spec.page)];
        layout.sections.push_back({spec.page, y, y + kBarHeight, shown});
        y += kBarHeight + (shown ? spec.pageHeight : 0);
    }
    layout.sectionHeight = y;
    const int infoBar = showInformationBar ? kInfoBarHeight : 0;
    layout.clientHeight = kSectionTop + y + infoBar + 4;
    layout.infoBarTop = kSectionTop + y;
    return layout;
}

}  // namespace vix
