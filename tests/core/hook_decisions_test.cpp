#include "hooks/hook_decisions.h"

#include <gtest/gtest.h>

#include <span>

namespace vix::hooks {
namespace {

using E = MouseEvent;

constexpr Rect kScreen{0, 0, 1024, 768};
// A second monitor left of and above the primary one.
constexpr Rect kWideDesktop{-1280, -200, 1024, 768};

constexpr Report Moved(int x, int y) {
    return {kPickerMoved, static_cast<std::uint32_t>(static_cast<std::uint16_t>(x)) |
                              (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16)};
}
constexpr Report Sampled(int x, int y) {
    Report r = Moved(x, y);
    r.message = kPickerSample;
    return r;
}
constexpr Report Rectangle(RectangleEvent event, Zone zone = Zone::None) {
    return {kRectangleEvent, event, static_cast<std::int32_t>(zone)};
}
// A press or release of the drag, with where it happened.
constexpr Report Drag(RectangleEvent event, int x, int y) {
    return {kRectangleEvent, event, static_cast<std::int32_t>(Moved(x, y).wParam)};
}

constexpr Decision kPass{};
constexpr Decision Post(Report r) { return {r, false, false}; }
constexpr Decision Keep(Report r) { return {r, true, false}; }
constexpr Decision kKeepOnly{std::nullopt, true, false};
constexpr Decision kKeepAndRelease{std::nullopt, true, true};

struct Step {
    E event;
    Point p;
    Decision expected;
};

void Feed(HookDecisions& hook, std::span<const Step> steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        EXPECT_EQ(hook.OnMouse(s.event, s.p), s.expected)
            << "step " << i << " at " << s.p.x << "," << s.p.y;
    }
}

// Moves are reported held one pixel inside the desktop's left and top edges;
// the sample's position is not held. The press and its release are kept from
// the window underneath; the left button is not the picker's.
constexpr Step kPickerOnScreen[] = {
    {E::Move, {350, 320}, Post(Moved(350, 320))},
    {E::Move, {0, 0}, Post(Moved(1, 1))},
    {E::Move, {0, 767}, Post(Moved(1, 767))},
    {E::Move, {1023, 0}, Post(Moved(1023, 1))},
    {E::LeftDown, {5, 5}, kPass},
    {E::LeftUp, {5, 5}, kPass},
    {E::RightDown, {0, 0}, Keep(Sampled(0, 0))},
    {E::RightUp, {0, 0}, kKeepOnly},
    {E::Other, {0, 0}, kPass},
};

constexpr Step kPickerOnAWideDesktop[] = {
    {E::Move, {-1280, -200}, Post(Moved(-1279, -199))},
    {E::Move, {-640, 100}, Post(Moved(-640, 100))},
    {E::Move, {0, 0}, Post(Moved(0, 0))},
    {E::RightDown, {-1280, 5}, Keep(Sampled(-1280, 5))},
    {E::RightUp, {-1280, 5}, kKeepOnly},
};

TEST(HookDecisions, PickerReportsMovesHeldInsideTheDesktopAndTakesTheRightPress) {
    HookDecisions hook;
    hook.Arm(HookTool::Picker, kScreen);
    Feed(hook, kPickerOnScreen);
    hook.Arm(HookTool::Picker, kWideDesktop);
    Feed(hook, kPickerOnAWideDesktop);
}

struct ClickCase {
    HookTool tool;
    Report report;
};

constexpr ClickCase kClicks[] = {
    {HookTool::ScreenCapture, {kScreenCaptureClick, 0, 0}},
    {HookTool::ControlCapture, {kControlCaptureClick, 0, 0}},
    {HookTool::RectangleCapture, {kRectangleEvent, kCaptureClick, 0}},
};

TEST(HookDecisions, EachCaptureToolReportsTheRightPressAndNothingOfMoves) {
    for (const ClickCase& c : kClicks) {
        HookDecisions hook;
        hook.Arm(c.tool, kScreen);
        const Step steps[] = {
            {E::Move, {-5, -5}, kPass},  // outside any area: no zone either
            {E::RightDown, {400, 400}, Keep(c.report)},
            {E::RightUp, {400, 400}, kKeepOnly},
        };
        SCOPED_TRACE(static_cast<int>(c.tool));
        Feed(hook, steps);
    }
}

TEST(HookDecisions, UnarmedEverythingPassesAndNothingIsReported) {
    HookDecisions hook;
    constexpr Step kSteps[] = {{E::Move, {3, 3}, kPass},
                               {E::RightDown, {3, 3}, kPass},
                               {E::RightUp, {3, 3}, kPass},
                               {E::LeftDown, {3, 3}, kPass}};
    Feed(hook, kSteps);
    EXPECT_FALSE(hook.hooked());
}

// The area of a 160 x 160 frame window at (316, 316): inset by 4.
constexpr Rect kArea{320, 320, 480, 480};

// Zone reports only when the zone changes and never while dragging; the
// drag's press and release belong to the frame; a press outside passes.
constexpr Step kRectangleSession[] = {
    {E::Move, {400, 400}, Post(Rectangle(kZoneChanged, Zone::Inside))},
    {E::Move, {410, 410}, kPass},
    {E::Move, {318, 400}, Post(Rectangle(kZoneChanged, Zone::Left))},
    {E::LeftDown, {318, 400}, Keep(Drag(kDragStart, 318, 400))},
    {E::Move, {300, 400}, kPass},
    {E::Move, {200, 100}, kPass},
    {E::LeftUp, {300, 400}, Keep(Drag(kDragEnd, 300, 400))},
    {E::Move, {400, 400}, Post(Rectangle(kZoneChanged, Zone::Inside))},
    {E::Move, {100, 100}, Post(Rectangle(kZoneChanged, Zone::None))},
    {E::LeftDown, {100, 100}, kPass},
    {E::LeftUp, {100, 100}, kPass},
    {E::Move, {476, 476}, Post(Rectangle(kZoneChanged, Zone::BottomRight))},
    {E::RightDown, {476, 476}, Keep(Rectangle(kCaptureClick))},
    {E::RightUp, {476, 476}, kKeepOnly},
};

TEST(HookDecisions, RectangleReportsZonesDragsAndTheCaptureClick) {
    HookDecisions hook;
    hook.Arm(HookTool::RectangleCapture, kScreen);
    hook.SetArea(kArea);
    Feed(hook, kRectangleSession);
}

// A move reported late, after the pointer had gone on, left another zone as
// the last reported: the press names its own zone ahead of the drag.
TEST(HookDecisions, APressInAnotherZoneThanTheLastReportedReportsItsZoneFirst) {
    HookDecisions hook;
    hook.Arm(HookTool::RectangleCapture, kScreen);
    hook.SetArea(kArea);
    Decision pressed = Keep(Drag(kDragStart, 400, 400));
    pressed.before = Rectangle(kZoneChanged, Zone::Inside);
    const Step steps[] = {
        {E::Move, {400, 400}, Post(Rectangle(kZoneChanged, Zone::Inside))},
        {E::Move, {476, 476}, Post(Rectangle(kZoneChanged, Zone::BottomRight))},
        {E::LeftDown, {400, 400}, pressed},
        {E::LeftUp, {300, 300}, Keep(Drag(kDragEnd, 300, 300))},
        {E::Move, {400, 400}, kPass},
    };
    Feed(hook, steps);
}

TEST(HookDecisions, ArmingAgainForgetsTheLastZoneAndAnOpenDrag) {
    HookDecisions hook;
    hook.Arm(HookTool::RectangleCapture, kScreen);
    hook.SetArea(kArea);
    constexpr Step kBefore[] = {{E::Move, {400, 400}, Post(Rectangle(kZoneChanged, Zone::Inside))},
                                {E::LeftDown, {400, 400}, Keep(Drag(kDragStart, 400, 400))}};
    Feed(hook, kBefore);
    hook.Arm(HookTool::RectangleCapture, kScreen);
    constexpr Step kAfter[] = {{E::LeftUp, {400, 400}, kPass},
                               {E::Move, {400, 400}, Post(Rectangle(kZoneChanged, Zone::Inside))}};
    Feed(hook, kAfter);
}

TEST(HookDecisions, SwitchedOffBetweenPressAndReleaseTheReleaseIsKeptThenTheHookGoes) {
    HookDecisions hook;
    hook.Arm(HookTool::Picker, kScreen);
    EXPECT_EQ(hook.OnMouse(E::RightDown, {9, 9}), Keep(Sampled(9, 9)));
    EXPECT_FALSE(hook.Disarm(HookTool::Picker)) << "the release is still to come";
    EXPECT_TRUE(hook.hooked());
    constexpr Step kDraining[] = {{E::Move, {20, 20}, kPass},
                                  {E::RightUp, {20, 20}, kKeepAndRelease},
                                  {E::RightDown, {20, 20}, kPass},
                                  {E::RightUp, {20, 20}, kPass}};
    Feed(hook, kDraining);
    EXPECT_FALSE(hook.hooked());
}

TEST(HookDecisions, DisarmingAnotherToolChangesNothing) {
    HookDecisions hook;
    hook.Arm(HookTool::ControlCapture, kScreen);
    EXPECT_FALSE(hook.Disarm(HookTool::Picker));
    EXPECT_EQ(hook.armed(), HookTool::ControlCapture);
    EXPECT_TRUE(hook.Disarm(HookTool::ControlCapture));
    EXPECT_FALSE(hook.hooked());
    EXPECT_FALSE(hook.Disarm(HookTool::ControlCapture)) << "twice is harmless";
}

struct ZoneCase {
    Rect area;
    Point p;
    Zone zone;
};

// Areas narrower than the two 4-pixel bands: they overlap, the nearer edge
// wins, and an exact tie (the middle column or row of an odd size) goes to
// the right or bottom edge.
constexpr ZoneCase kNarrowZones[] = {
    // 6 wide (columns 100..105): 102 is nearer the left, 103 the right.
    {{100, 100, 106, 200}, {96, 150}, Zone::Left},
    {{100, 100, 106, 200}, {102, 150}, Zone::Left},
    {{100, 100, 106, 200}, {103, 150}, Zone::Right},
    {{100, 100, 106, 200}, {109, 150}, Zone::Right},
    {{100, 100, 106, 200}, {110, 150}, Zone::None},
    // 7 wide (columns 100..106): 103 is as near to both; the right wins.
    {{100, 100, 107, 200}, {102, 150}, Zone::Left},
    {{100, 100, 107, 200}, {103, 150}, Zone::Right},
    {{100, 100, 107, 200}, {104, 150}, Zone::Right},
    // 7 high: the same for rows, and with the corners.
    {{100, 100, 200, 107}, {150, 103}, Zone::Bottom},
    {{100, 100, 200, 107}, {150, 102}, Zone::Top},
    {{100, 100, 107, 107}, {103, 103}, Zone::BottomRight},
    {{100, 100, 107, 107}, {102, 102}, Zone::TopLeft},
    {{100, 100, 107, 107}, {102, 104}, Zone::BottomLeft},
    // 1 wide: its one column is a tie; 8 wide: the bands just meet.
    {{100, 100, 101, 200}, {100, 150}, Zone::Right},
    {{100, 100, 108, 200}, {103, 150}, Zone::Left},
    {{100, 100, 108, 200}, {104, 150}, Zone::Right},
    // 9 wide: one column of inside between the bands.
    {{100, 100, 109, 200}, {104, 150}, Zone::Inside},
};

// Monitors left of and above the primary screen.
constexpr ZoneCase kNegativeZones[] = {
    {{-500, -300, -300, -100}, {-400, -200}, Zone::Inside},
    {{-500, -300, -300, -100}, {-504, -304}, Zone::TopLeft},
    {{-500, -300, -300, -100}, {-505, -200}, Zone::None},
    {{-500, -300, -300, -100}, {-400, -97}, Zone::Bottom},
    {{-500, -300, -300, -100}, {-400, -96}, Zone::None},
    {{-500, -300, -300, -100}, {-297, -200}, Zone::Right},
    {{-500, -300, -300, -100}, {-297, -303}, Zone::TopRight},
    {{-500, -300, -300, -100}, {-504, -97}, Zone::BottomLeft},
    // An area across the origin.
    {{-10, -10, 10, 10}, {0, 0}, Zone::Inside},
    {{-10, -10, 10, 10}, {-7, 0}, Zone::Left},
    {{-10, -10, 10, 10}, {6, 6}, Zone::BottomRight},
    // Narrow and negative: 7 wide (columns -7..-1), -4 is the tie.
    {{-7, 0, 0, 100}, {-5, 50}, Zone::Left},
    {{-7, 0, 0, 100}, {-4, 50}, Zone::Right},
};

void ExpectZones(std::span<const ZoneCase> cases) {
    for (const ZoneCase& c : cases) {
        EXPECT_EQ(HitZone(c.area, c.p), c.zone) << c.p.x << "," << c.p.y;
        // And through the hook: the first move into a zone reports it.
        HookDecisions hook;
        hook.Arm(HookTool::RectangleCapture, kWideDesktop);
        hook.SetArea(c.area);
        const Decision d = hook.OnMouse(E::Move, c.p);
        if (c.zone == Zone::None)
            EXPECT_EQ(d, kPass);
        else
            EXPECT_EQ(d, Post(Rectangle(kZoneChanged, c.zone))) << c.p.x << "," << c.p.y;
    }
}

TEST(HookDecisions, NarrowAreasGiveTheNearerEdgeAndTiesTheRightOrBottom) {
    ExpectZones(kNarrowZones);
}

TEST(HookDecisions, ZonesLeftOfAndAboveTheOrigin) { ExpectZones(kNegativeZones); }

}  // namespace
}  // namespace vix::hooks
