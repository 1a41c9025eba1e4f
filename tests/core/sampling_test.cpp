#include "color/sampling.h"

#include <gtest/gtest.h>

#include <cmath>

#include "color/magnifier.h"

namespace vix {
namespace {

// A block whose 3 x 3 and 5 x 5 averages are not any of its pixels.
Block5 DistinctBlock() {
    Block5 block{};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            block[y * 5 + x] = (static_cast<std::uint32_t>((x * x * 37 + y * 19) % 256) << 16) |
                               (static_cast<std::uint32_t>((y * y * 41 + x * 3) % 256) << 8) |
                               static_cast<std::uint32_t>((x * y * 53 + 7) % 256);
    return block;
}

ColorWord Reference(const Block5& block, int n) {
    const int start = (5 - n) / 2;
    double r = 0, g = 0, b = 0;
    for (int y = start; y < start + n; ++y)
        for (int x = start; x < start + n; ++x) {
            r += (block[y * 5 + x] >> 16) & 0xFF;
            g += (block[y * 5 + x] >> 8) & 0xFF;
            b += block[y * 5 + x] & 0xFF;
        }
    const double count = n * n;
    return MakeColor(static_cast<std::uint8_t>(std::lround(r / count)),
                     static_cast<std::uint8_t>(std::lround(g / count)),
                     static_cast<std::uint8_t>(std::lround(b / count)), kSampledFlag);
}

TEST(AverageBlock, PointThreeAndFiveAgainstAReference) {
    const Block5 block = DistinctBlock();
    EXPECT_EQ(AverageBlock(block, kPointSample), FromPixel(block[12], kSampledFlag));
    EXPECT_EQ(AverageBlock(block, kAverage3), Reference(block, 3));
    EXPECT_EQ(AverageBlock(block, kAverage5), Reference(block, 5));
    EXPECT_NE(RgbOf(AverageBlock(block, kAverage3)), RgbOf(FromPixel(block[12])));
}

TEST(AverageBlock, RoundsToTheNearestAndCarriesTheSampledFlag) {
    Block5 block{};
    block.fill(0x000000);
    block[6] = 0x0000FF;  // one pixel of the 3 x 3 block at 255 blue: 255 / 9 = 28.3
    block[7] = 0x000005;  // and 5: 260 / 9 = 28.9 -> 29
    const ColorWord c = AverageBlock(block, kAverage3);
    EXPECT_EQ(Blue(c), 29);
    EXPECT_EQ(c >> 24, kSampledFlag);
}

TEST(ClampPickerPosition, ColumnAndRowZeroBecomeOne) {
    const Rect desktop{0, 0, 1024, 768};
    EXPECT_EQ(ClampPickerPosition({0, 0}, desktop), (Point{1, 1}));
    EXPECT_EQ(ClampPickerPosition({0, 300}, desktop), (Point{1, 300}));
    EXPECT_EQ(ClampPickerPosition({5, 5}, desktop), (Point{5, 5}));
    const Rect left{-1280, -100, 1024, 768};
    EXPECT_EQ(ClampPickerPosition({-1280, -100}, left), (Point{-1279, -99}));
    EXPECT_EQ(ClampPickerPosition({-500, 0}, left), (Point{-500, 0}));
}

TEST(LayoutMagnifier, AwayFromTheEdgesTheSourceIsCentredOnThePointer) {
    const MagnifierLayout m = LayoutMagnifier({100, 200}, {0, 0, 1024, 768});
    EXPECT_EQ(m.source, (Point{94, 194}));
    EXPECT_EQ(m.destination, (Rect{0, 0, 78, 78}));
    EXPECT_EQ(m.leftStrip.width(), 0);
    EXPECT_EQ(m.topStrip.height(), 0);
}

TEST(LayoutMagnifier, AtColumnOneFiveCellsAreBlackAndColumnZeroIsTheSixth) {
    const MagnifierLayout m = LayoutMagnifier({1, 3}, {0, 0, 1024, 768});
    EXPECT_EQ(m.leftStrip, (Rect{0, 0, 30, 78}));
    EXPECT_EQ(m.topStrip, (Rect{0, 0, 78, 18}));
    EXPECT_EQ(m.source, (Point{0, 0}));
    EXPECT_EQ(m.destination, (Rect{30, 18, 108, 96}));
    // Screen column 0 lands in cell 5 and the pointer's column 1 in cell 6.
    EXPECT_EQ(m.destination.left + (1 - m.source.x) * kZoom, 36);
}

TEST(LayoutMagnifier, MonitorLeftOfThePrimaryUsesTheVirtualDesktopEdge) {
    const Rect desktop{-1280, -200, 1024, 768};
    const MagnifierLayout m = LayoutMagnifier({-1278, 50}, desktop);
    EXPECT_EQ(m.leftStrip, (Rect{0, 0, 24, 78}));
    EXPECT_EQ(m.source, (Point{-1280, 44}));
    const MagnifierLayout inside = LayoutMagnifier({-3, -3}, desktop);
    EXPECT_EQ(inside.source, (Point{-9, -9}));
    EXPECT_EQ(inside.leftStrip.width(), 0);
}

TEST(SampleBox, OnePixelOutsideTheAveragedCells) {
    EXPECT_EQ(SampleBoxOf(kPointSample), (SampleBox{35, 42}));
    EXPECT_EQ(SampleBoxOf(kAverage3), (SampleBox{29, 48}));
    EXPECT_EQ(SampleBoxOf(kAverage5), (SampleBox{23, 54}));
}

}  // namespace
}  // namespace vix
