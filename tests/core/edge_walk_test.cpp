#include "spacing/edge_walk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vix {
namespace {

constexpr std::uint32_t Gray(int v) {
    const auto c = static_cast<std::uint32_t>(v);
    return c << 16 | c << 8 | c;
}

// A copy of the desktop, drawn by hand.
struct Desktop {
    Desktop(Rect bounds, std::vector<Rect> screens, std::uint32_t fill = Gray(255))
        : bounds(bounds),
          monitors(std::move(screens)),
          pixels(static_cast<std::size_t>(bounds.width()) * bounds.height(), fill) {}
    std::uint32_t& At(int x, int y) {
        return pixels[static_cast<std::size_t>(y - bounds.top) * bounds.width() +
                      (x - bounds.left)];
    }
    void Column(int x, std::uint32_t c) {
        for (int y = bounds.top; y < bounds.bottom; ++y)
            At(x, y) = c;
    }
    std::optional<EdgeSpans> Walk(Point at, int tolerance) const {
        return WalkEdges(
            {pixels, bounds.width(), bounds.height(), {bounds.left, bounds.top}, monitors}, at,
            tolerance);
    }
    Rect bounds;
    std::vector<Rect> monitors;
    std::vector<std::uint32_t> pixels;
};

TEST(EdgeWalk, StopsBeforeTheFirstPixelBeyondTheToleranceOfTheStart) {
    Desktop d({0, 0, 100, 80}, {{0, 0, 100, 80}});
    d.Column(50, Gray(0));  // a one-pixel line
    // An anti-aliased edge: 200, 128, then black from x = 82.
    d.Column(80, Gray(200));
    d.Column(81, Gray(128));
    for (int x = 82; x < 100; ++x)
        d.Column(x, Gray(0));
    d.At(20, 30) = 0xFFFFFF - 31;  // blue alone off by 31
    const struct {
        Point at;
        int tolerance;
        EdgeSpans spans;
    } cases[] = {
        {{10, 10}, 30, {0, 49, 0, 79}},   {{60, 10}, 30, {51, 79, 0, 79}},
        {{50, 10}, 0, {50, 50, 0, 79}},    // on the line: its own column
        {{60, 10}, 55, {51, 80, 0, 79}},   // 200 is within 55 of white
        {{60, 10}, 127, {51, 81, 0, 79}},  // and 128 within 127
        {{60, 10}, 255, {0, 99, 0, 79}},   // everything is alike
        {{20, 10}, 30, {0, 49, 0, 29}},    // the blue pixel ends the column
        {{20, 10}, 31, {0, 49, 0, 79}},   {{99, 79}, 0, {82, 99, 0, 79}},  // the desktop's corner
    };
    for (const auto& c : cases)
        EXPECT_EQ(d.Walk(c.at, c.tolerance), c.spans)
            << c.at.x << "," << c.at.y << " t" << c.tolerance;
}

TEST(EdgeWalk, AGradientIsMeasuredAgainstTheStartPixelNotTheNeighbour) {
    Desktop d({0, 0, 100, 10}, {{0, 0, 100, 10}});
    for (int x = 0; x < 100; ++x)
        d.Column(x, Gray(x * 2));
    for (int tolerance : {0, 1, 2, 10, 40}) {
        const auto spans = d.Walk({50, 5}, tolerance);
        ASSERT_TRUE(spans);
        EXPECT_EQ(spans->left, 50 - tolerance / 2) << tolerance;
        EXPECT_EQ(spans->right, 50 + tolerance / 2) << tolerance;
    }
}

// A 1280 x 1024 monitor left of a 1920 x 1080 primary one: the copy is the
// box round both, and the corner under the smaller one is no screen.
TEST(EdgeWalk, MonitorsOfDifferentSizesWithNegativeCoordinates) {
    Desktop d({-1280, 0, 1920, 1080}, {{-1280, 0, 0, 1024}, {0, 0, 1920, 1080}});
    d.At(-1280, 1050) = Gray(255);  // the empty corner holds what it holds
    const struct {
        Point at;
        std::optional<EdgeSpans> spans;
    } cases[] = {
        {{-100, 500}, EdgeSpans{-1280, 1919, 0, 1023}},  // across both on the row
        {{100, 1050}, EdgeSpans{0, 1919, 0, 1079}},      // below the smaller one
        {{-1, 1023}, EdgeSpans{-1280, 1919, 0, 1023}},
        {{-100, 1050}, std::nullopt},  // in the empty corner
        {{1920, 10}, std::nullopt},    // beyond the copy
    };
    for (const auto& c : cases)
        EXPECT_EQ(d.Walk(c.at, 30), c.spans) << c.at.x << "," << c.at.y;
}

}  // namespace
}  // namespace vix
