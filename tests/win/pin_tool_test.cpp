// The pin tool with a stand-in for the capture page: a pin's window and its
// own copy, how pins close, what pins one, the objects 200 pins leave behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "fake_tool_host.h"
#include "gui_counts.h"
#include "pin/pin_tool.h"

namespace vix {
namespace {

class FakeSnapshotOutputs : public SnapshotOutputs {
  public:
    void AddOutput(SnapshotOutput output) override { added.push_back(std::move(output)); }
    bool OutputsEnabled() const override { return enabled; }
    ScreenPicture CurrentSnapshot() const override { return current; }
    void Save(const ScreenPicture&) override {}
    void CopyToClipboard(const ScreenPicture&) override {}
    void Preview(const ScreenPicture&) override {}

    std::vector<SnapshotOutput> added;
    bool enabled = false;
    ScreenPicture current;
};

// A pin's window: the one on top, when there are several.
HWND TopPin() { return ::FindWindowW(L"TVixPin", nullptr); }

class PinToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::iota(pixels_.begin(), pixels_.end(), 0x102030u);  // each pixel its own
        tool_.UseSnapshotOutputs(outputs_);
    }

    test::FakeToolHost host_;
    FakeSnapshotOutputs outputs_;
    PinTool tool_{host_};
    std::vector<std::uint32_t> pixels_ = std::vector<std::uint32_t>(40 * 30);
    // Left of and above the primary monitor.
    ScreenPicture picture_{pixels_.data(), Rect::FromBounds(-300, -200, 40, 30)};
};

TEST_F(PinToolTest, APinLiesOverItsSourceAndKeepsItsOwnCopy) {
    ASSERT_TRUE(tool_.Pin(picture_));
    const HWND window = TopPin();
    RECT r{};
    ASSERT_TRUE(::GetWindowRect(window, &r));
    // The frame outside the picture, which covers its source exactly.
    EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}),
              (std::array<LONG, 4>{-302, -202, -258, -168}));
    EXPECT_TRUE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), nullptr);

    // A later capture overwrites the snapshot's pixels, never the pin's.
    const std::vector<std::uint32_t> taken = pixels_;
    std::fill(pixels_.begin(), pixels_.end(), 0u);
    const auto* pin = static_cast<PinWindow*>(platform::Window::FromHandle(window));
    ASSERT_NE(pin, nullptr);
    const ScreenPicture held = pin->Picture();
    EXPECT_EQ(held.screen, picture_.screen);
    EXPECT_TRUE(std::equal(taken.begin(), taken.end(), held.pixels));
}

TEST_F(PinToolTest, EscAndADoubleClickCloseOnePinCloseAllTheRest) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(tool_.Pin(picture_));
    ::SendMessageW(TopPin(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageW(TopPin(), WM_KEYDOWN, 'A', 0);  // another key does nothing
    EXPECT_EQ(tool_.OpenPins(), 2u);
    ::SendMessageW(TopPin(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(tool_.OpenPins(), 1u);
    tool_.Closing();  // the main window's close
    EXPECT_EQ(TopPin(), nullptr);
}

TEST_F(PinToolTest, TheKeyAndTheButtonPinTheSnapshotOnlyWhileTheOutputsAreEnabled) {
    const auto keys = tool_.HotKeys();
    ASSERT_EQ(keys.size(), 1u);
    ASSERT_EQ(outputs_.added.size(), 1u);
    outputs_.current = picture_;
    keys[0].action();
    EXPECT_EQ(tool_.OpenPins(), 0u);
    outputs_.enabled = true;
    keys[0].action();
    EXPECT_EQ(tool_.OpenPins(), 1u);
    outputs_.added[0].send(picture_);
    tool_.Pin({});  // nothing to pin: no window, no message
    EXPECT_EQ(tool_.OpenPins(), 2u);
    EXPECT_TRUE(host_.errors.empty());
}

// Twenty pins open at a time, zoomed and faded, ten times over. The first
// round makes what Wine keeps for as many windows as were ever open at once
// (a cached device context each), which is no leak of the pins'.
TEST_F(PinToolTest, TwoHundredPinsOpenedAndClosedLeaveTheObjectCountsFlat) {
    const auto round = [this] {
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(tool_.Pin(picture_));
            const HWND pin = TopPin();
            ::UpdateWindow(pin);
            ::SendMessageW(pin, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(-290, -190));
            ::SendMessageW(pin, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA),
                           MAKELPARAM(-290, -190));
            ::UpdateWindow(pin);
            if (i % 2) ::SendMessageW(pin, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        tool_.CloseAll();
    };
    round();
    const test::GuiCounts before = test::CurrentGuiCounts();
    for (int i = 0; i < 10; ++i)
        round();
    EXPECT_EQ(test::CurrentGuiCounts(), before);
}

}  // namespace
}  // namespace vix
