// Screen capture used as a designer uses it: over a known pattern, through
// the real input path: the rectangle sized and moved by dragging its frame,
// a right click to take it, the snapshot read back from the clipboard, the
// control and the whole screen taken, the save dialog and the preview.

#include <cstring>

#include "pattern.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

// The clipboard's bitmap as 0x00RRGGBB pixels, top row first.
struct ClipboardPicture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

std::optional<ClipboardPicture> ClipboardBitmap() {
    if (!::OpenClipboard(nullptr)) return std::nullopt;
    std::optional<ClipboardPicture> result;
    if (HANDLE dib = ::GetClipboardData(CF_DIB)) {
        const auto* info = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
        if (info && (info->biBitCount == 32 || info->biBitCount == 24) &&
            (info->biCompression == BI_RGB || info->biCompression == BI_BITFIELDS)) {
            ClipboardPicture p;
            p.width = info->biWidth;
            p.height = info->biHeight < 0 ? -info->biHeight : info->biHeight;
            const int bytes = info->biBitCount / 8;
            const int stride = (p.width * bytes + 3) & ~3;
            // Three colour masks follow a bit-field header (the usual blue,
            // green, red order of a 32-bit bitmap).
            const auto* bits = reinterpret_cast<const BYTE*>(info) + info->biSize +
                               (info->biCompression == BI_BITFIELDS ? 12 : 0);
            for (int y = 0; y < p.height; ++y) {
                const int row = info->biHeight < 0 ? y : p.height - 1 - y;
                for (int x = 0; x < p.width; ++x) {
                    const BYTE* px = bits + row * stride + x * bytes;
                    p.pixels.push_back(static_cast<DWORD>(px[2] << 16 | px[1] << 8 | px[0]));
                }
            }
            result = p;
        }
        if (info) ::GlobalUnlock(dib);
    }
    ::CloseClipboard();
    return result;
}

class Capture : public VixTest {
  protected:
    void SetUp() override {
        VixTest::SetUp();
        pattern_ = std::make_unique<VixProcess>(BinDir() + L"\\pattern.exe");
        ASSERT_TRUE(pattern_->Start());
        ASSERT_NE(pattern_->WaitForWindow(L"VixTestPattern"), nullptr);
        StartVix();
        ClickTab(L" Capture");
    }
    void TearDown() override {
        VixTest::TearDown();
        pattern_.reset();
    }

    HWND Overlay(const wchar_t* cls) const {
        for (HWND w : TopLevelWindows(vix_->Pid(), cls))
            if (::IsWindowVisible(w)) return w;
        return nullptr;
    }
    HWND StartRectangle() {
        LeftClickAt(Center(Control(L"Rectangle capture")));
        HWND overlay = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (overlay = Overlay(L"Trectan")) != nullptr; }, 3000));
        ::Sleep(200);
        return overlay;
    }
    // Drags the overlay's part under `from` to `to`, pointing at it first so
    // that the hook library knows the part.
    void DragFrame(POINT from, POINT to) {
        PointAt(from);
        ::Sleep(150);
        LeftDrag(from, to);
        ::Sleep(150);
    }
    // The overlay's bounds once `settled` holds for them; the drag's last
    // step may still be on its way when the input has been handled.
    template <typename Settled>
    RECT BoundsOnceSettled(HWND overlay, Settled settled) {
        RECT r{};
        EXPECT_TRUE(WaitUntil([&] { return settled(r = ScreenRect(overlay)); }, 3000))
            << "overlay at " << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
        return r;
    }
    // Makes the overlay 200 x 200 with its top-left corner at `corner`.
    RECT PlaceRectangle(HWND overlay, POINT corner) {
        RECT r = ScreenRect(overlay);
        const POINT topLeft{r.left, r.top};
        DragFrame({r.right - 2, r.bottom - 2}, {r.left + 198, r.top + 198});
        r = BoundsOnceSettled(overlay, [&](const RECT& b) {
            return b.left == topLeft.x && b.top == topLeft.y && b.right - b.left == 200 &&
                   b.bottom - b.top == 200;
        });
        const POINT inside{r.left + 100, r.top + 100};
        DragFrame(inside, {inside.x + corner.x - r.left, inside.y + corner.y - r.top});
        return BoundsOnceSettled(
            overlay, [&](const RECT& b) { return b.left == corner.x && b.top == corner.y; });
    }
    bool ShowsLabels(int width, int height) const {
        return WaitUntil(
            [&] {
                return FindByText(Main(), std::to_wstring(width)) &&
                       FindByText(Main(), std::to_wstring(height));
            },
            3000);
    }
    void ToClipboard() {
        HWND button = Control(L"Export snapshot to the clipboard");
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(button) != FALSE; }, 3000));
        if (::OpenClipboard(nullptr)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        LeftClickAt(Center(button));
        ASSERT_TRUE(WaitUntil([] { return ClipboardBitmap().has_value(); }, 3000));
    }

    std::unique_ptr<VixProcess> pattern_;
};

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
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(overlay); }, 3000));
    ToClipboard();
    const auto shot = ClipboardBitmap();
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
    const RECT moved = BoundsOnceSettled(
        overlay, [&](const RECT& b) { return b.left == sized.left - 40 && b.top == sized.top - 40; });
    EXPECT_EQ(moved.right - moved.left, 200);
    EXPECT_EQ(moved.bottom - moved.top, 26);
    EXPECT_TRUE(ShowsLabels(192, 18));
    LeftClickAt(Center(Control(L"Rectangle capture")));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(overlay); }, 3000));
}

