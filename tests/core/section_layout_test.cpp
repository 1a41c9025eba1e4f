#include "app/section_layout.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

constexpr int kPageHeights[] = {112, 79, 74, 69, 61, 58, 93};

int Bit(int mask, Page page) { return (mask >> static_cast<int>(page)) & 1; }

PageStates FromMask(int mask) {
    PageStates states{};
    for (int i = 0; i < kCollapsiblePages; ++i)
        states[i] = (mask >> i) & 1;
    return states;
}

TEST(ArrangeSections, DefaultLayoutGivesTheKnownWindowHeights) {
    const PageStates defaults = DefaultPageStates();
    EXPECT_EQ(ArrangeSections(0, defaults, true).clientHeight, 227);
    EXPECT_EQ(ArrangeSections(1, defaults, true).clientHeight, 184);
    EXPECT_EQ(ArrangeSections(2, defaults, true).clientHeight, 176);
    EXPECT_EQ(ArrangeSections(3, defaults, true).clientHeight, 374);
    EXPECT_EQ(ArrangeSections(-1, defaults, true).clientHeight, 44);
}

// Every combination of expanded pages, with and without the information bar,
// against the sum computed here from the page table.
TEST(ArrangeSections, HeightIsBarsPlusExpandedPagesForEveryCombination) {
    const Page tabs[3][3] = {{Page::ColorPicker, Page::ColorLib, Page::ColorInfo},
                             {Page::Ruler, Page::RulerViews, Page::RulerInfo},
                             {Page::Capture, Page::Capture, Page::Capture}};
    const int sectionCounts[3] = {3, 3, 1};
    for (int mask = 0; mask < (1 << kCollapsiblePages); ++mask) {
        for (bool bar : {true, false}) {
            for (int tab = 0; tab < 3; ++tab) {
                int expected = 0;
                for (int i = 0; i < sectionCounts[tab]; ++i) {
                    const Page p = tabs[tab][i];
                    expected += 16 + (Bit(mask, p) ? kPageHeights[static_cast<int>(p)] : 0);
                }
                const TabLayout layout = ArrangeSections(tab, FromMask(mask), bar);
                ASSERT_EQ(layout.sectionHeight, expected) << "tab " << tab << " mask " << mask;
                ASSERT_EQ(layout.clientHeight, 41 + expected + (bar ? 22 : 0) + 4);
                ASSERT_EQ(layout.infoBarTop, 41 + expected);
            }
            // The More tab ignores the page flags; the collapsed window ignores everything.
            ASSERT_EQ(ArrangeSections(3, FromMask(mask), bar).clientHeight,
                      41 + 16 + 291 + (bar ? 22 : 0) + 4);
            ASSERT_EQ(ArrangeSections(-1, FromMask(mask), bar).clientHeight, 44);
        }
    }
}

TEST(ArrangeSections, TogglingAPageChangesTheHeightByExactlyThatPage) {
    PageStates states = DefaultPageStates();
    const int before = ArrangeSections(0, states, true).clientHeight;
    states[static_cast<int>(Page::ColorLib)] = true;
    const TabLayout after = ArrangeSections(0, states, true);
    EXPECT_EQ(after.clientHeight - before, 79);
    EXPECT_EQ(after.infoBarTop, 41 + 16 + 112 + 16 + 79 + 16);
}

TEST(ArrangeSections, InformationBarOffTakesTwentyTwoPixelsFromEveryOpenTab) {
    const PageStates defaults = DefaultPageStates();
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_EQ(ArrangeSections(tab, defaults, true).clientHeight -
                      ArrangeSections(tab, defaults, false).clientHeight,
                  22);
}

TEST(ArrangeSections, PagesStackDirectlyUnderTheirOwnBars) {
    PageStates states{};
    states[static_cast<int>(Page::RulerViews)] = true;
    const TabLayout layout = ArrangeSections(1, states, true);
    ASSERT_EQ(layout.sections.size(), 3u);
    EXPECT_EQ(layout.sections[0].barTop, 0);
    EXPECT_FALSE(layout.sections[0].pageShown);
    EXPECT_EQ(layout.sections[1].barTop, 16);
    EXPECT_EQ(layout.sections[1].pageTop, 32);
    EXPECT_TRUE(layout.sections[1].pageShown);
    EXPECT_EQ(layout.sections[2].barTop, 32 + 61);
}

TEST(ArrangeSections, IndexOutsideTheTabsLaysOutNothing) {
    EXPECT_TRUE(ArrangeSections(4, DefaultPageStates(), true).sections.empty());
    EXPECT_TRUE(ArrangeSections(-7, DefaultPageStates(), true).sections.empty());
}

}  // namespace
}  // namespace vix
