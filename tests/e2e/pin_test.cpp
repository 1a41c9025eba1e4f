// A pinned snapshot of the pattern's window, pinned from the capture page:
// pixel for pixel over its source, dragged, zoomed with the wheel, closed.

#include "capture_fixture.h"
#include "pattern.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

// The picture's area: the pin's window without its 2-pixel frame.
RECT PictureArea(HWND pin) {
    const RECT r = ScreenRect(pin);
    return {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
}

using PinSnapshot = CaptureFixture;

TEST_F(PinSnapshot, LiesOnItsSourceMovesZoomsAboutThePointerAndClosesWithEsc) {
    const Picture taken = CapturePatternWindow();
    const RECT source = ScreenRect(Pattern());
    HWND button = Control(L"Pin snapshot to the screen");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(button) != FALSE; }));
    LeftClickAt(Center(button));
    HWND pin = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto pins = TopLevelWindows(vix_->Pid(), L"TVixPin");
        return !pins.empty() && ::IsWindowVisible(pin = pins[0]);
    }));
    ASSERT_TRUE(WaitPainted(pin));
    const RECT area = PictureArea(pin);
    EXPECT_TRUE(::EqualRect(&area, &source)) << area.left << "," << area.top;
    EXPECT_TRUE(WaitUntil([&] { return ScreenPicture(area).pixels == taken.pixels; }));
    SaveWindowShot(pin, L"pin-placed");

    const POINT from{area.left + 100, area.top + 100};
    LeftDrag(from, {from.x + 60, from.y + 40});
    RECT moved{};
    ASSERT_TRUE(WaitUntil([&] {
        moved = PictureArea(pin);
        return moved.left == source.left + 60 && moved.top == source.top + 40;
    })) << moved.left
        << "," << moved.top;
    ASSERT_TRUE(WaitPainted(pin));
    EXPECT_TRUE(WaitUntil([&] { return ScreenPicture(moved).pixels == taken.pixels; }));

    // One notch up over the flat square: 150 % about the pointer, so the
    // square's left edge, 30 pixels left of the pointer, comes to lie 45 left.
    const POINT over{moved.left + pt::kFlatX - pt::kLeft, moved.top + pt::kFlatY - pt::kTop};
    PointAt(over);
    INPUT wheel{};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = WHEEL_DELTA;
    ::SendInput(1, &wheel, sizeof(wheel));
    const int edge = over.x - (pt::kFlatX - pt::kFlatLeft) * 3 / 2;
    EXPECT_TRUE(WaitUntil([&] {
        return ScreenPixel({edge + 1, over.y}) == pt::kFlat &&
               ScreenPixel({edge - 2, over.y}) == pt::kBackground;
    }));
    const RECT zoomed = PictureArea(pin);
    EXPECT_EQ(zoomed.right - zoomed.left, taken.width * 3 / 2);
    SaveWindowShot(pin, L"pin-zoomed");

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return TopLevelWindows(vix_->Pid(), L"TVixPin").empty(); }));
}

}  // namespace
}  // namespace vix::e2e