TEST_F(Capture, AControlCaptureYieldsTheWindowUnderThePointer) {
    LeftClickAt(Center(Control(L"Control capture")));
    const POINT inside{pt::kFlatX, pt::kFlatY};
    PointAt(inside);
    HWND frame = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (frame = Overlay(L"THottracker")) != nullptr; }, 3000));
    const RECT target = ScreenRect(::WindowFromPoint(inside));
    ASSERT_TRUE(WaitUntil(
        [&] {
            const RECT f = ScreenRect(frame);
            return f.left == target.left - 1 && f.bottom == target.bottom + 1;
        },
        3000));
    SaveWindowShot(frame, L"capture-hot-tracking");
    RightClickAt(inside);
    ::Sleep(400);
    LeftClickAt(Center(Control(L"Control capture")));
    ToClipboard();
    const auto shot = ClipboardBitmap();
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, target.right - target.left);
    ASSERT_EQ(shot->height, target.bottom - target.top);
    EXPECT_EQ(shot->At(pt::kFlatX - target.left, pt::kFlatY - target.top), pt::kFlat);
    for (int y = 0; y < shot->height; y += 11)
        for (int x = 0; x < shot->width; x += 11)
            ASSERT_EQ(shot->At(x, y), ScreenPixel({target.left + x, target.top + y}));
}

TEST_F(Capture, TheWholeScreenIsTakenAndTheMainWindowComesBack) {
    LeftClickAt(Center(Control(L"Capture the entire screen")));
    HWND box = WaitForMessageBox(vix_->Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"To capture a snapshot press the right mouse button");
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()) || ::IsIconic(Main()); }, 3000));
    // The window leaves before the hook is set; the outputs are enabled after
    // it, and a click before that would go unseen, as it would for anyone.
    HWND output = Control(L"Export snapshot to the clipboard");
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(output) != FALSE; }, 3000));
    RightClickAt({700, 700});
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) && !::IsIconic(Main()); }, 5000))
        << "visible " << ::IsWindowVisible(Main()) << " iconic " << ::IsIconic(Main());
    ToClipboard();
    const auto shot = ClipboardBitmap();
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(shot->height, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(shot->At(pt::kFlatX, pt::kFlatY), pt::kFlat);
    EXPECT_EQ(shot->At(pt::kBlockX, pt::kBlockY), pt::BlockPixel(2, 2));
}

}  // namespace
}  // namespace vix::e2e
