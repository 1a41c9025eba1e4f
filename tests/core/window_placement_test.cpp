#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

struct Case {
    const char* what;
    bool remember;
    int lastX, lastY;
    Rect desktop;
    Point expected;
};

constexpr Size kWindow{261, 227};
constexpr Size kPrimary{1024, 768};
constexpr Rect kSingle{0, 0, 1024, 768};
// A second monitor left of the primary one and reaching higher.
constexpr Rect kLeftMonitor{-1280, -200, 1024, 768};

constexpr Case kCases[] = {
    {"inside stays", true, 100, 50, kSingle, {100, 50}},
    {"231 in x means unset", true, 231, 50, kSingle, {512 - 130, 384 - 113}},
    {"231 in y means unset", true, 100, 231, kSingle, {382, 271}},
    {"not remembered centres", false, 100, 50, kSingle, {382, 271}},
    {"negative raised to the edge", true, -40, -3, kSingle, {0, 0}},
    {"beyond right and bottom pulled in", true, 2000, 900, kSingle, {1024 - 261, 768 - 227}},
    {"exactly at the far edge stays", true, 763, 541, kSingle, {763, 541}},
    {"one past the far edge pulled in", true, 764, 542, kSingle, {763, 541}},
    {"negative monitor keeps its position", true, -900, -150, kLeftMonitor, {-900, -150}},
    {"left of the virtual desktop", true, -5000, -400, kLeftMonitor, {-1280, -200}},
    {"unset centres on the primary", true, 231, 231, kLeftMonitor, {382, 271}},
};

TEST(InitialWindowPosition, Table) {
    for (const Case& c : kCases) {
        const PlacementInput in{c.remember, c.lastX, c.lastY, kWindow, c.desktop, kPrimary};
        EXPECT_EQ(InitialWindowPosition(in), c.expected) << c.what;
    }
}

TEST(InitialWindowPosition, CentringHalvesRoundTowardZero) {
    const PlacementInput in{false, 0, 0, {261, 45}, kSingle, {1025, 767}};
    EXPECT_EQ(InitialWindowPosition(in), (Point{512 - 130, 383 - 22}));
}

}  // namespace
}  // namespace vix
