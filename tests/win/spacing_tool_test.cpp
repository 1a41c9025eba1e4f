// The spacing measure against a stand-in for the main window: what starting
// and stopping it asks of the window, the overlay it shows and the spans it
// draws on the screen, the keys and the wheel on the overlay, and the
// objects a run leaves behind.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fake_tool_host.h"
#include "gui_counts.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/handle.h"
#include "platform/screen_copy.h"
#include "spacing/spacing_rows.h"
#include "spacing/spacing_tool.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace vix {
namespace {

std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

void PutOnClipboard(const std::wstring& text) {
    ASSERT_TRUE(platform::ClipboardWriter().SetText(text));
}

// A black window with a white gap of 80 x 50 (screen coordinates).
constexpr Rect kGapWindow{60, 80, 260, 240};
constexpr Rect kGap{90, 100, 170, 150};

// A topmost window painted all in one of the stock brushes.
platform::WindowHandle Plain(const wchar_t* name, int brush, const Rect& r) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(brush));
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);  // fails harmlessly from the second test on
    platform::WindowHandle w(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, name, L"",
                                               WS_POPUP | WS_VISIBLE, r.left, r.top, r.width(),
                                               r.height(), nullptr, nullptr, nullptr, nullptr));
    ::UpdateWindow(w.get());
    return w;
}

// The screen's pixels in `area`, 0x00RRGGBB.
platform::Canvas ScreenPixels(const Rect& area) {
    platform::Canvas seen({area.width(), area.height()});
    platform::CopyScreenSquare(seen.dc(), area);
    ::GdiFlush();
    return seen;
}

DWORD ScreenPixel(int x, int y) {
    return ScreenPixels({x, y, x + 1, y + 1}).pixel(0, 0) & 0xFFFFFF;
}

// The measure's lines are red with a touch of blue.
bool IsLine(DWORD pixel) { return (pixel & 0xFFFFFF) == 0xFF0040; }

class OnePage : public ToolPages {
  public:
    ui::Panel& Page(const PageSpec&) override { return panel; }
    ui::Panel panel;
};

class SpacingToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 400, 400, 260, 60,
                                      nullptr, nullptr, nullptr, nullptr));
        host_.window = main_.get();
        pages_.panel.Create(main_.get(), Rect::FromBounds(0, 0, 255, 36), L"", {});
        tool_.Build(pages_);
        for (const OwnedWindow& w : tool_.Windows())
            w.form->Create(main_.get());
        tool_.SettingsLoaded(host_.settings, true);
    }
    void TearDown() override { tool_.Stop(); }

    static HWND Overlay() { return ::FindWindowW(L"TSpacingOverlay", nullptr); }
    static void Key(WPARAM key) { ::SendMessageW(Overlay(), WM_KEYDOWN, key, 0); }
    static void Wheel(short delta) {
        ::SendMessageW(Overlay(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
    int Tolerance() const { return NumberSetting(host_.settings, kSpacingTolerance); }

    platform::WindowHandle main_;
    test::FakeToolHost host_;
    OnePage pages_;
    SpacingTool tool_{host_};
};

TEST_F(SpacingToolTest, StartingOpensTheRulerTabAndCoversTheDesktopUntilEsc) {
    host_.openTab = kCaptureTab;
    tool_.Toggle();
    EXPECT_EQ(host_.mode, SpacingTool::kMode);
    EXPECT_EQ(host_.tabsShown, std::vector<int>{kRulerTab});
    EXPECT_FALSE(host_.prompt.empty());
    ASSERT_NE(Overlay(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(Overlay()));
    RECT r{};
    ::GetWindowRect(Overlay(), &r);
    const Rect desktop = platform::VirtualDesktop();
    EXPECT_EQ(r.left, desktop.left);
    EXPECT_EQ(r.top, desktop.top);
    EXPECT_EQ(r.right, desktop.right);
    EXPECT_EQ(r.bottom, desktop.bottom);

    Key(VK_TAB);  // changes the mode, keeps measuring
    EXPECT_EQ(host_.mode, SpacingTool::kMode);
    Key(VK_ESCAPE);
    EXPECT_EQ(host_.mode, ActiveMode::None);
    EXPECT_TRUE(host_.prompt.empty());
    EXPECT_FALSE(::IsWindowVisible(Overlay()));
}

TEST_F(SpacingToolTest, TheWheelChangesTheToleranceAndTheSettingsKeepIt) {
    ASSERT_EQ(Tolerance(), kDefaultTolerance);
    tool_.Toggle();
    Wheel(120);
    Wheel(120);
    Wheel(-120);
    EXPECT_EQ(Tolerance(), kDefaultTolerance + 5);
    EXPECT_EQ(host_.settingsSaved, 3);
    // A right click stops it as Esc does.
    ::SendMessageW(Overlay(), WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(host_.mode, ActiveMode::None);
    // The next run starts from the kept value.
    tool_.SettingsLoaded(host_.settings, true);
    tool_.Toggle();
    Wheel(-120);
    EXPECT_EQ(Tolerance(), kDefaultTolerance);
}

TEST_F(SpacingToolTest, AnotherToolTakingTheModeEndsTheRunAtTheNextInputAndKeepsItsMode) {
    constexpr ActiveMode kOther{"ruler"};
    tool_.Toggle();
    host_.mode = kOther;
    ::SendMessageW(Overlay(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(::IsWindowVisible(Overlay()));
    EXPECT_EQ(host_.mode, kOther);
    tool_.Toggle();  // starts it again rather than stopping a run that ended
    EXPECT_EQ(host_.mode, SpacingTool::kMode);
}

TEST_F(SpacingToolTest, ADraggedBoxIsCopiedInTheRulersUnitUnlessShiftKeepsIt) {
    const auto drag = [](int x1, int y1, int x2, int y2, WPARAM keys) {
        ::SendMessageW(Overlay(), WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x1, y1));
        ::SendMessageW(Overlay(), WM_MOUSEMOVE, MK_LBUTTON | keys, MAKELPARAM(x2, y2));
        ::SendMessageW(Overlay(), WM_LBUTTONUP, keys, MAKELPARAM(x2, y2));
    };
    tool_.Toggle();
    for (int i = 0; i < 3; ++i)
        Key(VK_TAB);  // both spans, horizontal, vertical, box
    PutOnClipboard(L"marker");
    drag(10, 10, 59, 29, MK_SHIFT);
    EXPECT_EQ(ClipboardText(), L"marker");
    drag(59, 29, 10, 10, 0);  // dragged up and left: the same box
    EXPECT_EQ(ClipboardText(), L"50 \u00D7 20 px");
    tool_.Toggle();

    // Percent of the desktop's width across and of its height down.
    host_.settings.rulerUnit = kPercent;
    tool_.Toggle();
    drag(10, 10, 59, 29, 0);
    const Rect desktop = platform::VirtualDesktop();
    wchar_t expected[64];
    std::swprintf(expected, 64, L"%.2f \u00D7 %.2f %%", 50 * 100.0 / desktop.width(),
                  20 * 100.0 / desktop.height());
    EXPECT_EQ(ClipboardText(), expected);
    tool_.Toggle();

    // Inches at the DPI of the monitor the box starts on: with one monitor,
    // the system's.
    host_.settings.rulerUnit = kInches;
    tool_.Toggle();
    drag(10, 10, 105, 57, 0);
    const double dpi = platform::ScreenDpi();
    std::swprintf(expected, 64, L"%.2f \u00D7 %.2f in", 96 / dpi, 48 / dpi);
    EXPECT_EQ(ClipboardText(), expected);
}

TEST_F(SpacingToolTest, TheSpansAreDrawnOnThePointersRowAndColumnWithTicksAtTheGapsEdgesAlone) {
    const platform::WindowHandle black = Plain(L"VixSpacingBlack", BLACK_BRUSH, kGapWindow);
    const platform::WindowHandle gap = Plain(L"VixSpacingWhite", WHITE_BRUSH, kGap);
    ASSERT_TRUE(test::PumpUntil([] {
        return ScreenPixel(kGap.left, kGap.top) == 0xFFFFFF &&
               ScreenPixel(kGap.left - 1, kGap.top) == 0;
    }));
    // Measured first on the black round the gap: nothing of it may stay.
    const Point before{86, 96}, at{110, 120};
    ::SetCursorPos(before.x, before.y);
    tool_.Toggle();
    ASSERT_TRUE(test::PumpUntil([&] { return IsLine(ScreenPixel(before.x, before.y)); }));
    ::SetCursorPos(at.x, at.y);
    ASSERT_TRUE(test::PumpUntil([&] { return IsLine(ScreenPixel(at.x, at.y)); }));

    // From the gap alone: its first and last white pixels across and down,
    // ticks 9 pixels long centred on each end.
    const int left = kGap.left, right = kGap.right - 1, top = kGap.top, bottom = kGap.bottom - 1;
    const auto drawn = [&](int x, int y) {
        const bool across = y == at.y && x >= left && x <= right;
        const bool down = x == at.x && y >= top && y <= bottom;
        const bool sideTick = (x == left || x == right) && std::abs(y - at.y) <= 4;
        const bool endTick = (y == top || y == bottom) && std::abs(x - at.x) <= 4;
        return across || down || sideTick || endTick;
    };
    const Rect area{kGap.left - 8, kGap.top - 8, kGap.right + 8, kGap.bottom + 8};
    const platform::Canvas seen = ScreenPixels(area);
    int wrong = 0;
    std::string firstWrong;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (x >= at.x + 12 && y >= at.y + 12) continue;  // the label's corner
            if (IsLine(seen.pixel(x - area.left, y - area.top)) == drawn(x, y)) continue;
            if (!wrong++) firstWrong = std::to_string(x) + ", " + std::to_string(y);
        }
    EXPECT_EQ(wrong, 0) << "first at " << firstWrong;
}

TEST_F(SpacingToolTest, StartsAndStopsLeaveTheObjectCountsFlat) {
    tool_.Toggle();  // the first run makes what is kept for good (fonts, classes)
    tool_.Toggle();
    const test::GuiCounts before = test::CurrentGuiCounts();
    for (int i = 0; i < 10; ++i) {
        tool_.Toggle();
        ::SendMessageW(Overlay(), WM_MOUSEMOVE, 0, MAKELPARAM(20 + i, 30));
        ::UpdateWindow(Overlay());
        Key(VK_TAB);
        tool_.Toggle();
    }
    EXPECT_EQ(test::CurrentGuiCounts(), before);
}

}  // namespace
}  // namespace vix
