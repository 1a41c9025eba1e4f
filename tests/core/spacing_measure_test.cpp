#include "spacing/spacing_measure.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// 192 x 96 pixels: at 96 DPI two inches by one, at 144 DPI 1.333 by 0.667.
constexpr EdgeSpans kSpans{.left = 10, .right = 201, .top = -40, .bottom = 55};

TEST(SpacingLabel, ShowsTheMeasuredSpansInTheRulersUnit) {
    const Size desktop{1920, 1080};
    const struct {
        SpacingMode mode;
        LengthFormat format;
        const wchar_t* label;
    } cases[] = {
        {SpacingMode::BothSpans, {kPixels, 96, desktop}, L"192 \u00D7 96 px"},
        {SpacingMode::Box, {kPixels, 96, desktop}, L"192 \u00D7 96 px"},
        {SpacingMode::Horizontal, {kPixels, 96, desktop}, L"192 px"},
        {SpacingMode::Vertical, {kPixels, 96, desktop}, L"96 px"},
        {SpacingMode::BothSpans, {kInches, 96, desktop}, L"2.00 \u00D7 1.00 in"},
        {SpacingMode::BothSpans, {kInches, 144, desktop}, L"1.33 \u00D7 0.67 in"},
        {SpacingMode::BothSpans, {kCentimetres, 96, desktop}, L"5.08 \u00D7 2.54 cm"},
        {SpacingMode::Vertical, {kPicas, 96, desktop}, L"6.00 pc"},
        // Of the desktop's width across, of its height down: 96 / 1080.
        {SpacingMode::BothSpans, {kPercent, 96, desktop}, L"10.00 \u00D7 8.89 %"},
        {SpacingMode::Horizontal, {kInches, 96, desktop, L','}, L"2,00 in"},
        {SpacingMode::BothSpans, {kNoUnit, 96, desktop}, L"192 \u00D7 96 px"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MeasureLabel(kSpans, c.mode, c.format), c.label)
            << ModeName(c.mode).data() << " unit " << c.format.unit;
}

TEST(SpacingModes, TabGoesThroughAllFourAndBack) {
    SpacingMode mode = SpacingMode::BothSpans;
    std::wstring names;
    for (int i = 0; i < 5; ++i) {
        names += std::wstring(ModeName(mode)) + L";";
        mode = NextMode(mode);
    }
    EXPECT_EQ(names, L"Both spans;Horizontal;Vertical;Box;Both spans;");
    EXPECT_EQ(ModeLine(SpacingMode::Box, 0), L"Box, Tolerance: 0");
    EXPECT_EQ(ModeLine(SpacingMode::BothSpans, kDefaultTolerance), L"Both spans, Tolerance: 30");
}

TEST(SpacingTolerance, TheWheelStepsByFiveWithinTheByteRange) {
    const struct {
        int tolerance, delta, after;
    } cases[] = {
        {30, 120, 35}, {30, -240, 20}, {253, 120, 255},
        {2, -120, 0},  {30, 40, 35},  // less than a notch still steps
        {30, -1, 25},  {30, 0, 30},    {255, 360, 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToleranceAfterWheel(c.tolerance, c.delta), c.after)
            << c.tolerance << " " << c.delta;
}

TEST(SpacingBox, IsTheDraggedRectangleWithBothCornersWhicheverWayItWasDragged) {
    const EdgeSpans box{.left = 5, .right = 10, .top = 20, .bottom = 40};
    EXPECT_EQ(BoxBetween({10, 20}, {5, 40}), box);
    EXPECT_EQ(BoxBetween({5, 40}, {10, 20}), box);
    EXPECT_EQ(box.Width(), 6);
    EXPECT_EQ(BoxBetween({-3, 7}, {-3, 7}).Height(), 1);
}

}  // namespace
}  // namespace vix
