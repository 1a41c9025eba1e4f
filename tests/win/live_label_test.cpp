// A live label paints a new text at once through its own DC, looking as a
// label painted at its paint message does, and leaves its window text as it
// was until asked to make it what is shown.

#include <gtest/gtest.h>

#include "fake_tool_host.h"
#include "platform/canvas.h"
#include "platform/gdi.h"
#include "platform/handle.h"
#include "platform/window.h"
#include "ui/label.h"

namespace vix::ui {
namespace {

constexpr Size kLabel{60, 14};

// What `window` shows, read back from a DC of its own.
platform::Canvas Shot(HWND window) {
    platform::Canvas shot(kLabel);
    const platform::WindowDC dc(window);
    ::BitBlt(shot.dc(), 0, 0, kLabel.width, kLabel.height, dc.get(), 0, 0, SRCCOPY);
    ::GdiFlush();
    return shot;
}

bool SamePixels(const platform::Canvas& a, const platform::Canvas& b) {
    for (int y = 0; y < kLabel.height; ++y)
        for (int x = 0; x < kLabel.width; ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
    return true;
}

TEST(LiveLabel, PaintsAtOnceAsAPaintedLabelLooksAndItsWindowTextFollowsWhenAsked) {
    platform::WindowHandle host(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"STATIC", L"",
                                                  WS_POPUP | WS_VISIBLE, 40, 40, 100, 60, nullptr,
                                                  nullptr, nullptr, nullptr));
    Label live, painted;
    live.Create(host.get(), Rect::FromBounds(0, 0, kLabel.width, kLabel.height), L"",
                {.live = true});
    painted.Create(host.get(), Rect::FromBounds(0, 30, kLabel.width, kLabel.height), L"201\u00B0");
    test::Pump(100);  // both have had their first paint
    const platform::Canvas empty = Shot(live.hwnd());

    // No message is handled between the change and the look.
    live.ShowLive(L"201\u00B0");
    EXPECT_FALSE(SamePixels(Shot(live.hwnd()), empty));
    EXPECT_TRUE(SamePixels(Shot(live.hwnd()), Shot(painted.hwnd())));
    EXPECT_EQ(platform::WindowText(live.hwnd()), L"");
    EXPECT_EQ(live.Caption(), L"");
    live.SyncCaption();
    EXPECT_EQ(platform::WindowText(live.hwnd()), L"201\u00B0");

    // Its own paint message draws what is shown, not the older window text.
    live.ShowLive(L"7%");
    ::InvalidateRect(live.hwnd(), nullptr, FALSE);
    ::UpdateWindow(live.hwnd());
    painted.SetCaption(L"7%");
    ::UpdateWindow(painted.hwnd());
    EXPECT_TRUE(SamePixels(Shot(live.hwnd()), Shot(painted.hwnd())));
    EXPECT_EQ(platform::WindowText(live.hwnd()), L"201\u00B0");

    // Setting the caption sets both at once.
    live.SetCaption(L"-");
    EXPECT_EQ(live.Shown(), L"-");
    EXPECT_EQ(platform::WindowText(live.hwnd()), L"-");
}

}  // namespace
}  // namespace vix::ui
