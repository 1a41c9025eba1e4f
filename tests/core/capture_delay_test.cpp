#include "capture/capture_delay.h"

#include <gtest/gtest.h>

#include "common/utf16.h"

namespace vix {
namespace {

TEST(CaptureDelay, AStoredDelayThatIsNoChoiceShowsAsNoneAndTheCountdownNeverShowsZero) {
    const std::pair<int, int> items[] = {{0, 0}, {1, 1}, {3, 2},  {5, 3}, {10, 4},
                                         {2, 0}, {7, 0}, {-3, 0}, {11, 0}};
    for (const auto& [stored, index] : items)
        EXPECT_EQ(DelayChoiceIndex(stored), index) << stored;
    EXPECT_EQ(DelayChoiceText(0), L"none");
    EXPECT_EQ(DelayChoiceText(10), L"10 s");
    // Whole seconds, rounded up.
    const std::pair<long long, const wchar_t*> countdown[] = {
        {3000, L"3 s"}, {2001, L"3 s"}, {2000, L"2 s"}, {1, L"1 s"}, {0, L"1 s"}, {-40, L"1 s"}};
    for (const auto& [msLeft, shows] : countdown)
        EXPECT_EQ(CountdownText(msLeft),
                  L"Capturing in " + std::wstring(shows) + L"\u2026 Esc cancels")
            << msLeft;
}

}  // namespace
}  // namespace vix
