#include "pin/pin_geometry.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

TEST(PinZoom, TheWheelStepsThroughTheZoomsAndStopsAtTheEnds) {
    struct Case {
        int percent, notches, after;
    };
    static constexpr Case kCases[] = {
        {100, 1, 150}, {100, -1, 67},  {100, -4, 25}, {25, -1, 25},   {600, 3, 800}, {100, 0, 100},
        {120, 1, 150}, {120, -1, 100}, {5, 1, 25},    {900, -1, 800}, {25, 10, 800},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(ZoomAfterWheel(c.percent, c.notches), c.after) << c.percent << " " << c.notches;
}

TEST(PinOpacity, TheWheelStepsByTenthsBetweenAFifthAndOpaque) {
    struct Case {
        int percent, notches, after;
        std::uint8_t alpha;
    };
    static constexpr Case kCases[] = {
        {100, -1, 90, 230}, {100, 1, 100, 255}, {30, -1, 20, 51},
        {20, -5, 20, 51},   {50, 2, 70, 179},   {100, -100000000, 20, 51},
    };
    for (const Case& c : kCases) {
        const int after = OpacityAfterWheel(c.percent, c.notches);
        EXPECT_EQ(after, c.after) << c.percent << " " << c.notches;
        EXPECT_EQ(AlphaOf(after), c.alpha) << after;
    }
}

// The picture's point under the pointer stays there; a pointer on the frame
// counts as on the picture's edge.
TEST(PinPlacement, ThePictureCoversItsSourceAndZoomsAboutThePointer) {
    struct Case {
        const char* what;
        Rect area;
        Size picture;
        int from, to;
        Point pointer;
        Rect after;
    };
    static constexpr Case kCases[] = {
        {"x2 at the corner", {10, 20, 110, 70}, {100, 50}, 100, 200, {10, 20}, {10, 20, 210, 120}},
        {"x2 at the middle", {10, 20, 110, 70}, {100, 50}, 100, 200, {60, 45}, {-40, -5, 160, 95}},
        {"x4 left of 0", {-100, 10, -90, 20}, {10, 10}, 100, 400, {-95, 15}, {-115, -5, -75, 35}},
        {"x0.5 far end", {0, 0, 200, 100}, {200, 100}, 100, 50, {200, 100}, {100, 50, 200, 100}},
        {"on the frame", {0, 0, 100, 100}, {100, 100}, 100, 200, {-2, 50}, {0, -50, 200, 150}},
        {"150 to 100", {-15, -15, 135, 135}, {100, 100}, 150, 100, {60, 60}, {10, 10, 110, 110}},
        {"a pixel stays a pixel", {5, 5, 6, 6}, {1, 1}, 100, 25, {5, 5}, {5, 5, 6, 6}},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(ZoomAbout(c.area, c.picture, c.from, c.to, c.pointer), c.after) << c.what;

    const Rect placed = PictureArea({-1920, -300}, {640, 480}, 100);
    EXPECT_EQ(placed, (Rect{-1920, -300, -1280, 180}));
    EXPECT_EQ(PinWindowAround(placed), (Rect{-1922, -302, -1278, 182}));
}

TEST(PinWheel, PartsOfANotchAddUpToWholeOnes) {
    WheelNotches wheel;
    const int kDeltas[][2] = {{40, 0}, {40, 0}, {40, 1}, {-120, -1}, {-60, 0}, {300, 2}};
    for (const auto& d : kDeltas)
        EXPECT_EQ(wheel.Add(d[0]), d[1]) << d[0];
}

}  // namespace
}  // namespace vix
