// The pin tool with a stand-in for the capture page: where a pin lies, that
// it keeps its own copy, its keys, its outputs reaching the page's, and the
// objects 200 pins leave behind.

#include <gtest/gtest.h>

#include <cstdint>
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
    void Save(const ScreenPicture& p) override { saved.push_back(p.screen); }
    void CopyToClipboard(const ScreenPicture& p) override { copied.push_back(p.pixels[0]); }
    void Preview(const ScreenPicture& p) override { previewed.push_back(p.screen); }

    std::vector<SnapshotOutput> added;
    bool enabled = false;
    ScreenPicture current;
    std::vector<Rect> saved, previewed;
    std::vector<std::uint32_t> copied;
};

// Named: the 32-bit system calls it as stdcall, which a lambda is not.
BOOL CALLBACK AddPinWindow(HWND window, LPARAM list) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (std::wstring_view(name) == L"TVixPin")
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> PinWindows() {
    std::vector<HWND> found;
    ::EnumThreadWindows(::GetCurrentThreadId(), &AddPinWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

class PinToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A picture left of and above the primary monitor, each pixel its own.
        pixels_.resize(40 * 30);
        for (std::size_t i = 0; i < pixels_.size(); ++i)
            pixels_[i] = static_cast<std::uint32_t>(0x102030 + i);
        picture_ = {pixels_.data(), Rect::FromBounds(-300, -200, 40, 30)};
        tool_.UseSnapshotOutputs(outputs_);
    }
    void TearDown() override { tool_.CloseAll(); }

    test::FakeToolHost host_;
    FakeSnapshotOutputs outputs_;
    PinTool tool_{host_};
    std::vector<std::uint32_t> pixels_;
    ScreenPicture picture_;
};

TEST_F(PinToolTest, APinLiesOverItsSourceAndKeepsItsOwnCopy) {
    ASSERT_TRUE(tool_.Pin(picture_));
    const auto pins = PinWindows();
    ASSERT_EQ(pins.size(), 1u);
    RECT r{};
    ::GetWindowRect(pins[0], &r);
    // The frame lies outside the picture, which covers its source exactly.
    EXPECT_EQ(r.left, -302);
    EXPECT_EQ(r.top, -202);
    EXPECT_EQ(r.right, -258);
    EXPECT_EQ(r.bottom, -168);
    EXPECT_TRUE(::GetWindowLongPtrW(pins[0], GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetWindow(pins[0], GW_OWNER), nullptr);

    // A later capture overwrites the snapshot's pixels, never the pin's.
    const std::uint32_t first = pixels_[0];
    std::fill(pixels_.begin(), pixels_.end(), 0u);
    auto* pin = static_cast<PinWindow*>(platform::Window::FromHandle(pins[0]));
    ASSERT_NE(pin, nullptr);
    const ScreenPicture held = pin->Picture();
    EXPECT_EQ(held.screen, picture_.screen);
    EXPECT_EQ(held.pixels[0], first);
    EXPECT_EQ(held.pixels[40 * 30 - 1], first + 40 * 30 - 1);
}

TEST_F(PinToolTest, EscAndADoubleClickCloseOnePinCloseAllTheRest) {
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(tool_.Pin(picture_));
    ASSERT_EQ(PinWindows().size(), 4u);
    ::SendMessageW(PinWindows()[0], WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(tool_.OpenPins(), 3u);
    ::SendMessageW(PinWindows()[0], WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(tool_.OpenPins(), 2u);
    ::SendMessageW(PinWindows()[0], WM_KEYDOWN, 'A', 0);  // another key does nothing
    EXPECT_EQ(tool_.OpenPins(), 2u);
    tool_.Closing();  // the main window's close
    EXPECT_EQ(tool_.OpenPins(), 0u);
    EXPECT_TRUE(PinWindows().empty());
}

TEST_F(PinToolTest, TheKeyAndTheButtonPinTheSnapshotOnlyWhileTheOutputsAreEnabled) {
    ASSERT_EQ(outputs_.added.size(), 1u);
    EXPECT_STREQ(outputs_.added[0].hint, L"Pin snapshot to the screen");
    const auto keys = tool_.HotKeys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].key, static_cast<HotKeyId>('K'));
    EXPECT_EQ(keys[0].reach, HotKeyBinding::Reach::OnTabOnly);
    EXPECT_EQ(keys[0].tab, kCaptureTab);

    outputs_.current = picture_;
    keys[0].action();
    EXPECT_EQ(tool_.OpenPins(), 0u);
    outputs_.enabled = true;
    keys[0].action();
    EXPECT_EQ(tool_.OpenPins(), 1u);
    outputs_.added[0].send(picture_);
    EXPECT_EQ(tool_.OpenPins(), 2u);
    // Nothing to pin: no window, no message.
    tool_.Pin({});
    EXPECT_EQ(tool_.OpenPins(), 2u);
    EXPECT_TRUE(host_.errors.empty());
}

// Twenty pins open at a time, ten times over. The first round makes what
// the system keeps for as many windows as were ever open at once (Wine's
// device contexts of its window cache, about one each), which is no leak of
// the pins'.
TEST_F(PinToolTest, TwoHundredPinsOpenedAndClosedLeaveTheObjectCountsFlat) {
    const auto round = [this] {
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(tool_.Pin(picture_));
            HWND pin = PinWindows().back();
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
