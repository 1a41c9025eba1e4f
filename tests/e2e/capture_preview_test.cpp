// The snapshot's preview window used as a designer uses it: opened from the
// capture page, the picture at each of its five scales, dragged with the
// mouse, seen as a colour-vision deficiency sees it, and its buttons acting
// on the picture shown.

#include "capture_fixture.h"
#include "input.h"
#include "pattern.h"
#include "vision/vision_filter.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

constexpr const wchar_t* kScales[] = {L"400%", L"200%", L"100%", L"50%", L"25%"};

class CapturePreview : public CaptureFixture {
  protected:
    void SetUp() override {
        CaptureFixture::SetUp();
        if (HasFatalFailure()) return;
        expected_ = CapturePatternWindow();
        ASSERT_EQ(expected_.width, pt::kWidth);
        ASSERT_EQ(expected_.height, pt::kHeight);
    }
    HWND OpenPreview() {
        LeftClickAt(Center(Control(L"Review snapshot")));
        HWND preview = vix_->WaitForWindow(L"Tvix_imgpreview", 5000);
        if (!preview) return nullptr;
        view_ = FindByText(preview, L"Snapshot");
        scales_ = ::FindWindowExW(preview, nullptr, L"ComboBox", nullptr);
        EXPECT_TRUE(WaitPainted(preview));
        return preview;
    }
    // With the close box in the caption's top-right corner. The box follows
    // the button in a loop of its own that lets nothing else run until the
    // release: both go at once.
    void ClosePreview(HWND preview) {
        const RECT r = ScreenRect(preview);
        const int frame = ::GetSystemMetrics(SM_CXSIZEFRAME);
        const POINT box{r.right - frame - ::GetSystemMetrics(SM_CXSIZE) / 2,
                        r.top + frame + ::GetSystemMetrics(SM_CYCAPTION) / 2};
        PointAt(box);
        test::SendMouseAt(box, MOUSEEVENTF_LEFTDOWN);
        test::SendMouseAt(box, MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(preview); }));
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(Main()) != FALSE; }));
    }
    // A pixel of the view's client area on the screen.
    DWORD ViewPixel(int x, int y) const {
        POINT p{x, y};
        ::ClientToScreen(view_, &p);
        return ScreenPixel(p);
    }
    POINT ViewPoint(int x, int y) const {
        POINT p{x, y};
        ::ClientToScreen(view_, &p);
        return p;
    }
    SIZE ViewSize() const { return ClientSize(view_); }
    // The view's client area as the screen shows it now.
    Picture ViewShot() const {
        const POINT origin = ViewPoint(0, 0);
        const SIZE size = ViewSize();
        return ScreenPicture({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy});
    }
    void ChooseScale(int index) {
        ChooseListItem(scales_, index);
        ASSERT_EQ(::SendMessageW(scales_, CB_GETCURSEL, 0, 0), index);
    }
    // Waits until the flat square's top-left corner is drawn at `corner`
    // of the view, the background just left of and above it.
    bool FlatCornerAt(int x, int y) const {
        return WaitUntil([&] {
            return ViewPixel(x, y) == pt::kFlat && ViewPixel(x - 1, y) == pt::kBackground &&
                   ViewPixel(x, y - 1) == pt::kBackground;
        });
    }
    // The picture enlarged `factor` times over the part of the view it fills.
    void ExpectEnlarged(int factor) const {
        const Picture view = ViewShot();
        const int width = std::min(view.width, expected_.width * factor);
        const int height = std::min(view.height, expected_.height * factor);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(view.At(x, y), expected_.At(x / factor, y / factor))
                    << "at " << x << "," << y << " of the view, scale " << factor;
    }
    // The picture reduced: as wide and high as `width` x `height`, black
    // around it.
    void ExpectReducedTo(int width, int height) const {
        const Picture view = ViewShot();
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x) {
                // The last row and column may be blended with the black.
                if (x == width || y == height) continue;
                const bool inside = x < width && y < height;
                ASSERT_EQ(view.At(x, y) != 0u, inside) << "at " << x << "," << y;
            }
    }

    // Whether the view shows `picture` enlarged `factor` times where it fills it.
    bool ViewShows(const Picture& picture, int factor) const {
        const Picture view = ViewShot();
        for (int y = 0; y < std::min(view.height, picture.height * factor); ++y)
            for (int x = 0; x < std::min(view.width, picture.width * factor); ++x)
                if (view.At(x, y) != picture.At(x / factor, y / factor)) return false;
        return true;
    }

    Picture expected_;
    HWND view_ = nullptr;
    HWND scales_ = nullptr;
};

