// The ruler window against a stand-in for the main window: its picture, its
// reports and its bounds at the desktop's edges.

#include <gtest/gtest.h>

#include <vector>

#include "gui_counts.h"
#include "platform/desktop.h"
#include "ruler/ruler_window.h"

namespace vix {
namespace {

class RecordingHost final : public RulerHost {
  public:
    std::vector<RulerChange> changes;
    std::vector<int> lengths;
    std::vector<RulerLine> lines;
    std::vector<Point> positions;
    int events = 0;
    std::vector<TurnPictures> turnPictures;
    platform::GdiColor colour = platform::GdiColor::Rgb(255, 255, 0);

    void RulerMoved(const RulerChange& c) override {
        changes.push_back(c);
        if (c.length) lengths.push_back(*c.length);
        if (c.line) lines.push_back(*c.line);
        positions.push_back(c.position);
        if (c.redrawViews) ++events;
    }
    void ShowTurnPictures(const TurnPictures& p) override { turnPictures.push_back(p); }
    platform::GdiColor RulerColor() const override { return colour; }
    void RepaintLengthField() override {}
};

class RulerWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ruler.Create(nullptr);
        ruler.SetHost(&host);
        ruler.ShowRuler(kPixels);
        ruler.MoveRuler(300, 300);
    }
    void TearDown() override { ruler.Hide(); }

    // The picture's pixel as 0x00RRGGBB.
    DWORD Pixel(int x, int y) const {
        ::GdiFlush();
        return ruler.Picture().pixel(x, y) & 0xFFFFFF;
    }
    Rect Bounds() const { return ruler.Bounds(); }

    RecordingHost host;
    Trulerapp ruler;
};

constexpr DWORD kYellow = 0xFFFF00;
constexpr DWORD kBlack = 0;

TEST_F(RulerWindow, ShowingResetsToAHorizontalRulerAndReportsIt) {
    EXPECT_EQ(ruler.RulerOrientation, roHorizontalTop);
    EXPECT_EQ(Bounds().width(), 200);
    EXPECT_EQ(Bounds().height(), 30);
    ASSERT_FALSE(host.lengths.empty());
    EXPECT_EQ(host.lengths.back(), 200);
    EXPECT_EQ(host.positions.back(), (Point{300, 300}));
    EXPECT_EQ(host.lines.back(), (RulerLine{{300, 299}, {499, 299}}));
    EXPECT_GT(host.events, 0);
}

TEST_F(RulerWindow, PictureHasBodyBorderAndTicksOnTheGraduatedEdge) {
    EXPECT_EQ(Pixel(0, 15), kBlack) << "left border";
    EXPECT_EQ(Pixel(100, 29), kBlack) << "bottom border";
    EXPECT_EQ(Pixel(199, 15), kBlack) << "right border";
    EXPECT_EQ(Pixel(100, 0), kBlack) << "the tick at 100 (long)";
    EXPECT_EQ(Pixel(100, 10), kBlack);
    EXPECT_EQ(Pixel(100, 11), kYellow);
    EXPECT_EQ(Pixel(101, 0), kYellow) << "no tick: the ruler colour";
    EXPECT_EQ(Pixel(5, 2), kBlack);
    EXPECT_EQ(Pixel(5, 3), kYellow) << "a short tick is 3 pixels";
}

TEST_F(RulerWindow, UnknownUnitDrawsBodyAndBorderOnly) {
    ruler.RulerUnit = kNoUnit;
    ruler.PaintRuler();
    EXPECT_EQ(Pixel(100, 0), kYellow);
    EXPECT_EQ(Pixel(50, 5), kYellow);
    EXPECT_EQ(Pixel(0, 15), kBlack);
}

