#include "capture/rectangle_drag.h"

#include <gtest/gtest.h>

#include "capture/tracking_frame.h"

namespace vix {
namespace {

using hooks::Zone;

TEST(HitAnchor, PerAreaOfTheOverlay) {
    const Rect b{250, 284, 699, 503};
    const std::pair<Zone, Point> cases[] = {
        {Zone::Inside, {250, 284}},      {Zone::Top, {0, 284}},
        {Zone::Bottom, {0, 503}},        {Zone::Left, {250, 0}},
        {Zone::Right, {699, 0}},         {Zone::TopLeft, {250, 284}},
        {Zone::TopRight, {699, 284}},    {Zone::BottomLeft, {250, 503}},
        {Zone::BottomRight, {699, 503}},
    };
    for (const auto& [area, anchor] : cases)
        EXPECT_EQ(HitAnchor(area, b), anchor) << static_cast<int>(area);
    EXPECT_FALSE(HitAnchor(Zone::None, b));
}

struct DragCase {
    const char* what;
    Zone area;
    Point grab;     // the pointer when the button went down
    Point pointer;  // at the tick
    Rect bounds;    // after it
};

// All from bounds (100, 100)-(300, 300).
constexpr DragCase kDrags[] = {
    {"top edge down a little", Zone::Top, {150, 101}, {150, 151}, {100, 150, 300, 300}},
    {"top edge down stops 26 above the bottom",
     Zone::Top,
     {150, 101},
     {150, 290},
     {100, 274, 300, 300}},
    {"top edge past the bottom", Zone::Top, {150, 101}, {150, 900}, {100, 274, 300, 300}},
    {"bottom edge up stops 26 below the top",
     Zone::Bottom,
     {150, 299},
     {150, 0},
     {100, 100, 300, 126}},
    {"left edge right", Zone::Left, {101, 150}, {281, 150}, {274, 100, 300, 300}},
    {"right edge left", Zone::Right, {299, 150}, {-50, 150}, {100, 100, 126, 300}},
    {"right edge out", Zone::Right, {299, 150}, {499, 170}, {100, 100, 500, 300}},
    {"top-left corner into negative coordinates",
     Zone::TopLeft,
     {102, 103},
     {-498, -697},
     {-500, -700, 300, 300}},
    {"top-left corner past both edges",
     Zone::TopLeft,
     {102, 103},
     {400, 400},
     {274, 274, 300, 300}},
    {"top-right corner", Zone::TopRight, {298, 102}, {398, 52}, {100, 50, 400, 300}},
    {"bottom-left corner past the right",
     Zone::BottomLeft,
     {101, 299},
     {500, 350},
     {274, 100, 300, 351}},
    {"bottom-right corner", Zone::BottomRight, {299, 299}, {-1000, 149}, {100, 100, 126, 150}},
};

TEST(RectangleDrag, EdgesAndCornersKeepTwentySixPixels) {
    for (const DragCase& c : kDrags) {
        RectangleDrag drag;
        drag.Start(c.area, c.grab, {100, 100, 300, 300});
        const auto step = drag.Tick(c.pointer);
        ASSERT_TRUE(step) << c.what;
        EXPECT_EQ(step->bounds, c.bounds) << c.what;
        EXPECT_TRUE(step->resized) << c.what;
    }
}

TEST(RectangleDrag, TheTopEdgeStopsWithLabelsOfEighteen) {
    RectangleDrag drag;
    drag.Start(Zone::Top, {150, 102}, Rect::FromBounds(100, 100, 200, 200));
    Rect bounds;
    for (int y = 102; y < 400; y += 7)
        bounds = drag.Tick({150, y})->bounds;
    EXPECT_EQ(bounds, (Rect{100, 274, 300, 300}));
    EXPECT_EQ(RectangleLabels(bounds), (Size{192, 18}));
}

TEST(RectangleDrag, EachTickStartsFromTheEdgesOfTheLastOne) {
    RectangleDrag drag;
    drag.Start(Zone::BottomRight, {300, 300}, {100, 100, 300, 300});
    EXPECT_EQ(drag.Tick({350, 320})->bounds, (Rect{100, 100, 350, 320}));
    EXPECT_EQ(drag.Tick({350, 110})->bounds, (Rect{100, 100, 350, 126}));
    EXPECT_EQ(drag.Tick({240, 260})->bounds, (Rect{100, 100, 240, 260}));
}

TEST(RectangleDrag, MovingKeepsTheSizeAndTheLabels) {
    RectangleDrag drag;
    drag.Start(Zone::Inside, {160, 170}, {100, 100, 300, 250});
    const auto step = drag.Tick({-40, 20});
    ASSERT_TRUE(step);
    EXPECT_FALSE(step->resized);
    EXPECT_EQ(step->bounds, (Rect{-100, -50, 100, 100}));
    EXPECT_EQ(RectangleLabels(step->bounds), (Size{192, 142}));
}

TEST(RectangleDrag, NothingWhenThePointerRestsOrNoAreaIsHeld) {
    RectangleDrag drag;
    drag.Start(Zone::Right, {299, 150}, {100, 100, 300, 300});
    EXPECT_TRUE(drag.Tick({320, 150}));
    EXPECT_FALSE(drag.Tick({320, 150})) << "the pointer has not moved";
    EXPECT_TRUE(drag.Tick({321, 150}));
    RectangleDrag none;
    none.Start(Zone::None, {5, 5}, {100, 100, 300, 300});
    EXPECT_FALSE(none.Tick({50, 50}));
    none.Start(static_cast<Zone>(42), {5, 5}, {100, 100, 300, 300});
    EXPECT_FALSE(none.Tick({60, 50}));
}

TEST(RectangleAreas, TwoHundredSquareShows192AndCaptures190) {
    const Rect b = Rect::FromBounds(300, 200, 200, 200);
    EXPECT_EQ(RectangleLabels(b), (Size{192, 192}));
    EXPECT_EQ(HookArea(b), (Rect{304, 204, 496, 396}));
    const Rect capture = CaptureArea(b, {0, 0, 1024, 768});
    EXPECT_EQ(capture, (Rect{305, 205, 495, 395}));
    EXPECT_EQ(capture.width(), 190);
    EXPECT_EQ(capture.height(), 190);
}

struct CaptureCase {
    const char* what;
    Rect bounds;
    Rect desktop;
    Rect area;
};

constexpr CaptureCase kCaptures[] = {
    {"inside", {10, 10, 110, 60}, {0, 0, 1024, 768}, {15, 15, 105, 55}},
    {"over the left and top edges", {-50, -20, 100, 100}, {0, 0, 1024, 768}, {0, 0, 95, 95}},
    {"over the right and bottom edges",
     {1000, 700, 1100, 800},
     {0, 0, 1024, 768},
     {1005, 705, 1024, 768}},
    {"on a monitor left of the primary",
     {-700, 100, -500, 300},
     {-1920, 0, 1920, 1080},
     {-695, 105, -505, 295}},
    {"over the virtual desktop's left edge",
     {-2000, -10, -1700, 200},
     {-1920, 0, 1920, 1080},
     {-1920, 0, -1705, 195}},
    {"on a monitor above", {100, -900, 300, -700}, {0, -1080, 1920, 1080}, {105, -895, 295, -705}},
    {"wholly off the desktop", {-400, 10, -100, 100}, {0, 0, 1024, 768}, {0, 15, 0, 95}},
};

TEST(CaptureArea, InsetByFiveAndCutToTheVirtualDesktop) {
    for (const CaptureCase& c : kCaptures)
        EXPECT_EQ(CaptureArea(c.bounds, c.desktop), c.area) << c.what;
}

TEST(StartBounds, SidesShorterThanEighteenBecome200) {
    EXPECT_EQ(StartBounds({250, 284, 267, 300}), (Rect{250, 284, 450, 484}));
    EXPECT_EQ(StartBounds({250, 284, 268, 301}), (Rect{250, 284, 268, 484}));
    EXPECT_EQ(StartBounds({-300, 10, -100, 27}), (Rect{-300, 10, -100, 210}));
    EXPECT_EQ(StartBounds(Rect::FromBounds(250, 284, 449, 219)),
              Rect::FromBounds(250, 284, 449, 219));
}

TEST(TrackingFrame, OnePixelOutsideTheTarget) {
    EXPECT_EQ(TrackingFrameBounds({10, 20, 110, 70}), (Rect{9, 19, 111, 71}));
    EXPECT_EQ(TrackingFrameBounds({-1920, 0, 0, 1080}), (Rect{-1921, -1, 1, 1081}));
    const auto ring = TrackingFrameRegion({102, 52});
    const std::array<Rect, 4> expected{
        {{0, 0, 102, 1}, {0, 51, 102, 52}, {0, 1, 1, 51}, {101, 1, 102, 51}}};
    EXPECT_EQ(ring, expected);
}

}  // namespace
}  // namespace vix
