#include "capture/snapshot_join.h"

#include <gtest/gtest.h>

#include <climits>

#include "test_picture.h"

namespace vix {
namespace {

using test::TestPicture;

struct PlanCase {
    const char* what;
    SnapshotState state;
    Rect area;
    bool multi;
    bool join;
    Rect rect;
    Rect previousPart;
    Rect capturePart;
};

constexpr PlanCase kPlans[] = {
    {"the first capture replaces even with multi-capture on",
     {{0, 0, 0, 0}, true},
     {10, 20, 110, 70},
     true,
     false,
     {10, 20, 110, 70},
     {},
     {0, 0, 100, 50}},
    {"without multi-capture a capture replaces",
     {{0, 0, 100, 100}, false},
     {200, 50, 300, 120},
     false,
     false,
     {200, 50, 300, 120},
     {},
     {0, 0, 100, 70}},
    {"two captures joined into 300 x 120",
     {{0, 0, 100, 100}, false},
     {200, 50, 300, 120},
     true,
     true,
     {0, 0, 300, 120},
     {0, 0, 100, 100},
     {200, 50, 300, 120}},
    {"a capture inside the snapshot keeps its size",
     {{0, 0, 100, 100}, false},
     {20, 30, 60, 50},
     true,
     true,
     {0, 0, 100, 100},
     {0, 0, 100, 100},
     {20, 30, 60, 50}},
    {"a monitor left of the primary",
     {{-1920, 0, 0, 1080}, false},
     {0, 0, 1920, 1080},
     true,
     true,
     {-1920, 0, 1920, 1080},
     {0, 0, 1920, 1080},
     {1920, 0, 3840, 1080}},
    {"a monitor above the primary",
     {{0, -1080, 1920, 0}, false},
     {100, 100, 200, 200},
     true,
     true,
     {0, -1080, 1920, 200},
     {0, 0, 1920, 1080},
     {100, 1180, 200, 1280}},
    {"the new capture up and left of the old",
     {{500, 400, 600, 450}, false},
     {-50, -60, 10, 0},
     true,
     true,
     {-50, -60, 600, 450},
     {550, 460, 650, 510},
     {0, 0, 60, 60}},
    {"an empty snapshot (an abandoned screen capture) is replaced",
     {{0, 0, 0, 0}, false},
     {30, 30, 40, 40},
     true,
     false,
     {30, 30, 40, 40},
     {},
     {0, 0, 10, 10}},
};

TEST(PlanCapture, Table) {
    for (const PlanCase& c : kPlans) {
        CapturePlan plan;
        ASSERT_FALSE(PlanCapture(c.state, c.area, c.multi, plan)) << c.what;
        EXPECT_EQ(plan.join, c.join) << c.what;
        EXPECT_EQ(plan.rect, c.rect) << c.what;
        if (c.join) EXPECT_EQ(plan.previousPart, c.previousPart) << c.what;
        EXPECT_EQ(plan.capturePart, c.capturePart) << c.what;
        EXPECT_EQ(plan.After().rect, c.rect);
        EXPECT_FALSE(plan.After().firstCapture);
    }
}

TEST(PlanCapture, RefusalsLeaveThePlanAsItWas) {
    const SnapshotState state{{0, 0, 100, 100}, false};
    const Rect refused[] = {
        {10, 10, 10, 50},              // no width
        {10, 50, 20, 40},              // upside down
        {40000, 40000, 40001, 40001},  // joined: 40001 x 40001 pixels
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {INT_MAX - 1, 0, INT_MAX, 1},  // joined: 2^31 - 1 wide
    };
    for (const Rect& area : refused) {
        CapturePlan plan;
        plan.rect = {1, 2, 3, 4};
        const auto error = PlanCapture(state, area, true, plan);
        ASSERT_TRUE(error) << area.left << "," << area.top;
        EXPECT_FALSE(error->reason.empty());
        EXPECT_EQ(plan.rect, (Rect{1, 2, 3, 4}));
    }
    CapturePlan plan;
    EXPECT_EQ(PlanCapture(state, {0, 0, 0, 0}, false, plan)->kind, ImageError::kEmpty);
    EXPECT_EQ(PlanCapture(state, {40000, 40000, 40001, 40001}, true, plan)->kind,
              ImageError::kTooLarge);
    EXPECT_FALSE(PlanCapture(state, {40000, 40000, 40001, 40001}, false, plan))
        << "alone it is small";
}

TEST(PlanCapture, TheLargestSnapshotIsTwoGigabytes) {
    CapturePlan plan;
    EXPECT_FALSE(PlanCapture({}, Rect::FromBounds(0, 0, 23170, 23170), false, plan));
    EXPECT_TRUE(PlanCapture({}, Rect::FromBounds(0, 0, 23171, 23171), false, plan));
    EXPECT_TRUE(PlanCapture({}, Rect::FromBounds(-5, 0, 536870912, 1), false, plan));
}

TEST(SnapshotState, EmptyUntilSomethingIsCaptured) {
    EXPECT_TRUE(SnapshotState{}.empty());
    EXPECT_TRUE((SnapshotState{{5, 5, 5, 9}, false}).empty());
    EXPECT_FALSE((SnapshotState{{-5, -5, 1, 1}, false}).empty());
}

constexpr std::uint32_t kOld = 0xFF0000AA;
constexpr std::uint32_t kNew = 0x8000BB00;

// The plan, the old snapshot filled with kOld, the capture with kNew, composed.
TestPicture Compose(const SnapshotState& state, const Rect& area, bool multi) {
    CapturePlan plan;
    EXPECT_FALSE(PlanCapture(state, area, multi, plan));
    TestPicture previous(state.rect.width(), state.rect.height(), kOld);
    TestPicture capture(area.width(), area.height(), kNew);
    TestPicture target(plan.size().width, plan.size().height, 0x12345678);
    ComposeCapture(plan, previous.view(), capture.view(), target.mutable_view());
    return target;
}

TEST(ComposeCapture, TheJoinedExampleIsBlackWhereNothingWasCaptured) {
    const TestPicture t = Compose({{0, 0, 100, 100}, false}, {200, 50, 300, 120}, true);
    ASSERT_EQ(t.width, 300);
    ASSERT_EQ(t.height, 120);
    EXPECT_EQ(t.at(0, 0), kOld);
    EXPECT_EQ(t.at(99, 99), kOld);
    EXPECT_EQ(t.at(200, 50), kNew);
    EXPECT_EQ(t.at(299, 119), kNew);
    for (const Point black : {Point{100, 0}, Point{150, 60}, Point{250, 49}, Point{50, 100},
                              Point{199, 119}, Point{299, 0}})
        EXPECT_EQ(t.at(black.x, black.y), 0u) << black.x << "," << black.y << ": zero alpha too";
}

TEST(ComposeCapture, TheNewestWinsWhereTheyOverlap) {
    const TestPicture t = Compose({{0, 0, 100, 100}, false}, {50, 50, 150, 150}, true);
    EXPECT_EQ(t.at(75, 75), kNew);
    EXPECT_EQ(t.at(49, 49), kOld);
    EXPECT_EQ(t.at(99, 49), kOld);
    EXPECT_EQ(t.at(125, 25), 0u);
    EXPECT_EQ(t.at(25, 125), 0u);
    const TestPicture inside = Compose({{0, 0, 100, 100}, false}, {20, 30, 60, 50}, true);
    EXPECT_EQ(inside.at(20, 30), kNew);
    EXPECT_EQ(inside.at(60, 30), kOld);
    EXPECT_EQ(inside.at(19, 49), kOld);
}

TEST(ComposeCapture, AReplacementIsTheCaptureAlone) {
    const TestPicture t = Compose({{0, 0, 100, 100}, false}, {500, 500, 530, 510}, false);
    ASSERT_EQ(t.width, 30);
    for (std::uint32_t px : t.pixels)
        EXPECT_EQ(px, kNew);
}

// Fill black, then the previous picture, then the capture over it.
TestPicture Reference(const CapturePlan& plan, const TestPicture& previous,
                      const TestPicture& capture) {
    TestPicture t(plan.size().width, plan.size().height, 0);
    auto draw = [&](const TestPicture& p, const Rect& part) {
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                t.at(part.left + x, part.top + y) = p.at(x, y);
    };
    if (plan.join) draw(previous, plan.previousPart);
    draw(capture, plan.capturePart);
    return t;
}

TEST(ComposeCapture, AgreesWithPaintingOneOverTheOtherForEveryPlacement) {
    const TestPicture previous = test::Pattern(7, 5, 1);
    const SnapshotState state{Rect::FromBounds(0, 0, 7, 5), false};
    for (int w : {1, 3, 9})
        for (int h : {1, 4, 7})
            for (int x = -10; x <= 10; ++x)
                for (int y = -7; y <= 7; ++y) {
                    const Rect area = Rect::FromBounds(x, y, w, h);
                    CapturePlan plan;
                    ASSERT_FALSE(PlanCapture(state, area, true, plan));
                    const TestPicture capture = test::Pattern(w, h, 77);
                    TestPicture target(plan.size().width, plan.size().height, 0xDEADBEEF);
                    ComposeCapture(plan, previous.view(), capture.view(), target.mutable_view());
                    ASSERT_EQ(target.pixels, Reference(plan, previous, capture).pixels)
                        << w << " x " << h << " at " << x << "," << y;
                }
}

TEST(ComposeCapture, AnEmptyCaptureLeavesItsAreaForTheCallersScreenCopy) {
    CapturePlan plan;
    ASSERT_FALSE(PlanCapture({{0, 0, 10, 10}, false}, {20, 0, 30, 10}, true, plan));
    const TestPicture previous(10, 10, kOld);
    TestPicture target(30, 10, 0xDEADBEEF);
    ComposeCapture(plan, previous.view(), PixelView{}, target.mutable_view());
    EXPECT_EQ(target.at(0, 0), kOld);
    EXPECT_EQ(target.at(15, 5), 0u);
    EXPECT_EQ(target.at(20, 0), 0xDEADBEEFu);
    EXPECT_EQ(target.at(29, 9), 0xDEADBEEFu);
}

TEST(ComposeCapture, APictureSmallerOrLargerThanPlannedStaysInsideTheTarget) {
    CapturePlan plan;
    ASSERT_FALSE(PlanCapture({{0, 0, 10, 10}, false}, {5, 5, 15, 15}, true, plan));
    const TestPicture bigPrevious(40, 40, kOld), smallCapture(3, 3, kNew);
    TestPicture target(15, 15, 0xDEADBEEF);
    ComposeCapture(plan, bigPrevious.view(), smallCapture.view(), target.mutable_view());
    EXPECT_EQ(target.at(14, 14), 0u) << "the capture gave no pixel here";
    EXPECT_EQ(target.at(7, 7), kNew);
    EXPECT_EQ(target.at(9, 4), kOld);
}

TEST(CursorDrawPosition, RelativeToTheSnapshotsCornerMinusTheHotSpot) {
    EXPECT_EQ(CursorDrawPosition({250, 60}, {1, 1}, {0, 0, 300, 120}), (Point{249, 59}));
    EXPECT_EQ(CursorDrawPosition({250, 60}, {0, 0}, {200, 50, 300, 120}), (Point{50, 10}));
    EXPECT_EQ(CursorDrawPosition({-100, 50}, {4, 2}, {-1920, 0, 1920, 1080}), (Point{1816, 48}));
    EXPECT_EQ(CursorDrawPosition({10, -1000}, {0, 0}, {0, -1080, 1920, 200}), (Point{10, 80}));
}

}  // namespace
}  // namespace vix
