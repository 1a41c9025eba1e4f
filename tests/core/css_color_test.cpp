#include "color/css_color.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

struct Case {
    ColorWord color;
    const wchar_t* rgb;
    const wchar_t* hsl;
    const wchar_t* oklch;
};

// hsl() worked out with Python's colorsys; oklch() by a separate Python
// computation from the published Oklab matrices (linear sRGB to LMS, cube
// root, LMS to Lab), rounded by hand.
constexpr Case kCases[] = {
    {MakeColor(255, 153, 51), L"rgb(255 153 51)", L"hsl(30 100% 60%)",
     L"oklch(77.37% 0.1629 60.28)"},
    // Greys: no hue, and a chroma that rounds to nothing.
    {MakeColor(255, 255, 255), L"rgb(255 255 255)", L"hsl(0 0% 100%)", L"oklch(100.00% 0.0000 0)"},
    {MakeColor(0, 0, 0), L"rgb(0 0 0)", L"hsl(0 0% 0%)", L"oklch(0.00% 0.0000 0)"},
    {MakeColor(128, 128, 128), L"rgb(128 128 128)", L"hsl(0 0% 50.2%)", L"oklch(59.99% 0.0000 0)"},
    {MakeColor(255, 0, 0), L"rgb(255 0 0)", L"hsl(0 100% 50%)", L"oklch(62.80% 0.2577 29.23)"},
    {MakeColor(0, 255, 0), L"rgb(0 255 0)", L"hsl(120 100% 50%)", L"oklch(86.64% 0.2948 142.50)"},
    {MakeColor(0, 0, 255), L"rgb(0 0 255)", L"hsl(240 100% 50%)", L"oklch(45.20% 0.3132 264.05)"},
    {MakeColor(10, 128, 127), L"rgb(10 128 127)", L"hsl(179.5 85.5% 27.1%)",
     L"oklch(54.36% 0.0911 193.83)"},
    // Red with a touch of blue: a hue just below 360.
    {MakeColor(255, 0, 1), L"rgb(255 0 1)", L"hsl(359.8 100% 50%)", L"oklch(62.80% 0.2576 29.18)"},
    // Nearly black, still with a chroma and so a hue.
    {MakeColor(1, 2, 3), L"rgb(1 2 3)", L"hsl(210 50% 0.8%)", L"oklch(8.23% 0.0080 240.75)"},
};

TEST(CssColor, RgbHslAndOklchOfEachColour) {
    for (const Case& c : kCases) {
        EXPECT_EQ(CssRgb(c.color), c.rgb);
        EXPECT_EQ(CssHsl(c.color), c.hsl) << c.rgb;
        EXPECT_EQ(CssOklch(c.color), c.oklch) << c.rgb;
    }
}

}  // namespace
}  // namespace vix
