#include "spacing/monitor_dpi.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// The primary 1920 x 1080 at 96 DPI; left of it a 2560 x 1440 at 144 DPI
// whose top stands 360 pixels higher, leaving a corner above the primary
// that no monitor covers.
const Rect kMonitors[] = {{0, 0, 1920, 1080}, {-2560, -360, 0, 1080}};
const int kDpis[] = {96, 144};
constexpr int kSystem = 120;

TEST(MonitorDpi, IsTheDpiOfTheMonitorUnderThePointOrOfTheNearestOne) {
    const struct {
        Point at;
        int dpi;
    } cases[] = {
        {{100, 100}, 96},     {{1919, 1079}, 96},   {{0, 0}, 96},  // the left edge is the primary's
        {{-1, 0}, 144},       {{-2560, -360}, 144}, {{-1200, 1079}, 144},
        {{10, -300}, 144},     // in the empty corner: 11 from the left one, 300 from the primary
        {{500, -10}, 96},      // just above the primary
        {{5000, 500}, 96},     // right of every monitor
        {{-3000, 2000}, 144},  // below and left of everything
    };
    for (const auto& c : cases)
        EXPECT_EQ(DpiAt(c.at, kMonitors, kDpis, kSystem), c.dpi) << c.at.x << ", " << c.at.y;
}

TEST(MonitorDpi, FallsBackWhenNoMonitorOrNoDpiIsKnown) {
    EXPECT_EQ(DpiAt({5, 5}, {}, {}, kSystem), kSystem);
    const int onlyThePrimarys[] = {96}, unknown[] = {0, -1};
    EXPECT_EQ(DpiAt({-5, 5}, kMonitors, onlyThePrimarys, kSystem), kSystem);
    EXPECT_EQ(DpiAt({5, 5}, kMonitors, unknown, kSystem), kSystem);
    EXPECT_EQ(DpiAt({-5, 5}, kMonitors, unknown, kSystem), kSystem);
}

}  // namespace
}  // namespace vix
