#include "app/page_flags.h"

namespace vix {
namespace {

// Works for const and mutable settings alike.
template <typename S>
auto FlagOf(S& s, Page page) -> decltype(&s._tab_ColorPickerpage) {
    switch (page) {
        case Page::ColorPicker: return &s._tab_ColorPickerpage;
        case Page::ColorLib: return &s._tab_ColorLibPage;
        case Page::ColorInfo: return &s._tab_ColorInfopage;
        case Page::Ruler: return &s._tab_RulerPage;
        case Page::RulerViews: return &s._tab_RulerViewsPage;
        case Page::RulerInfo: return &s._tab_RulerInfoPage;
        case Page::Capture: return &s._tab_CapturePage;
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
