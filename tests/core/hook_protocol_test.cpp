#include "hooks/hook_protocol.h"

#include <gtest/gtest.h>

namespace vix::hooks {
namespace {

TEST(HookPoint, RoundTripsSignedCoordinates) {
    for (Point p :
         {Point{0, 0}, Point{1023, 767}, Point{-1, -1}, Point{-1280, 200}, Point{32767, -32768}}) {
        EXPECT_EQ(UnpackPoint(PackPoint(p)), p);
    }
}

TEST(HookPoint, XInTheLowWordYInTheHighWord) {
    EXPECT_EQ(PackPoint({0x12, 0x34}), 0x00340012u);
    EXPECT_EQ(UnpackPoint(0xFFFE0005u), (Point{5, -2}));
}

TEST(HookPoint, IgnoresBitsAboveThirtyTwo) {
    const std::uint64_t wide = 0xABCD'0000'0002'0003ull;
    EXPECT_EQ(UnpackPoint(static_cast<std::uintptr_t>(wide)), (Point{3, 2}));
}

struct FrameZoneCase {
    Point p;
    Zone zone;
};

// The area of a 200 x 100 frame window at (100, 100): inset by 4.
constexpr Rect kFrameArea{104, 104, 296, 196};

constexpr FrameZoneCase kZones[] = {
    {{99, 150}, Zone::None},         {{100, 99}, Zone::None},
    {{296 + 4, 150}, Zone::None},    {{150, 200}, Zone::None},
    {{150, 150}, Zone::Inside},      {{108, 108}, Zone::Inside},
    {{150, 100}, Zone::Top},         {{150, 107}, Zone::Top},
    {{150, 192}, Zone::Bottom},      {{150, 199}, Zone::Bottom},
    {{100, 150}, Zone::Left},        {{107, 150}, Zone::Left},
    {{292, 150}, Zone::Right},       {{299, 150}, Zone::Right},
    {{100, 100}, Zone::TopLeft},     {{107, 107}, Zone::TopLeft},
    {{299, 100}, Zone::TopRight},    {{100, 199}, Zone::BottomLeft},
    {{299, 199}, Zone::BottomRight}, {{292, 192}, Zone::BottomRight},
};

TEST(HitZone, BandsCornersAndInside) {
    for (const auto& c : kZones)
        EXPECT_EQ(HitZone(kFrameArea, c.p), c.zone) << c.p.x << "," << c.p.y;
}

TEST(HitZone, WorksLeftOfAndAboveTheOrigin) {
    const Rect area{-500, -300, -300, -100};
    EXPECT_EQ(HitZone(area, {-400, -200}), Zone::Inside);
    EXPECT_EQ(HitZone(area, {-503, -303}), Zone::TopLeft);
    EXPECT_EQ(HitZone(area, {-400, -98}), Zone::Bottom);
}

TEST(HitZone, NarrowAreaPicksTheNearerEdge) {
    // An area 6 pixels wide: both bands overlap.
    const Rect area{100, 100, 106, 200};
    EXPECT_EQ(HitZone(area, {101, 150}), Zone::Left);
    EXPECT_EQ(HitZone(area, {104, 150}), Zone::Right);
}

}  // namespace
}  // namespace vix::hooks
