#include "ui/dialog_placement.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// A 1024 x 768 screen with a 30-pixel taskbar at the bottom, and a monitor
// left of it reaching higher.
constexpr Rect kWork{0, 0, 1024, 738};
constexpr Rect kLeftWork{-1280, -200, 0, 824};

struct PlacementCase {
    const char* what;
    Size dialog;
    Rect mainWindow;
    Rect work;
    Point expected;
};

// The main window is 261 x 176; the settings dialog 407 x 340.
constexpr PlacementCase kPlacements[] = {
    {"centred where it fits", {407, 340}, {381, 296, 642, 472}, kWork, {308, 214}},
    {"bottom-left corner", {407, 340}, {0, 562, 261, 738}, kWork, {0, 398}},
    {"top-right corner", {407, 340}, {763, 0, 1024, 176}, kWork, {617, 0}},
    {"the monitor left of the primary", {393, 368}, {-261, 600, 0, 776}, kLeftWork, {-393, 456}},
    {"larger than the work area", {1200, 900}, {381, 296, 642, 472}, kWork, {0, 0}},
};

TEST(DialogPosition, CentredOnTheMainWindowAndKeptInsideTheWorkArea) {
    for (const PlacementCase& c : kPlacements)
        EXPECT_EQ(DialogPosition(c.dialog, c.mainWindow, c.work), c.expected) << c.what;
}

}  // namespace
}  // namespace vix
