#include "color/css_color.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vix {
namespace {

// `value` rounded to `decimals` places (halves away from zero), written with
// "." whatever the locale; `dropZero` leaves out a fraction of zeros. Worked
// out in integers so that no C library locale or printf rounding enters.
std::wstring Fixed(double value, int decimals, bool dropZero = false) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const std::int64_t scaled = std::llround(value * static_cast<double>(scale));
    std::wstring text = scaled < 0 ? L"-" : L"";
    const std::int64_t magnitude = scaled < 0 ? -scaled : scaled;
    text += std::to_wstring(magnitude / scale);
    const std::int64_t fraction = magnitude % scale;
    if (decimals > 0 && !(dropZero && fraction == 0)) {
        std::wstring digits = std::to_wstring(fraction);
        text += L'.';
        text.append(static_cast<std::size_t>(decimals) - digits.size(), L'0');
        text += digits;
    }
    return text;
}

// An angle in degrees as `decimals` places within [0, 360): one that rounds
// up to 360 is 0.
std::wstring Degrees(double h, int decimals, bool dropZero) {
    const double step = std::pow(10.0, -decimals);
    if (std::llround(h / step) >= std::llround(360.0 / step)) h = 0;
    return Fixed(h, decimals, dropZero);
}

double Linear(std::uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::wstring CssRgb(ColorWord c) {
    return L"rgb(" + std::to_wstring(Red(c)) + L" " + std::to_wstring(Green(c)) + L" " +
           std::to_wstring(Blue(c)) + L")";
}

std::wstring CssHsl(ColorWord c) {
    const int r = Red(c), g = Green(c), b = Blue(c);
    const int max = std::max({r, g, b}), min = std::min({r, g, b});
    const double lightness = (max + min) / 510.0;
    double hue = 0, saturation = 0;
    if (max != min) {
        const double d = (max - min) / 255.0;
        saturation = d / (1 - std::fabs(2 * lightness - 1));
        const double span = max - min;
        if (max == r)
            hue = 60 * ((g - b) / span);
        else if (max == g)
            hue = 60 * ((b - r) / span) + 120;
        else
            hue = 60 * ((r - g) / span) + 240;
        if (hue < 0) hue += 360;
    }
    return L"hsl(" + Degrees(hue, 1, true) + L" " + Fixed(saturation * 100, 1, true) + L"% " +
           Fixed(lightness * 100, 1, true) + L"%)";
}

std::wstring CssOklch(ColorWord c) {
    // Linear sRGB to Oklab, with the matrices Oklab is published with.
    const double r = Linear(Red(c)), g = Linear(Green(c)), b = Linear(Blue(c));
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    const double lightness = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
    const double a = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
    const double bb = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
    const double chroma = std::hypot(a, bb);
    const std::wstring chromaText = Fixed(chroma, 4);
    std::wstring hueText = L"0";
    if (chromaText != L"0.0000") {
        double hue = std::atan2(bb, a) * 180.0 / 3.14159265358979323846;
        if (hue < 0) hue += 360;
        hueText = Degrees(hue, 2, false);
    }
    return L"oklch(" + Fixed(lightness * 100, 2) + L"% " + chromaText + L" " + hueText + L")";
}

}  // namespace vix
