// A pinned snapshot as a designer uses it: the pattern's window captured,
// pinned from the capture page, lying pixel for pixel over the window it was
// taken from, dragged aside, zoomed with the wheel about the pointer and
// closed with Esc.

#include "capture_fixture.h"
#include "input.h"
#include "pattern.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

constexpr int kFrame = 2;  // the pin's frame, outside the picture

class PinSnapshot : public CaptureFixture {
  protected:
    HWND Pin() const {
        for (HWND w : TopLevelWindows(vix_->Pid(), L"TVixPin"))
            if (::IsWindowVisible(w)) return w;
        return nullptr;
    }
    // The picture's area: the pin's window without its frame.
    static RECT PictureArea(HWND pin) {
        const RECT r = ScreenRect(pin);
        return {r.left + kFrame, r.top + kFrame, r.right - kFrame, r.bottom - kFrame};
    }
    // Every pixel of `area` on the screen is the one of `expected`.
    static bool ShowsExactly(const RECT& area, const Picture& expected) {
        const Picture shown = ScreenPicture(area);
        return shown.width == expected.width && shown.height == expected.height &&
               shown.pixels == expected.pixels;
    }
    static void Wheel(POINT at, int delta) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = static_cast<DWORD>(delta);
        PointAt(at);
        ::SendInput(1, &in, sizeof(in));
    }
};

TEST_F(PinSnapshot, LiesOnItsSourceMovesZoomsAboutThePointerAndClosesWithEsc) {
    const Picture taken = CapturePatternWindow();
    const RECT source = ScreenRect(Pattern());
    HWND button = Control(L"Pin snapshot to the screen");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(button) != FALSE; }));
    LeftClickAt(Center(button));
    ASSERT_TRUE(WaitUntil([&] { return Pin() != nullptr; }));
    HWND pin = Pin();
    ASSERT_TRUE(WaitPainted(pin));
    const RECT area = PictureArea(pin);
    EXPECT_EQ(area.left, source.left);
    EXPECT_EQ(area.top, source.top);
    EXPECT_EQ(area.right, source.right);
    EXPECT_EQ(area.bottom, source.bottom);
    EXPECT_TRUE(WaitUntil([&] { return ShowsExactly(area, taken); }));
    SaveWindowShot(pin, L"pin-placed");

    // Dragged by its inside, 60 right and 40 down.
    const POINT from{area.left + 100, area.top + 100};
    LeftDrag(from, {from.x + 60, from.y + 40});
    RECT moved{};
    ASSERT_TRUE(WaitUntil([&] {
        moved = PictureArea(pin);
        return moved.left == source.left + 60 && moved.top == source.top + 40;
    })) << moved.left
        << "," << moved.top;
    ASSERT_TRUE(WaitPainted(pin));
    EXPECT_TRUE(WaitUntil([&] { return ShowsExactly(moved, taken); }));

    // One notch up: 150 %, the pixel under the pointer stays under it. The
    // pointer is over the flat square's centre, 40 pixels into the picture
    // each way: they become 60 at 150 %.
    const POINT over{moved.left + (pt::kFlatX - pt::kLeft), moved.top + (pt::kFlatY - pt::kTop)};
    Wheel(over, WHEEL_DELTA);
    RECT zoomed{};
    ASSERT_TRUE(WaitUntil([&] {
        zoomed = PictureArea(pin);
        return zoomed.right - zoomed.left == taken.width * 3 / 2;
    })) << zoomed.right - zoomed.left;
    EXPECT_EQ(zoomed.bottom - zoomed.top, taken.height * 3 / 2);
    const int intoX = (pt::kFlatX - pt::kLeft) * 3 / 2;
    const int intoY = (pt::kFlatY - pt::kTop) * 3 / 2;
    EXPECT_EQ(zoomed.left, over.x - intoX);
    EXPECT_EQ(zoomed.top, over.y - intoY);
    ASSERT_TRUE(WaitPainted(pin));
    // The flat square, enlarged, lies round the pointer; its corner is
    // 1.5 times as far from the picture's as before.
    EXPECT_EQ(ScreenPixel(over), pt::kFlat);
    const int cornerX = zoomed.left + (pt::kFlatLeft - pt::kLeft) * 3 / 2;
    const int cornerY = zoomed.top + (pt::kFlatTop - pt::kTop) * 3 / 2;
    EXPECT_EQ(ScreenPixel({cornerX + 1, cornerY + 1}), pt::kFlat);
    EXPECT_EQ(ScreenPixel({cornerX - 2, cornerY + 1}), pt::kBackground);
    SaveWindowShot(pin, L"pin-zoomed");

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return TopLevelWindows(vix_->Pid(), L"TVixPin").empty(); }));
}

}  // namespace
}  // namespace vix::e2e
