// Screen capture used as a designer uses it: over a known pattern, through
// the real input path: the rectangle sized and moved by dragging its frame,
// a right click to take it, the snapshot read back from the clipboard, the
// control and the whole screen taken.

#include "capture_fixture.h"
#include "pattern.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

using Capture = CaptureFixture;

TEST_F(Capture, ARectangleOf200ShowsLabels192AndYieldsThe190PixelsInsideTheDashes) {
    HWND overlay = StartRectangle();
    ASSERT_NE(overlay, nullptr);
    const RECT r = PlaceRectangle(overlay, {pt::kLeft + 20, pt::kTop + 20});
    ASSERT_EQ(r.right - r.left, 200);
    ASSERT_EQ(r.bottom - r.top, 200);
    ASSERT_EQ(r.left, pt::kLeft + 20);
    EXPECT_TRUE(ShowsLabels(192, 192));
    SaveWindowShot(overlay, L"capture-rectangle");
    // The dashes on the top line: 5 black, then 5 white, again and again.
    int changes = 0;
    for (int x = r.left + 13; x < r.left + 90; ++x)
        if (ScreenPixel({x, r.top + 4}) != ScreenPixel({x - 1, r.top + 4})) ++changes;
    EXPECT_GE(changes, 14);
    EXPECT_LE(changes, 17);

    RightClickAt({600, 700});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(overlay); }));
    const auto shot = SnapshotViaClipboard();
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, 190);
    ASSERT_EQ(shot->height, 190);
    for (int y = 0; y < 190; y += 7)
        for (int x = 0; x < 190; x += 7)
            ASSERT_EQ(shot->At(x, y), ScreenPixel({r.left + 5 + x, r.top + 5 + y}))
                << x << "," << y;
}

TEST_F(Capture, TheTopEdgeStopsAt26PixelsAndTheInsideMovesWithoutResizing) {
    HWND overlay = StartRectangle();
    ASSERT_NE(overlay, nullptr);
    RECT r = PlaceRectangle(overlay, {500, 300});
    const int middle = (r.left + r.right) / 2;
    DragFrame({middle + 20, r.top + 2}, {middle + 20, r.bottom + 150});
    const RECT sized =
        BoundsOnceSettled(overlay, [](const RECT& b) { return b.bottom - b.top == 26; });
    EXPECT_EQ(sized.bottom, r.bottom);
    EXPECT_EQ(sized.right - sized.left, 200);
    EXPECT_TRUE(ShowsLabels(192, 18));
    SaveWindowShot(overlay, L"capture-rectangle-26");
    DragFrame({sized.left + 100, sized.top + 13}, {sized.left + 60, sized.top - 27});
    const RECT moved = BoundsOnceSettled(overlay, [&](const RECT& b) {
        return b.left == sized.left - 40 && b.top == sized.top - 40;
    });
    EXPECT_EQ(moved.right - moved.left, 200);
    EXPECT_EQ(moved.bottom - moved.top, 26);
    EXPECT_TRUE(ShowsLabels(192, 18));
    LeftClickAt(Center(Control(L"Rectangle capture")));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(overlay); }));
}

TEST_F(Capture, AControlCaptureYieldsTheWindowUnderThePointer) {
    LeftClickAt(Center(Control(L"Control capture")));
    const POINT inside{pt::kFlatX, pt::kFlatY};
    PointAt(inside);
    HWND frame = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (frame = Overlay(L"THottracker")) != nullptr; }));
    const RECT target = ScreenRect(::WindowFromPoint(inside));
    ASSERT_TRUE(WaitUntil([&] {
        const RECT f = ScreenRect(frame);
        return f.left == target.left - 1 && f.bottom == target.bottom + 1;
    }));
    SaveWindowShot(frame, L"capture-hot-tracking");
    TakePattern();
    // The capture's click enables the outputs in the handler that takes the
    // snapshot: the button's next click comes after it.
    ASSERT_TRUE(
        WaitUntil([&] { return ::IsWindowEnabled(Control(L"Save snapshot to disk")) != FALSE; }));
    LeftClickAt(Center(Control(L"Control capture")));
    const auto shot = SnapshotViaClipboard();
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, target.right - target.left);
    ASSERT_EQ(shot->height, target.bottom - target.top);
    EXPECT_EQ(shot->At(pt::kFlatX - target.left, pt::kFlatY - target.top), pt::kFlat);
    for (int y = 0; y < shot->height; y += 11)
        for (int x = 0; x < shot->width; x += 11)
            ASSERT_EQ(shot->At(x, y), ScreenPixel({target.left + x, target.top + y}));
}

RECT VirtualDesktop() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The program leaves the screen before it takes it: its window and its icon
// in the notification area are gone, and the picture is the desktop as it
// shows at that moment. Then both come back.
TEST_F(Capture, TheWholeScreenIsTakenWithoutTheProgramWhichThenComesBack) {
    const POINT icon = TrayIconPoint();
    const RECT iconArea{icon.x - 8, icon.y - 8, icon.x + 8, icon.y + 8};
    const RECT window = ScreenRect(Main());
    const RECT desktop = VirtualDesktop();
    const Picture withIcon = ScreenPicture(iconArea);
    const Picture before = ScreenPicture(desktop);

    LeftClickAt(Center(Control(L"Capture the entire screen")));
    HWND box = WaitForMessageBox(vix_->Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"To capture a snapshot press the right mouse button");
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()) || ::IsIconic(Main()); }));
    // The window leaves before the hook is set; the outputs are enabled after
    // it, and a click before that would go unseen, as it would for anyone.
    HWND output = Control(L"Export snapshot to the clipboard");
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(output) != FALSE; }));
    ASSERT_TRUE(WaitUntil([&] { return ScreenPicture(iconArea).pixels != withIcon.pixels; }))
        << "the icon stays in the notification area";
    MoveTo({700, 700});
    const Picture screen = ScreenPicture(desktop);
    RightClickAt({700, 700});
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) && !::IsIconic(Main()); }))
        << "visible " << ::IsWindowVisible(Main()) << " iconic " << ::IsIconic(Main());

    const auto shot = SnapshotViaClipboard();
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, screen.width);
    ASSERT_EQ(shot->height, screen.height);
    for (int y = 0; y < shot->height; y += 7)
        for (int x = 0; x < shot->width; x += 7)
            ASSERT_EQ(shot->At(x, y), screen.At(x, y)) << x << "," << y;
    EXPECT_EQ(shot->At(pt::kFlatX - desktop.left, pt::kFlatY - desktop.top), pt::kFlat);
    EXPECT_EQ(shot->At(pt::kBlockX - desktop.left, pt::kBlockY - desktop.top),
              pt::BlockPixel(2, 2));
    // Where the window was, the picture shows what lies under it.
    int differing = 0, samples = 0;
    for (int y = window.top + 2; y < window.bottom - 2; y += 5)
        for (int x = window.left + 2; x < window.right - 2; x += 5, ++samples)
            if (shot->At(x - desktop.left, y - desktop.top) !=
                before.At(x - desktop.left, y - desktop.top))
                ++differing;
    EXPECT_GT(differing, samples / 2);

    // The icon is back, and it is the program's: its menu opens.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPicture(iconArea).pixels == withIcon.pixels; }));
    RightClickAt(TrayIconPoint());
    HWND menu = WaitForPopupMenu();
    ASSERT_NE(menu, nullptr);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(menu, &owner);
    EXPECT_EQ(owner, vix_->Pid());
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return WaitForPopupMenu(0) == nullptr; }));
    EXPECT_TRUE(::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace vix::e2e
