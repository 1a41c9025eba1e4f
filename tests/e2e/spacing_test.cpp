// The spacing measure as a designer uses it: started with its key over
// another program's window, pointed into a gap of known size, clicked to
// copy the size, switched to one span with Tab, stopped with a right click
// and with Esc; and from its page, which shows the mode and is remembered
// open.

#include "pattern.h"
#include "pattern_screen.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

class Spacing : public VixTest {
  protected:
    void SetUp() override {
        VixTest::SetUp();
        pattern_ = std::make_unique<VixProcess>(BinDir() + L"\\pattern.exe");
        ASSERT_TRUE(pattern_->Start());
        patternWindow_ = pattern_->WaitForWindow(L"VixTestPattern");
        ASSERT_NE(patternWindow_, nullptr);
        StartVix();
        ASSERT_TRUE(WaitPatternShown(ScreenRect(patternWindow_)));
    }
    void TearDown() override {
        VixTest::TearDown();
        pattern_.reset();
    }

    HWND Overlay() const {
        for (HWND w : TopLevelWindows(vix_->Pid(), L"TSpacingOverlay"))
            if (::IsWindowVisible(w)) return w;
        return nullptr;
    }
    void StartWithKey() {
        PressKeyWith('D', {VK_CONTROL, VK_MENU});
        ASSERT_TRUE(WaitUntil([&] { return Overlay() != nullptr; }));
        ASSERT_TRUE(WaitInputHandled(Overlay()));
    }
    // A click in the flat square, away from its centre: the spans are the
    // square's whatever point of it is measured.
    void ClickInTheSquare() {
        ClearClipboard();
        LeftClickAt({pt::kFlatLeft + 7, pt::kFlatTop + 41});
        WaitInputHandled(Overlay());
    }

    std::unique_ptr<VixProcess> pattern_;
    HWND patternWindow_ = nullptr;
};

TEST_F(Spacing, TheKeyMeasuresTheGapUnderThePointerAndAClickCopiesItsSize) {
    MoveTo({pt::kFlatX, pt::kFlatY});
    StartWithKey();
    ClickInTheSquare();
    const std::wstring side = std::to_wstring(pt::kFlatSize);
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == side + L" \u00D7 " + side + L" px"; }))
        << testing::PrintToString(ClipboardText());

    // Measuring goes on after the copy; Tab measures across alone.
    ASSERT_NE(Overlay(), nullptr);
    PressKey(VK_TAB);
    ClickInTheSquare();
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == side + L" px"; }))
        << testing::PrintToString(ClipboardText());

    RightClickAt({pt::kFlatX, pt::kFlatY});
    EXPECT_TRUE(WaitUntil([&] { return Overlay() == nullptr; }));

    StartWithKey();
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return Overlay() == nullptr; }));
}

TEST_F(Spacing, ThePageButtonStartsItAndThePageShowsTheMode) {
    ClickTab(L" Ruler");
    // The fixture's heights leave a tool's page out: wait for the page itself.
    LeftClickAt(Center(Control(L"Expand/Collapse Spacing")));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Control(L"Measure spacing")); }));
    WaitPainted(Main());
    ASSERT_NE(Control(L"Both spans, Tolerance: 30"), nullptr);
    LeftClickAt(Center(Control(L"Measure spacing")));
    ASSERT_TRUE(WaitUntil([&] { return Overlay() != nullptr; }));
    ASSERT_TRUE(WaitInputHandled(Overlay()));
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return Control(L"Horizontal, Tolerance: 30") != nullptr; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return Overlay() == nullptr; }));
    CloseVix();
    EXPECT_EQ(SettingsDword(L"_tab_SpacingPage"), 1u);
}

}  // namespace
}  // namespace vix::e2e
