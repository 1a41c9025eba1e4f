#include "color/contrast.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// Ratios worked out with a separate Python computation of the WCAG 2.x
// formula, truncated by hand.
TEST(Contrast, RatioTruncatedToHundredthsAndTheLevelFromTheExactRatio) {
    const struct {
        ColorWord a, b;
        const wchar_t* text;
    } cases[] = {
        {MakeColor(0, 0, 0), MakeColor(255, 255, 255), L"Contrast: 21.00:1 AAA"},
        {MakeColor(255, 153, 51), MakeColor(0, 0, 0), L"Contrast: 9.85:1 AAA"},      // 9.856
        {MakeColor(255, 255, 255), MakeColor(89, 89, 89), L"Contrast: 7.00:1 AAA"},  // 7.0047
        {MakeColor(255, 255, 255), MakeColor(90, 90, 90), L"Contrast: 6.89:1 AA"},   // 6.8969
        {MakeColor(255, 255, 255), MakeColor(118, 118, 118), L"Contrast: 4.54:1 AA"},
        {MakeColor(255, 255, 255), MakeColor(119, 119, 119), L"Contrast: 4.47:1 AA large"},
        {MakeColor(255, 255, 255), MakeColor(148, 148, 148), L"Contrast: 3.03:1 AA large"},
        // 2.9953: rounded it would read 3.00, yet it fails.
        {MakeColor(255, 255, 255), MakeColor(149, 149, 149), L"Contrast: 2.99:1 fails"},
        {MakeColor(10, 128, 127), MakeColor(10, 128, 127, kSampledFlag), L"Contrast: 1.00:1 fails"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContrastText(c.a, c.b, L'.'), c.text);
        EXPECT_EQ(ContrastText(c.b, c.a, L'.'), c.text) << "either order";
    }
    EXPECT_EQ(ContrastText(MakeColor(255, 255, 255), MakeColor(0, 0, 255), L','),
              L"Contrast: 8,59:1 AAA");
}

}  // namespace
}  // namespace vix
