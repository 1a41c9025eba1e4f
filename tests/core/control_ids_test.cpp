#include "tools/control_ids.h"

#include <gtest/gtest.h>

#include <map>

#include "color/color_control_ids.h"
#include "ruler/ruler_control_ids.h"
#include "tools/pages.h"

namespace vix {
namespace {

// Automation finds a control by its id among all the main window's
// descendants: no two may share one, even in a window with the most pages.
TEST(ControlIds, NoTwoControlsOfAWindowWithTheMostPagesShareAnId) {
    std::multimap<int, const char*> owners;
    for (int id : {kIdHintLabel, kIdHintBar, kIdMainPanel, kIdTitleImage, kIdTabLine, kIdTabStrip})
        owners.emplace(id, "shell");
    for (int tab = 0; tab < kTabCount; ++tab)
        owners.emplace(kIdSectionPanelFirst + tab, "tab");
    for (int i = 0; i < kMaxPages; ++i) {
        owners.emplace(PageIdsAt(static_cast<std::size_t>(i)).bar, "bar");
        owners.emplace(PageIdsAt(static_cast<std::size_t>(i)).page, "page");
    }
    for (int id : {kIdPickerView, kIdLiveSwatch, kIdSampledSwatch, kIdLiveRed, kIdLiveGreen,
                   kIdLiveBlue, kIdSummary, kIdSampleSizeList, kIdContrast, kIdLibraryGrid,
                   kIdHoverRed, kIdHoverGreen, kIdHoverBlue})
        owners.emplace(id, "colour picker");
    for (int row = 0; row < 7; ++row)
        owners.emplace(kIdColorInfoFirst + row, "colour information");
    for (int id :
         {kIdRulerX, kIdRulerY, kIdRulerLength, kIdRulerUnits, kIdRulerBeginView, kIdRulerEndView})
        owners.emplace(id, "ruler");
    for (int row = 0; row < 6; ++row)
        owners.emplace(kIdRulerInfoFirst + row, "ruler information");

    for (const auto& [id, owner] : owners)
        EXPECT_EQ(owners.count(id), 1u) << id << " of the " << owner << " is taken twice";
}

TEST(ControlIds, APageBeyondTheMostGetsNoIds) {
    EXPECT_EQ(PageIdsAt(0).page, 1020) << "the first page's id is the one of older versions";
    EXPECT_NO_THROW(PageIdsAt(std::size_t{kMaxPages} - 1));
    EXPECT_THROW(PageIdsAt(std::size_t{kMaxPages}), std::length_error);
}

}  // namespace
}  // namespace vix
