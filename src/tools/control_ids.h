#pragma once

#include <cstddef>
#include <stdexcept>

// Child-window identifiers of controls without a caption of their own, so
// that accessibility tools and automation can tell them apart. The shell's
// are here; each tool keeps its own in its folder, a hundred to a tool from
// kIdToolsFirst on: the colour picker's 1100 (color/color_control_ids.h),
// the ruler's 1200 (ruler/ruler_control_ids.h).

namespace vix {

// The most pages the main window gives ids to.
inline constexpr int kMaxPages = 40;

enum ControlId : int {
    kIdHintLabel = 1001,  // the information bar's text
    kIdHintBar = 1002,
    kIdMainPanel = 1003,
    kIdTitleImage = 1004,
    kIdTabLine = 1005,
    kIdTabStrip = 1006,
    kIdSectionPanelFirst = 1010,  // + tab index
    kIdPageFirst = 1020,          // + page index, in the order the tools declare them
    kIdBarFirst = 1060,           // + page index
};
inline constexpr int kIdToolsFirst = 1100;
static_assert(kIdBarFirst >= kIdPageFirst + kMaxPages && kIdToolsFirst >= kIdBarFirst + kMaxPages,
              "the pages' and their bars' ids run into the next ones");

// The ids of the bar and of the page at `index`, in the order the tools
// declare their pages. A window with more pages than kMaxPages is refused
// here, where its pages get their ids, rather than given ids another
// control has.
struct PageIds {
    int bar;
    int page;
};
inline PageIds PageIdsAt(std::size_t index) {
    if (index >= static_cast<std::size_t>(kMaxPages))
        throw std::length_error("more pages than the main window has ids for");
    const int i = static_cast<int>(index);
    return {.bar = kIdBarFirst + i, .page = kIdPageFirst + i};
}

}  // namespace vix
