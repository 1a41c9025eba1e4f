#include "app/tab_shape.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

TEST(ShapeTab, PickerTabOutlines) {
    const TabShape shape = ShapeTab({54, 17});
    const std::array<Point, 5> frame = {{{0, 0}, {38, 0}, {54, 17}, {54, 17}, {0, 17}}};
    const std::array<Point, 5> caption = {{{0, 0}, {37, 0}, {53, 17}, {54, 17}, {0, 17}}};
    EXPECT_EQ(shape.frame, frame);
    EXPECT_EQ(shape.caption, caption);
}

TEST(ShapeTab, CaptionSlantRunsOnePixelInsideTheFrameSlant) {
    for (int w : {48, 54, 63}) {
        const TabShape s = ShapeTab({w, 17});
        EXPECT_EQ(s.frame[1].x - s.caption[1].x, 1) << w;
        EXPECT_EQ(s.frame[2].x - s.caption[2].x, 1) << w;
    }
}

}  // namespace
}  // namespace vix
