#include "app/section_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace vix {
namespace {

// The pages of the program's tabs, as the tools declare them: height, and
// whether the page is shown in the default layout.
const std::vector<SectionState> kPickerDefault = {{112, true}, {79, false}, {74, false}};
const std::vector<SectionState> kRulerDefault = {{69, true}, {61, false}, {58, false}};
const std::vector<SectionState> kCaptureDefault = {{93, true}};
const std::vector<SectionState> kMore = {{291, true}};

TEST(ArrangeSections, DefaultLayoutGivesTheKnownWindowHeights) {
    EXPECT_EQ(ArrangeSections(kPickerDefault, true).clientHeight, 227);
    EXPECT_EQ(ArrangeSections(kRulerDefault, true).clientHeight, 184);
    EXPECT_EQ(ArrangeSections(kCaptureDefault, true).clientHeight, 176);
    EXPECT_EQ(ArrangeSections(kMore, true).clientHeight, 374);
    EXPECT_EQ(ArrangeSections({}, true).clientHeight, 44) << "all tabs closed";
}

// Every combination of shown pages of a three-page tab, with and without the
// information bar, against the sum computed here.
TEST(ArrangeSections, HeightIsBarsPlusShownPagesForEveryCombination) {
    const int heights[3] = {112, 79, 74};
    for (int mask = 0; mask < 8; ++mask) {
        for (bool bar : {true, false}) {
            std::vector<SectionState> sections;
            int expected = 0;
            for (int i = 0; i < 3; ++i) {
                const bool shown = (mask >> i) & 1;
                sections.push_back({heights[i], shown});
                expected += 16 + (shown ? heights[i] : 0);
            }
            const TabLayout layout = ArrangeSections(sections, bar);
            ASSERT_EQ(layout.sectionHeight, expected) << "mask " << mask;
            ASSERT_EQ(layout.clientHeight, 41 + expected + (bar ? 22 : 0) + 4);
            ASSERT_EQ(layout.infoBarTop, 41 + expected);
        }
    }
}

TEST(ArrangeSections, InformationBarOffTakesTwentyTwoPixelsFromEveryOpenTab) {
    for (const auto* tab : {&kPickerDefault, &kRulerDefault, &kCaptureDefault, &kMore})
        EXPECT_EQ(
            ArrangeSections(*tab, true).clientHeight - ArrangeSections(*tab, false).clientHeight,
            22);
    EXPECT_EQ(ArrangeSections({}, false).clientHeight, 44);
}

TEST(ArrangeSections, PagesStackDirectlyUnderTheirOwnBars) {
    const std::vector<SectionState> ruler = {{69, false}, {61, true}, {58, false}};
    const TabLayout layout = ArrangeSections(ruler, true);
    ASSERT_EQ(layout.sections.size(), 3u);
    EXPECT_EQ(layout.sections[0].barTop, 0);
    EXPECT_FALSE(layout.sections[0].pageShown);
    EXPECT_EQ(layout.sections[1].barTop, 16);
    EXPECT_EQ(layout.sections[1].pageTop, 32);
    EXPECT_TRUE(layout.sections[1].pageShown);
    EXPECT_EQ(layout.sections[2].barTop, 32 + 61);
}

}  // namespace
}  // namespace vix
