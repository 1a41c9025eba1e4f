#include "color/extended_color_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "color/web_safe.h"

namespace vix {
namespace {

TEST(ExtendedInfo, CmykOfWhiteBlackAndRed) {
    EXPECT_EQ(ExtendedInfo(MakeColor(255, 255, 255)),
              (ExtendedTexts{L"0%", L"0%", L"0%", L"0%", L"-", L"0%", L"100%"}));
    EXPECT_EQ(ExtendedInfo(MakeColor(0, 0, 0)),
              (ExtendedTexts{L"0%", L"0%", L"0%", L"100%", L"-", L"0%", L"0%"}));
    EXPECT_EQ(ExtendedInfo(MakeColor(255, 0, 0)),
              (ExtendedTexts{L"0%", L"100%", L"100%", L"0%", L"0\u00B0", L"100%", L"100%"}));
    EXPECT_EQ(RGBToCMYK(255, 153, 51), (Cmyk{0, 102, 204, 0}));
    EXPECT_EQ(RGBToCMYK(10, 20, 30), (Cmyk{20, 10, 0, 225}));
}

TEST(ExtendedInfo, GreysHaveNoHueAndNoSaturation) {
    for (int v : {0, 1, 127, 128, 254, 255}) {
        const auto t = ExtendedInfo(MakeColor(v, v, v));
        EXPECT_EQ(t.h, L"-");
        EXPECT_EQ(t.s, L"0%");
    }
}

TEST(ExtendedInfo, RoundsHalvesToEven) {
    EXPECT_EQ(ExtendedInfo(MakeColor(8, 7, 7)).s, L"12%");          // S = 0.125
    EXPECT_EQ(ExtendedInfo(MakeColor(8, 1, 0)).h, L"8\u00B0");      // 7.5
    EXPECT_EQ(ExtendedInfo(MakeColor(8, 3, 0)).h, L"22\u00B0");     // 22.5
    EXPECT_EQ(ExtendedInfo(MakeColor(255, 0, 1)).h, L"360\u00B0");  // just below 360
}

TEST(ExtendedInfo, SharedMaximumGoesToRedThenGreen) {
    EXPECT_FLOAT_EQ(RGBToHSB(200, 200, 0).h, 60.0f);   // red and green share it
    EXPECT_FLOAT_EQ(RGBToHSB(0, 200, 200).h, 180.0f);  // green and blue
    EXPECT_FLOAT_EQ(RGBToHSB(200, 0, 200).h, 300.0f);  // red and blue: red's formula
}

// The 32-bit routine against a double-precision formula over a dense grid:
// the shown integers agree wherever the exact value is not within a hair of a
// half, where 32-bit rounding may fall either way.
TEST(ExtendedInfo, HueSaturationBrightnessAgreeWithADoubleReference) {
    int compared = 0;
    for (int r = 0; r <= 255; r += 3) {
        for (int g = 0; g <= 255; g += 3) {
            for (int b = 0; b <= 255; b += 3) {
                const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
                const double d = mx - mn;
                const double s = mx == 0 ? 0 : d / mx;
                double h = -1;
                if (s != 0) {
                    h = r == mx   ? 60.0 * (g - b) / d
                        : g == mx ? 60.0 * (b - r) / d + 120
                                  : 60.0 * (r - g) / d + 240;
                    if (h < 0) h += 360;
                }
                const Hsb f =
                    RGBToHSB(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
                const auto nearHalf = [](double x) {
                    return std::abs(x - std::floor(x) - 0.5) < 1e-4;
                };
                ASSERT_EQ(f.h == -1.0f, h == -1) << r << "," << g << "," << b;
                if (h != -1 && !nearHalf(h))
                    ASSERT_EQ(RoundHalfEven(f.h), std::lround(h)) << r << "," << g << "," << b;
                if (!nearHalf(s * 100))
                    ASSERT_EQ(RoundHalfEven(f.s * 100.0f), std::lround(s * 100))
                        << r << "," << g << "," << b;
                ASSERT_EQ(RoundHalfEven(f.v * 100.0f / 255.0f), std::lround(mx * 100 / 255));
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 86 * 86 * 86);
}

TEST(RoundToWebSafe, EveryValueFallsInItsBand) {
    struct Band {
        int from, to, level;
    };
    constexpr Band kBands[] = {{0, 26, 0},      {27, 77, 51},    {78, 128, 102},
                               {129, 179, 153}, {180, 230, 204}, {231, 255, 255}};
    for (const Band& band : kBands)
        for (int v = band.from; v <= band.to; ++v)
            EXPECT_EQ(RoundToWebSafe(static_cast<std::uint8_t>(v)), band.level) << v;
}

TEST(RoundToWebSafe, WholeColourKeepsItsComponentsApart) {
    EXPECT_EQ(RgbOf(WebSafeColor(MakeColor(26, 27, 230))), RgbOf(MakeColor(0, 51, 204)));
}

}  // namespace
}  // namespace vix
