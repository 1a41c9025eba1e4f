#include "color/extended_color_info.h"

#include <algorithm>
#include <cmath>

namespace vix {

Cmyk RGBToCMYK(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    int c = 255 - r, m = 255 - g, y = 255 - b;
    const int k = std::min({c, m, y});
    c -= k;
    m -= k;
    y -= k;
    return {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(m),
            static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(k)};
}

Hsb RGBToHSB(float r, float g, float b) {
    const float v = std::max({r, g, b});
    const float d = v - std::min({r, g, b});
    const float s = v == 0.0f ? 0.0f : d / v;
    if (s == 0.0f) return {-1.0f, s, v};
    float h;
    if (r == v)
        h = 60.0f * (g - b) / d;
    else if (g == v)
        h = 60.0f * (b - r) / d + 120.0f;
    else
        h = 60.0f * (r - g) / d + 240.0f;
    if (h < 0.0f) h += 360.0f;
    return {h, s, v};
}

long RoundHalfEven(double x) { return std::lrint(x); }

ExtendedTexts ExtendedInfo(ColorWord color) {
    const Cmyk k = RGBToCMYK(Red(color), Green(color), Blue(color));
    // x * 100 / 255 never falls on a half.
    const auto percent = [](int x) {
        return std::to_wstring(std::lround(x * 100.0 / 255.0)) + L"%";
    };
    const Hsb hsb = RGBToHSB(Red(color), Green(color), Blue(color));
    // Rounded from the 32-bit values: S = 0.125 shows 12%, a hue of 7.5 shows 8.
    const float s100 = hsb.s * 100.0f;
    return {percent(k.c),
            percent(k.m),
            percent(k.y),
            percent(k.k),
            hsb.h == -1.0f ? L"-" : std::to_wstring(RoundHalfEven(hsb.h)) + L"\u00B0",
            std::to_wstring(RoundHalfEven(s100)) + L"%",
            std::to_wstring(RoundHalfEven(hsb.v * 100.0f / 255.0f)) + L"%"};
}

}  // namespace vix
