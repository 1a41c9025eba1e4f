#include "capture/capture_delay.h"

#include <gtest/gtest.h>

#include "common/utf16.h"

namespace vix {
namespace {

TEST(CaptureDelay, AStoredDelayThatIsNoChoiceShowsAsNone) {
    const struct {
        int stored;
        int index;
    } cases[] = {{0, 0}, {1, 1}, {3, 2}, {5, 3}, {10, 4}, {2, 0}, {7, 0}, {-3, 0}, {11, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DelayChoiceIndex(c.stored), c.index) << c.stored;
    EXPECT_EQ(DelayChoiceText(0), L"none");
    EXPECT_EQ(DelayChoiceText(10), L"10 s");
}

TEST(CaptureDelay, TheCountdownRoundsUpToWholeSecondsAndNeverShowsZero) {
    const struct {
        long long msLeft;
        const wchar_t* shows;
    } cases[] = {{3000, L"3 s"}, {2001, L"3 s"}, {2000, L"2 s"},
                 {1, L"1 s"},    {0, L"1 s"},    {-40, L"1 s"}};
    for (const auto& c : cases) {
        const std::wstring text = CountdownText(c.msLeft);
        EXPECT_NE(text.find(L"in " + std::wstring(c.shows)), std::wstring::npos)
            << c.msLeft << ": " << ToUtf8(text);
    }
}

}  // namespace
}  // namespace vix
