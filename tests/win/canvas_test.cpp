// Drawing surfaces, and what becomes of them when the GDI handle table is
// full: they are left empty, nothing writes through them, and the tools go
// on and draw again once there is room.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "full_gdi_table.h"
#include "gui_counts.h"
#include "platform/canvas.h"
#include "ruler/ruler_window.h"
#include "ui/bitmap_view.h"

namespace vix {
namespace {

using platform::Canvas;

constexpr DWORD kRed = 0xFF0000;

TEST(Canvas, PixelsWrittenAndDrawnAreReadBackAndOutsideReadsBlack) {
    Canvas canvas({20, 10});
    ASSERT_TRUE(canvas);
    EXPECT_EQ(canvas.size(), (Size{20, 10}));
    canvas.Clear(RGB(0, 0, 255));
    canvas.Fill({-5, 2, 3, 4}, kRed);
    ::GdiFlush();
    EXPECT_EQ(canvas.pixel(0, 2) & 0xFFFFFF, kRed);
    EXPECT_EQ(canvas.pixel(2, 3) & 0xFFFFFF, kRed);
    EXPECT_EQ(canvas.pixel(3, 3) & 0xFFFFFF, 0x0000FFu) << "GDI's blue, as 0x00RRGGBB";
    EXPECT_EQ(canvas.pixel(2, 4) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(canvas.pixel(20, 0), 0u);
    EXPECT_EQ(canvas.pixel(-1, 0), 0u);
}

TEST(Canvas, ResizingKeepsTheSharedPartOnlyWhenAsked) {
    Canvas canvas({4, 4});
    canvas.Fill({0, 0, 4, 4}, kRed);
    ASSERT_TRUE(canvas.Resize({8, 2}, true));
    ::GdiFlush();
    EXPECT_EQ(canvas.pixel(3, 1) & 0xFFFFFF, kRed);
    EXPECT_EQ(canvas.pixel(4, 1) & 0xFFFFFF, 0u) << "new and never drawn";
    ASSERT_TRUE(canvas.Resize({8, 3}));
    ::GdiFlush();
    EXPECT_EQ(canvas.pixel(3, 1) & 0xFFFFFF, 0u);
}

TEST(Canvas, MovedAndTakenCanvasesLeaveNoObjectsBehind) {
    const long before = test::CurrentGdiObjects();
    platform::Bitmap taken;
    {
        Canvas a({16, 16});
        Canvas b = std::move(a);
        EXPECT_FALSE(a);
        a = Canvas({3, 3});
        a = std::move(b);
        ASSERT_TRUE(a);
        taken = a.TakeBitmap();
        EXPECT_FALSE(a);
        EXPECT_EQ(a.dc(), nullptr);
    }
    ASSERT_TRUE(taken);
    BITMAP info{};
    EXPECT_EQ(::GetObjectW(taken.get(), sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 16);
    taken.reset();
    EXPECT_EQ(test::CurrentGdiObjects(), before);
}

class StillHost final : public RulerHost {
  public:
    std::vector<int> lengths;
    void RulerMoved(const RulerChange& change) override {
        if (change.length) lengths.push_back(*change.length);
    }
    void ShowTurnPictures(const TurnPictures&) override {}
    platform::GdiColor RulerColor() const override { return platform::GdiColor::Rgb(255, 255, 0); }
    void RepaintLengthField() override {}
};

// Each case fills the table only after its windows exist, as happens when
// another program fills it while the tool runs.
class GdiTableFull : public ::testing::Test {
  protected:
    void Fill() {
        full_.emplace();
        ASSERT_GT(full_->Taken(), 0u) << "the GDI handle table never filled";
    }
    void Empty() { full_.reset(); }
    void TearDown() override { full_.reset(); }

  private:
    std::optional<test::FullGdiTable> full_;
};

TEST_F(GdiTableFull, ACanvasIsEmptyAndWritingOrDrawingItDoesNothing) {
    Canvas kept({10, 10});
    Fill();
    Canvas canvas({300, 30});
    EXPECT_FALSE(canvas);
    EXPECT_EQ(canvas.size(), (Size{0, 0}));
    EXPECT_EQ(canvas.pixels(), nullptr);
    EXPECT_EQ(canvas.dc(), nullptr);
    canvas.Fill({0, 0, 300, 30}, kRed);
    canvas.Clear(RGB(1, 2, 3));
    EXPECT_EQ(canvas.pixel(5, 5), 0u);
    EXPECT_FALSE(kept.Resize({300, 30}, true)) << "a resize that fails empties the canvas";
    EXPECT_FALSE(kept);
    kept.Fill({0, 0, 300, 30}, kRed);
    Empty();
    EXPECT_TRUE(kept.Resize({300, 30}));
}

TEST_F(GdiTableFull, TheRulerGoesOnAsAPlainStripAndDrawsItsScaleWhenThereIsRoomAgain) {
    StillHost host;
    Trulerapp ruler;
    ruler.Create(nullptr);
    ruler.SetHost(&host);
    ruler.ShowRuler(kPixels);
    ruler.MoveRuler(300, 300);
    Fill();
    // Stretching makes a new picture: before, this wrote through a null
    // pixel pointer.
    ruler.SetRulerLength(350);
    ::UpdateWindow(ruler.hwnd());
    EXPECT_FALSE(ruler.Picture());
    EXPECT_EQ(ruler.Bounds().width(), 350);
    EXPECT_EQ(host.lengths.back(), 350);
    ruler.RotateRuler();
    EXPECT_EQ(ruler.Bounds().height(), 350);
    ruler.RotateRuler();
    Empty();
    ruler.SetRulerLength(360);
    ASSERT_TRUE(ruler.Picture());
    ::GdiFlush();
    EXPECT_EQ(ruler.Picture().pixel(100, 0) & 0xFFFFFF, 0u) << "the tick at 100";
    EXPECT_EQ(ruler.Picture().pixel(101, 0) & 0xFFFFFF, 0xFFFF00u) << "the body";
    ruler.Hide();
}

TEST_F(GdiTableFull, AViewShowsItsBackgroundAndMakesItsBitmapAtTheNextPresent) {
    platform::WindowHandle parent(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                                    100, 100, nullptr, nullptr, nullptr, nullptr));
    ui::BitmapView view;
    view.Create(parent.get(), Rect::FromBounds(0, 0, 78, 78));
    Fill();
    view.SizeBitmap({78, 78}, RGB(255, 0, 0));
    EXPECT_FALSE(view.Bitmap());
    EXPECT_EQ(view.DC(), nullptr);
    view.Present();
    ::InvalidateRect(view.hwnd(), nullptr, TRUE);
    ::UpdateWindow(view.hwnd());
    Empty();
    view.Present();
    ASSERT_TRUE(view.Bitmap());
    ::GdiFlush();
    EXPECT_EQ(view.Bitmap().pixel(40, 40) & 0xFFFFFF, kRed) << "made late, with its fill";
    EXPECT_NE(view.DC(), nullptr);
}

}  // namespace
}  // namespace vix