TEST_F(RulerWindow, TurnedRulersAreGraduatedOnTheRightThenOnTheLeft) {
    ruler.RotateRuler();
    EXPECT_EQ(ruler.RulerOrientation, roVerticalRight);
    ASSERT_EQ(host.turnPictures.size(), 1u);
    EXPECT_STREQ(host.turnPictures[0].flip, L"IMG_RULER_VR");
    EXPECT_TRUE(host.turnPictures[0].rotate.has_value());
    EXPECT_EQ(Bounds(), Rect::FromBounds(270, 300, 30, 200));
    EXPECT_EQ(Pixel(29, 100), kBlack) << "the tick at 100 from the right edge";
    EXPECT_EQ(Pixel(19, 100), kBlack);
    EXPECT_EQ(Pixel(0, 100), kBlack) << "left border";
    EXPECT_EQ(host.positions.back(), (Point{299, 300}));
    ruler.FlipRuler();
    EXPECT_EQ(ruler.RulerOrientation, roVerticalLeft);
    ASSERT_EQ(host.turnPictures.size(), 2u);
    EXPECT_STREQ(host.turnPictures[1].flip, L"IMG_RULER_VL");
    EXPECT_FALSE(host.turnPictures[1].rotate.has_value()) << "a flip leaves the rotate button";
    EXPECT_EQ(Bounds(), Rect::FromBounds(300, 300, 30, 200));
    EXPECT_EQ(Pixel(0, 100), kBlack);
    EXPECT_EQ(Pixel(10, 100), kBlack);
    EXPECT_EQ(Pixel(29, 100), kBlack) << "right border";
    EXPECT_EQ(host.positions.back(), (Point{299, 300})) << "a flip keeps the position shown";
}

TEST_F(RulerWindow, ANewLengthIsReportedAsOneChangeAndAMoveWithoutLength) {
    host.changes.clear();
    ruler.SetRulerLength(250);
    ASSERT_EQ(host.changes.size(), 1u);
    EXPECT_EQ(host.changes[0].length, 250);
    EXPECT_EQ(host.changes[0].line, (RulerLine{{300, 299}, {549, 299}}));
    EXPECT_EQ(host.changes[0].position, (Point{300, 300}));
    EXPECT_TRUE(host.changes[0].redrawViews);
    host.changes.clear();
    ruler.MoveRuler(320, 310);
    ASSERT_FALSE(host.changes.empty());
    EXPECT_FALSE(host.changes.back().length.has_value());
    EXPECT_FALSE(host.changes.back().redrawViews);
    EXPECT_EQ(host.changes.back().position, (Point{320, 310}));
}

TEST_F(RulerWindow, LengthIsNeverBelowFiveAndAFiveRulerTicksOnlyUpToThree) {
    ruler.SetRulerLength(3);
    EXPECT_EQ(ruler.GetRulerLength(), 5);
    EXPECT_EQ(host.lengths.back(), 5);
    EXPECT_EQ(Pixel(0, 20), kBlack);
}

TEST_F(RulerWindow, PositionsLeftOfOrAboveTheDesktopAreHeldAtItsEdge) {
    const Rect desktop = platform::VirtualDesktop();
    ruler.MoveRuler(desktop.left - 50, desktop.top - 9);
    EXPECT_EQ(Bounds().left, desktop.left);
    EXPECT_EQ(Bounds().top, desktop.top);
    // A plain move by the platform is held too.
    ::SetWindowPos(ruler.hwnd(), nullptr, desktop.left - 20, 400, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Bounds().left, desktop.left);
    // Past the right and bottom it is not held back.
    ruler.MoveRuler(desktop.right - 10, desktop.bottom - 5);
    EXPECT_EQ(Bounds().left, desktop.right - 10);
}

TEST_F(RulerWindow, TurningNearTheLeftEdgeLandsAtTheEdgeAndCannotComeBackExactly) {
    const Rect desktop = platform::VirtualDesktop();
    ruler.MoveRuler(desktop.left + 10, 300);
    ruler.RotateRuler();
    EXPECT_EQ(Bounds().left, desktop.left);
    ruler.RotateRuler();
    EXPECT_EQ(Bounds().left, desktop.left + 30);
}

TEST_F(RulerWindow, RepaintsLeaveTheObjectCountsFlat) {
    ruler.SetRulerLength(2000);
    const test::GuiCounts before = test::CurrentGuiCounts();
    for (int i = 0; i < 1000; ++i) {
        ruler.RulerUnit = RulerUnitAt(i % 5);
        ruler.PaintRuler();
    }
    ruler.RotateRuler();
    for (int i = 0; i < 100; ++i)
        ruler.PaintRuler();
    ruler.RotateRuler();
    EXPECT_EQ(test::CurrentGuiCounts(), before);
}

}  // namespace
}  // namespace vix