TEST_F(CapturePreview, ShowsTheSnapshotAtItsSizeAndEnlarged) {
    HWND preview = OpenPreview();
    ASSERT_NE(preview, nullptr);
    ASSERT_NE(view_, nullptr);
    ASSERT_NE(scales_, nullptr);
    EXPECT_EQ(TextOf(preview), L"Image preview");
    EXPECT_FALSE(::IsWindowEnabled(Main())) << "the preview is modal";
    EXPECT_EQ(::SendMessageW(scales_, CB_GETCURSEL, 0, 0), CB_ERR) << "no scale chosen at first";
    ASSERT_EQ(::SendMessageW(scales_, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(std::size(kScales)));
    for (int i = 0; i < static_cast<int>(std::size(kScales)); ++i) {
        wchar_t item[16] = {};
        ::SendMessageW(scales_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, kScales[i]);
    }
    // At first the picture at its own size, black beyond it.
    ASSERT_TRUE(FlatCornerAt(pt::kFlatLeft - pt::kLeft, pt::kFlatTop - pt::kTop));
    ExpectEnlarged(1);
    ExpectReducedTo(pt::kWidth, pt::kHeight);

    ChooseScale(0);  // 400%
    ASSERT_TRUE(FlatCornerAt(4 * (pt::kFlatLeft - pt::kLeft), 4 * (pt::kFlatTop - pt::kTop)));
    ExpectEnlarged(4);
    SaveWindowShot(preview, L"capture-preview-400");
    ChooseScale(1);  // 200%
    ASSERT_TRUE(FlatCornerAt(2 * (pt::kFlatLeft - pt::kLeft), 2 * (pt::kFlatTop - pt::kTop)));
    ExpectEnlarged(2);
    ChooseScale(2);  // 100%
    ASSERT_TRUE(FlatCornerAt(pt::kFlatLeft - pt::kLeft, pt::kFlatTop - pt::kTop));
    ExpectEnlarged(1);
    ClosePreview(preview);
}

TEST_F(CapturePreview, ShowsTheSnapshotReducedAndKeepsTheScaleForTheNextOpening) {
    HWND preview = OpenPreview();
    ASSERT_NE(preview, nullptr);
    ChooseScale(3);  // 50%
    ASSERT_TRUE(WaitUntil([&] { return ViewPixel(pt::kWidth / 2 + 1, 10) == 0u; }));
    ExpectReducedTo(pt::kWidth / 2, pt::kHeight / 2);
    EXPECT_LE(ChannelDistance(ViewPixel(20, 20), pt::kFlat), 8);
    ChooseScale(4);  // 25%
    ASSERT_TRUE(WaitUntil([&] { return ViewPixel(pt::kWidth / 4 + 1, 10) == 0u; }));
    ExpectReducedTo(pt::kWidth / 4, pt::kHeight / 4);
    SaveWindowShot(preview, L"capture-preview-25");
    ClosePreview(preview);

    // Open again: 25% still chosen and drawn.
    preview = OpenPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(::SendMessageW(scales_, CB_GETCURSEL, 0, 0), 4);
    ExpectReducedTo(pt::kWidth / 4, pt::kHeight / 4);
    ClosePreview(preview);
}

TEST_F(CapturePreview, ThePictureFollowsThePointerAsFarAsItGoesAndTheButtonsActOnIt) {
    HWND preview = OpenPreview();
    ASSERT_NE(preview, nullptr);
    ChooseScale(1);  // 200%: larger than the view
    const int x = 2 * (pt::kFlatLeft - pt::kLeft), y = 2 * (pt::kFlatTop - pt::kTop);
    ASSERT_TRUE(FlatCornerAt(x, y));
    // Left by 15 and up by 12: the picture follows.
    SteadyDrag(ViewPoint(200, 200), ViewPoint(185, 188));
    EXPECT_TRUE(FlatCornerAt(x - 15, y - 12));
    // Right by 5.
    SteadyDrag(ViewPoint(200, 200), ViewPoint(205, 200));
    EXPECT_TRUE(FlatCornerAt(x - 10, y - 12));
    SaveWindowShot(preview, L"capture-preview-dragged");
    // Right and down by 30: only as far as the picture's edge.
    SteadyDrag(ViewPoint(100, 100), ViewPoint(130, 130));
    EXPECT_TRUE(FlatCornerAt(x, y));

    ClearClipboard();
    LeftClickAt(Center(FindByText(preview, L"Export snapshot to the clipboard")));
    std::optional<Picture> shot;
    ASSERT_TRUE(WaitUntil([&] { return (shot = ClipboardBitmap()).has_value(); }));
    EXPECT_EQ(shot->width, expected_.width);
    EXPECT_EQ(shot->height, expected_.height);
    EXPECT_TRUE(shot->pixels == expected_.pixels);
    ClosePreview(preview);
    EXPECT_TRUE(
        WaitUntil([&] { return (::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
}

// The pattern as deuteranopia sees it, at full and at half severity: the
// view shows what the simulation computes, at every scale, "Export as seen"
// puts that on the clipboard, and the choice is remembered.
TEST_F(CapturePreview, TheVisionListShowsAndExportsTheSnapshotAsSeen) {
    HWND preview = OpenPreview();
    ASSERT_NE(preview, nullptr);
    HWND visions = ::FindWindowExW(preview, scales_, L"ComboBox", nullptr);
    HWND severities = ::FindWindowExW(preview, visions, L"ComboBox", nullptr);
    ASSERT_TRUE(visions && severities);
    EXPECT_EQ(::SendMessageW(visions, CB_GETCURSEL, 0, 0), 0) << "Normal at first";
    EXPECT_EQ(::SendMessageW(severities, CB_GETCURSEL, 0, 0), 20) << "100% at first";
    const auto seenAs = [&](double severity) {
        const VisionFilter filter(Vision::Deuteranopia, severity);
        Picture seen = expected_;
        for (DWORD& p : seen.pixels)
            p = filter.ApplyToPixel(p) & 0xFFFFFFu;
        return seen;
    };
    const Picture full = seenAs(100), half = seenAs(50);
    ASSERT_NE(full.pixels, expected_.pixels) << "the pattern has colours deuteranopia changes";
    ChooseListItem(visions, 2);
    EXPECT_TRUE(WaitUntil([&] { return ViewShows(full, 1); }));
    ChooseScale(1);  // 200%
    EXPECT_TRUE(WaitUntil([&] { return ViewShows(full, 2); }));
    ChooseListItem(severities, 10);
    EXPECT_TRUE(WaitUntil([&] { return ViewShows(half, 2); }));
    SaveWindowShot(preview, L"capture-preview-deuteranopia");

    // The original until "Export as seen" is ticked.
    const auto copied = [&] {
        ClearClipboard();
        LeftClickAt(Center(FindByText(preview, L"Export snapshot to the clipboard")));
        std::optional<Picture> shot;
        EXPECT_TRUE(WaitUntil([&] { return (shot = ClipboardBitmap()).has_value(); }));
        return shot.value_or(Picture{}).pixels;
    };
    EXPECT_TRUE(copied() == expected_.pixels);
    LeftClickAt(Center(FindByText(preview, L"Export as seen")));
    EXPECT_TRUE(copied() == half.pixels);
    ClosePreview(preview);
    EXPECT_EQ(SettingsDword(L"PreviewVision"), 2u);
    EXPECT_EQ(SettingsDword(L"PreviewVisionSeverity"), 50u);
}

}  // namespace
}  // namespace vix::e2e
