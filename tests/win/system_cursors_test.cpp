// The replaced system cursors cost the program nothing once restored, also
// where the system does not take the cursors it is given (Wine).

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "gui_counts.h"
#include "platform/system_cursors.h"

namespace vix {
namespace {

TEST(SystemCursors, AHundredReplacementsAndRestoresKeepNoCursor) {
    platform::WinSystemCursors cursors;
    // The first replacement may set up what the system keeps for good.
    cursors.ReplaceWithSystemShape(IDC_SIZENS);
    cursors.RestoreSystemCursors();
    const long before = test::CurrentGuiCounts().user;
    for (int i = 0; i < 100; ++i) {
        cursors.ReplaceWithSystemShape(i % 2 ? IDC_SIZEWE : IDC_SIZENS);
        cursors.RestoreSystemCursors();
    }
    // Kept, the copies would be 1600 objects.
    EXPECT_LE(std::labs(test::CurrentGuiCounts().user - before), 16);
}

}  // namespace
}  // namespace vix
