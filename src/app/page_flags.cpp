#include "app/page_flags.h"

namespace vix {
namespace {

// Works for const and mutable settings alike.
template <typename S>
auto FlagOf(S& s, Page page) -> decltype(&s.pickerSectionOpen) {
    switch (page) {
        case Page::ColorPicker: return &s.pickerSectionOpen;
        case Page::ColorLib: return &s.librarySectionOpen;
        case Page::ColorInfo: return &s.colorInfoSectionOpen;
        case Page::Ruler: return &s.rulerSectionOpen;
        case Page::RulerViews: return &s.rulerViewsSectionOpen;
        case Page::RulerInfo: return &s.rulerInfoSectionOpen;
        case Page::Capture: return &s.captureSectionOpen;
        case Page::MoreLinks: return nullptr;
    }
    return nullptr;
}

}  // namespace

PageStates PageFlagsOf(const Settings& settings) {
    PageStates states{};
    for (int i = 0; i < kCollapsiblePages; ++i)
        states[i] = *FlagOf(settings, static_cast<Page>(i));
    return states;
}

void SetPageFlag(Settings& settings, Page page, bool expanded) {
    if (auto* flag = FlagOf(settings, page)) *flag = expanded;
}

}  // namespace vix
